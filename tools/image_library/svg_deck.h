// One SVG card deck from the Debian card-data packages, rendered card by card
// into card-sized pictures with our own rounded outline.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QSvgRenderer>

namespace tablerun::images {

// Suits in the order of the card codes: hearts, diamonds, clubs, spades.
inline constexpr int kSuitCount = 4;
inline constexpr int kRanksPerSuit = 13;

class TSvgDeck {
 public:
  explicit TSvgDeck(const QString& path);
  bool IsValid() const { return renderer_.isValid(); }

  // Element ids follow one of two naming schemes: "1_heart" / "queen_spade"
  // (KDE decks) or "heart_1" / "spade_queen" (GNOME decks).
  QString FaceId(int suit, int rank) const;
  QString JokerId() const;

  QImage Render(const QString& id, QSize size) const;

 private:
  // Rendering is not const in QtSvg, though it changes nothing we can see.
  mutable QSvgRenderer renderer_;
  bool gnomeNames_ = false;
};

}  // namespace tablerun::images
