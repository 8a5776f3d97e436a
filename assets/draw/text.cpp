#include "text.h"

#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>
#include <QTransform>

#include <cmath>
#include <cstdio>

namespace lorvane::draw {

namespace {

QString g_family = QStringLiteral("Lorvane Serif");

QFont SerifFont(double pixelSize, bool bold) {
  QFont f(g_family);
  f.setPixelSize(static_cast<int>(std::lround(pixelSize)));
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

}  // namespace

bool LoadFonts(const QString& dir) {
  int loaded = 0;
  for (const char* file : {"LorvaneSerif-Regular.otf", "LorvaneSerif-Bold.otf"}) {
    const QString path = QDir(dir).filePath(QString::fromLatin1(file));
    const int id = QFontDatabase::addApplicationFont(path);
    if (id < 0) {
      std::fprintf(stderr, "cannot load font %s\n", qPrintable(path));
      continue;
    }
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (!families.isEmpty()) g_family = families.first();
    ++loaded;
  }
  return loaded == 2;
}

QPainterPath CenteredText(const QString& text, double pixelSize, bool bold, QPointF centre,
                          double letterSpacing) {
  // Build at 16x the size and scale down: QFont pixel sizes are integers.
  const double big = 16.0;
  QFont f = SerifFont(pixelSize * big, bold);
  if (letterSpacing != 0.0) f.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing * big);
  QPainterPath path;
  path.addText(0, 0, f, text);
  QTransform t;
  t.scale(1.0 / big, 1.0 / big);
  path = t.map(path);
  const QRectF box = path.boundingRect();
  path.translate(centre - box.center());
  return path;
}

}  // namespace lorvane::draw
