// Building the window: the controls at their places in their stacking
// order, the menu bar, and the wiring of their events to the handlers.
#include "main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include "about_box.h"
#include "etched_frame.h"
#include "move_list.h"
#include "rendering.h"
#include "version.h"
#include "window_fonts.h"
#include "window_layout.h"

namespace lorvane {

namespace {

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

QRect Rect(const Place& place) { return QRect(place.left, place.top, place.width, place.height); }

}  // namespace

MainWindow::MainWindow() : game_(*this) {
  setWindowTitle(QString::fromLatin1(kAppTitle));
  BuildClientArea();
  BuildMenus();
  ConnectControls();
  SetUpAccessibility();
  SetUpKeyboardPlay();
  // The window cannot be resized: the board is a fixed picture.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  qApp->installEventFilter(this);
  // The first new game is set up as the window is made, so that it opens on
  // the initial position. Its first activation then has nothing left to do:
  // where the window becomes active only with the user's first click (no
  // window manager), that click must not be lost to a second new game.
  Form_Activate();
  activatedOnce_ = true;
}

MainWindow::~MainWindow() {
  qApp->removeEventFilter(this);
  // The cursor outlives the game state it reads while the widgets go down.
  if (Cursor != nullptr) Cursor->SetWordsSource(nullptr);
  if (frmAbout) delete frmAbout.data();
}

void MainWindow::BuildClientArea() {
  client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(kClientWidth, kClientHeight);
  client->setMouseTracking(true);
  client->installEventFilter(this);
  setCentralWidget(client);

  // Created in any order; the stacking order is set at the end.
  Image1 = new PictureControl(client, QStringLiteral("Image1"), kBoardWidth, kBoardHeight);
  Image1->Place(kBoardLeft, kBoardTop);
  Image1->SetPicture(QStringLiteral(":/pictures/board.png"));

  PictureControl** markers[4] = {&Image3, &Image4, &Image5, &Image6};
  for (int i = 0; i < 4; ++i) {
    *markers[i] = new PictureControl(client, QStringLiteral("Image%1").arg(i + 3), kMarkerSize, kMarkerSize);
    (*markers[i])->SetPicture(QStringLiteral(":/pictures/marker.png"));
    (*markers[i])->hide();
  }
  // Only the computer's from-marker answers clicks (as a board click); the
  // others let them through to what lies beneath.
  Image3->setAttribute(Qt::WA_TransparentForMouseEvents);
  Image4->setAttribute(Qt::WA_TransparentForMouseEvents);
  Image6->setAttribute(Qt::WA_TransparentForMouseEvents);

  for (int k = 0; k < 32; ++k) {
    Image2[k] = new PictureControl(client, QStringLiteral("Image2_%1").arg(k), kPieceSize, kPieceSize, k);
    Image2[k]->SetPicture(PiecePicturePath(k));
    Image2[k]->hide();
  }

  // The file numbers: Label1_0..8 over files 0..8, Label1_9..17 under files
  // 8..0, "一" first.
  const QFont labelFont = FileNumberFont();
  for (int i = 0; i < 18; ++i) {
    const bool top = i < 9;
    const int file = top ? i : 17 - i;
    QLabel* label = new QLabel(Text(top ? kTopFileNumbers[file] : kBottomFileNumbers[file]), client);
    label->setObjectName(QStringLiteral("Label1_%1").arg(i));
    label->setFont(labelFont);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(Rect(top ? TopFileNumber(file) : BottomFileNumber(file)));
    Label1[i] = label;
  }

  // The picture buttons: the dim picture on top, the bright one beneath it.
  PictureControl** const pictures[4][2] = {
      {&Image7, &Image8}, {&Image9, &Image10}, {&Image11, &Image12}, {&Image13, &Image14}};
  for (int i = 0; i < 4; ++i) {
    const PictureButton& b = kPictureButtons[i];
    const QString face = QString::fromLatin1(b.face);
    const int brightNumber = 7 + 2 * i;
    PictureControl*& bright = *pictures[i][0];
    PictureControl*& dim = *pictures[i][1];
    bright = new PictureControl(client, QStringLiteral("Image%1").arg(brightNumber), b.place.width,
                                b.place.height);
    bright->SetPicture(QStringLiteral(":/pictures/buttons/%1_bright.png").arg(face));
    bright->Place(b.place.left, b.place.top);
    bright->hide();
    dim = new PictureControl(client, QStringLiteral("Image%1").arg(brightNumber + 1), b.place.width,
                             b.place.height);
    dim->SetPicture(QStringLiteral(":/pictures/buttons/%1_dim.png").arg(face));
    dim->Place(b.place.left, b.place.top);
  }

  Frame1 = new EtchedFrame(Text("玩家"), client);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setGeometry(Rect(kPlayerFrame));
  auto* playerList = new MoveList(Frame1);
  List1 = playerList;
  List1->setObjectName(QStringLiteral("List1"));
  List1->setGeometry(Rect(kMoveList));

  Frame2 = new EtchedFrame(Text("电脑"), client);
  Frame2->setObjectName(QStringLiteral("Frame2"));
  Frame2->setGeometry(Rect(kComputerFrame));
  auto* computerList = new MoveList(Frame2);
  List2 = computerList;
  List2->setObjectName(QStringLiteral("List2"));
  List2->setGeometry(Rect(kMoveList));
  MoveList::KeepInStep(playerList, computerList);

  for (QListWidget* list : {List1, List2}) {
    // The lines are short and the newest is kept in view; the scroll bar
    // appears for a long game.
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setFocusPolicy(Qt::NoFocus);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFont(MoveListFont());
  }

  Frame3 = new EtchedFrame(Text("难度"), client);
  Frame3->setObjectName(QStringLiteral("Frame3"));
  Frame3->setGeometry(Rect(kDifficultyFrame));
  Option1 = new QRadioButton(Text("低难度"), Frame3);
  Option1->setObjectName(QStringLiteral("Option1"));
  Option1->setGeometry(Rect(kLowOption));
  Option2 = new QRadioButton(Text("高难度"), Frame3);
  Option2->setObjectName(QStringLiteral("Option2"));
  Option2->setGeometry(Rect(kHighOption));
  Option2->raise();
  Option1->setChecked(true);

  // Stacking order, from the top down.
  std::vector<QWidget*> order = {Frame3, Frame2, Frame1, Image14, Image13, Image12, Image11,
                                 Image10, Image9, Image8, Image7};
  for (QLabel* label : Label1) order.push_back(label);
  for (PictureControl* piece : Image2) order.push_back(piece);
  for (PictureControl* marker : {Image3, Image4, Image5, Image6}) order.push_back(marker);
  order.push_back(Image1);
  for (auto it = order.rbegin(); it != order.rend(); ++it) (*it)->raise();
}

void MainWindow::BuildMenus() {
  QMenuBar* bar = menuBar();
  file = bar->addMenu(Text("文件(&F)"));
  file->setObjectName(QStringLiteral("file"));
  Open = file->addAction(Text("开局(&O)"));
  Open->setObjectName(QStringLiteral("Open"));
  Line = file->addSeparator();
  Line->setObjectName(QStringLiteral("Line"));
  Back = file->addAction(Text("悔棋(&B)"));
  Back->setObjectName(QStringLiteral("Back"));
  Tie = file->addAction(Text("求和(&T)"));
  Tie->setObjectName(QStringLiteral("Tie"));
  Lose = file->addAction(Text("认输(&L)"));
  Lose->setObjectName(QStringLiteral("Lose"));
  Line1 = file->addSeparator();
  Line1->setObjectName(QStringLiteral("Line1"));
  Quit = file->addAction(Text("退出(&Q)"));
  Quit->setObjectName(QStringLiteral("Quit"));

  Diff = bar->addMenu(Text("难度设置(&D)"));
  Diff->setObjectName(QStringLiteral("Diff"));
  low = Diff->addAction(Text("低难度"));
  low->setObjectName(QStringLiteral("low"));
  low->setCheckable(true);
  low->setChecked(true);
  High = Diff->addAction(Text("高难度"));
  High->setObjectName(QStringLiteral("High"));
  High->setCheckable(true);

  Help = bar->addMenu(Text("帮助(&H)"));
  Help->setObjectName(QStringLiteral("Help"));
  About = Help->addAction(Text("关于(&A)"));
  About->setObjectName(QStringLiteral("About"));
}

void MainWindow::ConnectControls() {
  for (PictureControl* piece : Image2)
    connect(piece, &PictureControl::Clicked, this, [this](int k) { Image2_Click(k); });
  connect(Image1, &PictureControl::Clicked, this, [this] { Image1_Click(); });
  connect(Image5, &PictureControl::Clicked, this, [this] { Image5_Click(); });
  // The board, with the pictures on it, is the window's background for the
  // picture buttons: moving over it puts them back to their normal pictures.
  connect(Image1, &PictureControl::MouseMoved, this, [this] { Form_MouseMove(); });
  connect(Image5, &PictureControl::MouseMoved, this, [this] { Form_MouseMove(); });
  for (PictureControl* piece : Image2)
    connect(piece, &PictureControl::MouseMoved, this, [this] { Form_MouseMove(); });

  connect(Image7, &PictureControl::Clicked, this, [this] { Image7_Click(); });
  connect(Image9, &PictureControl::Clicked, this, [this] { Image9_Click(); });
  connect(Image11, &PictureControl::Clicked, this, [this] { Image11_Click(); });
  connect(Image13, &PictureControl::Clicked, this, [this] { Image13_Click(); });
  connect(Image8, &PictureControl::MouseMoved, this, [this] { Image8_MouseMove(); });
  connect(Image10, &PictureControl::MouseMoved, this, [this] { Image10_MouseMove(); });
  connect(Image12, &PictureControl::MouseMoved, this, [this] { Image12_MouseMove(); });
  connect(Image14, &PictureControl::MouseMoved, this, [this] { Image14_MouseMove(); });

  connect(Open, &QAction::triggered, this, [this] { Open_Click(); });
  connect(Back, &QAction::triggered, this, [this] { Back_Click(); });
  connect(Tie, &QAction::triggered, this, [this] { Tie_Click(); });
  connect(Lose, &QAction::triggered, this, [this] { Lose_Click(); });
  connect(Quit, &QAction::triggered, this, [this] { Quit_Click(); });
  connect(low, &QAction::triggered, this, [this] { low_Click(); });
  connect(High, &QAction::triggered, this, [this] { High_Click(); });
  connect(About, &QAction::triggered, this, [this] { About_Click(); });
  // An option button's click comes when it becomes the selected one, by the
  // mouse or by the program.
  connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
    if (on) Option1_Click();
  });
  connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
    if (on) Option2_Click();
  });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Image1 && BoardEvent(event)) return true;
  if (event->type() == QEvent::MouseMove && watched == client) {
    Form_MouseMove();
    return false;
  }
  if (event->type() == QEvent::WindowActivate) {
    QWidget* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && widget->isWindow()) {
      if (widget == this) {
        // A new game when the window first becomes active and whenever it
        // comes back from the About box; not after a message box, nor after
        // the user has been in another program.
        const bool newGame = !activatedOnce_ || aboutWasLastActive_;
        activatedOnce_ = true;
        aboutWasLastActive_ = false;
        if (newGame) Form_Activate();
      } else {
        aboutWasLastActive_ = frmAbout != nullptr && widget == frmAbout.data();
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

// Closing the game window ends the program, the About box included.
void MainWindow::closeEvent(QCloseEvent* event) {
  if (frmAbout) delete frmAbout.data();
  QMainWindow::closeEvent(event);
}

}  // namespace lorvane
