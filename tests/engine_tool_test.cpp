// lorvane-engine: FEN and ICCS, and the tool's answers and refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "fen.h"
#include "tool_run.h"

using namespace lorvane;
using lorvane::fixtures::RunTool;
using lorvane::fixtures::ToolRun;

namespace {

const char kStart[] = "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w - - 0 1";

TEST(FenTest, ReadsTheInitialPositionAndWritesItBack) {
  FenPosition pos;
  std::string error;
  ASSERT_TRUE(ParseFen(kStart, pos, error)) << error;
  EXPECT_EQ(pos.board, InitialBoard());
  EXPECT_EQ(pos.toMove, Side::kPlayer);
  EXPECT_EQ(ToFen(pos.board, Side::kPlayer) + " - - 0 1", kStart);
  ASSERT_TRUE(ParseFen("rheakaehr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RHEAKAEHR b", pos, error));
  EXPECT_EQ(pos.board, InitialBoard());
  EXPECT_EQ(pos.toMove, Side::kComputer);
}

TEST(FenTest, SaysWhatIsWrong) {
  FenPosition pos;
  std::string error;
  const std::pair<const char*, const char*> bad[] = {
      {"rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/RNBAKABNR", "rows"},
      {"rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR/9", "rows"},
      {"rnbakabnr/8/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR", "files"},
      {"rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNRR", "too long"},
      {"rnbakabnr/91/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR", "too long"},
      {"rnbakabnx/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR", "unknown letter 'x'"},
      {"rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR q", "side"},
      {"rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w - - 0 1 x", "fields"},
  };
  for (const auto& [line, what] : bad) {
    EXPECT_FALSE(ParseFen(line, pos, error)) << line;
    EXPECT_NE(error.find(what), std::string::npos) << line << " -> " << error;
  }
}

TEST(FenTest, IccsCoordinates) {
  EXPECT_EQ(ToIccs(1, 2, 4, 2), "b7e7");
  EXPECT_EQ(ToIccs(7, 7, 4, 7), "h2e2");
  EXPECT_EQ(ToIccs(0, 9, 8, 0), "a0i9");
}

TEST(ToolTest, AnswersOneLinePerPosition) {
  const std::string two = std::string(kStart) + "\n" + kStart + "\n";
  ToolRun r = RunTool("perft 2", two);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "1920\n1920\n");
  r = RunTool("eval", two);
  EXPECT_EQ(r.out, "0 0\n0 0\n");
  r = RunTool("moves b", kStart);
  EXPECT_EQ(r.out.substr(0, 23), "44 a9a8 a9a7 a6a5 b9c7 ");
  r = RunTool("search 2", "4k4/9/9/9/9/9/9/4C4/9/4K4\n9/9/3k5/9/9/9/9/9/9/4K4\n");
  EXPECT_EQ(r.status, 0);
  // The player's cannon has no screen; the computer's general steps aside. In
  // the second line the computer has just lost nothing, both generals stand.
  std::istringstream lines(r.out);
  std::string first, second;
  std::getline(lines, first);
  std::getline(lines, second);
  EXPECT_NE(first.find(' '), std::string::npos);
  EXPECT_NE(second.find(' '), std::string::npos);
  r = RunTool("search 3", "9/9/9/9/9/9/9/9/9/4K4\n");  // the computer's general is gone
  EXPECT_EQ(r.out, "none -19993\n");
}

TEST(ToolTest, PerftCountsStandardLegalMoves) {
  // Pawns on their last rank still step sideways: the counts other xiangqi
  // programs give for these two positions.
  ToolRun r = RunTool("perft 3",
                      "2b1ka3/9/b3N4/4n4/9/9/9/4C4/2p6/2BK5 w\n"
                      "1C2ka3/9/C1Nab1n2/p3p3p/6p2/9/P3P3P/3AB4/3p2c2/c1BAK4 w\n");
  EXPECT_EQ(r.out, "3883\n22787\n");
  // The advisor may not leave the generals facing; the computer's general may
  // not step beside a pawn that would take it sideways from the last rank,
  // nor onto the player's general's open file.
  r = RunTool("perft 1", "4k4/9/9/9/9/9/9/9/4A4/4K4 w\n3P5/4k4/9/9/9/9/9/9/9/5K3 b\n");
  EXPECT_EQ(r.out, "2\n2\n");
  // A side without its general still counts its moves, without failing.
  r = RunTool("perft 3", "9/9/9/9/9/9/9/9/9/4K4 w\n4k4/9/9/9/9/9/9/9/9/9 b\n3k5/9/9/9/9/9/9/9/9/R8 w\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.substr(0, 4), "0\n0\n");
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3);
  r = RunTool("perft 1", "9/9/9/9/9/9/9/9/9/4K4 w\n");
  EXPECT_EQ(r.out, "3\n");
}

TEST(ToolTest, RefusesBadInputWithoutHalfLines) {
  const std::string input = std::string(kStart) + "\n" + kStart + "\nrnbakabnr/9/9\n" + kStart + "\n";
  ToolRun r = RunTool("perft 1", input);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "44\n44\n");
  EXPECT_NE(r.err.find("line 3"), std::string::npos) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);

  for (const char* args : {"search 0", "search 9", "search", "perft x", "moves", "moves r",
                           "frobnicate", "", "eval extra"}) {
    r = RunTool(args, kStart);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_EQ(r.out, "") << args;
    EXPECT_NE(r.err.find("usage"), std::string::npos) << args;
  }
}

TEST(ToolTest, SearchRefusesABoardNoGameReaches) {
  // The player's general has left its palace: search answers the line before
  // and stops. Perft still counts the board as it stands.
  const std::string outside = "3k5/9/9/9/9/9/4K4/9/9/9";
  ToolRun r = RunTool("search 1", std::string(kStart) + "\n" + outside + "\n" + kStart + "\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << r.out;
  EXPECT_NE(r.err.find("line 2: red general on e3 is outside its palace"), std::string::npos) << r.err;
  r = RunTool("perft 1", outside + " w\n");
  EXPECT_EQ(r.status, 0) << r.err;
}

}  // namespace
