// The window shows what the game reports: markers, move lines, messages,
// spoken words and the difficulty.
#include <QAction>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include "main_window.h"
#include "version.h"

namespace lorvane {

PictureControl* MainWindow::MarkerPicture(Marker marker) const {
  switch (marker) {
    case Marker::kSelection: return Image3;
    case Marker::kTarget: return Image4;
    case Marker::kComputerFrom: return Image5;
    case Marker::kComputerTo: return Image6;
  }
  return Image3;
}

void MainWindow::ShowMarker(Marker marker, int x, int y) {
  PictureControl* picture = MarkerPicture(marker);
  picture->Place(PointLeft(x), PointTop(y));
  picture->show();
  // The target is shown before the computer's search keeps the window busy.
  if (marker == Marker::kTarget) picture->repaint();
}

void MainWindow::HideMarker(Marker marker) { MarkerPicture(marker)->hide(); }

// The newest line is kept in view.
void MainWindow::AddLine(Side list, const std::string& line) {
  QListWidget* box = list == Side::kPlayer ? List1 : List2;
  box->addItem(QString::fromStdString(line));
  box->scrollToBottom();
}

void MainWindow::RemoveLine(Side list, int i) {
  QListWidget* box = list == Side::kPlayer ? List1 : List2;
  if (i < box->count()) delete box->takeItem(i);
  List1->scrollToBottom();
}

void MainWindow::ClearLines() {
  List1->clear();
  List2->clear();
}

void MainWindow::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kAppTitle),
                  QString::fromStdString(text), QMessageBox::Ok, this);
  box.button(QMessageBox::Ok)->setText(QString::fromUtf8("确定"));
  box.exec();
  game_.MessageClosed();
}

void MainWindow::Say(const std::string& words) { Announce(QString::fromStdString(words)); }

// The menu's check marks and the option buttons both show the level.
// Selecting an option button raises its click, which tells the game the same
// level again.
void MainWindow::ShowDifficulty(Level level) {
  const bool high = level == Level::kHigh;
  low->setChecked(!high);
  High->setChecked(high);
  (high ? Option2 : Option1)->setChecked(true);
}

}  // namespace lorvane
