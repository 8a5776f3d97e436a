// lorvane-engine ucci and uci: scripted sessions through the real tool, and
// its replies against `search D` over positions from play.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine.h"
#include "fen.h"
#include "perft.h"
#include "played_positions.h"
#include "tool_run.h"
#include "version.h"

using namespace lorvane;
using lorvane::fixtures::RunTool;

namespace {

std::vector<std::string> Lines(const std::string& out) {
  std::vector<std::string> lines;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Whether text matches pattern, in which '*' stands for any run of characters.
bool Matches(const std::string& text, const std::string& pattern) {
  std::size_t t = 0, p = 0, star = std::string::npos, resume = 0;
  while (t < text.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = t;
    } else if (p < pattern.size() && pattern[p] == text[t]) {
      ++p;
      ++t;
    } else if (star != std::string::npos) {
      p = star + 1;
      t = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

// The board turned top to bottom with the colours swapped, as FEN.
std::string TurnedOverFen(const Board& board) {
  std::istringstream rows(ToFen(board, Side::kComputer).substr(0, ToFen(board, Side::kComputer).find(' ')));
  std::string turned;
  for (std::string row; std::getline(rows, row, '/');) {
    for (char& c : row) c = std::isupper(static_cast<unsigned char>(c)) ? static_cast<char>(std::tolower(c))
                                                                        : static_cast<char>(std::toupper(c));
    turned = turned.empty() ? row : row + "/" + turned;
  }
  return turned + " b";
}

// A move of a turned-over board, back on the real one.
std::string TurnBack(std::string move) {
  for (int i : {1, 3}) move[i] = static_cast<char>('9' - (move[i] - '0'));
  return move;
}

// `search D` over the lines, one "move score" answer per line.
std::vector<std::string> SearchAnswers(const std::vector<std::string>& fens, int depth) {
  std::string input;
  for (const std::string& f : fens) input += f + "\n";
  return Lines(RunTool("search " + std::to_string(depth), input).out);
}

std::vector<std::string> LegalMoves(const Board& board, bool red) {
  auto engine = std::make_unique<Engine>();
  std::vector<std::string> moves;
  for (const MoveRecord& m : LegalStandardMoves(*engine, board, red ? Side::kPlayer : Side::kComputer))
    moves.push_back(ToIccs(m.FromX(), m.FromY(), m.ToX(), m.ToY()));
  return moves;
}

const char kStartFen[] = "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR";
const char kInfo[] = "info depth * score * nodes * time * pv *";
const char kBest[] = "bestmove *";

// Runs a session and checks every answer line, in order, against a pattern.
void ExpectSession(const char* mode, const std::vector<std::pair<std::string, std::vector<std::string>>>& script) {
  std::string input;
  std::vector<std::string> expected;
  for (const auto& [line, answers] : script) {
    input += line + "\n";
    expected.insert(expected.end(), answers.begin(), answers.end());
  }
  const fixtures::ToolRun run = RunTool(mode, input);
  EXPECT_EQ(run.status, 0) << mode;
  EXPECT_EQ(run.err, "") << mode;
  ASSERT_TRUE(run.out.empty() || run.out.back() == '\n') << mode;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), expected.size()) << mode << "\n" << run.out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_TRUE(Matches(lines[i], expected[i]))
        << mode << " line " << i + 1 << ": '" << lines[i] << "' does not match " << expected[i];
    if (lines[i].rfind("bestmove ", 0) == 0 && i > 0 && lines[i - 1].rfind("info depth", 0) == 0) {
      EXPECT_EQ(lines[i].substr(9), lines[i - 1].substr(lines[i - 1].size() - 4))
          << "the info line is about another move";
    }
  }
}

TEST(ProtocolTest, ScriptedSessionsInBothDialects) {
  // The game's replies for two black-to-move positions, from `search D`.
  const std::string afterCentralCannon = std::string(kStartFen) + " w - - 0 1 moves h2e2";
  FenPosition pos;
  std::string error;
  ASSERT_TRUE(ParseFen(kStartFen, pos, error));
  pos.board(4, 7) = pos.board(7, 7);
  pos.board(7, 7) = 0;
  const std::string reply3 = SearchAnswers({ToFen(pos.board, Side::kComputer)}, 3).at(0);
  const std::string reply2 = SearchAnswers({ToFen(pos.board, Side::kComputer)}, 2).at(0);
  const std::string best3 = "bestmove " + reply3.substr(0, 4);
  const std::string best2 = "bestmove " + reply2.substr(0, 4);
  const std::string info3 = "info depth 3 score cp " + reply3.substr(5) + " nodes * time * pv " + reply3.substr(0, 4);
  const std::string mateIn1 = "3k4r/9/9/9/9/9/9/9/r8/4K4 b";  // black mates in one
  const std::string longLine(100000, 'x');

  // The engine calls itself by the game's name and version.
  const std::string idName = std::string("id name ") + kEngineName;
  EXPECT_EQ(kEngineName, std::string("Lorvane ") + kVersion);
  for (const bool ucci : {true, false}) {
    const std::string hello = ucci ? "ucci" : "uci";
    const std::vector<std::string> handshake =
        ucci ? std::vector<std::string>{idName, "id author *",
                                        "option Depth type spin min 1 max 5 default 3", "ucciok"}
             : std::vector<std::string>{idName, "id author *",
                                        "option name Depth type spin default 3 min 1 max 5",
                                        "option name UCI_Variant type combo default xiangqi var xiangqi",
                                        "uciok"};
    const std::string none = ucci ? "nobestmove" : "bestmove (none)";
    const std::string info = "info string *";
    ExpectSession(hello.c_str(), {
        {hello, handshake},
        {"isready", {"readyok"}},
        {"setoption name UCI_Variant value xiangqi", {}},
        {"ucinewgame", {}},
        {"position fen " + afterCentralCannon, {}},
        {"go depth 3", {info3, best3}},
        {"go", {info3, best3}},  // the Depth option's default
        {ucci ? "setoption Depth 2" : "setoption name Depth value 2", {}},
        {"go time 60 opptime 60 movestogo 40", {kInfo, best2}},
        {"go time 5 increment 1 opptime 5 oppincrement 1", {kInfo, best2}},
        {"go wtime 60000 btime 60000 winc 0 binc 0 movestogo 40", {kInfo, best2}},
        {"go movetime 500", {kInfo, best2}},
        {"go nodes 1000", {kInfo, best2}},
        {"go infinite", {kInfo}},
        {"isready", {"readyok"}},
        {"stop", {best2}},
        {"stop", {}},
        {"go ponder", {kInfo}},
        {"ponderhit", {best2}},
        {"go depth 1", {"info depth 1 *", kBest}},
        {"go depth 0", {info, "info depth 1 *", kBest}},
        {"go depth x", {info, kInfo, best2}},
        // Bad lines: one message each, the position stays.
        {"position fen rnbakabnr/9/9 w", {info}},
        {"position fen " + std::string(kStartFen), {info}},
        {"position fen " + std::string(kStartFen) + " w - - 0 1 x 5", {info}},
        {"position fen rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/R8/RNBAKABNR w", {info}},
        {"position startpos moves h2e2 h2e3", {info}},
        {"position startpos moves a0a4", {info}},
        {"position startpos moves zz99", {info}},
        {"position startpos junk", {info}},
        {"position banana", {info}},
        {"frobnicate now", {info}},
        {ucci ? "setoption Depth 9" : "setoption name Depth value 9", {info}},
        {"setoption name Hash value 16", {info}},
        {"setoption name UCI_Variant value chess", {info}},
        {"\x01\x02 \xff\r", {info}},
        {longLine, {info}},
        {"", {}},
        {"go", {kInfo, best2}},
        {"position fen 9/9/9/9/9/9/9/9/9/4K4 b", {}},  // black's general is gone
        {"go", {none}},
        {"position fen " + mateIn1, {}},
        {"go", {"info depth 2 score mate 1 *", kBest}},
        {"go infinite", {kInfo}},
        {hello, handshake},
        {"position startpos", {"bestmove *"}},  // a held answer is never lost
        {"quit", {}},
        {"isready", {}},
    });
  }
}

TEST(ProtocolTest, EndOfInputGivesAHeldAnswer) {
  for (const char* mode : {"ucci", "uci"}) {
    const fixtures::ToolRun run = RunTool(mode, "position startpos moves h2e2\ngo infinite\n");
    EXPECT_EQ(run.status, 0);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u) << run.out;
    EXPECT_EQ(lines[1].substr(0, 9), "bestmove ");
  }
}

