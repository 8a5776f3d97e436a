// Xiangqi FEN positions and ICCS move coordinates for the engine tool.
#pragma once

#include <string>

#include "board.h"

namespace lorvane {

struct FenPosition {
  Board board;
  Side toMove = Side::kPlayer;  // side field: w = the player (default), b = the computer
};

// Parses one line. On failure returns false and says what is wrong in error.
bool ParseFen(const std::string& line, FenPosition& out, std::string& error);
std::string ToFen(const Board& board, Side toMove);

// ICCS: a point is its file letter a..i for x = 0..8 and its rank digit
// 9 - y; a move is its from-point, then its to-point.
std::string IccsPoint(int x, int y);
std::string ToIccs(int fromX, int fromY, int toX, int toY);
// Reads one ICCS move such as "h2e2" (letters in either case). False for
// anything else: wrong length, a file or rank off the board.
bool ParseIccs(const std::string& text, int& fromX, int& fromY, int& toX, int& toY);

}  // namespace lorvane
