// The rules module: the engine's own board, the move table, the points one
// piece relates to, the evaluation's scratch tables, the search and the
// computer's move history, all in one object so that each game, test or tool
// run can make a fresh one.
#pragma once

#include <cstdint>
#include <optional>

#include "board.h"
#include "evaluation_tables.h"
#include "history.h"

namespace lorvane {

// Depth rows of the move table: one per search depth 0..8.
constexpr int kDepthRows = 9;
// No generator tries more than 18 targets for one piece, so no board, however
// crowded or odd its material, gives one side more than 90 x 18 moves.
constexpr int kMaxMovesPerRow = kFiles * kRanks * 18;
// A chariot or cannon in the open relates to 17 points at most.
constexpr int kMaxRelatedPoints = 21;
constexpr int kMaxSearchDepth = 8;

// Generation depth that lists targets into RelatedPoints instead of MoveTable.
constexpr std::int16_t kCollectMode = -1;

// Fixed scores, from the side to move.
constexpr std::int16_t kWorstScore = -20000;    // starting best of a node; no move at all
constexpr std::int16_t kGeneralWinBase = 19990; // plus depth: a general is gone
constexpr std::int16_t kCanTakeGeneral = 18888; // the side to move can take the other general


// The advance bonus of a pawn on (x, y); 0 for any other content.
std::int16_t PawnBonus(const Board& board, int x, int y);

// Whether the piece on (fromX, fromY) may move to (toX, toY) by the movement
// rules of its kind. A target off the board, the from-point itself or a piece
// of the mover's side is never legal. There is no notion of check.
bool IsLegalMove(const Board& board, std::int16_t fromX, std::int16_t fromY,
                 std::int16_t toX, std::int16_t toY);

// What the search chose: a move, or none, and the score of the position
// searched, seen from the side to move.
struct ChosenMove {
  std::optional<MoveRecord> move;
  std::int16_t score = 0;
};

struct RelatedPointList {
  std::uint8_t x[kMaxRelatedPoints] = {};
  std::uint8_t y[kMaxRelatedPoints] = {};
  std::int16_t count = 0;
};

class Engine {
 public:
  // The search's working position; refreshed from the game before each turn.
  Board board;
  MoveRecord MoveTable[kDepthRows][kMaxMovesPerRow];
  std::int16_t MoveCount = 0;
  RelatedPointList RelatedPoints;
  std::int16_t SearchDepth = 0;
  MoveRecord BestMove;
  MoveHistory ComputerHistory;

  // Evaluation scratch, one entry per point (same layout as Board).
  std::int16_t PointValue[kFiles * kRanks] = {};
  std::int16_t AttackScore[kFiles * kRanks] = {};
  std::uint8_t GuardCount[kFiles * kRanks] = {};
  std::uint8_t Mobility[kFiles * kRanks] = {};

  // Leaves evaluated since construction (for benchmarks).
  std::uint64_t leavesEvaluated = 0;

  // Appends a move to row depth of MoveTable, or, with kCollectMode, only its
  // target to RelatedPoints.
  void AddMove(std::int16_t fromX, std::int16_t fromY, std::int16_t toX, std::int16_t toY,
               std::int16_t depth);
  // Plays a move on the engine's board; returns the code it captured (0 if none).
  std::uint8_t MakeMove(std::uint8_t fromX, std::uint8_t fromY, std::uint8_t toX, std::uint8_t toY);
  void UnmakeMove(std::uint8_t fromX, std::uint8_t fromY, std::uint8_t toX, std::uint8_t toY,
                  std::uint8_t captured);

  // Lists every pseudo-legal move of one side into row depth and returns the
  // count.
  std::int16_t GenerateMoves(const Board& b, std::int16_t depth, Side sideToMove);
  void GeneratePieceMoves(const Board& b, std::int16_t x, std::int16_t y, std::int16_t depth);
  void GenerateGeneralMoves(const Board& b, std::int16_t x, std::int16_t y, std::int16_t depth);
  void GenerateAdvisorMoves(const Board& b, std::int16_t x, std::int16_t y, std::int16_t depth);
  void GenerateElephantMoves(const Board& b, std::int16_t x, std::int16_t y, std::int16_t depth);
  void GenerateHorseMoves(const Board& b, std::int16_t x, std::int16_t y, std::int16_t depth);
  void GenerateChariotMoves(const Board& b, std::int16_t x, std::int16_t y, std::int16_t depth);
  void GenerateCannonMoves(const Board& b, std::int16_t x, std::int16_t y, std::int16_t depth);
  void GeneratePawnMoves(const Board& b, std::int16_t x, std::int16_t y, std::int16_t depth);

  // 0 while both generals stand on the board; otherwise +-(19990 + depth),
  // seen from the side to move at a node with depth plies still to search.
  std::int16_t CheckGenerals(const Board& b, std::int16_t depth) const;

  // Collect-mode generation for the piece on (x, y); returns the count.
  std::int16_t ListRelatedPoints(const Board& b, std::int16_t x, std::int16_t y);
  // Static score of a position from the side to move.
  std::int16_t Evaluate(const Board& b, Side sideToMove);

  // The move `side` plays on `board` after a search of depth plies
  // (1..kMaxSearchDepth), with its score. The computer's search is the
  // game's: for the player, the board is turned over, searched the same way,
  // and the move turned back. No move when a general is already gone or no
  // move scores above the worst. This is the one way into the search;
  // SearchDepth, board and BestMove are its working state.
  ChosenMove ChooseMove(const Board& b, Side side, int depth);
  // The score for `side` of playing `move` on `board`, the reply searched
  // depth - 1 plies as ChooseMove would.
  std::int16_t ScoreMove(const Board& b, Side side, int depth, const MoveRecord& move);

  // Fixed-depth negamax from the engine's board, the computer to move at the
  // root (depth == SearchDepth). Records the first best root move in BestMove
  // and returns its score. The board is left as it was.
  std::int16_t Search(std::int16_t depth);

 private:
  std::int16_t SearchWindow(std::int16_t depth, int alpha, int beta);
  void OrderMoves(std::int16_t depth, std::int16_t count);
};

}  // namespace lorvane
