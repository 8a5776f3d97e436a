// Command lines as a UCCI or UCI client sends them, one session per input:
// every answer is whole printable lines, and a move the engine plays is one
// that standard rules allow in the position it was asked about.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "engine.h"
#include "fen.h"
#include "perft.h"
#include "protocol.h"

using namespace lorvane;

namespace {

bool IsLegal(const Board& board, bool red, const std::string& move) {
  int fx, fy, tx, ty;
  if (!ParseIccs(move, fx, fy, tx, ty)) return false;
  static Engine* const engine = new Engine;
  for (const MoveRecord& m : LegalStandardMoves(*engine, board, red ? Side::kPlayer : Side::kComputer))
    if (m.FromX() == fx && m.FromY() == fy && m.ToX() == tx && m.ToY() == ty) return true;
  return false;
}

const char* const kAnswers[] = {"id ",      "option ",  "ucciok",     "uciok",
                                "readyok",  "info ",    "bestmove ",  "nobestmove"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::ostringstream out;
  // "uci" switches dialect. Two plies keep every answer quick under the
  // sanitizers; deeper searches only take longer.
  ProtocolSession session(Dialect::kUcci, out, 2);
  std::istringstream lines(input);
  std::size_t seen = 0;
  bool running = true;
  for (std::string line; running && std::getline(lines, line);) {
    const Board board = session.board();
    const bool red = session.toMove() == Side::kPlayer;
    running = session.HandleLine(line);
    const std::string said = out.str().substr(seen);
    seen += said.size();
    if (!said.empty() && said.back() != '\n') std::abort();
    std::istringstream answers(said);
    for (std::string answer; std::getline(answers, answer);) {
      bool known = false;
      for (const char* a : kAnswers) known = known || answer.rfind(a, 0) == 0;
      if (!known) std::abort();
      for (const char c : answer)
        if (c < ' ' || c > '~') std::abort();
      const std::size_t pv = answer.find(" pv ");
      if (answer.rfind("info depth ", 0) == 0 &&
          (pv == std::string::npos || !IsLegal(board, red, answer.substr(pv + 4))))
        std::abort();
    }
  }
  if (running) session.Finish();
  return 0;
}
