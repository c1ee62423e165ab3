#include "tool/table_print.h"

#include <cstdio>

#include "engine/history/table_state_lines.h"
#include "engine/state/table_view.h"
#include "tool/tool_game.h"

namespace tablerun {
namespace {

void fnPrintPile(const TTablerunState& state, TPileRef pile) {
  std::printf("%s: %s\n", fnToolPileName(pile).c_str(), fnStateLine(state.table, state.cards, pile).c_str());
}

}  // namespace

void fnPrintTable(const TTablerunState& state) {
  const TTableView view(state.table, state.rules, state.cards);
  for (const TPileRef pile : {kMazzo, kMazzoVis, kMazzoWaste}) {
    if (view.Uses(pile) || !view.IsEmpty(pile)) fnPrintPile(state, pile);
  }
  for (int f = 0; f < view.Foundations(); ++f) fnPrintPile(state, fnDest(f));
  for (int p = 0; p < view.TableauPiles(); ++p) fnPrintPile(state, fnFila(p));
  for (int r = 0; r < view.Reserves(); ++r) fnPrintPile(state, fnAppogg(r));
}

}  // namespace tablerun
