// Playing with the keyboard: the board takes the focus with Tab, the arrow
// keys move a cursor over the 90 points, Enter or Space clicks what stands
// under it, Escape drops the selection and F2 reads the position. A key on a
// point is the same click a mouse makes there, handled by the same code.
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include "board_table_accessible.h"
#include "main_window.h"

namespace lorvane {

void MainWindow::SetUpKeyboardPlay() {
  // Tab reaches the board, a mouse click does not give it the focus.
  Image1->setFocusPolicy(Qt::TabFocus);
  Cursor = new BoardCursor(client, Image1);
  // Above the pieces and markers, below the file numbers.
  Cursor->stackUnder(Label1[17]);
  Cursor->SetWordsSource([this](int x, int y) { return PointWords(x, y); });
}

bool MainWindow::BoardEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::FocusIn: {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
          reason == Qt::ShortcutFocusReason)
        keyboardOnBoard_ = true;
      ShowCursorIfFocused();
      // After the toolkit has told the reader of the board itself.
      QTimer::singleShot(0, Cursor, [this] { CursorMoved(); });
      return false;
    }
    case QEvent::FocusOut:
      ShowCursorIfFocused();
      return false;
    case QEvent::KeyPress:
      break;
    default:
      return false;
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
  switch (key->key()) {
    case Qt::Key_Left: MoveBoardCursor(-1, 0); return true;
    case Qt::Key_Right: MoveBoardCursor(1, 0); return true;
    case Qt::Key_Up: MoveBoardCursor(0, -1); return true;
    case Qt::Key_Down: MoveBoardCursor(0, 1); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: ClickUnderCursor(); return true;
    case Qt::Key_Escape: DropSelection(); return true;
    case Qt::Key_F2: ReadPosition(); return true;
    default: return false;
  }
}

void MainWindow::ShowCursorIfFocused() {
  Cursor->setVisible(keyboardOnBoard_ && Image1->hasFocus());
}

// The cursor stops at the edges of the board.
void MainWindow::MoveBoardCursor(int dx, int dy) {
  keyboardOnBoard_ = true;
  const int x = qBound(0, Cursor->File() + dx, kFiles - 1);
  const int y = qBound(0, Cursor->Rank() + dy, kRanks - 1);
  Cursor->PlaceOn(x, y);
  ShowCursorIfFocused();
  CursorMoved();
}

// The reader's focus goes to the cell of the cursor's point.
void MainWindow::CursorMoved() { BoardTableAccessible::FocusCursorCell(Cursor); }

// A piece takes the click as its picture would; an empty point is a click on
// the board at that point.
void MainWindow::ClickUnderCursor() {
  keyboardOnBoard_ = true;
  if (Cursor->isHidden()) {
    ShowCursorIfFocused();
    CursorMoved();
  }
  game_.ClickPoint(Cursor->File(), Cursor->Rank());
}

void MainWindow::DropSelection() { game_.DropSelection(); }

}  // namespace lorvane
