// New games, take-backs and the player's clicks, driven with the mouse:
// selection and refusal, the board path and the piece path, captures restored,
// the lists and histories kept in step, and the game's limits and end.
#include <QAction>
#include <QListWidget>
#include <QTest>

#include "notation.h"
#include "rendering.h"
#include "version.h"
#include "window_driver.h"
#include "window_fonts.h"

using namespace lorvane;
using namespace lorvane::testing;

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

#define CHECK_CONSISTENT(window)                       \
  do {                                                 \
    const QString problem = CheckConsistency(window);  \
    QVERIFY2(problem.isEmpty(), qPrintable(problem));  \
  } while (false)

bool Shown(const MainWindow& window, const PictureControl* picture, int x, int y) {
  return picture->isVisibleTo(window.client) && picture->pos() == QPoint(PointLeft(x), PointTop(y));
}

// Sets up a position that did not come from a game (histories empty).
void LoadPosition(MainWindow& window, const Board& board) {
  window.Game().board = board;
  window.RedrawPieces();
}

const char kGameOver[] = "已经结束!!!";

// Records every paint of the watched pictures with where they stood and how
// many replies the computer had recorded at that moment.
class PaintRecorder : public QObject {
 public:
  struct Paint {
    QObject* picture;
    QPoint pos;
    int replies;
  };
  PaintRecorder(const MainWindow& window) : window_(window) {}
  QList<Paint> paints;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      paints.append({watched, static_cast<QWidget*>(watched)->pos(),
                     window_.Rules().ComputerHistory.Count()});
    return false;
  }

 private:
  const MainWindow& window_;
};

}  // namespace

class GameTest : public GameWindowTest {
  Q_OBJECT

 private:
  // Plays one turn by the mouse and checks the reply against the engine.
  void PlayTurn(int fx, int fy, int tx, int ty) {
    Board expected = W().Game().board;
    MovePiece(expected, static_cast<std::uint8_t>(fx), static_cast<std::uint8_t>(fy),
              static_cast<std::uint8_t>(tx), static_cast<std::uint8_t>(ty));
    const MoveRecord reply = ReferenceReply(expected, 2);
    const int turn = W().Game().PlayerHistory.Count();
    ClickMove(W(), fx, fy, tx, ty);
    QCOMPARE(W().Game().PlayerHistory.Count(), turn + 1);
    const MoveHistory& computer = W().Rules().ComputerHistory;
    QCOMPARE(computer.Count(), turn + 1);
    QCOMPARE(int(computer.fromX[turn]), reply.FromX());
    QCOMPARE(int(computer.fromY[turn]), reply.FromY());
    QCOMPARE(int(computer.toX[turn]), reply.ToX());
    QCOMPARE(int(computer.toY[turn]), reply.ToY());
    QVERIFY(Shown(W(), W().Image5, reply.FromX(), reply.FromY()));
    QVERIFY(Shown(W(), W().Image6, reply.ToX(), reply.ToY()));
    CHECK_CONSISTENT(W());
  }

 private slots:
  void freshGame() {
    QVERIFY(W().Game().board == InitialBoard());
    QCOMPARE(W().Game().PlayerHistory.Count(), 0);
    QCOMPARE(W().Rules().ComputerHistory.Count(), 0);
    QCOMPARE(W().List1->count(), 0);
    QCOMPARE(W().List2->count(), 0);
    QVERIFY(!W().Game().SelectedPoint.IsSet());
    for (PictureControl* marker : {W().Image3, W().Image4, W().Image5, W().Image6})
      QVERIFY(!marker->isVisibleTo(W().client));
    CHECK_CONSISTENT(W());
  }

