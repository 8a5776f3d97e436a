// The menus, the picture buttons with their hover pictures, the difficulty
// in its three places, the draw offer and resignation, the About box and
// the new game that activation brings.
#include <QAction>
#include <algorithm>
#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "version.h"
#include "window_driver.h"
#include "window_fonts.h"

using namespace lorvane;
using namespace lorvane::testing;

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

bool Visible(const MainWindow& w, const QWidget* picture) { return picture->isVisibleTo(w.client); }

// Which picture of each button shows: true for the bright one.
QList<bool> ButtonStates(const MainWindow& w) {
  return {Visible(w, w.Image7), Visible(w, w.Image9), Visible(w, w.Image11), Visible(w, w.Image13)};
}

bool ButtonsNormal(const MainWindow& w) {
  return ButtonStates(w) == QList<bool>({false, false, false, false}) && Visible(w, w.Image8) &&
         Visible(w, w.Image10) && Visible(w, w.Image12) && Visible(w, w.Image14);
}

void ClickOption(QRadioButton* option) {
  QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, QPoint(8, option->height() / 2));
}

const QPoint kBackground(460, 404);  // between the difficulty frame and the buttons

}  // namespace

class CommandsTest : public GameWindowTest {
  Q_OBJECT

 private:
  void PlayOneTurn() {
    ClickMove(W(), 7, 7, 4, 7);
    QCOMPARE(W().List1->count(), 1);
  }

 private slots:
  void hoverPictures() {
    QCOMPARE(WidgetAt(W(), kBackground), W().client);
    QVERIFY(ButtonsNormal(W()));
    PictureControl* normal[4] = {W().Image8, W().Image10, W().Image12, W().Image14};
    for (int b = 0; b < 4; ++b) {
      MoveMouseTo(W(), normal[b]->geometry().center());
      QList<bool> expected = {false, false, false, false};
      expected[b] = true;
      QCOMPARE(ButtonStates(W()), expected);
      QVERIFY(!Visible(W(), normal[b]));
      // Moving on over the bright picture keeps it.
      MoveMouseTo(W(), normal[b]->geometry().center() + QPoint(5, 3));
      QCOMPARE(ButtonStates(W()), expected);
      MoveMouseTo(W(), kBackground);
      QVERIFY(ButtonsNormal(W()));
    }
    // Two lit at once when the mouse skips the background between them.
    MoveMouseTo(W(), W().Image8->geometry().center());
    MoveMouseTo(W(), W().Image10->geometry().center());
    QCOMPARE(ButtonStates(W()), QList<bool>({true, true, false, false}));
    // The board and its pieces are background too.
    MoveMouseTo(W(), PointCentre(4, 5));
    QVERIFY(ButtonsNormal(W()));
    MoveMouseTo(W(), W().Image14->geometry().center());
    QVERIFY(Visible(W(), W().Image13));
    MoveMouseTo(W(), PointCentre(8, 9));
    QVERIFY(ButtonsNormal(W()));
  }

  // The commands answer only on the bright pictures; the new-game button
  // stays lit after its click until the mouse reaches the background.
  void buttonsStartAndTakeBack() {
    PlayOneTurn();
    PressButton(W(), W().Image10);
    QCOMPARE(W().List1->count(), 0);
    QVERIFY(Visible(W(), W().Image9));
    PlayOneTurn();
    PressButton(W(), W().Image8);
    QCOMPARE(W().List1->count(), 0);
    QVERIFY(W().Game().board == InitialBoard());
    QVERIFY(Visible(W(), W().Image7));
    MoveMouseTo(W(), kBackground);
    QVERIFY(ButtonsNormal(W()));
    QVERIFY(closer_->messages.isEmpty());
  }

