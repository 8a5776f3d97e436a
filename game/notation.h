// The move lists' Chinese notation, in UTF-8. The player's lines use Chinese
// numerals and count files from the player's right-hand edge; the computer's
// lines use decimal digits and count from the window's left edge. Both close
// with the rank of the to-point counted from the mover's own back rank,
// except that a pawn's line always closes with one.
#pragma once

#include <cstdint>
#include <string>

#include "board.h"

namespace lorvane {

// The player's line for a move from (fx, fy) to (tx, ty), already played on
// board: the name is read from the code now standing on the to-point.
std::string FormatPlayerMove(const Board& board, int fx, int fy, int tx, int ty);

// The computer's line for a move already played on board: one blank between
// the name and the file digit, none elsewhere.
std::string FormatComputerMove(const Board& board, int fx, int fy, int tx, int ty);

// The bracketed name of a piece in the lists; empty for 0 and for codes of no
// piece. Each side's list names only that side's pieces.
std::string PlayerPieceName(std::uint8_t code);
std::string ComputerPieceName(std::uint8_t code);

// "一".."十" for 1..10; empty outside that range.
std::string ChineseNumeral(int n);

}  // namespace lorvane
