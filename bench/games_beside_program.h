// The games list the build writes beside the benchmarks.
#pragma once

#include <filesystem>
#include <string>

#include "config/file_system.h"
#include "model/catalogue.h"
#include "model/games_file.h"

namespace tablerun {

inline bool fnLoadGamesBesideProgram(TFileSystem& fs, TCatalogue& catalogue) {
  std::error_code ignored;
  const auto folder = std::filesystem::read_symlink("/proc/self/exe", ignored).parent_path();
  const auto bytes = fnReadWholeFile(fs, (folder / kGamesFileName).string());
  std::string error;
  return bytes && catalogue.Load(TGamesFile::Parse(*bytes), error);
}

}  // namespace tablerun
