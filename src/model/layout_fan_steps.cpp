#include "model/fan_steps.h"
#include "model/layout_run.h"

namespace tablerun {
namespace {

using namespace fan;

constexpr int kOffset105 = 105;
constexpr int kOffset106 = 106;

}  // namespace

void fnSetFanSteps(const TGameRules& rules, char cardSize, TMainGame& game) {
  const TCardSizeSteps& size = fnCardSizeSteps(cardSize);
  const int tableau = rules.Get(3);
  const int foundations = rules.Get(4);
  const int reserves = rules.Get(5);

  for (const int entry : {kDownFaceUp, kRightFaceUp, kDownFaceDown, kRightFaceDown}) game.Set(entry, 0);
  game.Set(kArrangement5, 3);
  game.Set(kArrangement5Across, 3);
  game.Set(kArrangement4, 6);

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
    game.Set(kDownFaceUp, fnToEntry(faceUp));
    game.Set(kDownFaceDown, fnToEntry(faceDown));
  }
  if (tableau == 2 || rules.Get(6) != 0 || reserves == 2 || foundations == 2) {
    game.Set(kRightFaceUp, fnToEntry(size.right));
    game.Set(kRightFaceDown, fnToEntry(size.rightFaceDown));
  }
  if (tableau == 6) {
    game.Set(kArrangement6, fnToEntry(size.arrangement6));
    game.Set(kArrangement6Across, fnToEntry(size.arrangement6));
  }
  game.Set(kOffset105, fnToEntry(size.offset105));
  game.Set(kOffset106, fnToEntry(size.offset106));
}

}  // namespace tablerun
