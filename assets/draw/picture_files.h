// The picture files: their names at each scale, and writing a drawing to
// its file or comparing it with the one there.
#pragma once

#include <QImage>
#include <QString>

namespace lorvane::draw {

// The file name of picture `base` drawn at `s` device pixels to the pixel:
// "base.png" at 1x, "base@2x.png" at 2x.
QString ScaledName(const QString& base, int s);

// What Save does with a drawing: write it, or (--check) compare it with the
// file already there.
enum class SaveMode { kWrite, kCheck };

// Writes `img` to `path` as PNG, making its folder, or compares it with the
// file at `path` pixel by pixel (premultiplied, so what a fully transparent
// pixel's colour channels hold does not count). Says on stderr what failed.
bool Save(const QImage& img, const QString& path, SaveMode mode);

}  // namespace lorvane::draw
