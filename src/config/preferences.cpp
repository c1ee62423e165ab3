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
  TConfigField field;
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
    {cfg::kBackNumber, "Back_Card", TKind::ZeroFilled, "11"},
    {cfg::kCardSet, "Card", TKind::ZeroFilled, "1"},
    {cfg::kBackgroundDefault, "Background_def", TKind::Text, "N"},
    {cfg::kBackgroundColour, "Background_Col", TKind::Colour, kButtonFace},
    {cfg::kBackgroundPicture, "Background_bmp", TKind::Text, ""},
    {cfg::kBackgroundFixedColour, "Background_Fixed_Col", TKind::Colour, "32768"},
    {cfg::kGame, "Game", TKind::ZeroFilled, kDefaultGame},
    {cfg::kShowTime, "Show_Time", TKind::Text, "Y"},
    {cfg::kCardsAnimate, "Cards_Animate", TKind::Text, "Y"},
    {cfg::kLanguage, "Language", TKind::Integer, "20000"},
    {cfg::kCardSpeed, "Speed_Move_Card", TKind::Integer, "10"},
    {cfg::kStatusBar, "StatusBar", TKind::Text, "N"},
    {cfg::kPlayer, "UserDefault", TKind::Text, ""},
    {cfg::kCardSize, "Card_Size", TKind::Text, "B"},
    {cfg::kFadeBackground, "Fade_Background", TKind::Text, "Y"},
    {cfg::kShowScore, "Show_Score", TKind::Text, "Y"},
    {cfg::kUndoEnabled, "Undo_Enabled", TKind::Text, "0"},
    {cfg::kSoundsEnabled, "Sounds_Enabled", TKind::Text, "Y"},
    {cfg::kSoundAbout, "Sounds_About", TKind::Text, "Y"},
    {cfg::kSoundAutoplay, "Sounds_Autoplay", TKind::Text, "Y"},
    {cfg::kSoundGameWon, "Sounds_GameWon", TKind::Text, "Y"},
    {cfg::kSoundNewGame, "Sounds_NewGame", TKind::Text, "N"},
    {cfg::kSoundRedo, "Sounds_Redo", TKind::Text, "Y"},
    {cfg::kSoundRestart, "Sounds_Restart", TKind::Text, "Y"},
    {cfg::kSoundSplash, "Sounds_Splash", TKind::Text, "Y"},
    {cfg::kSoundShuffle, "Sounds_Shuffle", TKind::Text, "Y"},
    {cfg::kSoundUndo, "Sounds_Undo", TKind::Text, "Y"},
    {cfg::kRandomBackground, "Random_Background", TKind::Text, "N"},
    {cfg::kSoundHiScores, "Sounds_HiScores", TKind::Text, "Y"},
    {cfg::kCursor, "Cursor", TKind::Integer, "10"},
    {cfg::kSoundNewHiScores, "Sounds_NewHiScores", TKind::Text, "Y"},
    {cfg::kSoundPairing, "Sounds_Pairing", TKind::Text, "Y"},
    {cfg::kSoundStock, "Sounds_Stock", TKind::Text, "Y"},
    {cfg::kSoundTableau, "Sounds_Tableau", TKind::Text, "Y"},
    {cfg::kCardsShadowed, "Cards_Shadowed", TKind::Text, nullptr},  // defaults to "Cards_Animate"
    {cfg::kIrregularPiles, "Piles_TT", TKind::Text, "N"},
    {cfg::kSoundFaceUp, "Sounds_FaceUp", TKind::Text, "Y"},
    {cfg::kSoundCardDown, "Sounds_CardDown", TKind::Text, "Y"},
    {cfg::kSoundCardUp, "Sounds_CardUp", TKind::Text, "Y"},
    {cfg::kSoundRedeal, "Sounds_Redeal", TKind::Text, "Y"},
    {cfg::kSoundFoundation, "Sounds_Foundation", TKind::Text, "Y"},
    {cfg::kConfirmQuitGame, "ConfirmQuitGame", TKind::Text, "N"},
    {cfg::kConfirmHiScores, "ConfirmEnterHiScores", TKind::Text, "Y"},
    {cfg::kRandomCard, "Random_Card", TKind::Text, "N"},
    {cfg::kRandomDeck, "Random_Deck", TKind::Text, "N"},
    {cfg::kGameName, "Game_name", TKind::Text, "FreeCell"},
    {cfg::kAutomaticFaceUp, "Automatic_FaceUp", TKind::Text, "Y"},
    {cfg::kDealAnimation, "Deal_Animation", TKind::Text, "Y"},
    {cfg::kRedealAnimation, "Redeal_Animation", TKind::Text, "Y"},
    {cfg::kVertScrollBar, "VertScrollBar", TKind::Text, "Y"},
    {cfg::kShowToolTips, "Show_ToolTips", TKind::Text, "Y"},
    {cfg::kShowPilesSize, "ShowPilesSize", TKind::Text, "N"},
    {cfg::kCustomBackground, "Customized_Background", TKind::Present, ""},
    {cfg::kRightToFoundations, "RightClick_To_Foundations", TKind::Text, "Y"},
    {cfg::kRightToTableau, "RightClick_To_Tableaus", TKind::Text, "Y"},
    {cfg::kDoubleToFoundations, "DoubleClick_To_Foundations", TKind::Text, "Y"},
    {cfg::kDoubleToTableau, "DoubleClick_To_Tableaus", TKind::Text, "N"},
    {cfg::kSoundRedealStill, "Sounds_Redeal_Without_Animation", TKind::Text, "Y"},
    {cfg::kMainPopupMenu, "Show_Main_Popup_Menu", TKind::Text, "Y"},
    {cfg::kRevealHidden, "Show_Partial_Hidden_Card", TKind::Text, "Y"},
    {cfg::kCustomDeck, "Customized_Deck", TKind::Present, ""},
    {cfg::kCustomCardSet, "Customized_Cards_Set", TKind::Present, ""},
    {cfg::kAddOnCardSet, "Additional_Cards_Set", TKind::Present, ""},
    {cfg::kAddOnDeck, "Additional_Deck", TKind::Present, ""},
    {cfg::kAddOnBackground, "Additional_Background", TKind::Present, ""},
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
  TConfigField field;
  const char* value;
};
constexpr TFixedValue kFixedAtStart[] = {
    {cfg::kSessionWon, "0000"}, {cfg::kSessionLost, "0000"}, {cfg::kScoreKind, "01"},
    {cfg::kStartOne, "1"},      {cfg::kStartZero, "0"},      {cfg::kStartYes, "Y"},
};

