#include "view/table_area.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleHints>

#include "engine/session/play_session.h"
#include "engine/session/window_settings.h"
#include "view/appearance.h"
#include "view/card_flights.h"
#include "view/table_painter.h"

namespace tablerun {
namespace {

constexpr int kShadowDepth = 9;

TMouseButton fnButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::RightButton: return TMouseButton::Right;
    case Qt::MiddleButton: return TMouseButton::Middle;
    default: return TMouseButton::Left;
  }
}

QPoint fnPoint(const QMouseEvent& event) { return event.position().toPoint(); }

}  // namespace

C_TTableArea::C_TTableArea(QWidget* parent) : QWidget(parent), cloth_(fnColourFromStore(0x008000)) {
  setObjectName("imgSfondo");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);  // the status bar tells about the pile under the pointer
}

C_TTableArea::~C_TTableArea() = default;

void C_TTableArea::Attach(TPlaySession& session, TAppearance& appearance, const TImageLibrary& library) {
  session_ = &session;
  appearance_ = &appearance;
  library_ = &library;
  painter_ = std::make_unique<TTablePainter>(session.state, appearance, library);
  flights_ = std::make_unique<TCardFlights>(appearance);
  // One rectangle is copied straight from the table's picture, where a region
  // of several would be blended line by line on helper threads.
  connect(flights_.get(), &TCardFlights::repaint, this, [this](const QRegion& area) { update(area.boundingRect()); });
  connect(flights_.get(), &TCardFlights::landed, this, &C_TTableArea::FollowFlights);
  connect(flights_.get(), &TCardFlights::settled, this, [this] {
    if (dealing_) session_->state.screen.StopSound();
    dealing_ = false;
  });
}

void C_TTableArea::FinishFlights() {
  if (flights_) flights_->Finish();
}

bool C_TTableArea::Flying() const { return flights_ && flights_->Flying(); }

void C_TTableArea::FollowFlights() {
  painter_->SetAway(flights_->Away());
  RedrawChangedPiles();
}

bool C_TTableArea::EnsurePainter() {
  if (!painter_) return false;
  QSize size = baseSize_.expandedTo(this->size());
  if (backgroundSource_ && background_.size() != size) background_ = backgroundSource_(size);
  size = size.expandedTo(background_.size());
  const qreal ratio = devicePixelRatioF();
  if (!painter_->IsReady() || painter_->Ratio() != ratio ||
      painter_->Table().deviceIndependentSize().toSize() != size) {
    painter_->SetBackground(background_, cloth_, size, ratio);
    DrawWhole();
  }
  return true;
}

void C_TTableArea::DrawWhole() {
  if (bare_)
    painter_->ClearTable();
  else
    painter_->DrawTable();
}

void C_TTableArea::SetBare(bool bare) {
  if (bare_ == bare) return;
  bare_ = bare;
  if (painter_ && painter_->IsReady()) DrawWhole();
  update();
}

void C_TTableArea::DealTable(bool animate) {
  bare_ = false;
  FinishFlights();
  if (!EnsurePainter()) return update();
  moving_.Hide();
  painter_->SetJitter(TJitterTable(session_->state.random));
  painter_->ShowAll();
  const TTableView view(session_->state.table, session_->state.rules, session_->state.cards);
  bool dealt = false;
  for (int i = 0; i < view.TableauPiles() && !dealt; ++i) dealt = !view.IsEmpty(fnFila(i));
  for (int i = 0; i < view.Reserves() && !dealt; ++i) dealt = !view.IsEmpty(fnAppogg(i));
  if (animate && dealt && isVisible()) {
    DealCardByCard();
  } else {
    painter_->DrawTable();
    update();
  }
}

// Held cards and cards in flight stay out of their piles.
void C_TTableArea::RedrawTable() {
  if (!EnsurePainter()) return update();
  DrawWhole();
  update();
}

void C_TTableArea::RedrawChangedPiles() {
  if (!painter_ || !painter_->IsReady()) return;
  painter_->SetDrawUsed(session_->executor.History().undoLog.Count(TEventKind::Draw) > 0);
  update(painter_->RedrawChangedPiles());
}

void C_TTableArea::PlayChanged() {
  RedrawChangedPiles();
  changed_ = true;
}

void C_TTableArea::SetCloth(const QColor& colour) {
  cloth_ = colour;
  if (painter_ && painter_->IsReady()) {
    painter_->SetBackground(background_, cloth_, painter_->Table().deviceIndependentSize().toSize(),
                            devicePixelRatioF());
    DrawWhole();
  }
  update();
}

void C_TTableArea::SetBackground(const QImage& background) {
  background_ = background;
  baseSize_ = background.size();
  if (painter_ && painter_->IsReady()) {
    painter_->SetBackground(background_, cloth_, background_.size().expandedTo(size()), devicePixelRatioF());
    DrawWhole();
  }
  update();
}

