#include "engine/session/window_placement.h"

#include <algorithm>

namespace tablerun {
namespace {

constexpr const char* kPreference = "Preference";

// Within [low, high]; `high` wins when the range is empty.
int fnWithin(std::int64_t value, std::int64_t low, std::int64_t high) {
  return static_cast<int>(std::min(std::max(value, low), high));
}

}  // namespace

TWindowPlacement fnFitWindowPlacement(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height,
                                      const TWindowPlacement& screen) {
  TWindowPlacement placed;
  placed.width = fnWithin(width, kSmallestWindowWidth, screen.width);
  placed.height = fnWithin(height, kSmallestWindowHeight, screen.height);
  placed.left = fnWithin(left, screen.left, std::int64_t{screen.left} + screen.width - placed.width);
  placed.top = fnWithin(top, screen.top, std::int64_t{screen.top} + screen.height - placed.height);
  return placed;
}

TStoredWindow fnReadStoredWindow(const TIniFile& store, const TWindowPlacement& screen) {
  const auto read = [&store](const char* key, std::int64_t fallback) {
    return store.ReadInteger(kPreference, key, fallback);
  };
  return {.placement = fnFitWindowPlacement(read("MainWindowState_Left", 50), read("MainWindowState_Top", 50),
                                            read("MainWindowState_Width", screen.width - 150),
                                            read("MainWindowState_Height", screen.height - 150), screen),
          .maximized = store.ReadString(kPreference, "MainWindowState_Maximized", "Y") == "Y",
          .fullScreen = store.ReadString(kPreference, "Full_Screen", "N") == "Y"};
}

void fnStoreWindow(TIniFile& store, const TStoredWindow& window) {
  TIniFile::TDeferredWrites batch(store);
  store.WriteString(kPreference, "Full_Screen", window.fullScreen ? "Y" : "N");
  store.WriteString(kPreference, "MainWindowState_Maximized", window.maximized ? "Y" : "N");
  if (window.maximized) return;
  store.WriteInteger(kPreference, "MainWindowState_Left", window.placement.left);
  store.WriteInteger(kPreference, "MainWindowState_Top", window.placement.top);
  store.WriteInteger(kPreference, "MainWindowState_Width", window.placement.width);
  store.WriteInteger(kPreference, "MainWindowState_Height", window.placement.height);
}

}  // namespace tablerun
