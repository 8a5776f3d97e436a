// The game's application icon: the red general on its wooden disc, embedded
// at the sizes window managers and task bars ask for.
#pragma once

#include <QIcon>

namespace lorvane {

// The icon with one picture per embedded size (16 to 256 pixels), each drawn
// for its size. Needs a QGuiApplication.
QIcon AppIcon();

}  // namespace lorvane
