// The move lists' notation: the examples of the game's notation, both sides,
// with the pawn's closing number, the counted ranks and the one blank.
#include <gtest/gtest.h>

#include <string>

#include "notation.h"

using namespace lorvane;

namespace {

// The initial position with one move played on it.
Board After(int fx, int fy, int tx, int ty) {
  Board board = InitialBoard();
  PlayMove(board, fx, fy, tx, ty);
  return board;
}

Board Lone(std::uint8_t code, int x, int y) {
  Board board;
  board(x, y) = code;
  return board;
}

struct Example {
  int fx, fy, tx, ty;
  const char* line;
};

// A bracketed name is three characters of three bytes each.
constexpr std::size_t kNameBytes = 9;

}  // namespace

TEST(Notation, PlayerExamples) {
  const Example examples[] = {
      {7, 7, 4, 7, "【炮】二平三"}, {7, 9, 6, 7, "【马】二进三"}, {0, 9, 0, 7, "【车】九进三"},
      {6, 6, 6, 5, "【兵】三进一"}, {4, 9, 4, 8, "【帅】五进二"}, {3, 9, 4, 8, "【士】六进二"},
      {2, 9, 4, 7, "【相】七进三"},
  };
  for (const Example& e : examples)
    EXPECT_EQ(FormatPlayerMove(After(e.fx, e.fy, e.tx, e.ty), e.fx, e.fy, e.tx, e.ty), e.line);
}

TEST(Notation, ComputerExamples) {
  const Example examples[] = {
      {1, 2, 4, 2, "【炮】 2平3"}, {1, 0, 2, 2, "【马】 2进3"}, {2, 3, 2, 4, "【卒】 3进1"},
      {4, 0, 4, 1, "【将】 5进2"}, {5, 0, 4, 1, "【士】 6进2"}, {6, 0, 8, 2, "【象】 7进3"},
      {8, 0, 8, 1, "【车】 9进2"},
  };
  for (const Example& e : examples)
    EXPECT_EQ(FormatComputerMove(After(e.fx, e.fy, e.tx, e.ty), e.fx, e.fy, e.tx, e.ty), e.line);
}

// A pawn's line closes with one whatever its direction; every other piece
// closes with the rank of its to-point from its own back rank.
TEST(Notation, PawnsCloseWithOne) {
  EXPECT_EQ(FormatPlayerMove(Lone(kPlayerPawn, 3, 4), 4, 4, 3, 4), "【兵】五平一");
  EXPECT_EQ(FormatPlayerMove(Lone(kPlayerPawn, 4, 0), 4, 1, 4, 0), "【兵】五进一");
  EXPECT_EQ(FormatComputerMove(Lone(kComputerPawn, 5, 6), 4, 6, 5, 6), "【卒】 5平1");
  EXPECT_EQ(FormatComputerMove(Lone(kComputerPawn, 4, 9), 4, 8, 4, 9), "【卒】 5进1");
}

TEST(Notation, FarRanksCloseWithTen) {
  EXPECT_EQ(FormatPlayerMove(Lone(kPlayerChariot, 0, 0), 0, 9, 0, 0), "【车】九进十");
  EXPECT_EQ(FormatPlayerMove(Lone(kPlayerHorse, 2, 0), 1, 2, 2, 0), "【马】八进十");
  EXPECT_EQ(FormatComputerMove(Lone(kComputerChariot, 8, 9), 8, 0, 8, 9), "【车】 9进10");
  EXPECT_EQ(FormatComputerMove(Lone(kComputerCannon, 1, 9), 1, 2, 1, 9), "【炮】 2进10");
}

// Sideways moves close with the current rank, not the target file.
TEST(Notation, SidewaysClosesWithRank) {
  EXPECT_EQ(FormatPlayerMove(Lone(kPlayerChariot, 3, 9), 0, 9, 3, 9), "【车】九平一");
  EXPECT_EQ(FormatComputerMove(Lone(kComputerChariot, 3, 0), 0, 0, 3, 0), "【车】 1平1");
  EXPECT_EQ(FormatPlayerMove(Lone(kPlayerCannon, 8, 5), 0, 5, 8, 5), "【炮】九平五");
}