  void selectingAndRefusing() {
    // Nothing selected: the computer's pieces and the board do nothing.
    ClickPoint(W(), 1, 0);
    ClickPoint(W(), 4, 4);
    QVERIFY(!W().Game().SelectedPoint.IsSet());
    QVERIFY(!W().Image4->isVisibleTo(W().client));
    // An own piece is selected and framed; another own piece takes over.
    ClickPoint(W(), 7, 7);
    QCOMPARE(int(W().Game().SelectedPoint.x), 7);
    QCOMPARE(int(W().Game().SelectedPoint.y), 7);
    QVERIFY(Shown(W(), W().Image3, 7, 7));
    ClickPoint(W(), 6, 9);
    QCOMPARE(int(W().Game().SelectedPoint.x), 6);
    QVERIFY(Shown(W(), W().Image3, 6, 9));
    QVERIFY(!W().Image4->isVisibleTo(W().client));
    // An illegal target: refused, framed, and the selection dropped.
    ClickPoint(W(), 5, 5);
    QVERIFY(!W().Game().SelectedPoint.IsSet());
    QVERIFY(Shown(W(), W().Image4, 5, 5));
    QVERIFY(Shown(W(), W().Image3, 6, 9));
    QCOMPARE(W().List1->count(), 0);
    // After a refusal a click on an empty point does nothing.
    ClickPoint(W(), 4, 7);
    QVERIFY(W().Game().board == InitialBoard());
    QCOMPARE(W().Game().PlayerHistory.Count(), 0);
    // A cannon may not move to an empty point over a screen, nor take
    // without one.
    ClickMove(W(), 1, 7, 1, 1);
    QCOMPARE(W().Game().PlayerHistory.Count(), 0);
    ClickMove(W(), 1, 7, 1, 2);
    QCOMPARE(W().Game().PlayerHistory.Count(), 0);
    QVERIFY(closer_->messages.isEmpty());
    CHECK_CONSISTENT(W());
  }

  // The player's move is on the screen before the computer starts to think:
  // the moved piece and the target marker are painted while the reply is
  // still to come.
  void playerMoveShownBeforeReply() {
    PaintRecorder recorder(W());
    for (PictureControl* picture : W().Image2) picture->installEventFilter(&recorder);
    W().Image4->installEventFilter(&recorder);
    ClickMove(W(), 7, 7, 4, 7);
    QCOMPARE(W().Rules().ComputerHistory.Count(), 1);
    const QPoint target(PointLeft(4), PointTop(7));
    bool pieceEarly = false, markerEarly = false;
    for (const PaintRecorder::Paint& p : recorder.paints) {
      if (p.replies != 0 || p.pos != target) continue;
      if (p.picture == W().Image4) markerEarly = true;
      else if (IsPlayerPiece(PictureCode(static_cast<PictureControl*>(p.picture)->Index()))) pieceEarly = true;
    }
    QVERIFY(pieceEarly);
    QVERIFY(markerEarly);
  }

  void oneTurnWrittenAndTakenBack() {
    PlayTurn(7, 7, 4, 7);
    QCOMPARE(ListLines(W().List1), QStringList{U("【炮】二平三")});
    QCOMPARE(W().List2->count(), 1);
    QCOMPARE(int(W().Game().PlayerHistory.captured[0]), 0);
    PressButton(W(), W().Image10);
    QVERIFY(W().Game().board == InitialBoard());
    QCOMPARE(W().List1->count(), 0);
    QCOMPARE(W().List2->count(), 0);
    for (PictureControl* marker : {W().Image3, W().Image4, W().Image5, W().Image6})
      QVERIFY(!marker->isVisibleTo(W().client));
    CHECK_CONSISTENT(W());
  }

  // A capture by clicking the computer's piece is recorded with its code, and
  // one take-back restores both sides' captures.
  void capturesRestored() {
    PlayTurn(1, 7, 1, 0);
    QCOMPARE(int(W().Game().PlayerHistory.captured[0]), int(kComputerHorse));
    QCOMPARE(W().List1->item(0)->text(), U("【炮】八进十"));
    const MoveHistory& computer = W().Rules().ComputerHistory;
    Board afterPlayer = InitialBoard();
    MovePiece(afterPlayer, 1, 7, 1, 0);
    QCOMPARE(int(computer.captured[0]), int(afterPlayer(computer.toX[0], computer.toY[0])));
    PressButton(W(), W().Image10);
    QVERIFY(W().Game().board == InitialBoard());
    QVERIFY(BoardFromPictures(W()) == InitialBoard());
    CHECK_CONSISTENT(W());
  }

