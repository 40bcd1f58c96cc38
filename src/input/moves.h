// What a plain release and an alternate press do to an arrow square's kind.
#pragma once

#include <optional>
#include <vector>

#include "board/kinds.h"

namespace vexalon {

// The kind one plain release makes of the square; the half pressed
// matters for up-and-down squares only. Nothing for a square without arrow.
std::optional<Kind> SteppedKind(Kind kind, bool upperHalf);

// Every kind a square can reach through releases, nearest first; an
// up-and-down square alternates, upward first. The alternate press tries
// them in this order.
std::vector<Kind> ReachableKinds(Kind kind);

}  // namespace vexalon
