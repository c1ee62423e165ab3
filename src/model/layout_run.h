// The working state of one pass of the table layout, shared by the files that
// place the pile families; not for use outside the layout.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <optional>

#include "model/game_rules.h"
#include "model/layout.h"
#include "model/main_game.h"

namespace tablerun {

// What a card size letter means in pixels.
struct TCardSizeSteps {
  int width, height;
  int down, downFaceDown;    // vertical fan steps (entries 68, 70)
  int right, rightFaceDown;  // horizontal fan steps (entries 69, 71)
  int arrangement6;          // entries 87, 88
  int offset105, offset106;
};
const TCardSizeSteps& fnCardSizeSteps(char letter);

void fnSetFanSteps(const TGameRules& rules, char cardSize, TMainGame& game);

// A layout code: the kind digit picks the row, the variant how the piles
// spread along it.
struct TLayoutCode {
  int kind;
  int variant;
};

inline bool fnIsOneOf(int value, std::initializer_list<int> values) {
  return std::find(values.begin(), values.end(), value) != values.end();
}

// Positions may come from arithmetic on absent markers or on odd metrics;
// they are kept inside the entries' range rather than wrapped around.
int16_t fnToEntry(int value);

class TLayoutRun {
 public:
  // Computes the common values. With fixedX1 the tableau's first pile lies
  // there whatever its variant says.
  TLayoutRun(const TGameRules& rules, const TLayoutMetrics& metrics, TMainGame& game,
             std::optional<int> fixedX1 = std::nullopt);

  const TGameRules& rules;
  const TLayoutMetrics& metrics;
  TMainGame& game;
  const std::optional<int> fixedX1;

  int cw, ch;
  int n, h, r, k;  // tableau piles, foundations, reserves, stock-group piles
  TLayoutCode stock, foundation, tableau, reserve, secondWaste;
  bool stockShown, stockTurns;  // rule slots 10 and 11
  bool smallScreen;             // a screen lower than 500 pixels

  int m;       // row margin
  int width;   // the table width, narrowed on low windows
  int t;       // usable width
  int e;       // side gap
  int G;       // column gap
  int row[5];  // by kind digit: 0 and 1 share the first row
  int bottomRow, middleRow;
  int block3, block4;  // first rows of the centred blocks of three and four rows
  int s = 0;           // tableau gap
  int f = 0;           // foundation gap

  // The row a kind digit names.
  int Row(int kind) const;
  // Between 652 and 32769 pixels the table counts as wide.
  bool WideTable() const { return width >= 652 && width <= 32769; }

  void PlaceFila(int pile, int x, int y);
  void PlaceFilaX(int pile, int x) { game.SetFilaX(pile, fnToEntry(x)); }
  void PlaceMazzo(int pile, int x, int y);
  void PlaceDestX(int pile, int x) { game.SetDestX(pile, fnToEntry(x)); }
  void PlaceAppoggX(int pile, int x) { game.SetAppoggX(pile, fnToEntry(x)); }
};

// Entries 72 and 73: how far apart rows and columns of piles lie.
void fnSetPileSpacing(const TLayoutRun& run);

// The tableau, first of the families; "020" lies still without its X until
// fnCentreTableauUnderFoundations.
void fnPlaceTableau(TLayoutRun& run);
void fnCentreTableauUnderFoundations(TLayoutRun& run);
void fnPlaceStockGroup(TLayoutRun& run);
void fnPlaceFoundations(TLayoutRun& run);
void fnPlaceReserves(TLayoutRun& run);
void fnPlaceSecondWaste(TLayoutRun& run);

// The arrangements made for particular games. False when the tableau variant
// is none of them, or one that is not written yet.
bool fnPlaceHandMade(TLayoutRun& run);
bool fnIsHandMadeVariant(int variant);

}  // namespace tablerun
