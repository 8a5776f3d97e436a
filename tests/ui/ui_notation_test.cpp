// The move lists' notation: the examples of the game's notation, both sides,
// with the pawn's closing number, the counted ranks and the one blank.
#include <QTest>

#include "notation.h"

using namespace lorvane;

namespace {

// The initial position with one move played on it.
Board After(int fx, int fy, int tx, int ty) {
  Board board = InitialBoard();
  board(tx, ty) = board(fx, fy);
  board(fx, fy) = kEmpty;
  return board;
}

Board Lone(std::uint8_t code, int x, int y) {
  Board board;
  board(x, y) = code;
  return board;
}

QString U(const char* s) { return QString::fromUtf8(s); }

}  // namespace

class NotationTest : public QObject {
  Q_OBJECT

 private slots:
  void playerExamples_data() {
    QTest::addColumn<int>("fx");
    QTest::addColumn<int>("fy");
    QTest::addColumn<int>("tx");
    QTest::addColumn<int>("ty");
    QTest::addColumn<QString>("line");
    QTest::newRow("cannon sideways") << 7 << 7 << 4 << 7 << U("【炮】二平三");
    QTest::newRow("horse forward") << 7 << 9 << 6 << 7 << U("【马】二进三");
    QTest::newRow("chariot forward") << 0 << 9 << 0 << 7 << U("【车】九进三");
    QTest::newRow("pawn forward") << 6 << 6 << 6 << 5 << U("【兵】三进一");
    QTest::newRow("general forward") << 4 << 9 << 4 << 8 << U("【帅】五进二");
    QTest::newRow("advisor") << 3 << 9 << 4 << 8 << U("【士】六进二");
    QTest::newRow("elephant") << 2 << 9 << 4 << 7 << U("【相】七进三");
  }
  void playerExamples() {
    QFETCH(int, fx);
    QFETCH(int, fy);
    QFETCH(int, tx);
    QFETCH(int, ty);
    QFETCH(QString, line);
    QCOMPARE(FormatPlayerMove(After(fx, fy, tx, ty), fx, fy, tx, ty), line);
  }

  void computerExamples_data() {
    QTest::addColumn<int>("fx");
    QTest::addColumn<int>("fy");
    QTest::addColumn<int>("tx");
    QTest::addColumn<int>("ty");
    QTest::addColumn<QString>("line");
    QTest::newRow("cannon sideways") << 1 << 2 << 4 << 2 << U("【炮】 2平3");
    QTest::newRow("horse forward") << 1 << 0 << 2 << 2 << U("【马】 2进3");
    QTest::newRow("pawn forward") << 2 << 3 << 2 << 4 << U("【卒】 3进1");
    QTest::newRow("general forward") << 4 << 0 << 4 << 1 << U("【将】 5进2");
    QTest::newRow("advisor") << 5 << 0 << 4 << 1 << U("【士】 6进2");
    QTest::newRow("elephant") << 6 << 0 << 8 << 2 << U("【象】 7进3");
    QTest::newRow("chariot far file") << 8 << 0 << 8 << 1 << U("【车】 9进2");
  }
  void computerExamples() {
    QFETCH(int, fx);
    QFETCH(int, fy);
    QFETCH(int, tx);
    QFETCH(int, ty);
    QFETCH(QString, line);
    QCOMPARE(FormatComputerMove(After(fx, fy, tx, ty), fx, fy, tx, ty), line);
  }

  // A pawn's line closes with one whatever its direction; every other piece
  // closes with the rank of its to-point from its own back rank.
  void pawnsCloseWithOne() {
    QCOMPARE(FormatPlayerMove(Lone(kPlayerPawn, 3, 4), 4, 4, 3, 4), U("【兵】五平一"));
    QCOMPARE(FormatPlayerMove(Lone(kPlayerPawn, 4, 0), 4, 1, 4, 0), U("【兵】五进一"));
    QCOMPARE(FormatComputerMove(Lone(kComputerPawn, 5, 6), 4, 6, 5, 6), U("【卒】 5平1"));
    QCOMPARE(FormatComputerMove(Lone(kComputerPawn, 4, 9), 4, 8, 4, 9), U("【卒】 5进1"));
  }

  void farRanksCloseWithTen() {
    QCOMPARE(FormatPlayerMove(Lone(kPlayerChariot, 0, 0), 0, 9, 0, 0), U("【车】九进十"));
    QCOMPARE(FormatPlayerMove(Lone(kPlayerHorse, 2, 0), 1, 2, 2, 0), U("【马】八进十"));
    QCOMPARE(FormatComputerMove(Lone(kComputerChariot, 8, 9), 8, 0, 8, 9), U("【车】 9进10"));
    QCOMPARE(FormatComputerMove(Lone(kComputerCannon, 1, 9), 1, 2, 1, 9), U("【炮】 2进10"));
  }

