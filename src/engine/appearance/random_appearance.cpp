#include "engine/appearance/random_appearance.h"

#include <map>

#include "config/safe_replace.h"
#include "config/text.h"
#include "engine/appearance/add_on_index.h"
#include "engine/appearance/appearance_catalogue.h"
#include "engine/appearance/card_appearance.h"

namespace tablerun {
namespace {

constexpr const char* kPreference = "Preference";
constexpr const char* kPoolFile = "Rnd_cfg.dat";
constexpr const char* kPoolMarker = "Rnd_read.dat";
constexpr int kNoAddOnDate = 20000101;

struct TDrawn {
  std::string name;
  int number = 0;
};

// One entry of the section that takes part (flag not "n") and, for card sets, fits the size.
TDrawn fnDraw(TTablerunState& state, TIniFile& pool, const char* section, char size, const char* fallback) {
  std::vector<std::pair<std::string, std::string>> candidates;
  for (const std::string& key : pool.ReadKeys(section)) {
    const std::string value = pool.ReadString(section, key, "");
    if (value.empty() || value[0] == 'n') continue;
    if (size != ' ' && (value.size() < 2 || value[1] != size)) continue;
    candidates.emplace_back(key, value);
  }
  std::pair<std::string, std::string> chosen{"", fallback};
  if (!candidates.empty()) {
    std::uniform_int_distribution<std::size_t> pick(0, candidates.size() - 1);
    chosen = candidates[pick(state.random)];
  }
  const auto number = chosen.second.size() > 2 ? fnParseInteger(fnTrim(chosen.second.substr(2))) : std::nullopt;
  return {chosen.first, number ? static_cast<int>(*number) : 0};
}

void fnWriteKey(TTablerunState& state, const char* key, const std::string& value) {
  if (state.store) state.store->WriteString(kPreference, key, value);
}

// "<file name> (<folder>)" → the folder followed by the file name.
std::string fnBackgroundPath(const std::string& entry) {
  const auto open = entry.rfind(" (");
  if (open == std::string::npos || entry.back() != ')') return entry;
  std::string folder = entry.substr(open + 2, entry.size() - open - 3);
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder + entry.substr(0, open);
}

void fnDrawBackground(TTablerunState& state, TIniFile& pool) {
  const TDrawn drawn = fnDraw(state, pool, "Backgrounds", ' ', "y 0");
  TConfigRecord& config = state.config;
  config.Write(cfg::kBackgroundDefault, "N");
  config.Write(cfg::kBackgroundPicture, "0");
  config.Write(cfg::kBackgroundFixedColour, "0");
  config.Write(cfg::kCustomBackground, "N");
  config.Write(cfg::kAddOnBackground, "N");
  fnWriteKey(state, "Customized_Background", "");
  fnWriteKey(state, "Additional_Background", "");
  if (drawn.number == kCustomizedEntry) {
    config.Write(cfg::kCustomBackground, "Y");
    fnWriteKey(state, "Customized_Background", fnBackgroundPath(drawn.name));
  } else if (drawn.number == kAddOnEntry) {
    config.Write(cfg::kAddOnBackground, "Y");
    fnWriteKey(state, "Additional_Background", AddOnResourceName(state, drawn.name, "backgrounds"));
  } else if (drawn.number <= 0) {
    config.Write(cfg::kBackgroundDefault, "Y");
  } else if (drawn.number == 1) {
    const auto custom = state.store ? state.store->ReadInteger(kPreference, "Background_Col", 0) : 0;
    config.Write(cfg::kBackgroundColour, std::to_string(custom));
    if (custom == 0) config.Write(cfg::kBackgroundDefault, "Y");
  } else if (drawn.number <= 1000) {
    config.Write(cfg::kBackgroundPicture, std::to_string(drawn.number));
  } else {
    config.Write(cfg::kBackgroundFixedColour, std::to_string(drawn.number));
  }
}

// Where a drawn back or card set goes: its flags, keys and number position.
struct TChoiceSlots {
  const char* section;
  const char* fallback;
  TConfigField customField, addOnField;
  const char* customKey;
  const char* addOnKey;
  const char* category;
  TConfigField numberField;
};

constexpr TChoiceSlots kDeckSlots{"Decks",           "y 011",           cfg::kCustomDeck, cfg::kAddOnDeck,
                                  "Customized_Deck", "Additional_Deck", "decks",          cfg::kBackNumber};
constexpr TChoiceSlots kCardSlots{
    "Cards", "y 001",      cfg::kCustomCardSet, cfg::kAddOnCardSet, "Customized_Cards_Set", "Additional_Cards_Set",
    "cards", cfg::kCardSet};

void fnDrawChoice(TTablerunState& state, TIniFile& pool, const TChoiceSlots& slots, char size) {
  const TDrawn drawn = fnDraw(state, pool, slots.section, size, slots.fallback);
  state.config.Write(slots.customField, "N");
  state.config.Write(slots.addOnField, "N");
  fnWriteKey(state, slots.customKey, "");
  fnWriteKey(state, slots.addOnKey, "");
  if (drawn.number == kCustomizedEntry) {
    state.config.Write(slots.customField, "Y");
    fnWriteKey(state, slots.customKey, drawn.name);
  } else if (drawn.number == kAddOnEntry) {
    state.config.Write(slots.addOnField, "Y");
    fnWriteKey(state, slots.addOnKey, AddOnResourceName(state, drawn.name, slots.category));
  } else {
    state.config.Write(slots.numberField, fnThreeDigits(drawn.number));
  }
}

// Files of one extension in a data sub-folder, named without the extension.
std::vector<std::string> fnOwnFiles(TTablerunState& state, const std::string& folder, const std::string& extension) {
  std::vector<std::string> names;
  for (const std::string& file : state.fs.ListFolder(state.dataFolder + folder)) {
    if (file.size() > extension.size() && fnLowerCase(file.substr(file.size() - extension.size())) == extension)
      names.push_back(file.substr(0, file.size() - extension.size()));
  }
  return names;
}

// Card sets and backs are written as three-digit numbers, backgrounds as they are.
void fnRewriteSection(TIniFile& pool, const char* section, const std::vector<TPoolEntry>& entries, bool threeDigits) {
  std::map<std::string, char> flags;
  for (const std::string& key : pool.ReadKeys(section)) {
    const std::string value = pool.ReadString(section, key, "");
    if (!value.empty()) flags[key] = value[0];
  }
  pool.EraseSection(section);
  for (const TPoolEntry& entry : entries) {
    const auto kept = flags.find(entry.name);
    const char flag = kept == flags.end() ? 'y' : kept->second;
    const std::string number = threeDigits ? fnThreeDigits(entry.number) : std::to_string(entry.number);
    pool.WriteString(section, entry.name, std::string{flag, entry.size} + number);
  }
}

}  // namespace

bool fnRandomPoolIsStale(TTablerunState& state, int addOnDate) {
  const bool missing = !state.fs.Exists(state.dataFolder + kPoolMarker);
  if (addOnDate == 0 || !state.store) return missing;
  if (addOnDate <= state.store->ReadInteger("Parameters", "Plus_Date", kNoAddOnDate)) return missing;
  state.store->WriteInteger("Parameters", "Plus_Date", addOnDate);
  return true;
}

TRandomPool fnOfferedAppearances(TTablerunState& state, const std::function<char(const std::string& path)>& crsLetter) {
  TRandomPool pool;
  for (const TCardSetItem& set : fnBuiltInCardSets()) pool.cards.push_back({set.name, set.size, set.set});
  for (const std::string& name : fnOwnFiles(state, "custom card sets/", ".crs"))
    pool.cards.push_back({name, crsLetter(state.dataFolder + "custom card sets/" + name + ".crs"), kCustomizedEntry});
  for (const TAddOnEntry& entry : fnReadAddOnIndex(state, "cards"))
    pool.cards.push_back({entry.display, fnCardSetGroupSize(entry.group), kAddOnEntry});

  for (const TAppearanceItem& back : fnBuiltInBacks()) pool.decks.push_back({back.name, ' ', back.number});
  for (const std::string& name : fnOwnFiles(state, "custom decks/", ".bmp"))
    pool.decks.push_back({name, ' ', kCustomizedEntry});
  for (const TAddOnEntry& entry : fnReadAddOnIndex(state, "decks"))
    pool.decks.push_back({entry.display, ' ', kAddOnEntry});

  for (const TAppearanceItem& item : fnBuiltInBackgrounds()) pool.backgrounds.push_back({item.name, ' ', item.number});
  if (state.store) {
    for (const std::string& key : state.store->ReadKeys("Customized backgrounds")) {
      const std::string path = state.store->ReadString("Customized backgrounds", key, "");
      const auto slash = path.rfind('/');
      if (slash == std::string::npos) continue;
      pool.backgrounds.push_back(
          {path.substr(slash + 1) + " (" + path.substr(0, slash + 1) + ")", ' ', kCustomizedEntry});
    }
  }
  for (const TAddOnEntry& entry : fnReadAddOnIndex(state, "backgrounds"))
    pool.backgrounds.push_back({entry.display, ' ', kAddOnEntry});
  return pool;
}

void fnWriteRandomPool(TTablerunState& state, const TRandomPool& entries) {
  TIniFile pool(state.fs, state.screen, state.dataFolder + kPoolFile);
  {
    TIniFile::TDeferredWrites batch(pool);
    fnRewriteSection(pool, "Cards", entries.cards, true);
    fnRewriteSection(pool, "Decks", entries.decks, true);
    fnRewriteSection(pool, "Backgrounds", entries.backgrounds, false);
  }
  const std::string marker = state.dataFolder + kPoolMarker;
  if (!state.fs.Exists(marker)) fnReplaceFile(state.fs, state.screen, marker, "");
}

TRandomChanges fnChooseRandomAppearance(TTablerunState& state) {
  TRandomChanges changes;
  TIniFile pool(state.fs, state.screen, state.dataFolder + kPoolFile, TIniFile::TAccess::InspectOnly);
  if (state.config.IsYes(cfg::kRandomBackground)) {
    fnDrawBackground(state, pool);
    changes.background = true;
  }
  if (state.config.IsYes(cfg::kRandomDeck)) {
    fnDrawChoice(state, pool, kDeckSlots, ' ');
    changes.deck = true;
  }
  if (state.config.IsYes(cfg::kRandomCard)) {
    // Only card sets of the current size take part.
    const std::string size = state.config.Read(cfg::kCardSize);
    fnDrawChoice(state, pool, kCardSlots, size.empty() ? 'B' : size[0]);
    changes.cards = true;
  }
  return changes;
}

}  // namespace tablerun
