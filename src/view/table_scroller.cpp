#include "view/table_scroller.h"

#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "view/table_area.h"

namespace tablerun {
namespace {

constexpr int kPixelsPerNotch = 60;
constexpr int kNotch = 120;  // angle delta of one wheel notch

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

bool C_TTableScroller::BarShown() const {
  return verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
}

QSize C_TTableScroller::VisibleSize() const {
  return viewport()->size();
}

void C_TTableScroller::ScrollToTop() {
  verticalScrollBar()->setValue(0);
}

void C_TTableScroller::ScrollWhileDragging(QPoint tablePoint) {
  constexpr int kEdge = 5;
  QScrollBar* bar = verticalScrollBar();
  const int top = bar->value();
  if (top > 0 && tablePoint.y() - top < kEdge) {
    bar->setValue(top - bar->pageStep());
  } else if (BarShown() && top + viewport()->height() - tablePoint.y() < kEdge) {
    bar->setValue(top + bar->pageStep());  // the bar stops at its end
  }
}

bool C_TTableScroller::Fit(bool allowed, int lowest, int cardHeight) {
  const int visible = viewport()->height();
  const bool needed = allowed && lowest > visible;
  const bool changed = needed != BarShown();
  setVerticalScrollBarPolicy(needed ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  table_.resize(viewport()->width(), needed ? lowest + 2 * cardHeight : visible);
  if (!needed) ScrollToTop();
  verticalScrollBar()->setSingleStep(kPixelsPerNotch);
  verticalScrollBar()->setPageStep(visible);
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
    table_.resize(viewport()->width(),
                  BarShown() ? std::max(table_.height(), viewport()->height()) : viewport()->height());
    emit viewResized();
  }
  return QScrollArea::eventFilter(watched, event);
}

}  // namespace tablerun
