#include "about_box.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include "version.h"
#include "window_fonts.h"

namespace lorvane {

namespace {

// The box was laid out in twips, 15 to a pixel.
constexpr int Px(int twips) { return twips / 15; }

}  // namespace

AboutBox::AboutBox(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("frmAbout"));
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
  setWindowTitle(QString::fromUtf8("关于 Lorvane"));
  setFixedSize(Px(4545), Px(3300));

  Label1 = new QLabel(QString::fromLatin1(kAppTitle), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setFont(AboutTitleFont());
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setGeometry(Px(1080), Px(480), Px(2895), Px(255));

  // Here the name and the version run together, without the caption's space.
  Label3 = new QLabel(QString::fromLatin1(kName) + QLatin1Char('V') + QString::fromLatin1(kVersion) +
                          QString::fromUtf8("是一个简单的中国象棋人机对弈的小游戏。"
                                            "Lorvane难度分为两级，初级和高级，以适合不同用户的需要。"),
                      this);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setWordWrap(true);
  Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label3->setGeometry(Px(360), Px(1080), Px(3975), Px(975));

  Label2 = new QLabel(QString::fromUtf8("联系作者：lorvane@example.com"), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setGeometry(Px(720), Px(2280), Px(3735), Px(255));

  Command1 = new QPushButton(QString::fromUtf8("确定"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setGeometry(Px(600), Px(2640), Px(2775), Px(495));
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void AboutBox::Command1_Click() { close(); }

// Closing the box hands the activation back to the game window.
void AboutBox::closeEvent(QCloseEvent* event) {
  QWidget* owner = parentWidget();
  QDialog::closeEvent(event);
  if (event->isAccepted() && owner != nullptr) owner->activateWindow();
}

}  // namespace lorvane
