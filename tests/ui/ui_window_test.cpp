// The window's layout, pictures and fonts, and the drawing of the pieces.
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRawFont>
#include <QRadioButton>
#include <QTest>

#include "embedded_fonts.h"
#include "notation.h"
#include "rendering.h"
#include "version.h"
#include "window_driver.h"
#include "window_fonts.h"

using namespace lorvane;
using namespace lorvane::testing;

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

void ShowBoard(MainWindow& window, const Board& board) {
  window.Game().board = board;
  window.RedrawPieces();
}

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindow> window_;

 private slots:
  void initTestCase() { SetUpFonts(); }
  void init() { window_ = OpenWindow(); }
  void cleanup() { window_.reset(); }

  void captionAndClientArea() {
    QCOMPARE(window_->windowTitle(), QString::fromLatin1(kAppTitle));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Lorvane V") + QString::fromLatin1(kVersion));
    QCOMPARE(window_->centralWidget(), window_->client);
    QCOMPARE(window_->client->size(), QSize(651, 538));
    QCOMPARE(window_->client->grab().size(), QSize(651, 538));
    // The menu bar lies above the client area, and the window keeps its size.
    QVERIFY(window_->menuBar()->isVisible());
    QVERIFY(window_->client->y() >= window_->menuBar()->height());
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
  }

  void controlsAtTheirPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Frame3") << "Frame3" << "client" << QRect(464, 328, 169, 65) << U("难度");
    QTest::newRow("Option2") << "Option2" << "Frame3" << QRect(88, 24, 57, 25) << U("高难度");
    QTest::newRow("Option1") << "Option1" << "Frame3" << QRect(24, 24, 65, 25) << U("低难度");
    QTest::newRow("Frame2") << "Frame2" << "client" << QRect(552, 8, 97, 305) << U("电脑");
    QTest::newRow("List2") << "List2" << "Frame2" << QRect(8, 16, 81, 280) << QString();
    QTest::newRow("Frame1") << "Frame1" << "client" << QRect(456, 8, 97, 305) << U("玩家");
    QTest::newRow("List1") << "List1" << "Frame1" << QRect(8, 16, 81, 280) << QString();
    QTest::newRow("Image14") << "Image14" << "client" << QRect(576, 472, 67, 44) << QString();
    QTest::newRow("Image13") << "Image13" << "client" << QRect(576, 472, 67, 44) << QString();
    QTest::newRow("Image12") << "Image12" << "client" << QRect(480, 472, 67, 44) << QString();
    QTest::newRow("Image11") << "Image11" << "client" << QRect(480, 472, 67, 44) << QString();
    QTest::newRow("Image10") << "Image10" << "client" << QRect(576, 416, 67, 44) << QString();
    QTest::newRow("Image9") << "Image9" << "client" << QRect(576, 416, 67, 44) << QString();
    QTest::newRow("Image8") << "Image8" << "client" << QRect(480, 416, 67, 44) << QString();
    QTest::newRow("Image7") << "Image7" << "client" << QRect(480, 416, 67, 44) << QString();
    QTest::newRow("Image1") << "Image1" << "client" << QRect(0, 16, 452, 501) << QString();
    const int topLeft[9] = {24, 72, 120, 168, 215, 263, 311, 359, 407};
    const char* top[9] = {"１", "２", "３", "４", "５", "６", "７", "８", "９"};
    const char* bottom[9] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
    for (int i = 0; i < 9; ++i) {
      const QString name = QStringLiteral("Label1_%1").arg(i);
      QTest::newRow(qPrintable(name)) << name << "client" << QRect(topLeft[i], 0, 17, 16) << U(top[i]);
      const QString below = QStringLiteral("Label1_%1").arg(i + 9);
      QTest::newRow(qPrintable(below))
          << below << "client" << QRect(topLeft[8 - i], 520, 17, 16) << U(bottom[i]);
    }
  }
  void controlsAtTheirPlaces() {
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QWidget* control = window_->findChild<QWidget*>(name);
    QVERIFY2(control != nullptr, qPrintable(name));
    QCOMPARE(control->parentWidget()->objectName(), parent);
    QCOMPARE(control->geometry(), geometry);
    if (auto* frame = qobject_cast<QGroupBox*>(control)) QCOMPARE(frame->title(), caption);
    if (auto* option = qobject_cast<QRadioButton*>(control)) QCOMPARE(option->text(), caption);
    if (auto* label = qobject_cast<QLabel*>(control)) QCOMPARE(label->text(), caption);
  }

  // The controls of the client area from the bottom of the stacking order to
  // the top: board, markers, pieces, the keyboard cursor, file numbers,
  // buttons, frames.
  void stackingOrder() {
    QStringList expected;
    expected << "Image1" << "Image6" << "Image5" << "Image4" << "Image3";
    for (int k = 31; k >= 0; --k) expected << QStringLiteral("Image2_%1").arg(k);
    expected << "BoardCursor";
    for (int i = 17; i >= 0; --i) expected << QStringLiteral("Label1_%1").arg(i);
    expected << "Image7" << "Image8" << "Image9" << "Image10" << "Image11" << "Image12"
             << "Image13" << "Image14" << "Frame1" << "Frame2" << "Frame3";
    QStringList actual;
    for (QObject* child : window_->client->children())
      if (child->isWidgetType()) actual << child->objectName();
    QCOMPARE(actual, expected);
    QStringList inFrame;
    for (QObject* child : window_->Frame3->children())
      if (child->isWidgetType()) inFrame << child->objectName();
    QCOMPARE(inFrame, QStringList({"Option1", "Option2"}));
    // A piece lying over a marker and the board takes the click.
    window_->Image3->Place(PointLeft(4), PointTop(9));
    window_->Image3->show();
    window_->Image5->Place(PointLeft(4), PointTop(9));
    window_->Image5->show();
    QCOMPARE(WidgetAt(*window_, PointCentre(4, 9)), window_->Image2[16]);
    // Hidden pictures take no clicks: the board beneath does.
    QCOMPARE(WidgetAt(*window_, PointCentre(4, 5)), window_->Image1);
    QCOMPARE(WidgetAt(*window_, QPoint(500, 430)), window_->Image8);
  }

  void fileNumbersFont() {
    for (QLabel* label : window_->Label1) {
      QCOMPARE(label->font().family(), SerifFamily());
      QCOMPARE(label->font().pointSizeF(), 12.0);
      QVERIFY(label->font().bold());
    }
  }

  // Every text the game shows can be drawn with the embedded font, so that
  // machines without a Chinese font of their own show it too.
  void embeddedFontCoversEveryText() {
    QStringList texts;
    texts << window_->windowTitle();
    for (QLabel* label : window_->client->findChildren<QLabel*>()) texts << label->text();
    for (QGroupBox* frame : window_->client->findChildren<QGroupBox*>()) texts << frame->title();
    texts << window_->Option1->text() << window_->Option2->text();
    for (QMenu* menu : {window_->file, window_->Diff, window_->Help}) {
      texts << menu->title();
      for (QAction* item : menu->actions()) texts << item->text();
    }
    window_->About_Click();
    AboutBox* about = window_->AboutWindow();
    texts << about->Label1->text() << about->Label2->text() << about->Label3->text()
          << about->Command1->text();
    // The messages and the notation's words.
    texts << U("已经结束!!!") << U("不和！") << U("呵呵！算你还识相！") << U("确定")
          << U("本局已满八十一回合，无法继续走棋。请悔棋或重新开局。") << U("进平退");
    for (int code = 1; code <= 14; ++code)
      texts << QString::fromStdString(PlayerPieceName(static_cast<std::uint8_t>(code)))
            << QString::fromStdString(ComputerPieceName(static_cast<std::uint8_t>(code)));
    for (int n = 1; n <= 10; ++n) texts << QString::fromStdString(ChineseNumeral(n)) << QString::number(n);
    const QRawFont font = QRawFont::fromFont(QFont(SerifFamily()));
    QVERIFY(font.isValid());
    for (const QString& text : texts)
      for (const QChar c : text)
        if (c != QLatin1Char('&') && !c.isSpace())
          QVERIFY2(font.supportsCharacter(c), qPrintable(text + " : " + QString(c)));
  }

  void menusAndCaptions() {
    QCOMPARE(window_->file->title(), U("文件(&F)"));
    QCOMPARE(window_->Diff->title(), U("难度设置(&D)"));
    QCOMPARE(window_->Help->title(), U("帮助(&H)"));
    QStringList fileItems;
    for (QAction* a : window_->file->actions()) fileItems << (a->isSeparator() ? "-" : a->text());
    QCOMPARE(fileItems, QStringList({U("开局(&O)"), "-", U("悔棋(&B)"), U("求和(&T)"),
                                     U("认输(&L)"), "-", U("退出(&Q)")}));
    QCOMPARE(window_->low->text(), U("低难度"));
    QCOMPARE(window_->High->text(), U("高难度"));
    QCOMPARE(window_->About->text(), U("关于(&A)"));
    QVERIFY(window_->low->isCheckable() && window_->low->isChecked());
    QVERIFY(window_->High->isCheckable() && !window_->High->isChecked());
    QVERIFY(window_->Option1->isChecked());
    QVERIFY(!window_->Option2->isChecked());
    QCOMPARE(window_->menuBar()->actions().size(), 3);
  }

  void picturesLoaded() {
    QCOMPARE(window_->Image1->Picture().deviceIndependentSize().toSize(), QSize(452, 501));
    for (PictureControl* piece : window_->Image2) {
      QVERIFY(!piece->Picture().isNull());
      QCOMPARE(piece->size(), QSize(43, 43));
    }
    for (PictureControl* marker : {window_->Image3, window_->Image4, window_->Image5, window_->Image6}) {
      QVERIFY(!marker->Picture().isNull());
      QCOMPARE(marker->size(), QSize(44, 44));
      QVERIFY(!marker->isVisibleTo(window_->client));
    }
    // The bright pictures are hidden under the dim ones when the window opens.
    QVERIFY(window_->Image8->isVisibleTo(window_->client));
    QVERIFY(!window_->Image7->isVisibleTo(window_->client));
    QVERIFY(window_->Image14->isVisibleTo(window_->client));
    QVERIFY(!window_->Image13->isVisibleTo(window_->client));
    // Each of the 32 pictures shows the side and kind PiecePictureTable gives it.
    QVERIFY(PiecePicturePath(0).endsWith("black_general.png"));
    QVERIFY(PiecePicturePath(5).endsWith("black_elephant.png"));
    QVERIFY(PiecePicturePath(7).endsWith("black_advisor.png"));
    QVERIFY(PiecePicturePath(9).endsWith("black_cannon.png"));
    QVERIFY(PiecePicturePath(16).endsWith("red_general.png"));
    QVERIFY(PiecePicturePath(24).endsWith("red_advisor.png"));
    QVERIFY(PiecePicturePath(26).endsWith("red_cannon.png"));
    QVERIFY(PiecePicturePath(31).endsWith("red_pawn.png"));
  }

  void pictureTableSplitsSides() {
    for (int code = 1; code <= 7; ++code) {
      const PicturesOfKind& computer = PiecePictureTable[code];
      const PicturesOfKind& player = PiecePictureTable[code + 7];
      QCOMPARE(player.count, computer.count);
      for (int i = 0; i < computer.count; ++i) {
        QVERIFY(computer.index[i] < 16);
        QCOMPARE(player.index[i], computer.index[i] + 16);
      }
    }
    for (int k = 0; k < 32; ++k) QCOMPARE(IsPlayerPiece(PictureCode(k)), k >= 16);
  }

  void initialPosition() {
    const auto at = [this](int k) { return window_->Image2[k]->pos(); };
    QCOMPARE(at(0), QPoint(204, 26));
    QCOMPARE(at(16), QPoint(204, 458));
    QCOMPARE(at(1), QPoint(PointLeft(0), PointTop(0)));
    QCOMPARE(at(2), QPoint(PointLeft(8), PointTop(0)));
    QCOMPARE(at(17), QPoint(PointLeft(0), PointTop(9)));
    QCOMPARE(at(18), QPoint(PointLeft(8), PointTop(9)));
    QCOMPARE(at(9), QPoint(PointLeft(1), PointTop(2)));
    QCOMPARE(at(26), QPoint(PointLeft(7), PointTop(7)));
    QCOMPARE(at(11), QPoint(PointLeft(0), PointTop(3)));
    QCOMPARE(at(15), QPoint(PointLeft(8), PointTop(3)));
    QCOMPARE(at(27), QPoint(PointLeft(0), PointTop(6)));
    for (PictureControl* piece : window_->Image2) QVERIFY(piece->isVisibleTo(window_->client));
    QVERIFY(BoardFromPictures(*window_) == InitialBoard());
  }

  void redrawAfterCapture() {
    Board board = InitialBoard();
    board(0, 9) = kEmpty;  // the player's left chariot has been taken
    ShowBoard(*window_, board);
    QVERIFY(window_->Image2[17]->isVisibleTo(window_->client));
    QVERIFY(!window_->Image2[18]->isVisibleTo(window_->client));
    QCOMPARE(window_->Image2[17]->pos(), QPoint(PointLeft(8), PointTop(9)));
    QVERIFY(BoardFromPictures(*window_) == board);
  }

  void redrawEmptyAndCrowdedBoards() {
    ShowBoard(*window_, Board{});
    for (PictureControl* piece : window_->Image2) QVERIFY(!piece->isVisibleTo(window_->client));
    // Six pawns: the sixth reuses the fifth picture, which ends on the last
    // pawn met.
    Board pawns;
    for (int x = 0; x < 6; ++x) pawns(x, 5) = kPlayerPawn;
    ShowBoard(*window_, pawns);
    for (int k = 27; k <= 30; ++k)
      QCOMPARE(window_->Image2[k]->pos(), QPoint(PointLeft(k - 27), PointTop(5)));
    QCOMPARE(window_->Image2[31]->pos(), QPoint(PointLeft(5), PointTop(5)));
    // Nearer the top comes first.
    Board horses;
    horses(6, 2) = kComputerHorse;
    horses(1, 7) = kComputerHorse;
    ShowBoard(*window_, horses);
    QCOMPARE(window_->Image2[3]->pos(), QPoint(PointLeft(6), PointTop(2)));
    QCOMPARE(window_->Image2[4]->pos(), QPoint(PointLeft(1), PointTop(7)));
  }

  void redrawWithoutChangeKeepsPlaces() {
    QList<QPoint> before;
    for (PictureControl* piece : window_->Image2) before << piece->pos();
    window_->RedrawPieces();
    for (int k = 0; k < 32; ++k) QCOMPARE(window_->Image2[k]->pos(), before[k]);
  }

  // What the player sees: the board shows through around the round pieces
  // and inside the markers' frames.
  void screenshotShowsBoardThroughPictures() {
    window_->Image4->Place(PointLeft(4), PointTop(5));
    window_->Image4->show();
    const QImage shot = window_->client->grab().toImage();
    const QImage board = window_->Image1->Picture().toImage();
    const auto boardPixel = [&](QPoint client) {
      return board.pixel(board.width() * (client.x() - 0) / 452, board.height() * (client.y() - 16) / 501);
    };
    // The corner of a piece picture's square, outside the disc.
    const QPoint corner(PointLeft(0) + 1, PointTop(0) + 1);
    QCOMPARE(QColor(shot.pixel(corner)), QColor(boardPixel(corner)));
    // The middle of the target marker on an empty point.
    const QPoint middle = PointCentre(4, 5) + QPoint(10, 10);
    QCOMPARE(QColor(shot.pixel(middle)), QColor(boardPixel(middle)));
    const QByteArray dir = qgetenv("LORVANE_SHOT_DIR");
    if (!dir.isEmpty()) window_->grab().save(QString::fromLocal8Bit(dir) + "/window-initial.png");
  }
};

QTEST_MAIN(WindowTest)
#include "ui_window_test.moc"