int C_TTableArea::LowestDrawn() const { return painter_ && painter_->IsReady() ? painter_->LowestDrawn() : 0; }

int C_TTableArea::RightmostDrawn() const { return painter_ && painter_->IsReady() ? painter_->RightmostDrawn() : 0; }

QImage C_TTableArea::TableImage() const { return painter_ ? painter_->Table() : QImage(); }

void C_TTableArea::paintEvent(QPaintEvent* event) {
  // Moved to a screen of another pixel density: the table is drawn again for it.
  if (painter_ && painter_->IsReady() && painter_->Ratio() != devicePixelRatioF()) EnsurePainter();
  QPainter painter(this);
  const QRect area = event->rect();
  if (!painter_ || !painter_->IsReady()) {
    painter.fillRect(area, cloth_);
    if (!background_.isNull()) painter.drawImage(area.topLeft(), background_, area);
    return;
  }
  const QImage& table = painter_->Table();
  const qreal ratio = table.devicePixelRatio();
  painter.drawImage(area, table,
                    QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio));
  for (const TOverlay* overlay : {&revealed_, &selected_}) {
    if (overlay->card != 0) painter.drawImage(overlay->at, overlay->picture);
  }
  flights_->Paint(painter);
  moving_.Paint(painter);
}

void C_TTableArea::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (painter_ && painter_->IsReady()) EnsurePainter();
}

bool C_TTableArea::Refused(bool press) {
  if (!session_ || !painter_ || !painter_->IsReady()) return true;
  if (press) FinishFlights();
  return false;
}

void C_TTableArea::mousePressEvent(QMouseEvent* event) { imgSfondoMouseDown(*event); }
void C_TTableArea::mouseMoveEvent(QMouseEvent* event) { imgSfondoMouseMove(*event); }
void C_TTableArea::mouseReleaseEvent(QMouseEvent* event) { imgSfondoMouseUp(*event); }
void C_TTableArea::mouseDoubleClickEvent(QMouseEvent* event) { imgSfondoDblClick(*event); }

bool C_TTableArea::SecondPressOfDoubleClick(const QMouseEvent& event) {
  const QPoint at = fnPoint(event);
  const bool second =
      event.button() == lastPress_.button &&
      event.timestamp() - lastPress_.timestamp < static_cast<quint64>(QApplication::doubleClickInterval()) &&
      (at - lastPress_.at).manhattanLength() <= QApplication::styleHints()->mouseDoubleClickDistance();
  // A third press starts a new pair.
  lastPress_ = second ? TPress{} : TPress{event.button(), event.timestamp(), at};
  return second;
}

void C_TTableArea::imgSfondoMouseDown(const QMouseEvent& event) {
  // The double click that follows takes the place of this press.
  if (SecondPressOfDoubleClick(event) || Refused(true)) return;
  const QPoint at = fnPoint(event);
  const int steps = PlaySteps();
  session_->pointer.MouseDown(fnButton(event.button()), event.modifiers().testFlag(Qt::ControlModifier), at.x(),
                              at.y());
  FollowPointer(steps);
}

void C_TTableArea::imgSfondoMouseMove(const QMouseEvent& event) {
  emit pointerMoved(fnPoint(event));
  if (Refused(false)) return;
  const QPoint at = fnPoint(event);
  const int steps = PlaySteps();
  session_->pointer.MouseMove(at.x(), at.y());
  FollowPointer(steps);
}

void C_TTableArea::imgSfondoMouseUp(const QMouseEvent& event) {
  if (Refused(false)) return;
  const QPoint at = fnPoint(event);
  const int steps = PlaySteps();
  session_->pointer.MouseUp(fnButton(event.button()), at.x(), at.y());
  FollowPointer(steps);
}

void C_TTableArea::imgSfondoDblClick(const QMouseEvent& event) {
  if (Refused(true)) return;
  const QPoint at = fnPoint(event);
  const int steps = PlaySteps();
  session_->pointer.DblClick(at.x(), at.y());
  FollowPointer(steps);
}

void C_TTableArea::SetCursors(const QCursor& normal, const QCursor& holding) {
  cursor_ = normal;
  holdingCursor_ = holding;
  setCursor(heldCard_ != 0 ? holdingCursor_ : cursor_);
}

void C_TTableArea::ClickStock() {
  if (Refused(true)) return;
  const TPileGeometry geometry = painter_->Geometry();
  if (!geometry.OnTable(kMazzo)) return;
  const TRect home = geometry.CardRect(kMazzo, 0);
  lastPress_ = {};
  const int steps = PlaySteps();
  session_->pointer.MouseDown(TMouseButton::Left, false, home.left + 1, home.top + 1);
  session_->pointer.MouseUp(TMouseButton::Left, home.left + 1, home.top + 1);
  FollowPointer(steps);
}

int C_TTableArea::ShadowDepth() const { return TWindowSettings(session_->state).MovingShadows() ? kShadowDepth : 0; }

