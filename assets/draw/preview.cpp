#include "preview.h"

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

#include "board.h"
#include "buttons.h"
#include "geometry.h"
#include "marker.h"
#include "pieces.h"

namespace lorvane::draw {

namespace {

QImage Find(const QString& name, int s) {
  for (const PieceDef& d : kPieces) {
    if (name == QString::fromLatin1(d.side) + '_' + QString::fromLatin1(d.kind))
      return DrawPiece(d.s, QString::fromUtf8(d.character), s);
  }
  return QImage();
}

}  // namespace

QImage DrawPreview(int s) {
  const int buttonsH = 60;
  QImage out(kBoardWidth * s, (kBoardHeight + buttonsH) * s, QImage::Format_ARGB32_Premultiplied);
  out.fill(QColor(58, 44, 34));
  QPainter p(&out);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(0, 0, DrawBoard(s));
  const char* const back[] = {"chariot", "horse", "elephant", "advisor", "general",
                              "advisor", "elephant", "horse",   "chariot"};
  // The top-left corner of a picture standing on (file, rank), in the board
  // picture's pixels at this scale.
  auto place = [&](int file, int rank) {
    return QPointF((PointLeft(file) - kBoardLeft) * s, (PointTop(rank) - kBoardTop) * s);
  };
  auto put = [&](const QString& side, const QString& kind, int file, int rank) {
    p.drawImage(place(file, rank), Find(side + '_' + kind, s));
  };
  for (int f = 0; f < 9; ++f) {
    put("black", QString::fromLatin1(back[f]), f, 0);
    put("red", QString::fromLatin1(back[f]), f, 9);
  }
  for (int f : {1, 7}) {
    put("black", "cannon", f, 2);
    put("red", "cannon", f, 7);
  }
  for (int f = 0; f <= 8; f += 2) {
    put("black", "pawn", f, 3);
    put("red", "pawn", f, 6);
  }
  const QImage marker = DrawMarker(s);
  p.drawImage(place(1, 7), marker);  // around a red cannon
  p.drawImage(place(4, 4), marker);  // on an empty point
  for (int i = 0; i < 4; ++i) {
    const QRectF target((16 + 110 * i) * s, (kBoardHeight + 8) * s, 67 * s, 44 * s);
    p.drawImage(target, DrawButton(QString::fromUtf8(kButtons[i].text), i == 1, s));
  }
  p.end();
  return out;
}

}  // namespace lorvane::draw
