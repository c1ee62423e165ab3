// Any bytes as a preference store: reading the settings and changing them
// must never crash.
#include <cstdint>
#include <string>

#include "config/ini_file.h"
#include "config/preferences.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = tablerun::fuzzing::fnScratchFolder() + "Cfg.dat";
  tablerun::fuzzing::fnStoreBytes(path, {reinterpret_cast<const char*>(data), size});
  tablerun::TPosixFileSystem fs;
  tablerun::fuzzing::TSilentScreen screen;
  // Writes stay in memory: the disk side is the safe rewrite's, tested on its own.
  tablerun::TIniFile store(fs, screen, path, tablerun::TIniFile::TAccess::InspectOnly);
  tablerun::TConfigRecord record;
  const auto settings = tablerun::fnLoadPreferences(store, record, tablerun::TDisplayInfo{});
  for (const auto& key : store.ReadKeys("Preference")) store.ReadInteger("Preference", key, 0);
  tablerun::fnSavePreferences(store, record, settings, tablerun::TDisplayInfo{});
  store.WriteString("Users", "User004", "[Users]=x");
  store.EraseSection("Settings");
  (void)store.Serialize();
  return 0;
}
