#include "choice/open_game_preferences.h"

#include "config/text.h"

namespace tablerun {
namespace {

constexpr const char* kSection = "Preference";

int fnInteger(const TIniFile& store, const char* key, int fallback) {
  return static_cast<int>(store.ReadInteger(kSection, key, fallback));
}

bool fnFlag(const TIniFile& store, const char* key, bool fallback) {
  return fnSameTextIgnoringCase(store.ReadString(kSection, key, fallback ? "Y" : "N"), "Y");
}

}  // namespace

TOpenGamePreferences fnReadOpenGamePreferences(const TIniFile& store) {
  TOpenGamePreferences preferences;
  preferences.listMode = fnInteger(store, "Game_TreeType", 0);
  // Only a group's code is a place to go back to.
  const int treeNum = fnInteger(store, "Game_TreeNum", kNoTreeNum);
  if (treeNum < 0) preferences.treeNum = treeNum;
  preferences.treePos = fnInteger(store, "Game_TreePos", -1);
  preferences.preview = fnFlag(store, "Open_Preview_Game", true);
  preferences.showWonLost = fnFlag(store, "Open_Show_Won_Lost", false);
  return preferences;
}

void fnWriteOpenGameChoice(TIniFile& store, const TOpenGameChoice& choice) {
  TIniFile::TDeferredWrites once(store);
  store.WriteString(kSection, "Game", fnZeroFill(choice.code, 4));
  store.WriteString(kSection, "Game_Name", choice.name);
  store.WriteInteger(kSection, "Game_TreeNum", choice.treeNum);
  store.WriteInteger(kSection, "Game_TreePos", choice.treePos);
  store.WriteInteger(kSection, "Game_TreeType", choice.listMode);
  store.WriteString(kSection, "Open_Show_Won_Lost", choice.showWonLost ? "Y" : "N");
}

}  // namespace tablerun
