// The game window: the board picture with its 32 piece pictures and four
// markers, the file numbers, the two move lists, the difficulty frame, the
// four picture buttons and the menu bar. It owns the game and plays the
// computer's turns through the engine.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <memory>
#include <optional>

#include "about_box.h"
#include "accessibility.h"
#include "board_cursor.h"
#include "engine.h"
#include "game_state.h"
#include "picture_control.h"

class QAction;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QRadioButton;

namespace lorvane {

// Size of the client area below the menu bar.
constexpr int kClientWidth = 651;
constexpr int kClientHeight = 538;

// Left and Top of a piece or marker picture standing on (x, y).
inline int PointLeft(int x) { return 48 * x + 12; }
inline int PointTop(int y) { return 48 * y + 26; }

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow();
  ~MainWindow() override;

  GameState& Game() { return game_; }
  const GameState& Game() const { return game_; }
  Engine& Rules() { return *engine_; }
  const Engine& Rules() const { return *engine_; }
  AboutBox* AboutWindow() const { return frmAbout; }

  // Game state (game_state.cpp).
  void Form_Load();
  void Form_Activate();
  void Image9_Click();

  // Drawing (rendering.cpp).
  void RedrawPieces();

  // Player input (player_input.cpp).
  void Image2_Click(int index);
  void Image1_Click();
  void Image5_Click();
  // A click on the board at point (file, rank), as the keyboard makes it.
  void BoardClickAt(int file, int rank);

  // Keyboard play (keyboard_play.cpp): the board takes the keyboard focus
  // and a cursor moves over its points.
  void MoveBoardCursor(int dx, int dy);
  // Enter or Space: a click on what stands under the cursor.
  void ClickUnderCursor();
  // Escape: the selection is dropped.
  void DropSelection();
  // The piece picture standing on (x, y), or -1.
  int PictureOn(int x, int y) const;

  // Spoken replies (spoken_replies.cpp).
  void Announce(const QString& text);
  // What the cursor's point holds, with the markers on it.
  QString CursorWords() const;
  void ReadPosition();

  // The computer's turn (computer_turn.cpp).
  void ComputerMove();

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

  // A modal message box with one OK button and the game's title.
  void ShowMessage(const QString& text);

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
  // After a turn has been played: the two move lines, captures, game end.
  void AnnounceTurn(int turn);
  // Whether the game has ended: a general is missing, or the last turn has
  // the player's move and no reply because the computer had no move.
  bool GameOver() const;
  // Tries the move from SelectedPoint to TargetPoint (already set and on the
  // board); plays it and the computer's reply if it is legal.
  void TryMove();
  // Plays the player's move on the window's board and records and lists it.
  void PlayPlayerMove();
  // Tries a move to a point computed from a picture or from the cursor, not
  // yet known to be on the board.
  void TryTarget(int file, int rank);
  // A click on the board: at the point given, or else at the point under
  // the mouse cursor as it is when the click is handled.
  void BoardClick(std::optional<QPoint> point);

  GameState game_;
  std::unique_ptr<Engine> engine_;
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
