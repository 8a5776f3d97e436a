// The game program inside a browser page, linked into the browser build
// only. It changes nothing in the game: it gives the window the desktop's
// font and tells the page when the program has ended.
//
// Qt's browser platform has no desktop theme to take a font from: its default
// is 12 points, where Debian's desktop gives the game DejaVu Sans at 9 points
// (the same face is built into Qt for the browser). The window's labels, lists
// and menus are laid out for that font, so it is set before the window is made.
//
// A program in a tab cannot close the tab. When the game window goes away
// (退出 hides it, and so does closing it) the program ends, and the page,
// told by the runtime, says so and offers to start again.
#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QMainWindow>
#include <QTimer>

#include <emscripten.h>

namespace {

class WebSession : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Hide || ended_ || !watched->isWidgetType()) return false;
    auto* window = qobject_cast<QMainWindow*>(watched);
    if (window == nullptr || !window->isWindow()) return false;
    ended_ = true;
    // The click that ended the game finishes first.
    QTimer::singleShot(0, [] { emscripten_force_exit(0); });
    return false;
  }

 private:
  bool ended_ = false;
};

void StartWebSession() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSizeF(9);
  QApplication::setFont(font);
  qApp->installEventFilter(new WebSession(qApp));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(StartWebSession)
