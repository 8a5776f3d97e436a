// The game as a screen reader and a keyboard player meet it: the accessible
// names and roles of every control and piece through new game, capture and
// take-back; the keyboard cursor; and what the game announces.
#include <QAccessible>
#include <QListWidget>
#include <QMap>
#include <QRadioButton>
#include <QTest>

#include "spoken_words.h"
#include "window_driver.h"

using namespace lorvane;
using namespace lorvane::testing;

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

QAccessibleInterface* Access(QObject* object) { return QAccessible::queryAccessibleInterface(object); }
QString NameOf(QObject* object) { return Access(object)->text(QAccessible::Name); }

// What the game's status object said since the list was last cleared.
QStringList g_said;

// Each visible piece picture is named for the piece the board holds at its
// point; a hidden picture is nameless.
QString PieceNameProblem(const MainWindow& window) {
  for (int k = 0; k < 32; ++k) {
    PictureControl* piece = window.Image2[k];
    const QString name = NameOf(piece);
    if (piece->isHidden()) {
      if (!name.isEmpty()) return QStringLiteral("hidden picture %1 is named %2").arg(k).arg(name);
      continue;
    }
    const int x = piece->Left() / 48, y = piece->Top() / 48;
    const QString expected = QString::fromStdString(PieceWords(window.Game().board(x, y), x, y));
    if (expected.isEmpty() || name != expected)
      return QStringLiteral("picture %1 is named %2, not %3").arg(k).arg(name, expected);
  }
  return QString();
}

// The reader's focus within the board's table: the focused cell's name, or
// nothing.
QString FocusedCellName(const MainWindow& window) {
  QAccessibleInterface* cell = Access(window.Image1)->focusChild();
  if (cell == nullptr || !cell->state().focused) return QString();
  return cell->text(QAccessible::Name);
}

QStringList PieceNames(const MainWindow& window) {
  QStringList names;
  for (PictureControl* piece : window.Image2) names << NameOf(piece);
  return names;
}

}  // namespace

class AccessTest : public GameWindowTest {
  Q_OBJECT

 private slots:
  void init() {
    GameWindowTest::init();
    g_said.clear();
    connect(W().Status, &SpokenStatus::Said, this, [](const QString& text) { g_said << text; });
  }

  void controlsNamedWithRoles() {
    MainWindow& w = W();
    QCOMPARE(NameOf(&w), U("Lorvane 中国象棋"));
    QCOMPARE(NameOf(w.Image1), U("棋盘"));
    QVERIFY(Access(w.Image1)->state().focusable);
    QVERIFY(!Access(w.Image1)->text(QAccessible::Description).isEmpty());
    const QList<std::pair<PictureControl*, const char*>> buttons = {
        {w.Image7, "开始新局"}, {w.Image8, "开始新局"}, {w.Image9, "悔棋"}, {w.Image10, "悔棋"},
        {w.Image11, "求和"},     {w.Image12, "求和"},     {w.Image13, "认输"}, {w.Image14, "认输"}};
    for (const auto& [picture, name] : buttons) {
      QCOMPARE(Access(picture)->role(), QAccessible::Button);
      QCOMPARE(NameOf(picture), U(name));
      QVERIFY(Access(picture)->actionInterface()->actionNames().contains(
          QAccessibleActionInterface::pressAction()));
    }
    QCOMPARE(NameOf(w.Image3), U("选中"));
    QCOMPARE(NameOf(w.Image4), U("目标"));
    QCOMPARE(NameOf(w.Image5), U("电脑上一步起点"));
    QCOMPARE(NameOf(w.Image6), U("电脑上一步终点"));
    QCOMPARE(NameOf(w.List1), U("玩家着法"));
    QCOMPARE(NameOf(w.List2), U("电脑着法"));
    QCOMPARE(NameOf(w.Option1), U("低难度"));
    QCOMPARE(Access(w.Image2[0])->role(), QAccessible::Graphic);
  }

