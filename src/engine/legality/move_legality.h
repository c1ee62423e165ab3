// Move legality: whether a card, or the group it heads, may leave its pile and
// may be put on a given pile. The one interpreter of the building rules of the
// rule record: drag and drop, click moves, automatic moves, the tutor, the demo
// and the tool all ask it, and nothing else decides a move.
//
// TMoveLegality is a light view built for each question (it holds references
// to the table, the rules and the card faces, and a copy of the move's
// context): every answer is a pure function of those, except that the few
// refusals that explain themselves show their message on the screen given.
// Without a screen (enumeration, tools) it stays silent.
#pragma once

#include <string_view>

#include "engine/legality/move_context.h"
#include "engine/state/screen.h"
#include "engine/state/table_view.h"
#include "model/build_codes.h"

namespace tablerun {

class TTablerunState;

// The rule of one destination pile as CheckBuild reads it.
struct TPileRule {
  int emptyRule = 0;  // what an empty pile takes (the base rank on a foundation)
  int baseRank = 0;   // the foundation's own base rank; foundation 0's for a tableau pile
  int direction = 0;  // 0 down, 1 up, 2 either
  TBuildCode buildCode = TBuildCode::SameSuit;
  bool toFoundation = false;
  bool wrapAllowed = false;
  int pileIndex = 0;   // 0-based, in the destination's group
  bool strict = true;  // false when an arrangement is checked rather than a player's move
};

class TMoveLegality {
 public:
  TMoveLegality(const TTable& table, const TGameRules& rules, const TCardStatusTable& cards,
                const TMoveContext& context, TScreen* explainTo = nullptr);
  // The running program's table and rules, explaining on its screen.
  TMoveLegality(const TTablerunState& state, const TMoveContext& context);

  const TTableView& View() const { return view_; }
  const TMoveContext& Context() const { return context_; }

  // "DestNN", "FilaNN" or "AppoggNN" of a pile the game uses; any other name is refused.
  bool CanPlace(int card, std::string_view pileName) const;
  bool CanPlace(int card, TPileRef pile) const;
  bool CanPlaceOnFoundation(int i, int card) const;
  bool CanPlaceOnTableau(int i, int card) const;
  bool CanPlaceOnReserve(int i, int card) const;

  // Whether the card (with every card above it, when it heads a group of a
  // tableau pile) may be lifted from where it lies.
  bool CanLeave(int card) const;

  // target: the top card of the destination, −1 when it is empty; moving: the
  // card placed (the bottom card of a group).
  bool CheckBuild(int target, int moving, const TPileRule& rule) const;
  TPileRule FoundationRule(int i) const;
  // Tableau pile i's rule with the given build code (the group rule substitutes its own).
  TPileRule TableauRule(int i, TBuildCode buildCode, bool strict) const;

  // The group headed by the card, judged by tableau pile i's rules (rule slot 2).
  bool IsValidGroup(int card, int tableauIndex) const;
  // How many cards may move at once (rule slot 14). In normal play a group
  // lifted under the single Draw shows why it is refused.
  bool GroupFitsLimit(int card, bool toEmptyPile) const;
  int LocateCard(int card) const { return view_.LocateCard(card); }

  // The balance of the foundations whose base-rank slot holds `value`: neither
  // colour beyond half of them, and for 'T', 'U' and 'Z' no suit twice; 'Q'
  // and 'U' take Aces, 'T' Kings, 'Z' Twos, other values any rank.
  bool LetterGroupAccepts(int card, int value) const;
  // The card is not walled in: the piles (or reserves) on the outer side of its
  // row are empty.
  bool IsFreeAtRowSide(int card) const;

  // Build code 129 on tableau pile 1 while the stock holds cards: drops keep
  // off the tableau, and a drop that found nothing else says why.
  bool TableauWaitsForStock() const;
  void ExplainTableauWaitsForStock() const;

 private:
  int Rule(TRuleSlot slot) const { return view_.Rule(slot); }
  void Explain(TMessageKind kind, const char* text) const;

  TTableView view_;
  TMoveContext context_;
  TScreen* screen_;
};

// Rules of several foundations at once, also read by individual build codes.
// The suits of the top cards of foundations f0–f3 must all differ, the card
// standing in for foundation `destination` (counted as one more when that is
// none of the four). Empty foundations count no suit.
bool FoundationSuitsDistinct(const TTableView& view, int f0, int f1, int f2, int f3, int destination, int card);
// Foundations alternate in colour along their order: the colours of the started
// ones, extended outwards, decide the colour foundation i takes.
bool FoundationColoursAlternate(const TTableView& view, int card, int i);

}  // namespace tablerun
