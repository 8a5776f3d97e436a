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

#include <QBuffer>
#include <QColor>
#include <QDataStream>
#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "draw/new_image.h"
#include "draw/rgb.h"
#include "draw/text.h"
#include "draw/textures.h"
#include "geometry.h"

#ifndef LORVANE_FONT_DIR
#define LORVANE_FONT_DIR "assets/fonts"
#endif

namespace {

// ---------------------------------------------------------------------------
// Geometry: the board's comes from the window's (geometry.h).

using lorvane::kBoardHeight;
using lorvane::kBoardLeft;
using lorvane::kBoardTop;
using lorvane::kBoardWidth;
using lorvane::kMarkerSize;
using lorvane::kPieceSize;
using lorvane::kPointPitch;
using lorvane::PointLeft;
using lorvane::PointTop;

constexpr int kButtonW = 54;
constexpr int kButtonH = 36;

using namespace lorvane::draw;

// ---------------------------------------------------------------------------
// Board.

const QColor kInk(52, 30, 14);

// The pixel column of a file's line and the pixel row of a rank's line, in
// the board picture. A file's line runs down the middle column of the piece
// pictures standing on it (kPieceSize / 2 columns from their left edge); a
// rank's line runs one row below their middle row, where the board was
// first drawn with it and has stayed.
constexpr int GridColumn(int file) { return PointLeft(file) - kBoardLeft + kPieceSize / 2; }
constexpr int GridRow(int rank) { return PointTop(rank) - kBoardTop + kPieceSize / 2 + 1; }
static_assert(GridColumn(0) == 33 && GridColumn(8) == 417 && GridRow(0) == 32 && GridRow(9) == 464,
              "file line f at x = 33 + 48 f, rank line r at y = 32 + 48 r");

double FileX(int f) { return GridColumn(f) + 0.5; }  // +0.5: centre of the pixel column
double RankY(int r) { return GridRow(r) + 0.5; }

void DrawPositionMark(QPainter& p, int file, int rank) {
  const double x = FileX(file);
  const double y = RankY(rank);
  const double gap = 3.0;
  const double len = 8.0;
  for (int sx = -1; sx <= 1; sx += 2) {
    if ((file == 0 && sx < 0) || (file == 8 && sx > 0)) continue;
    for (int sy = -1; sy <= 1; sy += 2) {
      QPainterPath tick;
      tick.moveTo(x + sx * (gap + len), y + sy * gap);
      tick.lineTo(x + sx * gap, y + sy * gap);
      tick.lineTo(x + sx * gap, y + sy * (gap + len));
      p.drawPath(tick);
    }
  }
}

QImage DrawBoard(int s) {
  const Rgb light{232, 186, 118};
  const Rgb dark{176, 114, 52};
  QImage img = Texture(kBoardWidth, kBoardHeight, s, [&](double x, double y) {
    Rgb c = Wood(x, y, light, dark, 1234u, 13.0);
    // Gentle vignette towards the edges of the board.
    const double nx = (x - kBoardWidth / 2.0) / (kBoardWidth / 2.0);
    const double ny = (y - kBoardHeight / 2.0) / (kBoardHeight / 2.0);
    const double v = std::pow(std::clamp(std::max(std::fabs(nx), std::fabs(ny)), 0.0, 1.0), 6.0);
    c = Scale(c, 1.0 - 0.16 * v - 0.04 * (nx * nx + ny * ny));
    return ToQRgb(c);
  });

  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(s, s);

  // Edge of the wooden board: a dark border with a light bevel inside it.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(70, 40, 18, 150), 1.0));
  p.drawRect(QRectF(0.5, 0.5, kBoardWidth - 1.0, kBoardHeight - 1.0));
  p.setPen(QPen(QColor(255, 236, 200, 90), 1.0));
  p.drawRect(QRectF(1.5, 1.5, kBoardWidth - 3.0, kBoardHeight - 3.0));

  const double left = FileX(0), right = FileX(8);
  const double top = RankY(0), bottom = RankY(9);

  // Outer frame: a thick line four pixels outside the grid.
  {
    QPen pen(kInk, 3.0);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    const double o = 5.5;  // covers device rows 26..28 at 1x for the top edge
    p.drawRect(QRectF(left - o, top - o, (right - left) + 2 * o, (bottom - top) + 2 * o));
  }

  QPen line(kInk, 1.0);
  line.setCapStyle(Qt::SquareCap);
  line.setJoinStyle(Qt::MiterJoin);
  p.setPen(line);

  // Edge of the grid (the thin line of the double frame).
  p.drawRect(QRectF(left, top, right - left, bottom - top));
  // Rank lines.
  for (int r = 1; r <= 8; ++r) p.drawLine(QPointF(left, RankY(r)), QPointF(right, RankY(r)));
  // Inner file lines stop at the river.
  for (int f = 1; f <= 7; ++f) {
    p.drawLine(QPointF(FileX(f), RankY(0)), QPointF(FileX(f), RankY(4)));
    p.drawLine(QPointF(FileX(f), RankY(5)), QPointF(FileX(f), RankY(9)));
  }
  // Palaces.
  p.drawLine(QPointF(FileX(3), RankY(0)), QPointF(FileX(5), RankY(2)));
  p.drawLine(QPointF(FileX(5), RankY(0)), QPointF(FileX(3), RankY(2)));
  p.drawLine(QPointF(FileX(3), RankY(7)), QPointF(FileX(5), RankY(9)));
  p.drawLine(QPointF(FileX(5), RankY(7)), QPointF(FileX(3), RankY(9)));

  // Position marks at the cannon and pawn points.
  QPen mark(kInk, 1.0);
  mark.setCapStyle(Qt::FlatCap);
  mark.setJoinStyle(Qt::MiterJoin);
  p.setPen(mark);
  for (int f : {1, 7}) {
    DrawPositionMark(p, f, 2);
    DrawPositionMark(p, f, 7);
  }
  for (int f = 0; f <= 8; f += 2) {
    DrawPositionMark(p, f, 3);
    DrawPositionMark(p, f, 6);
  }

  // The river captions, carved into the wood: a light lower edge, a dark
  // upper edge, then the ink.
  const double riverY = (RankY(4) + RankY(5)) / 2.0;
  const double mid = (left + right) / 2.0;
  const double near = kPointPitch * 1.25;  // from the centre line to 河 / 漢
  const double far = kPointPitch * 2.75;   // to 楚 / 界
  struct Caption {
    const char* text;
    double x;
  } const captions[] = {
      {"楚", mid - far - 6.0}, {"河", mid - near - 6.0},
      {"漢", mid + near + 6.0}, {"界", mid + far + 6.0},
  };
  p.setPen(Qt::NoPen);
  for (const Caption& c : captions) {
    const QPainterPath glyph =
        CenteredText(QString::fromUtf8(c.text), 33.0, true, QPointF(c.x, riverY));
    p.setBrush(QColor(255, 240, 210, 110));
    p.drawPath(glyph.translated(0.6, 0.8));
    p.setBrush(QColor(40, 20, 6, 60));
    p.drawPath(glyph.translated(-0.4, -0.5));
    p.setBrush(QColor(kInk.red(), kInk.green(), kInk.blue(), 235));
    p.drawPath(glyph);
  }
  p.end();
  return img;
}

// ---------------------------------------------------------------------------
// Pieces.

enum class Side { kBlack, kRed };

// Fine detail that only shows at a size. The game's pieces get all of it;
// small icons drop the shadow and the ring and carve a bigger character.
struct PieceDetail {
  bool shadow = true;
  bool ring = true;
  double characterSize = 24.5;
};

// A piece drawn in its 43 x 43 design square scaled by `s` device pixels per
// unit, into a square image of `pixels` device pixels.
QImage DrawPieceScaled(Side side, const QString& character, int pixels, double s,
                       const PieceDetail& detail) {
  QImage img(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(s, s);

  const QPointF c(kPieceSize / 2.0, kPieceSize / 2.0);
  const double rOuter = 20.4;  // side of the disc
  const double rFace = 18.2;   // top face
  const double rRing = 15.6;   // engraved ring

  // A faint contact shadow, well inside the picture.
  p.setPen(Qt::NoPen);
  if (detail.shadow) {
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(c + QPointF(0.5, 0.9), rOuter + 0.6, rOuter + 0.6);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawEllipse(c + QPointF(0.3, 0.6), rOuter, rOuter);
  }

  // Side of the disc: wood lit from the upper left.
  const Rgb woodLight{246, 222, 176};
  const Rgb woodDark{214, 170, 110};
  const uint32_t seed = side == Side::kRed ? 77u : 91u;
  const QImage tex = Texture(pixels, pixels, 1, [&](double px, double py) {
    const double x = px / s;
    const double y = py / s;
    // Seed the grain by character too, so no two pieces look stamped.
    return ToQRgb(Wood(x * 1.4 + character.at(0).unicode() % 97, y * 1.4, woodLight, woodDark,
                       seed, 9.0));
  });
  {
    p.setBrush(TextureBrush(tex, s));
    p.drawEllipse(c, rOuter, rOuter);
    QLinearGradient g(c + QPointF(-rOuter, -rOuter), c + QPointF(rOuter, rOuter));
    g.setColorAt(0.0, QColor(255, 245, 220, 70));
    g.setColorAt(0.5, QColor(120, 70, 20, 40));
    g.setColorAt(1.0, QColor(70, 35, 5, 150));
    p.setBrush(g);
    p.drawEllipse(c, rOuter, rOuter);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(90, 52, 20, 170), 0.8));
    p.drawEllipse(c, rOuter - 0.4, rOuter - 0.4);
    p.setPen(Qt::NoPen);
  }

