// Plays the first turns of a game through the game window with real mouse
// clicks, picks up a piece, and saves a picture of the whole window: the
// screenshot shown in the README.
//
//   lorvane-screenshot FILE.png      (runs on Qt's offscreen platform)
#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <cstdio>

#include "engine.h"
#include "window_driver.h"
#include "window_fonts.h"

using namespace lorvane;
using namespace lorvane::testing;

namespace {

struct Move {
  int fx, fy, tx, ty;
};

// A common opening for red: central cannon, both horses out, the chariots to
// open files. A move the computer's replies have made impossible is skipped.
const Move kOpening[] = {
    {7, 7, 4, 7},  // 炮二平五
    {7, 9, 6, 7},  // 马二进三
    {8, 9, 7, 9},  // 车一平二
    {6, 6, 6, 5},  // 兵三进一
    {1, 9, 2, 7},  // 马八进七
    {1, 7, 0, 7},  // 炮八平九
    {0, 9, 1, 9},  // 车九平八
};

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: lorvane-screenshot FILE.png\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  SetUpFonts();
  auto window = OpenWindow();
  MessageCloser closer;

  int played = 0;
  for (const Move& m : kOpening) {
    const Board& board = window->Game().board;
    if (!IsPlayerPiece(board(m.fx, m.fy)) ||
        !IsLegalMove(board, static_cast<std::int16_t>(m.fx), static_cast<std::int16_t>(m.fy),
                     static_cast<std::int16_t>(m.tx), static_cast<std::int16_t>(m.ty)))
      continue;
    ClickMove(*window, m.fx, m.fy, m.tx, m.ty);
    ++played;
  }
  // Pick up the horse on the right, as if about to move it.
  ClickPoint(*window, 6, 7);
  QApplication::processEvents();

  if (played < 5 || !closer.messages.isEmpty()) {
    std::fprintf(stderr, "the opening did not go as planned (%d moves played)\n", played);
    return 1;
  }
  if (!window->grab().save(out, "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
    return 1;
  }
  return 0;
}
