#include "board/kinds.h"

#include <array>

namespace vexalon {
namespace {

struct KindFacts {
  std::string_view text;
  std::uint8_t colours;
  Picture picture;
};

constexpr std::uint8_t C(int d) { return static_cast<std::uint8_t>(1u << d); }

// Indexed by Kind.
constexpr std::array<KindFacts, kKindCount> kFacts{{
    {"", 0, Picture::sqEmpty},
    {"0", C(0), Picture::sq0},
    {"1", C(1), Picture::sq1},
    {"2", C(2), Picture::sq2},
    {"3", C(3), Picture::sq3},
    {"4", C(4), Picture::sq4},
    {"0up", C(0), Picture::sq0up},
    {"1up", C(1), Picture::sq1up},
    {"2up", C(2), Picture::sq2up},
    {"3up", C(3), Picture::sq3up},
    {"1down", C(1), Picture::sq1down},
    {"2down", C(2), Picture::sq2down},
    {"3down", C(3), Picture::sq3down},
    {"4down", C(4), Picture::sq4down},
    {"1updown", C(1), Picture::sq1updown},
    {"2updown", C(2), Picture::sq2updown},
    {"3updown", C(3), Picture::sq3updown},
    {"1234", C(0) | C(1) | C(2) | C(3) | C(4), Picture::sq1234},
    {"Removed", 0, Picture::sqEmpty},
}};

constexpr std::array<std::string_view, kPictureCount> kPictureNames{
    "sqEmpty", "sq0",     "sq1",       "sq2",       "sq3",       "sq4",
    "sq0up",   "sq1up",   "sq2up",     "sq3up",     "sq1down",   "sq2down",
    "sq3down", "sq4down", "sq1updown", "sq2updown", "sq3updown", "sq1234",
    "tri0r",   "tri1r",   "tri2r",     "tri3r",     "tri4r",
};

const KindFacts& Facts(Kind kind) { return kFacts[static_cast<std::size_t>(kind)]; }

}  // namespace

std::string_view KindText(Kind kind) { return Facts(kind).text; }

std::optional<Kind> KindFromText(std::string_view text) {
  for (std::size_t i = 0; i < kFacts.size(); ++i)
    if (kFacts[i].text == text) return static_cast<Kind>(i);
  return std::nullopt;
}

std::string_view PictureName(Picture picture) {
  return kPictureNames[static_cast<std::size_t>(picture)];
}

std::uint8_t ColourMask(Kind kind) { return Facts(kind).colours; }

char FirstChar(Kind kind) {
  std::string_view text = Facts(kind).text;
  return text.empty() ? '\0' : text.front();
}

Picture Template(Kind kind) { return Facts(kind).picture; }

std::optional<Picture> MarkedTemplate(Kind kind) {
  if (kind == Kind::k1234) return std::nullopt;
  std::uint8_t colours = ColourMask(kind);
  for (int d = 0; d <= 4; ++d)
    if (colours == C(d)) return static_cast<Picture>(static_cast<int>(Picture::tri0r) + d);
  return std::nullopt;
}

bool IsPlain(Kind kind) { return kind >= Kind::k0 && kind <= Kind::k4; }

bool IsArrowFree(Kind kind) { return IsPlain(kind) || kind == Kind::k1234; }

}  // namespace vexalon
