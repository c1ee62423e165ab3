#include "model/pile_names.h"

#include <array>
#include <charconv>
#include <utility>

namespace tablerun {

namespace {

struct TNumberedPrefix {
  std::string_view prefix;
  TPileGroup group;
};

constexpr std::array<TNumberedPrefix, 3> kNumberedPrefixes{{
    {"Fila", TPileGroup::Fila},
    {"Dest", TPileGroup::Dest},
    {"Appogg", TPileGroup::Appogg},
}};

constexpr std::array<std::string_view, 3> kMazzoNames{"Mazzo", "Mazzo_Vis", "Mazzo_Waste"};

// One or two decimal digits, nothing else.
std::optional<int> PileNumber(std::string_view digits) {
  if (digits.empty() || digits.size() > 2) return std::nullopt;
  unsigned number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return static_cast<int>(number);
}

}  // namespace

std::optional<TPileRef> fnParsePileName(std::string_view name) {
  for (int entry = 0; entry < static_cast<int>(kMazzoNames.size()); ++entry) {
    if (name == kMazzoNames[static_cast<std::size_t>(entry)]) return TPileRef{TPileGroup::Mazzo, entry};
  }
  for (const auto& [prefix, group] : kNumberedPrefixes) {
    if (!name.starts_with(prefix)) continue;
    const auto number = PileNumber(name.substr(prefix.size()));
    if (!number) return std::nullopt;
    const TPileRef pile{group, *number - 1};
    if (!fnIsPileRef(pile)) return std::nullopt;
    return pile;
  }
  return std::nullopt;
}

std::string fnPileName(TPileRef pile) {
  if (!fnIsPileRef(pile)) return {};
  if (pile.group == TPileGroup::Mazzo) return std::string(kMazzoNames[static_cast<std::size_t>(pile.entry)]);
  for (const auto& [prefix, group] : kNumberedPrefixes) {
    if (group == pile.group) return std::string(prefix) + std::to_string(pile.entry + 1);
  }
  return {};
}

int fnPileKind(std::string_view name) {
  // The order matters: "Mazzo_Vis" before "Mazzo".
  static constexpr std::array<std::pair<std::string_view, int>, 6> kKinds{{
      {"Fila", kKindFila},
      {"Dest", kKindDest},
      {"Appogg", kKindAppogg},
      {"Mazzo_Vis", kKindMazzoVis},
      {"Mazzo", kKindMazzo},
      {"Waste", kKindSecondWaste},
  }};
  for (const auto& [prefix, kind] : kKinds) {
    if (name.starts_with(prefix)) return kind;
  }
  return kKindNone;
}

}  // namespace tablerun
