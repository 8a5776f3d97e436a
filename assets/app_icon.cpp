#include "app_icon.h"

#include <QSize>
#include <QString>

namespace lorvane {

QIcon AppIcon() {
  QIcon icon;
  for (int pixels : {16, 22, 24, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/pictures/icon/lorvane-%1.png").arg(pixels), QSize(pixels, pixels));
  }
  return icon;
}

}  // namespace lorvane
