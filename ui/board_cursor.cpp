#include "board_cursor.h"

#include <QPainter>

namespace lorvane {

namespace {

// The frame lies just outside a marker (44 pixels at the piece's place):
// 52 pixels square, 4 pixels further left and up.
constexpr int kSize = 52;
constexpr int kOffset = 4;

}  // namespace

BoardCursor::BoardCursor(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("BoardCursor"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_TranslucentBackground);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  resize(kSize, kSize);
  PlaceOn(file_, rank_);
  hide();
}

void BoardCursor::PlaceOn(int x, int y) {
  file_ = x;
  rank_ = y;
  move(48 * x + 12 - kOffset, 48 * y + 26 - kOffset);
}

// A closed square, unlike the corner brackets of the markers: a blue band
// with a white line on each side, so it stands out on the board, on pieces of
// either colour and next to a green marker.
void BoardCursor::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::white, 1));
  painter.drawRect(0, 0, kSize - 1, kSize - 1);
  painter.drawRect(5, 5, kSize - 11, kSize - 11);
  painter.setPen(QPen(QColor(0x10, 0x50, 0xF0), 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawRect(QRectF(3, 3, kSize - 6, kSize - 6));
}

}  // namespace lorvane
