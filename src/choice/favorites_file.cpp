#include "choice/favorites_file.h"

#include "config/text.h"

namespace tablerun {
namespace {

constexpr const char* kSection = "Favorite Games";
constexpr const char* kOldSection = "Favourite Games";
constexpr std::size_t kCaptionStart = 6;

std::string fnEntryKey(std::size_t index) { return "Game" + fnZeroFill(static_cast<std::int64_t>(index), 4); }
std::string fnOldEntryKey(std::size_t index) { return "Game" + fnZeroFill(static_cast<std::int64_t>(index), 3); }

std::optional<TFavoriteEntry> fnParseEntry(const std::string& value) {
  if (value.size() < kCaptionStart) return std::nullopt;
  const auto level = fnParseInteger(value.substr(0, 2));
  const auto code = fnParseInteger(value.substr(2, 4));
  if (!level || !code) return std::nullopt;
  return TFavoriteEntry{static_cast<int>(*level), static_cast<int>(*code),
                        fnTrimRight(std::string_view(value).substr(kCaptionStart, kFavoriteCaptionLength))};
}

std::string fnEntryText(const TFavoriteEntry& entry) {
  return (entry.level <= 1 ? "01" : "02") + fnZeroFill(entry.code, 4) + entry.caption.substr(0, kFavoriteCaptionLength);
}

}  // namespace

std::vector<TFavoriteEntry> fnReadFavorites(const TIniFile& store) {
  std::vector<TFavoriteEntry> entries;
  for (std::size_t index = 0;; ++index) {
    const std::string value = store.ReadString(kSection, fnEntryKey(index), "");
    if (value.empty()) break;
    const auto entry = fnParseEntry(value);
    if (!entry) break;
    entries.push_back(*entry);
  }
  return entries;
}

bool fnWriteFavorites(TIniFile& store, const std::vector<TFavoriteEntry>& entries) {
  TIniFile::TDeferredWrites once(store);
  bool written = store.EraseSection(kSection);
  std::size_t index = 0;
  for (const TFavoriteEntry& entry : entries) {
    // A caption that is not one line cannot be stored; the keys stay consecutive without it.
    if (!fnIsOneLine(entry.caption)) continue;
    written = store.WriteString(kSection, fnEntryKey(index++), fnEntryText(entry)) && written;
  }
  return written;
}

bool fnHasOldFavorites(const TIniFile& store) { return !store.ReadString(kOldSection, fnOldEntryKey(0), "").empty(); }

void fnConvertOldFavorites(TIniFile& store, const TCatalogue& catalogue, const TCustomGames& custom) {
  // Favourites kept since are not written over.
  std::vector<TFavoriteEntry> entries = fnReadFavorites(store);
  for (std::size_t index = 0;; ++index) {
    const std::string name = store.ReadString(kOldSection, fnOldEntryKey(index), "");
    if (name.empty()) break;
    const int code = catalogue.CodeOf(fnTrimRight(name), custom);
    // A negative code would read back as a folder.
    if (code >= 0) entries.push_back({1, code, fnTrimRight(name)});
  }
  TIniFile::TDeferredWrites once(store);
  fnWriteFavorites(store, entries);
  store.EraseSection(kOldSection);
}

std::optional<int> fnRandomFavorite(const std::vector<TFavoriteEntry>& entries, std::mt19937_64& random) {
  std::vector<int> codes;
  for (const TFavoriteEntry& entry : entries) {
    if (!entry.IsFolder()) codes.push_back(entry.code);
  }
  if (codes.empty()) return std::nullopt;
  std::uniform_int_distribution<std::size_t> pick(0, codes.size() - 1);
  return codes[pick(random)];
}

}  // namespace tablerun
