// Names of the rule slots, as game definitions write them: the one table that
// maps a name to its slot index (and, for per-pile arrays, its length).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/rule_slots.h"

namespace tablerun {

struct TRuleSlotName {
  constexpr TRuleSlotName(const char* slotName, TRuleSlot firstSlot, int slotCount)
      : name(slotName), first(firstSlot.index), count(slotCount) {}

  const char* name;
  int first;  // slot index of the only or first entry
  int count;  // 1, or the length of a per-pile array (16, 40 or 12)
};

std::span<const TRuleSlotName> fnRuleSlotNames();

// Names are matched as written, lower case with single blanks.
std::optional<TRuleSlotName> fnFindRuleSlot(std::string_view name);

// "tableau deal[3]" for an array entry, the plain name for a scalar, "slot N"
// for a slot without a name.
std::string fnRuleSlotLabel(int slot);

}  // namespace tablerun
