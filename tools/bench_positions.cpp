#include "bench_positions.h"

namespace lorvane {

const char* const kBenchPositions[] = {
    "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR b",
};
const int kBenchPositionCount = sizeof kBenchPositions / sizeof kBenchPositions[0];

}  // namespace lorvane
