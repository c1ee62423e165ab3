// A screen nobody watches (soaks, fuzzers, the tool): it shows and plays
// nothing, and every question gets its first answer.
#pragma once

#include <string>

#include "engine/state/screen.h"

namespace tablerun {

class TSilentScreen : public TScreen {
 public:
  TMessageAnswer ShowMessage(TMessageKind, const std::string&, TMessageButtons buttons) override {
    return buttons == TMessageButtons::YesNo ? TMessageAnswer::Yes : TMessageAnswer::Ok;
  }
  bool ShowAdvisory(const std::string&) override { return false; }
  void PlaySound(const std::string&, bool) override {}
  void StopSound() override {}
  void Beep() override {}
  void RequestRepaint() override {}
  void ShowCardsMoved(int, TPileRef, int, TPileRef) override {}
  void ShowScore(int) override {}
  void ShowElapsedTime(const std::string&) override {}
  void RunWinningAnimation() override {}
  void ShowGameWon() override {}
  void CloseMainWindow() override {}
  void ShowMainPopup(int, int) override {}
};

}  // namespace tablerun
