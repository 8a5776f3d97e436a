#include "picture_control.h"

#include <QFile>
#include <QMouseEvent>
#include <QPainter>

namespace lorvane {

QPixmap LoadPicture(const QString& path, qreal devicePixelRatio) {
  if (devicePixelRatio > 1.0) {
    QString doubled = path;
    const int dot = doubled.lastIndexOf(QLatin1Char('.'));
    if (dot > 0) doubled.insert(dot, QLatin1String("@2x"));
    if (QFile::exists(doubled)) {
      QPixmap pixmap(doubled);
      if (!pixmap.isNull()) {
        pixmap.setDevicePixelRatio(2.0);
        return pixmap;
      }
    }
  }
  return QPixmap(path);
}

PictureControl::PictureControl(QWidget* parent, const QString& name, int width, int height,
                               int index)
    : QWidget(parent), index_(index) {
  setObjectName(name);
  setAttribute(Qt::WA_TranslucentBackground);
  setAttribute(Qt::WA_NoSystemBackground);
  setAutoFillBackground(false);
  // Every picture takes the mouse movement over it, so the window's own
  // background sees movement only where no picture lies.
  setMouseTracking(true);
  resize(width, height);
}

void PictureControl::SetPicture(const QString& resourcePath) {
  picture_ = LoadPicture(resourcePath, devicePixelRatioF());
  update();
}

void PictureControl::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(rect(), picture_);
}

void PictureControl::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
  event->accept();
}

// A click is a press and a release of the left button over the picture.
void PictureControl::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  if (rect().contains(event->position().toPoint())) emit Clicked(index_);
}

void PictureControl::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  emit MouseMoved(index_);
}

}  // namespace lorvane
