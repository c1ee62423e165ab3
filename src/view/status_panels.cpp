#include "view/status_panels.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "engine/session/window_settings.h"
#include "engine/state/tablerun_state.h"
#include "pictures/image_library.h"

namespace tablerun {
namespace {

constexpr std::array<int, kStatusPanelCount + 1> kPanelWidths = {77, 23, 57, 350, 94, 10};
// The widths suit a small 8-point font; with a larger desktop font a panel
// widens so that its longest fixed text still fits.
constexpr std::array<const char*, kStatusPanelCount + 1> kWidestTexts = {
    "Foundation", "40", "208 cards", "", "Unlimited redeals", "",
};
constexpr qint64 kRestMilliseconds = 500;
// The pointer panels keep this far from the window's right and bottom edges.
constexpr int kEdgeMargin = 57;
constexpr int kPanelGap = 5;
constexpr int kTextIndent = 3;
constexpr int kSuitDrop = 2;
constexpr int kSymbolGap = 6;

constexpr std::array<const char*, 4> kSuitPictures = {"SUIT_HEARTS", "SUIT_DIAMONDS", "SUIT_CLUBS", "SUIT_SPADES"};
constexpr std::array<const char*, 4> kSuitMarks = {"[h]", "[d]", "[c]", "[s]"};
constexpr std::array<const char*, 5> kKindWords = {"Stock", "Waste", "Foundation", "Tableau", "Reserve"};
constexpr std::array<const char*, 5> kKindPictures = {"STATUSBAR_STOCK", "STATUSBAR_WASTE", "STATUSBAR_FOUNDATION",
                                                      "STATUSBAR_TABLEAU", "STATUSBAR_RESERVE"};

// A status bar panel whose contents its owner paints.
class TOwnerDrawnPanel final : public QFrame {
 public:
  using TDraw = std::function<void(QPainter&, const QRect&)>;
  TOwnerDrawnPanel(QWidget* parent, TDraw draw) : QFrame(parent), draw_(std::move(draw)) {
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    draw_(painter, contentsRect());
  }

 private:
  TDraw draw_;
};

QFrame* fnPointerPanel(QWidget* parent, const char* name) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(name);
  panel->setFrameShape(QFrame::Box);
  panel->setAutoFillBackground(true);
  // The panel itself must see the pointer arrive, so that it can go away.
  panel->setMouseTracking(true);
  panel->hide();
  return panel;
}

QLabel* fnPanelLabel(QFrame* panel, const QString& text, const char* name = "") {
  auto* label = new QLabel(text, panel);
  label->setObjectName(name);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  panel->layout()->addWidget(label);
  return label;
}

}  // namespace

C_TStatusPanels::C_TStatusPanels(QMainWindow& window, TTablerunState& state, const TImageLibrary& library)
    : QObject(&window), window_(window), state_(state), hints_(fnReadHintFile(state.fs, state.programFolder)) {
  for (std::size_t suit = 0; suit < suits_.size(); ++suit)
    suits_[suit] = fnCornerMaskedPicture(library, kSuitPictures[suit]);
  for (std::size_t kind = 0; kind < kinds_.size(); ++kind)
    kinds_[kind] = fnCornerMaskedPicture(library, kKindPictures[kind]);
  BuildStatusBar();
  BuildPointerPanels();
}

void C_TStatusPanels::BuildStatusBar() {
  bar_ = new QStatusBar(&window_);
  bar_->setObjectName("sbStatusBar");
  bar_->setSizeGripEnabled(false);
  int symbolWidth = 0;
  for (const QPixmap& symbol : kinds_) symbolWidth = std::max(symbolWidth, symbol.width());
  for (std::size_t index = 0; index < kPanelWidths.size(); ++index) {
    const int panel = static_cast<int>(index);
    auto* widget = new TOwnerDrawnPanel(
        bar_, [this, panel](QPainter& painter, const QRect& rect) { DrawStatusPanel(painter, panel, rect); });
    widget->setObjectName(QString("pnlStatus%1").arg(panel));
    const int indent = panel == kPanelKind ? symbolWidth + kSymbolGap : kTextIndent;
    const int needed =
        indent + widget->fontMetrics().horizontalAdvance(kWidestTexts[index]) + kTextIndent + 2 * widget->frameWidth();
    const int width = std::max(kPanelWidths[index], needed);
    // The hint takes the room the window has, so that its sentence is not cut.
    if (panel == kPanelHint) {
      widget->setMinimumWidth(width);
    } else {
      widget->setFixedWidth(width);
    }
    bar_->addWidget(widget, panel == kPanelHint ? 1 : 0);
    if (index < panels_.size()) panels_[index] = widget;
  }
  window_.setStatusBar(bar_);
}

