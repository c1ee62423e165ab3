#include "engine/appearance/card_appearance.h"

#include <array>
#include <cstdio>
#include <map>

#include "config/text.h"
#include "engine/state/tablerun_state.h"

namespace tablerun {
namespace {

constexpr const char* kPreference = "Preference";

constexpr int kCardSetColumns = 5;
constexpr int kCardSetRows = 12;

// Letters with a card set image, in the order the probe tries them.
constexpr std::array<char, 4> kCardSetLetters = {'X', 'S', 'B', 'M'};

int fnNumberAt(const TConfigRecord& config, TConfigField field, int fallback) {
  const auto number = fnParseInteger(fnTrim(config.Read(field)));
  return number ? static_cast<int>(*number) : fallback;
}

void fnClearKeys(TTablerunState& state, std::initializer_list<const char*> keys) {
  if (!state.store) return;
  TIniFile::TDeferredWrites batch(*state.store);
  for (const char* key : keys) state.store->WriteString(kPreference, key, "");
}

}  // namespace

std::optional<TCardPixels> fnCardPixels(char letter) {
  switch (letter) {
    case 'X': return TCardPixels{102, 138};
    case 'S': return TCardPixels{85, 115};
    case 'B': return TCardPixels{71, 96};
    case 'M': return TCardPixels{59, 80};
    case 'L': return TCardPixels{25, 32};
    default: return std::nullopt;
  }
}

char fnCardSetImageLetter(int width, int height) {
  for (const char letter : kCardSetLetters) {
    const TCardPixels card = *fnCardPixels(letter);
    if (width == kCardSetColumns * card.width && height == kCardSetRows * card.height) return letter;
  }
  return ' ';
}

int fnFaceIndex(int code) {
  if (code < 1 || code > 212) return -1;
  return code > 208 ? kJokerIndex : (code - 1) % 52;
}

int fnPictureSuit(int suit, int suitRule) {
  constexpr int kHearts = 0, kSpades = 3;
  if (suitRule == 1) return kSpades;
  if (suitRule == 2) return suit < 2 ? kHearts : kSpades;
  return suit;
}

std::string fnThreeDigits(int number) {
  char text[16];
  std::snprintf(text, sizeof text, "%03d", number);
  return text;
}

std::string fnCardSetResource(char size, int set, int suit) {
  return std::string("C") + size + fnThreeDigits(set) + "HDCS"[suit];
}

std::string fnBackResource(char size, int back) { return std::string("D") + size + fnThreeDigits(back); }

std::string fnJokerResource(char size) { return std::string("JOKER_") + size; }

TBackSource fnBuiltInBack(char size, int back) {
  // Only the default back exists at every playing size; the previews' size L has its own backs.
  if (size == 'B' || size == 'L' || back == kDefaultBack) return {fnBackResource(size, back), false};
  return {fnBackResource('B', back), true};
}

std::string fnMarkResource(const std::string& markName, char size, int back) {
  static const std::map<std::string, std::string> kMarks = {
      {"stockvisible", "_WASTE"},  {"firsttableauall", "004"}, {"stockup", "022"},       {"stockdown", "005"},
      {"stockstop", "008"},        {"foundation", "004"},      {"foundationa", "010"},   {"foundation11", "006"},
      {"foundation12", "003"},     {"foundation13", "011"},    {"position", "_TABLEAU"}, {"emptyposition", "001"},
      {"emptypositionjqk", "009"},
  };
  const std::string name = fnLowerCase(markName);
  const std::string prefix = std::string("W") + size;
  if (name == "deck") return fnBackResource(size, back);
  if (const auto found = kMarks.find(name); found != kMarks.end()) return prefix + found->second;
  for (int rank = 2; rank <= 10; ++rank) {
    if (name == "foundation" + std::to_string(rank)) return prefix + fnThreeDigits(rank + 10);
  }
  return {};
}

bool fnIsAddOnPicture(const std::string& resource) {
  const std::string name = fnLowerCase(resource);
  for (const char* prefix : {"wx", "dx", "shadow_x", "3d_border_x", "joker_x"}) {
    if (name.rfind(prefix, 0) == 0) return true;
  }
  return false;
}

TCardChoice fnCardChoice(const TTablerunState& state) {
  TCardChoice choice;
  const std::string size = state.config.Read(cfg::kCardSize);
  choice.size = !size.empty() && fnCardPixels(size[0]) ? size[0] : 'B';
  choice.set = fnNumberAt(state.config, cfg::kCardSet, 1);
  choice.back = fnNumberAt(state.config, cfg::kBackNumber, kDefaultBack);
  choice.suitRule = state.rules.Get(rule::kSuitImages);
  return choice;
}

int fnDefaultCardSet(const TDisplayInfo& display) { return display.moreThan256Colours ? 1 : 3; }

void fnForgetCustomCardsAndDecks(TTablerunState& state) {
  state.config.Write(cfg::kCardSize, "B");
  for (const TConfigField field : {cfg::kCustomDeck, cfg::kCustomCardSet, cfg::kAddOnCardSet, cfg::kAddOnDeck})
    state.config.Write(field, "N");
  const int set = fnDefaultCardSet(state.display);
  state.config.Write(cfg::kCardSet, fnThreeDigits(set));
  fnClearKeys(state, {"Customized_Cards_Set", "Additional_Cards_Set", "Customized_Deck", "Additional_Deck"});
  if (state.store) state.store->WriteInteger(kPreference, "Card", set);
}

void fnFallBackToBuiltInSet(TTablerunState& state, int screenWidth) {
  state.config.Write(cfg::kCustomCardSet, "N");
  state.config.Write(cfg::kAddOnCardSet, "N");
  const bool wide = screenWidth >= 650;
  const int set = wide ? fnDefaultCardSet(state.display) : 3;
  state.config.Write(cfg::kCardSize, wide ? "B" : "M");
  state.config.Write(cfg::kCardSet, fnThreeDigits(set));
  fnClearKeys(state, {"Customized_Cards_Set", "Additional_Cards_Set"});
  if (!state.store) return;
  state.store->WriteInteger(kPreference, "Card", set);
  state.store->WriteString(kPreference, "Card_Size", wide ? "B" : "M");
}

void fnResetBack(TTablerunState& state) {
  state.config.Write(cfg::kCustomDeck, "N");
  state.config.Write(cfg::kAddOnDeck, "N");
  state.config.Write(cfg::kBackNumber, fnThreeDigits(kDefaultBack));
  fnClearKeys(state, {"Customized_Deck", "Additional_Deck"});
}

void fnResetBackground(TTablerunState& state) {
  state.config.Write(cfg::kCustomBackground, "N");
  state.config.Write(cfg::kAddOnBackground, "N");
  state.config.Write(cfg::kBackgroundDefault, "Y");
  state.config.Write(cfg::kFadeBackground, "Y");
  fnClearKeys(state, {"Customized_Background", "Additional_Background"});
  if (!state.store) return;
  state.store->WriteString(kPreference, "Background_Def", "Y");
  state.store->WriteString(kPreference, "Fade_Background", "Y");
}

std::string fnFileInFolder(const std::string& folder, const std::string& name, const std::string& extension) {
  if (name.empty() || name == "." || name == ".." || name.find_first_of("/\\") != std::string::npos) return {};
  return folder + name + extension;
}

TFadeBand fnFadeBand(int k, int height, int red, int green, int blue) {
  const auto edge = [height](int step) { return height - static_cast<int>(std::int64_t(step) * height / 256); };
  return {edge(k + 1), edge(k), k * red / 256, k * green / 256, k * blue / 256};
}

}  // namespace tablerun
