// What screen readers see of the game window beyond Qt's own widgets: the
// picture controls as pictures, a board and buttons that can be pressed, the
// keyboard cursor, and a status object that speaks the game's news.
#pragma once

#include <QString>
#include <QWidget>

namespace lorvane {

// Tells Qt's accessibility how to present the picture controls, the board
// cursor and the spoken status. Safe to call more than once.
void InstallAccessibleInterfaces();

// A status object of no size. Say() gives it new text and raises the events
// screen readers announce: the name change, the alert appearing anew (an
// alert that starts showing is read out) and an alert event. Said is emitted
// as well, whether or not a screen reader listens.
class SpokenStatus : public QWidget {
  Q_OBJECT

 public:
  explicit SpokenStatus(QWidget* parent);

  void Say(const QString& text);
  QString Text() const { return text_; }

 signals:
  void Said(const QString& text);

 private:
  QString text_;
};

}  // namespace lorvane
