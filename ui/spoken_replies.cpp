// What the game says to a screen reader: each turn's two move lines with
// their captures and the end of the game, the selection, take-backs, new
// games and, on request, the whole position.
#include <QListWidget>

#include "main_window.h"
#include "spoken_words.h"

namespace lorvane {

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

void MainWindow::SetUpAccessibility() {
  InstallAccessibleInterfaces();
  setAccessibleName(U("Lorvane 中国象棋"));
  Image1->SetAccessibleRole(QAccessible::Canvas);
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

QString MainWindow::CursorWords() const {
  const int x = Cursor->File();
  const int y = Cursor->Rank();
  QString words = PointWords(game_.board, x, y);
  if (game_.SelectedPoint.IsSet() && game_.SelectedPoint.x == x && game_.SelectedPoint.y == y)
    words += U("，已选中");
  if (!Image6->isHidden() && Image6->pos() == QPoint(PointLeft(x), PointTop(y)))
    words += U("，电脑刚走到这里");
  return words;
}

void MainWindow::ReadPosition() { Announce(PositionWords(game_.board)); }

void MainWindow::AnnounceTurn(int turn) {
  const MoveHistory& player = game_.PlayerHistory;
  const MoveHistory& computer = engine_->ComputerHistory;
  QString text = U("玩家：") + List1->item(turn)->text();
  if (player.captured[turn] != kEmpty) text += U("，吃") + TakenWords(player.captured[turn]);
  text += U("。");
  const bool replied = computer.InUse(turn) && turn < List2->count();
  if (replied) {
    text += U("电脑：") + List2->item(turn)->text();
    if (computer.captured[turn] != kEmpty) text += U("，吃") + TakenWords(computer.captured[turn]);
    text += U("。");
  }
  // Both generals stood before this turn, so a missing one was taken in it.
  if (player.captured[turn] == kComputerGeneral)
    text += U("电脑的将已被吃掉，你赢了。");
  else if (replied && computer.captured[turn] == kPlayerGeneral)
    text += U("玩家的帅已被吃掉，电脑赢了。");
  else if (!replied)
    text += U("电脑无棋可走，棋局结束。");
  Announce(text);
}

}  // namespace lorvane
