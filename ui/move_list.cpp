#include "move_list.h"

#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyledItemDelegate>
#include <algorithm>

namespace lorvane {

namespace {

// Width of the scroll bar, narrower than a usual one so that a whole line
// still fits beside it in the 81-pixel list.
constexpr int kScrollBarWidth = 10;
// Gap between the list's inner edge and the first stroke of a line.
constexpr int kInkGap = 2;

// The window's own style, but with the slim scroll bar.
class SlimScrollBarStyle : public QProxyStyle {
 public:
  explicit SlimScrollBarStyle(QStyle* base) : QProxyStyle(base) {}
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_ScrollBarExtent) return kScrollBarWidth;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

// Draws each line with its first stroke close to the list's left edge: every
// line opens with a full-width bracket whose left half is blank, and without
// that blank the line fits beside the scroll bar. The line is clipped by the
// list, never shortened with an ellipsis.
class MoveLineDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem shifted(option);
    const QString text = index.data(Qt::DisplayRole).toString();
    const QWidget* list = option.widget;
    const QStyle* style = list != nullptr ? list->style() : nullptr;
    const int margin =
        style != nullptr ? style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1 : 0;
    const int blank = text.isEmpty() ? 0 : std::max(0, option.fontMetrics.leftBearing(text.front()));
    const int shift = std::max(0, margin + blank - kInkGap);
    shifted.rect.adjust(-shift, 0, shift, 0);
    QStyledItemDelegate::paint(painter, shifted, index);
  }
};

}  // namespace

MoveList::MoveList(QWidget* parent) : QListWidget(parent) {
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setTextElideMode(Qt::ElideNone);
  setItemDelegate(new MoveLineDelegate(this));
  auto* barStyle = new SlimScrollBarStyle(QStyleFactory::create(style()->name()));
  barStyle->setParent(this);
  verticalScrollBar()->setStyle(barStyle);
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int line) {
    if (partner_ != nullptr && !measuring_ && !partner_->measuring_)
      partner_->verticalScrollBar()->setValue(line);
  });
}

void MoveList::KeepInStep(MoveList* a, MoveList* b) {
  a->partner_ = b;
  b->partner_ = a;
  a->ShareRange();
}

void MoveList::updateGeometries() {
  const int top = verticalScrollBar()->value();
  measuring_ = true;
  QListWidget::updateGeometries();
  ownMaximum_ = verticalScrollBar()->maximum();
  measuring_ = false;
  // A line may be a little wider than the room beside the scroll bar; the
  // list never scrolls sideways.
  horizontalScrollBar()->setRange(0, 0);
  // Qt may have moved this list while it had only its own range; put it
  // back beside its partner.
  ShareRange();
  verticalScrollBar()->setValue(top);
}

void MoveList::ShareRange() {
  if (partner_ == nullptr) return;
  const int shared = std::max(ownMaximum_, partner_->ownMaximum_);
  // Both bars come and go together, as soon as either list needs one, so
  // that the lists keep equal widths and the shorter can follow the longer.
  // Qt is not left to decide by each list's own lines: it would hide the
  // shorter list's bar each time it measures that list alone.
  const Qt::ScrollBarPolicy bars = shared > 0 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
  for (MoveList* list : {this, partner_}) {
    list->verticalScrollBar()->setMaximum(shared);
    if (list->verticalScrollBarPolicy() != bars) list->setVerticalScrollBarPolicy(bars);
  }
  partner_->verticalScrollBar()->setValue(verticalScrollBar()->value());
}

}  // namespace lorvane
