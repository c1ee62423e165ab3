// A screen that answers from a script and remembers what the core showed.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "engine/state/screen.h"

namespace tablerun::testing {

class TRecordingScreen final : public TScreen {
 public:
  struct TShown {
    TMessageKind kind;
    std::string text;
    TMessageButtons buttons;
  };

  std::vector<TShown> messages;
  std::vector<std::string> advisories;
  std::vector<std::string> sounds;
  int beeps = 0;
  int repaints = 0;
  struct TMoved {
    int card;
    TPileRef from;
    int position;
    TPileRef to;
  };
  std::vector<TMoved> moves;
  // Answers handed out in order; when empty, the first button's answer.
  std::deque<TMessageAnswer> answers;
  bool tickAdvisory = false;
  int score = 0;
  std::vector<std::string> times;
  int winningAnimations = 0;
  int gameWonWindows = 0;
  int closes = 0;
  std::vector<std::pair<int, int>> popups;  // where the play-area pop-up menu opened
  // Runs while the winning animation plays, as the player acting meanwhile.
  std::function<void()> duringWinningAnimation;
  // Told of moves and repaints too, as a window's table that flies the cards.
  TScreen* table = nullptr;

  TMessageAnswer ShowMessage(TMessageKind kind, const std::string& text, TMessageButtons buttons) override {
    messages.push_back({kind, text, buttons});
    if (!answers.empty()) {
      const TMessageAnswer answer = answers.front();
      answers.pop_front();
      return answer;
    }
    return buttons == TMessageButtons::YesNo ? TMessageAnswer::Yes : TMessageAnswer::Ok;
  }
  bool ShowAdvisory(const std::string& text) override {
    advisories.push_back(text);
    return tickAdvisory;
  }
  void PlaySound(const std::string& name, bool) override { sounds.push_back(name); }
  void StopSound() override {}
  void Beep() override { ++beeps; }
  void RequestRepaint() override {
    ++repaints;
    if (table) table->RequestRepaint();
  }
  void ShowCardsMoved(int card, TPileRef from, int position, TPileRef to) override {
    moves.push_back({card, from, position, to});
    if (table) table->ShowCardsMoved(card, from, position, to);
  }
  void ShowScore(int shown) override { score = shown; }
  void ShowElapsedTime(const std::string& text) override { times.push_back(text); }
  void RunWinningAnimation() override {
    ++winningAnimations;
    if (duringWinningAnimation) duringWinningAnimation();
  }
  void ShowGameWon() override { ++gameWonWindows; }
  void CloseMainWindow() override { ++closes; }
  void ShowMainPopup(int x, int y) override { popups.push_back({x, y}); }
};

}  // namespace tablerun::testing
