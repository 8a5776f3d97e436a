// What a screen reader finds in the window: names for the board, the
// markers, the buttons and the lists, and a status that speaks the game's
// words.
#include <QListWidget>

#include "main_window.h"

namespace lorvane {

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

void MainWindow::SetUpAccessibility() {
  InstallAccessibleInterfaces();
  setAccessibleName(U("Lorvane 中国象棋"));
  // A table of the board's points (board_table_accessible.h).
  Image1->SetAccessibleRole(QAccessible::Table);
  Image1->setAccessibleName(U("棋盘"));
  Image1->setAccessibleDescription(
      U("方向键移动光标，回车或空格选子、走子，Esc 取消选择，F2 读出全盘"));
  Image3->setAccessibleName(U("选中"));
  Image4->setAccessibleName(U("目标"));
  Image5->setAccessibleName(U("电脑上一步起点"));
  Image6->setAccessibleName(U("电脑上一步终点"));

  // Both pictures of a button carry its name, and pressing either runs its
  // command.
  struct NamedButton {
    PictureControl* bright;
    PictureControl* dim;
    const char* name;
    void (MainWindow::*command)();
  };
  const NamedButton buttons[4] = {
      {Image7, Image8, "开始新局", &MainWindow::Image7_Click},
      {Image9, Image10, "悔棋", &MainWindow::Image9_Click},
      {Image11, Image12, "求和", &MainWindow::Image11_Click},
      {Image13, Image14, "认输", &MainWindow::Image13_Click},
  };
  for (const NamedButton& b : buttons) {
    for (PictureControl* picture : {b.bright, b.dim}) {
      picture->SetAccessibleRole(QAccessible::Button);
      picture->setAccessibleName(U(b.name));
      connect(picture, &PictureControl::Pressed, this,
              [this, command = b.command] { (this->*command)(); });
    }
  }

  List1->setAccessibleName(U("玩家着法"));
  List2->setAccessibleName(U("电脑着法"));
  Status = new SpokenStatus(this);
  Status->setAccessibleDescription(U("播报"));
}

void MainWindow::Announce(const QString& text) {
  if (Status != nullptr) Status->Say(text);
}

QString MainWindow::PointWords(int x, int y) const {
  return QString::fromStdString(game_.PointDescription(x, y));
}

void MainWindow::ReadPosition() { game_.ReadPosition(); }

}  // namespace lorvane
