// The tool's screen: messages go to the error stream, questions get the first
// answer, and everything else stays silent. The play command prints the score
// itself, once, at the end.
#pragma once

#include <cstdio>

#include "engine/state/silent_screen.h"

namespace tablerun {

class TConsoleScreen final : public TSilentScreen {
 public:
  TMessageAnswer ShowMessage(TMessageKind kind, const std::string& text, TMessageButtons buttons) override {
    std::fprintf(stderr, "%s\n", text.c_str());
    return TSilentScreen::ShowMessage(kind, text, buttons);
  }
  bool ShowAdvisory(const std::string& text) override {
    std::fprintf(stderr, "%s\n", text.c_str());
    return false;
  }
};

}  // namespace tablerun
