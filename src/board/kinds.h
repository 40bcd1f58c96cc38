// The square kinds of the board, the templates that show them, and the
// few facts about a kind that the rest of the game asks for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vexalon {

// The 17 kinds a square can be, plus the two states of a cell without a
// square: None (before the first fill) and Removed (taken away, not yet
// refilled).
enum class Kind : std::uint8_t {
  None,
  k0, k1, k2, k3, k4,
  k0up, k1up, k2up, k3up,
  k1down, k2down, k3down, k4down,
  k1updown, k2updown, k3updown,
  k1234,
  Removed,
};
constexpr int kKindCount = 19;

// The template pictures a cell copies its look from.
enum class Picture : std::uint8_t {
  sqEmpty,
  sq0, sq1, sq2, sq3, sq4,
  sq0up, sq1up, sq2up, sq3up,
  sq1down, sq2down, sq3down, sq4down,
  sq1updown, sq2updown, sq3updown,
  sq1234,
  tri0r, tri1r, tri2r, tri3r, tri4r,
};
constexpr int kPictureCount = 23;

// The scan and the sweep ask these for every cell, so they are tables here.
namespace kinds_detail {
struct Facts {
  std::uint8_t colours;  // bit d: shows colour d in a reaction
  char first;            // first character of the kind text
  Picture picture;       // the template that shows the square
  Picture marked;        // its diamond; sqEmpty when it has none
};
constexpr std::uint8_t C(int d) { return static_cast<std::uint8_t>(1u << d); }
using P = Picture;
inline constexpr Facts kFacts[kKindCount] = {
    {0, '\0', P::sqEmpty, P::sqEmpty},                 // None
    {C(0), '0', P::sq0, P::tri0r},         {C(1), '1', P::sq1, P::tri1r},
    {C(2), '2', P::sq2, P::tri2r},         {C(3), '3', P::sq3, P::tri3r},
    {C(4), '4', P::sq4, P::tri4r},
    {C(0), '0', P::sq0up, P::tri0r},       {C(1), '1', P::sq1up, P::tri1r},
    {C(2), '2', P::sq2up, P::tri2r},       {C(3), '3', P::sq3up, P::tri3r},
    {C(1), '1', P::sq1down, P::tri1r},     {C(2), '2', P::sq2down, P::tri2r},
    {C(3), '3', P::sq3down, P::tri3r},     {C(4), '4', P::sq4down, P::tri4r},
    {C(1), '1', P::sq1updown, P::tri1r},   {C(2), '2', P::sq2updown, P::tri2r},
    {C(3), '3', P::sq3updown, P::tri3r},
    {C(0) | C(1) | C(2) | C(3) | C(4), '1', P::sq1234, P::sqEmpty},  // "1234"
    {0, 'R', P::sqEmpty, P::sqEmpty},                   // Removed
};
constexpr const Facts& Of(Kind kind) { return kFacts[static_cast<std::size_t>(kind)]; }
}  // namespace kinds_detail

// Bit d is set when the kind shows colour d in a reaction.
constexpr std::uint8_t ColourMask(Kind kind) { return kinds_detail::Of(kind).colours; }

// The first character of the kind text ('R' for Removed, 0 for None).
constexpr char FirstChar(Kind kind) { return kinds_detail::Of(kind).first; }

// The template that shows a square of this kind (sqEmpty for None and Removed).
constexpr Picture Template(Kind kind) { return kinds_detail::Of(kind).picture; }

// The diamond of the kind's colour, or nothing for "1234", Removed and None.
constexpr std::optional<Picture> MarkedTemplate(Kind kind) {
  Picture marked = kinds_detail::Of(kind).marked;
  return marked == Picture::sqEmpty ? std::nullopt : std::optional<Picture>(marked);
}

// What a coloured picture shows: a digit's square with its arrows, or the
// digit's diamond. Nothing for "1234" and the empty picture.
struct PictureLook {
  int digit;
  bool up, down, marked;
};

constexpr std::optional<PictureLook> LookOf(Picture picture) {
  auto from = [picture](Picture first, Picture last) {
    return picture >= first && picture <= last ? static_cast<int>(picture) - static_cast<int>(first) : -1;
  };
  if (int d = from(Picture::sq0, Picture::sq4); d >= 0) return PictureLook{d, false, false, false};
  if (int d = from(Picture::sq0up, Picture::sq3up); d >= 0) return PictureLook{d, true, false, false};
  if (int d = from(Picture::sq1down, Picture::sq4down); d >= 0) return PictureLook{d + 1, false, true, false};
  if (int d = from(Picture::sq1updown, Picture::sq3updown); d >= 0) return PictureLook{d + 1, true, true, false};
  if (int d = from(Picture::tri0r, Picture::tri4r); d >= 0) return PictureLook{d, false, false, true};
  return std::nullopt;
}

// "0" to "4": no arrow, not multi-colour. These are the squares an eraser takes.
constexpr bool IsPlain(Kind kind) { return kind >= Kind::k0 && kind <= Kind::k4; }

// No arrow left: the plain kinds and "1234".
constexpr bool IsArrowFree(Kind kind) { return IsPlain(kind) || kind == Kind::k1234; }

}  // namespace vexalon
