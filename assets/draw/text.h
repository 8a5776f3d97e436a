// The text carved into the pictures, drawn with the game's own font files,
// never with a font of the machine.
#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QString>

namespace lorvane::draw {

// Loads the Regular and Bold faces from `dir`; the text is drawn in their
// family from then on. Says whether both loaded.
bool LoadFonts(const QString& dir);

// Text outline whose ink box is centred on `centre` (in the painter's
// logical coordinates; `pixelSize` is logical too).
QPainterPath CenteredText(const QString& text, double pixelSize, bool bold, QPointF centre,
                          double letterSpacing = 0.0);

}  // namespace lorvane::draw