  // Top face, slightly domed: light from the upper left, darker rim.
  {
    p.setBrush(TextureBrush(tex, s));
    p.drawEllipse(c, rFace, rFace);
    QRadialGradient g(c + QPointF(-5.0, -6.0), rFace * 1.55);
    g.setColorAt(0.0, QColor(255, 250, 235, 95));
    g.setColorAt(0.55, QColor(255, 240, 210, 10));
    g.setColorAt(0.85, QColor(110, 60, 15, 40));
    g.setColorAt(1.0, QColor(90, 45, 10, 90));
    p.setBrush(g);
    p.drawEllipse(c, rFace, rFace);
    // Bevel between face and side: bright upper-left edge, dark lower-right.
    QLinearGradient edge(c + QPointF(-rFace, -rFace), c + QPointF(rFace, rFace));
    edge.setColorAt(0.0, QColor(255, 250, 230, 200));
    edge.setColorAt(0.5, QColor(200, 160, 110, 60));
    edge.setColorAt(1.0, QColor(80, 40, 10, 170));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(edge), 0.9));
    p.drawEllipse(c, rFace, rFace);
    p.setPen(Qt::NoPen);
  }

  const QColor ink = side == Side::kRed ? QColor(178, 22, 24) : QColor(26, 20, 16);
  const QColor carveLight(255, 248, 228, 150);

  // Engraved ring.
  if (detail.ring) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(carveLight, 1.0));
    p.drawEllipse(c + QPointF(0.45, 0.55), rRing, rRing);
    p.setPen(QPen(ink, 1.15));
    p.drawEllipse(c, rRing, rRing);
    p.setPen(Qt::NoPen);
  }

  // The character, bold and carved.
  const QPainterPath glyph = CenteredText(character, detail.characterSize, true, c);
  p.setBrush(carveLight);
  p.drawPath(glyph.translated(0.45, 0.6));
  p.setBrush(ink);
  p.setPen(QPen(ink, 0.35, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));  // a little extra weight
  p.drawPath(glyph);
  p.setPen(Qt::NoPen);

  p.end();
  return img;
}