void C_TStatusPanels::BuildPointerPanels() {
  pnlPilesSize_ = fnPointerPanel(&window_, "pnlPilesSize");
  new QVBoxLayout(pnlPilesSize_);
  lblPilesSize_ = fnPanelLabel(pnlPilesSize_, "", "lblPilesSize");
  fnPanelLabel(pnlPilesSize_, "in this pile");

  pnlShowRedeals_ = fnPointerPanel(&window_, "pnlShowRedeals");
  new QVBoxLayout(pnlShowRedeals_);
  fnPanelLabel(pnlShowRedeals_, "Redeals:");
  lblShowRedeals_ = fnPanelLabel(pnlShowRedeals_, "", "lblShowRedeals");

  for (QFrame* panel : {pnlPilesSize_, pnlShowRedeals_}) panel->installEventFilter(this);
}

void C_TStatusPanels::UpdatePileInfo(bool resting, QPoint tablePoint, QPoint windowPoint) {
  if (!OverTable(windowPoint)) return;
  const TPileInfo info = fnPileInfo(state_, tablePoint.x(), tablePoint.y(), hints_);
  std::array<QString, kStatusPanelCount> texts;
  for (std::size_t panel = 0; panel < texts.size(); ++panel) texts[panel] = QString::fromStdString(info.panels[panel]);
  SetTexts(texts);
  const bool inProgress = state_.runtime.Flag(TRuntimeFlag::GameInProgress);
  if (resting && inProgress && info.hit && (info.hasCards || info.stock)) ShowPointerPanels(info, windowPoint);
}

void C_TStatusPanels::PointerMoved(QPoint tablePoint, QPoint windowPoint) {
  if (tablePoint != tablePoint_ || !sinceMove_.isValid()) {
    tablePoint_ = tablePoint;
    windowPoint_ = windowPoint;
    sinceMove_.start();
    restPending_ = state_.runtime.Flag(TRuntimeFlag::GameInProgress);
    HidePointerPanels();
  }
  UpdatePileInfo(false, tablePoint, windowPoint);
}

void C_TStatusPanels::Refresh() {
  if (sinceMove_.isValid()) UpdatePileInfo(false, tablePoint_, windowPoint_);
}

void C_TStatusPanels::Tick() {
  if (!restPending_ || !TWindowSettings(state_).ShowPilesSize() || PointerPanelsShown()) return;
  if (sinceMove_.elapsed() < kRestMilliseconds) return;
  restPending_ = false;
  UpdatePileInfo(true, tablePoint_, windowPoint_);
}

void C_TStatusPanels::HidePointerPanels() {
  pnlPilesSize_->hide();
  pnlShowRedeals_->hide();
}

void C_TStatusPanels::Clear() { SetTexts({}); }

QString C_TStatusPanels::PanelText(int panel) const {
  return panel >= 0 && panel < kStatusPanelCount ? texts_[static_cast<std::size_t>(panel)] : QString();
}

bool C_TStatusPanels::PointerPanelsShown() const { return pnlPilesSize_->isVisible(); }

bool C_TStatusPanels::eventFilter(QObject* watched, QEvent* event) {
  const bool panel = watched == pnlPilesSize_ || watched == pnlShowRedeals_;
  if (panel && (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)) HidePointerPanels();
  return QObject::eventFilter(watched, event);
}

