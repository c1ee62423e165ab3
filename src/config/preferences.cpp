#include "config/preferences.h"

#include <string>
#include <string_view>

#include "config/text.h"

namespace tablerun {
namespace {

enum class TKind {
  Text,        // stored as it stands ("Y"/"N" flags, names, letters)
  Integer,     // decimal text
  ZeroFilled,  // decimal text zero-filled to the field width
  Colour,      // a 32-bit colour; kept in its signed form
  Present,     // "Y" when the stored text is not empty
};

struct TMirrored {
  int position;
  int length;
  const char* key;
  TKind kind;
  const char* fallback;
};

constexpr const char* kPreference = "Preference";
constexpr const char* kSettings = "Settings";
constexpr const char* kButtonFace = "2147483663";
constexpr const char* kDefaultGame = "1";

// Order matters where one default follows another key ("Cards_Shadowed").
constexpr TMirrored kMirrored[] = {
    {21, 3, "Back_Card", TKind::ZeroFilled, "11"},
    {24, 3, "Card", TKind::ZeroFilled, "1"},
    {27, 1, "Background_def", TKind::Text, "N"},
    {28, 15, "Background_Col", TKind::Colour, kButtonFace},
    {43, 4, "Background_bmp", TKind::Text, ""},
    {47, 15, "Background_Fixed_Col", TKind::Colour, "32768"},
    {kPosGame, 4, "Game", TKind::ZeroFilled, kDefaultGame},
    {66, 1, "Show_Time", TKind::Text, "Y"},
    {67, 1, "Cards_Animate", TKind::Text, "Y"},
    {68, 6, "Language", TKind::Integer, "20000"},
    {74, 2, "Speed_Move_Card", TKind::Integer, "10"},
    {76, 1, "StatusBar", TKind::Text, "N"},
    {kPosPlayer, 30, "UserDefault", TKind::Text, ""},
    {128, 1, "Card_Size", TKind::Text, "B"},
    {135, 1, "Fade_Background", TKind::Text, "Y"},
    {136, 1, "Show_Score", TKind::Text, "Y"},
    {137, 1, "Undo_Enabled", TKind::Text, "0"},
    {141, 1, "Sounds_Enabled", TKind::Text, "Y"},
    {142, 1, "Sounds_About", TKind::Text, "Y"},
    {143, 1, "Sounds_Autoplay", TKind::Text, "Y"},
    {144, 1, "Sounds_GameWon", TKind::Text, "Y"},
    {145, 1, "Sounds_NewGame", TKind::Text, "N"},
    {146, 1, "Sounds_Redo", TKind::Text, "Y"},
    {147, 1, "Sounds_Restart", TKind::Text, "Y"},
    {148, 1, "Sounds_Splash", TKind::Text, "Y"},
    {149, 1, "Sounds_Shuffle", TKind::Text, "Y"},
    {151, 1, "Sounds_Undo", TKind::Text, "Y"},
    {152, 1, "Random_Background", TKind::Text, "N"},
    {171, 1, "Sounds_HiScores", TKind::Text, "Y"},
    {172, 2, "Cursor", TKind::Integer, "10"},
    {174, 1, "Sounds_NewHiScores", TKind::Text, "Y"},
    {175, 1, "Sounds_Pairing", TKind::Text, "Y"},
    {176, 1, "Sounds_Stock", TKind::Text, "Y"},
    {177, 1, "Sounds_Tableau", TKind::Text, "Y"},
    {178, 1, "Cards_Shadowed", TKind::Text, nullptr},  // defaults to "Cards_Animate"
    {179, 1, "Piles_TT", TKind::Text, "N"},
    {180, 1, "Sounds_FaceUp", TKind::Text, "Y"},
    {181, 1, "Sounds_CardDown", TKind::Text, "Y"},
    {182, 1, "Sounds_CardUp", TKind::Text, "Y"},
    {183, 1, "Sounds_Redeal", TKind::Text, "Y"},
    {184, 1, "Sounds_Foundation", TKind::Text, "Y"},
    {185, 1, "ConfirmQuitGame", TKind::Text, "N"},
    {186, 1, "ConfirmEnterHiScores", TKind::Text, "Y"},
    {187, 1, "Random_Card", TKind::Text, "N"},
    {188, 1, "Random_Deck", TKind::Text, "N"},
    {kPosGameName, 50, "Game_name", TKind::Text, "FreeCell"},
    {239, 1, "Automatic_FaceUp", TKind::Text, "Y"},
    {241, 1, "Deal_Animation", TKind::Text, "Y"},
    {242, 1, "Redeal_Animation", TKind::Text, "Y"},
    {243, 1, "VertScrollBar", TKind::Text, "Y"},
    {244, 1, "Show_ToolTips", TKind::Text, "Y"},
    {245, 1, "ShowPilesSize", TKind::Text, "N"},
    {246, 1, "Customized_Background", TKind::Present, ""},
    {247, 1, "RightClick_To_Foundations", TKind::Text, "Y"},
    {248, 1, "RightClick_To_Tableaus", TKind::Text, "Y"},
    {249, 1, "DoubleClick_To_Foundations", TKind::Text, "Y"},
    {251, 1, "DoubleClick_To_Tableaus", TKind::Text, "N"},
    {252, 1, "Sounds_Redeal_Without_Animation", TKind::Text, "Y"},
    {253, 1, "Show_Main_Popup_Menu", TKind::Text, "Y"},
    {255, 1, "Show_Partial_Hidden_Card", TKind::Text, "Y"},
    {256, 1, "Customized_Deck", TKind::Present, ""},
    {257, 1, "Customized_Cards_Set", TKind::Present, ""},
    {258, 1, "Additional_Cards_Set", TKind::Present, ""},
    {259, 1, "Additional_Deck", TKind::Present, ""},
    {260, 1, "Additional_Background", TKind::Present, ""},
};

// Settings kept in TMainGame entries; flags map "Y" to `yesValue`, others are integers.
struct TEntrySetting {
  int entry;
  const char* section;
  const char* key;
  const char* fallback;
  bool isFlag;
  std::int16_t yesValue;
};

constexpr TEntrySetting kEntrySettings[] = {
    {107, kPreference, "HighLights_Foundations_Mark", "0", false, 0},
    {108, kSettings, "Random_Game_Type", "2", false, 0},
    {109, kPreference, "AutoPlay_All_Games", "1", false, 0},
    {112, kSettings, "Games_Fast_Search_Type", "0", false, 0},
    {119, kPreference, "Disable_Statistics", "N", true, 1},
    {128, kPreference, "Move_Cards_DragAndDrop", "Y", true, 0},
};

// Set at every start whatever the store holds.
struct TFixedValue {
  int position;
  int length;
  const char* value;
};
constexpr TFixedValue kFixedAtStart[] = {
    {112, 4, "0000"}, {116, 4, "0000"}, {120, 2, "01"}, {168, 1, "1"}, {169, 1, "0"}, {254, 1, "Y"},
};

std::string fnFallback(const TMirrored& item, const TConfigRecord& record, const TDisplayInfo& display) {
  if (item.fallback == nullptr) return record.Read(67, 1);
  if (item.position == 24 && !display.moreThan256Colours) return "3";
  return item.fallback;
}

// What the record holds for this setting when the store is as it is now.
std::string fnRecordValue(const TMirrored& item, const TIniFile& store, const TConfigRecord& record,
                          const TDisplayInfo& display) {
  const std::string fallback = fnFallback(item, record, display);
  switch (item.kind) {
    case TKind::Text: {
      std::string value = store.ReadString(kPreference, item.key, fallback);
      if (item.position == 43 && value.empty()) value = "0";
      return value;
    }
    case TKind::Present:
      return store.ReadString(kPreference, item.key, "").empty() ? "N" : "Y";
    case TKind::Integer:
      return std::to_string(store.ReadInteger(kPreference, item.key, *fnParseInteger(fallback)));
    case TKind::ZeroFilled: {
      std::int64_t value = store.ReadInteger(kPreference, item.key, *fnParseInteger(fallback));
      if (item.position == 21 && value == 0) value = 1;
      return fnZeroFill(value, item.length);
    }
    case TKind::Colour: {
      std::int64_t value = store.ReadInteger(kPreference, item.key, *fnParseInteger(fallback));
      if (value == 0) value = *fnParseInteger(fallback);
      return std::to_string(fnColourFromStored(value));
    }
  }
  return fallback;
}

std::int16_t fnEntryValue(const TEntrySetting& item, const TIniFile& store) {
  if (item.isFlag) {
    const bool yes = store.ReadString(item.section, item.key, item.fallback) == "Y";
    return yes ? item.yesValue : static_cast<std::int16_t>(1 - item.yesValue);
  }
  return static_cast<std::int16_t>(store.ReadInteger(item.section, item.key, *fnParseInteger(item.fallback)));
}

// The form in which a record value goes back into the store.
std::string fnStoredForm(const TMirrored& item, const std::string& value) {
  if (item.kind == TKind::ZeroFilled) {
    if (const auto number = fnParseInteger(value)) return std::to_string(*number);
  }
  return value;
}

}  // namespace

std::vector<TPreferenceField> fnPreferenceFields() {
  std::vector<TPreferenceField> fields{{1, 20, ""}};
  for (const auto& item : kMirrored) fields.push_back({item.position, item.length, item.key});
  for (const auto& item : kFixedAtStart) fields.push_back({item.position, item.length, ""});
  return fields;
}

TMainGameSettings fnMainGameSettingEntries() {
  TMainGameSettings settings{};
  for (std::size_t i = 0; i < settings.size(); ++i) settings[i] = {kEntrySettings[i].entry, 0};
  return settings;
}

TMainGameSettings fnLoadPreferences(TIniFile& store, TConfigRecord& record, const TDisplayInfo& display) {
  for (const auto& item : kMirrored) record.Write(item.position, item.length, fnRecordValue(item, store, record, display));

  if (record.Read(kPosPlayer, 30).empty()) {
    TIniFile::TDeferredWrites batch(store);
    store.WriteString(kPreference, "UserDefault", "Player 1");
    store.WriteString("Users", "User001", "Player 1");
    store.WriteString("Users", "User002", "Player 2");
    store.WriteString("Users", "User003", "Player 3");
    record.Write(kPosPlayer, 30, "Player 1");
  }

  for (const auto& [position, length, value] : kFixedAtStart) record.Write(position, length, value);

  TMainGameSettings settings = fnMainGameSettingEntries();
  for (std::size_t i = 0; i < settings.size(); ++i) settings[i].second = fnEntryValue(kEntrySettings[i], store);
  return settings;
}

bool fnSavePreferences(TIniFile& store, const TConfigRecord& record, const TMainGameSettings& settings,
                       const TDisplayInfo& display) {
  TIniFile::TDeferredWrites batch(store);
  bool ok = true;
  for (const auto& item : kMirrored) {
    // Presence keys hold names chosen elsewhere; the game is written when one starts.
    if (item.kind == TKind::Present || item.position == kPosGame || item.position == kPosGameName) continue;
    const std::string current = record.Read(item.position, item.length);
    if (current != fnRecordValue(item, store, record, display))
      ok = store.WriteString(kPreference, item.key, fnStoredForm(item, current)) && ok;
  }
  for (std::size_t i = 0; i < settings.size(); ++i) {
    const auto& item = kEntrySettings[i];
    const std::int16_t value = settings[i].second;
    if (value == fnEntryValue(item, store)) continue;
    const std::string text = item.isFlag ? (value == item.yesValue ? "Y" : "N") : std::to_string(value);
    ok = store.WriteString(item.section, item.key, text) && ok;
  }
  return ok;
}

void fnCheckCurrentGame(TConfigRecord& record, const std::function<std::string(int gameCode)>& gameName) {
  const auto stored = fnParseInteger(record.Read(kPosGame, 4));
  const int defaultGame = static_cast<int>(fnParseInteger(kDefaultGame).value_or(-1));
  for (const std::int64_t code : {stored.value_or(-1), static_cast<std::int64_t>(defaultGame)}) {
    const std::string name = code >= 0 && code <= 9999 ? gameName(static_cast<int>(code)) : "";
    if (name.empty()) continue;
    record.Write(kPosGame, 4, fnZeroFill(code, 4));
    record.Write(kPosGameName, 50, name);
    return;
  }
  record.Write(kPosGame, 4, "-001");
  record.Write(kPosGameName, 50, "");
}

}  // namespace tablerun
