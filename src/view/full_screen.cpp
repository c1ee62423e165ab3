#include "view/full_screen.h"

#include <QWidget>

namespace tablerun {

C_TFullScreen::C_TFullScreen(QWidget& window) : QObject(&window), window_(window) { setObjectName("C_TFullScreen1"); }

// Only the window state changes: the window manager takes the frame away and
// gives it back. Changing the window's flags instead would make a new native
// window each time, which a window manager may place and frame out of step.
void C_TFullScreen::Enter() {
  if (active_) return;
  state_ = window_.windowState() & ~Qt::WindowMinimized;
  geometry_ = window_.normalGeometry();
  active_ = true;
  window_.setWindowState(state_ | Qt::WindowFullScreen);
}

void C_TFullScreen::Leave() {
  if (!active_) return;
  active_ = false;
  window_.setWindowState(state_ & ~Qt::WindowFullScreen);
  if (!state_.testFlag(Qt::WindowMaximized)) window_.setGeometry(geometry_);
}

}  // namespace tablerun
