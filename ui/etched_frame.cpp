#include "etched_frame.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

namespace lorvane {

namespace {

// The caption starts this far from the frame's left edge and keeps this gap
// to the border line on either side.
constexpr int kCaptionLeft = 6;
constexpr int kCaptionGap = 2;

}  // namespace

EtchedFrame::EtchedFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

QRect EtchedFrame::BorderRect() const {
  const int top = fontMetrics().height() / 2;
  return QRect(0, top, width(), height() - top);
}

QRect EtchedFrame::CaptionRect() const {
  const int textWidth = fontMetrics().horizontalAdvance(title());
  return QRect(kCaptionLeft, 0, textWidth + 2 * kCaptionGap, fontMetrics().height());
}

void EtchedFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect caption = CaptionRect();
  painter.setClipRegion(QRegion(rect()).subtracted(caption));
  // A sunken line beside a raised one: the groove of an etched border.
  qDrawShadeRect(&painter, BorderRect(), palette(), true, 1, 0);
  painter.setClipping(false);
  style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                        isEnabled(), title(), QPalette::WindowText);
}

}  // namespace lorvane