bool C_TTableArea::Animate() const { return TWindowSettings(session_->state).AnimatedMoves(); }

QPoint C_TTableArea::HeldPlace() const {
  const TRect& dragged = session_->pointer.Picture().dragged;
  // Held cards are raised above their shadow.
  const int raise = std::max(ShadowDepth() - 2, 0);
  return QPoint(dragged.left - raise, dragged.top - raise);
}

int C_TTableArea::PlaySteps() const { return session_->executor.History().undo.Size(); }

void C_TTableArea::FollowPointer(int stepsBefore) {
  const TPointerPicture& now = session_->pointer.Picture();
  const TTableView view(session_->state.table, session_->state.rules, session_->state.cards);
  if (now.card != 0 && heldCard_ == 0) {
    const auto place = view.FindCard(now.card);
    if (place) {
      painter_->Hide(place->pile, place->position);
      const QImage cards = painter_->CardsPicture(place->pile, place->position);
      RedrawChangedPiles();
      update(moving_.Show(cards, HeldPlace(), ShadowDepth(), appearance_->Images()));
    }
  } else if (now.card != 0) {
    update(moving_.MoveTo(HeldPlace()));
  } else if (heldCard_ != 0) {
    PutDown();
  }
  if ((heldCard_ != 0) != (now.card != 0)) setCursor(now.card != 0 ? holdingCursor_ : cursor_);
  heldCard_ = now.card;
  FollowOverlay(revealed_, now.revealedCard, false);
  FollowOverlay(selected_, now.selectedCard, true);
  RedrawChangedPiles();
  // Every change of play records an undo snapshot first.
  if (changed_ || PlaySteps() != stepsBefore) emit tableChanged();
  changed_ = false;
}

void C_TTableArea::PutDown() {
  const QImage cards = moving_.Cards();
  const QPoint from = moving_.Place();
  update(moving_.Hide());
  painter_->ShowAll();
  if (heldFlown_ || cards.isNull() || !Animate()) {
    heldFlown_ = false;
    return;
  }
  // Refused: the cards fly back to where they were lifted.
  const TTableView view(session_->state.table, session_->state.rules, session_->state.cards);
  if (const auto place = view.FindCard(heldCard_)) {
    std::vector<int> group;
    for (int at = place->position; at < view.Count(place->pile); ++at) group.push_back(view.CardAt(place->pile, at));
    Fly(cards, std::move(group), from, painter_->CardPlace(place->pile, place->position), false);
  }
}

void C_TTableArea::FollowOverlay(TOverlay& overlay, int card, bool inverted) {
  if (overlay.card == card) return;
  if (overlay.card != 0) update(QRect(overlay.at, overlay.picture.deviceIndependentSize().toSize()));
  overlay = {};
  const TTableView view(session_->state.table, session_->state.rules, session_->state.cards);
  const auto place = card != 0 ? view.FindCard(card) : std::nullopt;
  if (!place) return;
  overlay.card = card;
  overlay.picture = painter_->CardPicture(card, true);
  if (inverted) overlay.picture.invertPixels(QImage::InvertRgb);
  overlay.at = painter_->CardPlace(place->pile, place->position);
  update(QRect(overlay.at, overlay.picture.deviceIndependentSize().toSize()));
}

void C_TTableArea::ShowCardsMoved(int card, TPileRef from, int position, TPileRef to) {
  changed_ = true;
  if (!painter_ || !painter_->IsReady() || session_->state.mainGame.Get(entries::kDealShown) == 0 || !isVisible())
    return;
  // The second waste is no pile a card is searched in: find it by its code.
  const std::string& text = session_->state.table.Pile(to);
  const std::string code = fnCardText(card);
  int arrived = -1;
  for (std::size_t at = 0; at + 3 <= text.size(); at += 3) {
    if (text.compare(at, 3, code) == 0) arrived = static_cast<int>(at / 3);
  }
  if (arrived < 0) return;
  const bool held = card == heldCard_ && moving_.Visible();
  const QImage cards = held ? moving_.Cards() : painter_->CardsPicture(to, arrived);
  const QPoint start = held ? moving_.Place() : painter_->CardPlace(from, position);
  if (held) {
    heldFlown_ = true;
    update(moving_.Hide());
    painter_->ShowAll();
  }
  if (!Animate()) return;
  std::vector<int> group;
  for (std::size_t at = static_cast<std::size_t>(arrived) * 3; at + 3 <= text.size(); at += 3) {
    group.push_back(fnParseCardText(std::string_view(text).substr(at, 3)).value_or(0));
  }
  // Cards taken from a fanned pile stand there while earlier flights end.
  const bool standing = !held && (from.group == TPileGroup::Fila || from.group == TPileGroup::Appogg);
  Fly(cards, std::move(group), start, painter_->CardPlace(to, arrived), standing);
}

QColor fnColourFromStore(int stored) {
  const auto value = static_cast<unsigned>(stored);
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

}  // namespace tablerun
