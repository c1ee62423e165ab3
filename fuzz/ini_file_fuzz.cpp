// Any bytes as a preference store: reading the settings and changing them
// must never crash.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "config/ini_file.h"
#include "config/preferences.h"
#include "engine/screen.h"

namespace {

class TSilentScreen final : public tablerun::TScreen {
public:
  tablerun::TMessageAnswer ShowMessage(tablerun::TMessageKind, const std::string&, tablerun::TMessageButtons) override {
    return tablerun::TMessageAnswer::Ok;
  }
  bool ShowAdvisory(const std::string&) override { return false; }
  void PlaySound(const std::string&, bool) override {}
  void StopSound() override {}
  void Beep() override {}
  void RequestRepaint() override {}
  void ProcessPendingEvents() override {}
};

std::string fnScratchFile() {
  static const std::string path = [] {
    std::string pattern = "/tmp/tablerun-ini-fuzz-XXXXXX";
    const char* folder = ::mkdtemp(pattern.data());
    return std::string(folder ? folder : "/tmp") + "/Cfg.dat";
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = fnScratchFile();
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                static_cast<std::streamsize>(size));
  tablerun::TPosixFileSystem fs;
  TSilentScreen screen;
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
