// Lorvane: xiangqi against the computer in one window.
#include <QApplication>

#include "main_window.h"
#include "window_fonts.h"

int main(int argc, char* argv[]) {
  // The game reads no command line; only the program's own name is passed on.
  int qtArgc = argc > 0 ? 1 : 0;
  char* qtArgv[] = {argc > 0 ? argv[0] : nullptr, nullptr};
  QApplication app(qtArgc, qtArgv);
  QApplication::setApplicationName(QStringLiteral("Lorvane"));
  lorvane::SetUpFonts();
  lorvane::MainWindow window;
  window.show();
  return app.exec();
}
