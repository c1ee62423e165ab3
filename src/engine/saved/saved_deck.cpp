#include "engine/saved/saved_deck.h"

#include "engine/deal/initial_deal.h"
#include "engine/state/silent_screen.h"
#include "model/rule_record.h"

namespace tablerun {

std::optional<std::vector<int>> fnDealtCards(const TTablerunState& state, int gameCode, const std::string& gameNumber) {
  TSilentScreen silent;
  TTablerunState scratch(state.fs, silent);
  std::string error;
  if (!fnLoadRuleRecord(scratch.rules, state.mainGame.Catalogue(), state.customGames, gameCode, error)) {
    return std::nullopt;
  }
  scratch.config.Write(cfg::kGameNumber, gameNumber);
  if (!fnInitialDeal(scratch)) return std::nullopt;
  return fnCardsOfSnapshot(fnTakeSnapshot(scratch.table, scratch.cards));
}

std::optional<std::string> fnSavedDeckProblem(const TSavedGame& saved, const std::vector<int>& dealt) {
  // Holes stand between cards: no pile has more positions than twice the deck.
  const int longest = 2 * static_cast<int>(dealt.size());
  const auto problem = [&](const TSnapshot& snapshot) -> std::optional<std::string> {
    if (fnLongestLine(snapshot) > longest) return "A pile is longer than the game's whole deck.";
    if (fnCardsOfSnapshot(snapshot) != dealt) return "The cards are not the game's deck, each card once.";
    return std::nullopt;
  };
  if (auto found = problem(saved.table)) return found;
  TUndoStack undo = saved.undo;
  while (!undo.Empty()) {
    if (auto found = problem(undo.Pop())) return "In the undo history: " + *found;
  }
  return std::nullopt;
}

std::optional<std::string> fnCheckSavedDeck(const TTablerunState& state, const TSavedGame& saved, int gameCode,
                                            const std::string& gameNumber) {
  const auto dealt = fnDealtCards(state, gameCode, gameNumber);
  if (!dealt) return "The game cannot be dealt.";
  return fnSavedDeckProblem(saved, *dealt);
}

}  // namespace tablerun
