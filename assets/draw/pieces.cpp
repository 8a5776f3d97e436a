#include "pieces.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>

#include <cstdint>

#include "geometry.h"
#include "rgb.h"
#include "text.h"
#include "textures.h"

namespace lorvane::draw {

QImage DrawPieceScaled(Side side, const QString& character, int pixels, double s,
                       const PieceDetail& detail) {
  QImage img(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(s, s);

  const QPointF c(kPieceSize / 2.0, kPieceSize / 2.0);
  const double rOuter = 20.4;  // side of the disc
  const double rFace = 18.2;   // top face
  const double rRing = 15.6;   // engraved ring

  // A faint contact shadow, well inside the picture.
  p.setPen(Qt::NoPen);
  if (detail.shadow) {
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(c + QPointF(0.5, 0.9), rOuter + 0.6, rOuter + 0.6);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawEllipse(c + QPointF(0.3, 0.6), rOuter, rOuter);
  }

  // Side of the disc: wood lit from the upper left.
  const Rgb woodLight{246, 222, 176};
  const Rgb woodDark{214, 170, 110};
  const uint32_t seed = side == Side::kRed ? 77u : 91u;
  const QImage tex = Texture(pixels, pixels, 1, [&](double px, double py) {
    const double x = px / s;
    const double y = py / s;
    // Seed the grain by character too, so no two pieces look stamped.
    return ToQRgb(Wood(x * 1.4 + character.at(0).unicode() % 97, y * 1.4, woodLight, woodDark,
                       seed, 9.0));
  });
  {
    p.setBrush(TextureBrush(tex, s));
    p.drawEllipse(c, rOuter, rOuter);
    QLinearGradient g(c + QPointF(-rOuter, -rOuter), c + QPointF(rOuter, rOuter));
    g.setColorAt(0.0, QColor(255, 245, 220, 70));
    g.setColorAt(0.5, QColor(120, 70, 20, 40));
    g.setColorAt(1.0, QColor(70, 35, 5, 150));
    p.setBrush(g);
    p.drawEllipse(c, rOuter, rOuter);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(90, 52, 20, 170), 0.8));
    p.drawEllipse(c, rOuter - 0.4, rOuter - 0.4);
    p.setPen(Qt::NoPen);
  }

  // Top face, slightly domed: light from the upper left, darker rim.
  {
    p.setBrush(TextureBrush(tex, s));
    p.drawEllipse(c, rFace, rFace);
    QRadialGradient g(c + QPointF(-5.0, -6.0), rFace * 1.55);
    g.setColorAt(0.0, QColor(255, 250, 235, 95));
    g.setColorAt(0.55, QColor(255, 240, 210, 10));
    g.setColorAt(0.85, QColor(110, 60, 15, 40));
    g.setColorAt(1.0, QColor(90, 45, 10, 90));
    p.setBrush(g);
    p.drawEllipse(c, rFace, rFace);
    // Bevel between face and side: bright upper-left edge, dark lower-right.
    QLinearGradient edge(c + QPointF(-rFace, -rFace), c + QPointF(rFace, rFace));
    edge.setColorAt(0.0, QColor(255, 250, 230, 200));
    edge.setColorAt(0.5, QColor(200, 160, 110, 60));
    edge.setColorAt(1.0, QColor(80, 40, 10, 170));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(edge), 0.9));
    p.drawEllipse(c, rFace, rFace);
    p.setPen(Qt::NoPen);
  }

  const QColor ink = side == Side::kRed ? QColor(178, 22, 24) : QColor(26, 20, 16);
  const QColor carveLight(255, 248, 228, 150);

  // Engraved ring.
  if (detail.ring) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(carveLight, 1.0));
    p.drawEllipse(c + QPointF(0.45, 0.55), rRing, rRing);
    p.setPen(QPen(ink, 1.15));
    p.drawEllipse(c, rRing, rRing);
    p.setPen(Qt::NoPen);
  }

  // The character, bold and carved.
  const QPainterPath glyph = CenteredText(character, detail.characterSize, true, c);
  p.setBrush(carveLight);
  p.drawPath(glyph.translated(0.45, 0.6));
  p.setBrush(ink);
  p.setPen(QPen(ink, 0.35, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));  // a little extra weight
  p.drawPath(glyph);
  p.setPen(Qt::NoPen);

  p.end();
  return img;
}

QImage DrawPiece(Side side, const QString& character, int s) {
  return DrawPieceScaled(side, character, kPieceSize * s, s, PieceDetail());
}

}  // namespace lorvane::draw
