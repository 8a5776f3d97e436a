// The About box: the game's name, a few words about it, a contact line and
// an OK button. It is modeless: the game window stays usable beside it.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace lorvane {

class AboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit AboutBox(QWidget* owner);

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QPushButton* Command1 = nullptr;

  void Command1_Click();

 protected:
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace lorvane
