// The core's screen, shown with Qt's message boxes.
#pragma once

#include <QLabel>
#include <QPointer>
#include <QWidget>

#include "engine/screen.h"

namespace tablerun {

class TQtScreen final : public TScreen {
public:
  // Message boxes are centred on this window once it exists.
  void SetParentWindow(QWidget* window) { parent_ = window; }

  TMessageAnswer ShowMessage(TMessageKind kind, const std::string& text, TMessageButtons buttons) override;
  bool ShowAdvisory(const std::string& text) override;
  // The sounds themselves come from the image library, which is not opened yet.
  void PlaySound(const std::string& name, bool loop) override;
  void StopSound() override;
  void Beep() override;
  void RequestRepaint() override;
  void ProcessPendingEvents() override;

  // The labels of the tool bar row that show the score and the time, once the window has them.
  void SetScoreLabels(QLabel* score, QLabel* time) {
    score_ = score;
    time_ = time;
  }
  void ShowScore(int score) override;
  void ShowElapsedTime(const std::string& text) override;
  void RunWinningAnimation() override;
  void ShowGameWon() override;
  void CloseMainWindow() override;

private:
  QPointer<QWidget> parent_;
  QPointer<QLabel> score_;
  QPointer<QLabel> time_;
};

}  // namespace tablerun
