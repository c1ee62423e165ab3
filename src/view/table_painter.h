// The table image: background and every pile, drawn off screen so that the
// window only copies from it. A pile is redrawn only when what it shows
// changed, by erasing its area from the clean background and drawing again
// every pile that reaches into that area.
#pragma once

#include <QImage>
#include <QMap>
#include <QRect>
#include <QRegion>
#include <array>
#include <map>
#include <set>
#include <vector>

#include "engine/appearance/table_painting.h"
#include "engine/pointer/pile_geometry.h"
#include "engine/state/tablerun_state.h"

namespace tablerun {

class TAppearance;
class TImageLibrary;

// A rectangle of the layout as Qt draws it.
inline QRect fnQRect(const TRect& rect) {
  return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

class TTablePainter {
 public:
  TTablePainter(TTablerunState& state, TAppearance& appearance, const TImageLibrary& library)
      : state_(state), appearance_(appearance), library_(library) {}

  // The clean background, at `size` pixels (the table may be larger than
  // the picture: the cloth fills the rest) and `ratio` device pixels per pixel.
  void SetBackground(const QImage& picture, const QColor& cloth, QSize size, qreal ratio);
  const QImage& Table() const { return table_; }
  bool IsReady() const { return !table_.isNull(); }

  void SetJitter(const TJitterTable& jitter) { jitter_ = jitter; }
  // Whether the undo log holds a Draw (it changes one stock mark).
  void SetDrawUsed(bool used) { drawUsed_ = used; }
  // Cards from `position` up are left out of `pile` (a lifted group, cards
  // still to be dealt, cards on their way).
  void Hide(TPileRef pile, int position) { hidden_[Key(pile)] = position; }
  void ShowAll() { hidden_.clear(); }
  // Cards on their way, left out wherever they lie until they land.
  void SetAway(std::set<int> cards) { away_ = std::move(cards); }

  // Everything again, after a new card set or a new game: the whole table.
  QRect DrawTable();
  // The background alone, as after a game was given up.
  void ClearTable();
  // The piles that show something else than when they were drawn; the area repainted.
  QRegion RedrawChangedPiles();
  // Erases the area and draws the piles that reach into it.
  void Repaint(const QRect& area);
  // A card (or a back for -1) drawn over the table at `at`.
  void DrawCardAt(int card, QPoint at);

  // Where the card at `position` of `pile` is drawn, jitter included.
  QPoint CardPlace(TPileRef pile, int position) const;
  // The cards of `pile` from `position` up, as they lie on one another;
  // a card-sized back for a negative position.
  QImage CardsPicture(TPileRef pile, int position) const;
  QImage CardPicture(int card, bool faceUp) const;
  TPileGeometry Geometry() const { return fnPileGeometry(state_); }
  // The bottom of the lowest pile drawn, in table pixels.
  int LowestDrawn() const;
  // The right edge of the rightmost pile drawn, in table pixels.
  int RightmostDrawn() const;
  // What the piles drawn cover, in table pixels.
  QRect DrawnArea() const;
  qreal Ratio() const { return table_.devicePixelRatio(); }

 private:
  // What a pile showed when it was last drawn: cards with face down as negative codes,
  // and its mark.
  struct TDrawn {
    std::vector<int> cards;
    TEmptyMark mark;
    bool highlighted = false;
    QRect area;
    friend bool operator==(const TDrawn&, const TDrawn&) = default;
  };

  static int Key(TPileRef pile) { return static_cast<int>(pile.group) * 64 + pile.entry; }
  // Every pile on the table in drawing order.
  std::vector<TPileRef> Piles(const TPileGeometry& geometry) const;
  TDrawn Showing(const TPileGeometry& geometry, TPileRef pile) const;
  void DrawPile(QPainter& painter, const TPileGeometry& geometry, TPileRef pile, const TDrawn& showing);
  // Draws the depth edges of a stacked pile; the top card's place.
  QPoint DrawPileDepth(QPainter& painter, QPoint home, int cards, int maximum) const;
  void DrawEmptyMark(QPainter& painter, const TEmptyMark& mark, QPoint at);
  void DrawCard(QPainter& painter, int card, bool faceUp, QPoint at) const;
  void HighlightFoundation(QPainter& painter, const QRect& card) const;
  bool Stacked(TPileRef pile) const;
  // CardPlace of every position of the pile, found in one pass.
  std::vector<QPoint> CardPlaces(TPileRef pile) const;
  QPoint PlaceOn(TPileRef pile, int position, const TRect& rect) const;
  bool FaceDownOnTop(TPileRef pile) const;
  const QImage& Mark(const QString& name);

  TTablerunState& state_;
  TAppearance& appearance_;
  const TImageLibrary& library_;
  QImage table_;
  QImage clean_;
  TJitterTable jitter_;
  bool drawUsed_ = false;
  std::map<int, int> hidden_;
  std::set<int> away_;
  std::map<int, TDrawn> drawn_;
  QMap<QString, QImage> marks_;
};

}  // namespace tablerun
