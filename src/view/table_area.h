// The table: the green cloth the cards are dealt on. It shows the table image
// the painter keeps, the cards the player holds and the cards in flight, and
// hands the mouse to pointer input.
#pragma once

#include <QColor>
#include <QCursor>
#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "model/pile_names.h"
#include "view/moving_picture.h"

namespace tablerun {

class TAppearance;
class TCardFlights;
class TImageLibrary;
class TPlaySession;
class TTablePainter;

class C_TTableArea final : public QWidget {
  Q_OBJECT
 public:
  explicit C_TTableArea(QWidget* parent = nullptr);
  ~C_TTableArea() override;

  // The game the table shows and plays; set once, before the first deal.
  void Attach(TPlaySession& session, TAppearance& appearance, const TImageLibrary& library);
  // Draws the table as dealt, card by card when `animate`.
  void DealTable(bool animate);
  // Draws every pile again: after a loaded game, a new layout or a new card set.
  void RedrawTable();
  // Every card on its way lands at once: a command sees a settled table.
  void FinishFlights();
  bool Flying() const;
  // The table's pointer, and the one shown while cards are held.
  void SetCursors(const QCursor& normal, const QCursor& holding);
  // A click just inside the stock's home place (the Space key).
  void ClickStock();
  // Only the background, while no game is on the table (one was given up).
  void SetBare(bool bare);
  // Draws again only the piles that changed since they were drawn.
  void RedrawChangedPiles();
  // Play changed the table: the piles are drawn again, and the window hears
  // of it once the pointer event that caused it ends.
  void PlayChanged();
  // The executor put `card`, with the cards that lay above it at `position`
  // of `from`, on `to`: the cards fly there.
  void ShowCardsMoved(int card, TPileRef from, int position, TPileRef to);

  void SetCloth(const QColor& colour);
  QColor Cloth() const { return cloth_; }
  // The painted background (picture or faded colour), shown from the top-left corner over the cloth.
  void SetBackground(const QImage& background);
  // Paints the background again for a table grown taller than it.
  using TBackgroundSource = std::function<QImage(QSize)>;
  void SetBackgroundSource(TBackgroundSource source) { backgroundSource_ = std::move(source); }
  // The bottom of the lowest pile on the table, in table pixels.
  int LowestDrawn() const;
  // The right edge of the rightmost pile on the table, in table pixels.
  int RightmostDrawn() const;
  // Background and cards as the window shows them; null before the first deal.
  QImage TableImage() const;

 signals:
  // Play changed the table (a move, a stock press, automatic moves): menus and panels follow.
  void tableChanged();
  // The pointer moved over the table, a button held or not.
  void pointerMoved(QPoint at);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  struct TOverlay {
    int card = 0;
    QImage picture;
    QPoint at;
  };

  struct TPress {
    Qt::MouseButton button = Qt::NoButton;
    quint64 timestamp = 0;
    QPoint at;
  };

  bool SecondPressOfDoubleClick(const QMouseEvent& event);
  void imgSfondoMouseDown(const QMouseEvent& event);
  void imgSfondoMouseMove(const QMouseEvent& event);
  void imgSfondoMouseUp(const QMouseEvent& event);
  void imgSfondoDblClick(const QMouseEvent& event);
  // Input waits for a table to play on; a press first lands the cards in flight.
  bool Refused(bool press);
  // Draws what pointer input reports after each event; tells the window when
  // play changed the table (the undo history held `stepsBefore` steps).
  void FollowPointer(int stepsBefore);
  int PlaySteps() const;
  void FollowOverlay(TOverlay& overlay, int card, bool inverted);
  void PutDown();
  // The cards away in flights are left out of their piles until they land.
  void FollowFlights();
  // Creates the table image on first use and when the window outgrows it.
  bool EnsurePainter();
  // The whole table image again: every pile, or the bare background.
  void DrawWhole();
  QPoint HeldPlace() const;
  int ShadowDepth() const;
  bool Animate() const;

  // card_flight.cpp: flights and the deal.
  // `cards` fly as `picture`; `standing` keeps them where they start while
  // earlier flights end.
  void Fly(const QImage& picture, std::vector<int> cards, QPoint from, QPoint to, bool standing);
  int StepDelay() const;
  void DealCardByCard();
  QPoint DealOrigin() const;

  TPlaySession* session_ = nullptr;
  TAppearance* appearance_ = nullptr;
  const TImageLibrary* library_ = nullptr;
  QColor cloth_;
  QCursor cursor_, holdingCursor_;
  QImage background_;
  TBackgroundSource backgroundSource_;
  // The size the background was painted for; the table is never smaller.
  QSize baseSize_;
  std::unique_ptr<TTablePainter> painter_;
  std::unique_ptr<TCardFlights> flights_;
  // The held cards.
  TMovingPicture moving_;
  TOverlay revealed_;
  TOverlay selected_;
  int heldCard_ = 0;
  // The held cards already flew to where the drop put them.
  bool heldFlown_ = false;
  // The shuffle sound plays until the dealt cards land.
  bool dealing_ = false;
  bool changed_ = false;
  bool bare_ = false;
  TPress lastPress_;
};

// A colour as the preference store keeps it: 0x00BBGGRR.
QColor fnColourFromStore(int stored);

}  // namespace tablerun
