// Counts heap allocations made through operator new while counting is on.
#pragma once

namespace lorvane::fixtures {

void StartCountingAllocations();
// Stops counting and returns how many allocations were made since the start.
long StopCountingAllocations();

}  // namespace lorvane::fixtures