  // Sideways moves close with the current rank, not the target file.
  void sidewaysClosesWithRank() {
    QCOMPARE(FormatPlayerMove(Lone(kPlayerChariot, 3, 9), 0, 9, 3, 9), U("【车】九平一"));
    QCOMPARE(FormatComputerMove(Lone(kComputerChariot, 3, 0), 0, 0, 3, 0), U("【车】 1平1"));
    QCOMPARE(FormatPlayerMove(Lone(kPlayerCannon, 8, 5), 0, 5, 8, 5), U("【炮】九平五"));
  }

  // A retreat and an advance to the same rank close alike; the words differ.
  void retreatAndAdvanceToSameRank() {
    QCOMPARE(FormatPlayerMove(Lone(kPlayerChariot, 4, 5), 4, 3, 4, 5), U("【车】五退五"));
    QCOMPARE(FormatPlayerMove(Lone(kPlayerChariot, 4, 5), 4, 7, 4, 5), U("【车】五进五"));
    QCOMPARE(FormatComputerMove(Lone(kComputerHorse, 3, 4), 2, 6, 3, 4), U("【马】 3退5"));
    QCOMPARE(FormatComputerMove(Lone(kComputerHorse, 3, 4), 2, 2, 3, 4), U("【马】 3进5"));
  }

  // Files: the player's count from his right (x = 0 is nine), the
  // computer's from the window's left (x = 0 is 1).
  void fileCounting() {
    for (int x = 0; x < kFiles; ++x) {
      const QString player = FormatPlayerMove(Lone(kPlayerChariot, x, 8), x, 9, x, 8);
      QCOMPARE(player.mid(3, 1), ChineseNumeral(9 - x));
      const QString computer = FormatComputerMove(Lone(kComputerChariot, x, 1), x, 0, x, 1);
      QCOMPARE(computer.mid(3, 2), QStringLiteral(" %1").arg(x + 1));
    }
  }

  // One blank in the computer's line, between name and file; none in the
  // player's. Every name is bracketed.
  void blanksAndNames() {
    for (int code = kComputerGeneral; code <= kComputerPawn; ++code) {
      const QString line =
          FormatComputerMove(Lone(static_cast<std::uint8_t>(code), 4, 1), 4, 0, 4, 1);
      QCOMPARE(line.count(QLatin1Char(' ')), 1);
      QCOMPARE(line.indexOf(QLatin1Char(' ')), 3);
      QVERIFY(line.startsWith(U("【")));
    }
    for (int code = kPlayerGeneral; code <= kPlayerPawn; ++code) {
      const QString line =
          FormatPlayerMove(Lone(static_cast<std::uint8_t>(code), 4, 8), 4, 9, 4, 8);
      QVERIFY(!line.contains(QLatin1Char(' ')));
      QCOMPARE(line.indexOf(U("】")), 2);
    }
  }

  // The name is read from the to-point: a piece of the other side, or none,
  // gives no name.
  void nameFromToPoint() {
    QCOMPARE(FormatPlayerMove(Lone(kComputerChariot, 0, 7), 0, 9, 0, 7), U("九进三"));
    QCOMPARE(FormatComputerMove(Lone(kPlayerChariot, 0, 2), 0, 0, 0, 2), U(" 1进3"));
    QCOMPARE(FormatPlayerMove(Board{}, 0, 9, 0, 7), U("九进三"));
  }

  void namesOfBothSides() {
    const char* player[] = {"【帅】", "【车】", "【马】", "【炮】", "【士】", "【相】", "【兵】"};
    const char* computer[] = {"【将】", "【车】", "【马】", "【炮】", "【士】", "【象】", "【卒】"};
    for (int i = 0; i < 7; ++i) {
      QCOMPARE(PlayerPieceName(static_cast<std::uint8_t>(kPlayerGeneral + i)), U(player[i]));
      QCOMPARE(ComputerPieceName(static_cast<std::uint8_t>(kComputerGeneral + i)), U(computer[i]));
      QVERIFY(PlayerPieceName(static_cast<std::uint8_t>(kComputerGeneral + i)).isEmpty());
      QVERIFY(ComputerPieceName(static_cast<std::uint8_t>(kPlayerGeneral + i)).isEmpty());
    }
    QVERIFY(PlayerPieceName(0).isEmpty());
    QVERIFY(ComputerPieceName(15).isEmpty());
    QVERIFY(ChineseNumeral(0).isEmpty());
    QVERIFY(ChineseNumeral(11).isEmpty());
  }
};

QTEST_GUILESS_MAIN(NotationTest)
#include "ui_notation_test.moc"
