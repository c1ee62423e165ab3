// Pile names, the way the whole program addresses a pile: "Mazzo", "Mazzo_Vis",
// "Mazzo_Waste", "Fila1"–"Fila40", "Dest1"–"Dest16", "Appogg1"–"Appogg12",
// the number with or without a leading zero.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tablerun {

// The stock group holds Mazzo (stock), Mazzo_Vis (waste) and Mazzo_Waste
// (second waste), in that order.
enum class TPileGroup { Mazzo, Dest, Fila, Appogg };

inline constexpr int fnPileGroupSize(TPileGroup group) {
  switch (group) {
    case TPileGroup::Mazzo: return 3;
    case TPileGroup::Dest: return 16;
    case TPileGroup::Fila: return 40;
    case TPileGroup::Appogg: return 12;
  }
  return 0;
}

// One pile: its group and its 0-based entry in the group.
struct TPileRef {
  TPileGroup group;
  int entry;

  friend bool operator==(const TPileRef&, const TPileRef&) = default;
};

inline constexpr TPileRef kMazzo{TPileGroup::Mazzo, 0};
inline constexpr TPileRef kMazzoVis{TPileGroup::Mazzo, 1};
inline constexpr TPileRef kMazzoWaste{TPileGroup::Mazzo, 2};

inline constexpr bool fnIsPileRef(TPileRef pile) { return pile.entry >= 0 && pile.entry < fnPileGroupSize(pile.group); }

// Nothing for a name that is no pile of the four groups, pseudo-names such
// as "Mazzo_Redeal" or "Selezionate_Dest" included.
std::optional<TPileRef> fnParsePileName(std::string_view name);
// "Fila7" for {Fila, 6}, without a leading zero; empty when there is no such pile.
std::string fnPileName(TPileRef pile);

// Pile kind codes, returned by fnPileKind and by the card search.
inline constexpr int kKindNone = 0;
inline constexpr int kKindMazzo = 1;
inline constexpr int kKindMazzoVis = 2;
inline constexpr int kKindSecondWaste = 3;
inline constexpr int kKindFila = 4;
inline constexpr int kKindDest = 5;
inline constexpr int kKindAppogg = 6;

// Classifies any name by its leading characters, pseudo-names included; the
// second waste shares the stock's code here.
int fnPileKind(std::string_view name);

}  // namespace tablerun
