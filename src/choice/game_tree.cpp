#include "choice/game_tree.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "config/text.h"
#include "model/game_rules.h"
#include "model/rule_record.h"
#include "model/rule_slots.h"

namespace tablerun {
namespace {

struct TFeatureGroup {
  int code;
  TRuleSlot slot;
  int value;
};

// The feature groups: the games whose slot holds the value.
constexpr TFeatureGroup kFeatureGroups[] = {
    {-203010, rule::kGameTime, 2},        {-203020, rule::kGameTime, 1},        {-203030, rule::kGameTime, 0},
    {-204010, rule::kDifficulty, 0},      {-204020, rule::kDifficulty, 1},      {-204030, rule::kDifficulty, 2},
    {-205050, rule::kSkill, 4},           {-205040, rule::kSkill, 3},           {-205030, rule::kSkill, 2},
    {-205020, rule::kSkill, 1},           {-205010, rule::kSkill, 0},           {-206010, rule::kChanceOfWinning, 4},
    {-206020, rule::kChanceOfWinning, 3}, {-206030, rule::kChanceOfWinning, 2}, {-206040, rule::kChanceOfWinning, 1},
    {-206050, rule::kChanceOfWinning, 0},
};

constexpr int kOriginalGamesCode = -209010;
constexpr int kChildrensGamesCode = -209020;

std::vector<TGameGroup> fnBuildGroups() {
  std::vector<TGameGroup> groups = {
      {kCustomizedGamesCode, "Customized games", 0, kCustomGameType},
      {kGameTypeCode, "Game Type", 0, -1},
      {-202080, "Adding games type", kGameTypeCode, 15},
      {-202005, "Baker's Dozen type", kGameTypeCode, 12},
      {-202100, "Beleaguered Castle type", kGameTypeCode, 17},
      {-202010, "Canfield type", kGameTypeCode, 2},
      {-202180, "Faerie Queen type", kGameTypeCode, 25},
      {-202015, "Fan games type", kGameTypeCode, 11},
      {-202190, "Flower Garden type", kGameTypeCode, 26},
      {-202020, "Forty Thieves type", kGameTypeCode, 3},
      {-202170, "Four Seasons type", kGameTypeCode, 24},
      {kFreeCellTypeCode, "FreeCell type", kGameTypeCode, 4},
      {-202030, "Klondike type", kGameTypeCode, 5},
      {-202130, "Mathematical games", kGameTypeCode, 20},
      {-202090, "Memory games type", kGameTypeCode, 16},
      {-202150, "Non-Builders games", kGameTypeCode, 22},
      {-202035, "Pairing games type", kGameTypeCode, 6},
      {-202070, "Puzzle games type", kGameTypeCode, 14},
      {-202110, "Queen of Italy type", kGameTypeCode, 18},
      {-202040, "Row games type", kGameTypeCode, 13},
      {-202045, "Simple games type", kGameTypeCode, 7},
      {-202140, "Sir Tommy type", kGameTypeCode, 21},
      {-202200, "Sly Fox type", kGameTypeCode, 27},
      {-202050, "Spider type", kGameTypeCode, 8},
      {-202120, "Yukon type", kGameTypeCode, 19},
      {-202055, "One-Deck games type", kGameTypeCode, 9},
      {-202060, "Two-Deck games type", kGameTypeCode, 10},
      {-202160, "Stripped Deck games type", kGameTypeCode, 23},
      {kFeaturesCode, "Games by Features", 0, -1},
      {-2030, "by Game Time", kFeaturesCode, -1},
      {-203010, "Quick", -2030, -1},
      {-203020, "Medium", -2030, -1},
      {-203030, "Long", -2030, -1},
      {-2040, "by Difficulty Level", kFeaturesCode, -1},
      {-204010, "Easy", -2040, -1},
      {-204020, "Medium", -2040, -1},
      {-204030, "Hard", -2040, -1},
      {-2050, "by Skill or Chance", kFeaturesCode, -1},
      {-205050, "Chance only", -2050, -1},
      {-205040, "Mostly chance", -2050, -1},
      {-205030, "Moderate", -2050, -1},
      {-205020, "Mostly skill", -2050, -1},
      {-205010, "Difficult", -2050, -1},
      {-2060, "by Chance of Winning", kFeaturesCode, -1},
      {-206010, "Very low", -2060, -1},
      {-206020, "Low", -2060, -1},
      {-206030, "Medium", -2060, -1},
      {-206040, "High", -2060, -1},
      {-206050, "Very high", -2060, -1},
      {kOtherGroupsCode, "Other Groups", 0, -1},
      {kOriginalGamesCode, "Original games", kOtherGroupsCode, -1},
      {kChildrensGamesCode, "Games for Children", kOtherGroupsCode, -1},
      {kNewGamesCode, std::string("New games (vers.") + TABLERUN_VERSION + ")", 0, -1},
  };
  return groups;
}

const TFeatureGroup* fnFindFeatureGroup(int code) {
  for (const TFeatureGroup& group : kFeatureGroups) {
    if (group.code == code) return &group;
  }
  return nullptr;
}

TListGame fnGameOf(const TCatalogueEntry& entry) { return {entry.code, entry.name, entry.type}; }

std::vector<TListGame> fnListed(const TCatalogue& catalogue, const std::vector<int>& codes) {
  std::vector<TListGame> games;
  for (const TListGame& game : fnCatalogueView(catalogue)) {
    if (std::find(codes.begin(), codes.end(), game.code) != codes.end()) games.push_back(game);
  }
  return games;
}

template <typename Test>
std::vector<TListGame> fnViewWhere(const TCatalogue& catalogue, Test test) {
  std::vector<TListGame> games;
  for (const TListGame& game : fnCatalogueView(catalogue)) {
    if (test(catalogue.Index(game.code))) games.push_back(game);
  }
  return games;
}

std::vector<TListGame> fnCustomGamesList(const TCustomGames& custom) {
  std::vector<TListGame> games;
  for (const TCustomGame& game : custom.SortedByName()) games.push_back({game.code, game.name, kCustomGameType});
  if (games.empty()) games.push_back({kHowToCustomizeCode, "(How to customize a game)", -1});
  return games;
}

// A slot's value for one built-in game, as the games list holds it.
int fnSlot(const TCatalogue& catalogue, const TCustomGames& custom, int code, TRuleSlot slot) {
  return fnReadSlotsOfGame(catalogue, custom, code, {slot.index, -1, -1, -1, -1, -1, -1, -1, -1})[0];
}

struct TFeatureText {
  const char* text;
  const char* bar;
};

// The text and bar of a feature value; empty for a value out of range.
template <std::size_t N>
TFeatureText fnFeature(const std::array<TFeatureText, N>& texts, int value) {
  if (value < 0 || value >= static_cast<int>(N)) return {"", ""};
  return texts[static_cast<std::size_t>(value)];
}

constexpr std::array<TFeatureText, 3> kGameTimes = {
    {{"Long", "PROG_TIME_LONG"}, {"Medium", "PROG_TIME_MEDIUM"}, {"Quick", "PROG_TIME_QUICK"}}};
constexpr std::array<TFeatureText, 3> kDifficulties = {
    {{"Easy", "PROG_DIFF_EASY"}, {"Medium", "PROG_DIFF_MEDIUM"}, {"Hard", "PROG_DIFF_HARD"}}};
constexpr std::array<TFeatureText, 5> kChances = {{{"Very high", "PROG_CHAN_VERYHIGH"},
                                                   {"High", "PROG_CHAN_HIGH"},
                                                   {"Medium", "PROG_CHAN_MEDIUM"},
                                                   {"Low", "PROG_CHAN_LOW"},
                                                   {"Very low", "PROG_CHAN_VERYLOW"}}};
constexpr std::array<TFeatureText, 5> kSkills = {{{"Difficult", "PROG_SKILL_DIFFICULT"},
                                                  {"Mostly skill", "PROG_SKILL_MOSTLYSKILL"},
                                                  {"Moderate", "PROG_SKILL_MODERATE"},
                                                  {"Mostly chance", "PROG_SKILL_MOSTLYCHANCE"},
                                                  {"Chance only", "PROG_SKILL_CHANCEONLY"}}};

}  // namespace

std::vector<TListGame> fnCatalogueView(const TCatalogue& catalogue) {
  // Sorted as whole lines: the name padded to 50, then type, code and flag.
  std::vector<std::pair<std::string, const TCatalogueEntry*>> lines;
  lines.reserve(catalogue.Entries().size());
  for (const TCatalogueEntry& entry : catalogue.Entries()) {
    char tail[16];
    std::snprintf(tail, sizeof tail, "%03d%03d%c", entry.type, entry.code, entry.isNew ? '1' : '0');
    std::string line = entry.name;
    line.resize(std::max<std::size_t>(line.size(), 50), ' ');
    lines.emplace_back(line + tail, &entry);
  }
  std::sort(lines.begin(), lines.end());
  std::vector<TListGame> view;
  view.reserve(lines.size());
  for (const auto& line : lines) view.push_back(fnGameOf(*line.second));
  return view;
}

const std::vector<TGameGroup>& fnGameGroups() {
  static const std::vector<TGameGroup> groups = fnBuildGroups();
  return groups;
}

const TGameGroup* fnFindGroup(int code) {
  for (const TGameGroup& group : fnGameGroups()) {
    if (group.code == code) return &group;
  }
  return nullptr;
}

std::vector<const TGameGroup*> fnChildGroups(int code) {
  std::vector<const TGameGroup*> children;
  for (const TGameGroup& group : fnGameGroups()) {
    if (group.parent == code && group.code != code) children.push_back(&group);
  }
  return children;
}

bool fnHoldsGames(int groupCode) { return fnFindGroup(groupCode) != nullptr && fnChildGroups(groupCode).empty(); }

std::vector<TListGame> fnGroupGames(int groupCode, const TCatalogue& catalogue, const TCustomGames& custom) {
  const TGameGroup* group = fnFindGroup(groupCode);
  if (group == nullptr || !fnHoldsGames(groupCode)) return {};
  if (groupCode == kCustomizedGamesCode) return fnCustomGamesList(custom);
  if (groupCode == kOriginalGamesCode) return fnListed(catalogue, catalogue.OriginalGames());
  if (groupCode == kChildrensGamesCode) return fnListed(catalogue, catalogue.ChildrensGames());
  const auto& entries = catalogue.Entries();
  if (groupCode == kNewGamesCode)
    return fnViewWhere(catalogue, [&](int index) { return entries[static_cast<std::size_t>(index)].isNew; });
  if (const TFeatureGroup* feature = fnFindFeatureGroup(groupCode)) {
    return fnViewWhere(catalogue, [&](int index) {
      const int code = entries[static_cast<std::size_t>(index)].code;
      return fnSlot(catalogue, custom, code, feature->slot) == feature->value;
    });
  }
  return fnViewWhere(catalogue,
                     [&](int index) { return entries[static_cast<std::size_t>(index)].type == group->type; });
}

std::vector<TListGame> fnSelectedGames(const TCatalogue& catalogue) {
  return fnListed(catalogue, catalogue.SelectedGames());
}

std::string fnChanceText(const std::string& text, int won, int played) {
  if (played == 0) return text;
  char percent[32];
  const double tenths = std::round(static_cast<double>(won) / played * 1000.0);
  if (std::fmod(tenths, 10.0) == 0.0)
    std::snprintf(percent, sizeof percent, "%.0f", tenths / 10.0);
  else
    std::snprintf(percent, sizeof percent, "%.1f", tenths / 10.0);
  return text + " (" + std::to_string(won) + " in " + std::to_string(played) + "  -  " + percent + "%)";
}

std::string fnRedealsText(int deals) {
  if (deals == -1) return "Unlimited";
  return std::to_string(deals > 0 ? deals - 1 : 0);
}

std::optional<TGameFeatures> fnGameFeatures(const TCatalogue& catalogue, const TCustomGames& custom, int code) {
  const auto slots = fnReadSlotsOfGame(
      catalogue, custom, code,
      {rule::kGameTime.index, rule::kDifficulty.index, rule::kSkill.index, rule::kChanceOfWinning.index,
       rule::kReferenceWon.index, rule::kReferencePlayed.index, rule::kCards.index, rule::kDeals.index, -1});
  if (catalogue.NameOf(code, custom).empty() || slots[6] == -99) return std::nullopt;
  TGameFeatures features;
  features.decks = slots[6] / 52;
  if (code >= kFirstCustomCode) {
    TGameRules rules;
    std::string error;
    fnLoadRuleRecord(rules, catalogue, custom, code, error);
    features.gameTime = features.difficulty = features.chance = features.skill = "Customized game";
    features.timeBar = features.difficultyBar = features.chanceBar = features.skillBar = "PROG_DISABLED";
    features.redeals = fnRedealsText(rules.Get(rule::kDeals));
    return features;
  }
  const TFeatureText time = fnFeature(kGameTimes, slots[0]);
  const TFeatureText difficulty = fnFeature(kDifficulties, slots[1]);
  const TFeatureText skill = fnFeature(kSkills, slots[2]);
  const TFeatureText chance = fnFeature(kChances, slots[3]);
  features.gameTime = time.text;
  features.timeBar = time.bar;
  features.difficulty = difficulty.text;
  features.difficultyBar = difficulty.bar;
  features.skill = skill.text;
  features.skillBar = skill.bar;
  features.chance = fnChanceText(chance.text, slots[4], slots[5]);
  features.chanceBar = chance.bar;
  features.redeals = fnRedealsText(slots[7]);
  return features;
}

}  // namespace tablerun
