#include "embedded_fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace lorvane {

namespace {

const char kDefaultFamily[] = "Lorvane Serif";

bool g_registered = false;
QString g_family;

}  // namespace

void RegisterEmbeddedFonts() {
  if (g_registered) return;
  g_registered = true;
  const char* const kFaces[] = {
      ":/fonts/LorvaneSerif-Regular.otf",
      ":/fonts/LorvaneSerif-Bold.otf",
  };
  for (const char* path : kFaces) {
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(path));
    if (id < 0) continue;
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (g_family.isEmpty() && !families.isEmpty()) g_family = families.first();
  }
}

QString SerifFamily() {
  RegisterEmbeddedFonts();
  return g_family.isEmpty() ? QString::fromLatin1(kDefaultFamily) : g_family;
}

}  // namespace lorvane
