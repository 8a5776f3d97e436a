// Draws every picture of Lorvane with QPainter and writes them as PNG files,
// each at 1x and natively at 2x ("name@2x.png") for high-DPI screens.
//
//   QT_QPA_PLATFORM=offscreen lorvane-draw-assets OUTDIR [--fonts DIR] [--preview FILE.png]
//   QT_QPA_PLATFORM=offscreen lorvane-draw-assets --check DIR [--fonts DIR]
//
// OUTDIR receives board.png, marker.png, pieces/<side>_<kind>.png,
// buttons/<name>_<state>.png and the application icon at each of its sizes,
// icon/lorvane-<pixels>.png (only at 1x: every size is its own drawing) with
// icon/lorvane.ico, the Windows icon holding 16 to 256. The
// text is drawn with the game's own font files (assets/fonts), never with a
// font of the machine, so the pictures come out the same everywhere. Textures
// use a fixed pseudo-random hash, so running the program twice gives
// identical files.
//
// The committed files are then recompressed losslessly (optipng, see
// README.md), so they are smaller than Qt writes them. --check draws every
// picture again and compares it, pixel by pixel, with the file of the same
// name in DIR: it fails if a file differs from its drawing in any pixel.

#include <QDir>
#include <QGuiApplication>
#include <QString>
#include <QStringList>

#include <cstdio>

#include "board.h"
#include "buttons.h"
#include "ico_file.h"
#include "icon.h"
#include "marker.h"
#include "picture_files.h"
#include "pieces.h"
#include "preview.h"
#include "text.h"

#ifndef LORVANE_FONT_DIR
#define LORVANE_FONT_DIR "assets/fonts"
#endif

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: lorvane-draw-assets OUTDIR [--fonts DIR] [--preview FILE.png]\n"
               "       lorvane-draw-assets --preview FILE.png [--fonts DIR]\n"
               "       lorvane-draw-assets --check DIR [--fonts DIR]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace lorvane::draw;
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  QString outDir;
  QString preview;
  QString fontDir = QString::fromUtf8(LORVANE_FONT_DIR);
  SaveMode mode = SaveMode::kWrite;
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == "--preview" && i + 1 < args.size()) {
      preview = args[++i];
    } else if (args[i] == "--check" && i + 1 < args.size() && outDir.isEmpty()) {
      mode = SaveMode::kCheck;
      outDir = args[++i];
    } else if (args[i] == "--fonts" && i + 1 < args.size()) {
      fontDir = args[++i];
    } else if (!args[i].startsWith('-') && outDir.isEmpty()) {
      outDir = args[i];
    } else {
      return Usage();
    }
  }
  if (outDir.isEmpty() && preview.isEmpty()) return Usage();
  if (!LoadFonts(fontDir)) return 1;

  bool ok = true;
  if (!outDir.isEmpty()) {
    const QDir out(outDir);
    for (int s : {1, 2}) {
      ok &= Save(DrawBoard(s), out.filePath(ScaledName("board", s)), mode);
      ok &= Save(DrawMarker(s), out.filePath(ScaledName("marker", s)), mode);
      for (const PieceDef& d : kPieces) {
        const QString name = QStringLiteral("pieces/%1_%2").arg(d.side, d.kind);
        ok &= Save(DrawPiece(d.s, QString::fromUtf8(d.character), s),
                   out.filePath(ScaledName(name, s)), mode);
      }
      for (const ButtonDef& b : kButtons) {
        for (bool bright : {false, true}) {
          const QString name =
              QStringLiteral("buttons/%1_%2").arg(b.name, bright ? "bright" : "dim");
          ok &= Save(DrawButton(QString::fromUtf8(b.text), bright, s),
                     out.filePath(ScaledName(name, s)), mode);
        }
      }
    }
  }
  if (!outDir.isEmpty()) {
    for (int pixels : kIconPixels) {
      ok &= Save(DrawIcon(pixels),
                 QDir(outDir).filePath(QStringLiteral("icon/lorvane-%1.png").arg(pixels)), mode);
    }
    if (mode == SaveMode::kWrite) {
      ok &= SaveIco(QDir(outDir).filePath(QStringLiteral("icon/lorvane.ico")));
    }
  }
  if (!preview.isEmpty()) {
    ok &= Save(DrawPreview(1), preview, mode);
    QString hi = preview;
    if (hi.endsWith(".png")) hi.chop(4);
    ok &= Save(DrawPreview(2), hi + "@2x.png", mode);
  }
  return ok ? 0 : 1;
}