  void takeBacksWalkBackToTheStart() {
    QList<Board> before;
    const int moves[4][4] = {{7, 9, 6, 7}, {0, 9, 0, 8}, {2, 6, 2, 5}, {1, 9, 2, 7}};
    for (const auto& m : moves) {
      // Skip a move the computer's replies have made impossible.
      if (!IsPlayerPiece(W().Game().board(m[0], m[1])) ||
          !IsLegalMove(W().Game().board, static_cast<std::int16_t>(m[0]), static_cast<std::int16_t>(m[1]),
                       static_cast<std::int16_t>(m[2]), static_cast<std::int16_t>(m[3])))
        continue;
      before << W().Game().board;
      PlayTurn(m[0], m[1], m[2], m[3]);
    }
    QVERIFY(before.size() >= 2);
    while (!before.isEmpty()) {
      PickMenuItem(W().Back);
      QVERIFY(W().Game().board == before.takeLast());
      QCOMPARE(W().List1->count(), before.size());
      QCOMPARE(W().List2->count(), before.size());
      CHECK_CONSISTENT(W());
    }
    // One more take-back changes nothing.
    PressButton(W(), W().Image10);
    QVERIFY(W().Game().board == InitialBoard());
    CHECK_CONSISTENT(W());
  }

  void newGameThenTakeBackChangesNothing() {
    PlayTurn(7, 7, 4, 7);
    PlayTurn(1, 9, 2, 7);
    PressButton(W(), W().Image8);
    QVERIFY(W().Game().board == InitialBoard());
    QCOMPARE(W().List1->count(), 0);
    PickMenuItem(W().Back);
    QVERIFY(W().Game().board == InitialBoard());
    CHECK_CONSISTENT(W());
  }

  // A selection never outlives a take-back or a new game: the selected point
  // may no longer hold the piece.
  void selectionClearedByTakeBackAndNewGame() {
    PlayTurn(7, 7, 4, 7);
    ClickPoint(W(), 4, 7);  // select the cannon on its new point
    QVERIFY(W().Game().SelectedPoint.IsSet());
    PressButton(W(), W().Image10);
    QVERIFY(!W().Game().SelectedPoint.IsSet());
    ClickPoint(W(), 4, 5);  // would move from the now empty point
    QCOMPARE(W().Game().PlayerHistory.Count(), 0);
    QVERIFY(W().Game().board == InitialBoard());

    PlayTurn(7, 7, 4, 7);
    ClickPoint(W(), 4, 7);
    PickMenuItem(W().Open);
    QVERIFY(!W().Game().SelectedPoint.IsSet());
    ClickPoint(W(), 4, 5);
    QCOMPARE(W().Game().PlayerHistory.Count(), 0);
    QVERIFY(W().Game().board == InitialBoard());
    CHECK_CONSISTENT(W());
  }

  // A click between two pictures can land on an occupied point: the capture
  // is recorded like one made on the piece's picture.
  void boardPathCaptureRestored() {
    Board board = InitialBoard();
    MovePiece(board, 4, 3, 4, 5);  // the computer's centre pawn across the river
    LoadPosition(W(), board);
    ClickPoint(W(), 4, 6);
    const QPoint between(249, 290);  // right of the pawn's picture, in its click cell
    QCOMPARE(WidgetAt(W(), between), static_cast<QWidget*>(W().Image1));
    ClickAt(W(), between);
    QCOMPARE(W().Game().PlayerHistory.Count(), 1);
    QCOMPARE(int(W().Game().PlayerHistory.captured[0]), int(kComputerPawn));
    QCOMPARE(W().List1->item(0)->text(), U("【兵】五进一"));
    PressButton(W(), W().Image10);
    QVERIFY(W().Game().board == board);
  }

