// The game rule record: the rule slots of the current game, indexed as the
// lines of the games list.
#pragma once

#include <array>
#include <cstdint>

#include "model/int16_table.h"
#include "model/rule_slots.h"

namespace tablerun {

class TGameRules {
 public:
  static constexpr int kSize = 503;

  // Out of range: reads 0, writes nothing.
  int16_t Get(TRuleSlot slot) const { return slots_.Get(slot.index); }
  void Set(TRuleSlot slot, int16_t value) { slots_.Set(slot.index, value); }

  void Clear() { *this = TGameRules(); }
  bool IsLoaded() const { return Get(rule::kCards) != 0; }

  // Play may learn base ranks and empty-pile ranks from the cards; a new deal
  // of the same game starts again from the loaded values.
  void Backup();
  void Restore();

 private:
  static constexpr int kTableauPiles = 40;
  static constexpr int kFoundations = 16;

  TInt16Table<kSize> slots_;
  std::array<int16_t, kTableauPiles + kFoundations> backup_{};
};

inline void TGameRules::Backup() {
  for (int i = 0; i < kTableauPiles; ++i) backup_[static_cast<std::size_t>(i)] = Get(rule::kTableauEmpty + i);
  for (int i = 0; i < kFoundations; ++i)
    backup_[static_cast<std::size_t>(kTableauPiles + i)] = Get(rule::kFoundationBase + i);
}

inline void TGameRules::Restore() {
  for (int i = 0; i < kTableauPiles; ++i) Set(rule::kTableauEmpty + i, backup_[static_cast<std::size_t>(i)]);
  for (int i = 0; i < kFoundations; ++i)
    Set(rule::kFoundationBase + i, backup_[static_cast<std::size_t>(kTableauPiles + i)]);
}

}  // namespace tablerun
