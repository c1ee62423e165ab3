#include "engine/deal/game_setup.h"

#include "config/text.h"
#include "engine/deal/card_size_fit.h"
#include "model/rule_record.h"

namespace tablerun {
namespace {}  // namespace

TGameCommands fnGameCommands(const TGameRules& rules) {
  return {.autoplay = rules.Get(rule::kAutoplayAvailable) != 0,
          .tutor = rules.Get(rule::kTutorAvailable) == 1,
          .undoAndSave = rules.Get(rule::kNoUndo) != 1};
}

void fnLayOutGame(TTablerunState& state, TLayoutMetrics metrics) {
  const std::string size = state.config.Read(cfg::kCardSize);
  metrics.cardSize = size.size() == 1 && TLayoutMetrics::IsCardSize(size[0]) ? size[0] : 'B';
  fnLayoutTable(state.rules, metrics, state.mainGame);
}

TSetupResult fnSetUpGame(TTablerunState& state, TLayoutMetrics metrics) {
  TSetupResult result;
  const auto code = fnParseInteger(state.config.Read(cfg::kGame));
  std::string error;
  state.rules.Clear();
  if (!fnLoadRuleRecord(state.rules, state.mainGame.Catalogue(), state.customGames, static_cast<int>(code.value_or(-1)),
                        error)) {
    state.rules.Clear();
    state.screen.ShowMessage(TMessageKind::Error, error);
    return result;
  }
  result.loaded = true;
  state.mainGame.Set(entries::kSetUp, -1);

  const std::string sizeBefore = state.config.Read(cfg::kCardSize);
  result.enableCustomize = fnFitCardSize(state, metrics.screenWidth);
  if (state.config.Read(cfg::kCardSize) != sizeBefore ||
      state.mainGame.Get(entries::kSuitImages) != state.rules.Get(rule::kSuitImages)) {
    result.reloadCardImages = true;
    state.mainGame.Set(entries::kSuitImages, state.rules.Get(rule::kSuitImages));
  }

  state.mainGame.ResetPositions();
  result.commands = fnGameCommands(state.rules);
  fnLayOutGame(state, metrics);
  return result;
}

}  // namespace tablerun
