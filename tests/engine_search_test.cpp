// The search: the engine's fast search against the plain full-width reading,
// move for move, and the search's fixed points.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "allocation_counter.h"
#include "engine.h"
#include "played_positions.h"
#include "reference_engine.h"

using namespace lorvane;

namespace {

class SearchTest : public ::testing::Test {
 protected:
  std::unique_ptr<Engine> e = std::make_unique<Engine>();

  // Runs the engine's search on b at depth d, with BestMove cleared first.
  std::int16_t Run(const Board& b, std::int16_t d) {
    e->board = b;
    e->SearchDepth = d;
    e->BestMove = MoveRecord();
    return e->Search(d);
  }
};

void ExpectSameAsReference(Engine& e, const Board& b, std::int16_t depth, int index) {
  auto ref = std::make_unique<Engine>();
  ref->board = b;
  const reference::SearchResult want = reference::Search(*ref, depth);

  e.board = b;
  e.SearchDepth = depth;
  e.BestMove = MoveRecord();
  const std::int16_t score = e.Search(depth);
  ASSERT_EQ(score, want.score) << "position " << index << " depth " << depth;
  if (want.recorded) {
    ASSERT_EQ(e.BestMove, want.best) << "position " << index << " depth " << depth;
  } else {
    ASSERT_EQ(e.BestMove, MoveRecord()) << "position " << index << " depth " << depth;
  }
  ASSERT_EQ(e.board, b);
}

TEST_F(SearchTest, SameMoveAndScoreAsFullWidthAtDepthsOneAndTwo) {
  auto positions = fixtures::PlayedPositions(21, 8, 160);
  const auto bench = fixtures::BenchBoards();
  positions.insert(positions.end(), bench.begin(), bench.end());
  int i = 0;
  for (const Board& b : positions) {
    if (i % 4 == 0) ExpectSameAsReference(*e, b, 1, i);
    if (i % 4 == 0) ExpectSameAsReference(*e, b, 2, i);
    if (HasFatalFailure()) return;
    ++i;
  }
}

TEST_F(SearchTest, SameMoveAndScoreAsFullWidthAtDepthThree) {
  const char* heavy = std::getenv("LORVANE_HEAVY_TESTS");
  const int stride = heavy && *heavy == '1' ? 1 : 3;
  auto positions = fixtures::BenchBoards();
  const auto played = fixtures::PlayedPositions(33, 2, 120);
  for (std::size_t k = 0; k < played.size(); k += 20) positions.push_back(played[k]);
  for (std::size_t i = 0; i < positions.size(); i += stride) {
    ExpectSameAsReference(*e, positions[i], 3, static_cast<int>(i));
    if (HasFatalFailure()) return;
  }
}

TEST_F(SearchTest, TakesTheGeneralWheneverItCan) {
  Board b = InitialBoard();
  b(4, 6) = 0;  // open the centre file for the cannon
  b(4, 3) = 0;
  b(1, 2) = 0;
  b(4, 2) = kComputerCannon;
  b(4, 7) = kPlayerPawn;  // screen in front of the player's general
  b(1, 7) = 0;
  for (std::int16_t d : {2, 3}) {
    const std::int16_t score = Run(b, d);
    EXPECT_EQ(e->BestMove.FromX(), 4);
    EXPECT_EQ(e->BestMove.FromY(), 2);
    EXPECT_EQ(e->BestMove.ToX(), 4);
    EXPECT_EQ(e->BestMove.ToY(), 9);
    EXPECT_EQ(score, 19990 + d - 1);
  }
}

TEST_F(SearchTest, KeepsItsGeneralOutOfReach) {
  // The computer's general may step sideways onto the chariot's file or
  // facing the other general, losing it either way; other moves keep it.
  Board b;
  b(4, 0) = kComputerGeneral;
  b(3, 9) = kPlayerGeneral;
  b(5, 5) = kPlayerChariot;
  b(0, 0) = kComputerChariot;
  for (std::int16_t d : {2, 3}) {
    const std::int16_t score = Run(b, d);
    const MoveRecord& m = e->BestMove;
    EXPECT_FALSE(m.FromX() == 4 && m.FromY() == 0 && m.ToY() == 0) << d;
    EXPECT_GT(score, -19990);
  }
}

TEST_F(SearchTest, NoMoveAtAllScoresWorst) {
  // A general walled in by its own advisors, which cannot move either.
  Board walled;
  walled(4, 0) = kComputerGeneral;
  for (auto [x, y] : {std::pair{3, 0}, {5, 0}, {4, 1}, {3, 2}, {5, 2}})
    walled(x, y) = kComputerAdvisor;
  walled(3, 9) = kPlayerGeneral;
  walled(0, 9) = kPlayerChariot;
  e->BestMove.slot[1] = 7;  // left from an earlier turn
  e->BestMove.slot[3] = 8;
  const MoveRecord earlier = e->BestMove;
  e->board = walled;
  e->SearchDepth = 2;
  EXPECT_EQ(e->Search(2), kWorstScore);
  EXPECT_EQ(e->BestMove, earlier);
  EXPECT_EQ(e->board, walled);

  // The same wall on the player's side: whatever the computer plays first
  // leaves the player without a move, the best outcome of all.
  Board stuck;
  stuck(4, 9) = kPlayerGeneral;
  for (auto [x, y] : {std::pair{3, 9}, {5, 9}, {4, 8}, {3, 7}, {5, 7}}) stuck(x, y) = kPlayerAdvisor;
  stuck(3, 0) = kComputerGeneral;
  stuck(0, 0) = kComputerChariot;
  EXPECT_EQ(Run(stuck, 2), 20000);
  e->GenerateMoves(stuck, 5, Side::kComputer);
  EXPECT_EQ(e->BestMove, e->MoveTable[5][0]);  // ties keep the first
}

TEST_F(SearchTest, MissingGeneralAtTheRootEndsAtOnce) {
  Board b = InitialBoard();
  b(4, 9) = 0;
  e->BestMove = MoveRecord();
  for (std::int16_t d : {2, 3}) {
    EXPECT_EQ(Run(b, d), 19990 + d);
    EXPECT_EQ(e->BestMove, MoveRecord());
  }
  b = InitialBoard();
  b(4, 0) = 0;
  EXPECT_EQ(Run(b, 3), -19993);
  EXPECT_EQ(e->BestMove, MoveRecord());
}

TEST_F(SearchTest, LeavesTheBoardAndAllocatesNothing) {
  fixtures::StartCountingAllocations();
  auto probe = std::make_unique<int>(1);
  ASSERT_GT(fixtures::StopCountingAllocations(), 0) << "the allocation counter is not in place";
  for (const Board& b : fixtures::BenchBoards()) {
    e->board = b;
    e->SearchDepth = 3;
    fixtures::StartCountingAllocations();
    e->Search(3);
    EXPECT_EQ(fixtures::StopCountingAllocations(), 0);
    EXPECT_EQ(e->board, b);
  }
}

}  // namespace
