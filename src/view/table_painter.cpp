#include "view/table_painter.h"

#include <QPainter>
#include <algorithm>

#include "engine/appearance/card_appearance.h"
#include "engine/appearance/pile_looks.h"
#include "view/appearance.h"

namespace tablerun {
namespace {

// Room for the depth edges up and left of a stacked pile's home.
constexpr int kDepthRoom = 15;
// Room for the jitter beside a fanned pile.
constexpr int kJitterRoom = 3;

QRect fnDevice(const QRect& rect, qreal ratio) {
  return QRect(qRound(rect.x() * ratio), qRound(rect.y() * ratio), qRound(rect.width() * ratio),
               qRound(rect.height() * ratio));
}

QImage fnBlank(QSize size, qreal ratio, QImage::Format format) {
  QImage image(size * ratio, format);
  image.setDevicePixelRatio(ratio);
  return image;
}

QColor fnHighlightColour(int index) {
  static constexpr QRgb kColours[] = {qRgb(0, 0, 0),       qRgb(0, 0, 255),   qRgb(0, 255, 255),   qRgb(0, 255, 0),
                                      qRgb(255, 186, 220), qRgb(255, 70, 70), qRgb(255, 255, 128), qRgb(0, 0, 160),
                                      qRgb(0, 128, 128),   qRgb(0, 128, 64),  qRgb(255, 128, 255), qRgb(128, 0, 64),
                                      qRgb(128, 128, 0),   qRgb(128, 0, 0),   qRgb(192, 192, 192)};
  return QColor(kColours[std::clamp(index, 0, 14)]);
}

Qt::BrushStyle fnHighlightPattern(int style) {
  switch (style) {
    case 1: return Qt::Dense4Pattern;
    case 2: return Qt::SolidPattern;
    case 3: return Qt::BDiagPattern;
    case 4: return Qt::CrossPattern;
    case 5: return Qt::DiagCrossPattern;
    default: return Qt::NoBrush;
  }
}

}  // namespace

void TTablePainter::SetBackground(const QImage& picture, const QColor& cloth, QSize size, qreal ratio) {
  if (picture.size() == size * ratio && picture.devicePixelRatio() == ratio &&
      picture.format() == QImage::Format_RGB32) {
    clean_ = picture;  // shared, not copied: the table image detaches at its first drawing
  } else {
    clean_ = fnBlank(size, ratio, QImage::Format_RGB32);
    clean_.fill(cloth);
    if (!picture.isNull()) {
      QPainter painter(&clean_);
      painter.setRenderHint(QPainter::SmoothPixmapTransform);
      painter.drawImage(QPoint(0, 0), picture);
    }
  }
  table_ = clean_;
  drawn_.clear();
}

std::vector<TPileRef> TTablePainter::Piles(const TPileGeometry& geometry) const {
  std::vector<TPileRef> piles;
  const auto add = [&](TPileGroup group, int count) {
    for (int i = 0; i < count; ++i) {
      if (geometry.OnTable({group, i})) piles.push_back({group, i});
    }
  };
  add(TPileGroup::Mazzo, 3);
  add(TPileGroup::Dest, 16);
  add(TPileGroup::Fila, 40);
  add(TPileGroup::Appogg, 12);
  return piles;
}

bool TTablePainter::Stacked(TPileRef pile) const {
  if (pile.group == TPileGroup::Mazzo) return true;
  if (pile.group != TPileGroup::Dest) return false;
  const TPileGeometry geometry = Geometry();
  return geometry.CardRect(pile, 1) == geometry.CardRect(pile, 0);
}

bool TTablePainter::FaceDownOnTop(TPileRef pile) const {
  return pile.group == TPileGroup::Mazzo && fnStockPileFaceDown(state_.rules, pile.entry);
}

TTablePainter::TDrawn TTablePainter::Showing(const TPileGeometry& geometry, TPileRef pile) const {
  const TTableView& view = geometry.View();
  TDrawn showing;
  int count = view.Count(pile);
  if (const auto hidden = hidden_.find(Key(pile)); hidden != hidden_.end()) count = std::min(count, hidden->second);
  const bool stacked = Stacked(pile);
  // Cards away leave a pile as it was before they came: a stacked pile shows
  // the card below, a fanned one an empty place where a card lies over them.
  std::size_t present = 0;
  for (int position = 0; position < count; ++position) {
    int card = view.CardAt(pile, position);
    if (away_.count(card) != 0) {
      if (stacked) continue;
      card = 0;
    } else {
      present = showing.cards.size() + 1;
    }
    const bool down = pile.group == TPileGroup::Mazzo ? FaceDownOnTop(pile) : card > 0 && view.IsFaceDown(card);
    showing.cards.push_back(down ? -card : card);
  }
  showing.cards.resize(present);
  count = static_cast<int>(present);
  if (count == 0) showing.mark = fnEmptyMark(state_, pile, drawUsed_);
  showing.highlighted =
      pile.group == TPileGroup::Dest && count == view.Count(pile) && fnFoundationHighlighted(state_, view, pile.entry);
  if (stacked) {
    showing.area = fnQRect(geometry.CardRect(pile, 0)).adjusted(-kDepthRoom, -kDepthRoom, 0, 0);
  } else {
    QRect area = fnQRect(geometry.CardRect(pile, 0));
    const std::vector<TRect> rects = geometry.CardRects(pile);
    for (int position = 1; position < count; ++position) area |= fnQRect(rects[static_cast<std::size_t>(position)]);
    showing.area = area.adjusted(-kJitterRoom, 0, kJitterRoom, 0);
  }
  return showing;
}

QRect TTablePainter::DrawTable() {
  drawn_.clear();
  marks_.clear();
  const QRect whole(QPoint(0, 0), table_.deviceIndependentSize().toSize());
  Repaint(whole);
  return whole;
}

void TTablePainter::ClearTable() {
  drawn_.clear();
  table_ = clean_;
}

QRegion TTablePainter::RedrawChangedPiles() {
  QRegion dirty;
  if (!IsReady()) return dirty;
  const TPileGeometry geometry = Geometry();
  std::map<int, TDrawn> gone = drawn_;
  for (const TPileRef pile : Piles(geometry)) {
    const TDrawn showing = Showing(geometry, pile);
    const auto drawn = drawn_.find(Key(pile));
    gone.erase(Key(pile));
    if (drawn == drawn_.end()) {
      dirty += showing.area;
    } else if (!(drawn->second == showing)) {
      dirty += showing.area.united(drawn->second.area);
    }
  }
  // Piles of an earlier game that this one does not have.
  for (const auto& [key, drawn] : gone) {
    dirty += drawn.area;
    drawn_.erase(key);
  }
  for (const QRect& area : dirty) Repaint(area);
  return dirty;
}

int TTablePainter::LowestDrawn() const {
  int lowest = 0;
  for (const auto& [key, drawn] : drawn_) lowest = std::max(lowest, drawn.area.bottom() + 1);
  return lowest;
}

int TTablePainter::RightmostDrawn() const {
  int rightmost = 0;
  for (const auto& [key, drawn] : drawn_) rightmost = std::max(rightmost, drawn.area.right() + 1);
  return rightmost;
}

QRect TTablePainter::DrawnArea() const {
  QRect area;
  for (const auto& [key, drawn] : drawn_) area |= drawn.area;
  return area;
}

void TTablePainter::Repaint(const QRect& area) {
  const TPileGeometry geometry = Geometry();
  QPainter painter(&table_);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, Ratio() != 1.0);
  painter.setClipRect(area);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(area, clean_, fnDevice(area, Ratio()));
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  std::vector<std::pair<TPileRef, TDrawn>> fanned;
  for (const TPileRef pile : Piles(geometry)) {
    TDrawn showing = Showing(geometry, pile);
    if (!showing.area.intersects(area)) continue;
    if (pile.group == TPileGroup::Fila || pile.group == TPileGroup::Appogg) {
      // Every mark of an empty pile lies under the cards of the others.
      if (showing.cards.empty()) DrawEmptyMark(painter, showing.mark, fnQRect(geometry.CardRect(pile, 0)).topLeft());
      fanned.emplace_back(pile, showing);
    } else {
      DrawPile(painter, geometry, pile, showing);
    }
    drawn_[Key(pile)] = std::move(showing);
  }
  for (const auto& [pile, showing] : fanned) DrawPile(painter, geometry, pile, showing);
}

