#include "tool/tool_game.h"

#include <cstdint>
#include <cstdio>

#include "config/text.h"
#include "engine/deal/game_number.h"
#include "engine/deal/game_start.h"
#include "tool/games_commands.h"

namespace tablerun {

int TToolGame::Deal(int argc, char** argv, const char* usage) {
  const std::int64_t code = argc == 3 || argc == 4 ? fnParseInteger(argv[1]).value_or(-1) : -1;
  const std::string number = argc >= 3 ? argv[2] : "";
  if (code < 0 || code > 32767 || number.empty() || number.size() > 13 ||
      number.find_first_not_of("0123456789") != std::string::npos) {
    std::fputs(usage, stderr);
    return 2;
  }
  state_.customGames.SetDataFolder("/nonexistent/");  // the tool knows only built-in games
  if (!fnLoadGamesList(argc == 4 ? argv[3] : fnDefaultGamesFile(), state_.mainGame.Catalogue())) return 1;
  const int game = static_cast<int>(code);
  if (state_.mainGame.Catalogue().Index(game) < 0) {
    std::fprintf(stderr, "Game %d is not in the games list.\n", game);
    return 1;
  }
  state_.config.Write(cfg::kGame, fnZeroFill(game, 4));
  state_.config.Write(cfg::kGameName, state_.mainGame.Catalogue().NameOf(game, state_.customGames));
  state_.config.Write(cfg::kGameNumber, number);
  const TGameStart start{.deal = true, .animate = false, .numberMode = 0, .quiet = true};
  if (!fnStartGame(state_, start, fnMaximisedWindowMetrics(1024, 768, 'B', 9)).started) {
    std::fputs("no game was dealt\n", stderr);
    return 1;
  }
  return 0;
}

std::string fnToolPileName(TPileRef pile) {
  const std::string plain = fnPileName(pile);
  if (pile.group == TPileGroup::Mazzo) return plain;
  return plain.substr(0, plain.find_first_of("0123456789")) + fnZeroFill(pile.entry + 1, 2);
}

}  // namespace tablerun
