// Piece codes, the movement rules of every piece and the end-of-game test.
#include <gtest/gtest.h>

#include <memory>

#include "engine.h"

using namespace lorvane;

namespace {

Board Empty() { return Board(); }

TEST(SidesTest, CodesBelongToTheirSide) {
  EXPECT_FALSE(IsComputerPiece(0));
  EXPECT_FALSE(IsPlayerPiece(0));
  EXPECT_TRUE(IsComputerPiece(7));
  EXPECT_FALSE(IsComputerPiece(8));
  EXPECT_TRUE(IsPlayerPiece(14));
  EXPECT_FALSE(IsPlayerPiece(15));
  EXPECT_FALSE(SameSide(0, 0));
  EXPECT_TRUE(SameSide(1, 7));
  EXPECT_TRUE(SameSide(8, 14));
  EXPECT_FALSE(SameSide(7, 14));
  EXPECT_FALSE(SameSide(1, 8));
  EXPECT_FALSE(SameSide(0, 8));
}

TEST(InitialPositionTest, SixteenPiecesEachOnTheirRanks) {
  const Board b = InitialBoard();
  int computer = 0, player = 0;
  for (int x = 0; x < 9; ++x)
    for (int y = 0; y < 10; ++y) {
      if (IsComputerPiece(b(x, y))) {
        ++computer;
        EXPECT_LE(y, 3);
      }
      if (IsPlayerPiece(b(x, y))) {
        ++player;
        EXPECT_GE(y, 6);
      }
      if (y == 1 || y == 4 || y == 5 || y == 8) {
        EXPECT_EQ(b(x, y), 0);
      }
    }
  EXPECT_EQ(computer, 16);
  EXPECT_EQ(player, 16);
  EXPECT_EQ(b(4, 0), kComputerGeneral);
  EXPECT_EQ(b(4, 9), kPlayerGeneral);

  Board dirty;
  for (auto& c : dirty.cell) c = kPlayerChariot;
  SetInitialPosition(dirty);
  EXPECT_EQ(dirty, b);  // every point is written, the empty ones too
}

TEST(IsLegalMoveTest, NeverOntoItselfOwnPiecesOrOffTheBoard) {
  const Board b = InitialBoard();
  for (int x = 0; x < 9; ++x)
    for (int y = 0; y < 10; ++y) {
      if (b(x, y) == 0) continue;
      EXPECT_FALSE(IsLegalMove(b, x, y, x, y));
      for (int tx = 0; tx < 9; ++tx)
        for (int ty = 0; ty < 10; ++ty)
          if (SameSide(b(x, y), b(tx, ty))) {
            EXPECT_FALSE(IsLegalMove(b, x, y, tx, ty));
          }
      EXPECT_FALSE(IsLegalMove(b, x, y, 9, y));
      EXPECT_FALSE(IsLegalMove(b, x, y, x, 10));
      EXPECT_FALSE(IsLegalMove(b, x, y, -1, y));
      EXPECT_FALSE(IsLegalMove(b, x, y, x, -1));
    }
  Board lone = Empty();
  lone(8, 0) = kComputerChariot;
  EXPECT_TRUE(IsLegalMove(lone, 8, 0, 8, 9));
  EXPECT_FALSE(IsLegalMove(lone, 8, 0, 9, 0));
  EXPECT_FALSE(IsLegalMove(lone, 8, 0, 8, 10));
}

TEST(IsLegalMoveTest, HorseLegAndOnlyEightJumps) {
  const Board b = InitialBoard();
  EXPECT_TRUE(IsLegalMove(b, 1, 9, 0, 7));
  EXPECT_TRUE(IsLegalMove(b, 1, 9, 2, 7));
  EXPECT_FALSE(IsLegalMove(b, 1, 9, 3, 8));  // leg (2, 9) holds the elephant

  for (std::uint8_t horse : {kComputerHorse, kPlayerHorse}) {
    Board open = Empty();
    open(4, 4) = horse;
    int accepted = 0;
    for (int tx = 0; tx < 9; ++tx)
      for (int ty = 0; ty < 10; ++ty) {
        const int dx = std::abs(tx - 4), dy = std::abs(ty - 4);
        const bool jump = (dx == 1 && dy == 2) || (dx == 2 && dy == 1);
        EXPECT_EQ(IsLegalMove(open, 4, 4, tx, ty), jump) << tx << "," << ty;
        accepted += jump;
      }
    EXPECT_EQ(accepted, 8);
    // Each leg blocks exactly the two jumps on its side.
    open(5, 4) = kComputerPawn;
    EXPECT_FALSE(IsLegalMove(open, 4, 4, 6, 5));
    EXPECT_FALSE(IsLegalMove(open, 4, 4, 6, 3));
    EXPECT_TRUE(IsLegalMove(open, 4, 4, 5, 6));
    EXPECT_TRUE(IsLegalMove(open, 4, 4, 2, 5));
  }
}

TEST(IsLegalMoveTest, CannonNeedsExactlyOneScreenToCapture) {
  const Board b = InitialBoard();
  EXPECT_TRUE(IsLegalMove(b, 1, 7, 1, 0));   // over the computer's cannon
  EXPECT_FALSE(IsLegalMove(b, 1, 7, 1, 2));  // no screen
  EXPECT_TRUE(IsLegalMove(b, 1, 2, 1, 9));
  EXPECT_FALSE(IsLegalMove(b, 1, 2, 1, 7));

  for (std::uint8_t cannon : {kComputerCannon, kPlayerCannon}) {
    const std::uint8_t enemy = IsComputerPiece(cannon) ? kPlayerPawn : kComputerPawn;
    const int dirs[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const auto& d : dirs) {
      Board t = Empty();
      t(4, 4) = cannon;
      const int ax = 4 + d[0], ay = 4 + d[1];
      const int sx = 4 + 2 * d[0], sy = 4 + 2 * d[1];
      const int fx = 4 + 3 * d[0], fy = 4 + 3 * d[1];
      t(ax, ay) = enemy;
      EXPECT_FALSE(IsLegalMove(t, 4, 4, ax, ay));  // adjacent target
      t(ax, ay) = 0;
      t(sx, sy) = enemy;
      t(fx, fy) = 0;
      EXPECT_FALSE(IsLegalMove(t, 4, 4, fx, fy));  // plain move over a screen
      EXPECT_TRUE(IsLegalMove(t, 4, 4, ax, ay));
      t(fx, fy) = enemy;
      EXPECT_TRUE(IsLegalMove(t, 4, 4, fx, fy));
      t(ax, ay) = kComputerAdvisor;  // second screen, of either side
      EXPECT_FALSE(IsLegalMove(t, 4, 4, fx, fy));
    }
    Board diag = Empty();
    diag(4, 4) = cannon;
    EXPECT_FALSE(IsLegalMove(diag, 4, 4, 5, 5));
  }
}

TEST(IsLegalMoveTest, FacingGeneralsCaptureOnlyOnAnOpenFile) {
  Board b = Empty();
  b(4, 0) = kComputerGeneral;
  b(4, 9) = kPlayerGeneral;
  EXPECT_TRUE(IsLegalMove(b, 4, 0, 4, 9));
  EXPECT_TRUE(IsLegalMove(b, 4, 9, 4, 0));
  b(4, 5) = kComputerPawn;
  EXPECT_FALSE(IsLegalMove(b, 4, 0, 4, 9));
  EXPECT_FALSE(IsLegalMove(b, 4, 9, 4, 0));
  b(4, 5) = 0;
  b(3, 9) = kPlayerGeneral;  // not on the same file
  b(4, 9) = 0;
  EXPECT_FALSE(IsLegalMove(b, 4, 0, 3, 9));
}

TEST(IsLegalMoveTest, GeneralAndAdvisorStayInTheirPalace) {
  Board b = Empty();
  b(3, 0) = kComputerGeneral;
  EXPECT_TRUE(IsLegalMove(b, 3, 0, 4, 0));
  EXPECT_TRUE(IsLegalMove(b, 3, 0, 3, 1));
  EXPECT_FALSE(IsLegalMove(b, 3, 0, 2, 0));
  EXPECT_FALSE(IsLegalMove(b, 3, 0, 4, 1));  // diagonal
  b(5, 7) = kPlayerGeneral;
  EXPECT_FALSE(IsLegalMove(b, 5, 7, 5, 6));
  EXPECT_TRUE(IsLegalMove(b, 5, 7, 4, 7));
  b(4, 1) = kComputerAdvisor;
  EXPECT_TRUE(IsLegalMove(b, 4, 1, 5, 2));
  EXPECT_FALSE(IsLegalMove(b, 4, 1, 4, 2));
  b(5, 2) = 0;
  b(3, 8) = kPlayerAdvisor;
  EXPECT_TRUE(IsLegalMove(b, 3, 8, 4, 9));
  EXPECT_FALSE(IsLegalMove(b, 3, 8, 2, 7));
}

TEST(IsLegalMoveTest, ElephantStaysHomeAndNeedsAFreeEye) {
  Board b = Empty();
  b(2, 4) = kComputerElephant;
  EXPECT_FALSE(IsLegalMove(b, 2, 4, 4, 6));  // across the river
  EXPECT_TRUE(IsLegalMove(b, 2, 4, 0, 2));
  b(1, 3) = kPlayerPawn;
  EXPECT_FALSE(IsLegalMove(b, 2, 4, 0, 2));  // eye blocked
  b(6, 5) = kPlayerElephant;
  EXPECT_FALSE(IsLegalMove(b, 6, 5, 4, 3));
  EXPECT_TRUE(IsLegalMove(b, 6, 5, 8, 7));
  EXPECT_FALSE(IsLegalMove(b, 6, 5, 7, 6));
}

TEST(IsLegalMoveTest, PawnsSidewaysOnlyAcrossTheRiverNeverBack) {
  Board b = Empty();
  b(4, 4) = kComputerPawn;
  EXPECT_TRUE(IsLegalMove(b, 4, 4, 4, 5));
  EXPECT_FALSE(IsLegalMove(b, 4, 4, 3, 4));
  EXPECT_FALSE(IsLegalMove(b, 4, 4, 4, 3));
  b(4, 5) = kComputerPawn;
  EXPECT_TRUE(IsLegalMove(b, 4, 5, 3, 5));
  EXPECT_TRUE(IsLegalMove(b, 4, 5, 5, 5));
  EXPECT_FALSE(IsLegalMove(b, 4, 5, 4, 4));
  EXPECT_FALSE(IsLegalMove(b, 4, 5, 4, 7));

  Board p = Empty();
  p(4, 5) = kPlayerPawn;
  EXPECT_TRUE(IsLegalMove(p, 4, 5, 4, 4));
  EXPECT_FALSE(IsLegalMove(p, 4, 5, 3, 5));
  EXPECT_FALSE(IsLegalMove(p, 4, 5, 4, 6));
  p(4, 4) = kPlayerPawn;
  EXPECT_TRUE(IsLegalMove(p, 4, 4, 3, 4));
  EXPECT_FALSE(IsLegalMove(p, 4, 4, 4, 5));
  EXPECT_FALSE(IsLegalMove(p, 4, 4, 3, 3));
}

TEST(CheckGeneralsTest, ScoresAMissingGeneralFromTheSideToMove) {
  auto engine = std::make_unique<Engine>();
  engine->SearchDepth = 3;
  Board b = InitialBoard();
  for (std::int16_t d = 0; d <= 3; ++d) EXPECT_EQ(engine->CheckGenerals(b, d), 0);

  Board noPlayer = b;
  noPlayer(4, 9) = 0;
  Board noComputer = b;
  noComputer(4, 0) = 0;
  for (std::int16_t d = 0; d <= 3; ++d) {
    const int even = (3 - d) % 2 == 0 ? 1 : -1;  // the computer moves at even distance
    EXPECT_EQ(engine->CheckGenerals(noPlayer, d), even * (19990 + d)) << d;
    EXPECT_EQ(engine->CheckGenerals(noComputer, d), -even * (19990 + d)) << d;
  }
  // Both gone counts as the player's general missing.
  Board none = noPlayer;
  none(4, 0) = 0;
  EXPECT_EQ(engine->CheckGenerals(none, 3), 19993);

  // A general that took the other one stands in the opposing palace.
  Board took = Empty();
  took(4, 9) = kComputerGeneral;
  EXPECT_EQ(engine->CheckGenerals(took, 3), 19993);
  // Only the palaces are looked at.
  Board outside = Empty();
  outside(4, 0) = kComputerGeneral;
  outside(4, 5) = kPlayerGeneral;
  EXPECT_NE(engine->CheckGenerals(outside, 3), 0);
}

}  // namespace
