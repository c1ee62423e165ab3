// The index files of the add-on pack in "plus": c01.dat, d01.dat and b01.dat,
// INI text whose lines read <resource name>=<display name>.
#pragma once

#include <string>
#include <vector>

#include "engine/state/tablerun_state.h"

namespace tablerun {

struct TAddOnEntry {
  std::string group;  // the [section] the line stands in
  std::string resource;
  std::string display;
};

// The index of a category ("cards", "decks", "backgrounds", case ignored); empty
// for another category.
std::string fnAddOnIndexFile(const std::string& category);
// Every line of the category's index in file order; none when the file is missing.
std::vector<TAddOnEntry> fnReadAddOnIndex(TTablerunState& state, const std::string& category);

// Empty when nothing matches; a category other than the three shows "File not found:".
std::string AddOnResourceName(TTablerunState& state, const std::string& displayName, const std::string& category);
std::string AddOnDisplayName(TTablerunState& state, const std::string& resourceName, const std::string& category);

}  // namespace tablerun
