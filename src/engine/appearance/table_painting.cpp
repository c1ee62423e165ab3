#include "engine/appearance/table_painting.h"

#include <algorithm>
#include <cstdlib>

#include "model/build_codes.h"
#include "model/main_game_entries.h"
#include "model/rule_slots.h"

namespace tablerun {
namespace {

// A mark kind of the foundation mark table; None for a kind the table lacks.
TEmptyMark fnFoundationTableMark(int kind) {
  switch (kind) {
    case 1:
    case 58:
    case 81:
    case 85: return {TEmptyMark::TKind::Mark, "FoundationA"};
    case 2:
    case 90: return {TEmptyMark::TKind::Mark, "Foundation2"};
    case 13:
    case 64:
    case 84: return {TEmptyMark::TKind::Mark, "Foundation13"};
    case 94: return {TEmptyMark::TKind::Background, ""};
    default:
      if (kind >= 3 && kind <= 12) return {TEmptyMark::TKind::Mark, "Foundation" + std::to_string(kind)};
      return {};
  }
}

TEmptyMark fnMark(const char* name) { return {TEmptyMark::TKind::Mark, name}; }

TEmptyMark fnStockMark(const TTablerunState& state, bool drawUsed) {
  const TGameRules& rules = state.rules;
  const int family = rules.Get(rule::kFamily);
  if (family == 8 || family == 45 || family == 71 || (family == 73 && !drawUsed)) {
    return {TEmptyMark::TKind::Picture, "021"};
  }
  const int deals = rules.Get(rule::kDeals);
  const bool redealLeft = state.mainGame.Get(entries::kRedealRound) < deals || deals < 0;
  // A press waiting for its release to redeal shows the stock pushed down.
  const TEmptyMark up = fnMark(state.mainGame.Get(entries::kStockPressed) != 0 ? "StockDown" : "StockUp");
  if (rules.Get(rule::kRedealStyle) > 0 && redealLeft) return up;
  if (state.table.Pile(kMazzoVis).size() <= 3) return fnMark("StockStop");
  return redealLeft ? up : fnMark("StockStop");
}

TEmptyMark fnWasteMark(const TTablerunState& state) {
  const TGameRules& rules = state.rules;
  if (rules.Get(rule::kStockShown) == 1) return fnMark("StockVisible");
  const int deals = rules.Get(rule::kDeals);
  if (deals == 0) return fnMark("StockStop");
  if (rules.Get(rule::kRedealStyle) <= 0 || rules.Get(rule::kStockShown) != 0) return {};
  return fnMark(state.mainGame.Get(entries::kRedealRound) >= deals && deals != -1 ? "StockStop" : "StockUp");
}

TEmptyMark fnReserveMark(const TGameRules& rules, int i) {
  const int kind = rules.Get(rule::kReserveAccepts + i);
  if (kind == 4) return fnMark("Position");
  if (rules.Get(rule::kReserveAccepts) == 9) return fnMark("EmptyPositionJQK");
  if (rules.Get(rule::kReserveAccepts) == 8) return fnMark("Foundation13");
  switch (kind) {
    case 88: return fnMark("Foundation11");
    case 89:
    case 119: return fnMark("Foundation12");
    case 90: return fnMark("Foundation13");
    case 107: return fnMark("FoundationA");
    default: return fnMark("EmptyPosition");
  }
}

}  // namespace

int fnPileDepth(int cards, int maximum) {
  if (cards <= 1) return 0;
  const int depth = cards == 2 ? 1 : cards / 7 + 1;
  return std::min(depth, maximum);
}

int fnFlightStep(int distance, bool fast) {
  const double d = distance;
  int step = static_cast<int>(d / (d * 0.0128 + 4) + 0.5);
  if (fast) step = static_cast<int>(step * 0.9);
  // A step of 0 would never arrive: short flights move a pixel at a time.
  return std::clamp(step, 1, std::max(distance, 1));
}

std::vector<TPoint> fnFlightPath(TPoint from, TPoint to, bool fast) {
  const int dx = to.x - from.x;
  const int dy = to.y - from.y;
  const int distance = std::max(std::abs(dx), std::abs(dy));
  std::vector<TPoint> path;
  if (distance == 0) return {to};
  const int step = fnFlightStep(distance, fast);
  for (int travelled = step;; travelled += step) {
    travelled = std::min(travelled, distance);
    const int percent = static_cast<int>(100.0 * travelled / distance + 0.5);
    const int along = (std::abs(dx) >= std::abs(dy) ? dx : dy) < 0 ? -travelled : travelled;
    if (std::abs(dx) >= std::abs(dy)) {
      path.push_back({from.x + along, from.y + dy * percent / 100});
    } else {
      path.push_back({from.x + dx * percent / 100, from.y + along});
    }
    if (travelled == distance) break;
  }
  path.back() = to;
  return path;
}

TJitterTable::TJitterTable(std::mt19937_64& random) {
  std::uniform_int_distribution<int> draw(0, 3);
  for (auto& row : rows_) {
    int before = draw(random);
    int sum = 0;
    row[0] = 0;
    for (std::size_t i = 1; i < row.size(); ++i) {
      int c = draw(random);
      if ((before == 3 && c == 3) || ((c == 1 || c == 2) && before != 3)) c = 0;
      const int d = c < 3 ? c : -1;
      sum += d;
      // The running sum keeps a pile from drifting away from its column.
      if (sum >= 3) {
        row[i] = d - 2;
        sum -= 2;
      } else if (sum < -2) {
        row[i] = d + 2;
        sum += 2;
      } else {
        row[i] = d;
      }
      before = c;
    }
  }
}

int TJitterTable::Shift(int pile, int position) const {
  const int row = pile < 7 ? pile : pile % 6;
  const int column = position > 12 ? position % 12 : position;
  return row >= 0 && column >= 0 ? rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] : 0;
}

