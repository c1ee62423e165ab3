#include "model/rule_record.h"

#include <optional>

#include "config/text.h"

namespace tablerun {
namespace {

// The built-in game whose column holds a game's rules.
int fnRulesColumn(const TCatalogue& catalogue, const TCustomGames& custom, int gameCode, std::string* ruleText) {
  if (gameCode >= kFirstCustomCode) {
    const auto game = custom.Find(gameCode);
    if (!game) return -1;
    if (ruleText != nullptr) *ruleText = game->ruleText;
    gameCode = game->baseCode;
  }
  return catalogue.Index(gameCode);
}

std::optional<int> fnNumber(std::string_view text) {
  const auto value = fnParseInteger(text);
  if (!value || *value < INT16_MIN || *value > INT16_MAX) return std::nullopt;
  return static_cast<int>(*value);
}

// The Rules Wizard counts directions and builds its own way.
int fnEngineDirection(int wizard) { return wizard == 0 ? 1 : wizard == 1 ? 0 : wizard; }
int fnEngineBuild(int wizard) {
  switch (wizard) {
    case 1: return 3;
    case 3: return 1;
    case 4: return 21;
    default: return wizard;
  }
}

void fnFill(TGameRules& rules, TRuleSlot first, int count, int value) {
  for (int i = 0; i < count; ++i) rules.Set(first + i, static_cast<int16_t>(value));
}

std::string_view fnPart(std::string_view text, std::size_t first, std::size_t length) {
  return first < text.size() ? text.substr(first, length) : std::string_view();
}

// The value of one slot in a catalogue column; 0 for a slot the games list does not mention.
// A slot on two lines takes the later value, as loading the record does.
int fnColumnValue(const TCatalogue::TColumn& column, int slot) {
  int found = 0;
  for (const auto& [at, value] : column) {
    if (at == slot) found = value;
  }
  return found;
}

}  // namespace

void fnOverlayRuleText(TGameRules& rules, std::string_view text) {
  if (const auto perTurn = fnNumber(fnPart(text, 0, 3))) {
    rules.Set(rule::kCardsPerTurn, static_cast<int16_t>(*perTurn));
    if (const auto deals = fnNumber(fnPart(text, 3, 3))) rules.Set(rule::kDeals, static_cast<int16_t>(*deals));
  }
  const int tableau = rules.Get(rule::kTableauPiles);
  const int foundations = rules.Get(rule::kFoundations);
  const std::string_view empty = fnPart(text, 6, 1);
  if (empty == "1") fnFill(rules, rule::kTableauEmpty, tableau, 91);
  if (empty == "2") fnFill(rules, rule::kTableauEmpty, tableau, -1);
  if (empty == "3") fnFill(rules, rule::kTableauEmpty, tableau, 0);

  struct TGroup {
    std::size_t directionAt, buildAt;
    TRuleSlot directionSlot, buildSlot;
    int piles;
  };
  for (const TGroup& group : {TGroup{7, 9, rule::kTableauDirection, rule::kTableauBuild, tableau},
                              TGroup{12, 14, rule::kFoundationDirection, rule::kFoundationBuild, foundations}}) {
    const int direction = fnNumber(fnPart(text, group.directionAt, 2)).value_or(-1);
    const int build = fnNumber(fnPart(text, group.buildAt, 3)).value_or(-1);
    if (direction != -1) fnFill(rules, group.directionSlot, group.piles, fnEngineDirection(direction));
    if (build != -1) fnFill(rules, group.buildSlot, group.piles, fnEngineBuild(build));
  }
}

bool fnLoadRuleRecord(TGameRules& rules, const TCatalogue& catalogue, const TCustomGames& custom, int gameCode,
                      std::string& error) {
  rules.Clear();
  std::string ruleText;
  const bool isCustom = gameCode >= kFirstCustomCode;
  const int column = fnRulesColumn(catalogue, custom, gameCode, &ruleText);
  if (column < 0) {
    error = "Game " + std::to_string(gameCode) + " is not in the games list.";
    return false;
  }
  for (const auto& [slot, value] : catalogue.Column(column)) rules.Set(TRuleSlot{slot}, value);
  if (isCustom) fnOverlayRuleText(rules, ruleText);
  rules.Backup();
  return true;
}

std::array<int, 9> fnReadSlotsOfGame(const TCatalogue& catalogue, const TCustomGames& custom, int gameCode,
                                     const std::array<int, 9>& slots) {
  std::array<int, 9> values;
  values.fill(-99);
  const int column = fnRulesColumn(catalogue, custom, gameCode, nullptr);
  for (std::size_t i = 0; i < slots.size(); ++i) {
    if (slots[i] == -1 || column < 0) continue;
    values[i] = fnColumnValue(catalogue.Column(column), slots[i]);
  }
  return values;
}

std::vector<std::string> fnReadTwoSlotsOfEveryGame(const TCatalogue& catalogue, int firstSlot, int secondSlot) {
  std::vector<std::string> texts;
  for (int column = 0; column < static_cast<int>(catalogue.Entries().size()); ++column) {
    const TCatalogue::TColumn& values = catalogue.Column(column);
    texts.push_back(fnZeroFill(fnColumnValue(values, firstSlot), 10) +
                    fnZeroFill(fnColumnValue(values, secondSlot), 10));
  }
  return texts;
}

}  // namespace tablerun