QImage DrawPiece(Side side, const QString& character, int s) {
  return DrawPieceScaled(side, character, kPieceSize * s, s, PieceDetail());
}

// ---------------------------------------------------------------------------
// Application icon: the red general, the player's own piece, filling the
// icon square. Drawn for each icon size, with less detail where it is small.

QImage DrawIcon(int pixels) {
  PieceDetail detail;
  if (pixels < 32) {
    detail.shadow = false;
    detail.ring = false;
    detail.characterSize = 29.0;
  }
  return DrawPieceScaled(Side::kRed, QString::fromUtf8("帥"), pixels, pixels / double(kPieceSize),
                         detail);
}

// Pixel sizes of the icon: the hicolor theme's sizes from 16 to 512 and
// their doubles for its @2 folders.
const int kIconPixels[] = {16, 22, 24, 32, 44, 48, 64, 96, 128, 256, 512, 1024};

// ---------------------------------------------------------------------------
// Selection marker.

QImage DrawMarker(int s) {
  QImage img = NewImage(kMarkerSize, kMarkerSize, s);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(s, s);

  const double a = 2.0;               // bracket corner, inset from the edge
  const double b = kMarkerSize - 2.0;
  const double len = 11.0;
  QPainterPath path;
  auto corner = [&](QPointF at, double dx, double dy) {
    path.moveTo(at + QPointF(dx * len, 0));
    path.lineTo(at);
    path.lineTo(at + QPointF(0, dy * len));
  };
  corner(QPointF(a, a), 1, 1);
  corner(QPointF(b, a), -1, 1);
  corner(QPointF(a, b), 1, -1);
  corner(QPointF(b, b), -1, -1);

  QPen outline(QColor(8, 60, 18, 200), 4.0, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin);
  p.setPen(outline);
  p.drawPath(path);
  QPen green(QColor(46, 204, 64), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin);
  p.setPen(green);
  p.drawPath(path);
  QPen shine(QColor(190, 255, 190, 150), 0.7, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin);
  p.setPen(shine);
  p.drawPath(path.translated(-0.35, -0.35));
  p.end();
  return img;
}