// A retreat and an advance to the same rank close alike; the words differ.
TEST(Notation, RetreatAndAdvanceToSameRank) {
  EXPECT_EQ(FormatPlayerMove(Lone(kPlayerChariot, 4, 5), 4, 3, 4, 5), "【车】五退五");
  EXPECT_EQ(FormatPlayerMove(Lone(kPlayerChariot, 4, 5), 4, 7, 4, 5), "【车】五进五");
  EXPECT_EQ(FormatComputerMove(Lone(kComputerHorse, 3, 4), 2, 6, 3, 4), "【马】 3退5");
  EXPECT_EQ(FormatComputerMove(Lone(kComputerHorse, 3, 4), 2, 2, 3, 4), "【马】 3进5");
}

// Files: the player's count from his right (x = 0 is nine), the computer's
// from the window's left (x = 0 is 1).
TEST(Notation, FileCounting) {
  for (int x = 0; x < kFiles; ++x) {
    const std::string player = FormatPlayerMove(Lone(kPlayerChariot, x, 8), x, 9, x, 8);
    EXPECT_EQ(player.substr(kNameBytes, 3), ChineseNumeral(9 - x));
    const std::string computer = FormatComputerMove(Lone(kComputerChariot, x, 1), x, 0, x, 1);
    EXPECT_EQ(computer.substr(kNameBytes, 2), " " + std::to_string(x + 1));
  }
}

// One blank in the computer's line, between name and file; none in the
// player's. Every name is bracketed.
TEST(Notation, BlanksAndNames) {
  for (int code = kComputerGeneral; code <= kComputerPawn; ++code) {
    const std::string line = FormatComputerMove(Lone(static_cast<std::uint8_t>(code), 4, 1), 4, 0, 4, 1);
    EXPECT_EQ(line.find(' '), kNameBytes);
    EXPECT_EQ(line.rfind(' '), kNameBytes);
    EXPECT_EQ(line.rfind("【", 0), 0u);
  }
  for (int code = kPlayerGeneral; code <= kPlayerPawn; ++code) {
    const std::string line = FormatPlayerMove(Lone(static_cast<std::uint8_t>(code), 4, 8), 4, 9, 4, 8);
    EXPECT_EQ(line.find(' '), std::string::npos);
    EXPECT_EQ(line.find("】"), kNameBytes - 3);
  }
}

// The name is read from the to-point: a piece of the other side, or none,
// gives no name.
TEST(Notation, NameFromToPoint) {
  EXPECT_EQ(FormatPlayerMove(Lone(kComputerChariot, 0, 7), 0, 9, 0, 7), "九进三");
  EXPECT_EQ(FormatComputerMove(Lone(kPlayerChariot, 0, 2), 0, 0, 0, 2), " 1进3");
  EXPECT_EQ(FormatPlayerMove(Board{}, 0, 9, 0, 7), "九进三");
}

TEST(Notation, NamesOfBothSides) {
  const char* player[] = {"【帅】", "【车】", "【马】", "【炮】", "【士】", "【相】", "【兵】"};
  const char* computer[] = {"【将】", "【车】", "【马】", "【炮】", "【士】", "【象】", "【卒】"};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(PlayerPieceName(static_cast<std::uint8_t>(kPlayerGeneral + i)), player[i]);
    EXPECT_EQ(ComputerPieceName(static_cast<std::uint8_t>(kComputerGeneral + i)), computer[i]);
    EXPECT_TRUE(PlayerPieceName(static_cast<std::uint8_t>(kComputerGeneral + i)).empty());
    EXPECT_TRUE(ComputerPieceName(static_cast<std::uint8_t>(kPlayerGeneral + i)).empty());
  }
  EXPECT_TRUE(PlayerPieceName(0).empty());
  EXPECT_TRUE(ComputerPieceName(15).empty());
  EXPECT_TRUE(ChineseNumeral(0).empty());
  EXPECT_TRUE(ChineseNumeral(11).empty());
}
