#include "model/game_definitions.h"

#include <algorithm>
#include <set>

#include "config/text.h"
#include "model/game_definition_checks.h"
#include "model/games_file.h"
#include "model/rule_slot_names.h"

namespace tablerun {
namespace {

std::string fnWhere(const std::string& file, int line) { return file + ":" + std::to_string(line) + ": "; }

std::vector<std::string> fnWords(std::string_view text) {
  std::vector<std::string> words;
  std::size_t at = 0;
  while (at < text.size()) {
    const auto start = text.find_first_not_of(" \t", at);
    if (start == std::string_view::npos) break;
    const auto end = text.find_first_of(" \t", start);
    words.emplace_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    at = end == std::string_view::npos ? text.size() : end;
  }
  return words;
}

// 12, -1, 'Q' (a letter code), each optionally followed by *count.
bool fnExpandValue(const std::string& word, std::vector<int>& values) {
  const auto star = word.find('*');
  const std::string value = word.substr(0, star);
  int repeat = 1;
  if (star != std::string::npos) {
    const auto count = fnParseInteger(std::string_view(word).substr(star + 1));
    if (!count || *count < 1 || *count > 40) return false;
    repeat = static_cast<int>(*count);
  }
  int number = 0;
  if (value.size() == 3 && value.front() == '\'' && value.back() == '\'') {
    number = static_cast<unsigned char>(value[1]);
  } else {
    const auto parsed = fnParseInteger(value);
    if (!parsed || *parsed < INT16_MIN || *parsed > INT16_MAX) return false;
    number = static_cast<int>(*parsed);
  }
  values.insert(values.end(), static_cast<std::size_t>(repeat), number);
  return true;
}

// "tableau layout: 1001" sets the kind digit and the variant of one pile family.
const std::map<std::string, std::pair<int, int>>& fnLayoutKeys() {
  static const std::map<std::string, std::pair<int, int>> kKeys = {{"stock layout", {363, 362}},
                                                                   {"foundation layout", {365, 364}},
                                                                   {"tableau layout", {367, 366}},
                                                                   {"reserve layout", {370, 369}},
                                                                   {"second waste layout", {372, 371}}};
  return kKeys;
}

class TParser {
 public:
  TParser(TGameDefinition& game, std::vector<std::string>& errors) : game_(game), errors_(errors) {}

  // Applies one "key: value" line; base is handled by the caller.
  void Apply(const std::string& key, const std::string& value, int line) {
    const std::string where = fnWhere(game_.file, line);
    if (!seen_.insert(key).second) return Error(where + "\"" + key + "\" is given twice");
    if (key == "code" || key == "type") {
      const auto number = fnParseInteger(value);
      if (!number) return Error(where + key + " must be a number");
      (key == "code" ? game_.code : game_.type) = static_cast<int>(*number);
    } else if (key == "name") {
      game_.name = value;
    } else if (key == "flags") {
      game_.needsWideScreen = game_.isNew = game_.hidden = false;
      for (const auto& flag : fnWords(value)) {
        if (flag == "wide-screen")
          game_.needsWideScreen = true;
        else if (flag == "new")
          game_.isNew = true;
        else if (flag == "hidden")
          game_.hidden = true;
        else
          Error(where + "unknown flag \"" + flag + "\" (wide-screen, new, hidden)");
      }
    } else if (key == "groups") {
      game_.groups.clear();
      for (const auto& group : fnWords(value)) {
        if (group != "selected" && group != "original" && group != "children")
          Error(where + "unknown group \"" + group + "\" (selected, original, children)");
        game_.groups.push_back(group);
      }
    } else if (key == "deal check") {
      if (value != "on" && value != "off") return Error(where + "deal check is on or off");
      game_.checkDeal = value == "on";
    } else if (const auto layout = fnLayoutKeys().find(key); layout != fnLayoutKeys().end()) {
      if (value.size() != 4 || value.find_first_not_of("0123456789") != std::string::npos)
        return Error(where + key + " is a four-digit code: kind digit and variant, e.g. 1001");
      Set(layout->second.first, value[0] - '0', line);
      Set(layout->second.second, std::stoi(value.substr(1)), line);
    } else if (const auto slot = fnFindRuleSlot(key)) {
      ApplySlot(*slot, value, line);
    } else {
      Error(where + "unknown rule \"" + key + "\"");
    }
  }

 private:
  void ApplySlot(const TRuleSlotName& slot, const std::string& text, int line) {
    const std::string where = fnWhere(game_.file, line);
    std::vector<int> values;
    for (const auto& word : fnWords(text)) {
      if (!fnExpandValue(word, values)) return Error(where + "\"" + word + "\" is not a value");
    }
    if (values.empty()) return Error(where + "\"" + slot.name + "\" has no value");
    if (static_cast<int>(values.size()) > slot.count)
      return Error(where + "\"" + slot.name + "\" takes " + std::to_string(slot.count) + " value" +
                   (slot.count == 1 ? "" : "s") + ", not " + std::to_string(values.size()));
    // An array is given whole: the piles not written get 0.
    for (int i = 0; i < slot.count; ++i)
      Set(slot.first + i, i < static_cast<int>(values.size()) ? values[static_cast<std::size_t>(i)] : 0, line);
  }

