// lorvane-engine: the rules and the computer opponent without the window.
// Most subcommands read one FEN position per line on standard input and
// write one line per position on standard output; ucci and uci speak those
// engine protocols on standard input and output.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "bench_positions.h"
#include "engine.h"
#include "fen.h"
#include "impossible_position.h"
#include "perft.h"
#include "protocol.h"

using namespace lorvane;

namespace {

const char kUsage[] =
    "usage: lorvane-engine <command>\n"
    "  search D     best move and score of a D-ply search (D = 1..8), the computer to move\n"
    "  eval         evaluation with the computer to move, then with the player to move\n"
    "  moves b|w    generated moves of the computer (b) or the player (w)\n"
    "  perft D      legal move path count of length D (D = 1..8) for the side to move\n"
    "  bench        time the search at depths 2 and 3 over built-in positions\n"
    "  ucci, uci    play as a UCCI or UCI engine on standard input and output\n"
    "Positions are read as xiangqi FEN, one per line, from standard input.\n"
    "With no command, the first input line (ucci or uci) chooses the protocol.\n";

int Usage() {
  std::fflush(stdout);
  std::fputs(kUsage, stderr);
  return 2;
}

bool ParseDepth(const char* text, int& depth) {
  const std::string s = text;
  if (s.size() != 1 || s[0] < '1' || s[0] > '8') return false;
  depth = s[0] - '0';
  return true;
}

std::string SearchLine(Engine& engine, const Board& board, int depth) {
  const ChosenMove chosen = engine.ChooseMove(board, Side::kComputer, depth);
  const std::optional<MoveRecord>& m = chosen.move;
  const std::string move = m ? ToIccs(m->FromX(), m->FromY(), m->ToX(), m->ToY()) : "none";
  return move + " " + std::to_string(chosen.score);
}

std::string MovesLine(Engine& engine, const Board& board, Side side) {
  engine.board = board;
  const std::int16_t n = engine.GenerateMoves(engine.board, 1, side);
  std::string line = std::to_string(n);
  for (std::int16_t i = 0; i < n; ++i) {
    const MoveRecord& m = engine.MoveTable[1][i];
    line += ' ';
    line += ToIccs(m.FromX(), m.FromY(), m.ToX(), m.ToY());
  }
  return line;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

int Bench() {
  auto engine = std::make_unique<Engine>();
  std::printf("positions searched: %d per depth\n", kBenchPositionCount);
  for (int depth : {2, 3}) {
    std::vector<double> ms;
    const std::uint64_t leavesBefore = engine->leavesEvaluated;
    double total = 0;
    for (int i = 0; i < kBenchPositionCount; ++i) {
      FenPosition pos;
      std::string error;
      if (!ParseFen(kBenchPositions[i], pos, error)) {
        std::fprintf(stderr, "bench position %d: %s\n", i + 1, error.c_str());
        return 1;
      }
      const auto start = std::chrono::steady_clock::now();
      SearchLine(*engine, pos.board, depth);
      const std::chrono::duration<double, std::milli> took =
          std::chrono::steady_clock::now() - start;
      ms.push_back(took.count());
      total += took.count();
    }
    const double leaves = static_cast<double>(engine->leavesEvaluated - leavesBefore);
    std::printf("depth %d: leaves evaluated %.0f, %.0f leaves/s, median %.2f ms, max %.2f ms\n",
                depth, leaves, leaves / (total / 1000.0), Median(ms),
                *std::max_element(ms.begin(), ms.end()));
  }
  return 0;
}

int Protocol(Dialect dialect, const std::string& firstLine = std::string()) {
  ProtocolSession session(dialect, std::cout);
  if (!firstLine.empty() && !session.HandleLine(firstLine)) return 0;
  std::string line;
  while (std::getline(std::cin, line))
    if (!session.HandleLine(line)) return 0;
  session.Finish();
  return 0;
}

// Xiangqi GUIs start an engine by its path alone and say ucci or uci first:
// that first line chooses the protocol.
int ProtocolFromFirstLine() {
  if (isatty(0))
    std::fputs("lorvane-engine: type ucci or uci to play as an engine, or run it with --help\n",
               stderr);
  std::string line;
  while (std::getline(std::cin, line)) {
    std::string word;
    if (!(std::istringstream(line) >> word)) continue;  // blank line
    if (word == "ucci") return Protocol(Dialect::kUcci, line);
    if (word == "uci") return Protocol(Dialect::kUci, line);
    return Usage();
  }
  return Usage();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return ProtocolFromFirstLine();
  const std::string command = argv[1];
  int depth = 0;
  Side side = Side::kComputer;

  if (command == "--help" || command == "-h") {
    std::fputs(kUsage, stdout);
    return 0;
  } else if (command == "ucci" || command == "uci") {
    if (argc != 2) return Usage();
    return Protocol(command == "ucci" ? Dialect::kUcci : Dialect::kUci);
  } else if (command == "bench") {
    if (argc != 2) return Usage();
    return Bench();
  } else if (command == "eval") {
    if (argc != 2) return Usage();
  } else if (command == "search" || command == "perft") {
    if (argc != 3 || !ParseDepth(argv[2], depth)) return Usage();
  } else if (command == "moves") {
    if (argc != 3) return Usage();
    const std::string letter = argv[2];
    if (letter != "b" && letter != "w") return Usage();
    side = letter == "w" ? Side::kPlayer : Side::kComputer;
  } else {
    return Usage();
  }

  auto engine = std::make_unique<Engine>();
  std::string line;
  long lineNumber = 0;
  while (std::getline(std::cin, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos) continue;  // blank line
    FenPosition pos;
    std::string error;
    // A search is guarded as the protocols guard theirs: on a board no game
    // reaches it has nothing sensible to say, and a crowded one could keep a
    // deep search busy for hours.
    if (!ParseFen(line, pos, error) ||
        (command == "search" && !(error = ImpossiblePosition(pos.board)).empty())) {
      std::fflush(stdout);
      std::fprintf(stderr, "line %ld: %s\n", lineNumber, error.c_str());
      return 2;
    }
    std::string out;
    if (command == "search") {
      out = SearchLine(*engine, pos.board, depth);
    } else if (command == "eval") {
      engine->board = pos.board;
      const std::int16_t computer = engine->Evaluate(engine->board, Side::kComputer);
      const std::int16_t playerScore = engine->Evaluate(engine->board, Side::kPlayer);
      out = std::to_string(computer) + " " + std::to_string(playerScore);
    } else if (command == "moves") {
      out = MovesLine(*engine, pos.board, side);
    } else {
      engine->board = pos.board;
      out = std::to_string(Perft(*engine, depth, pos.toMove));
    }
    out += '\n';
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
  }
  return 0;
}
