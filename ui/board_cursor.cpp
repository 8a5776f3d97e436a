#include "board_cursor.h"

#include <QPainter>
#include <QPainterPath>

#include "geometry.h"

namespace lorvane {

namespace {

// The frame fills the gap around a marker (44 pixels at the piece's place,
// 4 pixels apart from the next point's): 52 pixels square, 4 pixels further
// left and up, 4 pixels wide, so it never hides a marker or a piece.
constexpr int kSize = 52;
constexpr int kOffset = 4;

}  // namespace

BoardCursor::BoardCursor(QWidget* parent, QWidget* board) : QWidget(parent), board_(board) {
  setObjectName(QStringLiteral("BoardCursor"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_TranslucentBackground);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  resize(kSize, kSize);
  PlaceOn(file_, rank_);
  hide();
}

BoardCursor* BoardCursor::Over(const QWidget* board) {
  if (board == nullptr || board->parentWidget() == nullptr) return nullptr;
  for (auto* cursor : board->parentWidget()->findChildren<BoardCursor*>(Qt::FindDirectChildrenOnly))
    if (cursor->Board() == board) return cursor;
  return nullptr;
}

void BoardCursor::PlaceOn(int x, int y) {
  file_ = x;
  rank_ = y;
  move(PointLeft(x) - kOffset, PointTop(y) - kOffset);
}

// A closed square, unlike the corner brackets of the markers: a blue band
// with a white outer line, so it stands out on the board and next to a green
// marker.
void BoardCursor::paintEvent(QPaintEvent*) {
  const auto band = [](int outer, int inner) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addRect(outer, outer, kSize - 2 * outer, kSize - 2 * outer);
    path.addRect(inner, inner, kSize - 2 * inner, kSize - 2 * inner);
    return path;
  };
  QPainter painter(this);
  painter.fillPath(band(0, 1), Qt::white);
  painter.fillPath(band(1, kOffset), QColor(0x10, 0x50, 0xF0));
}

}  // namespace lorvane
