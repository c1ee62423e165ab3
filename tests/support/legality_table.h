// A small table for move legality tests: piles laid from card names, rule
// slots from a short text, and the question asked the way pointer input asks it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>

#include "engine/legality/move_legality.h"
#include "model/rule_slot_names.h"
#include "support/recording_screen.h"
#include "support/table_text.h"

namespace tablerun::testing {

// "AH", "10S", "QD", "KC" (hearts, diamonds, clubs, spades); a trailing "'"
// for the second deck; "JK1"–"JK4" for the jokers.
inline int CardCode(std::string_view name) {
  if (name.starts_with("JK")) return kFirstJoker - 1 + (name[2] - '0');
  int deck = 0;
  if (name.ends_with('\'')) {
    deck = 1;
    name.remove_suffix(1);
  }
  static constexpr std::string_view kRanks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
  static constexpr std::string_view kSuits = "HDCS";
  const std::string_view rank = name.substr(0, name.size() - 1);
  const auto suit = kSuits.find(name.back());
  for (int r = 0; r < 13; ++r) {
    if (kRanks[r] == rank && suit != std::string_view::npos) return deck * 52 + static_cast<int>(suit) * 13 + r + 1;
  }
  ADD_FAILURE() << "no card \"" << name << "\"";
  return 0;
}

class TLegalityTable {
 public:
  // Four foundations of 13, eight tableau piles without limit, four reserves,
  // any group size; everything else 0 until a test says otherwise.
  TLegalityTable() {
    SetRules("foundations=4 tableau piles=8 reserves=4 foundation capacity=13 tableau capacity=-1 group limit=-1");
  }
  // The table refers to the cards and rules beside it.
  TLegalityTable(const TLegalityTable&) = delete;
  TLegalityTable& operator=(const TLegalityTable&) = delete;

  // "Fila1: KS QH | Dest1: AH | Mazzo: #5C"; "#" lays a card face down, "--" a hole.
  void Lay(std::string_view piles) {
    std::string codes;
    std::istringstream words{std::string(piles)};
    for (std::string word; words >> word;) {
      if (word == "|" || word.back() == ':') {
        codes += " " + word;
        continue;
      }
      const bool down = word.front() == '#';
      const int code = word == "--" ? 0 : CardCode(down ? std::string_view(word).substr(1) : std::string_view(word));
      cards.fnSetCardFace(code, down ? TCardFace::Down : TCardFace::Up);
      codes += " " + fnCardText(code);
    }
    LayPiles(table, codes);
  }

  // "tableau build*8=3 foundation base[2]='Q' group limit=-5": a rule as the
  // game definitions name it, the pile (1 unless "[n]"), how many piles from it
  // (1 unless "*n"), and the value, a number or a letter in quotes.
  void SetRules(std::string_view slots) {
    std::istringstream words{std::string(slots)};
    std::string name;
    for (std::string word; words >> word;) {
      const auto equals = word.find('=');
      if (equals == std::string::npos) {
        name += word + " ";
        continue;
      }
      std::string key = name + word.substr(0, equals);
      name.clear();
      int count = 1;
      if (const auto star = key.find('*'); star != std::string::npos) {
        count = std::stoi(key.substr(star + 1));
        key.resize(star);
      }
      int pile = 1;
      if (const auto bracket = key.find('['); bracket != std::string::npos) {
        pile = std::stoi(key.substr(bracket + 1));
        key.resize(bracket);
      }
      const auto slot = fnFindRuleSlot(key);
      if (!slot) {
        ADD_FAILURE() << "no rule \"" << key << "\"";
        continue;
      }
      const std::string value = word.substr(equals + 1);
      const int number = value.front() == '\'' ? value[1] : std::stoi(value);
      const TRuleSlot first = TRuleSlot{slot->first} + (pile - 1);
      for (int i = 0; i < count; ++i) rules.Set(first + i, static_cast<int16_t>(number));
    }
  }

  TMoveLegality Legality() { return TMoveLegality(table, rules, cards, context, &screen); }

  // The card alone when it is its pile's top card, else with the cards above it.
  bool Can(std::string_view card, std::string_view pile) {
    const int code = CardCode(card);
    const auto place = TTableView(table, rules, cards).FindCard(code);
    context.singleCard = !place || place->position == static_cast<int>(table.Pile(place->pile).size() / 3) - 1;
    context.draggedTopCard = place ? table.fnTopCard(fnPileName(place->pile)) : code;
    return Legality().CanPlace(code, pile);
  }

  TCardStatusTable cards;
  TGameRules rules;
  TTable table{cards, rules};
  TRecordingScreen screen;
  TMoveContext context;
};

// One question and its answer: the position, the rules beyond the shared
// ones, the card moved (with the cards above it) and where to.
struct TPlacement {
  const char* position;
  const char* slots;
  const char* card;
  const char* destination;
  bool allowed;
};

inline void ExpectPlacements(std::initializer_list<TPlacement> rows) {
  for (const TPlacement& row : rows) {
    TLegalityTable t;
    t.SetRules(row.slots);
    t.Lay(row.position);
    EXPECT_EQ(t.Can(row.card, row.destination), row.allowed)
        << row.card << " -> " << row.destination << " on \"" << row.position << "\" with " << row.slots;
  }
}

}  // namespace tablerun::testing
