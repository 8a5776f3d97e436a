// The two levels of difficulty and how far the computer looks ahead at each.
#pragma once

namespace lorvane {

enum class Level { kLow, kHigh };

// Plies the computer's search looks ahead: 2 at the low level, 3 at the high.
constexpr int SearchDepthOf(Level level) { return level == Level::kHigh ? 3 : 2; }

}  // namespace lorvane
