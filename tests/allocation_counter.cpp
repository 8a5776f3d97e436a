#include "allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> gCounting{false};
std::atomic<long> gAllocations{0};

}  // namespace

void* operator new(std::size_t size) {
  if (gCounting) ++gAllocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace lorvane::fixtures {

void StartCountingAllocations() {
  gAllocations = 0;
  gCounting = true;
}

long StopCountingAllocations() {
  gCounting = false;
  return gAllocations;
}

}  // namespace lorvane::fixtures
