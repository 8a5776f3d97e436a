// Words handed to the system's own way of announcing them, for the screen
// readers that do not hear the window's spoken status through the toolkit.
// Which file implements it is chosen by the build, per platform.
#pragma once

#include <QString>

class QWidget;

namespace lorvane {

// Asks the system to have `text` spoken on behalf of `window`. Nothing where
// the system has no such request, or where the toolkit already carries it.
void AnnounceToSystem(QWidget* window, const QString& text);

}  // namespace lorvane
