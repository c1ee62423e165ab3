#include "records/players.h"

#include <algorithm>

#include "config/text.h"
#include "records/player_names.h"
#include "records/statistics_operations.h"

namespace tablerun {
namespace {

constexpr const char* kUsers = "Users";
constexpr const char* kPreference = "Preference";
constexpr const char* kTwoPlayers1 = "Two_Players_Mode_Player_1";
constexpr const char* kTwoPlayers2 = "Two_Players_Mode_Player_2";
constexpr const char* kSameGameNumber = "Two_Players_Mode_Same_Game_Num";
constexpr const char* kShowSituation = "Two_Players_Mode_Show_Situation";
constexpr const char* kConfirmNewGame = "Two_Players_Mode_Confirm_New_Game";

std::string fnUserKey(std::size_t number) { return "User" + fnZeroFill(static_cast<std::int64_t>(number), 3); }

bool fnUsable(const std::string& name) { return fnCheckPlayerName(name) == TNameProblem::None; }

// Players look for their names alphabetically, whatever the case.
void fnSortNames(std::vector<std::string>& names) {
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string foldedA = fnLowerCase(a), foldedB = fnLowerCase(b);
    return foldedA != foldedB ? foldedA < foldedB : a < b;
  });
}

}  // namespace

std::vector<std::string> fnReadPlayers(const TIniFile& store) {
  std::vector<std::string> players;
  for (std::size_t number = 1; number <= kMaxPlayers; ++number) {
    std::string name = store.ReadString(kUsers, fnUserKey(number), "");
    if (!name.empty()) players.push_back(std::move(name));
  }
  return players;
}

std::vector<std::string> fnSortedPlayers(const TIniFile& store) {
  std::vector<std::string> players = fnReadPlayers(store);
  std::erase_if(players, [](const std::string& name) { return !fnUsable(name); });
  fnSortNames(players);
  return players;
}

std::optional<std::size_t> TPlayersList::IndexOf(const std::string& name) const {
  const auto found = std::find(names_.begin(), names_.end(), name);
  if (found == names_.end()) return std::nullopt;
  return static_cast<std::size_t>(found - names_.begin());
}

std::string TPlayersList::AddRefusal() const {
  // Only twenty keys are stored: a 21st name would be lost when the dialog closes.
  return names_.size() >= kMaxPlayers ? "There can be at most 20 players." : "";
}

std::string TPlayersList::NameRefusal(const std::string& name, std::optional<std::size_t> renamed) const {
  if (const TNameProblem problem = fnCheckPlayerName(name); problem != TNameProblem::None)
    return fnNameProblemMessage(problem);
  const auto existing = IndexOf(name);
  if (existing && existing != renamed) return "This player name already exists.";
  return {};
}

std::optional<TPlayersList::TBadName> TPlayersList::FirstBadName() const {
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (const TNameProblem problem = fnCheckPlayerName(names_[i]); problem != TNameProblem::None)
      return TBadName{i, fnNameProblemMessage(problem) + "\r" + "Please rename the Player name:  " + names_[i]};
  }
  return std::nullopt;
}

void TPlayersList::Add(const std::string& name) {
  if (IndexOf(name)) return;
  names_.push_back(name);
  changed_ = true;
}

void TPlayersList::Rename(std::size_t index, const std::string& name) {
  names_.at(index) = name;
  fnSortNames(names_);
  changed_ = true;
}

void TPlayersList::Remove(std::size_t index) {
  names_.erase(names_.begin() + static_cast<std::ptrdiff_t>(index));
  changed_ = true;
}

std::string fnCurrentPlayer(const TTablerunState& state) { return state.config.Read(cfg::kPlayer); }

std::string fnDeleteRefusal(const TTablerunState& state, const std::string& selected) {
  return selected == fnCurrentPlayer(state) ? "It is impossible to delete the selected player." : "";
}

std::string fnKeepUsablePlayer(TTablerunState& state, const std::string& fallback) {
  const std::string name = fnCurrentPlayer(state);
  const TNameProblem problem = fnCheckPlayerName(name);
  if (problem == TNameProblem::None) return {};
  state.config.Write(cfg::kPlayer, fallback);
  // A file that names no player at all (one the tool saved) is simply the loader's.
  if (name.empty()) return {};
  return "The player name \"" + name + "\" cannot be used.\r" + fnNameProblemMessage(problem) + "\r" +
         "The games are played for " + fallback + ".";
}

