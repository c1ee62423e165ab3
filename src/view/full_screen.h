// Full-screen mode of a window: without border and caption over the whole
// screen, and back to exactly the frame, state and place it had.
#pragma once

#include <QObject>
#include <QRect>

class QWidget;

namespace tablerun {

class C_TFullScreen final : public QObject {
  Q_OBJECT
 public:
  explicit C_TFullScreen(QWidget& window);

  bool IsActive() const { return active_; }
  // What leaving will bring back, for saving the placement while in full screen.
  QRect RestoredGeometry() const { return geometry_; }
  bool RestoresMaximized() const { return state_.testFlag(Qt::WindowMaximized); }
  void Enter();
  void Leave();

 private:
  QWidget& window_;
  bool active_ = false;
  Qt::WindowStates state_;
  QRect geometry_;
};

}  // namespace tablerun