// ---------------------------------------------------------------------------
// Buttons: grey stone plaques with engraved text.

QImage DrawButton(const QString& text, bool bright, int s) {
  QImage img = NewImage(kButtonW, kButtonH, s);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(s, s);

  const QRectF outer(0.5, 0.5, kButtonW - 1.0, kButtonH - 1.0);
  const double radius = 4.0;
  const Rgb base = bright ? Rgb{140, 139, 134} : Rgb{116, 115, 111};
  const QImage tex = Texture(kButtonW, kButtonH, s, [&](double x, double y) {
    return ToQRgb(Stone(x, y, base, 4242u));
  });

  // Plaque.
  p.setPen(Qt::NoPen);
  p.setBrush(TextureBrush(tex, s));
  p.drawRoundedRect(outer, radius, radius);
  // Light from above: lighter top, darker bottom.
  QLinearGradient shade(0, 0, 0, kButtonH);
  shade.setColorAt(0.0, QColor(255, 255, 255, bright ? 70 : 50));
  shade.setColorAt(0.45, QColor(255, 255, 255, 0));
  shade.setColorAt(1.0, QColor(0, 0, 0, 70));
  p.setBrush(shade);
  p.drawRoundedRect(outer, radius, radius);

  // Bevelled edge: highlight on the upper left, shadow on the lower right.
  p.setBrush(Qt::NoBrush);
  QLinearGradient bevel(0, 0, kButtonW, kButtonH);
  bevel.setColorAt(0.0, QColor(255, 255, 255, 170));
  bevel.setColorAt(0.5, QColor(255, 255, 255, 30));
  bevel.setColorAt(0.51, QColor(0, 0, 0, 30));
  bevel.setColorAt(1.0, QColor(0, 0, 0, 140));
  p.setPen(QPen(QBrush(bevel), 1.4));
  p.drawRoundedRect(outer.adjusted(1.2, 1.2, -1.2, -1.2), radius - 1.0, radius - 1.0);
  p.setPen(QPen(QColor(40, 40, 38, 220), 1.0));
  p.drawRoundedRect(outer, radius, radius);

  // An engraved groove framing the text.
  const QRectF groove = outer.adjusted(4.0, 4.0, -4.0, -4.0);
  p.setPen(QPen(QColor(255, 255, 255, 70), 0.8));
  p.drawRoundedRect(groove.translated(0.5, 0.5), 2.0, 2.0);
  p.setPen(QPen(QColor(30, 30, 28, bright ? 110 : 90), 0.8));
  p.drawRoundedRect(groove, 2.0, 2.0);

  // Text.
  const QPointF centre(kButtonW / 2.0, kButtonH / 2.0 + 0.3);
  const QPainterPath glyphs = CenteredText(text, 15.5, true, centre, 1.5);
  p.setPen(Qt::NoPen);
  if (bright) {
    // Golden text with a soft warm halo and a dark cut beneath it.
    p.setBrush(Qt::NoBrush);
    for (int i = 3; i >= 1; --i) {
      p.setPen(QPen(QColor(255, 196, 70, 26 + 8 * (3 - i)), 1.2 + 1.6 * i, Qt::SolidLine, Qt::RoundCap,
                    Qt::RoundJoin));
      p.drawPath(glyphs);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 22, 0, 200));
    p.drawPath(glyphs.translated(0.5, 0.7));
    QLinearGradient gold(0, centre.y() - 8.0, 0, centre.y() + 8.0);
    gold.setColorAt(0.0, QColor(255, 252, 215));
    gold.setColorAt(0.45, QColor(255, 222, 96));
    gold.setColorAt(1.0, QColor(240, 170, 40));
    p.setBrush(gold);
    p.drawPath(glyphs);
  } else {
    // Carved into the stone: light lower edge, dark cut.
    p.setBrush(QColor(255, 255, 255, 80));
    p.drawPath(glyphs.translated(0.5, 0.7));
    p.setBrush(QColor(34, 33, 31, 235));
    p.drawPath(glyphs);
  }
  p.end();
  return img;
}

