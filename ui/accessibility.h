// What screen readers see of the game window beyond Qt's own widgets: the
// picture controls as pictures, the board as a table of its points, buttons
// that can be pressed, and a status object that speaks the game's news.
#pragma once

#include <QString>
#include <QWidget>

namespace lorvane {

// Tells Qt's accessibility how to present the picture controls, the board
// (a picture whose role is a table) and the spoken status. Safe to call more
// than once.
void InstallAccessibleInterfaces();

// A status object of no size. Say() gives it new text and raises the events
// screen readers announce: the name change, the notification appearing anew
// (one that starts showing is read out) and an alert event, and hands the
// words to the system's own announcements where it has them. Said is
// emitted as well, whether or not a screen reader listens.
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
