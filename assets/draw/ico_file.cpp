#include "ico_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QList>

#include <cstdio>

#include "icon.h"

namespace lorvane::draw {

namespace {

// The icon's sizes in the file.
const int kIcoPixels[] = {16, 24, 32, 48, 64, 128, 256};

}  // namespace

bool SaveIco(const QString& path) {
  QList<QByteArray> pngs;
  for (int pixels : kIcoPixels) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!DrawIcon(pixels).save(&buffer, "PNG")) return false;
    pngs.append(png);
  }
  QByteArray ico;
  QDataStream out(&ico, QIODevice::WriteOnly);
  out.setByteOrder(QDataStream::LittleEndian);
  const int count = static_cast<int>(pngs.size());
  out << quint16(0) << quint16(1) << quint16(count);  // reserved, type icon, entries
  quint32 offset = 6 + 16 * count;
  for (int i = 0; i < count; ++i) {
    const quint8 side = kIcoPixels[i] >= 256 ? 0 : quint8(kIcoPixels[i]);  // 0 means 256
    out << side << side << quint8(0) << quint8(0)  // width, height, no palette, reserved
        << quint16(1) << quint16(32)               // planes, bits per pixel
        << quint32(pngs[i].size()) << offset;
    offset += pngs[i].size();
  }
  for (const QByteArray& png : pngs) out.writeRawData(png.constData(), png.size());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(ico) != ico.size()) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace lorvane::draw
