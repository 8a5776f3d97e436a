#include "spoken_words.h"

#include <vector>

#include "notation.h"

namespace lorvane {

namespace {

const char* const kFullWidthDigits[10] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};

std::string FullWidthNumber(int n) {
  std::string text;
  for (const char digit : std::to_string(n)) text += kFullWidthDigits[digit - '0'];
  return text;
}

// The piece's name as its side's move list writes it, without the brackets
// (each bracket is three bytes of UTF-8).
std::string KindWord(std::uint8_t code) {
  const std::string bracketed = IsPlayerPiece(code) ? PlayerPieceName(code) : ComputerPieceName(code);
  const std::size_t bracket = std::string("【").size();
  return bracketed.substr(bracket, bracketed.size() - 2 * bracket);
}

// A point's file ("九路", "１路") and rank number ("一", "１") as the player
// or the computer counts them.
std::string FileWords(bool player, int x) {
  return (player ? ChineseNumeral(9 - x) : FullWidthNumber(x + 1)) + "路";
}
std::string RankNumber(bool player, int y) {
  return player ? ChineseNumeral(10 - y) : FullWidthNumber(y + 1);
}

std::string SideWord(bool player) { return player ? "玩家" : "电脑"; }

std::string Joined(const std::vector<std::string>& parts, const std::string& between) {
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i) text += (i ? between : std::string()) + parts[i];
  return text;
}

}  // namespace

std::string PieceWords(std::uint8_t code, int x, int y) {
  if (!IsPlayerPiece(code) && !IsComputerPiece(code)) return std::string();
  const bool player = IsPlayerPiece(code);
  return SideWord(player) + "的" + KindWord(code) + "，" + FileWords(player, x) + "，第" +
         RankNumber(player, y) + "行";
}

std::string PointWords(const Board& board, int x, int y) {
  const std::string piece = PieceWords(board(x, y), x, y);
  if (!piece.empty()) return piece;
  return "空位，" + FileWords(true, x) + "，第" + RankNumber(true, y) + "行";
}

std::string PositionWords(const Board& board) {
  std::string text;
  for (bool player : {false, true}) {
    const int first = player ? kPlayerGeneral : kComputerGeneral;
    std::vector<std::string> kinds;
    for (int code = first; code < first + 7; ++code) {
      std::vector<std::string> points;
      for (int y = 0; y < kRanks; ++y)
        for (int x = 0; x < kFiles; ++x)
          if (board(x, y) == code) points.push_back(FileWords(player, x) + "第" + RankNumber(player, y) + "行");
      if (!points.empty())
        kinds.push_back(KindWord(static_cast<std::uint8_t>(code)) + " " + Joined(points, "、"));
    }
    text += SideWord(player) + "：";
    text += kinds.empty() ? std::string("无子") : Joined(kinds, "；");
    text += "。";
  }
  return text;
}

std::string TakenWords(std::uint8_t code) {
  if (!IsPlayerPiece(code) && !IsComputerPiece(code)) return std::string();
  return SideWord(IsPlayerPiece(code)) + "的" + KindWord(code);
}

}  // namespace lorvane
