// The game rule record: the rule slots of the current game, indexed as the
// lines of the games list.
#pragma once

#include <array>

#include "model/int16_table.h"

namespace tablerun {

// How many tableau piles the game uses.
inline constexpr int kRuleTableauCount = 375;
// The deck size; 0 until a game's rules were loaded.
inline constexpr int kRuleCardsInPlay = 378;

class TGameRules : public TInt16Table<503> {
public:
  void Clear() { *this = TGameRules(); }
  bool IsLoaded() const { return Get(kRuleCardsInPlay) != 0; }

  // Play may learn base ranks and empty-pile ranks from the cards; a new deal
  // of the same game starts again from the loaded values.
  void Backup();
  void Restore();

private:
  static constexpr int kEmptyRules = 135;  // 40 tableau piles
  static constexpr int kBaseRanks = 55;    // 16 foundations
  std::array<int16_t, 56> backup_{};
};

inline void TGameRules::Backup() {
  for (int i = 0; i < 40; ++i) backup_[static_cast<std::size_t>(i)] = Get(kEmptyRules + i);
  for (int i = 0; i < 16; ++i) backup_[static_cast<std::size_t>(40 + i)] = Get(kBaseRanks + i);
}

inline void TGameRules::Restore() {
  for (int i = 0; i < 40; ++i) Set(kEmptyRules + i, backup_[static_cast<std::size_t>(i)]);
  for (int i = 0; i < 16; ++i) Set(kBaseRanks + i, backup_[static_cast<std::size_t>(40 + i)]);
}

}  // namespace tablerun
