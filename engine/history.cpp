#include "history.h"

namespace lorvane {

void MoveHistory::Clear() {
  for (int i = 0; i < kHistorySlots; ++i) ClearSlot(i);
}

void MoveHistory::ClearSlot(int i) {
  fromX[i] = fromY[i] = toX[i] = toY[i] = captured[i] = 0;
}

int MoveHistory::LowestFree() const {
  for (int i = 0; i < kHistorySlots; ++i)
    if (!InUse(i)) return i;
  return kHistorySlots;
}

void MoveHistory::Store(int i, int fx, int fy, int tx, int ty, std::uint8_t capturedCode) {
  fromX[i] = static_cast<std::uint8_t>(fx);
  fromY[i] = static_cast<std::uint8_t>(fy);
  toX[i] = static_cast<std::uint8_t>(tx);
  toY[i] = static_cast<std::uint8_t>(ty);
  captured[i] = capturedCode;
}

}  // namespace lorvane
