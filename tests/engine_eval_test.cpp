// The static evaluation: worked values, and the engine's evaluation against a
// plain second reading in thousands of positions.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine.h"
#include "played_positions.h"
#include "reference_engine.h"

using namespace lorvane;

namespace {

int At(int x, int y) { return x * kRanks + y; }

class EvaluateTest : public ::testing::Test {
 protected:
  std::unique_ptr<Engine> e = std::make_unique<Engine>();
};

TEST_F(EvaluateTest, InitialPositionIsLevelAndItsHorsesWorth346) {
  const Board b = InitialBoard();
  for (Side side : {Side::kComputer, Side::kPlayer}) {
    EXPECT_EQ(e->Evaluate(b, side), 0);
    for (int x : {1, 7}) {
      EXPECT_EQ(e->PointValue[At(x, 0)], 346);
      EXPECT_EQ(e->PointValue[At(x, 9)], 346);
      EXPECT_EQ(e->AttackScore[At(x, 0)], 4);  // one cannon: 1 + 3
      EXPECT_EQ(e->GuardCount[At(x, 9)], 1);
    }
  }
}

TEST_F(EvaluateTest, TakingTheGeneralScoresFixed) {
  Board b;
  b(3, 0) = kComputerGeneral;
  b(4, 9) = kPlayerGeneral;
  b(0, 9) = kComputerChariot;
  EXPECT_EQ(e->Evaluate(b, Side::kComputer), kCanTakeGeneral);  // the chariot sees the general
  // With the player to move, the attack on the player's general only counts.
  EXPECT_NE(e->Evaluate(b, Side::kPlayer), kCanTakeGeneral);
  // Open file: either general may take the other.
  Board facing;
  facing(4, 0) = kComputerGeneral;
  facing(4, 9) = kPlayerGeneral;
  EXPECT_EQ(e->Evaluate(facing, Side::kComputer), kCanTakeGeneral);
  EXPECT_EQ(e->Evaluate(facing, Side::kPlayer), kCanTakeGeneral);
}

TEST_F(EvaluateTest, AttackPressureRoundsHalvesToEven) {
  // A chariot alone on a horse: round(1 + 1.5) = 2; on a pawn: round(1 - 1) = 0.
  Board b;
  b(4, 0) = kComputerGeneral;
  b(3, 9) = kPlayerGeneral;
  b(0, 0) = kComputerChariot;
  b(0, 5) = kPlayerHorse;
  b(8, 0) = kComputerChariot;
  b(8, 5) = kPlayerPawn;
  e->Evaluate(b, Side::kPlayer);
  EXPECT_EQ(e->AttackScore[At(0, 5)], 2);
  EXPECT_EQ(e->AttackScore[At(8, 5)], 0);
  // An unattacked-looking pawn keeps its full value: 1 + 15 + 0 + 100.
  EXPECT_EQ(e->PointValue[At(8, 5)], 116);

  // A general alone on a horse in its palace: round(1 - 93.5) = -92.
  Board g;
  g(4, 0) = kComputerGeneral;
  g(4, 1) = kPlayerHorse;
  g(3, 9) = kPlayerGeneral;
  g(0, 9) = kComputerPawn;
  e->Evaluate(g, Side::kPlayer);
  EXPECT_EQ(e->AttackScore[At(4, 1)], -92);
  // Player to move, horse attacked and unguarded: 1 + mobility + 350 - 50 + 92.
  const int mobility = e->Mobility[At(4, 1)];
  EXPECT_EQ(e->PointValue[At(4, 1)], 1 + mobility * 12 + 350 - 50 + 92);
}

TEST_F(EvaluateTest, ThreatsCostTheSideToMoveLessThanTheOther) {
  // Two pieces attack the player's general, which is to move.
  Board b;
  b(4, 0) = kComputerGeneral;
  b(4, 9) = kPlayerGeneral;
  b(4, 8) = kPlayerAdvisor;  // blocks the file between the generals
  b(0, 9) = kComputerChariot;
  b(3, 7) = kComputerHorse;  // leg (3, 8) free: jumps to (4, 9)
  b(8, 9) = kPlayerChariot;  // guards nothing that matters
  e->Evaluate(b, Side::kPlayer);
  EXPECT_EQ(e->AttackScore[At(4, 9)], 2);
  // 1 + mobility 0 + 10000 - 20 - 2.
  EXPECT_EQ(e->PointValue[At(4, 9)], 9979);

  // A horse of the side not to move, attacked by a cannon: unguarded loses
  // 10h plus its attack score, guarded only h plus it.
  Board c;
  c(4, 0) = kComputerGeneral;
  c(3, 9) = kPlayerGeneral;
  c(0, 2) = kComputerCannon;
  c(0, 4) = kComputerPawn;  // screen
  c(0, 6) = kPlayerHorse;
  e->Evaluate(c, Side::kComputer);
  const int att = e->AttackScore[At(0, 6)];
  EXPECT_EQ(att, 4);
  const int mob = e->Mobility[At(0, 6)];
  EXPECT_EQ(e->PointValue[At(0, 6)], 1 + mob * 12 + 350 - 250 - att);
  c(0, 9) = kPlayerChariot;  // now guarded along the file
  e->Evaluate(c, Side::kComputer);
  EXPECT_EQ(e->GuardCount[At(0, 6)], 1);
  EXPECT_EQ(e->PointValue[At(0, 6)], 1 + mob * 12 + 350 - 25 - att);
}

TEST_F(EvaluateTest, PawnBonusByPlace) {
  Board b;
  b(4, 4) = kComputerPawn;
  b(4, 5) = kComputerPawn;
  b(4, 8) = kComputerPawn;
  b(4, 9) = kComputerPawn;
  b(0, 4) = kPlayerPawn;
  b(3, 1) = kPlayerPawn;
  b(3, 0) = kPlayerPawn;
  b(0, 0) = kComputerChariot;
  EXPECT_EQ(PawnBonus(b, 4, 4), 0);
  EXPECT_EQ(PawnBonus(b, 4, 5), 70);
  EXPECT_EQ(PawnBonus(b, 4, 8), 120);
  EXPECT_EQ(PawnBonus(b, 4, 9), 0);
  EXPECT_EQ(PawnBonus(b, 0, 4), 70);
  EXPECT_EQ(PawnBonus(b, 3, 1), 120);
  EXPECT_EQ(PawnBonus(b, 3, 0), 0);
  EXPECT_EQ(PawnBonus(b, 0, 0), 0);
  EXPECT_EQ(PawnBonus(b, 5, 5), 0);
  // The two tables mirror each other across the river.
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 9; ++x) EXPECT_EQ(PlayerPawnBonus[y][x], ComputerPawnBonus[9 - y][x]);
}

