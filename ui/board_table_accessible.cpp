#include "board_table_accessible.h"

#include "geometry.h"

namespace lorvane {

namespace {

int CellIndex(int file, int rank) { return rank * kFiles + file; }

// One point of the board: a cell in its row (the rank) and column (the
// file), named by what stands there.
class BoardCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  BoardCellAccessible(QWidget* board, int file, int rank) : board_(board), file_(file), rank_(rank) {}

  // QAccessibleInterface
  bool isValid() const override { return Table() != nullptr; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(board_); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    const BoardTableAccessible* table = Table();
    if (t != QAccessible::Name || table == nullptr || table->Cursor() == nullptr) return QString();
    return table->Cursor()->WordsAt(file_, rank_);
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    const BoardTableAccessible* table = Table();
    return table ? table->CellRect(file_, rank_) : QRect();
  }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State s;
    const BoardTableAccessible* table = Table();
    s.focusable = true;
    s.focused = table != nullptr && table->CellFocused(file_, rank_);
    s.invisible = board_ == nullptr || !board_->isVisible();
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
  }

  // QAccessibleTableCellInterface
  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return file_; }
  int rowIndex() const override { return rank_; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  const BoardTableAccessible* Table() const {
    if (board_ == nullptr) return nullptr;
    return dynamic_cast<BoardTableAccessible*>(QAccessible::queryAccessibleInterface(board_));
  }

  QPointer<QWidget> board_;
  int file_;
  int rank_;
};

}  // namespace

BoardTableAccessible::BoardTableAccessible(QWidget* board)
    : QAccessibleWidget(board, QAccessible::Table) {}

BoardTableAccessible::~BoardTableAccessible() {
  for (QAccessible::Id id : cells_)
    if (id != 0) QAccessible::deleteAccessibleInterface(id);
}

void BoardTableAccessible::FocusCursorCell(BoardCursor* cursor) {
  QWidget* board = cursor->Board();
  if (!cursor->isVisible() || !board->hasFocus()) return;
  QAccessibleEvent focus(board, QAccessible::Focus);
  focus.setChild(CellIndex(cursor->File(), cursor->Rank()));
  QAccessible::updateAccessibility(&focus);
}

void* BoardTableAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

int BoardTableAccessible::childCount() const { return kFiles * kRanks; }

QAccessibleInterface* BoardTableAccessible::child(int index) const {
  if (index < 0 || index >= childCount()) return nullptr;
  QAccessible::Id& id = cells_[index];
  if (id == 0)
    id = QAccessible::registerAccessibleInterface(
        new BoardCellAccessible(widget(), index % kFiles, index / kFiles));
  return QAccessible::accessibleInterface(id);
}

int BoardTableAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const QAccessibleTableCellInterface* cell =
      child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
  if (cell == nullptr || child->parent() != this) return -1;
  return CellIndex(cell->columnIndex(), cell->rowIndex());
}

QAccessibleInterface* BoardTableAccessible::cellAt(int row, int column) const {
  if (row < 0 || row >= kRanks || column < 0 || column >= kFiles) return nullptr;
  return child(CellIndex(column, row));
}

// The cell whose point's click cell holds the screen point.
QAccessibleInterface* BoardTableAccessible::childAt(int x, int y) const {
  const QPoint client = widget()->parentWidget()->mapFromGlobal(QPoint(x, y));
  return cellAt(ClickRank(client.y()), ClickFile(client.x()));
}

QAccessibleInterface* BoardTableAccessible::focusChild() const {
  const BoardCursor* cursor = Cursor();
  if (cursor == nullptr || !CellFocused(cursor->File(), cursor->Rank())) return nullptr;
  return cellAt(cursor->Rank(), cursor->File());
}

bool BoardTableAccessible::CellFocused(int file, int rank) const {
  const BoardCursor* cursor = Cursor();
  return cursor != nullptr && cursor->isVisible() && widget()->hasFocus() &&
         cursor->File() == file && cursor->Rank() == rank;
}

// A point's click cell, in screen coordinates.
QRect BoardTableAccessible::CellRect(int file, int rank) const {
  const QWidget* client = widget()->parentWidget();
  const QPoint topLeft = client->mapToGlobal(
      QPoint(kClickLeft + file * kClickCell, kClickTop + rank * kClickCell));
  return QRect(topLeft, QSize(kClickCell, kClickCell));
}

}  // namespace lorvane
