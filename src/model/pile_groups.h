// The four pile groups as pile lists: three-digit card codes, bottom card
// first, "000" for a hole.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/pile_names.h"

namespace tablerun {

// Whole three-digit codes from 000 (a hole) to the last joker.
bool fnIsPileText(std::string_view text);

class TPileGroups {
 public:
  // Empty for a reference outside the groups.
  const std::string& Pile(TPileRef pile) const;
  // Nullptr for a reference outside the groups.
  std::string* Find(TPileRef pile);

  void Clear();

 private:
  static constexpr int kPileCount = fnPileGroupSize(TPileGroup::Mazzo) + fnPileGroupSize(TPileGroup::Dest) +
                                    fnPileGroupSize(TPileGroup::Fila) + fnPileGroupSize(TPileGroup::Appogg);
  static int Slot(TPileRef pile);

  std::array<std::string, kPileCount> piles_;
};

}  // namespace tablerun
