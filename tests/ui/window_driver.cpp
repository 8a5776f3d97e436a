#include "window_driver.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>

#include "notation.h"
#include "rendering.h"
#include "window_fonts.h"

namespace lorvane::testing {

MessageCloser::MessageCloser() {
  connect(&timer_, &QTimer::timeout, this, &MessageCloser::CloseOpenBox);
  timer_.start(0);
}

void MessageCloser::CloseOpenBox() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (box == nullptr || !box->isVisible()) return;
  messages << box->text();
  titles << box->windowTitle();
  if (box->buttons().size() > buttonCounts) buttonCounts = static_cast<int>(box->buttons().size());
  QAbstractButton* ok = box->button(QMessageBox::Ok);
  if (ok != nullptr) okTexts << ok->text();
  if (ok != nullptr)
    ok->click();
  else
    box->reject();
}

std::unique_ptr<MainWindow> OpenWindow() {
  auto window = std::make_unique<MainWindow>();
  window->show();
  if (!QTest::qWaitForWindowActive(window.get())) QApplication::setActiveWindow(window.get());
  return window;
}

QPoint PointCentre(int x, int y) { return QPoint(48 * x + 33, 48 * y + 47); }

QWidget* WidgetAt(MainWindow& window, QPoint p) {
  QWidget* target = window.client->childAt(p);
  return target != nullptr ? target : window.client;
}

void MoveMouseTo(MainWindow& window, QPoint p) {
  QWidget* target = WidgetAt(window, p);
  QTest::mouseMove(target, target->mapFrom(window.client, p));
}

void ClickAt(MainWindow& window, QPoint p) {
  QWidget* target = WidgetAt(window, p);
  const QPoint local = target->mapFrom(window.client, p);
  QTest::mouseMove(target, local);
  QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, local);
}

void ClickPoint(MainWindow& window, int x, int y) { ClickAt(window, PointCentre(x, y)); }

void PressButton(MainWindow& window, PictureControl* normal) {
  const QPoint centre = normal->geometry().center();
  MoveMouseTo(window, centre);
  ClickAt(window, centre);
}

void PickMenuItem(QAction* item) { item->trigger(); }

ExpectedLists ListsFromHistories(const MoveHistory& player, const MoveHistory& computer) {
  ExpectedLists lists;
  Board board = InitialBoard();
  for (int i = 0; i < kHistorySlots; ++i) {
    if (player.InUse(i)) {
      MovePiece(board, player.fromX[i], player.fromY[i], player.toX[i], player.toY[i]);
      lists.player << QString::fromStdString(FormatPlayerMove(
          board, player.fromX[i], player.fromY[i], player.toX[i], player.toY[i]));
    }
    if (computer.InUse(i)) {
      MovePiece(board, computer.fromX[i], computer.fromY[i], computer.toX[i], computer.toY[i]);
      lists.computer << QString::fromStdString(FormatComputerMove(
          board, computer.fromX[i], computer.fromY[i], computer.toX[i], computer.toY[i]));
    }
  }
  return lists;
}

QStringList ListLines(const QListWidget* list) {
  QStringList lines;
  for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
  return lines;
}

MoveRecord ReferenceReply(const Board& board, int depth) {
  static Engine engine;
  return engine.ChooseMove(board, Side::kComputer, depth).move.value_or(MoveRecord{});
}

void ClickMove(MainWindow& window, int fx, int fy, int tx, int ty) {
  ClickPoint(window, fx, fy);
  ClickPoint(window, tx, ty);
}

void FocusBoardByTab(MainWindow& window) { window.Image1->setFocus(Qt::TabFocusReason); }

void PressKey(MainWindow& window, Qt::Key key) { QTest::keyClick(window.Image1, key); }

void CursorTo(MainWindow& window, int x, int y) {
  for (int step = 0; step < kFiles && window.Cursor->File() != x; ++step)
    PressKey(window, window.Cursor->File() < x ? Qt::Key_Right : Qt::Key_Left);
  for (int step = 0; step < kRanks && window.Cursor->Rank() != y; ++step)
    PressKey(window, window.Cursor->Rank() < y ? Qt::Key_Down : Qt::Key_Up);
}

void KeyMove(MainWindow& window, int fx, int fy, int tx, int ty) {
  CursorTo(window, fx, fy);
  PressKey(window, Qt::Key_Return);
  CursorTo(window, tx, ty);
  PressKey(window, Qt::Key_Space);
}

