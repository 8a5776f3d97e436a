// The keyboard cursor on the board: a frame around one point, drawn above
// the pieces while the board has the keyboard focus. The mouse passes
// through it. A screen reader meets the cursor as the focused cell of the
// board's table (board_table_accessible.h).
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

namespace lorvane {

class BoardCursor : public QWidget {
  Q_OBJECT

 public:
  // A cursor over `board`, drawn on `parent` above the pieces.
  BoardCursor(QWidget* parent, QWidget* board);
  QWidget* Board() const { return board_; }
  // The cursor moving over `board`, if it has one.
  static BoardCursor* Over(const QWidget* board);

  int File() const { return file_; }
  int Rank() const { return rank_; }
  // Moves the frame around point (x, y).
  void PlaceOn(int x, int y);

  // What stands on point (x, y), as a screen reader speaks it, asked of the
  // game each time so that it always tells the board as it is.
  QString WordsAt(int x, int y) const { return words_ ? words_(x, y) : QString(); }
  void SetWordsSource(std::function<QString(int x, int y)> words) { words_ = std::move(words); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int file_ = 4;
  int rank_ = 9;
  QWidget* board_;
  std::function<QString(int, int)> words_;
};

}  // namespace lorvane
