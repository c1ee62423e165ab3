#include "engine/legality/legal_moves.h"

#include "engine/legality/move_legality.h"

namespace tablerun {

namespace {

std::vector<TPileRef> PilesInUse(const TTableView& view, bool withWaste) {
  std::vector<TPileRef> piles;
  if (withWaste) piles.push_back(kMazzoVis);
  for (int f = 0; f < view.Foundations(); ++f) piles.push_back(fnDest(f));
  for (int p = 0; p < view.TableauPiles(); ++p) piles.push_back(fnFila(p));
  for (int r = 0; r < view.Reserves(); ++r) piles.push_back(fnAppogg(r));
  return piles;
}

// Only tableau piles and reserves give up cards below their top.
bool ReachesBelowTop(TPileRef pile) { return pile.group == TPileGroup::Fila || pile.group == TPileGroup::Appogg; }

}  // namespace

std::vector<TCardMove> fnLegalMoves(const TTable& table, const TGameRules& rules, const TCardStatusTable& cards,
                                    const TMoveContext& game) {
  const TTableView view(table, rules, cards);
  const std::vector<TPileRef> destinations = PilesInUse(view, false);
  std::vector<TCardMove> moves;
  for (const TPileRef from : PilesInUse(view, true)) {
    const int count = view.Count(from);
    const int lowest = ReachesBelowTop(from) ? 0 : count - 1;
    for (int position = count - 1; position >= lowest && position >= 0; --position) {
      const int card = view.CardAt(from, position);
      if (card == 0) continue;
      TMoveContext context = game;
      // A reserve hands out one card; a deeper tableau card takes the cards above it along.
      context.singleCard = position == count - 1 || from.group == TPileGroup::Appogg;
      context.draggedTopCard = view.Top(from);
      const TMoveLegality legality(table, rules, cards, context);
      if (!legality.CanLeave(card)) continue;
      for (const TPileRef to : destinations) {
        if (to != from && legality.CanPlace(card, to)) moves.push_back({from, position, card, context.singleCard, to});
      }
    }
  }
  return moves;
}

}  // namespace tablerun
