// Whole games against the computer, played with the mouse or with the
// keyboard alone at both difficulties: after every turn the reply must be the one a separate engine
// finds on the same position, and the board, both histories, both lists and
// the pictures must agree; then every turn is taken back to the start.
#include <QAction>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <vector>

#include "notation.h"
#include "window_driver.h"
#include "window_fonts.h"

using namespace lorvane;
using namespace lorvane::testing;

namespace {

struct PlayerMove {
  int fx, fy, tx, ty;
};

std::vector<PlayerMove> LegalPlayerMoves(const Board& board) {
  std::vector<PlayerMove> moves;
  for (int fy = 0; fy < kRanks; ++fy)
    for (int fx = 0; fx < kFiles; ++fx) {
      if (!IsPlayerPiece(board(fx, fy))) continue;
      for (int ty = 0; ty < kRanks; ++ty)
        for (int tx = 0; tx < kFiles; ++tx)
          if (IsLegalMove(board, static_cast<std::int16_t>(fx), static_cast<std::int16_t>(fy),
                          static_cast<std::int16_t>(tx), static_cast<std::int16_t>(ty)))
            moves.push_back({fx, fy, tx, ty});
    }
  return moves;
}

// Whether one of the computer's pieces could take the player's general.
bool GeneralAttacked(const Board& board) {
  int gx = -1, gy = -1;
  for (int x = 0; x < kFiles; ++x)
    for (int y = 0; y < kRanks; ++y)
      if (board(x, y) == kPlayerGeneral) gx = x, gy = y;
  if (gx < 0) return true;
  for (int x = 0; x < kFiles; ++x)
    for (int y = 0; y < kRanks; ++y)
      if (IsComputerPiece(board(x, y)) &&
          IsLegalMove(board, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y),
                      static_cast<std::int16_t>(gx), static_cast<std::int16_t>(gy)))
        return true;
  return false;
}

// A small fixed-seed generator, so every run plays the same games.
struct Lcg {
  std::uint32_t state;
  std::uint32_t Next(std::uint32_t bound) {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) % bound;
  }
};

}  // namespace

class PlayTest : public GameWindowTest {
  Q_OBJECT

 private:
  // Moves, take-backs and clicks by keyboard and screen reader instead of
  // the mouse.
  bool keyboard_ = false;

  void PlayMove(int fx, int fy, int tx, int ty) {
    if (keyboard_)
      KeyMove(*window_, fx, fy, tx, ty);
    else
      ClickMove(*window_, fx, fy, tx, ty);
  }
  void ClickOn(int x, int y) {
    if (keyboard_) {
      CursorTo(*window_, x, y);
      PressKey(*window_, Qt::Key_Return);
    } else {
      ClickPoint(*window_, x, y);
    }
  }