void fnStorePlayers(TTablerunState& state, const TPlayersList& list) {
  if (!state.store) return;
  TIniFile::TDeferredWrites once(*state.store);
  if (list.Changed()) {
    const auto& names = list.Names();
    for (std::size_t number = 1; number <= kMaxPlayers; ++number)
      state.store->WriteString(kUsers, fnUserKey(number), number <= names.size() ? names[number - 1] : "");
  }
  state.store->WriteString(kPreference, "UserDefault", fnCurrentPlayer(state));
}

TLeaving fnSelectPlayer(TPlaySession& session, const std::string& name) {
  const TLeaving leaving = fnLeaveGame(session, std::string("Start a new game for player") + " " + name + "?");
  if (leaving == TLeaving::Stayed) return leaving;
  fnResetSessionCounters(session.state.config);
  session.state.config.Write(cfg::kPlayer, name);
  return leaving;
}

void fnDeletePlayer(TTablerunState& state, TPlayersList& list, std::size_t index) {
  fnClearStatistics(state, std::nullopt, list.Names().at(index));
  list.Remove(index);
}

bool fnRenamePlayerEverywhere(TTablerunState& state, TPlayersList& list, std::size_t index, const std::string& name,
                              const std::function<void(int linesDone)>& progress) {
  const std::string old = list.Names().at(index);
  list.Rename(index, name);
  const bool replaced = fnRenamePlayer(state, old, name, progress);
  if (fnCurrentPlayer(state) == old) state.config.Write(cfg::kPlayer, name);
  // Two-players mode would otherwise bring the old name back at its turn.
  for (const char* key : {kTwoPlayers1, kTwoPlayers2}) {
    if (state.store && state.store->ReadString(kPreference, key, "") == old)
      state.store->WriteString(kPreference, key, name);
  }
  return replaced;
}

TTwoPlayersSettings fnReadTwoPlayersSettings(const TIniFile& store) {
  return {.player1 = store.ReadString(kPreference, kTwoPlayers1, ""),
          .player2 = store.ReadString(kPreference, kTwoPlayers2, ""),
          .sameGameNumber = store.ReadString(kPreference, kSameGameNumber, "N") == "Y",
          .showSituation = store.ReadString(kPreference, kShowSituation, "Y") != "N",
          .confirmNewGame = store.ReadString(kPreference, kConfirmNewGame, "Y") != "N"};
}

bool fnTwoPlayersModeOn(const TTablerunState& state) { return state.mainGame.Get(entries::kTwoPlayersTurn) > 0; }

void fnStartTwoPlayersMode(TTablerunState& state, const TTwoPlayersSettings& settings) {
  if (state.store) {
    const auto flag = [](bool on) { return on ? "Y" : "N"; };
    TIniFile::TDeferredWrites once(*state.store);
    state.store->WriteString(kPreference, kTwoPlayers1, settings.player1);
    state.store->WriteString(kPreference, kTwoPlayers2, settings.player2);
    state.store->WriteString(kPreference, kSameGameNumber, flag(settings.sameGameNumber));
    state.store->WriteString(kPreference, kShowSituation, flag(settings.showSituation));
    state.store->WriteString(kPreference, kConfirmNewGame, flag(settings.confirmNewGame));
  }
  state.mainGame.Set(entries::kTwoPlayersTurn, 1);
}

void fnQuitTwoPlayersMode(TTablerunState& state) { state.mainGame.Set(entries::kTwoPlayersTurn, 0); }

std::string fnChangeTurn(TTablerunState& state) {
  const int turn = state.mainGame.Get(entries::kTwoPlayersTurn);
  if (turn <= 0 || !state.store) return {};
  state.mainGame.Set(entries::kTwoPlayersTurn, static_cast<int16_t>(turn == 1 ? 2 : 1));
  const std::string name = state.store->ReadString(kPreference, turn == 1 ? kTwoPlayers1 : kTwoPlayers2, "");
  // A hand-edited name that cannot be used leaves the current player at the table.
  if (!fnUsable(name)) return {};
  state.config.Write(cfg::kPlayer, name);
  return "Now play: " + name;
}

}  // namespace tablerun
