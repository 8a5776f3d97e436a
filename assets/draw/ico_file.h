// The Windows icon file, lorvane.ico.
#pragma once

#include <QString>

namespace lorvane::draw {

// Writes the Windows icon file to `path`: the drawings from 16 to 256
// pixels, each stored as PNG (read by Windows since Vista), so Explorer, the
// taskbar and Alt+Tab pick the drawing made for their size. Says on stderr
// if it cannot write the file.
bool SaveIco(const QString& path);

}  // namespace lorvane::draw
