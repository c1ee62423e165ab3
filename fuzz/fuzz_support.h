// What every fuzz target needs: a screen that shows nothing and a scratch
// folder to put the input in as a file.
#pragma once

#include <stdlib.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "engine/state/silent_screen.h"

namespace tablerun::fuzzing {

using TSilentScreen = tablerun::TSilentScreen;

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
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace tablerun::fuzzing
