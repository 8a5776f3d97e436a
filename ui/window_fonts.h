// The fonts of the window's text.
#pragma once

#include <QFont>

namespace lorvane {

// Makes the game's embedded Chinese font known; call once at start-up.
void SetUpFonts();
// The file numbers beside the board: a Song-style serif, 12 point, bold.
QFont FileNumberFont();
// The move lists.
QFont MoveListFont();
// The About box's title line: the serif at 10.5 point.
QFont AboutTitleFont();

}  // namespace lorvane
