#include "engine/executor/redeal.h"

#include "engine/state/tablerun_state.h"
#include "model/card.h"

namespace tablerun {

bool TRedeals::RedealAllowed() const {
  return exec_.Rule(rule::kDeals) == -1 || exec_.Entry(entries::kRedealRound) < exec_.Rule(rule::kDeals);
}

bool TRedeals::TurnOverRedeal() {
  // The press only marks the stock; the release redeals.
  if (exec_.Entry(entries::kStockPressed) == 0) {
    exec_.SetEntry(entries::kStockPressed, 1);
    state_.screen.RequestRepaint();
    return false;
  }
  exec_.SetEntry(entries::kStockPressed, 0);
  exec_.SetEntry(entries::kRedealRound, exec_.Entry(entries::kRedealRound) + 1);
  exec_.RecordUndo();
  PourWasteIntoStock();
  if (state_.config.Read(cfg::kRedealAnimation) != "N") {
    exec_.PlaySound(cfg::kSoundRedeal, "Redeal");
  } else {
    exec_.PlaySound(cfg::kSoundRedealStill, "Red_no_a");
  }
  return true;
}

void TRedeals::PourWasteIntoStock() {
  // The waste's top card becomes the stock's bottom card, so the cards turn
  // again in the order they were first turned.
  const TCardFace face = exec_.Rule(rule::kStockFace) == 0 ? TCardFace::Up : TCardFace::Down;
  std::string stock;
  for (const int card : exec_.TakeAll(kMazzoVis)) {
    stock += fnCardText(card);
    state_.cards.fnSetCardFace(card, face);
  }
  state_.table.SetPile(kMazzo, stock);
}

bool TRedeals::GatheringRedeal() {
  if ((exec_.StockSize() != 0 && exec_.Rule(rule::kRedealStyle) != 6) || !RedealAllowed()) return false;
  if (exec_.Entry(entries::kStockPressed) == 0) {
    exec_.SetEntry(entries::kStockPressed, 1);
    state_.screen.RequestRepaint();
    return false;
  }
  exec_.SetEntry(entries::kStockPressed, 0);
  exec_.RecordUndo();
  exec_.SetEntry(entries::kRedealRound, exec_.Entry(entries::kRedealRound) + 1);
  if (GatherRedeal()) return true;
  exec_.DiscardLastUndo();
  exec_.SetEntry(entries::kRedealRound, exec_.Entry(entries::kRedealRound) - 1);
  return false;
}

bool TRedeals::GatherRedeal() {
  const int style = exec_.Rule(rule::kRedealStyle);
  if (style != 15 && style != 20) exec_.history.undoLog.ReplaceLast(TEventKind::Redeal);
  bool moved = false;
  switch (style) {
    case 4:
    case 5:
    case 11:
    case 16: moved = steps_.OntoStockGroup(style); break;
    case 7: moved = steps_.BottomCardsToTop(); break;
    case 13: moved = steps_.Sow(); break;
    case 19: moved = steps_.PassTopCards(); break;
    case 20: moved = steps_.WasteToReserves(); break;
    default: moved = dealBack_.GatherAndDealBack(style); break;
  }
  if (moved) exec_.PlaySound(cfg::kSoundShuffle, "Shuffle");
  state_.screen.RequestRepaint();
  return moved;
}

}  // namespace tablerun
