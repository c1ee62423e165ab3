// Lays piles on a table from a short text, "Fila1: 013 026 | Dest1: 001",
// and reads them back in the same spaced form.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>

#include "model/table.h"

namespace tablerun::testing {

inline void LayPiles(TTable& table, std::string_view text) {
  std::istringstream piles{std::string(text)};
  std::string part;
  while (std::getline(piles, part, '|')) {
    const auto colon = part.find(':');
    std::istringstream name(part.substr(0, colon));
    std::string pileName;
    name >> pileName;
    const auto pile = fnParsePileName(pileName);
    std::istringstream codes(colon == std::string::npos ? std::string() : part.substr(colon + 1));
    std::string joined;
    for (std::string code; codes >> code;) joined += code;
    if (!pile || !table.SetPile(*pile, joined)) ADD_FAILURE() << "cannot lay \"" << part << "\"";
  }
}

inline std::string PileText(const TTable& table, std::string_view name) {
  const auto pile = fnParsePileName(name);
  if (!pile) return "?";
  const std::string& codes = table.Pile(*pile);
  std::string spaced;
  for (std::size_t at = 0; at < codes.size(); at += 3) {
    if (at > 0) spaced += ' ';
    spaced += codes.substr(at, 3);
  }
  return spaced;
}

}  // namespace tablerun::testing
