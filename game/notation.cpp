#include "notation.h"

namespace lorvane {

namespace {

const char* const kNumerals[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};

// Indexed by the kind's offset from the general: general, chariot, horse,
// cannon, advisor, elephant, pawn.
const char* const kPlayerNames[] = {"【帅】", "【车】", "【马】", "【炮】", "【士】", "【相】", "【兵】"};
const char* const kComputerNames[] = {"【将】", "【车】", "【马】", "【炮】", "【士】", "【象】", "【卒】"};

// The direction word of a move that advances by `advance` ranks towards the
// opponent (negative: backwards).
std::string Direction(int advance) {
  if (advance > 0) return "进";
  if (advance == 0) return "平";
  return "退";
}

}  // namespace

std::string ChineseNumeral(int n) {
  if (n < 1 || n > 10) return std::string();
  return kNumerals[n - 1];
}

std::string PlayerPieceName(std::uint8_t code) {
  if (!IsPlayerPiece(code)) return std::string();
  return kPlayerNames[code - kPlayerGeneral];
}

std::string ComputerPieceName(std::uint8_t code) {
  if (!IsComputerPiece(code)) return std::string();
  return kComputerNames[code - kComputerGeneral];
}

std::string FormatPlayerMove(const Board& board, int fx, int fy, int tx, int ty) {
  const std::uint8_t code = board(tx, ty);
  std::string line = PlayerPieceName(code);
  line += ChineseNumeral(9 - fx);
  // The player moves up the board: a smaller rank is forward.
  line += Direction(fy - ty);
  line += ChineseNumeral(code == kPlayerPawn ? 1 : 10 - ty);
  return line;
}

std::string FormatComputerMove(const Board& board, int fx, int fy, int tx, int ty) {
  const std::uint8_t code = board(tx, ty);
  std::string line = ComputerPieceName(code);
  line += ' ';
  line += std::to_string(fx + 1);
  // The computer moves down the board: a larger rank is forward.
  line += Direction(ty - fy);
  line += std::to_string(code == kComputerPawn ? 1 : ty + 1);
  return line;
}

}  // namespace lorvane