// A board no game reaches is refused, naming the piece that makes it so; a
// board a game does reach is taken.
TEST(ProtocolTest, RefusesBoardsNoGameReaches) {
  const std::pair<const char*, const char*> refused[] = {
      {"3k5/9/9/9/9/9/4K4/9/9/9 w", "red general on e3 is outside its palace"},
      {"3k5/9/9/9/9/9/9/9/3A5/4K4 w", "red advisor on d1 is off its five points in the palace"},
      {"3k5/4b4/9/9/9/9/9/9/9/4K4 w", "black elephant on e8 is off its seven points"},
      {"3k5/9/9/9/9/9/9/P8/9/4K4 w", "red pawn on a2 is behind its starting rank"},
      {"3k5/9/9/9/1p7/9/9/9/9/4K4 w", "black pawn on b5 is off its starting files before the river"},
  };
  std::string input;
  for (const auto& [fen, why] : refused) input += "position fen " + std::string(fen) + "\n";
  // The black pawn has crossed the river; red has only its general to move.
  input += "position fen 3k5/9/9/9/9/1p7/9/9/4K4/9 w\ngo depth 1\n";
  const std::vector<std::string> lines = Lines(RunTool("ucci", input).out);
  ASSERT_EQ(lines.size(), std::size(refused) + 2);
  for (std::size_t i = 0; i < std::size(refused); ++i)
    EXPECT_EQ(lines[i], "info string bad FEN: " + std::string(refused[i].second) + "; position unchanged");
  EXPECT_EQ(lines.back().substr(0, 11), "bestmove e1") << lines.back();
}

