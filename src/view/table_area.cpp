#include "view/table_area.h"

#include <QPaintEvent>
#include <QPainter>

namespace tablerun {

C_TTableArea::C_TTableArea(QWidget* parent) : QWidget(parent), cloth_(fnColourFromStore(0x008000)) {
  setObjectName("imgSfondo");
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void C_TTableArea::Attach(TPlaySession& session, TAppearance& appearance, const TImageLibrary& library) {
  session_ = &session;
  appearance_ = &appearance;
  library_ = &library;
}

void C_TTableArea::DealTable(bool) { update(); }

void C_TTableArea::RedrawTable() { update(); }

void C_TTableArea::SetCloth(const QColor& colour) {
  cloth_ = colour;
  update();
}

void C_TTableArea::SetBackground(const QImage& background) {
  background_ = background;
  update();
}

void C_TTableArea::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), cloth_);
  if (!background_.isNull()) painter.drawImage(event->rect().topLeft(), background_, event->rect());
}

QColor fnColourFromStore(int stored) {
  const auto value = static_cast<unsigned>(stored);
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

}  // namespace tablerun
