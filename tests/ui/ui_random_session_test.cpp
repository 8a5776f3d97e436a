// A long session of random clicks with a fixed seed: on pieces, legal and
// illegal targets, anywhere on the board and the window, the markers, the
// buttons, the menus, the difficulty and the About box. After every step the
// board must be the initial position replayed through both histories, the
// lists must hold those histories' lines, and every marker must stand on a
// point of the board.
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "window_driver.h"
#include "window_fonts.h"

using namespace lorvane;
using namespace lorvane::testing;

namespace {

struct Lcg {
  std::uint32_t state;
  int Next(int bound) {
    state = state * 1664525u + 1013904223u;
    return static_cast<int>((state >> 8) % static_cast<std::uint32_t>(bound));
  }
};

bool MarkerOnGrid(const MainWindow& w, const PictureControl* marker) {
  if (!marker->isVisibleTo(w.client)) return true;
  const int x = (marker->Left() - 12) / 48, y = (marker->Top() - 26) / 48;
  return OnBoard(x, y) && PointLeft(x) == marker->Left() && PointTop(y) == marker->Top();
}

int StepsToRun() {
  bool ok = false;
  const int steps = qEnvironmentVariableIntValue("LORVANE_RANDOM_STEPS", &ok);
  return ok && steps > 0 ? steps : 8000;
}

}  // namespace

class RandomSessionTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { SetUpFonts(); }

  void randomSession() {
    std::unique_ptr<MainWindow> window = OpenWindow();
    MessageCloser closer;
    MainWindow& w = *window;
    Lcg rng{20261208u};
    const int steps = StepsToRun();
    int played = 0, takenBack = 0, newGames = 0, generalsTaken = 0;
    for (int step = 0; step < steps; ++step) {
      const int turnsBefore = w.Game().PlayerHistory.Count();
      const int roll = rng.Next(1000);
      QString action;
      if (roll < 320) {
        // One of the player's pieces, or whatever stands on a random point;
        // now and then the one that can take the computer's general, so that
        // games also end with a turn the computer cannot answer.
        int x = rng.Next(kFiles), y = rng.Next(kRanks);
        for (int tries = 0; tries < 90 && !IsPlayerPiece(w.Game().board(x, y)); ++tries) {
          x = (x + 1) % kFiles;
          if (x == 0) y = (y + 1) % kRanks;
        }
        if (rng.Next(4) == 0) {
          const Board& b = w.Game().board;
          for (int gx = 3; gx <= 5; ++gx)
            for (int gy = 0; gy < kRanks; ++gy)
              if (b(gx, gy) == kComputerGeneral)
                for (int px = 0; px < kFiles; ++px)
                  for (int py = 0; py < kRanks; ++py)
                    if (IsPlayerPiece(b(px, py)) &&
                        IsLegalMove(b, static_cast<std::int16_t>(px), static_cast<std::int16_t>(py),
                                    static_cast<std::int16_t>(gx), static_cast<std::int16_t>(gy)))
                      x = px, y = py;
        }
        action = QStringLiteral("piece %1,%2").arg(x).arg(y);
        ClickPoint(w, x, y);
      } else if (roll < 560) {
        // A legal target of the selection, if there is one.
        const GamePoint from = w.Game().SelectedPoint;
        int tx = rng.Next(kFiles), ty = rng.Next(kRanks);
        // Captures come first when the selection has one.
        if (from.IsSet() && rng.Next(2) == 0) {
          for (int cx = 0; cx < kFiles; ++cx)
            for (int cy = 0; cy < kRanks; ++cy)
              if (IsComputerPiece(w.Game().board(cx, cy)) &&
                  IsLegalMove(w.Game().board, from.x, from.y, static_cast<std::int16_t>(cx),
                              static_cast<std::int16_t>(cy)) &&
                  (w.Game().board(tx, ty) != kComputerGeneral))
                tx = cx, ty = cy;
        }
        if (from.IsSet()) {
          for (int tries = 0; tries < 90; ++tries) {
            if (IsLegalMove(w.Game().board, from.x, from.y, static_cast<std::int16_t>(tx),
                            static_cast<std::int16_t>(ty)))
              break;
            tx = (tx + 1) % kFiles;
            if (tx == 0) ty = (ty + 1) % kRanks;
          }
        }
        action = QStringLiteral("target %1,%2").arg(tx).arg(ty);
        ClickPoint(w, tx, ty);
      } else if (roll < 720) {
        // Anywhere on the board picture, margins and gaps included.
        const QPoint p(rng.Next(452), 16 + rng.Next(501));
        action = QStringLiteral("board pixel %1,%2").arg(p.x()).arg(p.y());
        ClickAt(w, p);
      } else if (roll < 780) {
        const QPoint p(rng.Next(kClientWidth), rng.Next(kClientHeight));
        action = QStringLiteral("window pixel %1,%2").arg(p.x()).arg(p.y());
        ClickAt(w, p);
      } else if (roll < 830) {
        const QPoint p(rng.Next(kClientWidth), rng.Next(kClientHeight));
        action = QStringLiteral("move to %1,%2").arg(p.x()).arg(p.y());
        MoveMouseTo(w, p);
      } else if (roll < 890) {
        action = QStringLiteral("take back");
        if (rng.Next(2) == 0)
          PressButton(w, w.Image10);
        else
          PickMenuItem(w.Back);
        if (w.Game().PlayerHistory.Count() < turnsBefore) ++takenBack;
      } else if (roll < 900) {
        action = QStringLiteral("new game");
        if (rng.Next(2) == 0)
          PressButton(w, w.Image8);
        else
          PickMenuItem(w.Open);
        ++newGames;
      } else if (roll < 920) {
        action = QStringLiteral("draw offer");
        if (rng.Next(2) == 0)
          PressButton(w, w.Image12);
        else
          PickMenuItem(w.Tie);
      } else if (roll < 925) {
        action = QStringLiteral("resign");
        if (rng.Next(2) == 0)
          PressButton(w, w.Image14);
        else
          PickMenuItem(w.Lose);
        ++newGames;
      } else if (roll < 990) {
        action = QStringLiteral("difficulty");
        switch (rng.Next(4)) {
          case 0: PickMenuItem(w.low); break;
          case 1: PickMenuItem(w.High); break;
          case 2:
            QTest::mouseClick(w.Option1, Qt::LeftButton, Qt::NoModifier, QPoint(8, w.Option1->height() / 2));
            break;
          default:
            QTest::mouseClick(w.Option2, Qt::LeftButton, Qt::NoModifier, QPoint(8, w.Option2->height() / 2));
            break;
        }
      } else {
        action = QStringLiteral("about box");
        PickMenuItem(w.About);
        QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == w.AboutWindow(); }));
        QTest::mouseClick(w.AboutWindow()->Command1, Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == &w && !w.AboutWindow(); }));
        QCOMPARE(w.Game().PlayerHistory.Count(), 0);
        ++newGames;
      }
      if (w.Game().PlayerHistory.Count() > turnsBefore) {
        ++played;
        if (w.Game().PlayerHistory.captured[turnsBefore] == kComputerGeneral) ++generalsTaken;
      }

      const QString where = QStringLiteral("step %1 (%2): ").arg(step).arg(action);
      const QString problem = CheckConsistency(w);
      QVERIFY2(problem.isEmpty(), qPrintable(where + problem));
      for (const PictureControl* marker : {w.Image3, w.Image4, w.Image5, w.Image6})
        QVERIFY2(MarkerOnGrid(w, marker), qPrintable(where + marker->objectName()));
      QCOMPARE(w.low->isChecked(), w.Option1->isChecked());
      QCOMPARE(w.High->isChecked(), w.Option2->isChecked());
      QVERIFY(w.low->isChecked() != w.High->isChecked());
      QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
    // The session really played: moves, take-backs and new games all came up.
    qInfo("%d steps: %d moves played (%d taking the general), %d taken back, %d new games, %d messages",
          steps, played, generalsTaken, takenBack, newGames, static_cast<int>(closer.messages.size()));
    QVERIFY(played > 0);
    QVERIFY(takenBack > 0);
    QVERIFY(newGames > 0);
  }
};

QTEST_MAIN(RandomSessionTest)
#include "ui_random_session_test.moc"
