#include "buttons.h"

#include <QBrush>
#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRectF>

#include "new_image.h"
#include "rgb.h"
#include "text.h"
#include "textures.h"

namespace lorvane::draw {

namespace {

constexpr int kButtonW = 54;
constexpr int kButtonH = 36;

}  // namespace

QImage DrawButton(const QString& text, bool bright, int s) {
  QImage img = NewImage(kButtonW, kButtonH, s);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(s, s);

  const QRectF outer(0.5, 0.5, kButtonW - 1.0, kButtonH - 1.0);
  const double radius = 4.0;
  const Rgb base = bright ? Rgb{140, 139, 134} : Rgb{116, 115, 111};
  const QImage tex = Texture(kButtonW, kButtonH, s, [&](double x, double y) {
    return ToQRgb(Stone(x, y, base, 4242u));
  });

  // Plaque.
  p.setPen(Qt::NoPen);
  p.setBrush(TextureBrush(tex, s));
  p.drawRoundedRect(outer, radius, radius);
  // Light from above: lighter top, darker bottom.
  QLinearGradient shade(0, 0, 0, kButtonH);
  shade.setColorAt(0.0, QColor(255, 255, 255, bright ? 70 : 50));
  shade.setColorAt(0.45, QColor(255, 255, 255, 0));
  shade.setColorAt(1.0, QColor(0, 0, 0, 70));
  p.setBrush(shade);
  p.drawRoundedRect(outer, radius, radius);

  // Bevelled edge: highlight on the upper left, shadow on the lower right.
  p.setBrush(Qt::NoBrush);
  QLinearGradient bevel(0, 0, kButtonW, kButtonH);
  bevel.setColorAt(0.0, QColor(255, 255, 255, 170));
  bevel.setColorAt(0.5, QColor(255, 255, 255, 30));
  bevel.setColorAt(0.51, QColor(0, 0, 0, 30));
  bevel.setColorAt(1.0, QColor(0, 0, 0, 140));
  p.setPen(QPen(QBrush(bevel), 1.4));
  p.drawRoundedRect(outer.adjusted(1.2, 1.2, -1.2, -1.2), radius - 1.0, radius - 1.0);
  p.setPen(QPen(QColor(40, 40, 38, 220), 1.0));
  p.drawRoundedRect(outer, radius, radius);

  // An engraved groove framing the text.
  const QRectF groove = outer.adjusted(4.0, 4.0, -4.0, -4.0);
  p.setPen(QPen(QColor(255, 255, 255, 70), 0.8));
  p.drawRoundedRect(groove.translated(0.5, 0.5), 2.0, 2.0);
  p.setPen(QPen(QColor(30, 30, 28, bright ? 110 : 90), 0.8));
  p.drawRoundedRect(groove, 2.0, 2.0);

  // Text.
  const QPointF centre(kButtonW / 2.0, kButtonH / 2.0 + 0.3);
  const QPainterPath glyphs = CenteredText(text, 15.5, true, centre, 1.5);
  p.setPen(Qt::NoPen);
  if (bright) {
    // Golden text with a soft warm halo and a dark cut beneath it.
    p.setBrush(Qt::NoBrush);
    for (int i = 3; i >= 1; --i) {
      p.setPen(QPen(QColor(255, 196, 70, 26 + 8 * (3 - i)), 1.2 + 1.6 * i, Qt::SolidLine, Qt::RoundCap,
                    Qt::RoundJoin));
      p.drawPath(glyphs);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 22, 0, 200));
    p.drawPath(glyphs.translated(0.5, 0.7));
    QLinearGradient gold(0, centre.y() - 8.0, 0, centre.y() + 8.0);
    gold.setColorAt(0.0, QColor(255, 252, 215));
    gold.setColorAt(0.45, QColor(255, 222, 96));
    gold.setColorAt(1.0, QColor(240, 170, 40));
    p.setBrush(gold);
    p.drawPath(glyphs);
  } else {
    // Carved into the stone: light lower edge, dark cut.
    p.setBrush(QColor(255, 255, 255, 80));
    p.drawPath(glyphs.translated(0.5, 0.7));
    p.setBrush(QColor(34, 33, 31, 235));
    p.drawPath(glyphs);
  }
  p.end();
  return img;
}

}  // namespace lorvane::draw
