// FEN lines as the engine tool reads them: a refusal is one clean line naming
// the problem; an accepted position survives being written back and read
// again, and the engine copes with it, whatever material it holds.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine.h"
#include "fen.h"
#include "perft.h"

using namespace lorvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  FenPosition pos;
  std::string error;
  if (!ParseFen(line, pos, error)) {
    if (error.empty()) std::abort();
    for (char c : error)
      if (c < ' ' || c > '~') std::abort();
    return 0;
  }

  const std::string written = ToFen(pos.board, pos.toMove);
  FenPosition again;
  if (!ParseFen(written, again, error) || !(again.board == pos.board) ||
      again.toMove != pos.toMove)
    std::abort();

  // What the tool does with an accepted line.
  static Engine* const engine = new Engine;
  engine->board = pos.board;
  Perft(*engine, 1, pos.toMove);
  engine->Evaluate(engine->board, Side::kComputer);
  engine->Evaluate(engine->board, Side::kPlayer);
  engine->SearchDepth = 1;
  engine->Search(1);
  if (!(engine->board == pos.board)) std::abort();
  return 0;
}
