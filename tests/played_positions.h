// Positions reached by play, for tests that check many positions at once.
#pragma once

#include <vector>

#include "board.h"

namespace lorvane::fixtures {

struct PlayedPosition {
  Board board;
  Side toMove = Side::kPlayer;
};

// Plays `games` games of random standard legal moves (a move may not leave the
// mover's general where it can be taken) from the initial position, both sides
// in turn, and returns every position met with the side to move, at most
// maxPlies per game. The same seed always gives the same positions.
std::vector<PlayedPosition> PlayedGames(unsigned seed, int games, int maxPlies);

// The boards of PlayedGames.
std::vector<Board> PlayedPositions(unsigned seed, int games, int maxPlies);

// The built-in bench positions: real self-play games.
std::vector<Board> BenchBoards();

}  // namespace lorvane::fixtures
