// The two move lists, 玩家 and 电脑: list boxes with a slim vertical scroll
// bar that appears once a list holds more lines than it shows, kept scrolled
// together so that line i of one always stands beside line i of the other.
#pragma once

#include <QListWidget>

namespace lorvane {

class MoveList : public QListWidget {
  Q_OBJECT

 public:
  explicit MoveList(QWidget* parent);

  // Ties the two lists together: scrolling one scrolls the other to the same
  // line, and both scroll as far as the longer one needs.
  static void KeepInStep(MoveList* a, MoveList* b);

 protected:
  void updateGeometries() override;

 private:
  // Gives both lists the scroll range of the longer one.
  void ShareRange();

  MoveList* partner_ = nullptr;
  // The last line this list alone could scroll to the top.
  int ownMaximum_ = 0;
  // Set while Qt recomputes this list's range, when its scroll position may
  // move for a moment and must not be passed on.
  bool measuring_ = false;
};

}  // namespace lorvane