std::string fnFallback(const TMirrored& item, const TConfigRecord& record, const TDisplayInfo& display) {
  if (item.fallback == nullptr) return record.Read(cfg::kCardsAnimate);
  if (item.field == cfg::kCardSet && !display.moreThan256Colours) return "3";
  return item.fallback;
}

// What the record holds for this setting when the store is as it is now.
std::string fnRecordValue(const TMirrored& item, const TIniFile& store, const TConfigRecord& record,
                          const TDisplayInfo& display) {
  const std::string fallback = fnFallback(item, record, display);
  switch (item.kind) {
    case TKind::Text: {
      std::string value = store.ReadString(kPreference, item.key, fallback);
      if (item.field == cfg::kBackgroundPicture && value.empty()) value = "0";
      return value;
    }
    case TKind::Present: return store.ReadString(kPreference, item.key, "").empty() ? "N" : "Y";
    case TKind::Integer: return std::to_string(store.ReadInteger(kPreference, item.key, *fnParseInteger(fallback)));
    case TKind::ZeroFilled: {
      std::int64_t value = store.ReadInteger(kPreference, item.key, *fnParseInteger(fallback));
      if (item.field == cfg::kBackNumber && value == 0) value = 1;
      return fnZeroFill(value, item.field.length);
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
  std::vector<TPreferenceField> fields{{cfg::kStoreName, ""}};
  for (const auto& item : kMirrored) fields.push_back({item.field, item.key});
  for (const auto& item : kFixedAtStart) fields.push_back({item.field, ""});
  return fields;
}

TMainGameSettings fnMainGameSettingEntries() {
  TMainGameSettings settings{};
  for (std::size_t i = 0; i < settings.size(); ++i) settings[i] = {kEntrySettings[i].entry, 0};
  return settings;
}

TMainGameSettings fnLoadPreferences(TIniFile& store, TConfigRecord& record, const TDisplayInfo& display) {
  for (const auto& item : kMirrored) record.Write(item.field, fnRecordValue(item, store, record, display));

  if (record.Read(cfg::kPlayer).empty()) {
    TIniFile::TDeferredWrites batch(store);
    store.WriteString(kPreference, "UserDefault", "Player 1");
    store.WriteString("Users", "User001", "Player 1");
    store.WriteString("Users", "User002", "Player 2");
    store.WriteString("Users", "User003", "Player 3");
    record.Write(cfg::kPlayer, "Player 1");
  }

  for (const auto& [field, value] : kFixedAtStart) record.Write(field, value);

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
    if (item.kind == TKind::Present || item.field == cfg::kGame || item.field == cfg::kGameName) continue;
    const std::string current = record.Read(item.field);
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
  const auto stored = fnParseInteger(record.Read(cfg::kGame));
  const int defaultGame = static_cast<int>(fnParseInteger(kDefaultGame).value_or(-1));
  for (const std::int64_t code : {stored.value_or(-1), static_cast<std::int64_t>(defaultGame)}) {
    const std::string name = code >= 0 && code <= 9999 ? gameName(static_cast<int>(code)) : "";
    if (name.empty()) continue;
    record.Write(cfg::kGame, fnZeroFill(code, 4));
    record.Write(cfg::kGameName, name);
    return;
  }
  record.Write(cfg::kGame, "-001");
  record.Write(cfg::kGameName, "");
}

}  // namespace tablerun