void TTablePainter::DrawPile(QPainter& painter, const TPileGeometry& geometry, TPileRef pile, const TDrawn& showing) {
  const QPoint home = fnQRect(geometry.CardRect(pile, 0)).topLeft();
  const int count = static_cast<int>(showing.cards.size());
  if (count == 0) {
    if (pile.group == TPileGroup::Mazzo || pile.group == TPileGroup::Dest) DrawEmptyMark(painter, showing.mark, home);
    return;
  }
  QRect top;
  if (Stacked(pile)) {
    const bool flat = pile.group == TPileGroup::Dest && fnFoundationsFlat(state_.rules);
    const int maximum = pile.group == TPileGroup::Dest ? kFoundationDepthMax : kStockDepthMax;
    const QPoint at = flat ? home : DrawPileDepth(painter, home, count, maximum);
    DrawCard(painter, std::abs(showing.cards.back()), showing.cards.back() > 0, at);
    top = QRect(at, QSize(geometry.CardWidth(), geometry.CardHeight()));
  } else {
    const std::vector<QPoint> places = CardPlaces(pile);
    for (int position = 0; position < count; ++position) {
      const int card = showing.cards[static_cast<std::size_t>(position)];
      top = QRect(places[static_cast<std::size_t>(position)], QSize(geometry.CardWidth(), geometry.CardHeight()));
      if (card != 0) DrawCard(painter, std::abs(card), card > 0, top.topLeft());
    }
  }
  if (showing.highlighted) HighlightFoundation(painter, top);
}

