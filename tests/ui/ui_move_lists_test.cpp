// The move lists and their frames: a long game played with the mouse brings
// up both scroll bars, keeps the newest lines in view and line i of 玩家 beside
// line i of 电脑, however the lists are scrolled, taken back or cleared.
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

#include "etched_frame.h"
#include "window_driver.h"

using namespace lorvane;
using namespace lorvane::testing;

namespace {

// The board seen from the other side, so that the engine picks the player's
// moves: his pieces become the computer's, turned half way round.
Board Turned(const Board& board) {
  Board turned;
  for (int x = 0; x < kFiles; ++x)
    for (int y = 0; y < kRanks; ++y) {
      const std::uint8_t code = board(x, y);
      turned(kFiles - 1 - x, kRanks - 1 - y) =
          IsPlayerPiece(code) ? code - 7 : IsComputerPiece(code) ? code + 7 : code;
    }
  return turned;
}

// Empty when line i of both lists stands at the same height (and, with
// newest, both show their last line in full), else what is wrong.
QString InStep(const MainWindow& w, bool newest = true) {
  QCoreApplication::processEvents();
  for (int row = 0; row < std::min(w.List1->count(), w.List2->count()); ++row)
    if (w.List1->visualItemRect(w.List1->item(row)).top() !=
        w.List2->visualItemRect(w.List2->item(row)).top())
      return QStringLiteral("line %1 is not side by side").arg(row);
  for (const QListWidget* list : {w.List1, w.List2}) {
    const QRect last = list->visualItemRect(list->item(list->count() - 1));
    if (newest && list->count() > 0 && (last.top() < 0 || last.bottom() >= list->viewport()->height()))
      return list->objectName() + QStringLiteral(" hides its newest line");
  }
  return QString();
}

bool BarsShown(const MainWindow& w) {
  return w.List1->verticalScrollBar()->isVisible() && w.List2->verticalScrollBar()->isVisible();
}

void ClickUpArrow(QListWidget* list) {
  QTest::mouseClick(list->verticalScrollBar(), Qt::LeftButton, Qt::NoModifier, QPoint(4, 2));
}

}  // namespace

class MoveListsTest : public GameWindowTest {
  Q_OBJECT

 private:
  void PlayTurns(int turns) {
    for (int t = 0; t < turns; ++t) {
      const MoveRecord m = ReferenceReply(Turned(W().Game().board), 2);
      const int replies = W().Rules().ComputerHistory.Count();
      ClickMove(W(), kFiles - 1 - m.FromX(), kRanks - 1 - m.FromY(), kFiles - 1 - m.ToX(),
                kRanks - 1 - m.ToY());
      QCOMPARE(W().Rules().ComputerHistory.Count(), replies + 1);
      QCOMPARE(InStep(W()), QString());
    }
    QCOMPARE(CheckConsistency(W()), QString());
  }

 private slots:
  void longGameScrollsInStep() {
    // Fifteen lines fit; the player's sixteenth brings up both bars at once,
    // before the computer's line comes (or for good, when it ends the game).
    PlayTurns(15);
    QVERIFY(!W().List1->verticalScrollBar()->isVisible());
    W().List1->addItem(QStringLiteral("x"));
    W().List1->scrollToBottom();
    QCOMPARE(InStep(W()), QString());
    QVERIFY(BarsShown(W()));
    delete W().List1->takeItem(15);
    QCOMPARE(InStep(W()), QString());
    QVERIFY(!W().List2->verticalScrollBar()->isVisible());

    PlayTurns(5);
    QVERIFY(BarsShown(W()));
    // Scrolling one list by its arrow takes the other along.
    const int bottom = W().List2->verticalScrollBar()->value();
    for (int i = 0; i < 3; ++i) ClickUpArrow(W().List1);
    QCOMPARE(W().List2->verticalScrollBar()->value(), bottom - 3);
    QCOMPARE(InStep(W(), false), QString());
    // A take-back brings the newest remaining lines back into view.
    PressButton(W(), W().Image10);
    QCOMPARE(W().List1->count(), 19);
    QCOMPARE(InStep(W()), QString());
    // A new game empties both lists and the bars go.
    PressButton(W(), W().Image8);
    QCoreApplication::processEvents();
    QVERIFY(!W().List1->verticalScrollBar()->isVisible());
    QVERIFY(!W().List2->verticalScrollBar()->isVisible());
  }

  // Each frame's etched top line runs through the middle of its caption; the
  // lists and option buttons lie inside the border, where they always stood.
  void framesHoldTheirControls() {
    PlayTurns(16);
    QCOMPARE(W().List1->geometry(), QRect(8, 16, 81, 280));
    QCOMPARE(W().List2->geometry(), QRect(8, 16, 81, 280));
    for (QWidget* widget : {W().Frame1, W().Frame2, W().Frame3}) {
      auto* frame = qobject_cast<EtchedFrame*>(widget);
      QVERIFY(frame != nullptr);
      const QRect inside = frame->BorderRect().adjusted(2, 2, -2, -2);
      for (QWidget* child : frame->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        QVERIFY2(inside.contains(child->geometry()), qPrintable(child->objectName()));

      const QImage image = frame->grab().toImage();
      const int line = frame->BorderRect().top();
      const int background = qGray(image.pixel(frame->width() / 2, line - 3));
      QVERIFY(qGray(image.pixel(2, line)) < background);
      QVERIFY(qGray(image.pixel(frame->width() - 4, line)) < background);
      int inkTop = image.height(), inkBottom = -1;
      const int captionEnd = 8 + frame->fontMetrics().horizontalAdvance(frame->title());
      for (int y = 0; y < frame->fontMetrics().height(); ++y)
        for (int x = 8; x < captionEnd; ++x)
          if (qGray(image.pixel(x, y)) < 96) inkTop = std::min(inkTop, y), inkBottom = y;
      QVERIFY2(inkTop < line && line < inkBottom, qPrintable(frame->title()));
    }
  }
};

QTEST_MAIN(MoveListsTest)
#include "ui_move_lists_test.moc"
