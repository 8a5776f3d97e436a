// The player's clicks on the piece pictures and on the board, passed to the
// game with the point each one means.
#include <QCursor>

#include "main_window.h"

namespace lorvane {

// The point of a piece picture is read from where the picture stands.
void MainWindow::Image2_Click(int index) {
  if (index < 0 || index >= 32) return;
  const PictureControl* picture = Image2[index];
  game_.ClickPiece(index >= 16, PictureFile(picture->Left()), PictureRank(picture->Top()));
}

// The point under the mouse cursor as it is when the click is handled, after
// the end-of-game message if there is one.
void MainWindow::Image1_Click() {
  game_.ClickBoard([this] {
    const QPoint cursor = client->mapFromGlobal(QCursor::pos());
    return ClickedPoint{ClickFile(cursor.x()), ClickRank(cursor.y())};
  });
}

void MainWindow::Image5_Click() { Image1_Click(); }

}  // namespace lorvane