QPoint TTablePainter::DrawPileDepth(QPainter& painter, QPoint home, int cards, int maximum) const {
  const int depth = fnPileDepth(cards, maximum);
  if (depth == 0) return home;
  const TCardImages& images = appearance_.Images();
  const int w = images.CardSize().width(), h = images.CardSize().height();
  // Row (column) 15 - d of the border pieces shows the edges of d cards.
  painter.drawImage(QPoint(home.x() - 13, home.y() + h - depth - 1), images.Border(2),
                    QRect(0, kDepthRoom - depth, w + 11, depth + 1));
  painter.drawImage(QPoint(home.x() + w - depth - 1, home.y() - 13), images.Border(1),
                    QRect(kDepthRoom - depth, 0, depth + 1, h + 13));
  return home - QPoint(depth, depth);
}

void TTablePainter::DrawEmptyMark(QPainter& painter, const TEmptyMark& mark, QPoint at) {
  switch (mark.kind) {
    case TEmptyMark::TKind::None:
    case TEmptyMark::TKind::Background: return;
    case TEmptyMark::TKind::Mark: painter.drawImage(at, Mark(QString::fromStdString(mark.name))); return;
    case TEmptyMark::TKind::Picture:
      painter.drawImage(
          at, Mark("W" + QString(QChar::fromLatin1(fnCardChoice(state_).size)) + QString::fromStdString(mark.name)));
      return;
  }
}

