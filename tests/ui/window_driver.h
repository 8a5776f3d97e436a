// Drives the game window as a person would, through real mouse events, and
// checks its state against the rules.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <memory>

#include "main_window.h"

namespace lorvane::testing {

// Closes every modal message box as soon as it is open, pressing its OK
// button, and keeps what it said.
class MessageCloser : public QObject {
  Q_OBJECT

 public:
  MessageCloser();
  QStringList messages;
  QStringList titles;
  QStringList okTexts;
  int buttonCounts = 0;  // the largest number of buttons any box had

 private:
  void CloseOpenBox();
  QTimer timer_;
};

// A shown, active game window.
std::unique_ptr<MainWindow> OpenWindow();

// Base of the tests that play: a fresh, shown game window for every test
// function, and a closer for the message boxes it opens.
class GameWindowTest : public QObject {
  Q_OBJECT

 protected:
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<MessageCloser> closer_;
  MainWindow& W() { return *window_; }

 protected slots:
  void initTestCase();
  void init();
  void cleanup();
};

// The centre of point (x, y) in the client area.
QPoint PointCentre(int x, int y);

// Moves the mouse to client position p and clicks there: the click goes to
// the topmost control under p, as the window system would deliver it.
void ClickAt(MainWindow& window, QPoint p);
void MoveMouseTo(MainWindow& window, QPoint p);
// Clicks the centre of point (x, y).
void ClickPoint(MainWindow& window, int x, int y);
// Presses a picture button: moves onto its normal picture, then clicks the
// bright one that comes up.
void PressButton(MainWindow& window, PictureControl* normal);
// Picks a menu item the way the menu does when it is clicked.
void PickMenuItem(QAction* item);

// The widget that receives clicks at client position p.
QWidget* WidgetAt(MainWindow& window, QPoint p);

// The lines the lists must hold for the recorded histories, re-formatted by
// replaying the game from the initial position.
struct ExpectedLists {
  QStringList player;
  QStringList computer;
};
ExpectedLists ListsFromHistories(const MoveHistory& player, const MoveHistory& computer);
QStringList ListLines(const QListWidget* list);

// Everything that must agree after every step: the board is the initial
// position replayed through both histories (captured codes included), the
// histories are in step, the lists hold their lines, and the pictures show
// the board. Returns an empty string when all agree, else what is wrong.
QString CheckConsistency(const MainWindow& window);

// The move a separate engine chooses for the computer on board at depth, or
// an empty record when it chooses none.
MoveRecord ReferenceReply(const Board& board, int depth);

// Plays a move by clicking the from-point, then the to-point.
void ClickMove(MainWindow& window, int fx, int fy, int tx, int ty);

// The keyboard: gives the board the focus as Tab does, moves the board
// cursor to (x, y) with the arrow keys, presses a key on the board.
void FocusBoardByTab(MainWindow& window);
void CursorTo(MainWindow& window, int x, int y);
void PressKey(MainWindow& window, Qt::Key key);
// Plays a move with the keyboard alone: Enter on the from-point, Space on
// the to-point.
void KeyMove(MainWindow& window, int fx, int fy, int tx, int ty);
// Presses a picture button through its accessible press action, as a screen
// reader does.
void PressAccessibly(PictureControl* picture);

// The board as the piece pictures show it: code read from each visible
// picture's place.
Board BoardFromPictures(const MainWindow& window);

}  // namespace lorvane::testing