  void drawOfferRefused() {
    PlayOneTurn();
    const Board board = W().Game().board;
    const QStringList list1 = ListLines(W().List1), list2 = ListLines(W().List2);
    PressButton(W(), W().Image12);
    PickMenuItem(W().Tie);
    QCOMPARE(closer_->messages, QStringList({U("不和！"), U("不和！")}));
    QCOMPARE(closer_->titles, QStringList({kAppTitle, kAppTitle}));
    QCOMPARE(closer_->okTexts, QStringList({U("确定"), U("确定")}));
    QCOMPARE(closer_->buttonCounts, 1);
    QVERIFY(W().Game().board == board);
    QCOMPARE(ListLines(W().List1), list1);
    QCOMPARE(ListLines(W().List2), list2);
    QVERIFY(ButtonsNormal(W()));
    const QString problem = CheckConsistency(W());
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
  }

  void resignStartsAgain() {
    PickMenuItem(W().High);
    PlayOneTurn();
    PressButton(W(), W().Image14);
    QCOMPARE(closer_->messages, QStringList{U("呵呵！算你还识相！")});
    QVERIFY(W().Game().board == InitialBoard());
    QCOMPARE(W().List1->count(), 0);
    QCOMPARE(W().List2->count(), 0);
    QVERIFY(ButtonsNormal(W()));
    QVERIFY(W().High->isChecked());
    QVERIFY(W().Option2->isChecked());
    QCOMPARE(W().Rules().SearchDepth, 3);
    PlayOneTurn();
    PickMenuItem(W().Lose);
    QCOMPARE(closer_->messages.size(), 2);
    QCOMPARE(W().List1->count(), 0);
  }

  // The menu's check marks, the option buttons and the search depth always
  // tell the same level.
  void difficultyInStep() {
    const auto check = [this](bool high) {
      QCOMPARE(W().High->isChecked(), high);
      QCOMPARE(W().low->isChecked(), !high);
      QCOMPARE(W().Option2->isChecked(), high);
      QCOMPARE(W().Option1->isChecked(), !high);
      QCOMPARE(int(W().Rules().SearchDepth), high ? 3 : 2);
    };
    PickMenuItem(W().High);
    check(true);
    PickMenuItem(W().High);  // the level already chosen: nothing changes
    check(true);
    ClickOption(W().Option1);
    check(false);
    ClickOption(W().Option1);
    check(false);
    PickMenuItem(W().low);
    check(false);
    ClickOption(W().Option2);
    check(true);
    PickMenuItem(W().low);
    check(false);
    // A new game keeps the level.
    PickMenuItem(W().High);
    PickMenuItem(W().Open);
    check(true);
  }

