#include "engine/session/soak.h"

#include <algorithm>
#include <random>

#include "config/file_system.h"
#include "config/preferences.h"
#include "config/text.h"
#include "engine/deal/game_number.h"
#include "engine/deal/game_start.h"
#include "engine/executor/executor.h"
#include "engine/legality/legal_moves.h"
#include "engine/saved/saved_deck.h"
#include "engine/saved/saved_game.h"
#include "engine/state/silent_screen.h"
#include "engine/state/tablerun_state.h"
#include "model/card.h"
#include "model/main_game_entries.h"
#include "model/rule_slots.h"

namespace tablerun {
namespace {

constexpr std::uint64_t kGameNumbers = 10'000'000'000'000;  // thirteen digits
// One action in this many is a press on the stock, whatever else is legal.
constexpr std::uint64_t kPressOdds = 4;

// What one step of play leaves: the table and the counters beside it.
struct TPlayedState {
  TSnapshot table;
  int redealRound = 0;
  int stockTurns = 0;
  bool operator==(const TPlayedState&) const = default;
};

// The first card lost or doubled against the deck as dealt, as text.
std::string CardsProblem(const std::vector<int>& dealt, const std::vector<int>& now) {
  if (dealt == now) return "";
  std::vector<int> lost;
  std::vector<int> extra;
  std::set_difference(dealt.begin(), dealt.end(), now.begin(), now.end(), std::back_inserter(lost));
  std::set_difference(now.begin(), now.end(), dealt.begin(), dealt.end(), std::back_inserter(extra));
  if (!lost.empty()) return "card " + fnCardText(lost.front()) + " left the table";
  return "card " + fnCardText(extra.front()) + " lies twice";
}

class TSoakDeal {
 public:
  TSoakDeal(TTablerunState& state, TMoveExecutor& executor, std::mt19937_64& random)
      : state_(state), executor_(executor), random_(random) {}

  // Empty when the deal played through; else what failed.
  std::string Play(int moves, int& played) {
    dealt_ = fnCardsOfSnapshot(Now().table);
    steps_ = {Now()};
    for (played = 0; played < moves; ++played) {
      const auto acted = Act();
      if (!acted) break;
      if (!acted->empty()) return "step " + std::to_string(played + 1) + ": " + *acted;
    }
    if (auto problem = SaveAndLoad(); !problem.empty()) return "save and load: " + problem;
    return UndoAndRedoAll();
  }

 private:
  TPlayedState Now() const {
    return {fnTakeSnapshot(state_.table, state_.cards), state_.mainGame.Get(entries::kRedealRound),
            executor_.StockTurns()};
  }

  // One action of the player: nothing when none is left, an empty text when
  // it went well.
  std::optional<std::string> Act() {
    const std::vector<TCardMove> moves =
        fnLegalMoves(state_.table, state_.rules, state_.cards, executor_.MoveContext(true));
    const TPlayedState before = Now();
    bool changed = false;
    if (moves.empty() || random_() % kPressOdds == 0) {
      changed = PressStock();
      if (!changed && moves.empty()) return std::nullopt;
    } else {
      const TCardMove& move = moves[random_() % moves.size()];
      changed = executor_.ExecuteMove(move.card, TPileMove{move.to});
      if (!changed) return "the legal move " + fnCardText(move.card) + " to " + fnPileName(move.to) + " was refused";
    }
    const TPlayedState after = Now();
    if (!changed) {
      if (after != before) return std::string("a stock press changed the table but reported nothing");
      return std::string();
    }
    if (auto problem = CardsProblem(dealt_, fnCardsOfSnapshot(after.table)); !problem.empty()) return problem;
    steps_.push_back(after);
    if (executor_.History().undo.Size() != static_cast<int>(steps_.size()) - 1) {
      return "the action left " +
             std::to_string(executor_.History().undo.Size() - static_cast<int>(steps_.size()) + 2) +
             " undo steps instead of one";
    }
    return std::string();
  }

  // A redeal takes a press and a release; both are the same call here.
  bool PressStock() {
    if (executor_.PressStock()) return true;
    return state_.mainGame.Get(entries::kStockPressed) != 0 && executor_.PressStock();
  }

