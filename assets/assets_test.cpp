// Checks that the pictures and the font embedded in lorvane_assets load from
// the Qt resources with the sizes the window expects, and that the font
// covers every character listed in fonts/chars.txt.

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QRawFont>
#include <QString>
#include <QStringList>
#include <QtTest/QtTest>

#include "app_icon.h"
#include "embedded_fonts.h"

#ifndef LORVANE_CHARS_FILE
#define LORVANE_CHARS_FILE "assets/fonts/chars.txt"
#endif

namespace {

QString TwoX(const QString& path) {
  QString p = path;
  p.chop(4);  // ".png"
  return p + QStringLiteral("@2x.png");
}

QStringList PieceNames() {
  QStringList names;
  for (const char* side : {"black", "red"}) {
    for (const char* kind : {"general", "chariot", "horse", "elephant", "advisor", "cannon", "pawn"}) {
      names << QStringLiteral(":/pictures/pieces/%1_%2.png").arg(side, kind);
    }
  }
  return names;
}

QStringList ButtonNames() {
  QStringList names;
  for (const char* name : {"new", "back", "draw", "resign"}) {
    for (const char* state : {"dim", "bright"}) {
      names << QStringLiteral(":/pictures/buttons/%1_%2.png").arg(name, state);
    }
  }
  return names;
}

// Every code point of chars.txt except line breaks.
QList<uint> GameCharacters() {
  QFile file(QStringLiteral(LORVANE_CHARS_FILE));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QString text = QString::fromUtf8(file.readAll());
  QList<uint> result;
  for (uint ch : text.toUcs4()) {
    if (ch == '\n' || ch == '\r') continue;
    if (!result.contains(ch)) result << ch;
  }
  return result;
}

QString Describe(const QList<uint>& chars) {
  QString s;
  for (uint ch : chars) s += QString::fromUcs4(reinterpret_cast<const char32_t*>(&ch), 1);
  return s;
}

}  // namespace

class AssetsTest : public QObject {
  Q_OBJECT