TEST_F(EvaluateTest, HalfValuesAreRoundedFourteenths) {
  for (int c = 0; c < 16; ++c) EXPECT_EQ(HalfValue[c], std::lround(PieceValue[c] / 14.0)) << c;
}

TEST_F(EvaluateTest, AgreesWithThePlainReadingInPlayedPositions) {
  auto positions = fixtures::PlayedPositions(11, 30, 200);
  const auto bench = fixtures::BenchBoards();
  positions.insert(positions.end(), bench.begin(), bench.end());
  ASSERT_GT(positions.size(), 3000u);
  int decisive = 0;
  for (const Board& b : positions)
    for (Side side : {Side::kComputer, Side::kPlayer}) {
      const Board before = b;
      const std::int16_t fast = e->Evaluate(b, side);
      ASSERT_EQ(fast, reference::Evaluate(*e, b, side));
      ASSERT_EQ(b, before);
      decisive += fast == kCanTakeGeneral;
    }
  EXPECT_GT(decisive, 0);
}

// Mirroring the board left to right keeps the material, mobility and
// pawn-bonus terms; only the order of visiting, and so the rounding of
// attack pressure, may differ, by a few points at most.
TEST_F(EvaluateTest, NearlySymmetricLeftToRight) {
  for (const Board& b : fixtures::PlayedPositions(5, 10, 120)) {
    Board m;
    for (int x = 0; x < 9; ++x)
      for (int y = 0; y < 10; ++y) m(8 - x, y) = b(x, y);
    for (Side side : {Side::kComputer, Side::kPlayer}) {
      const int a = e->Evaluate(b, side);
      const int c = e->Evaluate(m, side);
      if (a == kCanTakeGeneral || c == kCanTakeGeneral) {
        EXPECT_EQ(a, c);
        continue;
      }
      EXPECT_NEAR(a, c, 16);
    }
  }
}

}  // namespace
