#include "engine/saved/saved_game.h"

#include <algorithm>
#include <array>
#include <vector>

#include "config/preferences.h"
#include "config/safe_replace.h"
#include "config/text.h"
#include "engine/deal/game_number.h"
#include "engine/executor/executor.h"
#include "engine/saved/saved_deck.h"
#include "engine/saved/saved_game_upgrade.h"
#include "engine/state/draw_flag.h"
#include "engine/state/tablerun_state.h"
#include "model/main_game_entries.h"
#include "model/rule_slots.h"

namespace tablerun {
namespace {

constexpr int kHeaderLength = 95;
constexpr int kFirstStateLine = 12;  // 0-based, after the header, line 2 and ten empty lines

// The appearance of the header: configuration position, its length, and the
// width of its field in the header.
struct THeaderField {
  TConfigField field;
  int width;
};
constexpr THeaderField kAppearance[] = {
    {cfg::kBackgroundPicture, 30}, {cfg::kBackgroundColour, 15}, {cfg::kBackgroundDefault, 4},
    {cfg::kCardSize, 1},           {cfg::kCardSet, 9},           {cfg::kBackNumber, 4}};
constexpr int kAppearanceWidth = 63;

// The undo sections, in file order: a snapshot's stock, foundation, tableau
// and reserve lines.
constexpr const char* kSections[] = {"[UNDO - Stock]", "[UNDO - Foundations]", "[UNDO - Piles]", "[UNDO - Reserves]"};
constexpr const char* kLogSection = "[UNDO - Log]";

std::string Padded(std::string_view text, std::size_t width) {
  std::string padded(text.substr(0, width));
  padded.resize(width, ' ');
  return padded;
}

std::optional<int> Number(std::string_view text) {
  const auto value = fnParseInteger(text);
  if (!value || *value < -32768 || *value > 999999) return std::nullopt;
  return static_cast<int>(*value);
}

void AddLines(std::string& text, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) text += line + "\r\n";
}

}  // namespace

std::string fnSavedGameText(const TTablerunState& state, const TMoveExecutor& executor, int elapsedSeconds) {
  const TConfigRecord& config = state.config;
  std::string header = "[S-" + std::string(kSavedGameVersion) + "]" + Padded(config.Read(cfg::kGame), 4);
  for (const auto& [field, width] : kAppearance) {
    header += Padded(config.Read(field), static_cast<std::size_t>(width));
  }
  header += fnZeroFill(elapsedSeconds, 6);
  header += fnZeroFill(fnParseInteger(config.Read(cfg::kScoreKind)).value_or(0), 2);
  header += fnZeroFill(fnParseInteger(config.Read(cfg::kScore)).value_or(0), 6);
  header += fnZeroFill(state.mainGame.Get(entries::kRedealRound), 6);

  std::string second = Padded(config.Read(cfg::kPlayer), 50) + Padded(config.Read(cfg::kGameNumber), 15) + " ";
  for (int i = 0; i < 16; ++i) second += fnZeroFill(state.rules.Get(rule::kFoundationBase + i), 2);

  std::string text = header + "\r\n" + second + "\r\n";
  for (int n = 0; n < 10; ++n) text += "\r\n";
  for (const std::string& line : fnTakeSnapshot(state.table, state.cards)) text += line + "\r\n";
  const TUndoStack& undo = executor.History().undo;
  const std::vector<std::string>* lists[] = {&undo.StockLines(), &undo.FoundationLines(), &undo.TableauLines(),
                                             &undo.ReserveLines()};
  for (std::size_t s = 0; s < std::size(kSections); ++s) {
    text += std::string(kSections[s]) + "\r\n";
    AddLines(text, *lists[s]);
  }
  text += std::string(kLogSection) + "\r\n" + executor.History().undoLog.Text() + "\r\n";
  return text;
}

