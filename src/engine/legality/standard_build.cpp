// The standard building rule every ordinary build code falls back to: what an
// empty pile takes, the suit filter, and the direction with its wrap and stop.
#include <array>

#include "engine/legality/build_case.h"
#include "engine/legality/card_steps.h"
#include "model/rule_slots.h"

namespace tablerun {

namespace {

bool IsLetterGroup(int value) { return value == 'Q' || value == 'T' || value == 'U' || value == 'Z'; }

bool SuitFilterAllows(TBuildCode code, int target, int moving) {
  switch (code) {
    case TBuildCode::SameSuit:
    case TBuildCode::SameSuitNoQueenOnJackOrKing: return fnSameSuit(target, moving);
    case TBuildCode::SameColour: return fnSameColour(target, moving);
    case TBuildCode::OtherColour: return fnOtherColour(target, moving);
    case TBuildCode::NoBuilding: return false;
    default: return true;
  }
}

bool UpAllows(const TBuildCase& c, bool plain) {
  const int targetRank = fnCardRank(c.target);
  if (plain) return fnIsUp(c.target, c.moving);
  if (c.rule.toFoundation) {
    // Wrapping completes only a foundation that started above the Ace.
    if (targetRank == kKing) return fnCardRank(c.moving) == kAce && c.rule.baseRank != kAce;
    return fnIsUp(c.target, c.moving);
  }
  if (targetRank == c.rule.baseRank && !c.rule.wrapAllowed) return false;
  if (targetRank == kKing) return fnCardRank(c.moving) == kAce;
  return fnIsUp(c.target, c.moving);
}

bool DownAllows(const TBuildCase& c, bool plain) {
  const int targetRank = fnCardRank(c.target);
  if (c.rule.toFoundation) {
    if (targetRank == kAce) return fnCardRank(c.moving) == kKing && c.rule.baseRank != kKing;
    return fnIsDown(c.target, c.moving);
  }
  if (plain) return fnIsDown(c.target, c.moving);
  const int base = c.rule.baseRank;
  const bool stop = targetRank == base || (targetRank == kAce && (base == 'Q' || base == 'R' || base == 'S'));
  if (stop && !c.rule.wrapAllowed) return false;
  if (targetRank == kAce) return fnCardRank(c.moving) == kKing;
  return fnIsDown(c.target, c.moving);
}

// '\' and ']': the rank every started foundation began with.
bool MatchesFoundationBottoms(const TBuildCase& c, int value) {
  bool started = false;
  for (int f = 0; f < c.view.Foundations(); ++f) {
    const TPileRef pile = fnDest(f);
    if (c.view.IsEmpty(pile)) continue;
    started = true;
    if (fnCardRank(c.view.Bottom(pile)) != fnCardRank(c.moving)) return false;
  }
  return started || value == '\\' || c.FromReserve();
}

}  // namespace

bool fnEmptyPileAccepts(const TBuildCase& c) {
  const int value = c.rule.emptyRule;
  switch (value) {
    case 'Q':
    case 'T':
    case 'U':
    case 'Z': return c.legality.LetterGroupAccepts(c.moving, value);
    case 'R':
    case 'S': return false;
    case 'V': return c.context.singleCard;
    case 'W': return c.FromStock() || c.FromWaste();
    case 'X': return !c.FromTableau();
    case '\\':
    case ']': return MatchesFoundationBottoms(c, value);
    case '`':
      if (c.FromTableau()) return false;
      return c.view.AllReservesEmpty() ? c.FromWaste() : c.FromReserve();
    default: return fnCardRank(c.moving) == value || value == -1 || c.rule.baseRank == -1;
  }
}

bool fnStandardBuild(const TBuildCase& c, TBuildCode code) {
  if (c.Empty()) return fnEmptyPileAccepts(c);
  if (!SuitFilterAllows(code, c.target, c.moving)) return false;
  // Wrap flag 2: plain steps, neither wrapping nor stopping at the base rank.
  const bool plain = !c.rule.toFoundation && c.view.Rule(rule::kTableauWrap + c.Index()) == 2;
  const int direction = c.rule.direction;
  if ((direction == 1 || direction == 2) && UpAllows(c, plain)) return true;
  return (direction == 0 || direction == 2) && DownAllows(c, plain);
}

bool TMoveLegality::LetterGroupAccepts(int card, int value) const {
  const int rank = fnCardRank(card);
  if ((value == 'Q' || value == 'U') && rank != kAce) return false;
  if (value == 'T' && rank != kKing) return false;
  if (value == 'Z' && rank != kTwo) return false;
  const int suit = fnCardSuit(card);
  if (suit < 0 || suit > 3) {
    Explain(TMessageKind::Error, "Error suit - 1");
    return false;
  }
  int group = 0;
  std::array<int, 2> colours{};  // black, red
  std::array<int, 4> suits{};
  ++colours[fnIsRedCard(card) ? 1 : 0];
  ++suits[static_cast<std::size_t>(suit)];
  for (int f = 0; f < view_.Foundations(); ++f) {
    if (Rule(rule::kFoundationBase + f) != value) continue;
    ++group;
    const TPileRef pile = fnDest(f);
    if (view_.IsEmpty(pile)) continue;
    const int bottom = view_.Bottom(pile);
    ++colours[fnIsRedCard(bottom) ? 1 : 0];
    const int bottomSuit = fnCardSuit(bottom);
    if (bottomSuit >= 0 && bottomSuit <= 3) ++suits[static_cast<std::size_t>(bottomSuit)];
  }
  if (colours[0] > group / 2 || colours[1] > group / 2) return false;
  if (value == 'Q' || !IsLetterGroup(value)) return true;
  for (const int count : suits) {
    if (count > 1) return false;
  }
  return true;
}

}  // namespace tablerun
