// The settings mirrored between the preference store and the configuration
// record: read at start-up, written back when the program ends.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "config/config_record.h"
#include "config/ini_file.h"

namespace tablerun {

struct TDisplayInfo {
  bool moreThan256Colours = true;
};

// Settings that live in TMainGame table entries rather than in the record:
// pairs of (entry, value).
using TMainGameSettings = std::array<std::pair<int, std::int16_t>, 6>;

// A record position filled at start-up, with the store key it mirrors
// ("" for positions that are set without a key).
struct TPreferenceField {
  TConfigField field;
  const char* key;
};
std::vector<TPreferenceField> fnPreferenceFields();

// The entries, with values still to be filled.
TMainGameSettings fnMainGameSettingEntries();

// Fills the record from the store, applying the defaults and the first-run
// rules (a default player and the "Users" section when none is set).
TMainGameSettings fnLoadPreferences(TIniFile& store, TConfigRecord& record, const TDisplayInfo& display);

// Writes back every mirrored setting whose value in the record (or TMainGame
// entry) differs from what the store would give; the rest of the store stays.
bool fnSavePreferences(TIniFile& store, const TConfigRecord& record, const TMainGameSettings& settings,
                       const TDisplayInfo& display);

// The stored game must still exist, else the default game is current (no game
// when that is gone too); the name is always the list's, never the stored one.
// `gameName` answers "" for a code no game has.
void fnCheckCurrentGame(TConfigRecord& record, const std::function<std::string(int gameCode)>& gameName);

}  // namespace tablerun
