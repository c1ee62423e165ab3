// The first and last things the program does with its files: find the data
// folder, fill the configuration from the preference store, read the games
// list, and at the end write the settings back.
#pragma once

#include <string>

#include "engine/state/tablerun_state.h"

namespace tablerun {

struct TStartUpPlace {
  std::string programFolder;
  TUserFolders userFolders;
  TDisplayInfo display;
};

// False when the program cannot run (the games list is missing or damaged);
// the player has been told why.
bool fnStartUp(TTablerunState& state, const TStartUpPlace& place);

// Writes back the settings that changed during the run; false when the store
// could not be written (the player has been told).
bool fnSaveSettings(TTablerunState& state);

}  // namespace tablerun
