// Cards in flight: a move's cards on their way to a pile, and the deal, card
// by card from the pile the cards come from.
#include <set>

#include "engine/appearance/deal_flights.h"
#include "engine/appearance/table_painting.h"
#include "engine/session/play_session.h"
#include "engine/session/window_settings.h"
#include "view/appearance.h"
#include "view/card_flights.h"
#include "view/table_area.h"
#include "view/table_painter.h"

namespace tablerun {

int C_TTableArea::StepDelay() const { return TWindowSettings(session_->state).CardStepDelay(); }

void C_TTableArea::Fly(const QImage& picture, std::vector<int> cards, QPoint from, QPoint to, bool standing) {
  // A lifted card lands raised above its place, its shadow showing, then drops.
  TFlight flight{.picture = picture,
                 .cards = std::move(cards),
                 .lead = 0,
                 .frames = fnFlightFrames(from, to, false, StepDelay(), ShadowDepth()),
                 .standing = standing};
  flights_->Add(std::move(flight));
  FollowFlights();
}

QPoint C_TTableArea::DealOrigin() const {
  const TPoint origin = fnDealOrigin(painter_->Geometry());
  return {origin.x, origin.y};
}

void C_TTableArea::DealCardByCard() {
  const TPileGeometry geometry = painter_->Geometry();
  const TTableView& view = geometry.View();
  const std::vector<TDealtCard> order = fnDealOrder(view);
  std::set<int> away;
  for (const auto& [pile, position] : order) away.insert(view.CardAt(pile, position));
  painter_->SetAway(away);
  painter_->DrawTable();
  update();
  const QPoint origin = DealOrigin();
  flights_->SetDeck(painter_->CardPicture(-1, false), origin);
  dealing_ = TWindowSettings(session_->state).ShuffleSound();
  if (dealing_) session_->state.screen.PlaySound("Shuffle", true);
  const QPoint start = origin + QPoint(geometry.CardWidth() / 7, geometry.CardHeight() / 7);
  const int delay = StepDelay() / 4;
  // The first card leaves once the deck has shown for a moment.
  int lead = 100;
  for (const auto& [pile, position] : order) {
    const int card = view.CardAt(pile, position);
    if (card <= 0) continue;
    const bool faceUp = !view.IsFaceDown(card);
    TFlight flight{.picture = painter_->CardPicture(card, faceUp),
                   .cards = {card},
                   .lead = lead + 2,
                   .frames = {},
                   .standing = false};
    // A face-up card shows its face on the deck for an instant before it leaves.
    if (faceUp) flight.frames.push_back({origin, 2, 0});
    flight.frames.push_back({start, 1, 0});
    for (const TFlightFrame& frame : fnFlightFrames(start, painter_->CardPlace(pile, position), true, delay, 0)) {
      flight.frames.push_back(frame);
    }
    flights_->Add(std::move(flight));
    lead = 0;
  }
}

}  // namespace tablerun
