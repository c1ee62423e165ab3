#include "engine/appearance/deal_flights.h"

#include <algorithm>
#include <iterator>

#include "model/rule_slots.h"

namespace tablerun {
namespace {

// The families whose deck stands off the table, left of it.
constexpr int kDeckLeftOfTableFamilies[] = {46, 74};

}  // namespace

std::vector<TDealtCard> fnDealOrder(const TTableView& view) {
  std::vector<TDealtCard> order;
  for (int i = 0; i < view.Reserves(); ++i) {
    for (int k = 0; k < view.Count(fnAppogg(i)); ++k) order.push_back({fnAppogg(i), k});
  }
  if (view.Rule(rule::kPileDealAndMaxScore) != 0) {
    for (int i = 0; i < view.TableauPiles(); ++i) {
      for (int k = 0; k < view.Count(fnFila(i)); ++k) order.push_back({fnFila(i), k});
    }
    return order;
  }
  int highest = 0;
  for (int i = 0; i < view.TableauPiles(); ++i) highest = std::max(highest, view.Count(fnFila(i)));
  for (int k = 0; k < highest; ++k) {
    for (int i = 0; i < view.TableauPiles(); ++i) {
      if (k < view.Count(fnFila(i))) order.push_back({fnFila(i), k});
    }
  }
  return order;
}

TPoint fnDealOrigin(const TPileGeometry& geometry) {
  const TTableView& view = geometry.View();
  const auto home = [&](TPileRef pile) {
    const TRect rect = geometry.CardRect(pile, 0);
    return TPoint{rect.left, rect.top};
  };
  if (geometry.OnTable(kMazzo) && !(view.IsEmpty(kMazzo) && !view.IsEmpty(kMazzoVis))) return home(kMazzo);
  if (geometry.OnTable(kMazzoVis)) return home(kMazzoVis);
  if (geometry.OnTable(fnAppogg(0)) && view.Count(fnAppogg(0)) <= 1) return home(fnAppogg(0));
  if (geometry.OnTable(kMazzoWaste)) return home(kMazzoWaste);
  if (geometry.OnTable(fnDest(0))) return home(fnDest(0));
  if (std::ranges::find(kDeckLeftOfTableFamilies, view.Rule(rule::kFamily)) != std::end(kDeckLeftOfTableFamilies))
    return {-static_cast<int>(1.1 * geometry.CardWidth()), 0};
  return home(fnFila(0));
}

}  // namespace tablerun