// ---------------------------------------------------------------------------
// Output.

struct PieceDef {
  const char* side;
  const char* kind;
  Side s;
  const char* character;
};

const PieceDef kPieces[] = {
    {"black", "general", Side::kBlack, "將"},  {"black", "chariot", Side::kBlack, "車"},
    {"black", "horse", Side::kBlack, "馬"},    {"black", "elephant", Side::kBlack, "象"},
    {"black", "advisor", Side::kBlack, "士"},  {"black", "cannon", Side::kBlack, "炮"},
    {"black", "pawn", Side::kBlack, "卒"},     {"red", "general", Side::kRed, "帥"},
    {"red", "chariot", Side::kRed, "車"},      {"red", "horse", Side::kRed, "馬"},
    {"red", "elephant", Side::kRed, "相"},     {"red", "advisor", Side::kRed, "仕"},
    {"red", "cannon", Side::kRed, "砲"},       {"red", "pawn", Side::kRed, "兵"},
};

struct ButtonDef {
  const char* name;
  const char* text;
};

const ButtonDef kButtons[] = {
    {"new", "開始"}, {"back", "悔棋"}, {"draw", "求和"}, {"resign", "認輸"}};

QString ScaledName(const QString& base, int s) {
  if (s == 1) return base + QStringLiteral(".png");
  return base + QStringLiteral("@%1x.png").arg(s);
}

// Set by --check: pictures are compared with the files instead of written.
bool g_checking = false;

