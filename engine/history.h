// A game's record of one side's moves: slot i holds that side's move of
// turn i, as five parallel byte arrays.
#pragma once

#include <cstdint>

namespace lorvane {

constexpr int kHistorySlots = 81;  // a game records at most 81 turns

struct MoveHistory {
  std::uint8_t fromX[kHistorySlots] = {};
  std::uint8_t fromY[kHistorySlots] = {};
  std::uint8_t toX[kHistorySlots] = {};
  std::uint8_t toY[kHistorySlots] = {};
  std::uint8_t captured[kHistorySlots] = {};

  // Every field of every slot to 0.
  void Clear();
  void ClearSlot(int i);
  // A stored move always leaves its from-point, so an empty slot is the only
  // one whose from-point equals its to-point.
  bool InUse(int i) const { return fromX[i] != toX[i] || fromY[i] != toY[i]; }
  // The lowest slot not in use, or kHistorySlots when all are taken.
  int LowestFree() const;
  // The number of slots in use (they are always taken from slot 0 upwards).
  int Count() const { return LowestFree(); }
  void Store(int i, int fx, int fy, int tx, int ty, std::uint8_t capturedCode);
};

}  // namespace lorvane
