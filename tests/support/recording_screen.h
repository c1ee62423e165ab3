// A screen that answers from a script and remembers what the core showed.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "engine/screen.h"

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
  // Answers handed out in order; when empty, the first button's answer.
  std::deque<TMessageAnswer> answers;
  bool tickAdvisory = false;

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
  void RequestRepaint() override { ++repaints; }
  void ProcessPendingEvents() override {}
};

}  // namespace tablerun::testing