TEmptyMark fnEmptyMark(const TTablerunState& state, TPileRef pile, bool drawUsed) {
  const TGameRules& rules = state.rules;
  const int i = pile.entry;
  switch (pile.group) {
    case TPileGroup::Mazzo:
      if (i == 0) return fnStockMark(state, drawUsed);
      if (i == 1) return fnWasteMark(state);
      return fnMark("StockVisible");
    case TPileGroup::Dest: {
      if (fnBuildCode(rules.Get(rule::kFoundationBuild + i)) == TBuildCode::QueenOnEmpty) return fnMark("Foundation12");
      const TEmptyMark mark = fnFoundationTableMark(rules.Get(rule::kFoundationBase + i));
      return mark.kind == TEmptyMark::TKind::None ? fnMark("Foundation") : mark;
    }
    case TPileGroup::Fila: {
      const int kind = rules.Get(rule::kTableauEmpty + i);
      const TEmptyMark mark = fnFoundationTableMark(kind);
      if (mark.kind != TEmptyMark::TKind::None) return mark;
      return fnMark(kind != 0 ? "FirstTableauAll" : "Position");
    }
    case TPileGroup::Appogg: return fnReserveMark(rules, i);
  }
  return {};
}

bool fnFoundationComplete(const TTableView& view, int foundation) {
  const int size = view.Rule(rule::kFoundationSize + foundation);
  const int wanted = size == -1 ? view.Rule(rule::kFoundationCapacity) : size;
  return wanted > 0 && view.Count(fnDest(foundation)) == wanted;
}

bool fnLayoutGrowsDownward(const TGameRules& rules) {
  constexpr int kTallFamily = 53;
  const int arrangement = rules.Get(rule::kTableauArrangement);
  return arrangement == 1 || arrangement == 8 || arrangement == 12 || rules.Get(rule::kReserveArrangement) == 13 ||
         rules.Get(rule::kFamily) == kTallFamily;
}

bool fnVerticalScrollBarAllowed(const TTablerunState& state) {
  return state.rules.IsLoaded() && state.config.IsYes(cfg::kVertScrollBar) && fnLayoutGrowsDownward(state.rules);
}

}  // namespace tablerun
