// What a screen reader says about the game, in UTF-8: pieces and points in
// words, the whole position, and what a capture took.
//
// A piece is named by side, kind and point: "玩家的车，九路，第一行",
// "电脑的卒，３路，第４行". The file is written as the game writes it for that
// side (the numbers above and below the board): the computer's pieces count
// files "１".."９" from the window's left edge, the player's pieces "九".."一".
// The rank is counted from that side's own back rank, the player's in Chinese
// numerals "一".."十" from the bottom, the computer's in full-width digits
// "１".."１０" from the top, as each side's move lines count it. An empty point
// is named in the player's counting: "空位，五路，第五行".
#pragma once

#include <cstdint>
#include <string>

#include "board.h"

namespace lorvane {

// "玩家的车，九路，第一行"; empty for a code that is no piece.
std::string PieceWords(std::uint8_t code, int x, int y);

// What stands on (x, y): the piece's words, or the empty point's.
std::string PointWords(const Board& board, int x, int y);

// The whole position, side by side and kind by kind:
// "电脑：将 ５路第１行；车 １路第１行、９路第１行；…。玩家：帅 五路第一行；…。"
std::string PositionWords(const Board& board);

// "电脑的马" / "玩家的车": what a capture took.
std::string TakenWords(std::uint8_t code);

}  // namespace lorvane
