#include "model/game_definition_checks.h"

#include <algorithm>
#include <set>

#include "config/text.h"
#include "model/games_file.h"
#include "model/rule_slot_names.h"

namespace tablerun {
namespace {

int fnSlot(const TGameDefinition& game, int slot) { return game.slots[static_cast<std::size_t>(slot)]; }

std::string fnAt(const TGameDefinition& game, int slot) {
  const int line = game.setAtLine[static_cast<std::size_t>(slot)];
  return game.file + ":" + std::to_string(line) + ": ";
}

struct TFamily {
  const char* what;
  int countSlot, kindSlot, variantSlot, maxKind;
  std::set<int> variants;
};

// The generic arrangements the layout knows, per pile family.
const std::vector<TFamily>& fnLayoutFamilies() {
  static const std::vector<TFamily> kFamilies = {
      {"stock", 373, 363, 362, 6, {3, 4, 5, 11, 13, 16, 19, 21, 23}},
      {"foundation", 374, 365, 364, 6, {1, 2, 7, 8, 9, 13, 17, 22}},
      {"tableau", 375, 367, 366, 6, {1, 2, 3, 10, 11, 12, 13, 14, 15, 18, 20, 21}},
      {"reserve", 376, 370, 369, 6, {4, 5, 6, 7, 11, 12, 23}},
      {"second waste", 377, 372, 371, 6, {6, 7, 16}},
  };
  return kFamilies;
}

void fnCheckCounts(const TGameDefinition& game, std::vector<std::string>& errors) {
  struct TLimit {
    int slot, most;
  };
  for (const auto [slot, most] : {TLimit{374, 16}, TLimit{375, 40}, TLimit{376, 12}, TLimit{373, 3}, TLimit{381, 4}}) {
    const int value = fnSlot(game, slot);
    if (value < 0 || value > most)
      errors.push_back(fnAt(game, slot) + fnRuleSlotLabel(slot) + " is " + std::to_string(value) +
                       "; it must lie in 0–" + std::to_string(most));
  }
  // A capacity of 0 would refuse every card.
  if (fnSlot(game, 374) > 0 && fnSlot(game, 34) <= 0)
    errors.push_back(game.file + ": \"foundation capacity\" must be at least 1 in a game with foundations");
  if (fnSlot(game, 375) > 0 && fnSlot(game, 35) == 0)
    errors.push_back(game.file +
                     ": \"tableau capacity\" must be -1 (unlimited) or at least 1 in a game with a tableau");
  const int cards = fnSlot(game, 378);
  if (cards != 52 && cards != 104 && cards != 156 && cards != 208)
    errors.push_back(fnAt(game, 378) + "cards must be 52, 104, 156 or 208, not " + std::to_string(cards));
}

// A per-pile value for a pile the game does not have is a mistake in the definition.
void fnCheckPileArrays(const TGameDefinition& game, std::vector<std::string>& errors) {
  for (const auto& slot : fnRuleSlotNames()) {
    if (slot.count == 1) continue;
    const int piles = fnSlot(game, slot.count == 16 ? 374 : slot.count == 40 ? 375 : 376);
    for (int i = std::max(piles, 0); i < slot.count; ++i) {
      if (fnSlot(game, slot.first + i) != 0) {
        errors.push_back(fnAt(game, slot.first + i) + "\"" + slot.name + "\" sets pile " + std::to_string(i + 1) +
                         ", but the game has " + std::to_string(piles));
        break;
      }
    }
  }
}

void fnCheckLayout(const TGameDefinition& game, std::vector<std::string>& errors) {
  for (const auto& family : fnLayoutFamilies()) {
    if (fnSlot(game, family.countSlot) <= 0) continue;
    const int kind = fnSlot(game, family.kindSlot);
    const int variant = fnSlot(game, family.variantSlot);
    if (kind < 0 || kind > family.maxKind || !family.variants.count(variant))
      errors.push_back(fnAt(game, family.variantSlot) + "the " + family.what + " layout " + std::to_string(kind) +
                       fnZeroFill(variant, 3) + " is not one the table layout knows");
  }
}

void fnCheckFeatures(const TGameDefinition& game, std::vector<std::string>& errors) {
  struct TFeature {
    int slot, most;
  };
  for (const auto [slot, most] : {TFeature{497, 2}, TFeature{498, 2}, TFeature{499, 4}, TFeature{500, 4},
                                  TFeature{501, 32767}, TFeature{502, 32767}}) {
    if (game.setAtLine[static_cast<std::size_t>(slot)] == 0) {
      errors.push_back(game.file + ": \"" + fnRuleSlotLabel(slot) + "\" is missing");
    } else if (fnSlot(game, slot) < 0 || fnSlot(game, slot) > most) {
      errors.push_back(fnAt(game, slot) + "\"" + fnRuleSlotLabel(slot) + "\" must lie in 0–" + std::to_string(most));
    }
  }
  if (fnSlot(game, 501) > fnSlot(game, 502)) errors.push_back(fnAt(game, 501) + "more reference games won than played");
}

void fnCheckHeader(const TGameDefinition& game, std::vector<std::string>& errors) {
  if (game.code < 0 || game.code > 999) errors.push_back(game.file + ": code must lie in 0–999");
  if (game.type <= 0 || game.type > 999) errors.push_back(game.file + ": type must lie in 1–999");
  if (game.name.empty() || game.name.size() > 50) errors.push_back(game.file + ": name must have 1–50 characters");
  if (!std::all_of(game.name.begin(), game.name.end(), fnCanScramble))
    errors.push_back(game.file + ": name holds a character the games list cannot store");
}

}  // namespace

int fnCardsInDeck(const TGameDefinition& game) {
  const int decks = fnSlot(game, 378) / 52;
  int cards = fnSlot(game, 378);
  if (fnSlot(game, 49) == 1) cards -= 20 * decks;  // ranks 2–6
  if (fnSlot(game, 49) == 2) cards -= 24 * decks;  // and the Kings
  if (fnSlot(game, 46) == 1) cards += fnSlot(game, 381);
  return cards;
}

int fnCardsDealt(const TGameDefinition& game) {
  const int startMode = fnSlot(game, 1);
  if (fnSlot(game, 36) != 0 || startMode == 5) return -1;
  int dealt = fnSlot(game, 379) + fnSlot(game, 380) + fnSlot(game, 462);
  for (int i = 0; i < 40; ++i) {
    const int deal = fnSlot(game, 382 + i);
    dealt += deal > 1000 ? 1 : std::max(deal, 0);
  }
  for (int i = 0; i < 12; ++i) dealt += std::max(fnSlot(game, 463 + i), 0);
  for (int i = 0; i < fnSlot(game, 374) && i < 16; ++i) {
    const int starter = fnSlot(game, 103 + i);
    if (i == 0 && starter == 97)
      dealt += 8;
    else if (starter != 0 && starter != 92 && (starter < 96 || starter > 98))
      dealt += 1;
  }
  if (fnSlot(game, 13) == 1) dealt += 1;
  if (fnSlot(game, 359) != 0) dealt += 1;
  if (startMode == 2)
    dealt += fnSlot(game, 374);
  else if (startMode == 1 || startMode == 4 || startMode == 6 || startMode == 7 || startMode == 8)
    dealt += 1;
  return dealt;
}

void fnCheckGameDefinition(const TGameDefinition& game, std::vector<std::string>& errors) {
  fnCheckHeader(game, errors);
  fnCheckCounts(game, errors);
  fnCheckPileArrays(game, errors);
  fnCheckLayout(game, errors);
  fnCheckFeatures(game, errors);
  const int dealt = fnCardsDealt(game);
  if (game.checkDeal && dealt >= 0 && dealt != fnCardsInDeck(game))
    errors.push_back(game.file + ": the deal places " + std::to_string(dealt) + " cards, but the deck holds " +
                     std::to_string(fnCardsInDeck(game)) + " (\"deal check: off\" when the deal's own rules differ)");
}

void fnCheckGamesTogether(const std::vector<TGameDefinition>& games, std::vector<std::string>& errors) {
  for (std::size_t i = 0; i < games.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      if (games[i].code == games[j].code)
        errors.push_back(games[i].file + ": code " + std::to_string(games[i].code) + " is also " + games[j].file +
                         "'s");
      if (fnLowerCase(fnTrim(games[i].name)) == fnLowerCase(fnTrim(games[j].name)))
        errors.push_back(games[i].file + ": name \"" + games[i].name + "\" is also " + games[j].file + "'s");
    }
  }
}

}  // namespace tablerun
