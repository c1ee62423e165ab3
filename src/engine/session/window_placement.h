// Where the main window opens: the placement Cfg.dat remembers, fitted to the
// screen it opens on, whatever numbers the file holds.
#pragma once

#include <cstdint>

#include "config/ini_file.h"

namespace tablerun {

struct TWindowPlacement {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const TWindowPlacement&, const TWindowPlacement&) = default;
};

// The smallest window that still shows the table.
inline constexpr int kSmallestWindowWidth = 200;
inline constexpr int kSmallestWindowHeight = 150;

// The stored values as read (any 64-bit number), fitted to `screen`, the
// screen's area free for windows: no larger than it, no smaller than the
// smallest window (unless the screen is), and wholly on it.
TWindowPlacement fnFitWindowPlacement(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height,
                                      const TWindowPlacement& screen);

// What the preference store remembers of the main window.
struct TStoredWindow {
  TWindowPlacement placement;  // where it restores to from maximised or full screen
  bool maximized = true;
  bool fullScreen = false;
  friend bool operator==(const TStoredWindow&, const TStoredWindow&) = default;
};

// Fitted to `screen`; a window never placed opens maximised and restores to
// 150 pixels less than the screen each way.
TStoredWindow fnReadStoredWindow(const TIniFile& store, const TWindowPlacement& screen);
// A maximised window keeps the placement stored before, so it restores there.
void fnStoreWindow(TIniFile& store, const TStoredWindow& window);

}  // namespace tablerun
