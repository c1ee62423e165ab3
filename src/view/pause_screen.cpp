#include "view/pause_screen.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

#include "pictures/image_library.h"
#include "view/background.h"

namespace tablerun {
namespace {

constexpr QRgb kPauseGreen = 0x008000;
constexpr int kSwingMilliseconds = 80;

}  // namespace

C_TPauseScreen::C_TPauseScreen(QWidget& table, const TImageLibrary& library, bool fade) : QWidget(&table), fade_(fade) {
  setObjectName("pnlPause");
  setAttribute(Qt::WA_OpaquePaintEvent);
  library.LoadNamedImage(first_, "BMP_PAUSE_1", kPauseGreen);
  library.LoadNamedImage(second_, "BMP_PAUSE_2", kPauseGreen);
  swing_.setInterval(kSwingMilliseconds);
  connect(&swing_, &QTimer::timeout, this, &C_TPauseScreen::Swing);
  table.installEventFilter(this);
  hide();
}

void C_TPauseScreen::Start() {
  Place();
  show();
  raise();
  qApp->installEventFilter(this);
  swing_.start();
}

void C_TPauseScreen::Stop() {
  swing_.stop();
  qApp->removeEventFilter(this);
  hide();
}

void C_TPauseScreen::Place() {
  setGeometry(parentWidget()->rect());
  const int x = std::max(5, (width() - first_.width()) / 2);
  firstY_ = std::max(100, (height() - first_.height() - second_.height() - 45) / 2);
  secondX_ = std::max(5, (width() - second_.width()) / 2);
  secondY_ = firstY_ + first_.height() + 15;
  homeX_ = swingX_ = x;
  step_ = 3;
}

void C_TPauseScreen::Swing() {
  swingX_ += step_;
  // Back and forth over the width of the lower picture.
  if (swingX_ > 2 * homeX_ - secondX_ + 2 || swingX_ < secondX_ - 2) step_ = -step_;
  update(0, firstY_, width(), first_.height());
}

void C_TPauseScreen::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor green(kPauseGreen);
  if (fade_) {
    fnPaintFade(painter, green, width(), height());
  } else {
    painter.fillRect(rect(), green);
  }
  painter.drawImage(swingX_, firstY_, first_);
  painter.drawImage(secondX_, secondY_, second_);
}

bool C_TPauseScreen::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize && IsPaused()) Place();
  if (!IsPaused()) return false;
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress: emit resumeRequested(); return true;
    default: return false;
  }
}

}  // namespace tablerun
