#include "engine/pointer/hit_test.h"

#include <algorithm>

#include "model/rule_slots.h"

namespace tablerun {
namespace {

constexpr int kMaxCandidates = 4;
constexpr int kReversedTableauFan = 4;

// A tableau pile or reserve: the card seen at the point.
std::optional<THit> fnHitFanned(const TPileGeometry& geometry, TPileRef pile, int x, int y, bool forDrop) {
  const TTableView& view = geometry.View();
  if (view.IsEmpty(pile)) {
    if (forDrop && geometry.CardRect(pile, 0).Contains(x, y)) return THit{0, pile, -1, geometry.CardRect(pile, 0)};
    return std::nullopt;
  }
  const int position = geometry.PositionAt(pile, x, y);
  if (position < 0) return std::nullopt;
  return THit{view.CardAt(pile, position), pile, position, geometry.CardRect(pile, position)};
}

// The stock group and the foundations answer with their top card.
std::optional<THit> fnHitTopCard(const TPileGeometry& geometry, TPileRef pile, int x, int y) {
  if (!geometry.PileRect(pile).Contains(x, y)) return std::nullopt;
  const TTableView& view = geometry.View();
  const int top = std::max(view.Count(pile) - 1, 0);
  return THit{view.Top(pile), pile, view.IsEmpty(pile) ? -1 : top, geometry.CardRect(pile, top)};
}

int fnKindOrder(TPileGroup group) {
  switch (group) {
    case TPileGroup::Mazzo: return kKindMazzoVis;
    case TPileGroup::Fila: return kKindFila;
    case TPileGroup::Dest: return kKindDest;
    case TPileGroup::Appogg: return kKindAppogg;
  }
  return kKindNone;
}

}  // namespace

THit fnHitTest(const TPileGeometry& geometry, int x, int y, bool forDrop) {
  const TTableView& view = geometry.View();
  for (const TPileRef pile : {kMazzo, kMazzoVis, kMazzoWaste}) {
    if (!geometry.OnTable(pile)) continue;
    if (const auto hit = fnHitTopCard(geometry, pile, x, y)) return *hit;
  }
  const int piles = view.TableauPiles();
  const bool reversed = view.Rule(rule::kTableauArrangement) == kReversedTableauFan;
  for (int i = 0; i < piles; ++i) {
    const TPileRef pile = fnFila(reversed ? piles - 1 - i : i);
    if (!geometry.OnTable(pile)) continue;
    if (const auto hit = fnHitFanned(geometry, pile, x, y, forDrop)) return *hit;
  }
  for (int f = 0; f < view.Foundations(); ++f) {
    if (!geometry.OnTable(fnDest(f))) continue;
    if (const auto hit = fnHitTopCard(geometry, fnDest(f), x, y)) return *hit;
  }
  for (int r = 0; r < view.Reserves(); ++r) {
    if (!geometry.OnTable(fnAppogg(r))) continue;
    if (const auto hit = fnHitFanned(geometry, fnAppogg(r), x, y, forDrop)) return *hit;
  }
  return {};
}

std::vector<TPileRef> fnFindDropCandidates(const TPileGeometry& geometry, const TRect& dragged) {
  const TTableView& view = geometry.View();
  std::vector<TPileRef> piles;
  for (int f = 0; f < view.Foundations(); ++f) piles.push_back(fnDest(f));
  for (int p = 0; p < view.TableauPiles(); ++p) piles.push_back(fnFila(p));
  for (int r = 0; r < view.Reserves(); ++r) piles.push_back(fnAppogg(r));
  if (view.Rule(rule::kWasteNotADestination) != 4) piles.push_back(kMazzoVis);

  struct TCandidate {
    long area;
    TPileRef pile;
  };
  std::vector<TCandidate> overlapping;
  for (const TPileRef pile : piles) {
    if (!geometry.OnTable(pile)) continue;
    if (const long area = fnOverlapArea(dragged, geometry.TopRect(pile)); area > 0) overlapping.push_back({area, pile});
  }
  std::sort(overlapping.begin(), overlapping.end(), [](const TCandidate& a, const TCandidate& b) {
    if (a.area != b.area) return a.area > b.area;
    if (a.pile.group != b.pile.group) return fnKindOrder(a.pile.group) < fnKindOrder(b.pile.group);
    return a.pile.entry < b.pile.entry;
  });
  std::vector<TPileRef> best;
  for (const TCandidate& candidate : overlapping) {
    if (static_cast<int>(best.size()) == kMaxCandidates) break;
    best.push_back(candidate.pile);
  }
  return best;
}

}  // namespace tablerun
