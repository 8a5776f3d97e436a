// Linked only into the core make bench-web runs, never into the site's: the
// computer's search of the game's board, `times` times over, by an engine of
// its own, so the game is left as it was. The worker reports how long the
// call took.
#include <emscripten.h>

#include "core_board.h"
#include "engine.h"

extern "C" EMSCRIPTEN_KEEPALIVE void lorvane_time_search(int depth, int times) {
  static lorvane::Engine engine;
  for (int i = 0; i < times; ++i)
    engine.ChooseMove(lorvane::GameBoard(), lorvane::Side::kComputer, depth);
}
