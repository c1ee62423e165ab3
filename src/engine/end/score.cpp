#include "engine/end/score.h"

#include <algorithm>

#include "config/text.h"
#include "engine/end/family_scores.h"
#include "engine/state/table_view.h"

namespace tablerun {
namespace {

// What the six characters of position 122 can hold.
constexpr int kLowestStored = -99999;
constexpr int kHighestStored = 999999;
// Families that keep their own score display.
constexpr int kOwnScoreFamilies[] = {9, 59};

}  // namespace

int fnStandardScore(const TTablerunState& state) {
  if (state.config.Read(cfg::kScoreKind) != "01") return 0;
  const TTableView view(state.table, state.rules, state.cards);
  const int cards = view.Rule(rule::kCards);
  int base = 0;
  switch (view.Rule(rule::kStrippedDeck)) {
    case 0: base = -cards; break;
    case 1: base = cards == 104 ? -64 : -32; break;
    case 2: base = -28; break;
    default: break;
  }
  int onFoundations = 0;
  for (int f = 0; f < fnPileGroupSize(TPileGroup::Dest); ++f) onFoundations += view.Count(fnDest(f));
  return base + 5 * view.Rule(rule::kScoreCredit) + 5 * view.Count(kMazzoWaste) - 5 * view.Rule(rule::kJokers) +
         5 * onFoundations;
}

int fnScore(const TTablerunState& state) {
  if (const auto own = fnFamilyScore(state)) return *own;
  return fnStandardScore(state);
}

int fnStoredScore(const TTablerunState& state) {
  return static_cast<int>(fnParseInteger(state.config.Read(cfg::kScore)).value_or(0));
}

void fnUpdateScore(TTablerunState& state) {
  const int family = state.rules.Get(rule::kFamily);
  if (std::find(std::begin(kOwnScoreFamilies), std::end(kOwnScoreFamilies), family) != std::end(kOwnScoreFamilies)) {
    return;
  }
  // A score the field cannot hold is kept at the field's limit rather than written as "*".
  const int score = std::clamp(fnScore(state), kLowestStored, kHighestStored);
  state.config.Write(cfg::kScore, std::to_string(score));
  state.screen.ShowScore(score);
}

}  // namespace tablerun
