// The text names of the game's kinds, pictures and timers, as the tests
// write boards and logs.
#pragma once

#include <optional>
#include <string_view>

#include "board/kinds.h"
#include "shell/platform.h"

namespace vexalon {

// "0" to "4", "0up", …, "1234", "Removed"; "" for a cell never filled.
std::string_view KindText(Kind kind);
std::optional<Kind> KindFromText(std::string_view text);
std::string_view PictureName(Picture picture);  // "sq3up", "tri2r", "sqEmpty"
std::string_view TimerName(Timer timer);        // "TimerMoveDown"

}  // namespace vexalon
