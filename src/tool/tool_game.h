// A game of the built-in list dealt exactly as the program deals it, for the
// tool's commands that look at a new table.
#pragma once

#include <string>

#include "config/file_system.h"
#include "engine/state/tablerun_state.h"
#include "model/pile_names.h"
#include "tool/console_screen.h"

namespace tablerun {

class TToolGame {
 public:
  TToolGame() = default;
  TToolGame(const TToolGame&) = delete;
  TToolGame& operator=(const TToolGame&) = delete;

  // Reads the arguments "CODE NUMBER [GAMES.DAT]" and deals. Returns the
  // command's exit status: 0 dealt, 2 a usage error, 1 any other failure.
  int Deal(int argc, char** argv, const char* usage);

  TTablerunState& State() { return state_; }

 private:
  TPosixFileSystem fs_;
  TConsoleScreen screen_;
  TTablerunState state_{fs_, screen_};
};

// "Fila07", "Dest01", "Appogg12"; the stock group by its own names.
std::string fnToolPileName(TPileRef pile);

}  // namespace tablerun
