// A frame drawn the classic way: an etched border whose top line runs
// through the middle of the caption. The controls inside are placed by hand.
#pragma once

#include <QGroupBox>

namespace lorvane {

class EtchedFrame : public QGroupBox {
  Q_OBJECT

 public:
  EtchedFrame(const QString& caption, QWidget* parent);

  // The border, in the frame's own coordinates.
  QRect BorderRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Where the caption is written, over a gap in the top line.
  QRect CaptionRect() const;
};

}  // namespace lorvane
