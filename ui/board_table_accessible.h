// The board as a screen reader meets it: a table of 10 rows and 9 columns,
// row 1 at the top, one cell a point, each cell named by what stands on its
// point. The keyboard cursor is the table's focus, so every step of the
// cursor is a move of the reader's focus to another cell, and the reader can
// say the row and column it lands on.
#pragma once

#include <QAccessibleWidget>
#include <array>

#include "board.h"
#include "board_cursor.h"

namespace lorvane {

class BoardTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit BoardTableAccessible(QWidget* board);
  ~BoardTableAccessible() override;

  // The reader's focus goes to the cell under the cursor, if the cursor is
  // shown on the focused board.
  static void FocusCursorCell(BoardCursor* cursor);

  // QAccessibleInterface
  void* interface_cast(QAccessible::InterfaceType type) override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;

  // QAccessibleTableInterface
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override;
  int columnCount() const override { return kFiles; }
  int rowCount() const override { return kRanks; }
  int selectedCellCount() const override { return 0; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  QString columnDescription(int) const override { return QString(); }
  QString rowDescription(int) const override { return QString(); }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

  // What a cell needs of its board.
  BoardCursor* Cursor() const { return BoardCursor::Over(widget()); }
  bool CellFocused(int file, int rank) const;
  QRect CellRect(int file, int rank) const;

 private:
  // The cells are made when first asked for and live as long as the table.
  mutable std::array<QAccessible::Id, kFiles * kRanks> cells_{};
};

}  // namespace lorvane
