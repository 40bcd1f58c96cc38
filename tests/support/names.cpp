#include "support/names.h"

#include <array>

namespace vexalon {
namespace {

// Indexed by Kind, Picture and Timer.
constexpr std::array<std::string_view, kKindCount> kTexts{
    "",      "0",     "1",       "2",       "3",       "4",    "0up",
    "1up",   "2up",   "3up",     "1down",   "2down",   "3down", "4down",
    "1updown", "2updown", "3updown", "1234", "Removed",
};

constexpr std::array<std::string_view, kPictureCount> kPictureNames{
    "sqEmpty", "sq0",     "sq1",       "sq2",       "sq3",       "sq4",
    "sq0up",   "sq1up",   "sq2up",     "sq3up",     "sq1down",   "sq2down",
    "sq3down", "sq4down", "sq1updown", "sq2updown", "sq3updown", "sq1234",
    "tri0r",   "tri1r",   "tri2r",     "tri3r",     "tri4r",
};

constexpr std::array<std::string_view, kTimerCount> kTimerNames{
    "WaitAfterInitTimer", "WaitAfterClickTimer", "TimerClearSq", "TimerMoveDown",
    "TimerFillUp",        "WaitAfterReactionsTimer", "TimerHideCombo",
};

}  // namespace

std::string_view KindText(Kind kind) { return kTexts[static_cast<std::size_t>(kind)]; }

std::optional<Kind> KindFromText(std::string_view text) {
  for (std::size_t i = 0; i < kTexts.size(); ++i)
    if (kTexts[i] == text) return static_cast<Kind>(i);
  return std::nullopt;
}

std::string_view PictureName(Picture picture) { return kPictureNames[static_cast<std::size_t>(picture)]; }

std::string_view TimerName(Timer timer) { return kTimerNames[static_cast<std::size_t>(timer)]; }

}  // namespace vexalon
