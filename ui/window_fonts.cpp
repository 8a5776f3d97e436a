#include "window_fonts.h"

#include <QApplication>
#include <QStringList>

#if __has_include("embedded_fonts.h")
#include "embedded_fonts.h"
#define LORVANE_EMBEDDED_FONTS 1
#endif

namespace lorvane {

namespace {

QString Serif() {
#ifdef LORVANE_EMBEDDED_FONTS
  return SerifFamily();
#else
  return QStringLiteral("serif");
#endif
}

}  // namespace

void SetUpFonts() {
#ifdef LORVANE_EMBEDDED_FONTS
  RegisterEmbeddedFonts();
  // Chinese text falls back to the embedded serif where the system has no
  // Chinese font of its own.
  QFont font = QApplication::font();
  QStringList families = font.families();
  if (families.isEmpty()) families << font.family();
  if (!families.contains(SerifFamily())) families << SerifFamily();
  font.setFamilies(families);
  QApplication::setFont(font);
#endif
}

QFont FileNumberFont() {
  QFont font(Serif());
  font.setPointSizeF(12);
  font.setBold(true);
  return font;
}

QFont MoveListFont() {
  QFont font = QApplication::font();
  font.setPointSizeF(9);
  return font;
}

QFont AboutTitleFont() {
  QFont font(Serif());
  font.setPointSizeF(10.5);
  return font;
}

}  // namespace lorvane
