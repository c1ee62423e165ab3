// The players: the list kept in the preferences, the current player, what the
// players dialog decides and whose turn it is in two-players mode.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "config/ini_file.h"
#include "engine/session/play_commands.h"
#include "engine/state/tablerun_state.h"

namespace tablerun {

inline constexpr std::size_t kMaxPlayers = 20;

// The names of "User001" … "User020" in key order, unused keys left out.
std::vector<std::string> fnReadPlayers(const TIniFile& store);
// The names for the player boxes: sorted, without the ones that cannot be used.
std::vector<std::string> fnSortedPlayers(const TIniFile& store);

// The list as the players dialog changes it. Names are checked before they
// join; names read from the preferences may still be bad until renamed.
class TPlayersList {
 public:
  explicit TPlayersList(std::vector<std::string> names) : names_(std::move(names)) {}

  const std::vector<std::string>& Names() const { return names_; }
  std::optional<std::size_t> IndexOf(const std::string& name) const;
  bool Changed() const { return changed_; }

  // Empty when another player may be added; else what the player is told.
  std::string AddRefusal() const;
  // Empty when `name` may be added, or be the new name of entry `renamed`.
  std::string NameRefusal(const std::string& name, std::optional<std::size_t> renamed = std::nullopt) const;
  // The first entry whose name cannot be used, with the message that asks for its rename.
  struct TBadName {
    std::size_t index;
    std::string message;
  };
  std::optional<TBadName> FirstBadName() const;

  // Appended unless the name is there already.
  void Add(const std::string& name);
  // The list is sorted afterwards.
  void Rename(std::size_t index, const std::string& name);
  void Remove(std::size_t index);

 private:
  std::vector<std::string> names_;
  bool changed_ = false;
};

// The current player, configuration position 77.
std::string fnCurrentPlayer(const TTablerunState& state);
// "It is impossible to delete the selected player." for the current player; else empty.
std::string fnDeleteRefusal(const TTablerunState& state, const std::string& selected);

// A current player's name that came from a file (the preferences, a saved
// game) and cannot be used gives way to `fallback`. What the player is to be
// told of it; empty when the name stayed or the file named nobody.
std::string fnKeepUsablePlayer(TTablerunState& state, const std::string& fallback);

// The dialog closes: the twenty "User" keys when the list changed (unused
// ones empty), and "UserDefault" with the current player.
void fnStorePlayers(TTablerunState& state, const TPlayersList& list);

// Another player was chosen: the question "Start a new game for player …?"
// through the leave-the-game confirmation; accepted, the game in progress is
// ended for the old player, the session counters start again and `name` is
// the current player. Nothing changes when the player stays.
TLeaving fnSelectPlayer(TPlaySession& session, const std::string& name);

// The player's statistics go with the name.
void fnDeletePlayer(TTablerunState& state, TPlayersList& list, std::size_t index);
// The name changes in the list, in every statistics file, in the names of
// two-players mode and, when it was the current player, at position 77.
// False when a file could not be replaced (the player has been told).
bool fnRenamePlayerEverywhere(TTablerunState& state, TPlayersList& list, std::size_t index, const std::string& name,
                              const std::function<void(int linesDone)>& progress);

// Two-players mode: the preferences of its dialog.
struct TTwoPlayersSettings {
  std::string player1;
  std::string player2;
  bool sameGameNumber = false;
  bool showSituation = true;
  bool confirmNewGame = true;
};
TTwoPlayersSettings fnReadTwoPlayersSettings(const TIniFile& store);

bool fnTwoPlayersModeOn(const TTablerunState& state);
// "Play": the settings are stored and player 1 plays the next game.
void fnStartTwoPlayersMode(TTablerunState& state, const TTwoPlayersSettings& settings);
void fnQuitTwoPlayersMode(TTablerunState& state);
// Before every new deal while the mode is on: whose turn it is becomes the
// current player and the turn passes on. The text to show ("Now play: " and
// the name); empty when no usable name is stored for this turn.
std::string fnChangeTurn(TTablerunState& state);

}  // namespace tablerun
