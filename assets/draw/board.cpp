#include "board.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QString>

#include <algorithm>
#include <cmath>

#include "geometry.h"
#include "rgb.h"
#include "text.h"
#include "textures.h"

namespace lorvane::draw {

namespace {

const QColor kInk(52, 30, 14);

// The pixel column of a file's line and the pixel row of a rank's line, in
// the board picture. A file's line runs down the middle column of the piece
// pictures standing on it (kPieceSize / 2 columns from their left edge); a
// rank's line runs one row below their middle row, as the board has always
// been drawn.
constexpr int GridColumn(int file) { return PointLeft(file) - kBoardLeft + kPieceSize / 2; }
constexpr int GridRow(int rank) { return PointTop(rank) - kBoardTop + kPieceSize / 2 + 1; }
static_assert(GridColumn(0) == 33 && GridColumn(8) == 417 && GridRow(0) == 32 && GridRow(9) == 464,
              "file line f at x = 33 + 48 f, rank line r at y = 32 + 48 r");

double FileX(int f) { return GridColumn(f) + 0.5; }  // +0.5: centre of the pixel column
double RankY(int r) { return GridRow(r) + 0.5; }

void DrawPositionMark(QPainter& p, int file, int rank) {
  const double x = FileX(file);
  const double y = RankY(rank);
  const double gap = 3.0;
  const double len = 8.0;
  for (int sx = -1; sx <= 1; sx += 2) {
    if ((file == 0 && sx < 0) || (file == 8 && sx > 0)) continue;
    for (int sy = -1; sy <= 1; sy += 2) {
      QPainterPath tick;
      tick.moveTo(x + sx * (gap + len), y + sy * gap);
      tick.lineTo(x + sx * gap, y + sy * gap);
      tick.lineTo(x + sx * gap, y + sy * (gap + len));
      p.drawPath(tick);
    }
  }
}

}  // namespace

QImage DrawBoard(int s) {
  const Rgb light{232, 186, 118};
  const Rgb dark{176, 114, 52};
  QImage img = Texture(kBoardWidth, kBoardHeight, s, [&](double x, double y) {
    Rgb c = Wood(x, y, light, dark, 1234u, 13.0);
    // Gentle vignette towards the edges of the board.
    const double nx = (x - kBoardWidth / 2.0) / (kBoardWidth / 2.0);
    const double ny = (y - kBoardHeight / 2.0) / (kBoardHeight / 2.0);
    const double v = std::pow(std::clamp(std::max(std::fabs(nx), std::fabs(ny)), 0.0, 1.0), 6.0);
    c = Scale(c, 1.0 - 0.16 * v - 0.04 * (nx * nx + ny * ny));
    return ToQRgb(c);
  });

  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(s, s);

  // Edge of the wooden board: a dark border with a light bevel inside it.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(70, 40, 18, 150), 1.0));
  p.drawRect(QRectF(0.5, 0.5, kBoardWidth - 1.0, kBoardHeight - 1.0));
  p.setPen(QPen(QColor(255, 236, 200, 90), 1.0));
  p.drawRect(QRectF(1.5, 1.5, kBoardWidth - 3.0, kBoardHeight - 3.0));

  const double left = FileX(0), right = FileX(8);
  const double top = RankY(0), bottom = RankY(9);

  // Outer frame: a thick line four pixels outside the grid.
  {
    QPen pen(kInk, 3.0);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    const double o = 5.5;  // covers device rows 26..28 at 1x for the top edge
    p.drawRect(QRectF(left - o, top - o, (right - left) + 2 * o, (bottom - top) + 2 * o));
  }

  QPen line(kInk, 1.0);
  line.setCapStyle(Qt::SquareCap);
  line.setJoinStyle(Qt::MiterJoin);
  p.setPen(line);

  // Edge of the grid (the thin line of the double frame).
  p.drawRect(QRectF(left, top, right - left, bottom - top));
  // Rank lines.
  for (int r = 1; r <= 8; ++r) p.drawLine(QPointF(left, RankY(r)), QPointF(right, RankY(r)));
  // Inner file lines stop at the river.
  for (int f = 1; f <= 7; ++f) {
    p.drawLine(QPointF(FileX(f), RankY(0)), QPointF(FileX(f), RankY(4)));
    p.drawLine(QPointF(FileX(f), RankY(5)), QPointF(FileX(f), RankY(9)));
  }
  // Palaces.
  p.drawLine(QPointF(FileX(3), RankY(0)), QPointF(FileX(5), RankY(2)));
  p.drawLine(QPointF(FileX(5), RankY(0)), QPointF(FileX(3), RankY(2)));
  p.drawLine(QPointF(FileX(3), RankY(7)), QPointF(FileX(5), RankY(9)));
  p.drawLine(QPointF(FileX(5), RankY(7)), QPointF(FileX(3), RankY(9)));

  // Position marks at the cannon and pawn points.
  QPen mark(kInk, 1.0);
  mark.setCapStyle(Qt::FlatCap);
  mark.setJoinStyle(Qt::MiterJoin);
  p.setPen(mark);
  for (int f : {1, 7}) {
    DrawPositionMark(p, f, 2);
    DrawPositionMark(p, f, 7);
  }
  for (int f = 0; f <= 8; f += 2) {
    DrawPositionMark(p, f, 3);
    DrawPositionMark(p, f, 6);
  }

  // The river captions, carved into the wood: a light lower edge, a dark
  // upper edge, then the ink.
  const double riverY = (RankY(4) + RankY(5)) / 2.0;
  const double mid = (left + right) / 2.0;
  const double near = kPointPitch * 1.25;  // from the centre line to 河 / 漢
  const double far = kPointPitch * 2.75;   // to 楚 / 界
  struct Caption {
    const char* text;
    double x;
  } const captions[] = {
      {"楚", mid - far - 6.0}, {"河", mid - near - 6.0},
      {"漢", mid + near + 6.0}, {"界", mid + far + 6.0},
  };
  p.setPen(Qt::NoPen);
  for (const Caption& c : captions) {
    const QPainterPath glyph =
        CenteredText(QString::fromUtf8(c.text), 33.0, true, QPointF(c.x, riverY));
    p.setBrush(QColor(255, 240, 210, 110));
    p.drawPath(glyph.translated(0.6, 0.8));
    p.setBrush(QColor(40, 20, 6, 60));
    p.drawPath(glyph.translated(-0.4, -0.5));
    p.setBrush(QColor(kInk.red(), kInk.green(), kInk.blue(), 235));
    p.drawPath(glyph);
  }
  p.end();
  return img;
}

}  // namespace lorvane::draw
