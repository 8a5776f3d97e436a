// The game window: the board picture with its 32 piece pictures and four
// markers, the file numbers, the two move lists, the difficulty frame, the
// four picture buttons and the menu bar. It is a view of the game it holds:
// its handlers pass the player's clicks and commands to the game, and it
// shows what the game reports.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <memory>
#include <string>

#include "about_box.h"
#include "accessibility.h"
#include "board_cursor.h"
#include "engine.h"
#include "game.h"
#include "game_view.h"
#include "geometry.h"
#include "picture_control.h"

class QAction;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QRadioButton;

namespace lorvane {

class MainWindow : public QMainWindow, public GameView {
  Q_OBJECT

 public:
  MainWindow();
  ~MainWindow() override;

  lorvane::Game& Game() { return game_; }
  const lorvane::Game& Game() const { return game_; }
  Engine& Rules() { return game_.Rules(); }
  const Engine& Rules() const { return game_.Rules(); }
  AboutBox* AboutWindow() const { return frmAbout; }

  // A new game and taking back a turn (commands.cpp).
  void Form_Activate();
  void Image9_Click();

  // Drawing (rendering.cpp).
  void RedrawPieces() override;

  // Player input (player_input.cpp).
  void Image2_Click(int index);
  void Image1_Click();
  void Image5_Click();

  // Keyboard play (keyboard_play.cpp): the board takes the keyboard focus
  // and a cursor moves over its points.
  void MoveBoardCursor(int dx, int dy);
  // Enter or Space: a click on what stands under the cursor.
  void ClickUnderCursor();
  // Escape: the selection is dropped.
  void DropSelection();

  // Spoken replies (spoken_replies.cpp).
  void Announce(const QString& text);
  // What point (x, y) holds, with the markers on it.
  QString PointWords(int x, int y) const;
  void ReadPosition();

  // Commands (commands.cpp).
  void Open_Click();
  void Back_Click();
  void Tie_Click();
  void Lose_Click();
  void Quit_Click();
  void low_Click();
  void High_Click();
  void Option1_Click();
  void Option2_Click();
  void About_Click();
  void Image7_Click();
  void Image11_Click();
  void Image13_Click();
  void Image8_MouseMove();
  void Image10_MouseMove();
  void Image12_MouseMove();
  void Image14_MouseMove();
  void Form_MouseMove();

  // What the game reports (game_view.cpp).
  void ShowMarker(Marker marker, int x, int y) override;
  void HideMarker(Marker marker) override;
  void AddLine(Side list, const std::string& line) override;
  void RemoveLine(Side list, int i) override;
  void ClearLines() override;
  // A modal message box with one OK button and the game's title; the game
  // goes on once it is closed.
  void ShowMessage(const std::string& text) override;
  void Say(const std::string& words) override;
  void ShowDifficulty(Level level) override;

  // The controls, named as the game's code refers to them.
  QWidget* client = nullptr;
  PictureControl* Image1 = nullptr;
  std::array<PictureControl*, 32> Image2{};
  PictureControl* Image3 = nullptr;
  PictureControl* Image4 = nullptr;
  PictureControl* Image5 = nullptr;
  PictureControl* Image6 = nullptr;
  PictureControl* Image7 = nullptr;
  PictureControl* Image8 = nullptr;
  PictureControl* Image9 = nullptr;
  PictureControl* Image10 = nullptr;
  PictureControl* Image11 = nullptr;
  PictureControl* Image12 = nullptr;
  PictureControl* Image13 = nullptr;
  PictureControl* Image14 = nullptr;
  std::array<QLabel*, 18> Label1{};
  QGroupBox* Frame1 = nullptr;
  QGroupBox* Frame2 = nullptr;
  QGroupBox* Frame3 = nullptr;
  QListWidget* List1 = nullptr;
  QListWidget* List2 = nullptr;
  QRadioButton* Option1 = nullptr;
  QRadioButton* Option2 = nullptr;

  QMenu* file = nullptr;
  QAction* Open = nullptr;
  QAction* Line = nullptr;
  QAction* Back = nullptr;
  QAction* Tie = nullptr;
  QAction* Lose = nullptr;
  QAction* Line1 = nullptr;
  QAction* Quit = nullptr;
  QMenu* Diff = nullptr;
  QAction* low = nullptr;
  QAction* High = nullptr;
  QMenu* Help = nullptr;
  QAction* About = nullptr;

  // Added for keyboard and screen-reader players.
  BoardCursor* Cursor = nullptr;
  SpokenStatus* Status = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildClientArea();
  void BuildMenus();
  void ConnectControls();
  void SetUpAccessibility();
  void SetUpKeyboardPlay();
  // Keys, focus changes and activation of the board; true when used up.
  bool BoardEvent(QEvent* event);
  void ShowCursorIfFocused();
  void CursorMoved();
  PictureControl* MarkerPicture(Marker marker) const;

  lorvane::Game game_;
  QPointer<AboutBox> frmAbout;
  // Activation: whether the window has been active yet, and whether the
  // About box was the last of the game's windows to be active.
  bool activatedOnce_ = false;
  bool aboutWasLastActive_ = false;
  // The board cursor is drawn only once the keyboard has been used on the
  // board, never for a mouse player.
  bool keyboardOnBoard_ = false;
};

}  // namespace lorvane
