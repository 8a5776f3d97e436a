// A picture laid on the window: shows one picture stretched to its size,
// moves by Left and Top, and reports clicks (with its index in a control
// array) and mouse movement. It paints no background of its own, so the
// transparent parts of its picture show the controls beneath it.
#pragma once

#include <QAccessible>
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

  // What a screen reader is told the picture is. A picture button also offers
  // a press action, which raises Pressed.
  void SetAccessibleRole(QAccessible::Role role) { role_ = role; }
  QAccessible::Role AccessibleRole() const { return role_; }
  bool IsPictureButton() const { return role_ == QAccessible::Button; }
  void Press() { emit Pressed(index_); }

 signals:
  void Clicked(int index);
  void MouseMoved(int index);
  void Pressed(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
  int index_;
  bool pressed_ = false;
  QAccessible::Role role_ = QAccessible::Graphic;
};

}  // namespace lorvane
