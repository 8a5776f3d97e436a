#include "window_fonts.h"

#include <QApplication>
#include <QStringList>

#include "embedded_fonts.h"

namespace lorvane {

void SetUpFonts() {
  RegisterEmbeddedFonts();
  // Chinese text falls back to the embedded serif where the system has no
  // Chinese font of its own.
  QFont font = QApplication::font();
  QStringList families = font.families();
  if (families.isEmpty()) families << font.family();
  if (!families.contains(SerifFamily())) families << SerifFamily();
  font.setFamilies(families);
  QApplication::setFont(font);
}

QFont FileNumberFont() {
  QFont font(SerifFamily());
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
  QFont font(SerifFamily());
  font.setPointSizeF(10.5);
  return font;
}

}  // namespace lorvane
