// What a pile accepts, by name: the build codes of foundations and tableau
// piles (rule::kFoundationBuild, rule::kTableauBuild) and the acceptance codes
// of reserves (rule::kReserveAccepts). M is the card put on the pile, T the
// card it goes on; "round" lets a King and an Ace follow each other.
#pragma once

namespace tablerun {

// A code not named here builds by the standard rule in any suit.
enum class TBuildCode : int {
  // The standard rule with a suit filter.
  SameSuit = 0,
  SameColour = 1,
  OtherColour = 3,
  NoBuilding = 6,  // only the empty-pile rule
  SameSuitNoQueenOnJackOrKing = 11,
  SameSuitNoQueenKingPair = 24,
  NotSameSuit = 21,
  // Rules of their own.
  Never = 4,
  SideBySideFoundations = 5,  // the family's own test
  EmptyOnceStockEmpty = 7,
  QueenOnEmpty = 10,
  Always = 12,
  UpTwoRound = 14,
  UpThreeRound = 15,
  UpFourRound = 16,
  NotFromTableau = 17,
  NotFromTableauUnlessEmpty = 18,
  NotFromTableauOrReserve = 19,
  UpUncapped = 20,  // any suit, past the foundation's capacity up to a whole deck
  SuitStillOnTableau = 22,
  UpInSuitOnceWasteEmpty = 23,
  TwoApartInSuit = 25,
  UpOrDownUnderThree = 26,
  OtherColourNotFromFoundationOrReserve = 27,
  UpOrDownNoWrap = 28,
  RiseAndFall = 29,  // up in suit to the King, then down; no capacity
  FollowThePile = 30,
  DownInSuitNotOnAce = 31,
  UpInSuitNotOnKing = 32,
  NotFromTableauOntoOneCard = 33,
  DownSingleCards = 34,
  UpOrDownRound = 35,
  DownRoundAfterPreviousStarted = 36,
  DoubleRank = 37,
  KingRowEnds = 38,
  UpFromAceBelowQueen = 39,
  StockTurnRank = 40,
  TwoUpRoundInSuit = 41,
  UpInSuitKingAfterPartner = 42,
  TwoUpInSuit = 43,
  UpFromAceBelowKing = 44,
  KingRowEndsDown = 45,
  UpToJackFromBase = 46,
  DownRoundNoQueen = 47,
  QueenRowEnds = 48,
  UpToJackOverPile = 49,
  DownRoundBesidePile = 50,
  UpToJackOverPileInSuit = 51,
  DownRoundBesidePileInSuit = 52,
  UpRoundAfterFirstFull = 53,
  DownEmptyFromStock = 54,
  UpSameColourFromWaste = 55,
  SameRankFromRight = 56,
  UpOrDownOnceStockEmpty = 57,
  CornerFoundations = 58,
  UpOrDownNoWrapInSuit = 60,
  TwoApartInSuitTurning = 61,
  PartnerFoundations = 62,  // the family's own test
  SameSuitHalvesApartFirstRound = 63,
  CornerFoundationsToo = 64,
  OutsideCardFillsEmpty = 67,  // the family's own test
  UpOrDownRoundOnCards = 68,
  OntoEmptyOnly = 69,
  GridNeighbour = 70,
  GridJump = 71,
  JokerFoundation = 72,
  RankOfPile = 73,
  JokerStartsFoundation = 75,
  LowerRank = 76,
  RanksInFours = 77,
  UpInSuitAceOnKing = 78,
  UpRoundThirteenthFromReserve = 79,
  RoundInSuitNotFromTableau = 80,
  RoundInSuitOntoReserve = 81,
  DistinctSuitsOnceStockEmpty = 82,
  DownRoundUntilHome = 83,
  UpSuitCycle = 86,
  DownSuitCycle = 87,
  LearnedStep = 91,
  AceOnly = 92,
  HomeRank = 93,
  DownOtherColourReleased = 94,
  UpInSuitReleased = 95,
  SameSuitDistinctStart = 96,
  SumWithPartner = 97,
  UpInSuitSevenOnAce = 98,
  UpInSuitFromFrontRow = 99,
  RowFeed = 100,
  SideRow = 101,
  LearnedDirection = 102,
  UpInSuitNotOnPileRank = 104,
  DownRoundInSuitOnCards = 105,
  TwoUpInSuitFromBase = 106,
  RoundInSuitOnceStockEmpty = 108,
  UpInSuitUnblocked = 109,
  AcesInOrderThenSeven = 110,
  InSuitNotFromSecondRow = 111,
  UpOrDownInSuitFrontRow = 112,
  GridFill = 113,  // the family's own test
  TwoRowFoundation = 114,
  TwoRowTableau = 115,
  GridOfThreeNeighbour = 116,
  PyramidFeed = 117,
  UpRoundAfterPreviousFull = 118,
  KingOverFoundation = 120,
  DownInSuitFromJack = 121,
  SideBySideFoundationsToo = 122,  // the family's own test
  BaseRankAlternating = 123,
  SpecialRankFoundation = 124,
  UpRoundInSuitToThirteen = 125,
  SameRank = 126,
  UpRoundInSuitTwoRounds = 127,
  SharedSuitFoundations = 128,
  RoundInSuitOnCardsOnceStockEmpty = 129,
  CellsThenUpOrDownInSuit = 130,
  InSuitUncovered = 131,
  UpAfterPreviousFull = 132,
  TwoDownRound = 133,
  CrossRows = 134,
  KingsBesideAceFoundation = 135,
  OtherColourAfterFoundationsFull = 136,
  NotFromTableauUpToFour = 137,
  InnerGridFoundation = 138,
  InnerGridTableau = 139,
  UpInSuitToTenAlternating = 140,
  KingOnFourthOnly = 141,
  UpInSuitFromOwnPile = 142,
  DownInSuitLockedReserves = 143,
  UpInSuitLockedReserves = 144,
};

inline constexpr TBuildCode fnBuildCode(int value) { return static_cast<TBuildCode>(value); }

// A code not named here takes a single card onto an empty reserve (a free cell).
enum class TReserveCode : int {
  Nothing = 4,
  FaceCard = 9,
  KingWhileFirstShort = 8,
  Anything = 12,
  SingleWhileFirstShort = 13,
  NotFromTableau = 'Q',  // build code 81 applied to the empty reserve
  FromWaste = 'U',
  JackOntoEmpty = 88,
  QueenOntoEmpty = 89,
  KingOntoEmpty = 90,
  FreeAtRowSide = 103,
  AcesOtherColour = 107,
  QueenOverFoundation = 119,
  UpInSuit = 145,
  FromWasteAfterDraw = 146,
};

// Before the build code: what the stock-first rule (rule::kStockFirst) keeps
// back while the stock or the waste holds cards.
enum class TStockFirst : int {
  None = 0,
  NoTableauToFoundation = 1,
  WasteToCountedPile = 2,  // and no tableau card anywhere
  WasteToPileAfterFullest = 3,
};

// How the first cards of the foundations go together (rule::kFoundationSetRule).
enum class TFoundationSet : int {
  Free = 0,
  DistinctSuits = 1,  // foundations 1 to 4
  AlternatingColours = 2,
};

inline constexpr TReserveCode fnReserveCode(int value) { return static_cast<TReserveCode>(value); }

}  // namespace tablerun
