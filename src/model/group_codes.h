// Moving several cards at once, by name: the group rule (rule::kGroupRule),
// which groups may be lifted as one, and the group limit (rule::kGroupLimit),
// how many cards may move together. A group limit of 0 or more is a count.
#pragma once

namespace tablerun {

// Any other group rule lets no group move.
enum class TGroupRule : int {
  Any = 0,
  PileBuildCode = 1,  // each pair as the pile's own build code builds
  SameSuit = 10,
  SameColour = 11,
  AfterLastRedeal = 12,
};

// Any other negative limit: as many cards as there are empty tableau piles, at least one.
enum class TGroupLimit : int {
  Unlimited = -1,
  FreeCellsAndPilesPlusOne = -5,  // one more onto a pile that holds cards
  FreeCellsAndPiles = -6,
  KingOrSingle = -12,
  WholePileOrSingle = -13,
  FreeAtRowSide = -15,
  EdgeOfCells = -16,
  SingleOrDraw = -17,  // a larger group asks for the single Draw
};

}  // namespace tablerun
