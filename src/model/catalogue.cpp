#include "model/catalogue.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "config/text.h"
#include "model/game_rules.h"

namespace tablerun {
namespace {

std::string_view fnField(std::string_view line, std::size_t first, std::size_t length) {
  return first < line.size() ? line.substr(first, length) : std::string_view();
}

bool fnReadGroup(const std::vector<std::string>& lines, std::vector<int>& codes) {
  for (const auto& line : lines) {
    const std::string plain = fnTrimRight(fnUnscramble(line));
    if (plain.empty()) continue;
    const auto code = fnParseInteger(plain);
    if (!code) return false;
    codes.push_back(static_cast<int>(*code));
  }
  return true;
}

constexpr std::size_t kFieldWidth = 10;

std::size_t fnFieldStart(std::size_t column) { return column * 11 + 16; }

// A field of the matrix: unscrambled, trailing blanks dropped, a signed number
// that fits a rule slot. Read for every game at start-up, so it allocates nothing.
std::optional<std::int16_t> fnMatrixValue(std::string_view line, std::size_t column) {
  const std::size_t start = fnFieldStart(column);
  if (start >= line.size()) return std::nullopt;
  const std::string_view stored = line.substr(start, kFieldWidth);
  char plain[kFieldWidth];
  std::size_t length = 0;
  for (const char c : stored) plain[length++] = fnUnscramble(c);
  while (length > 0 && (plain[length - 1] == ' ' || plain[length - 1] == '\t')) --length;
  const char* first = plain;
  while (first < plain + length && (*first == ' ' || *first == '\t')) ++first;
  if (first < plain + length && *first == '+') ++first;
  std::int16_t value = 0;
  const auto [end, error] = std::from_chars(first, plain + length, value);
  if (error != std::errc() || end != plain + length || first == end) return std::nullopt;
  return value;
}

// Every line of the rule matrix starts with the plain slot number.
std::optional<std::int16_t> fnMatrixSlot(std::string_view line) {
  const auto slot = fnParseInteger(line.substr(0, std::min<std::size_t>(4, line.size())));
  if (!slot || *slot < 0 || *slot >= TGameRules::kSize) return std::nullopt;
  return static_cast<std::int16_t>(*slot);
}

}  // namespace

bool TCatalogue::ReadMatrix(const std::vector<std::string>& lines, std::string& error) {
  columns_.assign(entries_.size(), TColumn{});
  for (auto& column : columns_) column.reserve(lines.size());
  for (const std::string& line : lines) {
    const auto slot = fnMatrixSlot(line);
    for (std::size_t column = 0; column < entries_.size(); ++column) {
      const auto value = slot ? fnMatrixValue(line, column) : std::nullopt;
      if (!value) {
        error = "The games list is damaged: the rule line \"" + line.substr(0, 4) + "\" of game " +
                std::to_string(entries_[column].code) + " is not a number.";
        return false;
      }
      columns_[column].emplace_back(*slot, *value);
    }
  }
  return true;
}

bool TCatalogue::Load(const TGamesFile& file, std::string& error) {
  entries_.clear();
  int lineNumber = 0;
  for (const auto& stored : file.Section("[Sect1]")) {
    ++lineNumber;
    TCatalogueEntry entry;
    entry.line = fnUnscramble(stored);
    if (fnField(entry.line, 7, 1) == "9") continue;
    const auto type = fnParseInteger(fnField(entry.line, 0, 3));
    const auto code = fnParseInteger(fnField(entry.line, 4, 3));
    if (entry.line.size() < 10 || !type || !code || *code < 0) {
      error = "The games list is damaged: line " + std::to_string(lineNumber) + " of [Sect1].";
      return false;
    }
    entry.type = static_cast<int>(*type);
    entry.code = static_cast<int>(*code);
    entry.needsWideScreen = entry.line[8] == '1';
    entry.isNew = entry.line[9] == '1';
    entry.name = fnTrimRight(fnField(entry.line, 10, 50));
    entries_.push_back(std::move(entry));
  }
  if (entries_.empty()) {
    error = "The games list holds no games.";
    return false;
  }
  if (const auto missing = file.FirstMissingSection()) {
    error = "The games list is damaged: the section " + *missing + " is missing.";
    return false;
  }
  if (!file.EndsWithLineBreak()) {
    error = "The games list is damaged: it ends in the middle of a line.";
    return false;
  }
  if (!ReadMatrix(file.Section("[Sect2]"), error)) return false;
  selected_.clear();
  original_.clear();
  children_.clear();
  if (!fnReadGroup(file.Section("[SectS]"), selected_) || !fnReadGroup(file.Section("[SectO]"), original_) ||
      !fnReadGroup(file.Section("[SectK]"), children_)) {
    error = "The games list is damaged: a game group holds a line that is not a game code.";
    return false;
  }
  return true;
}

int TCatalogue::Index(int code) const {
  if (code < 0 || code >= kFirstCustomCode) return -1;
  if (code < static_cast<int>(entries_.size()) && entries_[static_cast<std::size_t>(code)].code == code) return code;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].code == code) return static_cast<int>(i);
  }
  return -1;
}