  // Clicks in the board picture's margins convert to points off the board:
  // refused, with no target marker and nothing played.
  void offBoardClicksRefused() {
    const QPoint left(2, 330);      // file -1
    const QPoint bottom(30, 515);   // rank 10
    QCOMPARE(WidgetAt(W(), left), static_cast<QWidget*>(W().Image1));
    QCOMPARE(WidgetAt(W(), bottom), static_cast<QWidget*>(W().Image1));
    ClickPoint(W(), 0, 6);
    ClickAt(W(), left);
    QVERIFY(!W().Game().SelectedPoint.IsSet());
    QVERIFY(!W().Image4->isVisibleTo(W().client));
    ClickPoint(W(), 0, 9);
    ClickAt(W(), bottom);
    QVERIFY(!W().Game().SelectedPoint.IsSet());
    QVERIFY(!W().Image4->isVisibleTo(W().client));
    QVERIFY(W().Game().board == InitialBoard());
    QCOMPARE(W().Game().PlayerHistory.Count(), 0);
    CHECK_CONSISTENT(W());
    // The bottom right corner's centre is still on the board: (417, 479)
    // targets file 8, rank 9.
    Board board = InitialBoard();
    MovePiece(board, 8, 9, 8, 8);
    LoadPosition(W(), board);
    ClickPoint(W(), 8, 8);
    QCOMPARE(WidgetAt(W(), QPoint(417, 479)), static_cast<QWidget*>(W().Image1));
    ClickAt(W(), QPoint(417, 479));
    QCOMPARE(W().Game().PlayerHistory.Count(), 1);
    QCOMPARE(int(W().Game().PlayerHistory.toX[0]), 8);
    QCOMPARE(int(W().Game().PlayerHistory.toY[0]), 9);
  }

  // The computer's from-marker on an empty point is a board click.
  void fromMarkerTakesBoardClicks() {
    bool tried = false;
    for (int turn = 0; turn < 6 && !tried; ++turn) {
      const MoveHistory& computer = W().Rules().ComputerHistory;
      if (turn > 0) {
        const int i = turn - 1;
        const int x = computer.fromX[i], y = computer.fromY[i];
        const QPoint centre = PointCentre(x, y);
        if (WidgetAt(W(), centre) == W().Image5) {
          for (int px = 0; px < kFiles && !tried; ++px)
            for (int py = 0; py < kRanks && !tried; ++py)
              if (IsPlayerPiece(W().Game().board(px, py)) &&
                  IsLegalMove(W().Game().board, static_cast<std::int16_t>(px), static_cast<std::int16_t>(py),
                              static_cast<std::int16_t>(x), static_cast<std::int16_t>(y))) {
                const int count = W().Game().PlayerHistory.Count();
                ClickPoint(W(), px, py);
                ClickAt(W(), centre);
                QCOMPARE(W().Game().PlayerHistory.Count(), count + 1);
                QCOMPARE(int(W().Game().PlayerHistory.toX[count]), x);
                QCOMPARE(int(W().Game().PlayerHistory.toY[count]), y);
                tried = true;
              }
        }
      }
      if (!tried) {
        // A quiet pawn or horse move to go on.
        const int moves[6][4] = {{1, 9, 2, 7}, {7, 9, 6, 7}, {0, 9, 0, 8}, {8, 9, 8, 8}, {2, 6, 2, 5}, {6, 6, 6, 5}};
        const auto& m = moves[turn];
        if (IsPlayerPiece(W().Game().board(m[0], m[1])) &&
            IsLegalMove(W().Game().board, static_cast<std::int16_t>(m[0]), static_cast<std::int16_t>(m[1]),
                        static_cast<std::int16_t>(m[2]), static_cast<std::int16_t>(m[3])))
          PlayTurn(m[0], m[1], m[2], m[3]);
      }
    }
    QVERIFY(tried);
    CHECK_CONSISTENT(W());
  }

