#include "model/layout_run.h"
#include "model/main_game_entries.h"

namespace tablerun {
namespace {}  // namespace

void fnSetFanSteps(const TGameRules& rules, char cardSize, TMainGame& game) {
  const TCardSizeSteps& size = fnCardSizeSteps(cardSize);
  const int tableau = rules.Get(rule::kTableauArrangement);
  const int foundations = rules.Get(rule::kFoundationArrangement);
  const int reserves = rules.Get(rule::kReserveArrangement);

  for (const TMainGameEntry entry :
       {entries::kFanDownFaceUp, entries::kFanRightFaceUp, entries::kFanDownFaceDown, entries::kFanRightFaceDown})
    game.Set(entry, 0);
  game.Set(entries::kFanArrangement5, 3);
  game.Set(entries::kFanArrangement5Across, 3);
  game.Set(entries::kFanArrangement4, 6);

  if (fnIsOneOf(tableau, {1, 7, 12}) || fnIsOneOf(reserves, {1, 13})) {
    int faceUp = size.down;
    int faceDown = size.downFaceDown;
    if (tableau == 12) {
      faceUp = faceUp * 5 / 2;
      faceDown = faceDown * 5 / 2;
    } else if (reserves == 13) {
      faceUp *= 2;
      faceDown *= 2;
    }
    game.Set(entries::kFanDownFaceUp, fnToEntry(faceUp));
    game.Set(entries::kFanDownFaceDown, fnToEntry(faceDown));
  }
  if (tableau == 2 || rules.Get(rule::kSplitTableauArrangement) != 0 || reserves == 2 || foundations == 2) {
    game.Set(entries::kFanRightFaceUp, fnToEntry(size.right));
    game.Set(entries::kFanRightFaceDown, fnToEntry(size.rightFaceDown));
  }
  if (tableau == 6) {
    game.Set(entries::kFanArrangement6, fnToEntry(size.arrangement6));
    game.Set(entries::kFanArrangement6Across, fnToEntry(size.arrangement6));
  }
  game.Set(entries::kCardOffset105, fnToEntry(size.offset105));
  game.Set(entries::kCardOffset106, fnToEntry(size.offset106));
}

}  // namespace tablerun
