// Cards in flight: a move's cards on their way to a pile, and the deal, card
// by card from the pile the cards come from.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include "engine/session/play_session.h"
#include "engine/appearance/table_painting.h"
#include "view/appearance.h"
#include "view/table_area.h"
#include "view/table_painter.h"

namespace tablerun {
namespace {

// Configuration positions.
// Rule slots.
constexpr int kDealPileAfterPile = 52;
constexpr int kFamily = 54;

// Input waits while cards move: the engine's busy flag and the table's own,
// as they were before when it ends.
class TBusy {
 public:
  TBusy(TRuntime& runtime, bool& flying)
      : runtime_(runtime), flying_(flying), wasBusy_(runtime.Flag(TRuntimeFlag::Busy)), wasFlying_(flying) {
    runtime_.SetFlag(TRuntimeFlag::Busy, true);
    flying_ = true;
  }
  ~TBusy() {
    runtime_.SetFlag(TRuntimeFlag::Busy, wasBusy_);
    flying_ = wasFlying_;
  }
  TBusy(const TBusy&) = delete;
  TBusy& operator=(const TBusy&) = delete;

 private:
  TRuntime& runtime_;
  bool& flying_;
  bool wasBusy_;
  bool wasFlying_;
};

}  // namespace

void C_TTableArea::Wait(int milliseconds) {
  QElapsedTimer timer;
  timer.start();
  do {
    QCoreApplication::processEvents();
    if (timer.elapsed() < milliseconds) QThread::msleep(1);
  } while (timer.elapsed() < milliseconds);
}

void C_TTableArea::FlyCard(const QImage& picture, QPoint from, QPoint to, bool fast, bool lift) {
  const TBusy busy(session_->state.runtime, flying_);
  const int speed = std::atoi(session_->state.config.Read(cfg::kCardSpeed).c_str());
  const int delay = fast ? speed / 4 : speed;
  // A lifted card lands raised above its place, its shadow showing, then drops.
  const int raise = lift ? ShadowDepth() : 0;
  const QPoint end = to - QPoint(raise, raise);
  update(moving_.Show(picture, from, 0, appearance_->Images()));
  for (const TPoint step : fnFlightPath({from.x(), from.y()}, {end.x(), end.y()}, fast)) {
    update(moving_.MoveTo(QPoint(step.x, step.y)));
    Wait(delay);
  }
  if (raise > 0) {
    update(moving_.Show(picture, end, raise, appearance_->Images()));
    Wait(2 * delay);
  }
  update(moving_.Hide());
}

QPoint C_TTableArea::DealOrigin() const {
  const TPileGeometry geometry = painter_->Geometry();
  const TTableView& view = geometry.View();
  const auto home = [&](TPileRef pile) { return fnQRect(geometry.CardRect(pile, 0)).topLeft(); };
  if (geometry.OnTable(kMazzo) && !(view.IsEmpty(kMazzo) && !view.IsEmpty(kMazzoVis))) return home(kMazzo);
  if (geometry.OnTable(kMazzoVis)) return home(kMazzoVis);
  if (geometry.OnTable(fnAppogg(0)) && view.Count(fnAppogg(0)) <= 1) return home(fnAppogg(0));
  if (geometry.OnTable(kMazzoWaste)) return home(kMazzoWaste);
  if (geometry.OnTable(fnDest(0))) return home(fnDest(0));
  const int family = view.Rule(kFamily);
  if (family == 46 || family == 74) return QPoint(-static_cast<int>(1.1 * geometry.CardWidth()), 0);
  return home(fnFila(0));
}

void C_TTableArea::DealCardByCard() {
  const TPileGeometry geometry = painter_->Geometry();
  const TTableView& view = geometry.View();
  // Reserves first, each from its bottom; then the tableau pile after pile or row by row.
  std::vector<std::pair<TPileRef, int>> order;
  for (int i = 0; i < view.Reserves(); ++i) {
    for (int k = 0; k < view.Count(fnAppogg(i)); ++k) order.emplace_back(fnAppogg(i), k);
  }
  int highest = 0;
  for (int i = 0; i < view.TableauPiles(); ++i) highest = std::max(highest, view.Count(fnFila(i)));
  if (view.Rule(kDealPileAfterPile) != 0) {
    for (int i = 0; i < view.TableauPiles(); ++i) {
      for (int k = 0; k < view.Count(fnFila(i)); ++k) order.emplace_back(fnFila(i), k);
    }
  } else {
    for (int k = 0; k < highest; ++k) {
      for (int i = 0; i < view.TableauPiles(); ++i) {
        if (k < view.Count(fnFila(i))) order.emplace_back(fnFila(i), k);
      }
    }
  }
  for (const auto& [pile, position] : order) {
    if (position == 0) painter_->Hide(pile, 0);
  }
  painter_->DrawTable();
  const QPoint origin = DealOrigin();
  painter_->DrawCardAt(-1, origin);
  update();
  const TBusy busy(session_->state.runtime, flying_);
  Wait(100);
  TScreen& screen = session_->state.screen;
  const bool sound = session_->state.config.IsYes(cfg::kSoundShuffle);
  if (sound) screen.PlaySound("Shuffle", true);
  const QPoint start = origin + QPoint(geometry.CardWidth() / 7, geometry.CardHeight() / 7);
  for (const auto& [pile, position] : order) {
    Wait(2);
    const int card = view.CardAt(pile, position);
    if (card > 0) {
      const bool faceUp = !view.IsFaceDown(card);
      const QImage picture = painter_->CardPicture(card, faceUp);
      if (faceUp) {
        // The card shows its face on the deck for an instant before it leaves.
        update(moving_.Show(picture, origin, 0, appearance_->Images()));
        Wait(2);
        update(moving_.Hide());
      }
      update(moving_.Show(picture, start, 0, appearance_->Images()));
      Wait(1);
      FlyCard(picture, start, painter_->CardPlace(pile, position), true, false);
    }
    painter_->Hide(pile, position + 1);
    RedrawChangedPiles();
  }
  if (sound) screen.StopSound();
  painter_->ShowAll();
  RedrawChangedPiles();
  // The back left at the origin goes; the origin pile shows its top again.
  const QRect deck(origin, QSize(geometry.CardWidth(), geometry.CardHeight()));
  painter_->Repaint(deck.adjusted(-15, -15, 0, 0));
  update(deck.adjusted(-15, -15, 0, 0));
}

}  // namespace tablerun
