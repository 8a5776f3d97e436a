// Move generation, the move table and playing moves on the engine's board.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <tuple>
#include <vector>

#include "engine.h"
#include "played_positions.h"
#include "perft.h"

using namespace lorvane;

namespace {

using Move = std::tuple<int, int, int, int>;

std::vector<Move> Row(const Engine& e, int depth, int n) {
  std::vector<Move> v;
  for (int i = 0; i < n; ++i) {
    const MoveRecord& m = e.MoveTable[depth][i];
    v.emplace_back(m.FromX(), m.FromY(), m.ToX(), m.ToY());
  }
  return v;
}

std::vector<std::pair<int, int>> Related(const Engine& e) {
  std::vector<std::pair<int, int>> v;
  for (int i = 0; i < e.RelatedPoints.count; ++i)
    v.emplace_back(e.RelatedPoints.x[i], e.RelatedPoints.y[i]);
  return v;
}

class MoveGenTest : public ::testing::Test {
 protected:
  std::unique_ptr<Engine> e = std::make_unique<Engine>();
};

TEST_F(MoveGenTest, InitialPositionComputerMoves) {
  const Board b = InitialBoard();
  const int n = e->GenerateMoves(b, 1, Side::kComputer);
  ASSERT_EQ(n, 44);
  const auto moves = Row(*e, 1, n);
  const std::vector<Move> first = {{0, 0, 0, 1}, {0, 0, 0, 2}, {0, 3, 0, 4},
                                   {1, 0, 2, 2}, {1, 0, 0, 2}, {1, 2, 2, 2}};
  EXPECT_EQ(std::vector<Move>(moves.begin(), moves.begin() + 6), first);
  int byKind[15] = {};
  for (const auto& [fx, fy, tx, ty] : moves) ++byKind[b(fx, fy)];
  EXPECT_EQ(byKind[kComputerChariot], 4);
  EXPECT_EQ(byKind[kComputerHorse], 4);
  EXPECT_EQ(byKind[kComputerCannon], 24);
  EXPECT_EQ(byKind[kComputerElephant], 4);
  EXPECT_EQ(byKind[kComputerAdvisor], 2);
  EXPECT_EQ(byKind[kComputerGeneral], 1);
  EXPECT_EQ(byKind[kComputerPawn], 5);
}

TEST_F(MoveGenTest, InitialPositionPlayerMovesAndTwoRows) {
  const Board b = InitialBoard();
  const int computer = e->GenerateMoves(b, 2, Side::kComputer);
  const int player = e->GenerateMoves(b, 3, Side::kPlayer);
  EXPECT_EQ(player, 44);
  const std::vector<Move> first = {{0, 6, 0, 5}, {0, 9, 0, 8}, {0, 9, 0, 7}, {1, 7, 2, 7}};
  const auto moves = Row(*e, 3, player);
  EXPECT_EQ(std::vector<Move>(moves.begin(), moves.begin() + 4), first);
  // The first row survives the second generation.
  EXPECT_EQ(Row(*e, 2, 1), (std::vector<Move>{{0, 0, 0, 1}}));
  EXPECT_EQ(computer, 44);
  for (const auto& row : e->MoveTable)
    for (const auto& m : row) ASSERT_EQ(m.slot[0], 0);
}

TEST_F(MoveGenTest, CannonListsItsRaysInOrder) {
  const Board b = InitialBoard();
  e->MoveCount = 0;
  e->GeneratePieceMoves(b, 1, 2, 1);
  std::vector<std::pair<int, int>> targets;
  for (const auto& [fx, fy, tx, ty] : Row(*e, 1, e->MoveCount)) targets.emplace_back(tx, ty);
  const std::vector<std::pair<int, int>> expected = {{2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}, {0, 2},
                                                     {1, 3}, {1, 4}, {1, 5}, {1, 6}, {1, 9}, {1, 1}};
  EXPECT_EQ(targets, expected);
}

TEST_F(MoveGenTest, CollectModeListsRelatedPoints) {
  const Board b = InitialBoard();
  const MoveRecord before = e->MoveTable[1][0];
  e->MoveCount = 5;
  EXPECT_EQ(e->ListRelatedPoints(b, 0, 0), 4);
  EXPECT_EQ(Related(*e), (std::vector<std::pair<int, int>>{{1, 0}, {0, 1}, {0, 2}, {0, 3}}));
  EXPECT_EQ(e->MoveCount, 5);  // collect mode leaves the table alone
  EXPECT_EQ(e->MoveTable[1][0], before);

  EXPECT_EQ(e->ListRelatedPoints(b, 4, 4), 0);  // an empty point relates to nothing
  e->RelatedPoints.count = 3;
  e->GeneratePieceMoves(b, 4, 4, kCollectMode);
  e->GeneratePieceMoves(b, 4, 4, 1);
  EXPECT_EQ(e->RelatedPoints.count, 3);
  EXPECT_EQ(e->MoveCount, 5);
}

TEST_F(MoveGenTest, HorseAtTheEdgeAndPawnsAtTheEnds) {
  Board b;
  b(2, 5) = kComputerHorse;
  e->ListRelatedPoints(b, 2, 5);
  const auto horse = Related(*e);
  EXPECT_NE(std::find(horse.begin(), horse.end(), std::make_pair(0, 6)), horse.end());
  EXPECT_NE(std::find(horse.begin(), horse.end(), std::make_pair(0, 4)), horse.end());
  EXPECT_EQ(horse.size(), 8u);

  Board p;
  p(4, 9) = kComputerPawn;
  p(5, 0) = kPlayerPawn;
  p(2, 8) = kComputerPawn;
  EXPECT_EQ(e->ListRelatedPoints(p, 4, 9), 0);
  EXPECT_EQ(e->ListRelatedPoints(p, 5, 0), 0);
  EXPECT_EQ(e->ListRelatedPoints(p, 2, 8), 3);
  EXPECT_EQ(Related(*e).front(), std::make_pair(2, 9));

  Board side;
  side(4, 6) = kComputerPawn;
  EXPECT_EQ(e->ListRelatedPoints(side, 4, 6), 3);
  EXPECT_EQ(Related(*e), (std::vector<std::pair<int, int>>{{4, 7}, {5, 6}, {3, 6}}));
  side(3, 6) = kComputerHorse;
  EXPECT_EQ(e->ListRelatedPoints(side, 4, 6), 2);
  side(4, 4) = kComputerPawn;
  EXPECT_EQ(e->ListRelatedPoints(side, 4, 4), 1);
  side(4, 5) = kComputerPawn;
  EXPECT_EQ(e->ListRelatedPoints(side, 4, 5), 2);  // the forward step is blocked by its own pawn
}

TEST_F(MoveGenTest, OpenPositionsOverflowAnEightyOneMoveRow) {
  // Full material for the player with chariots and cannons in the open.
  Board b;
  b(4, 9) = kPlayerGeneral;
  b(3, 9) = kPlayerAdvisor;
  b(4, 8) = kPlayerAdvisor;
  b(2, 9) = kPlayerElephant;
  b(6, 9) = kPlayerElephant;
  b(1, 5) = kPlayerChariot;
  b(7, 4) = kPlayerChariot;
  b(3, 3) = kPlayerCannon;
  b(5, 6) = kPlayerCannon;
  b(2, 6) = kPlayerHorse;
  b(6, 3) = kPlayerHorse;
  for (int x : {0, 2, 4, 6, 8}) b(x, x == 4 ? 2 : 1) = kPlayerPawn;
  b(4, 0) = kComputerGeneral;
  b(5, 1) = kComputerAdvisor;
  const int n = e->GenerateMoves(b, 3, Side::kPlayer);
  EXPECT_GT(n, 81);
  std::set<Move> generated;
  for (const auto& m : Row(*e, 3, n)) EXPECT_TRUE(generated.insert(m).second);
  for (const auto& [fx, fy, tx, ty] : generated) EXPECT_TRUE(IsLegalMove(b, fx, fy, tx, ty));
  // The rows on either side stay untouched.
  for (int i = 0; i < kMaxMovesPerRow; ++i) {
    EXPECT_EQ(e->MoveTable[2][i], MoveRecord());
    EXPECT_EQ(e->MoveTable[4][i], MoveRecord());
  }
}

// Every move generated is one the rules allow, every move the rules allow is
// generated once, in file-then-rank order of the from-points. The one
// difference by design: a pawn on the far back rank has no move at all,
// although the rules would let it step sideways.
TEST_F(MoveGenTest, GeneratorsAgreeWithTheRulesInPlayedPositions) {
  const auto positions = fixtures::PlayedPositions(7, 12, 150);
  ASSERT_GT(positions.size(), 1000u);
  int backRankPawns = 0;
  for (const Board& b : positions) {
    for (Side player : {Side::kComputer, Side::kPlayer}) {
      const int n = e->GenerateMoves(b, 1, player);
      const auto moves = Row(*e, 1, n);
      std::set<Move> generated(moves.begin(), moves.end());
      ASSERT_EQ(generated.size(), moves.size()) << "a move listed twice";
      for (std::size_t i = 1; i < moves.size(); ++i) {
        const auto a = std::make_pair(std::get<0>(moves[i - 1]), std::get<1>(moves[i - 1]));
        const auto c = std::make_pair(std::get<0>(moves[i]), std::get<1>(moves[i]));
        ASSERT_LE(a, c) << "from-points out of scan order";
      }
      std::set<Move> allowed;
      for (int fx = 0; fx < 9; ++fx)
        for (int fy = 0; fy < 10; ++fy) {
          const std::uint8_t p = b(fx, fy);
          if (!Owns(player, p)) continue;
          const bool farRankPawn =
              (p == kComputerPawn && fy == 9) || (p == kPlayerPawn && fy == 0);
          for (int tx = 0; tx < 9; ++tx)
            for (int ty = 0; ty < 10; ++ty) {
              if (!IsLegalMove(b, fx, fy, tx, ty)) continue;
              if (farRankPawn) {
                ++backRankPawns;
                continue;
              }
              allowed.insert({fx, fy, tx, ty});
            }
        }
      ASSERT_EQ(generated, allowed);

      // Collect mode relates to the same points, plus for chariots and
      // cannons the own piece that ends a ray.
      for (int fx = 0; fx < 9; ++fx)
        for (int fy = 0; fy < 10; ++fy) {
          const std::uint8_t p = b(fx, fy);
          if (!Owns(player, p)) continue;
          e->ListRelatedPoints(b, fx, fy);
          std::set<Move> related;
          for (const auto& [x, y] : Related(*e)) {
            if (SameSide(p, b(x, y))) {
              const int k = p > 7 ? p - 7 : p;
              EXPECT_TRUE(k == kComputerChariot || k == kComputerCannon);
              continue;
            }
            related.insert({fx, fy, x, y});
          }
          std::set<Move> own;
          for (const auto& m : generated)
            if (std::get<0>(m) == fx && std::get<1>(m) == fy) own.insert(m);
          ASSERT_EQ(related, own);
        }
    }
  }
  EXPECT_GT(backRankPawns, 0) << "the played positions should include a pawn on the far rank";
}

TEST_F(MoveGenTest, LegalPerftMatchesPublishedCounts) {
  e->board = InitialBoard();
  EXPECT_EQ(Perft(*e, 1, Side::kPlayer), 44u);
  EXPECT_EQ(Perft(*e, 2, Side::kPlayer), 1920u);
  EXPECT_EQ(Perft(*e, 3, Side::kPlayer), 79666u);
  EXPECT_EQ(e->board, InitialBoard());
}

TEST_F(MoveGenTest, MakeAndUnmakeRestoreTheBoard) {
  e->board = InitialBoard();
  EXPECT_EQ(e->MakeMove(0, 0, 0, 6), kPlayerPawn);
  EXPECT_EQ(e->board(0, 6), kComputerChariot);
  EXPECT_EQ(e->board(0, 0), 0);
  e->UnmakeMove(0, 0, 0, 6, kPlayerPawn);
  EXPECT_EQ(e->board, InitialBoard());
  EXPECT_EQ(e->MakeMove(0, 3, 0, 4), 0);
  e->UnmakeMove(0, 3, 0, 4, 0);
  EXPECT_EQ(e->board, InitialBoard());

  // Every generated move of played positions, played and taken back.
  for (const Board& b : fixtures::PlayedPositions(3, 4, 120)) {
    e->board = b;
    for (Side player : {Side::kComputer, Side::kPlayer}) {
      const int n = e->GenerateMoves(e->board, 2, player);
      for (int i = 0; i < n; ++i) {
        const MoveRecord m = e->MoveTable[2][i];
        const std::uint8_t target = b(m.ToX(), m.ToY());
        const std::uint8_t c = e->MakeMove(m.slot[1], m.slot[2], m.slot[3], m.slot[4]);
        ASSERT_EQ(c, target);
        ASSERT_EQ(e->board(m.ToX(), m.ToY()), b(m.FromX(), m.FromY()));
        e->UnmakeMove(m.slot[1], m.slot[2], m.slot[3], m.slot[4], c);
        ASSERT_EQ(e->board, b);
      }
    }
  }
}

}  // namespace
