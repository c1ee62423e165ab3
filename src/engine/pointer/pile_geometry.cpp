#include "engine/pointer/pile_geometry.h"

#include <algorithm>

#include "engine/deal/card_size_fit.h"
#include "model/layout.h"
#include "model/main_game_entries.h"
#include "model/rule_slots.h"

namespace tablerun {
namespace {}  // namespace

long fnOverlapArea(const TRect& a, const TRect& b) {
  const long width = std::min(a.right, b.right) - std::max(a.left, b.left);
  const long height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return width > 0 && height > 0 ? width * height : 0;
}

bool TPileGeometry::OnTable(TPileRef pile) const {
  // The stock group's piles are on the table wherever the layout puts them.
  return fnIsPileRef(pile) && !game_.IsPileAbsent(pile) && (pile.group == TPileGroup::Mazzo || view_.Uses(pile));
}

int TPileGeometry::FanStyle(TPileRef pile) const {
  switch (pile.group) {
    case TPileGroup::Fila: return view_.Rule(rule::kTableauArrangement);
    case TPileGroup::Dest: return view_.Rule(rule::kFoundationArrangement);
    case TPileGroup::Appogg: return view_.Rule(rule::kReserveArrangement);
    case TPileGroup::Mazzo: return 0;
  }
  return 0;
}

int TPileGeometry::OriginX(TPileRef pile) const {
  switch (pile.group) {
    case TPileGroup::Mazzo: return game_.MazzoX(pile.entry);
    case TPileGroup::Dest: return game_.DestX(pile.entry);
    case TPileGroup::Fila: return game_.FilaX(pile.entry);
    case TPileGroup::Appogg: return game_.AppoggX(pile.entry);
  }
  return 0;
}

int TPileGeometry::OriginY(TPileRef pile) const {
  switch (pile.group) {
    case TPileGroup::Mazzo: return game_.MazzoY(pile.entry);
    case TPileGroup::Dest: return game_.DestY(pile.entry);
    // Tableau positions are kept in table coordinates.
    case TPileGroup::Fila: return game_.FilaY(pile.entry) - game_.ScrollY();
    case TPileGroup::Appogg: return game_.AppoggY(pile.entry);
  }
  return 0;
}

template <typename TVisit>
void TPileGeometry::Offsets(TPileRef pile, int last, TVisit visit) const {
  const int style = pile.group == TPileGroup::Mazzo ? 0 : FanStyle(pile);
  int dx = 0;
  int dy = 0;
  for (int position = 0; position <= last; ++position) {
    visit(position, dx, dy);
    const int card = view_.CardAt(pile, position);
    // A hole counts as face up.
    const bool faceDown = card > 0 && view_.IsFaceDown(card);
    switch (style) {
      case 1:
      case 12:
      case 13: dy += game_.Get(faceDown ? entries::kFanDownFaceDown : entries::kFanDownFaceUp); break;
      case 5: dy += game_.Get(entries::kFanArrangement5); break;
      case 2: dx += game_.Get(faceDown ? entries::kFanRightFaceDown : entries::kFanRightFaceUp); break;
      case 6: dx += game_.Get(entries::kFanArrangement6); break;
      case 10: dx -= game_.Get(faceDown ? entries::kFanRightFaceDown : entries::kFanRightFaceUp); break;
      // Arrangement 7 shows the bottom card above a closed stack.
      case 7: dy = game_.Get(entries::kFanDownFaceUp); break;
      default: break;  // stacked: every card on the first
    }
  }
}

TRect TPileGeometry::CardRect(TPileRef pile, int position) const {
  const int last = std::max(position, 0);
  TRect rect;
  Offsets(pile, last, [&](int at, int dx, int dy) {
    if (at == last)
      rect = {OriginX(pile) + dx, OriginY(pile) + dy, OriginX(pile) + dx + cardWidth_,
              OriginY(pile) + dy + cardHeight_};
  });
  return rect;
}

std::vector<TRect> TPileGeometry::CardRects(TPileRef pile) const {
  std::vector<TRect> rects;
  const int count = view_.Count(pile);
  rects.reserve(static_cast<std::size_t>(count));
  const int left = OriginX(pile);
  const int top = OriginY(pile);
  Offsets(pile, count - 1, [&](int, int dx, int dy) {
    rects.push_back({left + dx, top + dy, left + dx + cardWidth_, top + dy + cardHeight_});
  });
  return rects;
}

TRect TPileGeometry::TopRect(TPileRef pile) const {
  return CardRect(pile, pile.group == TPileGroup::Mazzo ? 0 : view_.Count(pile));
}

TRect TPileGeometry::PileRect(TPileRef pile) const {
  const TRect first = CardRect(pile, 0);
  const TRect last = CardRect(pile, std::max(view_.Count(pile) - 1, 0));
  return {std::min(first.left, last.left), std::min(first.top, last.top), std::max(first.right, last.right),
          std::max(first.bottom, last.bottom)};
}

int TPileGeometry::PositionAt(TPileRef pile, int x, int y) const {
  const int count = view_.Count(pile);
  if (pile.group == TPileGroup::Mazzo) return count > 0 && CardRect(pile, 0).Contains(x, y) ? count - 1 : -1;
  const std::vector<TRect> rects = CardRects(pile);
  for (int position = count - 1; position >= 0; --position) {
    if (rects[static_cast<std::size_t>(position)].Contains(x, y)) return position;
  }
  return -1;
}

TPileGeometry fnPileGeometry(const TTablerunState& state) {
  const std::string letter = state.config.Read(cfg::kCardSize);
  TLayoutMetrics metrics;
  if (letter.size() == 1 && TLayoutMetrics::IsCardSize(letter[0])) metrics.cardSize = letter[0];
  return TPileGeometry(TTableView(state.table, state.rules, state.cards), state.mainGame, metrics.CardWidth(),
                       metrics.CardHeight());
}

}  // namespace tablerun
