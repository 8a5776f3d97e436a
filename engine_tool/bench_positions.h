// Positions from real play for timing the search.
#pragma once

namespace lorvane {

extern const char* const kBenchPositions[];
extern const int kBenchPositionCount;

}  // namespace lorvane
