#include "tool/config_dump.h"

#include <cstdio>

#include "config/data_folders.h"
#include "config/preferences.h"
#include "tool/console_screen.h"

namespace tablerun {

int fnConfigDump(const std::string& dataFolder) {
  TPosixFileSystem fs;
  TConsoleScreen screen;
  TConfigRecord record;
  const std::string store = fnWithTrailingSlash(dataFolder) + record.Read(cfg::kStoreName);
  if (!fs.Exists(store)) std::fprintf(stderr, "no %s: showing the first-run values\n", store.c_str());
  TIniFile ini(fs, screen, store, TIniFile::TAccess::InspectOnly);
  fnLoadPreferences(ini, record, TDisplayInfo{});
  for (const auto& field : fnPreferenceFields()) {
    std::printf("%d\t%d\t%s\t%s\n", field.field.position, field.field.length, *field.key ? field.key : "-",
                record.Read(field.field).c_str());
  }
  return 0;
}

}  // namespace tablerun
