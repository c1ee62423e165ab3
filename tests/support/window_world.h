// Everything the main window needs, started on fresh program and home
// folders with the built games list and image library, on a hand-set clock.
#pragma once

#include <filesystem>

#include "engine/session/play_session.h"
#include "engine/session/start_up.h"
#include "pictures/image_library.h"
#include "support/fake_clock.h"
#include "support/recording_screen.h"
#include "support/temp_folder.h"
#include "view/appearance.h"

namespace tablerun::testing {

struct TWindowWorld {
  TTempFolder program, home;
  TPosixFileSystem fs;
  TRecordingScreen screen;
  TTablerunState state{fs, screen};
  TFakeClock clock;
  TPlaySession session{state, clock};
  TImageLibrary library;
  TAppearance appearance{state, library};
  bool started = false;

  TWindowWorld() {
    std::filesystem::copy_file(TABLERUN_BUILT_GAMES_FILE, program / "GAMES.DAT");
    TStartUpPlace place;
    place.programFolder = program.Path();
    place.userFolders.applicationData = home.Path();
    place.userFolders.documents = home.Path();
    started = fnStartUp(state, place);
  }
  std::string Store() const { return home.Read("Tablerun/Cfg.dat"); }
};

}  // namespace tablerun::testing