const QImage& TTablePainter::Mark(const QString& name) {
  auto found = marks_.find(name);
  if (found != marks_.end()) return *found;
  QImage mark;
  // A picture named by its resource, or a mark of the mark table.
  const bool loaded =
      name.startsWith('W') && name.size() == 5 ? library_.LoadNamedImage(mark, name) : appearance_.LoadMark(mark, name);
  if (!loaded) mark = QImage();
  return *marks_.insert(name, mark);
}

void TTablePainter::DrawCard(QPainter& painter, int card, bool faceUp, QPoint at) const {
  const TCardImages& images = appearance_.Images();
  // On a screen of more pixels than the layout's, the sharper face where there is one.
  const bool sharp = faceUp && Ratio() > 1.0 && !images.SharpFace(card).isNull();
  const QImage& picture = sharp ? images.SharpFace(card) : faceUp ? images.Face(card) : images.Back();
  if (picture.isNull()) return;
  painter.drawImage(QRect(at, images.CardSize()), picture);
}

void TTablePainter::DrawCardAt(int card, QPoint at) {
  QPainter painter(&table_);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, Ratio() != 1.0);
  DrawCard(painter, card, card > 0, at);
}

void TTablePainter::HighlightFoundation(QPainter& painter, const QRect& card) const {
  const TFoundationHighlight highlight = fnFoundationHighlight(state_);
  painter.fillRect(card.adjusted(1, 1, -1, -1),
                   QBrush(fnHighlightColour(highlight.colour), fnHighlightPattern(highlight.style)));
}

QPoint TTablePainter::CardPlace(TPileRef pile, int position) const {
  return PlaceOn(pile, position, Geometry().CardRect(pile, position));
}

std::vector<QPoint> TTablePainter::CardPlaces(TPileRef pile) const {
  std::vector<QPoint> places;
  int position = 0;
  for (const TRect& rect : Geometry().CardRects(pile)) places.push_back(PlaceOn(pile, position++, rect));
  return places;
}

QPoint TTablePainter::PlaceOn(TPileRef pile, int position, const TRect& rect) const {
  const QPoint home = fnQRect(rect).topLeft();
  if (Stacked(pile)) {
    const bool flat = pile.group == TPileGroup::Dest && fnFoundationsFlat(state_.rules);
    const int depth =
        flat ? 0 : fnPileDepth(position + 1, pile.group == TPileGroup::Dest ? kFoundationDepthMax : kStockDepthMax);
    return home - QPoint(depth, depth);
  }
  const bool irregular = pile.group == TPileGroup::Fila && fnIrregularTableau(state_);
  return irregular ? home + QPoint(jitter_.Shift(pile.entry, position), 0) : home;
}

QImage TTablePainter::CardPicture(int card, bool faceUp) const {
  const QSize size = appearance_.Images().CardSize();
  QImage picture = fnBlank(size, Ratio(), QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, Ratio() != 1.0);
  DrawCard(painter, card, faceUp, QPoint(0, 0));
  return picture;
}

QImage TTablePainter::CardsPicture(TPileRef pile, int position) const {
  const TPileGeometry geometry = Geometry();
  const TTableView& view = geometry.View();
  const int count = view.Count(pile);
  if (position < 0 || position >= count) return CardPicture(-1, false);
  const std::vector<QPoint> places = CardPlaces(pile);
  const auto place = [&](int at) { return places[static_cast<std::size_t>(at)]; };
  QRect area(place(position), appearance_.Images().CardSize());
  for (int at = position; at < count; ++at) area |= QRect(place(at), appearance_.Images().CardSize());
  QImage picture = fnBlank(area.size(), Ratio(), QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, Ratio() != 1.0);
  for (int at = position; at < count; ++at) {
    const int card = view.CardAt(pile, at);
    const bool down = pile.group == TPileGroup::Mazzo ? FaceDownOnTop(pile) : card > 0 && view.IsFaceDown(card);
    if (card > 0) DrawCard(painter, card, !down, place(at) - area.topLeft());
  }
  return picture;
}

}  // namespace tablerun
