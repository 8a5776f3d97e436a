// The UCCI and UCI command loops of lorvane-engine, so that xiangqi GUIs and
// match runners can play against the computer opponent.
//
// One session reads one command line at a time and writes whole, flushed
// answer lines to its stream. Moves are ICCS with ranks 0..9 in both dialects.
// The reply is the game's own fixed-depth search: with black (the top side,
// the game's computer) to move it is exactly the game's reply; with red to
// move the position is turned top to bottom with the colours swapped, searched
// the same way, and the move turned back.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "board.h"

namespace lorvane {

class Engine;

enum class Dialect { kUcci, kUci };

// Depth option: 2 is the game's low level, 3 its high one.
constexpr int kMinProtocolDepth = 1;
constexpr int kMaxProtocolDepth = 5;
constexpr int kDefaultProtocolDepth = 3;

class ProtocolSession {
 public:
  // deepest: the most plies a go searches, whatever the client asks for
  // (a bound on how long one answer can take).
  ProtocolSession(Dialect dialect, std::ostream& out, int deepest = kMaxProtocolDepth);
  ~ProtocolSession();
  ProtocolSession(const ProtocolSession&) = delete;
  ProtocolSession& operator=(const ProtocolSession&) = delete;

  // Handles one command line. Returns false once the client said quit.
  bool HandleLine(const std::string& line);
  // End of input: gives the answer still held for a stop, if any.
  void Finish();

  const Board& board() const { return board_; }
  // Red, the bottom side, is the game's player.
  Side toMove() const { return toMove_; }
  int depth() const { return depth_; }

 private:
  void Handshake();
  void SetOption(const std::vector<std::string>& words);
  void Position(const std::vector<std::string>& words);
  void Go(const std::vector<std::string>& words);
  void ReleaseHeldAnswer();
  void Say(const std::string& line);
  void SayInfo(const std::string& text);

  Dialect dialect_;
  std::ostream& out_;
  std::unique_ptr<Engine> engine_;
  Board board_;
  Side toMove_ = Side::kPlayer;
  int depth_ = kDefaultProtocolDepth;
  int deepest_;
  // The bestmove line of a go infinite or go ponder, given at stop/ponderhit.
  std::string heldAnswer_;
};

}  // namespace lorvane
