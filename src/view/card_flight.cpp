// Cards in flight: a move's cards on their way to a pile, and the deal, card
// by card from the pile the cards come from.
#include <algorithm>
#include <cstdlib>
#include <set>

#include "engine/appearance/table_painting.h"
#include "engine/session/play_session.h"
#include "view/appearance.h"
#include "view/card_flights.h"
#include "view/table_area.h"
#include "view/table_painter.h"

namespace tablerun {

int C_TTableArea::StepDelay() const {
  return std::max(std::atoi(session_->state.config.Read(cfg::kCardSpeed).c_str()), 0);
}

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
  const TPileGeometry geometry = painter_->Geometry();
  const TTableView& view = geometry.View();
  const auto home = [&](TPileRef pile) { return fnQRect(geometry.CardRect(pile, 0)).topLeft(); };
  if (geometry.OnTable(kMazzo) && !(view.IsEmpty(kMazzo) && !view.IsEmpty(kMazzoVis))) return home(kMazzo);
  if (geometry.OnTable(kMazzoVis)) return home(kMazzoVis);
  if (geometry.OnTable(fnAppogg(0)) && view.Count(fnAppogg(0)) <= 1) return home(fnAppogg(0));
  if (geometry.OnTable(kMazzoWaste)) return home(kMazzoWaste);
  if (geometry.OnTable(fnDest(0))) return home(fnDest(0));
  const int family = view.Rule(rule::kFamily);
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
  if (view.Rule(rule::kPileDealAndMaxScore) != 0) {
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
  std::set<int> away;
  for (const auto& [pile, position] : order) away.insert(view.CardAt(pile, position));
  painter_->SetAway(away);
  painter_->DrawTable();
  update();
  const QPoint origin = DealOrigin();
  flights_->SetDeck(painter_->CardPicture(-1, false), origin);
  dealing_ = session_->state.config.IsYes(cfg::kSoundShuffle);
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
