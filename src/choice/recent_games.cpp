#include "choice/recent_games.h"

#include <algorithm>

#include "config/text.h"

namespace tablerun {
namespace {

constexpr const char* kLastPlayed = "Last Played Games";
constexpr const char* kGameNumbers = "Game_Numbers";

std::string fnEntryKey(std::size_t position) { return "Game0" + fnZeroFill(static_cast<std::int64_t>(position), 2); }

std::vector<std::string> fnReadEntries(const TIniFile& store, const char* section) {
  std::vector<std::string> entries;
  for (std::size_t position = 1; position <= kRecentEntries; ++position)
    entries.push_back(store.ReadString(section, fnEntryKey(position), ""));
  return entries;
}

void fnWriteEntries(TIniFile& store, const char* section, const std::vector<std::string>& entries) {
  TIniFile::TDeferredWrites once(store);
  for (std::size_t position = 1; position <= kRecentEntries; ++position)
    store.WriteString(section, fnEntryKey(position), position <= entries.size() ? entries[position - 1] : "");
}

std::vector<std::string> fnUpToFirstEmpty(std::vector<std::string> entries) {
  entries.erase(std::find(entries.begin(), entries.end(), std::string()), entries.end());
  return entries;
}

}  // namespace

std::vector<int> fnReadLastPlayed(const TIniFile& store) {
  std::vector<int> codes;
  for (const std::string& entry : fnUpToFirstEmpty(fnReadEntries(store, kLastPlayed))) {
    const auto code = fnParseInteger(entry);
    if (!code || *code < 0 || *code > 9999) break;
    codes.push_back(static_cast<int>(*code));
  }
  return codes;
}

bool fnRecordDealtGame(TIniFile& store, int code) {
  std::vector<std::string> entries = fnReadEntries(store, kLastPlayed);
  const std::string entry = fnZeroFill(code, 4);
  if (std::find(entries.begin(), entries.end(), entry) != entries.end()) return false;
  entries.insert(entries.begin(), entry);
  fnWriteEntries(store, kLastPlayed, entries);
  return true;
}

void fnRemoveLastPlayed(TIniFile& store, int code) {
  std::vector<std::string> entries = fnReadEntries(store, kLastPlayed);
  const auto found = std::find(entries.begin(), entries.end(), fnZeroFill(code, 4));
  if (found == entries.end()) return;
  entries.erase(found);
  fnWriteEntries(store, kLastPlayed, entries);
}

std::vector<std::string> fnReadGameNumbers(const TIniFile& store) {
  return fnUpToFirstEmpty(fnReadEntries(store, kGameNumbers));
}

void fnRecordGameNumber(TIniFile& store, const std::string& number) {
  if (number.empty() || !fnIsOneLine(number)) return;
  std::vector<std::string> entries = fnReadEntries(store, kGameNumbers);
  std::erase(entries, number);
  entries.insert(entries.begin(), number);
  fnWriteEntries(store, kGameNumbers, entries);
}

std::vector<TRecentGame> fnRecentGames(const std::vector<int>& codes, const TCatalogue& catalogue,
                                       const TCustomGames& custom) {
  std::vector<TRecentGame> games;
  for (const int code : codes) {
    std::string name = catalogue.NameOf(code, custom);
    if (!name.empty()) games.push_back({std::move(name), catalogue.TypeOf(code), code});
  }
  std::stable_sort(games.begin(), games.end(), [](const TRecentGame& a, const TRecentGame& b) {
    return fnLowerCase(a.name) < fnLowerCase(b.name);
  });
  return games;
}

}  // namespace tablerun
