#include "protocol.h"

#include <chrono>
#include <ostream>

#include "engine.h"
#include "fen.h"
#include "impossible_position.h"
#include "perft.h"
#include "quoted.h"
#include "version.h"

namespace lorvane {

namespace {

struct ProtocolMove {
  int fromX = 0, fromY = 0, toX = 0, toY = 0;
};

std::vector<std::string> SplitWords(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  for (const char c : line) {
    if (static_cast<unsigned char>(c) <= ' ') {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

// A whole decimal number of at most 9 digits, optionally signed.
bool ParseNumber(const std::string& text, long& value) {
  std::size_t i = text.size() > 1 && (text[0] == '-' || text[0] == '+') ? 1 : 0;
  if (i == text.size() || text.size() - i > 9) return false;
  long v = 0;
  for (std::size_t k = i; k < text.size(); ++k) {
    if (text[k] < '0' || text[k] > '9') return false;
    v = v * 10 + (text[k] - '0');
  }
  value = text[0] == '-' ? -v : v;
  return true;
}

// Red is the bottom side, the game's player; black the top, the computer.
void Play(Board& b, const ProtocolMove& m) { PlayMove(b, m.fromX, m.fromY, m.toX, m.toY); }

ProtocolMove FromRecord(const MoveRecord& r) { return {r.FromX(), r.FromY(), r.ToX(), r.ToY()}; }

bool SameMove(const MoveRecord& a, const MoveRecord& b) {
  return a.FromX() == b.FromX() && a.FromY() == b.FromY() && a.ToX() == b.ToX() && a.ToY() == b.ToY();
}

std::string Iccs(const ProtocolMove& m) { return ToIccs(m.fromX, m.fromY, m.toX, m.toY); }

}  // namespace

ProtocolSession::ProtocolSession(Dialect dialect, std::ostream& out, int deepest)
    : dialect_(dialect), out_(out), engine_(std::make_unique<Engine>()), deepest_(deepest) {
  SetInitialPosition(board_);
}

ProtocolSession::~ProtocolSession() = default;

void ProtocolSession::Say(const std::string& line) {
  const std::string whole = line + "\n";
  out_.write(whole.data(), static_cast<std::streamsize>(whole.size()));
  out_.flush();
}

void ProtocolSession::SayInfo(const std::string& text) { Say("info string " + text); }

void ProtocolSession::ReleaseHeldAnswer() {
  if (heldAnswer_.empty()) return;
  Say(heldAnswer_);
  heldAnswer_.clear();
}

void ProtocolSession::Finish() { ReleaseHeldAnswer(); }

bool ProtocolSession::HandleLine(const std::string& line) {
  const std::vector<std::string> words = SplitWords(line);
  if (words.empty()) return true;
  const std::string& command = words[0];
  if (command == "ucci" || command == "uci") {
    dialect_ = command == "ucci" ? Dialect::kUcci : Dialect::kUci;
    Handshake();
  } else if (command == "isready") {
    Say("readyok");
  } else if (command == "ucinewgame") {
    ReleaseHeldAnswer();
    SetInitialPosition(board_);
    toMove_ = Side::kPlayer;
  } else if (command == "setoption") {
    SetOption(words);
  } else if (command == "position") {
    ReleaseHeldAnswer();
    Position(words);
  } else if (command == "go") {
    Go(words);
  } else if (command == "stop" || command == "ponderhit") {
    ReleaseHeldAnswer();
  } else if (command == "quit") {
    ReleaseHeldAnswer();
    return false;
  } else if (command == "debug") {
    // Nothing more to say in debug mode.
  } else {
    SayInfo("unknown command " + Quoted(command));
  }
  return true;
}

void ProtocolSession::Handshake() {
  const std::string depth = std::to_string(kDefaultProtocolDepth);
  const std::string range =
      "min " + std::to_string(kMinProtocolDepth) + " max " + std::to_string(kMaxProtocolDepth);
  Say(std::string("id name ") + kEngineName);
  Say("id author the Lorvane developers");
  if (dialect_ == Dialect::kUcci) {
    Say("option Depth type spin " + range + " default " + depth);
    Say("ucciok");
  } else {
    Say("option name Depth type spin default " + depth + " " + range);
    Say("option name UCI_Variant type combo default xiangqi var xiangqi");
    Say("uciok");
  }
}

// "setoption name <name> value <value>" (UCI, and UCCI clients that write it
// so) or UCCI's "setoption <name> <value>".
void ProtocolSession::SetOption(const std::vector<std::string>& words) {
  std::string name;
  std::string value;
  std::size_t i = 1;
  if (i < words.size() && words[i] == "name") {
    for (++i; i < words.size() && words[i] != "value"; ++i) name += (name.empty() ? "" : " ") + words[i];
    for (++i; i < words.size(); ++i) value += (value.empty() ? "" : " ") + words[i];
  } else if (i < words.size()) {
    name = words[i];
    for (++i; i < words.size(); ++i) value += (value.empty() ? "" : " ") + words[i];
  }
  const std::string key = Lower(name);
  if (key == "depth") {
    long d = 0;
    if (!ParseNumber(value, d) || d < kMinProtocolDepth || d > kMaxProtocolDepth) {
      SayInfo("Depth takes a whole number from " + std::to_string(kMinProtocolDepth) + " to " +
              std::to_string(kMaxProtocolDepth) + ", not " + Quoted(value) + "; it stays " +
              std::to_string(depth_));
      return;
    }
    depth_ = static_cast<int>(d);
  } else if (key == "uci_variant") {
    if (Lower(value) != "xiangqi") SayInfo("only the variant xiangqi is played, not " + Quoted(value));
  } else if (name.empty()) {
    SayInfo("setoption without an option name");
  } else {
    SayInfo("unknown option " + Quoted(name) + ", ignored");
  }
}

void ProtocolSession::Position(const std::vector<std::string>& words) {
  std::size_t i = 1;
  FenPosition pos;
  if (i < words.size() && words[i] == "startpos") {
    pos.board = InitialBoard();
    ++i;
  } else if (i < words.size() && words[i] == "fen") {
    std::string fen;
    std::size_t fields = 0;
    for (++i; i < words.size() && words[i] != "moves"; ++i, ++fields) fen += words[i] + " ";
    std::string error;
    if (fields < 2 || fields > 6) {
      SayInfo("bad FEN: " + std::to_string(fields) +
              " fields, expected the board, the side to move and up to four more; position unchanged");
      return;
    }
    if (!ParseFen(fen, pos, error) || !(error = ImpossiblePosition(pos.board)).empty()) {
      SayInfo("bad FEN: " + error + "; position unchanged");
      return;
    }
  } else {
    SayInfo("position needs startpos or fen; position unchanged");
    return;
  }
  if (i < words.size() && words[i] != "moves") {
    SayInfo("expected moves, not " + Quoted(words[i]) + "; position unchanged");
    return;
  }
  Board b = pos.board;
  Side side = pos.toMove;
  const std::size_t firstMove = i + 1;
  for (++i; i < words.size(); ++i) {
    ProtocolMove m;
    const std::string which = "move " + std::to_string(i - firstMove + 1) + " " + Quoted(words[i]);
    if (!ParseIccs(words[i], m.fromX, m.fromY, m.toX, m.toY)) {
      SayInfo(which + " is not an ICCS move; position unchanged");
      return;
    }
    if (!Owns(side, b(m.fromX, m.fromY))) {
      SayInfo(which + " is illegal: no " + (side == Side::kPlayer ? "red" : "black") +
              " piece on its from-point; position unchanged");
      return;
    }
    if (!IsLegalMove(b, static_cast<std::int16_t>(m.fromX), static_cast<std::int16_t>(m.fromY),
                     static_cast<std::int16_t>(m.toX), static_cast<std::int16_t>(m.toY))) {
      SayInfo(which + " is illegal: the piece does not move that way; position unchanged");
      return;
    }
    Play(b, m);
    side = Opponent(side);
  }
  board_ = b;
  toMove_ = side;
}

void ProtocolSession::Go(const std::vector<std::string>& words) {
  ReleaseHeldAnswer();
  int depth = depth_;
  bool hold = false;
  for (std::size_t i = 1; i < words.size(); ++i) {
    const std::string& w = words[i];
    if (w == "depth") {
      long d = 0;
      if (i + 1 < words.size() && ParseNumber(words[i + 1], d)) {
        ++i;
        if (d < kMinProtocolDepth || d > kMaxProtocolDepth) {
          d = d < kMinProtocolDepth ? kMinProtocolDepth : kMaxProtocolDepth;
          SayInfo("depth " + words[i] + " is searched as " + std::to_string(d));
        }
        depth = static_cast<int>(d);
      } else {
        SayInfo("go depth needs a number, not " + Quoted(i + 1 < words.size() ? words[++i] : "") +
                "; searching " + std::to_string(depth));
      }
    } else if (w == "infinite" || w == "ponder") {
      hold = true;
    } else if (w == "movetime" || w == "time" || w == "opptime" || w == "movestogo" ||
               w == "increment" || w == "oppmovestogo" || w == "oppincrement" || w == "wtime" ||
               w == "btime" || w == "winc" || w == "binc" || w == "nodes" || w == "mate") {
      long unusedValue = 0;
      if (i + 1 < words.size() && ParseNumber(words[i + 1], unusedValue)) ++i;
    } else if (w == "searchmoves") {
      break;  // the search always considers every move
    } else if (w != "draw") {
      SayInfo("go: " + Quoted(w) + " ignored");
    }
  }

  if (depth > deepest_) depth = deepest_;

  // The search always plays the top side: a red position is turned over.
  const bool red = toMove_ == Side::kPlayer;
  const Board searched = red ? TurnedOver(board_) : board_;
  Engine& engine = *engine_;
  // The searched side is black, the game's computer.
  const std::vector<MoveRecord> legal = LegalStandardMoves(engine, searched, Side::kComputer);
  std::string answer = dialect_ == Dialect::kUcci ? "nobestmove" : "bestmove (none)";
  if (!legal.empty() && engine.CheckGenerals(searched, 0) == 0) {
    const auto start = std::chrono::steady_clock::now();
    const std::uint64_t leavesBefore = engine.leavesEvaluated;
    const ChosenMove chosen = engine.ChooseMove(searched, Side::kComputer, depth);
    std::int16_t score = chosen.score;
    ProtocolMove move = FromRecord(legal.front());
    bool found = false;
    for (const MoveRecord& m : legal) found = found || (chosen.move && SameMove(m, *chosen.move));
    if (found) {
      move = FromRecord(*chosen.move);
    } else {
      // The search saw nothing better than losing anyway (or chose a move that
      // standard rules forbid): play the first legal move, with its own score.
      score = engine.ScoreMove(searched, Side::kComputer, depth, legal.front());
    }
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
    Board after = searched;
    Play(after, move);
    const bool mates = LegalStandardMoves(engine, after, Side::kPlayer).empty();
    if (red) {
      move.fromY = kRanks - 1 - move.fromY;
      move.toY = kRanks - 1 - move.toY;
    }
    const std::string text = Iccs(move);
    Say("info depth " + std::to_string(depth) +
        (mates ? " score mate 1" : " score cp " + std::to_string(score)) + " nodes " +
        std::to_string(engine.leavesEvaluated - leavesBefore) + " time " + std::to_string(ms) +
        " pv " + text);
    answer = "bestmove " + text;
  }
  if (hold)
    heldAnswer_ = answer;
  else
    Say(answer);
}

}  // namespace lorvane
