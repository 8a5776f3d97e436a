#include "app_icon.h"

#include <QFile>
#include <QSize>
#include <QString>

namespace lorvane {

QIcon AppIcon() {
  QIcon icon;
  for (int pixels : {16, 22, 24, 32, 48, 64, 128, 256}) {
    // The browser's build embeds only the smaller ones.
    const QString file = QStringLiteral(":/pictures/icon/lorvane-%1.png").arg(pixels);
    if (QFile::exists(file)) icon.addFile(file, QSize(pixels, pixels));
  }
  return icon;
}

}  // namespace lorvane