  // Plays until a general has gone or the turn limit; the player's moves are
  // legal ones picked by the generator. Returns the number of turns played.
  int PlayGame(std::uint32_t seed, bool preferCaptures, int maxTurns) {
    MainWindow& w = *window_;
    Lcg rng{seed};
    const int base = w.Game().PlayerHistory.Count();
    int turns = 0;
    while (turns < maxTurns && w.Rules().CheckGenerals(w.Game().board, 0) == 0) {
      const Board before = w.Game().board;
      std::vector<PlayerMove> moves = LegalPlayerMoves(before);
      if (moves.empty()) break;
      // The player keeps his general out of reach where he can, and with
      // preferCaptures takes what he can.
      std::vector<PlayerMove> safe, captures;
      for (const PlayerMove& m : moves) {
        Board after = before;
        MovePiece(after, static_cast<std::uint8_t>(m.fx), static_cast<std::uint8_t>(m.fy),
                  static_cast<std::uint8_t>(m.tx), static_cast<std::uint8_t>(m.ty));
        if (GeneralAttacked(after) && after(m.tx, m.ty) != kComputerGeneral) continue;
        safe.push_back(m);
        if (before(m.tx, m.ty) != kEmpty) captures.push_back(m);
      }
      const std::vector<PlayerMove>& pool =
          preferCaptures && !captures.empty() ? captures : !safe.empty() ? safe : moves;
      const PlayerMove m = pool[rng.Next(static_cast<std::uint32_t>(pool.size()))];

      Board expected = before;
      const std::uint8_t taken = MovePiece(expected, static_cast<std::uint8_t>(m.fx), static_cast<std::uint8_t>(m.fy),
                                           static_cast<std::uint8_t>(m.tx), static_cast<std::uint8_t>(m.ty));
      const QString playerLine = QString::fromStdString(FormatPlayerMove(expected, m.fx, m.fy, m.tx, m.ty));
      const int depth = w.Option2->isChecked() ? 3 : 2;
      const MoveRecord reply = ReferenceReply(expected, depth);
      const bool replies = reply.FromX() != reply.ToX() || reply.FromY() != reply.ToY();
      QString computerLine;
      std::uint8_t replyTook = kEmpty;
      if (replies) {
        replyTook = MovePiece(expected, reply.slot[1], reply.slot[2], reply.slot[3], reply.slot[4]);
        computerLine = QString::fromStdString(
            FormatComputerMove(expected, reply.FromX(), reply.FromY(), reply.ToX(), reply.ToY()));
      }

      PlayMove(m.fx, m.fy, m.tx, m.ty);
      ++turns;
      const int i = base + turns - 1;
      const MoveHistory& player = w.Game().PlayerHistory;
      const MoveHistory& computer = w.Rules().ComputerHistory;
      const bool replyRecorded =
          computer.Count() == i + 1 && computer.fromX[i] == reply.slot[1] &&
          computer.fromY[i] == reply.slot[2] && computer.toX[i] == reply.slot[3] &&
          computer.toY[i] == reply.slot[4] && computer.captured[i] == replyTook &&
          w.List2->count() == i + 1 && w.List2->item(i)->text() == computerLine &&
          w.Image5->pos() == QPoint(PointLeft(reply.FromX()), PointTop(reply.FromY())) &&
          w.Image6->pos() == QPoint(PointLeft(reply.ToX()), PointTop(reply.ToY())) &&
          w.Image5->isVisibleTo(w.client) && w.Image6->isVisibleTo(w.client);
      QString problem;
      if (player.Count() != i + 1 || int(player.captured[i]) != int(taken))
        problem = QStringLiteral("the player's move was not recorded");
      else if (w.List1->item(i)->text() != playerLine)
        problem = QStringLiteral("List1 line");
      else if (w.Rules().SearchDepth != depth)
        problem = QStringLiteral("search depth differs from the option buttons");
      else if (replies && !replyRecorded)
        problem = QStringLiteral("the reply differs from the engine's choice");
      else if (!replies && (computer.Count() != i || w.List2->count() != i))
        problem = QStringLiteral("a reply was played although the engine chose none");
      else if (w.Game().board != expected)
        problem = QStringLiteral("board");
      else if (!closer_->messages.isEmpty())
        problem = QStringLiteral("a message during play");
      else
        problem = CheckConsistency(w);
      if (!problem.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("turn %1: ").arg(i) + problem), __FILE__, __LINE__);
        return turns;
      }
    }
    return turns;
  }

  // Takes every turn back with the button, checking each step.
  void TakeAllBack(int turns) {
    MainWindow& w = *window_;
    for (int t = turns; t > 0; --t) {
      if (keyboard_)
        PressAccessibly(w.Image10);
      else
        PressButton(w, w.Image10);
      QCOMPARE(w.Game().PlayerHistory.Count(), t - 1);
      QCOMPARE(w.List1->count(), t - 1);
      const QString problem = CheckConsistency(w);
      QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }
    QVERIFY(w.Game().board == InitialBoard());
    QCOMPARE(w.List2->count(), 0);
    QCOMPARE(w.Rules().ComputerHistory.Count(), 0);
  }

 private slots:
  void lowDifficultyGames_data() {
    QTest::addColumn<uint>("seed");
    QTest::addColumn<bool>("captures");
    QTest::addColumn<bool>("keyboard");
    QTest::newRow("random moves") << 11u << false << false;
    QTest::newRow("captures first") << 29u << true << false;
    QTest::newRow("random moves 2") << 4242u << false << false;
    QTest::newRow("keyboard, random moves") << 11u << false << true;
    QTest::newRow("keyboard, captures first") << 31u << true << true;
  }
  void lowDifficultyGames() {
    QFETCH(uint, seed);
    QFETCH(bool, captures);
    QFETCH(bool, keyboard);
    keyboard_ = keyboard;
    if (keyboard_) FocusBoardByTab(*window_);
    PickMenuItem(window_->low);
    const int turns = PlayGame(seed, captures, kHistorySlots);
    if (QTest::currentTestFailed()) return;
    qInfo("%d turns", turns);
    QVERIFY(turns > 1);
    // Decided: a general has gone, and the next click says so.
    if (window_->Rules().CheckGenerals(window_->Game().board, 0) != 0) {
      ClickOn(4, 4);
      QCOMPARE(closer_->messages, QStringList{QString::fromUtf8("已经结束!!!")});
    }
    TakeAllBack(turns);
  }

  void highDifficultyGame_data() {
    QTest::addColumn<bool>("keyboard");
    QTest::newRow("mouse") << false;
    QTest::newRow("keyboard") << true;
  }
  void highDifficultyGame() {
    QFETCH(bool, keyboard);
    keyboard_ = keyboard;
    // Chosen with the option button, as a player would.
    QRadioButton* high = window_->Option2;
    if (keyboard_) {
      // Tab to the high level's option button, Space on it, back to the board.
      high->setFocus(Qt::TabFocusReason);
      QTest::keyClick(high, Qt::Key_Space);
      FocusBoardByTab(*window_);
    } else {
      QTest::mouseClick(high, Qt::LeftButton, Qt::NoModifier, QPoint(8, high->height() / 2));
    }
    QVERIFY(high->isChecked());
    QVERIFY(window_->High->isChecked());
    const int turns = PlayGame(7u, true, kHistorySlots);
    if (QTest::currentTestFailed()) return;
    qInfo("%d turns", turns);
    QVERIFY(turns > 1);
    if (turns == kHistorySlots && window_->Rules().CheckGenerals(window_->Game().board, 0) == 0) {
      // Every slot used: the next move is refused with the reason.
      const Board full = window_->Game().board;
      const PlayerMove m = LegalPlayerMoves(full).front();
      PlayMove(m.fx, m.fy, m.tx, m.ty);
      QCOMPARE(closer_->messages.size(), 1);
      QVERIFY(closer_->messages.front().startsWith(QString::fromUtf8("本局已满八十一回合")));
      QVERIFY(window_->Game().board == full);
    }
    TakeAllBack(turns);
  }

  // The difficulty changed mid-game governs the next reply; the moves
  // already played stay.
  void difficultyChangedMidGame() {
    keyboard_ = false;
    PickMenuItem(window_->low);
    PlayGame(5u, false, 2);
    if (QTest::currentTestFailed()) return;
    const QStringList before = ListLines(window_->List1);
    PickMenuItem(window_->High);
    QCOMPARE(ListLines(window_->List1), before);
    QCOMPARE(window_->Rules().SearchDepth, 3);
    const int played = PlayGame(6u, false, 2);
    QCOMPARE(window_->Rules().SearchDepth, 3);
    QCOMPARE(window_->List1->count(), before.size() + played);
  }
};

QTEST_MAIN(PlayTest)
#include "ui_play_test.moc"
