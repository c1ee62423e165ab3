// Cards on their way to their piles, one flight after another, driven by the
// event loop. The core's table already holds the cards where they land, so
// only the picture catches up; a command first makes every card land.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QRegion>
#include <QTimer>
#include <deque>
#include <set>
#include <vector>

#include "view/moving_picture.h"

namespace tablerun {

class TAppearance;

// One place of a flight's picture, shown for `wait` milliseconds, with a
// shadow `shadow` pixels deep.
struct TFlightFrame {
  QPoint at;
  int wait = 0;
  int shadow = 0;
};

struct TFlight {
  QImage picture;
  // Left out of their piles' picture until the flight lands.
  std::vector<int> cards;
  // Milliseconds before the picture shows.
  int lead = 0;
  std::vector<TFlightFrame> frames;
  // While it waits its turn the picture stands where it starts, as the cards
  // stood before they left.
  bool standing = false;
};

// The frames of a flight from `from` to `to`, `delay` milliseconds a step;
// a lifted flight arrives `raise` pixels up and left of its place, its shadow
// showing, and then drops.
std::vector<TFlightFrame> fnFlightFrames(QPoint from, QPoint to, bool fast, int delay, int raise);

class TCardFlights final : public QObject {
  Q_OBJECT
 public:
  explicit TCardFlights(const TAppearance& appearance, QObject* parent = nullptr);

  void Add(TFlight flight);
  // Every flight lands at once.
  void Finish();
  bool Flying() const { return !queue_.empty(); }
  // The cards of the flights under way and waiting.
  std::set<int> Away() const;
  // The deck the cards leave from, shown until the last flight lands.
  void SetDeck(const QImage& picture, QPoint at);
  void Paint(QPainter& painter) const;

 signals:
  void repaint(const QRegion& area);
  // A flight's cards reached their pile.
  void landed();
  // The last flight landed.
  void settled();

 private:
  // Shows the frame due now and waits for the next.
  void Advance();
  // The head flight landed: the next one starts.
  void Land();
  QRegion StandingArea(std::size_t from) const;
  QRect DeckArea() const;

  const TAppearance& appearance_;
  std::deque<TFlight> queue_;
  TMovingPicture moving_;
  QImage deck_;
  QPoint deckAt_;
  // The head flight's clock: its frame `frame_` ends at `due_`.
  QElapsedTimer clock_;
  std::size_t frame_ = 0;
  qint64 due_ = 0;
  bool started_ = false;
  QTimer timer_;
};

}  // namespace tablerun
