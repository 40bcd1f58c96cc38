// The hint: a square the player can act on to set off a reaction.
#pragma once

#include <cstdint>

#include "board/board.h"

namespace vexalon {

enum class HintKind : std::uint8_t {
  Wait,     // the board is still moving: a chain, a trial or a line about
            // to react will change it, so no hint is given yet
  Step,     // one plain release on the square reacts at the next scan
  Trial,    // no step reacts, but the square's alternate press would
  Nothing,  // nothing the player can do to one square reacts now
};

struct Hint {
  HintKind what = HintKind::Nothing;
  int index = -1;             // the square, for a step or a trial
  bool upperHalf = true;      // a step: pressed on the upper half (Space) or the lower (Page Down)
  Kind becomes = Kind::None;  // a step: the kind it makes; a trial: the kind it keeps

  friend bool operator==(const Hint&, const Hint&) = default;
};

// Looks at the board only and changes nothing. Among steps the first
// square in index order wins, its upper half before its lower; among
// trials the first square, with the first kind that reacts in the order
// the alternate press tries them.
Hint FindHint(const Board& board);

}  // namespace vexalon