  void Set(int slot, int value, int line) {
    game_.slots[static_cast<std::size_t>(slot)] = value;
    game_.setAtLine[static_cast<std::size_t>(slot)] = line;
  }
  void Error(const std::string& message) { errors_.push_back(message); }

  TGameDefinition& game_;
  std::vector<std::string>& errors_;
  std::set<std::string> seen_;
};

struct TLine {
  int number;
  std::string key, value;
};

// Comments start with "#"; blank lines are ignored; every other line is "key: value".
std::vector<TLine> fnDefinitionLines(const std::string& file, const std::string& text,
                                     std::vector<std::string>& errors) {
  std::vector<TLine> lines;
  int number = 0;
  for (std::string_view raw : fnSplitLines(text)) {
    ++number;
    const std::string line = fnTrim(raw.substr(0, raw.find('#')));
    if (line.empty()) continue;
    const auto colon = line.find(':');
    if (colon == std::string::npos) {
      errors.push_back(fnWhere(file, number) + "expected \"rule: value\"");
      continue;
    }
    lines.push_back({number, fnTrim(line.substr(0, colon)), fnTrim(line.substr(colon + 1))});
  }
  return lines;
}

}  // namespace

void TGamesCompiler::Add(const std::string& fileName, const std::string& text) {
  std::string id = fileName.substr(fileName.find_last_of('/') + 1);
  if (id.size() > 5 && id.ends_with(".game")) id.resize(id.size() - 5);
  sources_[id] = {text};
}

bool TGamesCompiler::Build(const std::string& id, std::vector<std::string>& stack, std::vector<std::string>& errors) {
  if (built_.count(id)) return true;
  if (std::find(stack.begin(), stack.end(), id) != stack.end()) {
    errors.push_back(id + ".game: is based on itself through its bases");
    return false;
  }
  const std::string file = id + ".game";
  auto lines = fnDefinitionLines(file, sources_.at(id).text, errors);

  TGameDefinition game;
  const auto base = std::find_if(lines.begin(), lines.end(), [](const TLine& l) { return l.key == "based on"; });
  if (base != lines.end()) {
    if (!sources_.count(base->value)) {
      errors.push_back(fnWhere(file, base->number) + "no game definition \"" + base->value + "\"");
      return false;
    }
    stack.push_back(id);
    const bool ok = Build(base->value, stack, errors);
    stack.pop_back();
    if (!ok) return false;
    game = built_.at(base->value);
    game.code = -1;
    game.name.clear();
    lines.erase(base);
  }
  game.file = file;
  TParser parser(game, errors);
  for (const auto& line : lines) parser.Apply(line.key, line.value, line.number);
  built_[id] = game;
  return true;
}

bool TGamesCompiler::Compile(std::vector<std::string>& errors) {
  const std::size_t before = errors.size();
  built_.clear();
  games_.clear();
  for (const auto& [id, source] : sources_) {
    std::vector<std::string> stack;
    Build(id, stack, errors);
  }
  for (const auto& [id, game] : built_) {
    fnCheckGameDefinition(game, errors);
    games_.push_back(game);
  }
  fnCheckGamesTogether(games_, errors);
  std::sort(games_.begin(), games_.end(), [](const auto& a, const auto& b) { return a.code < b.code; });
  return errors.size() == before;
}

std::string TGamesCompiler::GamesFileBytes() const {
  constexpr const char* kEnd = "\r\n";
  std::string bytes = std::string("[Sect1]") + kEnd;
  for (const auto& game : games_) {
    std::string name = game.name;
    name.resize(50, ' ');
    bytes += fnScramble(fnZeroFill(game.type, 3) + " " + fnZeroFill(game.code, 3) + (game.hidden ? "9" : "0") +
                        (game.needsWideScreen ? "1" : "0") + (game.isNew ? "1" : "0") + name) +
             kEnd;
  }
  bytes += std::string("[Sect2]") + kEnd;
  for (int slot = 1; slot < 503; ++slot) {
    std::string label = fnRuleSlotLabel(slot);
    label.resize(12, ' ');
    std::string line = fnZeroFill(slot, 4) + label;
    bool first = true;
    for (const auto& game : games_) {
      if (game.hidden) continue;  // a hidden game has no column
      std::string field = std::to_string(game.slots[static_cast<std::size_t>(slot)]);
      field.resize(10, ' ');
      line += (first ? "" : " ") + fnScramble(field);
      first = false;
    }
    bytes += line + kEnd;
  }
  for (const auto& [header, group] :
       {std::pair{"[SectS]", "selected"}, std::pair{"[SectO]", "original"}, std::pair{"[SectK]", "children"}}) {
    bytes += std::string(header) + kEnd;
    for (const auto& game : games_) {
      if (std::find(game.groups.begin(), game.groups.end(), group) != game.groups.end())
        bytes += fnScramble(fnZeroFill(game.code, 3)) + kEnd;
    }
  }
  return bytes;
}

}  // namespace tablerun
