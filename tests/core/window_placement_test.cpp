// The stored window placement is fitted to the screen it opens on, and a
// maximised window keeps the placement it restores to.
#include "engine/session/window_placement.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "support/recording_screen.h"

namespace tablerun {
namespace {

TEST(WindowPlacement, IsFittedToTheScreen) {
  const TWindowPlacement laptop{0, 0, 1280, 800};
  const TWindowPlacement beside{1920, 30, 1280, 770};  // a second screen, a panel on top
  struct TCase {
    std::int64_t left, top, width, height;
    TWindowPlacement screen;
    TWindowPlacement expected;
  };
  for (const TCase& c : {
           TCase{50, 50, 800, 600, laptop, {50, 50, 800, 600}},     // fits: kept
           TCase{0, 0, 3840, 2160, laptop, {0, 0, 1280, 800}},      // a bigger screen's window
           TCase{50, 50, 40000, 40000, laptop, {0, 0, 1280, 800}},  // absurd sizes
           TCase{INT_MAX, INT_MAX, INT_MAX, INT_MAX, laptop, {0, 0, 1280, 800}},
           TCase{INT64_MIN, INT64_MIN, INT64_MAX, INT64_MIN, laptop, {0, 0, 1280, 150}},
           TCase{1200, 700, 800, 600, laptop, {480, 200, 800, 600}},  // hanging off: pulled in
           TCase{-5000, -5000, 10, 10, laptop, {0, 0, 200, 150}},     // too small: the smallest
           TCase{0, 0, 800, 600, beside, {1920, 30, 800, 600}},       // onto the screen's own area
           TCase{3000, 0, 800, 600, beside, {2400, 30, 800, 600}},
           TCase{0, 0, 800, 600, {0, 0, 160, 100}, {0, 0, 160, 100}},  // a screen smaller than a window
       }) {
    EXPECT_EQ(fnFitWindowPlacement(c.left, c.top, c.width, c.height, c.screen), c.expected)
        << c.left << "," << c.top << " " << c.width << "x" << c.height;
  }
}

TEST(WindowPlacement, AMaximisedWindowKeepsWhereItRestoresTo) {
  TPosixFileSystem fs;
  testing::TRecordingScreen screen;
  TIniFile store(fs, screen, "/nonexistent/Cfg.dat", TIniFile::TAccess::InspectOnly);
  const TWindowPlacement desk{0, 0, 1280, 800};
  EXPECT_EQ(fnReadStoredWindow(store, desk), (TStoredWindow{{50, 50, 1130, 650}, true, false}));
  fnStoreWindow(store, {{100, 80, 900, 600}, false, false});
  EXPECT_EQ(fnReadStoredWindow(store, desk), (TStoredWindow{{100, 80, 900, 600}, false, false}));
  fnStoreWindow(store, {{0, 0, 1280, 800}, true, true});
  EXPECT_EQ(fnReadStoredWindow(store, desk), (TStoredWindow{{100, 80, 900, 600}, true, true}));
  // What the store holds is fitted to a smaller screen.
  EXPECT_EQ(fnReadStoredWindow(store, {0, 0, 640, 480}).placement, (TWindowPlacement{0, 0, 640, 480}));
}

}  // namespace
}  // namespace tablerun
