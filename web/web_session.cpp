// The game program inside a browser page, linked into the browser build
// only. It changes nothing in the game: it lets the message boxes wait and
// keep the keyboard as on the desktop, gives the window the desktop's font
// and tells the page when the program has ended.
//
// A message box waits inside the click that opened it (QDialog::exec), which
// in the browser means suspending the program with asyncify until the next
// event. Qt 6.4's browser event dispatcher suspends only when no posted event
// is pending, but a deletion deferred to the outer event loop stays pending
// for as long as the box is open: the box's loop then never waits and the
// page hangs. The dispatcher below also waits when nothing but such events is
// left; it is otherwise Qt's own.
//
// Qt's browser platform has no desktop theme to take a font from: its default
// is 12 points, where Debian's desktop gives the game DejaVu Sans at 9 points
// (the same face is built into Qt for the browser). The window's labels, lists
// and menus are laid out for that font, so it is set before the window is made.
//
// A message box keeps the keyboard, as on the desktop. A click on the game
// window behind a box is ignored, but the browser platform still makes that
// window the focus window, after asking the box to be it, so Enter, Escape
// and Space went to a window that refuses them while the box waited. The
// focus is handed back to the box whenever it lands on a window it blocks.
//
// On a screen of more than one device pixel to the pixel, the page fetches
// the doubled pictures (pictures@2x.rcc) beside the program and hands them
// over before the program starts; they are registered before the window is
// made, so that it finds them where the desktop build embeds them.
//
// A program in a tab cannot close the tab. When the game window goes away
// (退出 hides it, and so does closing it) the program ends, and the page,
// told by the runtime, says so and offers to start again.
#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QMainWindow>
#include <QResource>
#include <QWindow>
#include <QtCore/private/qabstracteventdispatcher_p.h>
#include <QtCore/private/qeventdispatcher_wasm_p.h>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qwindowsysteminterface.h>

#include <emscripten.h>

// The doubled pictures the page fetched (Module.lorvaneDoubledPictures, an
// ArrayBuffer), or none.
EM_JS(int, DoubledPicturesSize, (), {
  return Module.lorvaneDoubledPictures ? Module.lorvaneDoubledPictures.byteLength : 0;
});
EM_JS(void, TakeDoubledPictures, (unsigned char* to), {
  HEAPU8.set(new Uint8Array(Module.lorvaneDoubledPictures), to);
  Module.lorvaneDoubledPictures = null;
});

// Qt's own suspension of the main thread, in its event dispatcher: returns
// once an event has woken the dispatcher.
bool qt_asyncify_suspend();

namespace {

class WebEventDispatcher : public QEventDispatcherWasm {
 public:
  bool processEvents(QEventLoop::ProcessEventsFlags flags) override {
    if (flags.testFlag(QEventLoop::DialogExec) && flags.testFlag(QEventLoop::WaitForMoreEvents)) {
      const qsizetype pending = qGlobalPostedEventsCount();
      if (pending > 0) {
        QCoreApplication::sendPostedEvents();
        // Nothing could be delivered: only deferred deletions are left.
        if (qGlobalPostedEventsCount() == pending) {
          qt_asyncify_suspend();
          flags &= ~QEventLoop::WaitForMoreEvents;
        }
      }
    }
    return QEventDispatcherWasm::processEvents(flags);
  }

 protected:
  // As Qt's browser platform does: window system events are sent here.
  void processWindowSystemEvents(QEventLoop::ProcessEventsFlags flags) override {
    QWindowSystemInterface::sendWindowSystemEvents(flags);
  }
};

// Set before the application object is made, which then takes it instead of
// making its own.
const bool g_dispatcherSet = [] {
  QCoreApplication::setEventDispatcher(new WebEventDispatcher);
  return true;
}();

class WebSession : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Hide || ended_ || !watched->isWidgetType()) return false;
    auto* window = qobject_cast<QMainWindow*>(watched);
    if (window == nullptr || !window->isWindow()) return false;
    ended_ = true;
    // The click that ended the game finishes first; then the runtime ends,
    // outside Qt's event loop, which has been told to quit.
    emscripten_async_call([](void*) { emscripten_force_exit(0); }, nullptr, 0);
    return false;
  }

 private:
  bool ended_ = false;
};

// The focus went to `window`: if a box blocks it, the box takes the focus.
void KeepFocusWithModalBox(QWindow* window) {
  QWindow* box = nullptr;
  if (window == nullptr || !QGuiApplicationPrivate::instance()->isWindowBlocked(window, &box) ||
      box == nullptr)
    return;
  box->requestActivate();
}

void RegisterDoubledPictures() {
  const int size = DoubledPicturesSize();
  if (size <= 0) return;
  // Kept for as long as the program runs, as the resources point into it.
  auto* data = new unsigned char[size];
  TakeDoubledPictures(data);
  if (!QResource::registerResource(data))
    qWarning("pictures@2x.rcc is not a resource file; the pictures are drawn at their own size");
}

void StartWebSession() {
  RegisterDoubledPictures();
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSizeF(9);
  QApplication::setFont(font);
  qApp->installEventFilter(new WebSession(qApp));
  QObject::connect(qApp, &QGuiApplication::focusWindowChanged, qApp, &KeepFocusWithModalBox);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(StartWebSession)
