#include "rendering.h"

#include "board.h"
#include "main_window.h"
#include "spoken_words.h"

namespace lorvane {

const PicturesOfKind PiecePictureTable[15] = {
    {0, {}},                     // 0: empty
    {1, {0}},                    // 1: computer's general
    {2, {1, 2}},                 // 2: chariot
    {2, {3, 4}},                 // 3: horse
    {2, {9, 10}},                // 4: cannon
    {2, {7, 8}},                 // 5: advisor
    {2, {5, 6}},                 // 6: elephant
    {5, {11, 12, 13, 14, 15}},   // 7: pawn
    {1, {16}},                   // 8: player's general
    {2, {17, 18}},               // 9: chariot
    {2, {19, 20}},               // 10: horse
    {2, {25, 26}},               // 11: cannon
    {2, {23, 24}},               // 12: advisor
    {2, {21, 22}},               // 13: elephant
    {5, {27, 28, 29, 30, 31}},   // 14: pawn
};

std::uint8_t PictureCode(int k) {
  for (int code = 1; code <= 14; ++code) {
    const PicturesOfKind& kind = PiecePictureTable[code];
    for (int i = 0; i < kind.count; ++i)
      if (kind.index[i] == k) return static_cast<std::uint8_t>(code);
  }
  return kEmpty;
}

QString PiecePicturePath(int k) {
  static const char* const kKinds[8] = {"",        "general", "chariot",  "horse",
                                        "cannon",  "advisor", "elephant", "pawn"};
  const std::uint8_t code = PictureCode(k);
  if (code == kEmpty) return QString();
  const bool player = IsPlayerPiece(code);
  const int kind = player ? code - 7 : code;
  return QStringLiteral(":/pictures/pieces/%1_%2.png")
      .arg(QLatin1String(player ? "red" : "black"), QLatin1String(kKinds[kind]));
}

// Hides every piece picture, then walks the board row by row from the top,
// left to right, giving each piece the next picture of its kind (the last
// one again when a kind has more pieces than pictures), and shows it at once.
// Each picture is named for the piece it now shows; a hidden one has no name.
void MainWindow::RedrawPieces() {
  for (PictureControl* piece : Image2) piece->hide();
  QString names[32];
  int used[15] = {};
  for (int y = 0; y < kRanks; ++y) {
    for (int x = 0; x < kFiles; ++x) {
      const std::uint8_t code = game_.board(x, y);
      if (code < 1 || code > 14) continue;
      const PicturesOfKind& kind = PiecePictureTable[code];
      const int position = used[code] < kind.count ? used[code] : kind.count - 1;
      ++used[code];
      PictureControl* piece = Image2[kind.index[position]];
      piece->Place(PointLeft(x), PointTop(y));
      piece->show();
      piece->repaint();
      names[kind.index[position]] = QString::fromStdString(PieceWords(code, x, y));
    }
  }
  for (int k = 0; k < 32; ++k)
    if (Image2[k]->accessibleName() != names[k]) Image2[k]->setAccessibleName(names[k]);
}

}  // namespace lorvane
