// The keyboard cursor on the board: a frame around one point, drawn above
// the pieces while the board has the keyboard focus. The mouse passes
// through it. A screen reader is told what stands on its point.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

namespace lorvane {

class BoardCursor : public QWidget {
  Q_OBJECT

 public:
  explicit BoardCursor(QWidget* parent);

  int File() const { return file_; }
  int Rank() const { return rank_; }
  // Moves the frame around point (x, y).
  void PlaceOn(int x, int y);

  // What stands on the point, as a screen reader speaks it, asked of the
  // game each time so that it always tells the board as it is.
  QString Words() const { return words_ ? words_() : QString(); }
  void SetWordsSource(std::function<QString()> words) { words_ = std::move(words); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int file_ = 4;
  int rank_ = 9;
  std::function<QString()> words_;
};

}  // namespace lorvane