  // The player takes the computer's general: the computer has no move and
  // plays none, not even the one it chose on an earlier turn. Every later
  // click says the game is over and plays nothing; take-back undoes the
  // player's move alone.
  void turnWithoutReply() {
    Board board = InitialBoard();
    board(4, 3) = kEmpty;
    board(4, 6) = kEmpty;
    MovePiece(board, 0, 9, 4, 4);
    LoadPosition(W(), board);
    W().Rules().BestMove.slot[1] = 0;  // a reply left from an earlier turn
    W().Rules().BestMove.slot[2] = 0;
    W().Rules().BestMove.slot[3] = 0;
    W().Rules().BestMove.slot[4] = 1;
    ClickPoint(W(), 4, 4);
    ClickPoint(W(), 4, 0);
    QCOMPARE(W().Game().PlayerHistory.Count(), 1);
    QCOMPARE(int(W().Game().PlayerHistory.captured[0]), int(kComputerGeneral));
    QCOMPARE(W().Rules().ComputerHistory.Count(), 0);
    QCOMPARE(ListLines(W().List1), QStringList{U("【车】五进十")});
    QCOMPARE(W().List2->count(), 0);
    QVERIFY(!W().Image5->isVisibleTo(W().client));
    Board taken = board;
    MovePiece(taken, 4, 4, 4, 0);
    QVERIFY(W().Game().board == taken);
    QVERIFY(closer_->messages.isEmpty());

    // The end is announced on every click, which is then handled; no move.
    ClickPoint(W(), 0, 6);
    QCOMPARE(closer_->messages, QStringList{U(kGameOver)});
    QVERIFY(Shown(W(), W().Image3, 0, 6));
    ClickPoint(W(), 0, 5);
    QCOMPARE(closer_->messages.size(), 2);
    QVERIFY(W().Game().board == taken);
    QCOMPARE(W().Game().PlayerHistory.Count(), 1);
    ClickPoint(W(), 1, 0);
    QCOMPARE(closer_->messages.size(), 3);
    QCOMPARE(closer_->titles.last(), QString::fromLatin1(kAppTitle));
    QCOMPARE(closer_->buttonCounts, 1);

    PressButton(W(), W().Image10);
    QVERIFY(W().Game().board == board);
    QCOMPARE(W().Game().PlayerHistory.Count(), 0);
    QCOMPARE(W().List1->count(), 0);
    // The game goes on from there.
    ClickMove(W(), 0, 6, 0, 5);
    QCOMPARE(W().Game().PlayerHistory.Count(), 1);
    QCOMPARE(W().Rules().ComputerHistory.Count(), 1);
    QCOMPARE(closer_->messages.size(), 3);
  }

  // A computer without any move (general, horse and advisors locking each
  // other in) cannot reply either; the game is over.
  void computerWithoutMoves() {
    Board board;
    board(4, 0) = kComputerGeneral;
    board(4, 1) = kComputerHorse;
    for (auto p : {std::pair{3, 0}, {5, 0}, {3, 1}, {5, 1}, {4, 2}}) board(p.first, p.second) = kComputerAdvisor;
    board(3, 9) = kPlayerGeneral;
    board(0, 9) = kPlayerChariot;
    LoadPosition(W(), board);
    QCOMPARE(int(W().Rules().GenerateMoves(board, 2, Side::kComputer)), 0);
    ClickMove(W(), 0, 9, 0, 8);
    QCOMPARE(W().Game().PlayerHistory.Count(), 1);
    QCOMPARE(W().Rules().ComputerHistory.Count(), 0);
    QCOMPARE(W().List2->count(), 0);
    ClickMove(W(), 0, 8, 0, 7);
    QCOMPARE(closer_->messages, QStringList({U(kGameOver), U(kGameOver)}));
    QCOMPARE(W().Game().PlayerHistory.Count(), 1);
    PickMenuItem(W().Back);
    QVERIFY(W().Game().board == board);
    QCOMPARE(W().List1->count(), 0);
  }

};

QTEST_MAIN(GameTest)
#include "ui_game_test.moc"
