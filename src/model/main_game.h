// The TMainGame object: the game catalogue, its table of entries shared across
// the program (pile positions, the scroll position, per-run state) and the
// tableau positions.
#pragma once

#include <array>
#include <cstdint>

#include "model/catalogue.h"
#include "model/int16_table.h"
#include "model/main_game_entries.h"
#include "model/pile_names.h"

namespace tablerun {

class TMainGame {
 public:
  // Positions below this mark a pile that is not on the current table.
  static constexpr int kAbsentBelow = -9999;

  TMainGame() { ResetPositions(); }

  // Out of range: reads 0, writes nothing.
  int16_t Get(TMainGameEntry entry) const { return entries_.Get(entry.index); }
  void Set(TMainGameEntry entry, int16_t value) { entries_.Set(entry.index, value); }

  int ScrollY() const { return Get(entries::kScrollY); }

  // The built-in games, read once at start-up.
  TCatalogue& Catalogue() { return catalogue_; }
  const TCatalogue& Catalogue() const { return catalogue_; }

  // Pile positions are the top-left corner of a pile's first card, stored in
  // table coordinates. The Y getters of Mazzo, Dest and Appogg give window
  // coordinates (minus the scroll position); FilaY gives table coordinates.
  // An index outside the group reads the group's absent marker.
  int MazzoX(int pile) const { return X(kMazzoPositions, pile); }
  int MazzoY(int pile) const { return WindowY(kMazzoPositions, pile); }
  void SetMazzoX(int pile, int16_t x) { SetX(kMazzoPositions, pile, x); }
  void SetMazzoY(int pile, int16_t y) { SetY(kMazzoPositions, pile, y); }

  int DestX(int pile) const { return X(kDestPositions, pile); }
  int DestY(int pile) const { return WindowY(kDestPositions, pile); }
  void SetDestX(int pile, int16_t x) { SetX(kDestPositions, pile, x); }
  void SetDestY(int pile, int16_t y) { SetY(kDestPositions, pile, y); }

  int AppoggX(int pile) const { return X(kAppoggPositions, pile); }
  int AppoggY(int pile) const { return WindowY(kAppoggPositions, pile); }
  void SetAppoggX(int pile, int16_t x) { SetX(kAppoggPositions, pile, x); }
  void SetAppoggY(int pile, int16_t y) { SetY(kAppoggPositions, pile, y); }

  int FilaX(int pile) const;
  int FilaY(int pile) const;
  void SetFilaX(int pile, int16_t x);
  void SetFilaY(int pile, int16_t y);

  // Every pile absent, before the layout of a new game places the ones in use.
  void ResetPositions();
  // Whether the pile is left out of painting and hit-testing: its X or its
  // window Y lies below kAbsentBelow.
  bool IsPileAbsent(TPileRef pile) const;

 private:
  // Where a group's positions lie in the entries.
  struct TPositions {
    TMainGameEntry x;
    TMainGameEntry y;
    int count;
    int16_t absent;
  };
  static constexpr TPositions kDestPositions{entries::kDestX, entries::kDestY, fnPileGroupSize(TPileGroup::Dest),
                                             -10001};
  static constexpr TPositions kAppoggPositions{entries::kAppoggX, entries::kAppoggY,
                                               fnPileGroupSize(TPileGroup::Appogg), -10003};
  static constexpr TPositions kMazzoPositions{entries::kMazzoX, entries::kMazzoY, fnPileGroupSize(TPileGroup::Mazzo),
                                              -10000};
  static constexpr int16_t kFilaAbsent = -10002;
  static constexpr int kFilaCount = fnPileGroupSize(TPileGroup::Fila);

  int X(const TPositions& positions, int pile) const;
  int WindowY(const TPositions& positions, int pile) const;
  void SetX(const TPositions& positions, int pile, int16_t x);
  void SetY(const TPositions& positions, int pile, int16_t y);

  TCatalogue catalogue_;
  TInt16Table<196> entries_;
  std::array<int16_t, kFilaCount> filaX_{};
  std::array<int16_t, kFilaCount> filaY_{};
};

}  // namespace tablerun