// Along games of random legal moves, every reply is the game's own search:
// black's exactly `search D`, red's `search D` of the board turned over.
TEST(ProtocolTest, RepliesAreTheGamesSearchOverPlayedPositions) {
  const std::vector<Board> boards = fixtures::PlayedPositions(9, 6, 40);
  std::string session;
  std::vector<std::string> fens[2];  // per depth 2, 3: what `search D` is asked
  std::vector<int> depthOf;
  std::vector<bool> redOf;
  std::string moves;
  bool red = true;
  Board previous;
  for (std::size_t k = 0; k < boards.size(); ++k) {
    const Board& b = boards[k];
    // A board one move of the side to move away from the last one continues
    // its game; anything else starts a new game.
    std::string move;
    if (k > 0) {
      for (const std::string& m : LegalMoves(previous, red)) {
        int fx, fy, tx, ty;
        ParseIccs(m, fx, fy, tx, ty);
        Board after = previous;
        after(tx, ty) = after(fx, fy);
        after(fx, fy) = 0;
        if (after == b) move = m;
      }
    }
    if (move.empty()) {
      moves.clear();
      red = true;
      ASSERT_EQ(b, InitialBoard()) << "position " << k;
    } else {
      moves += " " + move;
      red = !red;
    }
    previous = b;
    const int depth = k % 3 == 0 ? 3 : 2;
    session += k % 2 ? "position startpos moves" + moves + "\n"
                     : "position fen " + ToFen(b, red ? Side::kPlayer : Side::kComputer) + " - - 0 1\n";
    session += "go depth " + std::to_string(depth) + "\n";
    fens[depth - 2].push_back(red ? TurnedOverFen(b) : ToFen(b, Side::kComputer));
    depthOf.push_back(depth);
    redOf.push_back(red);
  }
  const std::vector<std::string> expected[2] = {SearchAnswers(fens[0], 2), SearchAnswers(fens[1], 3)};
  ASSERT_EQ(expected[0].size(), fens[0].size());
  ASSERT_EQ(expected[1].size(), fens[1].size());

  // Named on the command line, or (as GUIs start engines) chosen by the first
  // line with no arguments at all, here with Windows line ends.
  for (const std::string start : {"ucci", "uci", " ucci", " uci"}) {
    const std::string mode = start.substr(start[0] == ' ');
    std::string input = mode + "\n" + session;
    if (start[0] == ' ')
      for (std::size_t at = 0; (at = input.find('\n', at)) != std::string::npos; at += 2)
        input.insert(at, 1, '\r');
    const std::vector<std::string> lines = Lines(RunTool(start[0] == ' ' ? "" : mode, input).out);
    std::size_t at = 0;
    while (at < lines.size() && lines[at] != mode + "ok") ++at;
    std::size_t next[2] = {0, 0};
    int same = 0;
    int blackCompared = 0;
    for (std::size_t k = 0; k < boards.size(); ++k) {
      ASSERT_LT(at + 2, lines.size()) << mode;
      const std::string info = lines[++at];
      const std::string best = lines[++at];
      ASSERT_TRUE(Matches(info, kInfo)) << info;
      ASSERT_TRUE(Matches(best, kBest)) << best;
      const std::string played = best.substr(9);
      const std::string answer = expected[depthOf[k] - 2][next[depthOf[k] - 2]++];
      const std::string searched = redOf[k] ? TurnBack(answer.substr(0, 4)) : answer.substr(0, 4);
      const std::vector<std::string> legal = LegalMoves(boards[k], redOf[k]);
      ASSERT_NE(std::find(legal.begin(), legal.end(), played), legal.end()) << mode << " " << k << " " << best;
      if (std::find(legal.begin(), legal.end(), searched) == legal.end()) continue;  // no game move to play
      EXPECT_EQ(played, searched) << mode << " position " << k;
      Board after = boards[k];
      int fx, fy, tx, ty;
      ParseIccs(played, fx, fy, tx, ty);
      after(tx, ty) = after(fx, fy);
      after(fx, fy) = 0;
      const bool mates = LegalMoves(after, !redOf[k]).empty();
      EXPECT_EQ(info.find("score mate 1 ") != std::string::npos, mates) << info;
      if (!mates) {
        EXPECT_NE(info.find("score cp " + answer.substr(5) + " "), std::string::npos)
            << info << " vs " << answer;
      }
      ++same;
      blackCompared += !redOf[k];
    }
    EXPECT_GT(same, static_cast<int>(boards.size()) * 9 / 10) << start;
    EXPECT_GT(blackCompared, 100) << start;
  }
}

}  // namespace
