// The paused table: plain green with the pause pictures, the upper one
// swinging sideways, over the whole table so that no card can be studied.
// Any key or mouse button press anywhere in the program ends the pause.
#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

namespace tablerun {

class TImageLibrary;

class C_TPauseScreen final : public QWidget {
  Q_OBJECT
 public:
  // Covers `table` while shown; `fade`: the green fades to black downwards.
  C_TPauseScreen(QWidget& table, const TImageLibrary& library, bool fade);

  void Start();
  void Stop();
  bool IsPaused() const { return isVisible(); }
  // Where the swinging picture is now, for tests.
  int SwingX() const { return swingX_; }

 signals:
  // The player pressed a key or a mouse button; the press itself goes no further.
  void resumeRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Place();
  void Swing();

  QImage first_, second_;
  bool fade_;
  QTimer swing_;
  int homeX_ = 0, swingX_ = 0, firstY_ = 0, secondX_ = 0, secondY_ = 0;
  int step_ = 3;
};

}  // namespace tablerun
