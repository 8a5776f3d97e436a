#include "accessibility.h"

#include <QAccessibleWidget>

#include "board_table_accessible.h"
#include "picture_control.h"
#include "system_announcement.h"

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

// The spoken status, named by the words it said last: a notification, which
// screen readers read out when it starts showing.
class StatusAccessible : public QAccessibleWidget {
 public:
  explicit StatusAccessible(SpokenStatus* status)
      : QAccessibleWidget(status, QAccessible::Notification) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return static_cast<SpokenStatus*>(widget())->Text();
    return QAccessibleWidget::text(t);
  }
};

// A picture given the role of a table is the board.
QAccessibleInterface* GameAccessibleFactory(const QString&, QObject* object) {
  if (auto* picture = qobject_cast<PictureControl*>(object)) {
    if (picture->AccessibleRole() == QAccessible::Table) return new BoardTableAccessible(picture);
    return new PictureAccessible(picture);
  }
  if (auto* status = qobject_cast<SpokenStatus*>(object)) return new StatusAccessible(status);
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
  // Where the toolkit's bridge drops both (Windows), the system is told.
  AnnounceToSystem(window(), text);
  emit Said(text);
}

}  // namespace lorvane