  // The board is a table of its points, row by row from the top. Each cell
  // is found again from its row and column and by the screen point at its
  // centre, and a cell holding a piece begins with the name of the piece's
  // picture; no cell has the focus until the keyboard is on the board.
  void boardIsATableOfItsPoints() {
    MainWindow& w = W();
    QAccessibleInterface* board = Access(w.Image1);
    QCOMPARE(board->role(), QAccessible::Table);
    QAccessibleTableInterface* table = board->tableInterface();
    QVERIFY(table != nullptr);
    QCOMPARE(table->rowCount(), 10);
    QCOMPARE(table->columnCount(), 9);
    QCOMPARE(board->childCount(), 90);
    QCOMPARE(board->focusChild(), nullptr);
    QMap<QPair<int, int>, QString> pictureNames;
    for (PictureControl* piece : w.Image2)
      if (piece->isVisible()) pictureNames[{piece->Left() / 48, piece->Top() / 48}] = NameOf(piece);
    QCOMPARE(pictureNames.size(), 32);
    for (int i = 0; i < board->childCount(); ++i) {
      QAccessibleInterface* cell = board->child(i);
      QAccessibleTableCellInterface* place = cell->tableCellInterface();
      const int x = place->columnIndex(), y = place->rowIndex();
      QCOMPARE(cell->role(), QAccessible::Cell);
      QCOMPARE(board->indexOfChild(cell), i);
      QCOMPARE(table->cellAt(y, x), cell);
      QCOMPARE(cell->parent(), board);
      QCOMPARE(board->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
      const QString name = cell->text(QAccessible::Name);
      if (pictureNames.contains({x, y}))
        QVERIFY2(name.startsWith(pictureNames[{x, y}]), qPrintable(name));
      else
        QVERIFY2(name.startsWith(U("空位")), qPrintable(name));
    }
    FocusBoardByTab(w);
    PressKey(w, Qt::Key_Left);
    QCOMPARE(board->focusChild(), table->cellAt(9, 3));
    QCOMPARE(FocusedCellName(w), U("玩家的士，六路，第一行"));
  }

  // Pictures are handed to other pieces on every redraw; their names follow.
  void pieceNamesFollowTheGame() {
    MainWindow& w = W();
    QCOMPARE(NameOf(w.Image2[0]), U("电脑的将，５路，第１行"));
    QCOMPARE(NameOf(w.Image2[2]), U("电脑的车，９路，第１行"));
    QCOMPARE(NameOf(w.Image2[11]), U("电脑的卒，１路，第４行"));
    QCOMPARE(NameOf(w.Image2[16]), U("玩家的帅，五路，第一行"));
    QCOMPARE(NameOf(w.Image2[17]), U("玩家的车，九路，第一行"));
    QCOMPARE(NameOf(w.Image2[25]), U("玩家的炮，八路，第三行"));
    QCOMPARE(PieceNameProblem(w), QString());
    const QStringList opening = PieceNames(w);

    // The cannon takes the horse behind the computer's cannon; the computer
    // answers.
    FocusBoardByTab(w);
    KeyMove(w, 7, 7, 7, 0);
    QCOMPARE(w.Game().PlayerHistory.captured[0], std::uint8_t(kComputerHorse));
    QCOMPARE(PieceNameProblem(w), QString());
    int hidden = 0;
    for (PictureControl* piece : w.Image2) hidden += piece->isHidden() ? 1 : 0;
    QCOMPARE(hidden, 1 + (w.Rules().ComputerHistory.captured[0] != kEmpty ? 1 : 0));

    PressAccessibly(w.Image10);
    QCOMPARE(w.Game().PlayerHistory.Count(), 0);
    QCOMPARE(PieceNames(w), opening);
  }

  // The cursor is drawn only while the board has the keyboard focus and the
  // keyboard has been used on it; the mouse never brings it up.
  void cursorOnlyForTheKeyboard() {
    MainWindow& w = W();
    QVERIFY(w.Cursor->isHidden());
    // The board holding the focus when the window opens looks no different
    // from the option button holding it.
    QVERIFY(w.Image1->hasFocus());
    const QImage opened = w.client->grab().toImage();
    w.Option1->setFocus(Qt::MouseFocusReason);
    QCOMPARE(w.client->grab().toImage(), opened);
    ClickPoint(w, 7, 7);
    ClickPoint(w, 4, 7);
    QCOMPARE(w.List1->count(), 1);
    QVERIFY(w.Cursor->isHidden());

    // Tab reaches the board from the option buttons.
    w.Option1->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 4 && !w.Image1->hasFocus(); ++i)
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(w.Image1->hasFocus());
    QVERIFY(w.Cursor->isVisible());
    QCOMPARE(w.Cursor->pos(), QPoint(PointLeft(4) - 4, PointTop(9) - 4));
    // The cursor stops at the board's edges.
    CursorTo(w, 0, 0);
    PressKey(w, Qt::Key_Left);
    PressKey(w, Qt::Key_Up);
    QCOMPARE(QPoint(w.Cursor->File(), w.Cursor->Rank()), QPoint(0, 0));
    w.Option1->setFocus(Qt::TabFocusReason);
    QVERIFY(w.Cursor->isHidden());

    // Seen beside the selection and around the computer's to-marker.
    FocusBoardByTab(w);
    CursorTo(w, 1, 7);
    PressKey(w, Qt::Key_Return);
    CursorTo(w, w.Image6->Left() / 48, w.Image6->Top() / 48);
    const QByteArray dir = qgetenv("LORVANE_SHOT_DIR");
    if (!dir.isEmpty()) w.client->grab().save(QString::fromLocal8Bit(dir) + "/keyboard-cursor.png");
  }

