// One evaluation of CheckBuild: the two cards, the destination's rule and the
// questions its rows ask about them. Internal to move legality.
#pragma once

#include <optional>

#include "engine/legality/move_legality.h"

namespace tablerun {

class TBuildCase {
 public:
  TBuildCase(const TMoveLegality& asked, int targetCard, int movingCard, const TPileRule& pileRule)
      : legality(asked),
        view(asked.View()),
        context(asked.Context()),
        target(targetCard),
        moving(movingCard),
        rule(pileRule) {}

  const TMoveLegality& legality;
  const TTableView& view;
  const TMoveContext& context;
  const int target;  // −1 for an empty destination
  const int moving;
  const TPileRule& rule;

  bool Empty() const { return target < 0; }
  int Index() const { return rule.pileIndex; }
  TPileRef Destination() const { return rule.toFoundation ? fnDest(rule.pileIndex) : fnFila(rule.pileIndex); }
  int DestinationCount() const { return view.Count(Destination()); }

  // Where the moving card lies, looked up once and only when a row asks.
  int Where() const {
    if (!where_) where_ = view.LocateCard(moving);
    return *where_;
  }
  bool FromTableau() const { return fnLocatedInTableau(Where()); }
  bool FromReserve() const { return fnLocatedInReserve(Where()); }
  bool FromFoundation() const { return fnLocatedInFoundation(Where()); }
  bool FromWaste() const { return Where() == kLocatedInWaste; }
  bool FromStock() const { return Where() == kLocatedInStock; }
  // The 0-based tableau pile or reserve the card comes from; −1 for elsewhere.
  int SourceTableau() const { return fnLocatedTableau(Where()); }
  int SourceReserve() const { return fnLocatedReserve(Where()); }
  bool FromTableauRange(int first, int last) const { return SourceTableau() >= first && SourceTableau() <= last; }

 private:
  mutable std::optional<int> where_;
};

// The standard rule (empty-pile rule, suit filter of `code`, direction with
// the wrap flag and the stop at the base rank).
bool fnStandardBuild(const TBuildCase& c, TBuildCode code);
// The empty-pile rule alone.
bool fnEmptyPileAccepts(const TBuildCase& c);
// Codes 29 and 138 on a started foundation: up to the King, a King on top of
// thirteen cards, then down again.
bool fnRisesThenFalls(const TBuildCase& c);
// Every pile between tableau pile p and the outer edge of its row of ten is empty.
bool fnOuterSideEmpty(const TTableView& view, int p);

// Rows of CheckBuild too long to stand in its switch.
bool fnJokerFoundationAccepts(const TBuildCase& c, bool jokerStarts);  // 72, 75
bool fnLearnedStepAccepts(const TBuildCase& c);                        // 91
bool fnHomeRankAccepts(const TBuildCase& c);                           // 93
bool fnRowTestPasses(const TBuildCase& c);                             // 99, 100
bool fnRowFeedAccepts(const TBuildCase& c);                            // 100
bool fnSideRowAccepts(const TBuildCase& c);                            // 101
bool fnLearnedDirectionAccepts(const TBuildCase& c);                   // 102
bool fnBlockedByRowBelow(const TBuildCase& c);                         // 109
bool fnTwoRowFoundationAccepts(const TBuildCase& c);                   // 114
bool fnTwoRowTableauAccepts(const TBuildCase& c);                      // 115
bool fnPyramidFeedAccepts(const TBuildCase& c);                        // 117
bool fnSharedSuitFoundationAccepts(const TBuildCase& c);               // 128
bool fnInnerGridFoundationAccepts(const TBuildCase& c);                // 138
bool fnInnerGridTableauAccepts(const TBuildCase& c);                   // 139

}  // namespace tablerun
