#include "marker.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>

#include "geometry.h"
#include "new_image.h"

namespace lorvane::draw {

QImage DrawMarker(int s) {
  QImage img = NewImage(kMarkerSize, kMarkerSize, s);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(s, s);

  const double a = 2.0;               // bracket corner, inset from the edge
  const double b = kMarkerSize - 2.0;
  const double len = 11.0;
  QPainterPath path;
  auto corner = [&](QPointF at, double dx, double dy) {
    path.moveTo(at + QPointF(dx * len, 0));
    path.lineTo(at);
    path.lineTo(at + QPointF(0, dy * len));
  };
  corner(QPointF(a, a), 1, 1);
  corner(QPointF(b, a), -1, 1);
  corner(QPointF(a, b), 1, -1);
  corner(QPointF(b, b), -1, -1);

  QPen outline(QColor(8, 60, 18, 200), 4.0, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin);
  p.setPen(outline);
  p.drawPath(path);
  QPen green(QColor(46, 204, 64), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin);
  p.setPen(green);
  p.drawPath(path);
  QPen shine(QColor(190, 255, 190, 150), 0.7, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin);
  p.setPen(shine);
  p.drawPath(path.translated(-0.35, -0.35));
  p.end();
  return img;
}

}  // namespace lorvane::draw