  void aboutBox() {
    PickMenuItem(W().About);
    AboutBox* about = W().AboutWindow();
    QVERIFY(about != nullptr);
    QVERIFY(about->isVisible());
    QVERIFY(!about->isModal());
    QCOMPARE(about->objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(about->size(), QSize(303, 220));
    QCOMPARE(about->Label1->text(), QString::fromLatin1(kAppTitle));
    QCOMPARE(about->Label1->geometry(), QRect(72, 32, 193, 17));
    QCOMPARE(about->Label1->font().pointSizeF(), 10.5);
    QCOMPARE(about->Label3->text(),
             U("LorvaneV") + QString::fromLatin1(kVersion) +
                 U("是一个简单的中国象棋人机对弈的小游戏。Lorvane难度分为两级，初级和高级，以适合不同用户的需要。"));
    QCOMPARE(about->Label3->geometry(), QRect(24, 72, 265, 65));
    QVERIFY(!about->Label2->text().isEmpty());
    QCOMPARE(about->Label2->geometry(), QRect(48, 152, 249, 17));
    QCOMPARE(about->Command1->text(), U("确定"));
    QCOMPARE(about->Command1->geometry(), QRect(40, 176, 185, 33));
    // Asking again shows the same box.
    PickMenuItem(W().About);
    QCOMPARE(W().AboutWindow(), about);
    const QByteArray dir = qgetenv("LORVANE_SHOT_DIR");
    if (!dir.isEmpty()) about->grab().save(QString::fromLocal8Bit(dir) + "/about.png");
    // The game stays usable while the box is open.
    QTRY_VERIFY(QApplication::activeWindow() == about);
    QApplication::setActiveWindow(window_.get());
    PlayOneTurn();
    QTest::mouseClick(about->Command1, Qt::LeftButton);
    QTRY_VERIFY(W().AboutWindow() == nullptr);
  }

  // Closing the About box, or coming back to the game while it is open,
  // starts a new game; a message box or another program does not.
  void activationRule() {
    PlayOneTurn();
    QTRY_VERIFY(QApplication::activeWindow() == window_.get());
    // Another program in between: the game stays.
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(window_.get());
    QCOMPARE(W().List1->count(), 1);

    // A message box in between: the game stays.
    bool boxWasActive = false;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, this, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr || !box->isVisible()) return;
      if (QApplication::activeWindow() != box) {
        box->activateWindow();
        return;
      }
      boxWasActive = true;
      box->button(QMessageBox::Ok)->click();
    });
    closer_.reset();
    watcher.start(0);
    PressButton(W(), W().Image12);
    watcher.stop();
    QVERIFY(boxWasActive);
    if (QApplication::activeWindow() != window_.get()) QApplication::setActiveWindow(window_.get());
    QTRY_VERIFY(QApplication::activeWindow() == window_.get());
    QCOMPARE(W().List1->count(), 1);

    // Back from the About box while it is open: a new game.
    PickMenuItem(W().About);
    QTRY_VERIFY(QApplication::activeWindow() == W().AboutWindow());
    QCOMPARE(W().List1->count(), 1);
    QApplication::setActiveWindow(window_.get());
    QCOMPARE(W().List1->count(), 0);
    QVERIFY(W().Game().board == InitialBoard());

    // Closing the About box with its button: a new game.
    PlayOneTurn();
    W().Image5->show();
    PickMenuItem(W().About);
    QTRY_VERIFY(QApplication::activeWindow() == W().AboutWindow());
    QTest::mouseClick(W().AboutWindow()->Command1, Qt::LeftButton);
    QTRY_VERIFY(W().AboutWindow() == nullptr);
    QTRY_VERIFY(QApplication::activeWindow() == window_.get());
    QCOMPARE(W().List1->count(), 0);
    QCOMPARE(W().List2->count(), 0);
    QVERIFY(!Visible(W(), W().Image5));
    QVERIFY(W().Game().board == InitialBoard());

    // The About box, then another program, then the game: a new game too.
    PlayOneTurn();
    PickMenuItem(W().About);
    QTRY_VERIFY(QApplication::activeWindow() == W().AboutWindow());
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(window_.get());
    QCOMPARE(W().List1->count(), 0);
  }

  // The window opens on a new game; becoming active for the first time must
  // not start another, or the click that activates it would be lost.
  void firstActivationKeepsTheOpeningGame() {
    window_.reset();
    auto fresh = std::make_unique<MainWindow>();
    QVERIFY(fresh->Game().board == InitialBoard());
    fresh->Image2_Click(27);  // a pawn picked up before the window is active
    QVERIFY(fresh->Game().SelectedPoint.IsSet());
    fresh->show();
    QVERIFY(QTest::qWaitForWindowActive(fresh.get()));
    QVERIFY(fresh->Game().SelectedPoint.IsSet());
    QVERIFY(fresh->Image3->isVisibleTo(fresh->client));
  }

  // Closing the game window takes the About box with it, so the program
  // ends with its last window.
  void closingTheWindowClosesAbout() {
    PickMenuItem(W().About);
    QVERIFY(W().AboutWindow() != nullptr);
    QVERIFY(W().close());
    QVERIFY(W().AboutWindow() == nullptr);
    const QWidgetList windows = QApplication::topLevelWidgets();
    QVERIFY(std::none_of(windows.cbegin(), windows.cend(), [](QWidget* t) { return t->isVisible(); }));
  }

  // Quit ends the program's event loop at once. Kept last: the application
  // runs no event loop after it.
  void quitEndsAtOnce() {
    QEventLoop loop;
    QTimer::singleShot(0, this, [this] { PickMenuItem(W().Quit); });
    QCOMPARE(loop.exec(), 0);
    QVERIFY(!W().isVisible());
  }
};

QTEST_MAIN(CommandsTest)
#include "ui_commands_test.moc"
