// The tool's screen: messages go to the error stream, questions get the first answer.
#pragma once

#include <cstdio>

#include "engine/screen.h"

namespace tablerun {

class TConsoleScreen final : public TScreen {
public:
  TMessageAnswer ShowMessage(TMessageKind, const std::string& text, TMessageButtons buttons) override {
    std::fprintf(stderr, "%s\n", text.c_str());
    return buttons == TMessageButtons::YesNo ? TMessageAnswer::Yes : TMessageAnswer::Ok;
  }
  bool ShowAdvisory(const std::string& text) override {
    std::fprintf(stderr, "%s\n", text.c_str());
    return false;
  }
  void PlaySound(const std::string&, bool) override {}
  void StopSound() override {}
  void Beep() override {}
  void RequestRepaint() override {}
  void ProcessPendingEvents() override {}
};

}  // namespace tablerun
