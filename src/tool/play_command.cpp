#include "tool/play_command.h"

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "engine/end/score.h"
#include "engine/saved/saved_game.h"
#include "engine/session/play_session.h"
#include "engine/session/pointer_script.h"
#include "engine/state/clock.h"
#include "tool/table_print.h"
#include "tool/tool_game.h"

namespace tablerun {
namespace {

constexpr const char* kUsage = "usage: tablerun-tool play CODE NUMBER [GAMES.DAT] [--save FILE] < SCRIPT\n";

}  // namespace

int fnPlayCommand(int argc, char** argv) {
  std::vector<char*> arguments(argv, argv + argc);
  std::string savePath;
  if (argc >= 2 && std::string(argv[argc - 2]) == "--save") {
    savePath = argv[argc - 1];
    arguments.resize(arguments.size() - 2);
  }
  TToolGame game;
  if (const int status = game.Deal(static_cast<int>(arguments.size()), arguments.data(), kUsage); status != 0)
    return status;
  TTablerunState& state = game.State();
  // The standard score, as start-up sets it.
  state.config.Write(cfg::kScoreKind, "01");
  const TSystemClock clock;
  TPlaySession session(state, clock);
  std::optional<TGameResult> result;
  session.endOfGame.SetResultRecorder([&result](const TGameResult& ended) { result = ended; });
  session.BeginGame();

  int moves = 0;
  std::string line;
  for (int number = 1; std::getline(std::cin, line); ++number) {
    const TScriptStep step = fnPlayScriptLine(session, line);
    if (!step.understood) {
      std::fprintf(stderr, "line %d: %s\n", number, step.error.c_str());
      return 1;
    }
    if (line.empty() || line.starts_with("#")) continue;
    moves += step.changed ? 1 : 0;
    std::printf("> %s\n", line.c_str());
    fnPrintTable(state);
  }
  const int score = fnStoredScore(state);
  if (!savePath.empty() && !fnSaveGameFile(state, session.executor, savePath, session.clock.RecordedSeconds()))
    return 1;
  // A game the script left unfinished ends as lost.
  session.endOfGame.EndGame();
  std::printf("Score: %d\nMoves: %d\nGame %s\n", score, moves, result && result->won ? "won" : "lost");
  return 0;
}

}  // namespace tablerun
