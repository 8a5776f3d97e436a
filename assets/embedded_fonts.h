// The Chinese font embedded in Lorvane (a subset of Noto Serif CJK SC,
// renamed "Lorvane Serif"), so the game shows its text on machines that
// have no Chinese font installed.
#pragma once

#include <QString>

namespace lorvane {

// Registers the embedded Regular and Bold faces with QFontDatabase.
// Needs a QGuiApplication; safe to call more than once (registers once).
void RegisterEmbeddedFonts();

// Family name of the embedded faces ("Lorvane Serif"); registers them first
// if that has not happened yet.
QString SerifFamily();

}  // namespace lorvane