std::optional<TSavedGame> fnParseSavedGame(std::string_view text, std::string& error) {
  const std::vector<std::string_view> lines = fnSplitLines(text);
  const auto fail = [&](std::string why) {
    error = std::move(why);
    return std::nullopt;
  };
  if (lines.empty()) return fail("The file is empty.");
  const std::string_view header = lines[0];
  if (header.size() < kHeaderLength || !header.starts_with("[S-") || header[7] != ']')
    return fail("No saved game header.");
  TSavedGame saved;
  saved.version = header.substr(3, 4);
  const auto shape = fnSnapshotShape(saved.version);
  if (!shape) return fail("Saved game version " + saved.version + " is not supported.");
  const std::size_t stateLines = static_cast<std::size_t>(shape->Lines());
  if (lines.size() < kFirstStateLine + stateLines) return fail("The file is too short.");
  saved.gameCode = header.substr(8, 4);
  saved.appearance = header.substr(12, kAppearanceWidth);
  const auto elapsed = Number(header.substr(75, 6));
  const auto score = Number(header.substr(83, 6));
  const auto round = Number(header.substr(89, 6));
  if (!fnParseInteger(saved.gameCode) || !elapsed || !score || !round)
    return fail("The header holds no numbers where it should.");
  saved.elapsedSeconds = *elapsed;
  saved.scoreKind = header.substr(81, 2);
  saved.score = *score;
  saved.redealRound = *round;

  const std::string second = fnUpgradeSecondLine(lines[1], saved.version);
  const std::string_view secondView = second;
  saved.playerName = fnTrim(secondView.substr(0, 30));
  saved.gameNumber = fnTrim(secondView.substr(std::min<std::size_t>(second.size(), 50), 13));
  for (std::size_t i = 0; i < saved.baseRanks.size(); ++i) {
    const std::size_t at = 66 + i * 2;
    if (at + 2 <= second.size()) {
      if (const auto rank = fnParseInteger(secondView.substr(at, 2))) saved.baseRanks[i] = static_cast<int>(*rank);
    }
  }

  std::vector<std::string> table;
  for (std::size_t line = 0; line < stateLines; ++line) {
    const std::string_view state = lines[kFirstStateLine + line];
    if (!fnIsStateLine(state)) return fail("A pile of the table cannot be read.");
    table.emplace_back(state);
  }
  saved.table = fnUpgradeSnapshot(std::move(table), saved.version);

  // The undo sections: each heading switches the list the lines after it go to.
  std::array<std::vector<std::string>, std::size(kSections)> lists;
  int target = -1;
  bool logNext = false;
  std::string log;
  for (std::size_t at = kFirstStateLine + stateLines; at < lines.size(); ++at) {
    const std::string_view line = lines[at];
    if (logNext) {
      log = line;
      logNext = false;
      target = -1;
      continue;
    }
    if (line.starts_with(kLogSection)) {
      logNext = true;
      continue;
    }
    bool heading = false;
    for (std::size_t s = 0; s < std::size(kSections); ++s) {
      if (line.starts_with(kSections[s])) {
        target = static_cast<int>(s);
        heading = true;
      }
    }
    if (heading) continue;
    if (target < 0) {
      if (line.empty()) continue;
      return fail("A line stands outside the undo sections.");
    }
    if (!fnIsStateLine(line)) return fail("A pile of the undo history cannot be read.");
    lists[static_cast<std::size_t>(target)].emplace_back(line);
  }
  const std::array<int, std::size(kSections)> perSnapshot = {shape->stock, shape->foundations, shape->tableau,
                                                             shape->reserves};
  const std::size_t snapshots = lists[0].size() / static_cast<std::size_t>(shape->stock);
  for (std::size_t s = 0; s < lists.size(); ++s) {
    if (lists[s].size() != snapshots * static_cast<std::size_t>(perSnapshot[s])) {
      return fail("The undo history is incomplete.");
    }
  }
  if (!saved.undoLog.SetText(log) ||
      (!log.empty() && std::count(log.begin(), log.end(), ',') != static_cast<long>(snapshots))) {
    return fail("The undo log does not match the undo history.");
  }
  // A file without its log still undoes; each step just took back no counters.
  if (log.empty()) {
    for (std::size_t n = 0; n < snapshots; ++n) saved.undoLog.AppendEmpty();
  }
  for (std::size_t n = 0; n < snapshots; ++n) {
    std::vector<std::string> snapshot;
    for (std::size_t s = 0; s < lists.size(); ++s) {
      const std::size_t per = static_cast<std::size_t>(perSnapshot[s]);
      for (std::size_t k = 0; k < per; ++k) snapshot.push_back(std::move(lists[s][n * per + k]));
    }
    saved.undo.Push(fnUpgradeSnapshot(std::move(snapshot), saved.version));
  }
  return saved;
}

