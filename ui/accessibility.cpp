#include "accessibility.h"

#include <QAccessibleWidget>

#include "board_cursor.h"
#include "picture_control.h"

namespace lorvane {

namespace {

// A picture: its role and name; a picture button can be pressed.
class PictureAccessible : public QAccessibleWidget {
 public:
  explicit PictureAccessible(PictureControl* picture)
      : QAccessibleWidget(picture, picture->AccessibleRole()) {}

  // The role can be set after the interface was made.
  QAccessible::Role role() const override { return Picture()->AccessibleRole(); }

  QStringList actionNames() const override {
    if (Picture()->IsPictureButton()) return {pressAction()};
    return QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (Picture()->IsPictureButton() && action == pressAction())
      Picture()->Press();
    else
      QAccessibleWidget::doAction(action);
  }

 private:
  PictureControl* Picture() const { return static_cast<PictureControl*>(widget()); }
};

// A widget whose name is the text it holds at the moment it is asked.
template <class W, QString (W::*Name)() const>
class LiveNameAccessible : public QAccessibleWidget {
 public:
  LiveNameAccessible(W* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return (static_cast<W*>(widget())->*Name)();
    return QAccessibleWidget::text(t);
  }
};

// The keyboard cursor takes the reader's focus while the board has the
// keyboard focus, and is named by what stands on its point.
class CursorAccessible : public LiveNameAccessible<BoardCursor, &BoardCursor::Words> {
 public:
  explicit CursorAccessible(BoardCursor* cursor)
      : LiveNameAccessible(cursor, QAccessible::StaticText) {}

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    const QWidget* focus = widget()->window()->focusWidget();
    s.focusable = true;
    s.focused = widget()->isVisible() && focus != nullptr && focus->hasFocus();
    return s;
  }
};

using StatusAccessible = LiveNameAccessible<SpokenStatus, &SpokenStatus::Text>;

QAccessibleInterface* GameAccessibleFactory(const QString&, QObject* object) {
  if (auto* picture = qobject_cast<PictureControl*>(object)) return new PictureAccessible(picture);
  if (auto* cursor = qobject_cast<BoardCursor*>(object)) return new CursorAccessible(cursor);
  if (auto* status = qobject_cast<SpokenStatus*>(object))
    return new StatusAccessible(status, QAccessible::AlertMessage);
  return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(GameAccessibleFactory);
}

SpokenStatus::SpokenStatus(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("SpokenStatus"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(0, 0, 0, 0);
}

void SpokenStatus::Say(const QString& text) {
  text_ = text;
  QAccessibleEvent named(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&named);
  hide();
  show();
  QAccessibleEvent alert(this, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
  emit Said(text);
}

}  // namespace lorvane