void C_TStatusPanels::SetTexts(const std::array<QString, kStatusPanelCount>& texts) {
  for (std::size_t panel = 0; panel < texts.size(); ++panel) {
    if (texts_[panel] == texts[panel]) continue;
    texts_[panel] = texts[panel];
    panels_[panel]->update();
  }
}

void C_TStatusPanels::ShowPointerPanels(const TPileInfo& info, QPoint windowPoint) {
  lblPilesSize_->setText(QString::fromStdString(info.cardCount));
  lblShowRedeals_->setText(QString::fromStdString(info.redeals));
  pnlPilesSize_->adjustSize();
  pnlShowRedeals_->adjustSize();
  const QSize size = pnlPilesSize_->size();
  // Over the stock the redeals panel hangs below and counts for the room needed.
  const int height = size.height() + (info.stock ? kPanelGap + pnlShowRedeals_->height() : 0);
  int left = windowPoint.x();
  int top = windowPoint.y() - size.height() + kEdgeMargin;
  if (left + size.width() > window_.width() - kEdgeMargin) left = windowPoint.x() - size.width() - 2;
  if (top + height > window_.height() - kEdgeMargin) top = windowPoint.y() - height - 2;
  pnlPilesSize_->move(left, top);
  pnlPilesSize_->show();
  pnlPilesSize_->raise();
  if (!info.stock) return;
  pnlShowRedeals_->move(left, top + size.height() + kPanelGap);
  pnlShowRedeals_->show();
  pnlShowRedeals_->raise();
}

bool C_TStatusPanels::OverTable(QPoint windowPoint) const {
  const QWidget* table = window_.centralWidget();
  const int top = table ? table->geometry().top() : 0;
  return window_.rect().contains(windowPoint) && windowPoint.y() >= top;
}

void C_TStatusPanels::DrawStatusPanel(QPainter& painter, int panel, const QRect& rect) const {
  const QString& text = PanelText(panel);
  if (text.isEmpty()) return;
  const QRect textRect = rect.adjusted(kTextIndent, 0, 0, 0);
  switch (panel) {
    case kPanelKind: {
      const QString word = text.trimmed();
      const auto kind = std::find(kKindWords.begin(), kKindWords.end(), word);
      const QPixmap symbol =
          kind == kKindWords.end() ? QPixmap() : kinds_[static_cast<std::size_t>(kind - kKindWords.begin())];
      painter.drawPixmap(rect.left() + kTextIndent, rect.top() + (rect.height() - symbol.height()) / 2, symbol);
      const int indent = symbol.isNull() ? kTextIndent : symbol.width() + kSymbolGap;
      painter.drawText(rect.adjusted(indent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, word);
      return;
    }
    case kPanelPiles: painter.drawText(rect, Qt::AlignCenter, text); return;
    case kPanelHint: DrawHint(painter, textRect); return;
    default: painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text);
  }
}

// Each "[h]", "[d]", "[c]" and "[s]" becomes its suit's picture; any other
// "[" is written as it stands.
void C_TStatusPanels::DrawHint(QPainter& painter, const QRect& rect) const {
  const QString& text = texts_[kPanelHint];
  const QFontMetrics metrics = painter.fontMetrics();
  int x = rect.left();
  qsizetype start = 0;
  const auto write = [&](qsizetype end) {
    const QString part = text.mid(start, end - start);
    painter.drawText(QRect(x, rect.top(), rect.right() - x + 1, rect.height()), Qt::AlignLeft | Qt::AlignVCenter, part);
    x += metrics.horizontalAdvance(part);
  };
  for (qsizetype at = text.indexOf('['); at >= 0; at = text.indexOf('[', at + 1)) {
    for (std::size_t suit = 0; suit < kSuitMarks.size(); ++suit) {
      if (!QStringView(text).mid(at).startsWith(QLatin1String(kSuitMarks[suit]))) continue;
      write(at);
      const QPixmap& picture = suits_[suit];
      painter.drawPixmap(x, rect.top() + (rect.height() - picture.height()) / 2 + kSuitDrop, picture);
      x += picture.width();
      start = at + 3;
    }
  }
  write(text.size());
}

}  // namespace tablerun