void fnApplySavedGame(TTablerunState& state, TMoveExecutor& executor, const TSavedGame& saved, TRestoreScope scope) {
  TConfigRecord& config = state.config;
  config.Write(cfg::kScoreKind, saved.scoreKind);
  config.Write(cfg::kScore, std::to_string(saved.score));
  state.mainGame.Set(entries::kRedealRound, static_cast<int16_t>(saved.redealRound));
  if (scope == TRestoreScope::LoadedGame) {
    if (saved.gameCode != config.Read(cfg::kGame)) state.mainGame.Set(entries::kSizeForced, 0);
    config.Write(cfg::kGame, saved.gameCode);
    std::size_t at = 0;
    for (const auto& [field, width] : kAppearance) {
      config.Write(field, saved.appearance.substr(at, static_cast<std::size_t>(width)));
      at += static_cast<std::size_t>(width);
    }
    config.Write(cfg::kPlayer, saved.playerName);
    config.Write(cfg::kGameNumber, saved.gameNumber);
    for (std::size_t i = 0; i < saved.baseRanks.size(); ++i) {
      if (saved.baseRanks[i])
        state.rules.Set(rule::kFoundationBase + static_cast<int>(i), static_cast<int16_t>(*saved.baseRanks[i]));
    }
    // The empty-pile rule '[' takes the rank below foundation 1's base, a King below an Ace.
    const int base = state.rules.Get(rule::kFoundationBase);
    for (int i = 0; i < 40 && base >= 1 && base <= 13; ++i) {
      if (state.rules.Get(rule::kTableauEmpty + i) == '[') {
        state.rules.Set(rule::kTableauEmpty + i, static_cast<int16_t>((base + 11) % 13 + 1));
      }
    }
  }
  fnRestoreSnapshot(state.table, state.cards, saved.table);
  TUndoHistory& history = executor.History();
  history.Clear();
  history.undo = saved.undo;
  history.undoLog = saved.undoLog;
  state.mainGame.Set(entries::kMoveCounter, history.undo.Empty() ? 0 : 2);
  executor.SetStockTurns(history.undoLog.Count(TEventKind::StockTurn));
  if (fnHasDrawFlag(state.rules.Get(rule::kFamily))) {
    state.mainGame.Set(entries::kFamilyScratch, history.undoLog.Count(TEventKind::Draw) > 0 ? 1 : 0);
  }
  state.screen.RequestRepaint();
}

bool fnSaveGameFile(TTablerunState& state, const TMoveExecutor& executor, const std::string& path, int elapsedSeconds) {
  return fnReplaceFile(state.fs, state.screen, path, fnSavedGameText(state, executor, elapsedSeconds));
}

std::optional<std::string> fnSaveHeldGame(TTablerunState& state, const TMoveExecutor& executor,
                                          const std::string& dataFolder, int elapsedSeconds) {
  for (int n = 1; n <= 99; ++n) {
    const std::string path = dataFolder + "Stat_e" + fnZeroFill(n, 2) + ".dat";
    if (state.fs.Exists(path)) continue;
    if (!fnSaveGameFile(state, executor, path, elapsedSeconds)) return std::nullopt;
    return path;
  }
  return std::nullopt;
}

bool fnInsertBookmark(TTablerunState& state, const TMoveExecutor& executor, const std::string& tempFolder,
                      int elapsedSeconds) {
  if (state.screen.ShowMessage(TMessageKind::Question, "Insert bookmark?", TMessageButtons::OkCancel) !=
      TMessageAnswer::Ok) {
    return false;
  }
  std::string path;
  if (!state.fs.CreateTemp(tempFolder, "~tb", path)) return false;
  if (!fnSaveGameFile(state, executor, path, elapsedSeconds)) {
    state.fs.Remove(path);
    return false;
  }
  fnDeleteBookmark(state);
  state.bookmarkFile = path;
  return true;
}

void fnDeleteBookmark(TTablerunState& state) {
  if (!state.bookmarkFile.empty() && state.fs.Exists(state.bookmarkFile)) state.fs.Remove(state.bookmarkFile);
  state.bookmarkFile.clear();
}

std::optional<int> fnGoToBookmark(TTablerunState& state, TMoveExecutor& executor) {
  const std::string& path = state.bookmarkFile;
  if (path.empty() || !state.fs.Exists(path)) return std::nullopt;
  if (state.screen.ShowMessage(TMessageKind::Question, "Go to bookmark?", TMessageButtons::OkCancel) !=
      TMessageAnswer::Ok) {
    return std::nullopt;
  }
  const auto text = fnReadWholeFile(state.fs, path);
  std::string error;
  const auto saved = text ? fnParseSavedGame(*text, error) : std::nullopt;
  // A bookmark is of the game on the table: it holds the cards the table holds.
  if (!saved || fnSavedDeckProblem(*saved, fnCardsOfSnapshot(fnTakeSnapshot(state.table, state.cards)))) {
    return std::nullopt;
  }
  fnApplySavedGame(state, executor, *saved, TRestoreScope::Bookmark);
  return saved->elapsedSeconds;
}

}  // namespace tablerun
