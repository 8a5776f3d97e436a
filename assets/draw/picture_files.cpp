#include "picture_files.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace lorvane::draw {

QString ScaledName(const QString& base, int s) {
  if (s == 1) return base + QStringLiteral(".png");
  return base + QStringLiteral("@%1x.png").arg(s);
}

bool Save(const QImage& img, const QString& path, SaveMode mode) {
  if (mode == SaveMode::kCheck) {
    const QImage stored(path);
    if (stored.isNull()) {
      std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
      return false;
    }
    const QImage::Format argb = QImage::Format_ARGB32_Premultiplied;
    if (stored.convertToFormat(argb) != img.convertToFormat(argb)) {
      std::fprintf(stderr, "%s: its pixels are not the drawing's\n", qPrintable(path));
      return false;
    }
    return true;
  }
  QDir().mkpath(QFileInfo(path).absolutePath());
  if (!img.save(path, "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace lorvane::draw
