#include "view/card_flights.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "engine/appearance/table_painting.h"
#include "view/appearance.h"

namespace tablerun {
namespace {

// Milliseconds between two pictures of the main screen.
qint64 fnRefreshInterval() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const qreal rate = screen ? screen->refreshRate() : 0;
  return rate >= 30 ? static_cast<qint64>(1000 / rate) : 16;
}

}  // namespace

std::vector<TFlightFrame> fnFlightFrames(QPoint from, QPoint to, bool fast, int delay, int raise) {
  const QPoint end = to - QPoint(raise, raise);
  std::vector<TFlightFrame> frames;
  for (const TPoint step : fnFlightPath({from.x(), from.y()}, {end.x(), end.y()}, fast)) {
    frames.push_back({QPoint(step.x, step.y), delay, 0});
  }
  if (raise > 0) frames.push_back({end, 2 * delay, raise});
  return frames;
}

TCardFlights::TCardFlights(const TAppearance& appearance, QObject* parent) : QObject(parent), appearance_(appearance) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &TCardFlights::Advance);
}

void TCardFlights::Add(TFlight flight) {
  if (flight.frames.empty()) flight.frames.push_back({QPoint(), 0, 0});
  const bool first = queue_.empty();
  queue_.push_back(std::move(flight));
  if (!first) {
    emit repaint(StandingArea(queue_.size() - 1));
    return;
  }
  clock_.restart();
  started_ = false;
  due_ = queue_.front().lead;
  emit repaint(StandingArea(0));
  Advance();
}

void TCardFlights::Advance() {
  const qint64 now = clock_.elapsed();
  bool show = false;
  // Frames that are overdue are skipped, so the flights take what their
  // frames say however long a repaint takes.
  while (!queue_.empty() && due_ <= now) {
    if (!started_) {
      started_ = true;
      frame_ = 0;
    } else if (++frame_ == queue_.front().frames.size()) {
      Land();
      continue;
    }
    due_ += queue_.front().frames[frame_].wait;
    show = true;
  }
  if (queue_.empty()) return;
  qint64 next = due_;
  // A flight that landed may leave the next one still waiting through its lead.
  if (show && started_) {
    const TFlight& head = queue_.front();
    const TFlightFrame& frame = head.frames[frame_];
    const bool reshow = !moving_.Visible() || frame_ == 0 || head.frames[frame_ - 1].shadow != frame.shadow;
    emit repaint(reshow ? moving_.Show(head.picture, frame.at, frame.shadow, appearance_.Images())
                        : moving_.MoveTo(frame.at));
    // Frames due before the screen next refreshes would be painted for no one
    // to see: they are skipped, and the flights still take what they say.
    next = std::max(next, now + fnRefreshInterval());
  }
  timer_.start(static_cast<int>(std::max<qint64>(next - now, 0)));
}

void TCardFlights::Land() {
  emit repaint(moving_.Hide());
  queue_.pop_front();
  started_ = false;
  if (!queue_.empty()) due_ += queue_.front().lead;
  emit landed();
  if (!queue_.empty()) return;
  emit repaint(DeckArea());
  deck_ = QImage();
  emit settled();
}

void TCardFlights::Finish() {
  if (queue_.empty()) return;
  timer_.stop();
  const QRegion area = moving_.Hide() + StandingArea(0) + DeckArea();
  queue_.clear();
  started_ = false;
  deck_ = QImage();
  emit repaint(area);
  emit landed();
  emit settled();
}

std::set<int> TCardFlights::Away() const {
  std::set<int> away;
  for (const TFlight& flight : queue_) away.insert(flight.cards.begin(), flight.cards.end());
  return away;
}

void TCardFlights::SetDeck(const QImage& picture, QPoint at) {
  deck_ = picture;
  deckAt_ = at;
  emit repaint(DeckArea());
}

QRect TCardFlights::DeckArea() const {
  return deck_.isNull() ? QRect() : QRect(deckAt_, deck_.deviceIndependentSize().toSize());
}

QRegion TCardFlights::StandingArea(std::size_t from) const {
  QRegion area;
  for (std::size_t i = from; i < queue_.size(); ++i) {
    const TFlight& flight = queue_[i];
    if (flight.standing) area += QRect(flight.frames.front().at, flight.picture.deviceIndependentSize().toSize());
  }
  return area;
}

void TCardFlights::Paint(QPainter& painter) const {
  if (!deck_.isNull()) painter.drawImage(deckAt_, deck_);
  // A card that flies twice stands only where its first flight starts.
  std::set<int> seen;
  std::vector<bool> stands(queue_.size(), false);
  for (std::size_t i = 0; i < queue_.size(); ++i) {
    const TFlight& flight = queue_[i];
    const bool flownBefore =
        std::any_of(flight.cards.begin(), flight.cards.end(), [&](int card) { return seen.count(card) != 0; });
    seen.insert(flight.cards.begin(), flight.cards.end());
    stands[i] = flight.standing && !flownBefore && !(i == 0 && started_);
  }
  // Later flights first: automatic moves take a pile's cards from the top down.
  for (std::size_t i = queue_.size(); i-- > 0;) {
    if (stands[i]) painter.drawImage(queue_[i].frames.front().at, queue_[i].picture);
  }
  moving_.Paint(painter);
}

}  // namespace tablerun
