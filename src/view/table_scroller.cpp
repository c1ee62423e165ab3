#include "view/table_scroller.h"

#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "view/table_area.h"

namespace tablerun {
namespace {

constexpr int kPixelsPerNotch = 60;
constexpr int kNotch = 120;  // angle delta of one wheel notch
// The table keeps this much cloth right of its rightmost pile when it is wider than the window.
constexpr int kRightMargin = 10;

}  // namespace

C_TTableScroller::C_TTableScroller(C_TTableArea& table, QWidget* parent) : QScrollArea(parent), table_(table) {
  setObjectName("scrTable");
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  verticalScrollBar()->setObjectName("scrBarMain");
  setWidget(&table_);
  viewport()->installEventFilter(this);
  table_.installEventFilter(this);
}

bool C_TTableScroller::BarShown() const { return verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn; }

bool C_TTableScroller::WideBarShown() const { return horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn; }

QSize C_TTableScroller::VisibleSize() const { return viewport()->size(); }

void C_TTableScroller::ScrollToTop() { verticalScrollBar()->setValue(0); }

void C_TTableScroller::ScrollWhileDragging(QPoint tablePoint) {
  const auto follow = [](QScrollBar* bar, bool shown, int at, int visible) {
    constexpr int kEdge = 5;
    const int start = bar->value();
    if (start > 0 && at - start < kEdge) {
      bar->setValue(start - bar->pageStep());
    } else if (shown && start + visible - at < kEdge) {
      bar->setValue(start + bar->pageStep());  // the bar stops at its end
    }
  };
  follow(verticalScrollBar(), BarShown(), tablePoint.y(), viewport()->height());
  follow(horizontalScrollBar(), WideBarShown(), tablePoint.x(), viewport()->width());
}

bool C_TTableScroller::Fit(bool allowed, int lowest, int rightmost, int cardHeight) {
  const bool wide = rightmost > viewport()->width();
  const bool wideChanged = wide != WideBarShown();
  setHorizontalScrollBarPolicy(wide ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  const int visible = viewport()->height();
  const bool needed = allowed && lowest > visible;
  const bool changed = needed != BarShown() || wideChanged;
  setVerticalScrollBarPolicy(needed ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  table_.resize(wide ? rightmost + kRightMargin : viewport()->width(), needed ? lowest + 2 * cardHeight : visible);
  if (!needed) ScrollToTop();
  if (!wide) horizontalScrollBar()->setValue(0);
  verticalScrollBar()->setSingleStep(kPixelsPerNotch);
  verticalScrollBar()->setPageStep(visible);
  horizontalScrollBar()->setSingleStep(kPixelsPerNotch);
  horizontalScrollBar()->setPageStep(viewport()->width());
  return changed;
}

bool C_TTableScroller::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel && watched == &table_) {
    // Only the bar scrolls the table, by a fixed step whatever the desktop's wheel setting.
    if (BarShown()) {
      const int notches = static_cast<QWheelEvent*>(event)->angleDelta().y();
      verticalScrollBar()->setValue(verticalScrollBar()->value() - notches * kPixelsPerNotch / kNotch);
    }
    return true;
  }
  if (event->type() == QEvent::Resize && watched == viewport()) {
    table_.resize(WideBarShown() ? std::max(table_.width(), viewport()->width()) : viewport()->width(),
                  BarShown() ? std::max(table_.height(), viewport()->height()) : viewport()->height());
    emit viewResized();
  }
  return QScrollArea::eventFilter(watched, event);
}

}  // namespace tablerun
