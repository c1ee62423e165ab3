// What every fuzz target needs: a screen that shows nothing and a scratch
// folder to put the input in as a file.
#pragma once

#include <stdlib.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "engine/screen.h"

namespace tablerun::fuzzing {

class TSilentScreen final : public TScreen {
public:
  TMessageAnswer ShowMessage(TMessageKind, const std::string&, TMessageButtons) override { return TMessageAnswer::Ok; }
  bool ShowAdvisory(const std::string&) override { return false; }
  void PlaySound(const std::string&, bool) override {}
  void StopSound() override {}
  void Beep() override {}
  void RequestRepaint() override {}
  void ProcessPendingEvents() override {}
};

// One folder per fuzzing process, ending in "/".
inline const std::string& fnScratchFolder() {
  static const std::string folder = [] {
    std::string pattern = "/tmp/tablerun-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    return pattern + "/";
  }();
  return folder;
}

inline void fnStoreBytes(const std::string& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace tablerun::fuzzing