  std::string SaveAndLoad() {
    const TUndoHistory history = executor_.History();
    const TPlayedState before = Now();
    std::string error;
    const auto saved = fnParseSavedGame(fnSavedGameText(state_, executor_, 0), error);
    if (!saved) return error;
    const int code = static_cast<int>(fnParseInteger(saved->gameCode).value_or(-1));
    if (const auto problem = fnCheckSavedDeck(state_, *saved, code, saved->gameNumber)) return *problem;
    fnApplySavedGame(state_, executor_, *saved, TRestoreScope::LoadedGame);
    const TUndoHistory& loaded = executor_.History();
    if (Now() != before) return "the table or its counters differ";
    if (loaded.undo.StockLines() != history.undo.StockLines() ||
        loaded.undo.FoundationLines() != history.undo.FoundationLines() ||
        loaded.undo.TableauLines() != history.undo.TableauLines() ||
        loaded.undo.ReserveLines() != history.undo.ReserveLines() || loaded.undoLog.Text() != history.undoLog.Text()) {
      return "the undo history differs";
    }
    return "";
  }

  std::string UndoAndRedoAll() {
    for (std::size_t step = steps_.size() - 1; step > 0; --step) {
      if (!executor_.UndoMove()) return "undo refused with " + std::to_string(step) + " steps left";
      if (Now() != steps_[step - 1]) return "undo to step " + std::to_string(step - 1) + " differs";
    }
    if (!executor_.History().undo.Empty()) return "undo history left after the dealt table";
    for (std::size_t step = 1; step < steps_.size(); ++step) {
      if (!executor_.RedoMove()) return "redo refused at step " + std::to_string(step);
      if (Now() != steps_[step]) return "redo to step " + std::to_string(step) + " differs";
    }
    return "";
  }

  TTablerunState& state_;
  TMoveExecutor& executor_;
  std::mt19937_64& random_;
  std::vector<int> dealt_;
  std::vector<TPlayedState> steps_;
};

}  // namespace

TSoakReport fnSoakGame(const TCatalogue& catalogue, int code, const TSoakOptions& options) {
  TPosixFileSystem fs;
  TSilentScreen screen;
  TTablerunState state(fs, screen);
  state.customGames.SetDataFolder("/nonexistent/");  // built-in games only
  state.mainGame.Catalogue() = catalogue;
  state.config.Write(cfg::kGame, fnZeroFill(code, 4));
  state.config.Write(cfg::kGameName, catalogue.NameOf(code, state.customGames));
  state.config.Write(cfg::kUndoEnabled, "0");
  TMoveExecutor executor(state);
  std::mt19937_64 random(options.seed * 1000 + static_cast<std::uint64_t>(code));
  const TLayoutMetrics metrics = fnMaximisedWindowMetrics(1024, 768, 'B', 9);

  TSoakReport report;
  for (int deal = 0; deal < options.deals; ++deal) {
    const std::string number = std::to_string(random() % kGameNumbers);
    state.config.Write(cfg::kGameNumber, number);
    state.runtime.SetFlag(TRuntimeFlag::GameInProgress, false);
    const TGameStart start{.deal = true, .animate = false, .numberMode = 0, .quiet = true};
    if (!fnStartGame(state, start, metrics).started) {
      report.failures.push_back("number " + number + ": no game was dealt");
      continue;
    }
    executor.StartGame();
    // Every other deal without Autoplay, so that the executor turns cards up itself.
    executor.SetAutoplay(state.rules.Get(rule::kAutoplayAvailable) != 0 && deal % 2 == 0);
    state.runtime.SetFlag(TRuntimeFlag::GameInProgress, true);
    state.mainGame.Set(entries::kDealShown, 1);
    executor.RunOpeningMoves();

    int played = 0;
    const std::string problem = TSoakDeal(state, executor, random).Play(options.moves, played);
    ++report.deals;
    report.moves += played;
    if (!problem.empty()) report.failures.push_back("number " + number + ", " + problem);
  }
  return report;
}

}  // namespace tablerun
