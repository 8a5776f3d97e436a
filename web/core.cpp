// The game in the browser: one Game whose view is the page. The page calls
// the functions below (from a worker, so that the computer's search never
// holds the page); each step the game reports goes to the page at once,
// through lorvaneStep, so the player's move is drawn while the search runs.
//
// A message pauses its operation: the page shows its box and calls
// lorvane_message_closed when the box is closed, and the rest follows.
#include <emscripten.h>

#include <string>

#include "core_board.h"
#include "core_steps.h"
#include "game.h"
#include "geometry.h"
#include "window_layout.h"

namespace lorvane {
namespace {

// clang-format off
EM_JS(void, PostStep, (int kind, int a, int b, int c, const char* text), {
  Module["lorvaneStep"](kind, a, b, c, UTF8ToString(text));
});
// clang-format on

void Post(Step kind, int a = 0, int b = 0, int c = 0, const std::string& text = std::string()) {
  PostStep(kind, a, b, c, text.c_str());
}

// Where the pointer stood in the client area when the page last said; a
// click on the board takes its point from there when it is handled.
struct PointerPlace {
  int x = 0;
  int y = 0;
} pointer;

class PageView : public GameView {
 public:
  PageView() : game(*this) {}

  // Each piece as its code and point: "<code> <file> <rank>" per line.
  void RedrawPieces() override {
    std::string pieces;
    for (int y = 0; y < kRanks; ++y)
      for (int x = 0; x < kFiles; ++x)
        if (const int code = game.board(x, y))
          pieces += std::to_string(code) + ' ' + std::to_string(x) + ' ' + std::to_string(y) + '\n';
    Post(kPieces, 0, 0, 0, pieces);
  }
  void ShowMarker(Marker marker, int x, int y) override {
    Post(kShowMarker, static_cast<int>(marker), x, y);
  }
  void HideMarker(Marker marker) override { Post(kHideMarker, static_cast<int>(marker)); }
  void AddLine(Side list, const std::string& line) override {
    Post(kAddLine, list == Side::kPlayer ? 0 : 1, 0, 0, line);
  }
  void RemoveLine(Side list, int i) override { Post(kRemoveLine, list == Side::kPlayer ? 0 : 1, i); }
  void ClearLines() override { Post(kClearLines); }
  void ShowMessage(const std::string& text) override { Post(kMessage, 0, 0, 0, text); }
  void Say(const std::string& words) override { Post(kSay, 0, 0, 0, words); }
  void ShowDifficulty(Level level) override { Post(kDifficulty, level == Level::kHigh ? 1 : 0); }

  // What each point is called now, one line a point, rank by rank from the
  // top: the names of the board's cells for a screen reader.
  void PostPointNames() {
    std::string names;
    for (int y = 0; y < kRanks; ++y)
      for (int x = 0; x < kFiles; ++x) names += game.PointDescription(x, y) + '\n';
    Post(kNames, game.Waiting() ? 1 : 0, 0, 0, names);
  }

  Game game;
};

PageView* page = nullptr;

// Runs one of the game's operations, then names the points as they now are.
template <class Operation>
void Run(Operation operation) {
  operation(page->game);
  page->PostPointNames();
}

// The window's geometry for the page's layout. The first line: the client
// area, the board picture's place and size, the pictures' sizes, then the
// pictures' left edges for files 0..8 and top edges for ranks 0..9. Then a
// line per control, by the page's name for it: "<name> <left> <top> <width>
// <height>", and one per file number: "number <left> <top> <width> <height>
// <text>", those over the board first.
std::string GeometryText() {
  std::string text;
  const auto add = [&text](int v) { text += std::to_string(v) + ' '; };
  for (int v : {kClientWidth, kClientHeight, kBoardLeft, kBoardTop, kBoardWidth, kBoardHeight,
                kPieceSize, kMarkerSize})
    add(v);
  for (int x = 0; x < kFiles; ++x) add(PointLeft(x));
  for (int y = 0; y < kRanks; ++y) add(PointTop(y));
  const auto place = [&](const std::string& name, const Place& p) {
    text += '\n' + name + ' ';
    for (int v : {p.left, p.top, p.width, p.height}) add(v);
  };
  place("frame1", kPlayerFrame);
  place("frame2", kComputerFrame);
  place("list1", kMoveList);
  place("list2", kMoveList);
  place("frame3", kDifficultyFrame);
  place("option1", kLowOption);
  place("option2", kHighOption);
  for (const PictureButton& button : kPictureButtons) place(std::string("button-") + button.face, button.place);
  for (int x = 0; x < kFiles; ++x) {
    place("number", TopFileNumber(x));
    text += kTopFileNumbers[x];
  }
  for (int x = 0; x < kFiles; ++x) {
    place("number", BottomFileNumber(x));
    text += kBottomFileNumbers[x];
  }
  return text;
}

}  // namespace

const Board& GameBoard() { return page->game.board; }

}  // namespace lorvane

using lorvane::Level;
using lorvane::page;
using lorvane::Run;

extern "C" {

// The game as the window opens: the low level, then a new game.
EMSCRIPTEN_KEEPALIVE void lorvane_start() {
  if (page != nullptr) return;
  lorvane::Post(lorvane::kGeometry, 0, 0, 0, lorvane::GeometryText());
  page = new lorvane::PageView();
  Run([](lorvane::Game& game) { game.NewGame(); });
}

EMSCRIPTEN_KEEPALIVE void lorvane_new_game() {
  Run([](lorvane::Game& game) { game.NewGame(); });
}

// A click of the mouse or a finger at (x, y) of the client area, on a piece
// or the board: what it lands on is decided by the game's board when the
// game takes the click, as in the window, not by the page's pictures, which
// are older while clicks wait for the computer's reply.
EMSCRIPTEN_KEEPALIVE void lorvane_click_at(int x, int y) {
  lorvane::pointer = {x, y};
  Run([=](lorvane::Game& game) {
    game.ClickAt(x, y, [] {
      return lorvane::ClickedPoint{lorvane::ClickFile(lorvane::pointer.x),
                                   lorvane::ClickRank(lorvane::pointer.y)};
    });
  });
}

// Enter or Space on a point of the board's grid.
EMSCRIPTEN_KEEPALIVE void lorvane_click_point(int file, int rank) {
  Run([=](lorvane::Game& game) { game.ClickPoint(file, rank); });
}

EMSCRIPTEN_KEEPALIVE void lorvane_take_back() {
  Run([](lorvane::Game& game) { game.TakeBack(); });
}

EMSCRIPTEN_KEEPALIVE void lorvane_offer_draw() {
  Run([](lorvane::Game& game) { game.OfferDraw(); });
}

EMSCRIPTEN_KEEPALIVE void lorvane_resign() {
  Run([](lorvane::Game& game) { game.Resign(); });
}

EMSCRIPTEN_KEEPALIVE void lorvane_set_difficulty(int high) {
  Run([=](lorvane::Game& game) { game.SetDifficulty(high ? Level::kHigh : Level::kLow); });
}

EMSCRIPTEN_KEEPALIVE void lorvane_drop_selection() {
  Run([](lorvane::Game& game) { game.DropSelection(); });
}

EMSCRIPTEN_KEEPALIVE void lorvane_read_position() {
  Run([](lorvane::Game& game) { game.ReadPosition(); });
}

// The message's box is closed with the pointer at (x, y) of the client area:
// a board click that waited for the box takes its point from there.
EMSCRIPTEN_KEEPALIVE void lorvane_message_closed(int x, int y) {
  lorvane::pointer = {x, y};
  Run([](lorvane::Game& game) { game.MessageClosed(); });
}

}  // extern "C"
