#include "spoken_words.h"

#include <QStringList>

#include "notation.h"

namespace lorvane {

namespace {

const char* const kFullWidthDigits[10] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};

QString FullWidthNumber(int n) {
  QString text;
  for (QChar digit : QString::number(n))
    text += QString::fromUtf8(kFullWidthDigits[digit.digitValue()]);
  return text;
}

// The piece's name as its side's move list writes it, without the brackets.
QString KindWord(std::uint8_t code) {
  const QString bracketed = IsPlayerPiece(code) ? PlayerPieceName(code) : ComputerPieceName(code);
  return bracketed.mid(1, bracketed.size() - 2);
}

// A point's file ("九路", "１路") and rank number ("一", "１") as the player
// or the computer counts them.
QString FileWords(bool player, int x) {
  return (player ? ChineseNumeral(9 - x) : FullWidthNumber(x + 1)) + QString::fromUtf8("路");
}
QString RankNumber(bool player, int y) {
  return player ? ChineseNumeral(10 - y) : FullWidthNumber(y + 1);
}

QString SideWord(bool player) { return QString::fromUtf8(player ? "玩家" : "电脑"); }

}  // namespace

QString PieceWords(std::uint8_t code, int x, int y) {
  if (!IsPlayerPiece(code) && !IsComputerPiece(code)) return QString();
  const bool player = IsPlayerPiece(code);
  return QString::fromUtf8("%1的%2，%3，第%4行")
      .arg(SideWord(player), KindWord(code), FileWords(player, x), RankNumber(player, y));
}

QString PointWords(const Board& board, int x, int y) {
  const QString piece = PieceWords(board(x, y), x, y);
  if (!piece.isEmpty()) return piece;
  return QString::fromUtf8("空位，%1，第%2行").arg(FileWords(true, x), RankNumber(true, y));
}

QString PositionWords(const Board& board) {
  QString text;
  for (bool player : {false, true}) {
    const int first = player ? kPlayerGeneral : kComputerGeneral;
    QStringList kinds;
    for (int code = first; code < first + 7; ++code) {
      QStringList points;
      for (int y = 0; y < kRanks; ++y)
        for (int x = 0; x < kFiles; ++x)
          if (board(x, y) == code)
            points << FileWords(player, x) + QString::fromUtf8("第") + RankNumber(player, y) +
                          QString::fromUtf8("行");
      if (!points.isEmpty())
        kinds << KindWord(static_cast<std::uint8_t>(code)) + QLatin1Char(' ') +
                     points.join(QString::fromUtf8("、"));
    }
    text += SideWord(player) + QString::fromUtf8("：");
    text += kinds.isEmpty() ? QString::fromUtf8("无子") : kinds.join(QString::fromUtf8("；"));
    text += QString::fromUtf8("。");
  }
  return text;
}

QString TakenWords(std::uint8_t code) {
  if (!IsPlayerPiece(code) && !IsComputerPiece(code)) return QString();
  return SideWord(IsPlayerPiece(code)) + QString::fromUtf8("的") + KindWord(code);
}

}  // namespace lorvane
