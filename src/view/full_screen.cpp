#include "view/full_screen.h"

#include <QWidget>

namespace tablerun {

C_TFullScreen::C_TFullScreen(QWidget& window) : QObject(&window), window_(window) {
  setObjectName("C_TFullScreen1");
}

void C_TFullScreen::Enter() {
  if (active_) return;
  flags_ = window_.windowFlags();
  state_ = window_.windowState();
  geometry_ = window_.normalGeometry();
  active_ = true;
  window_.setWindowFlags(flags_ | Qt::FramelessWindowHint);
  window_.showFullScreen();
}

void C_TFullScreen::Leave() {
  if (!active_) return;
  active_ = false;
  window_.setWindowFlags(flags_);
  window_.setGeometry(geometry_);
  window_.setWindowState(state_);
  window_.show();
}

}  // namespace tablerun
