#include "engine/appearance/add_on_index.h"

#include "config/text.h"

namespace tablerun {
namespace {

// The category's entries, or nothing after telling the player that the category is unknown.
std::vector<TAddOnEntry> fnEntriesOf(TTablerunState& state, const std::string& category) {
  if (fnAddOnIndexFile(category).empty()) {
    state.screen.ShowMessage(TMessageKind::Error, "File not found:");
    return {};
  }
  return fnReadAddOnIndex(state, category);
}

}  // namespace

std::string fnAddOnIndexFile(const std::string& category) {
  const std::string lower = fnLowerCase(category);
  if (lower == "cards") return "c01.dat";
  if (lower == "decks") return "d01.dat";
  if (lower == "backgrounds") return "b01.dat";
  return {};
}

std::vector<TAddOnEntry> fnReadAddOnIndex(TTablerunState& state, const std::string& category) {
  const std::string file = fnAddOnIndexFile(category);
  if (file.empty()) return {};
  const auto bytes = fnReadWholeFile(state.fs, state.programFolder + "plus/" + file);
  if (!bytes) return {};
  std::vector<TAddOnEntry> entries;
  std::string group;
  for (const std::string_view raw : fnSplitLines(*bytes)) {
    const std::string line = fnTrim(raw);
    if (line.size() > 1 && line.front() == '[' && line.back() == ']') {
      group = line.substr(1, line.size() - 2);
      continue;
    }
    const auto equals = line.find('=');
    if (equals == std::string::npos || equals == 0) continue;
    entries.push_back({group, fnTrim(line.substr(0, equals)), fnTrim(line.substr(equals + 1))});
  }
  return entries;
}

// Whole names only: "Big Foo" is not "Foo", and "C010" is not "C01".
std::string AddOnResourceName(TTablerunState& state, const std::string& displayName, const std::string& category) {
  for (const TAddOnEntry& entry : fnEntriesOf(state, category)) {
    if (entry.display == displayName) return entry.resource;
  }
  return {};
}

std::string AddOnDisplayName(TTablerunState& state, const std::string& resourceName, const std::string& category) {
  for (const TAddOnEntry& entry : fnEntriesOf(state, category)) {
    if (fnSameTextIgnoringCase(entry.resource, resourceName)) return entry.display;
  }
  return {};
}

}  // namespace tablerun
