// The core's screen, shown with Qt's message boxes.
#pragma once

#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "engine/state/screen.h"

namespace tablerun {

class C_TTableArea;
class TSoundPlayer;

// Every message box of the program: a dialog frame with only a close button,
// wide enough that the window manager can show its whole title.
void fnPrepareMessageBox(QMessageBox& box);

class TQtScreen final : public TScreen {
 public:
  // Message boxes are centred on this window once it exists.
  void SetParentWindow(QWidget* window) { parent_ = window; }
  // The table that shows moves and changed piles.
  void SetTableArea(C_TTableArea* table);

  // The program is ending: from now on nothing is asked or shown, every
  // question gets its cautious answer.
  void Silence() { silent_ = true; }
  TMessageAnswer ShowMessage(TMessageKind kind, const std::string& text, TMessageButtons buttons) override;
  bool ShowAdvisory(const std::string& text) override;
  // The core has checked the event's own sound setting.
  void SetSoundPlayer(TSoundPlayer* player);
  void PlaySound(const std::string& name, bool loop) override;
  void StopSound() override;
  void Beep() override;
  void RequestRepaint() override;
  void ShowCardsMoved(int card, TPileRef from, int position, TPileRef to) override;

  // The labels of the tool bar row that show the score and the time, once the window has them.
  void SetScoreLabels(QLabel* score, QLabel* time) {
    score_ = score;
    time_ = time;
  }
  void ShowScore(int score) override;
  void ShowElapsedTime(const std::string& text) override;
  void RunWinningAnimation() override;
  // The window shows its "Game won" window once the winning move has returned.
  void SetGameWonHandler(std::function<void()> handler) { gameWon_ = std::move(handler); }
  void ShowGameWon() override;
  void CloseMainWindow() override;
  // The window opens its play-area menu at a point of the table.
  void SetMainPopupHandler(std::function<void(int x, int y)> handler) { mainPopup_ = std::move(handler); }
  void ShowMainPopup(int x, int y) override;

 private:
  QPointer<QWidget> parent_;
  QPointer<C_TTableArea> table_;
  QPointer<QLabel> score_;
  QPointer<QLabel> time_;
  QPointer<TSoundPlayer> sounds_;
  std::function<void()> gameWon_;
  std::function<void(int, int)> mainPopup_;
  bool silent_ = false;
};

}  // namespace tablerun
