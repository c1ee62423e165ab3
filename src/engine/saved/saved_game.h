// Saved games (".gam") and the bookmark: the table, the undo history and a
// header of the game and its appearance, as lines of text. A file is read and
// checked whole before anything of the running game changes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/history/table_state_lines.h"
#include "engine/history/undo_history.h"

namespace tablerun {

class TTablerunState;
class TMoveExecutor;

struct TSavedGame {
  std::string version;   // as the file says; the table and history are today's shape
  std::string gameCode;  // four characters, as configuration position 62 holds it
  // Configuration positions 43, 28, 27, 128, 24 and 21, as written.
  std::string appearance;
  int elapsedSeconds = 0;
  std::string scoreKind;  // configuration position 120
  int score = 0;          // configuration position 122
  int redealRound = 1;
  std::string playerName;
  std::string gameNumber;
  // Rule slots 55–70; nothing for a pair that is no number.
  std::array<std::optional<int>, 16> baseRanks;
  TSnapshot table;
  TUndoStack undo;
  TEventLog undoLog;
};

// The file's text, lines ended by CR LF.
std::string fnSavedGameText(const TTablerunState& state, const TMoveExecutor& executor, int elapsedSeconds);
// Nothing, with the reason, when any part of the file is not as written above.
// Files of older versions come back with today's piles, the ones they lacked
// empty; newer versions are refused.
std::optional<TSavedGame> fnParseSavedGame(std::string_view text, std::string& error);

// What a saved game brings back. A loaded game replaces the game's identity
// (code, player, number, base ranks); a bookmark keeps them.
enum class TRestoreScope { LoadedGame, Bookmark };
// Sets the header values, the table, the undo history and the counters the
// log implies. Preparing the table as a new game does (layout, clock, game
// name) is the caller's part, before this for a loaded game.
void fnApplySavedGame(TTablerunState& state, TMoveExecutor& executor, const TSavedGame& saved, TRestoreScope scope);

// Writes through a safe rewrite; the player is told when it fails.
bool fnSaveGameFile(TTablerunState& state, const TMoveExecutor& executor, const std::string& path, int elapsedSeconds);

// A held game: the first free "Stat_e01.dat" … "Stat_e99.dat" in the data
// folder. The file's path; nothing when all are taken or the write failed.
std::optional<std::string> fnSaveHeldGame(TTablerunState& state, const TMoveExecutor& executor,
                                          const std::string& dataFolder, int elapsedSeconds);

// "Insert bookmark?": a fresh "~tb" file in `tempFolder` that replaces the
// game's earlier bookmark, whose file goes.
bool fnInsertBookmark(TTablerunState& state, const TMoveExecutor& executor, const std::string& tempFolder,
                      int elapsedSeconds);
// "Go to bookmark?": the bookmark's table and history in the current game.
// The elapsed seconds it held, for the clock; nothing when refused or unreadable.
std::optional<int> fnGoToBookmark(TTablerunState& state, TMoveExecutor& executor);
// The game ends: its bookmark file goes with it.
void fnDeleteBookmark(TTablerunState& state);

}  // namespace tablerun