std::string TCatalogue::NameOf(int code, const TCustomGames& custom) const {
  if (code >= kFirstCustomCode) return custom.NameOf(code);
  const int index = Index(code);
  return index < 0 ? std::string() : entries_[static_cast<std::size_t>(index)].name;
}

int TCatalogue::CodeOf(std::string_view name, const TCustomGames& custom) const {
  const std::string wanted = fnLowerCase(fnTrim(name));
  for (const auto& entry : entries_) {
    if (fnLowerCase(fnTrim(entry.name)) == wanted) return entry.code;
  }
  return custom.CodeOf(name);
}

int TCatalogue::TypeOf(int code) const {
  if (code < 0) return -1;
  if (code >= kFirstCustomCode) return kCustomGameType;
  const int index = Index(code);
  return index < 0 ? -1 : entries_[static_cast<std::size_t>(index)].type;
}

bool TCatalogue::CanBeShown(int code, int screenWidth, TMessages& messages, const TCustomGames& custom) const {
  if (screenWidth >= 650) return true;
  if (code >= kFirstCustomCode) {
    const auto game = custom.Find(code);
    if (!game) return true;
    code = game->baseCode;
  }
  const int index = Index(code);
  if (index < 0 || !entries_[static_cast<std::size_t>(index)].needsWideScreen) return true;
  messages.ShowMessage(TMessageKind::Information, "Your video card's display is 640x480 pixels.\rYou can't play: " +
                                                      entries_[static_cast<std::size_t>(index)].name + "\r" +
                                                      "Please set your screen resolution to 800x600 pixels or higher.");
  return false;
}

std::vector<std::string> TCatalogue::AllNamesSorted(const TCustomGames& custom) const {
  std::vector<std::string> names;
  for (const auto& entry : entries_) names.emplace_back(fnField(entry.line, 10, 50));
  for (const auto& game : custom.All()) names.push_back(game.name);
  std::stable_sort(names.begin(), names.end(),
                   [](const std::string& a, const std::string& b) { return fnLowerCase(a) < fnLowerCase(b); });
  return names;
}

std::string fnGameTypeKey(int type) {
  static const char* const kKeys[] = {"CANFIELD",     "FORTYTHIEVES", "FREECELL",     "KLONDIKE",
                                      "PAIRING",      "SIMPLEGAMES",  "SPIDER",       "1DECK",
                                      "2DECK",        "FAN",          "BAKERSDOZEN",  "ROW",
                                      "PUZZLE",       "ADDITION",     "MEMORY",       "BELEAGUEREDCASTLE",
                                      "QUEENOFITALY", "YUKON",        "MATHEMATICAL", "SIRTOMMY",
                                      "NONBUILDERS",  "STRIPPEDDECK", "FOURSEASONS",  "FAERIEQUEEN",
                                      "FLOWERGARDEN", "SLYFOX"};
  if (type == kCustomGameType) return "TREE5_CUSTOMIZED_GAMES";
  if (type < 2 || type > 27) return {};
  return std::string("TREE5_") + kKeys[type - 2] + "_TYPE";
}

std::string fnExpandPlaceholders(std::string text) {
  const std::pair<std::string_view, std::string> kPlaceholders[] = {
      {"[Program]", "Tablerun 2002"},
      {"[Program_sw]", "Tablerun 2002"},
      {"[GameNum_sw]", std::to_string(kBuiltInGameCount)}};
  for (const auto& [placeholder, value] : kPlaceholders) {
    const auto at = text.find(placeholder);
    if (at != std::string::npos) text.replace(at, placeholder.size(), value);
  }
  return text;
}

TGameChooser fnGameChooser(const TCatalogue& catalogue, const TCustomGames& custom, int code) {
  TGameChooser chooser;
  chooser.names = catalogue.AllNamesSorted(custom);
  if (code == -1) return chooser;
  const std::string name = catalogue.NameOf(code, custom);
  for (std::size_t i = 0; i < chooser.names.size(); ++i) {
    if (fnTrimRight(chooser.names[i]) == name) {
      chooser.selected = static_cast<int>(i);
      break;
    }
  }
  return chooser;
}

}  // namespace tablerun