 private:
  static bool HasRedInk(const QImage& picture) {
    const QImage img = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        const QRgb c = img.pixel(x, y);
        if (qAlpha(c) == 255 && qRed(c) > 140 && qGreen(c) < 60 && qBlue(c) < 60) return true;
      }
    return false;
  }

  void CheckImage(const QString& path, QSize size) {
    QImage img(path);
    QVERIFY2(!img.isNull(), qPrintable(path));
    QCOMPARE(img.size(), size);
    QImage hi(TwoX(path));
    QVERIFY2(!hi.isNull(), qPrintable(TwoX(path)));
    QCOMPARE(hi.size(), size * 2);
  }

 private slots:
  void board() { CheckImage(QStringLiteral(":/pictures/board.png"), QSize(452, 501)); }

  void boardIsOpaque() {
    const QImage img = QImage(QStringLiteral(":/pictures/board.png")).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(qAlpha(img.pixel(0, 0)), 255);
    QCOMPARE(qAlpha(img.pixel(451, 500)), 255);
    // The grid lines are much darker than the wood between them.
    const auto grey = [&](int x, int y) { return qGray(img.pixel(x, y)); };
    QVERIFY(grey(33, 100) + 60 < grey(57, 100));          // file 0 against the middle of a square
    QVERIFY(grey(100, 32 + 48 * 3) + 60 < grey(100, 32 + 48 * 3 + 24));  // rank 3
  }

  void pieces() {
    for (const QString& path : PieceNames()) {
      CheckImage(path, QSize(43, 43));
      for (const QString& p : {path, TwoX(path)}) {
        const QImage img = QImage(p).convertToFormat(QImage::Format_ARGB32);
        const int w = img.width() - 1;
        const int h = img.height() - 1;
        QVERIFY2(qAlpha(img.pixel(0, 0)) == 0, qPrintable(p));
        QVERIFY2(qAlpha(img.pixel(w, 0)) == 0, qPrintable(p));
        QVERIFY2(qAlpha(img.pixel(0, h)) == 0, qPrintable(p));
        QVERIFY2(qAlpha(img.pixel(w, h)) == 0, qPrintable(p));
        QVERIFY2(qAlpha(img.pixel(img.width() / 2, img.height() / 2)) == 255, qPrintable(p));
        QVERIFY2(qAlpha(img.pixel(img.width() / 2, img.height() / 8)) == 255, qPrintable(p));
      }
    }
  }

  void redAndBlackInk() {
    // Red pieces carry red ink somewhere, black pieces none.
    QVERIFY(HasRedInk(QImage(QStringLiteral(":/pictures/pieces/red_general.png"))));
    QVERIFY(!HasRedInk(QImage(QStringLiteral(":/pictures/pieces/black_general.png"))));
  }

  void appIcon() {
    // One drawing per size, each a round red-ink piece on a transparent square.
    const QIcon icon = lorvane::AppIcon();
    const QList<QSize> sizes = icon.availableSizes();
    QCOMPARE(sizes.size(), 8);
    for (int pixels : {16, 22, 24, 32, 48, 64, 128, 256}) {
      const QSize size(pixels, pixels);
      QVERIFY2(sizes.contains(size), qPrintable(QString::number(pixels)));
      const QImage img = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
      QCOMPARE(img.size(), size);
      QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
      QCOMPARE(qAlpha(img.pixel(pixels - 1, pixels - 1)), 0);
      QCOMPARE(qAlpha(img.pixel(pixels / 2, pixels / 5)), 255);
      QVERIFY2(HasRedInk(img), qPrintable(QString::number(pixels)));
    }
  }

  void marker() {
    CheckImage(QStringLiteral(":/pictures/marker.png"), QSize(44, 44));
    const QImage img = QImage(QStringLiteral(":/pictures/marker.png")).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(qAlpha(img.pixel(22, 22)), 0);  // the framed point stays visible
    QVERIFY(qAlpha(img.pixel(2, 2)) > 200);  // a corner bracket
    QVERIFY(qGreen(img.pixel(2, 2)) > qRed(img.pixel(2, 2)));
  }

  void buttons() {
    for (const QString& path : ButtonNames()) CheckImage(path, QSize(54, 36));
    // The highlighted face is brighter than the normal one.
    auto meanGrey = [](const QString& path) {
      const QImage img = QImage(path).convertToFormat(QImage::Format_ARGB32);
      double sum = 0;
      for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) sum += qGray(img.pixel(x, y));
      return sum / (img.width() * img.height());
    };
    QVERIFY(meanGrey(QStringLiteral(":/pictures/buttons/new_bright.png")) >
            meanGrey(QStringLiteral(":/pictures/buttons/new_dim.png")));
  }

  void licenseEmbedded() {
    QFile f(QStringLiteral(":/fonts/OFL.txt"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll().contains("SIL OPEN FONT LICENSE Version 1.1"));
  }

  void fontRegisters() {
    lorvane::RegisterEmbeddedFonts();
    lorvane::RegisterEmbeddedFonts();  // a second call is harmless
    QCOMPARE(lorvane::SerifFamily(), QStringLiteral("Lorvane Serif"));
    QVERIFY(QFontDatabase::families().contains(QStringLiteral("Lorvane Serif")));
    const QStringList styles = QFontDatabase::styles(QStringLiteral("Lorvane Serif"));
    QVERIFY2(styles.contains(QStringLiteral("Regular")), qPrintable(styles.join(',')));
    QVERIFY2(styles.contains(QStringLiteral("Bold")), qPrintable(styles.join(',')));
  }

  void fontCoversGameText() {
    const QList<uint> chars = GameCharacters();
    QVERIFY(chars.size() > 200);
    for (const char* face : {":/fonts/LorvaneSerif-Regular.otf", ":/fonts/LorvaneSerif-Bold.otf"}) {
      QFile f(QString::fromLatin1(face));
      QVERIFY(f.open(QIODevice::ReadOnly));
      const QRawFont raw(f.readAll(), 16);
      QVERIFY2(raw.isValid(), face);
      QCOMPARE(raw.familyName(), QStringLiteral("Lorvane Serif"));
      QList<uint> missing;
      for (uint ch : chars)
        if (!raw.supportsCharacter(ch)) missing << ch;
      QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("%1 lacks: %2").arg(face, Describe(missing))));
    }
    // And through the registered family, as the widgets use it.
    lorvane::RegisterEmbeddedFonts();
    for (bool bold : {false, true}) {
      QFont font(lorvane::SerifFamily(), 12);
      font.setBold(bold);
      const QFontMetrics fm(font);
      QList<uint> missing;
      for (uint ch : chars)
        if (ch != ' ' && !fm.inFontUcs4(ch)) missing << ch;
      QVERIFY2(missing.isEmpty(), qPrintable(Describe(missing)));
    }
  }
};

QTEST_MAIN(AssetsTest)
#include "assets_test.moc"
