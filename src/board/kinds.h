// The square kinds of the board, the templates that show them, and the
// few facts about a kind that the rest of the game asks for.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vexalon {

// The 17 kinds a square can be, plus the two states of a cell without a
// square: None (before the first fill) and Removed (taken away, not yet
// refilled). Each has exactly one text, see KindText.
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

std::string_view KindText(Kind kind);
std::optional<Kind> KindFromText(std::string_view text);
std::string_view PictureName(Picture picture);

// Bit d is set when the kind shows colour d in a reaction.
std::uint8_t ColourMask(Kind kind);

// The first character of the kind text ('R' for Removed, 0 for None).
char FirstChar(Kind kind);

// The template that shows a square of this kind (sqEmpty for None and Removed).
Picture Template(Kind kind);

// The diamond of the kind's colour, or nothing for "1234", Removed and None.
std::optional<Picture> MarkedTemplate(Kind kind);

// "0" to "4": no arrow, not multi-colour. These are the squares an eraser takes.
bool IsPlain(Kind kind);

// No arrow left: the plain kinds and "1234".
bool IsArrowFree(Kind kind);

}  // namespace vexalon