bool Save(const QImage& img, const QString& path) {
  if (g_checking) {
    const QImage stored(path);
    if (stored.isNull()) {
      std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
      return false;
    }
    const QImage::Format argb = QImage::Format_ARGB32_Premultiplied;
    if (stored.convertToFormat(argb) != img.convertToFormat(argb)) {
      std::fprintf(stderr, "%s: its pixels are not the drawing's\n", qPrintable(path));
      return false;
    }
    return true;
  }
  QDir().mkpath(QFileInfo(path).absolutePath());
  if (!img.save(path, "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

// Windows icon file: the drawings from 16 to 256 pixels, each stored as PNG
// (read by Windows since Vista), so Explorer, the taskbar and Alt+Tab pick
// the drawing made for their size.
const int kIcoPixels[] = {16, 24, 32, 48, 64, 128, 256};

bool SaveIco(const QString& path) {
  QList<QByteArray> pngs;
  for (int pixels : kIcoPixels) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!DrawIcon(pixels).save(&buffer, "PNG")) return false;
    pngs.append(png);
  }
  QByteArray ico;
  QDataStream out(&ico, QIODevice::WriteOnly);
  out.setByteOrder(QDataStream::LittleEndian);
  const int count = static_cast<int>(pngs.size());
  out << quint16(0) << quint16(1) << quint16(count);  // reserved, type icon, entries
  quint32 offset = 6 + 16 * count;
  for (int i = 0; i < count; ++i) {
    const quint8 side = kIcoPixels[i] >= 256 ? 0 : quint8(kIcoPixels[i]);  // 0 means 256
    out << side << side << quint8(0) << quint8(0)  // width, height, no palette, reserved
        << quint16(1) << quint16(32)               // planes, bits per pixel
        << quint32(pngs[i].size()) << offset;
    offset += pngs[i].size();
  }
  for (const QByteArray& png : pngs) out.writeRawData(png.constData(), png.size());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(ico) != ico.size()) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

QImage Find(const QString& name, int s) {
  for (const PieceDef& d : kPieces) {
    if (name == QString::fromLatin1(d.side) + '_' + QString::fromLatin1(d.kind))
      return DrawPiece(d.s, QString::fromUtf8(d.character), s);
  }
  return QImage();
}

// The board with every piece on its starting point, a selection marker and
// the four buttons (at the size the window shows them), for a quick look.
QImage DrawPreview(int s) {
  const int buttonsH = 60;
  QImage out(kBoardWidth * s, (kBoardHeight + buttonsH) * s, QImage::Format_ARGB32_Premultiplied);
  out.fill(QColor(58, 44, 34));
  QPainter p(&out);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(0, 0, DrawBoard(s));
  const char* const back[] = {"chariot", "horse", "elephant", "advisor", "general",
                              "advisor", "elephant", "horse",   "chariot"};
  // The top-left corner of a picture standing on (file, rank), in the board
  // picture's pixels at this scale.
  auto place = [&](int file, int rank) {
    return QPointF((PointLeft(file) - kBoardLeft) * s, (PointTop(rank) - kBoardTop) * s);
  };
  auto put = [&](const QString& side, const QString& kind, int file, int rank) {
    p.drawImage(place(file, rank), Find(side + '_' + kind, s));
  };
  for (int f = 0; f < 9; ++f) {
    put("black", QString::fromLatin1(back[f]), f, 0);
    put("red", QString::fromLatin1(back[f]), f, 9);
  }
  for (int f : {1, 7}) {
    put("black", "cannon", f, 2);
    put("red", "cannon", f, 7);
  }
  for (int f = 0; f <= 8; f += 2) {
    put("black", "pawn", f, 3);
    put("red", "pawn", f, 6);
  }
  const QImage marker = DrawMarker(s);
  p.drawImage(place(1, 7), marker);  // around a red cannon
  p.drawImage(place(4, 4), marker);  // on an empty point
  for (int i = 0; i < 4; ++i) {
    const QRectF target((16 + 110 * i) * s, (kBoardHeight + 8) * s, 67 * s, 44 * s);
    p.drawImage(target, DrawButton(QString::fromUtf8(kButtons[i].text), i == 1, s));
  }
  p.end();
  return out;
}


int Usage() {
  std::fprintf(stderr,
               "usage: lorvane-draw-assets OUTDIR [--fonts DIR] [--preview FILE.png]\n"
               "       lorvane-draw-assets --preview FILE.png [--fonts DIR]\n"
               "       lorvane-draw-assets --check DIR [--fonts DIR]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  QString outDir;
  QString preview;
  QString fontDir = QString::fromUtf8(LORVANE_FONT_DIR);
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == "--preview" && i + 1 < args.size()) {
      preview = args[++i];
    } else if (args[i] == "--check" && i + 1 < args.size() && outDir.isEmpty()) {
      g_checking = true;
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
      ok &= Save(DrawBoard(s), out.filePath(ScaledName("board", s)));
      ok &= Save(DrawMarker(s), out.filePath(ScaledName("marker", s)));
      for (const PieceDef& d : kPieces) {
        const QString name = QStringLiteral("pieces/%1_%2").arg(d.side, d.kind);
        ok &= Save(DrawPiece(d.s, QString::fromUtf8(d.character), s), out.filePath(ScaledName(name, s)));
      }
      for (const ButtonDef& b : kButtons) {
        for (bool bright : {false, true}) {
          const QString name =
              QStringLiteral("buttons/%1_%2").arg(b.name, bright ? "bright" : "dim");
          ok &= Save(DrawButton(QString::fromUtf8(b.text), bright, s), out.filePath(ScaledName(name, s)));
        }
      }
    }
  }
  if (!outDir.isEmpty()) {
    for (int pixels : kIconPixels) {
      ok &= Save(DrawIcon(pixels), QDir(outDir).filePath(QStringLiteral("icon/lorvane-%1.png").arg(pixels)));
    }
    if (!g_checking) ok &= SaveIco(QDir(outDir).filePath(QStringLiteral("icon/lorvane.ico")));
  }
  if (!preview.isEmpty()) {
    ok &= Save(DrawPreview(1), preview);
    QString hi = preview;
    if (hi.endsWith(".png")) hi.chop(4);
    ok &= Save(DrawPreview(2), hi + "@2x.png");
  }
  return ok ? 0 : 1;
}
