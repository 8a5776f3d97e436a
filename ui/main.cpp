// Lorvane: xiangqi against the computer in one window.
#include <QApplication>

#include "app_icon.h"
#include "main_window.h"
#include "window_fonts.h"

int main(int argc, char* argv[]) {
  // The game reads no command line; only the program's own name is passed on.
  int qtArgc = argc > 0 ? 1 : 0;
  char* qtArgv[] = {argc > 0 ? argv[0] : nullptr, nullptr};
  QApplication app(qtArgc, qtArgv);
  // The application name is the window's class (WM_CLASS "lorvane",
  // "Lorvane"), which the desktop entry names as StartupWMClass; the desktop
  // file name is the Wayland app id. Both tie the window to the menu entry.
  QApplication::setApplicationName(QStringLiteral("Lorvane"));
  QApplication::setDesktopFileName(QStringLiteral(LORVANE_APP_ID));
  QApplication::setWindowIcon(lorvane::AppIcon());
  lorvane::SetUpFonts();
  lorvane::MainWindow window;
  window.show();
  return app.exec();
}
