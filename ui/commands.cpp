// The menus, the four picture buttons and the difficulty.
#include <QAction>
#include <QApplication>

#include "about_box.h"
#include "main_window.h"

namespace lorvane {

void MainWindow::Form_Activate() { game_.NewGame(); }
void MainWindow::Image9_Click() { game_.TakeBack(); }

void MainWindow::Open_Click() { Image7_Click(); }
void MainWindow::Back_Click() { Image9_Click(); }
void MainWindow::Tie_Click() { Image11_Click(); }
void MainWindow::Lose_Click() { Image13_Click(); }

void MainWindow::Image7_Click() { Form_Activate(); }

// The game refuses the draw with a message; the buttons then go back to
// their normal pictures.
void MainWindow::Image11_Click() {
  game_.OfferDraw();
  Form_MouseMove();
}

// A message, a new game, and the buttons back to normal.
void MainWindow::Image13_Click() {
  game_.Resign();
  Form_MouseMove();
}

void MainWindow::Quit_Click() {
  if (frmAbout) frmAbout->hide();
  hide();
  QCoreApplication::exit(0);
}

void MainWindow::low_Click() { game_.SetDifficulty(Level::kLow); }
void MainWindow::High_Click() { game_.SetDifficulty(Level::kHigh); }
void MainWindow::Option1_Click() { game_.SetDifficulty(Level::kLow); }
void MainWindow::Option2_Click() { game_.SetDifficulty(Level::kHigh); }

void MainWindow::About_Click() {
  if (!frmAbout) frmAbout = new AboutBox(this);
  frmAbout->show();
  frmAbout->raise();
  frmAbout->activateWindow();
}

// Moving onto a button's normal picture lights it up.
void MainWindow::Image8_MouseMove() {
  Image7->show();
  Image8->hide();
}

void MainWindow::Image10_MouseMove() {
  Image9->show();
  Image10->hide();
}

void MainWindow::Image12_MouseMove() {
  Image11->show();
  Image12->hide();
}

void MainWindow::Image14_MouseMove() {
  Image13->show();
  Image14->hide();
}

// Moving over the window's background puts every button back to normal.
void MainWindow::Form_MouseMove() {
  Image7->hide();
  Image8->show();
  Image10->show();
  Image9->hide();
  Image11->hide();
  Image12->show();
  Image13->hide();
  Image14->show();
}

}  // namespace lorvane