void PressAccessibly(PictureControl* picture) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(picture);
  QAccessibleActionInterface* actions = iface != nullptr ? iface->actionInterface() : nullptr;
  if (actions != nullptr && actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
    actions->doAction(QAccessibleActionInterface::pressAction());
}

Board BoardFromPictures(const MainWindow& window) {
  Board board;
  for (int k = 0; k < 32; ++k) {
    const PictureControl* piece = window.Image2[k];
    if (!piece->isVisibleTo(window.client)) continue;
    const int x = (piece->Left() - 12) / 48;
    const int y = (piece->Top() - 26) / 48;
    if (PointLeft(x) != piece->Left() || PointTop(y) != piece->Top() || !OnBoard(x, y)) {
      board(0, 0) = 0xFF;  // a picture off the grid: never equal to a real board
      continue;
    }
    board(x, y) = PictureCode(k);
  }
  return board;
}

QString CheckConsistency(const MainWindow& window) {
  const MoveHistory& player = window.Game().PlayerHistory;
  const MoveHistory& computer = window.Rules().ComputerHistory;
  // Slots are taken from 0 upwards with no gaps, and the computer's reply
  // exists for every turn but possibly the last.
  const int turns = player.Count();
  for (int i = turns; i < kHistorySlots; ++i)
    if (player.InUse(i)) return QStringLiteral("player history has a gap before slot %1").arg(i);
  const int replies = computer.Count();
  for (int i = replies; i < kHistorySlots; ++i)
    if (computer.InUse(i)) return QStringLiteral("computer history has a gap before slot %1").arg(i);
  if (replies != turns && replies != turns - 1)
    return QStringLiteral("%1 turns but %2 replies").arg(turns).arg(replies);
  if (replies == turns - 1 && window.Rules().CheckGenerals(window.Game().board, 0) == 0) {
    // A turn without reply is the end of the game; a later turn cannot exist.
    Engine probe;
    probe.board = window.Game().board;
    probe.SearchDepth = 2;
    if (probe.GenerateMoves(probe.board, 2, Side::kComputer) != 0)
      return QStringLiteral("a turn lacks its reply although the computer had moves");
  }

  // Replaying the histories gives the board, and every captured code is the
  // piece that stood on the target.
  Board board = InitialBoard();
  for (int i = 0; i < kHistorySlots; ++i) {
    const MoveHistory* histories[2] = {&player, &computer};
    for (const MoveHistory* h : histories) {
      if (!h->InUse(i)) continue;
      const std::uint8_t mover = board(h->fromX[i], h->fromY[i]);
      if (h == &player ? !IsPlayerPiece(mover) : !IsComputerPiece(mover))
        return QStringLiteral("slot %1 moves a piece of the wrong side").arg(i);
      const std::uint8_t taken =
          MovePiece(board, h->fromX[i], h->fromY[i], h->toX[i], h->toY[i]);
      if (taken != h->captured[i])
        return QStringLiteral("slot %1 recorded capture %2 but took %3")
            .arg(i)
            .arg(h->captured[i])
            .arg(taken);
    }
  }
  if (board != window.Game().board) return QStringLiteral("board differs from the replayed histories");
  if (BoardFromPictures(window) != window.Game().board)
    return QStringLiteral("pictures do not show the board");

  const ExpectedLists lists = ListsFromHistories(player, computer);
  if (ListLines(window.List1) != lists.player)
    return QStringLiteral("List1 %1 != %2")
        .arg(ListLines(window.List1).join(QLatin1Char('|')), lists.player.join(QLatin1Char('|')));
  if (ListLines(window.List2) != lists.computer)
    return QStringLiteral("List2 %1 != %2")
        .arg(ListLines(window.List2).join(QLatin1Char('|')),
             lists.computer.join(QLatin1Char('|')));
  // Between clicks it is the player's turn and nothing is being tried.
  if (window.Game().TargetPoint.IsSet()) return QStringLiteral("a target point is left set");
  const GamePoint selected = window.Game().SelectedPoint;
  if (selected.IsSet() && !IsPlayerPiece(window.Game().board(selected.x, selected.y)))
    return QStringLiteral("the selection is not on a player's piece");
  return QString();
}

void GameWindowTest::initTestCase() { SetUpFonts(); }

void GameWindowTest::init() {
  window_ = OpenWindow();
  closer_ = std::make_unique<MessageCloser>();
}

void GameWindowTest::cleanup() {
  closer_.reset();
  window_.reset();
}

}  // namespace lorvane::testing