  // Each step names what stands under the cursor and moves the reader's
  // focus there; Enter selects, Escape drops the selection.
  void cursorTellsWhatStands() {
    MainWindow& w = W();
    FocusBoardByTab(w);
    g_said.clear();
    PressKey(w, Qt::Key_Up);
    QCOMPARE(FocusedCellName(w), U("空位，五路，第二行"));
    PressKey(w, Qt::Key_Down);
    PressKey(w, Qt::Key_Return);
    QCOMPARE(FocusedCellName(w), U("玩家的帅，五路，第一行，已选中"));
    QVERIFY(w.Image3->isVisible());
    PressKey(w, Qt::Key_Escape);
    QVERIFY(!w.Game().SelectedPoint.IsSet());
    QVERIFY(w.Image3->isHidden());
    QCOMPARE(g_said, QStringList({U("选中玩家的帅，五路，第一行"), U("取消选择")}));
    // With nothing selected, Enter on the computer's piece does nothing.
    CursorTo(w, 4, 0);
    PressKey(w, Qt::Key_Return);
    QVERIFY(!w.Game().SelectedPoint.IsSet());
  }

  // After every turn the reader hears both move lines as the lists show them,
  // with captures; then the end of the game; F2 reads the whole position.
  void turnsAndPositionAnnounced() {
    MainWindow& w = W();
    FocusBoardByTab(w);
    PressKey(w, Qt::Key_F2);
    const QString opening = g_said.last();
    QVERIFY2(opening.startsWith(U("电脑：将 ５路第１行；车 １路第１行、９路第１行；马 ２路第１行、８路第１行；")),
             qPrintable(opening));
    QVERIFY(opening.contains(U("。玩家：帅 五路第一行；车 九路第一行、一路第一行；")));
    QVERIFY(opening.endsWith(U("兵 九路第四行、七路第四行、五路第四行、三路第四行、一路第四行。")));

    g_said.clear();
    KeyMove(w, 7, 7, 7, 0);
    QString expected =
        U("玩家：") + w.List1->item(0)->text() + U("，吃电脑的马。电脑：") + w.List2->item(0)->text();
    const std::uint8_t retaken = w.Rules().ComputerHistory.captured[0];
    if (retaken != kEmpty) expected += U("，吃") + QString::fromStdString(TakenWords(retaken));
    QCOMPARE(g_said.last(), expected + U("。"));

    const QString reply = w.List2->item(0)->text();
    PressAccessibly(w.Image9);
    QCOMPARE(g_said.last(), U("悔棋：收回玩家 【炮】二进十，电脑 ") + reply);

    // The player's chariot takes the general: the game is over, and says so.
    Board board;
    board(4, 0) = kComputerGeneral;
    board(0, 3) = kComputerPawn;
    board(3, 9) = kPlayerGeneral;
    board(4, 5) = kPlayerChariot;
    w.Game().board = board;
    w.RedrawPieces();
    KeyMove(w, 4, 5, 4, 0);
    QCOMPARE(g_said.last(), U("玩家：【车】五进十，吃电脑的将。电脑的将已被吃掉，你赢了。"));
    QVERIFY(closer_->messages.isEmpty());
    PressKey(w, Qt::Key_Return);
    QCOMPARE(closer_->messages, QStringList{U("已经结束!!!")});
  }

  // A screen reader presses the picture buttons through their press action.
  void buttonsPressedByReader() {
    MainWindow& w = W();
    ClickMove(w, 7, 7, 4, 7);
    PressAccessibly(w.Image12);
    QCOMPARE(closer_->messages, QStringList{U("不和！")});
    QCOMPARE(w.List1->count(), 1);
    PressAccessibly(w.Image8);
    QCOMPARE(w.List1->count(), 0);
    ClickMove(w, 7, 7, 4, 7);
    PressAccessibly(w.Image14);
    QCOMPARE(closer_->messages.last(), U("呵呵！算你还识相！"));
    QCOMPARE(w.List1->count(), 0);
    QVERIFY(w.Game().board == InitialBoard());
  }
};

QTEST_MAIN(AccessTest)
#include "ui_access_test.moc"
