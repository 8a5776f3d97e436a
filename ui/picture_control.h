// A picture laid on the window: shows one picture stretched to its size,
// moves by Left and Top, and reports clicks (with its index in a control
// array) and mouse movement. It paints no background of its own, so the
// transparent parts of its picture show the controls beneath it.
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace lorvane {

// Loads a picture from the game's resources, the double-resolution file on
// high-DPI screens. A missing picture gives a null pixmap (nothing is shown).
QPixmap LoadPicture(const QString& path, qreal devicePixelRatio);

class PictureControl : public QWidget {
  Q_OBJECT

 public:
  // index is the control's place in its control array, -1 for a single one.
  PictureControl(QWidget* parent, const QString& name, int width, int height, int index = -1);

  void SetPicture(const QString& resourcePath);
  const QPixmap& Picture() const { return picture_; }
  int Index() const { return index_; }

  int Left() const { return x(); }
  int Top() const { return y(); }
  void SetLeft(int left) { move(left, y()); }
  void SetTop(int top) { move(x(), top); }
  void Place(int left, int top) { move(left, top); }

 signals:
  void Clicked(int index);
  void MouseMoved(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
  int index_;
  bool pressed_ = false;
};

}  // namespace lorvane
