#include "view/game_preview.h"

#include <QPainter>
#include <algorithm>

#include "config/text.h"
#include "engine/appearance/card_appearance.h"
#include "engine/deal/game_start.h"
#include "view/appearance.h"
#include "view/background.h"
#include "view/table_painter.h"

namespace tablerun {
namespace {

// Every preview shows this deal, so a game always looks the same in the lists.
constexpr int kPreviewDeal = 1;
constexpr QRgb kCloth = 0x008000;
// Cloth kept around the piles.
constexpr int kMargin = 10;
constexpr const char* kPreference = "Preference";
// The names of a player's own card set or back, kept in the store rather than the record.
constexpr const char* kPictureKeys[] = {"Customized_Cards_Set", "Additional_Cards_Set", "Customized_Deck",
                                        "Additional_Deck"};

QImage fnFaded(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  fnPaintFade(painter, QColor(kCloth), size.width(), size.height());
  return image;
}

}  // namespace

TGamePreview::TGamePreview(const TTablerunState& program, const TImageLibrary& library)
    : program_(program), library_(library), scratch_(program.fs, screen_) {}

TGamePreview::~TGamePreview() = default;

TLayoutMetrics TGamePreview::TableMetrics() { return fnMaximisedWindowMetrics(1024, 768, 'B', 9); }

bool TGamePreview::Deal(int code) {
  // The games list is read once at start-up; the custom games are read afresh at every question.
  if (scratch_.mainGame.Catalogue().Entries().empty()) scratch_.mainGame.Catalogue() = program_.mainGame.Catalogue();
  scratch_.customGames.SetDataFolder(program_.dataFolder);
  scratch_.display = program_.display;
  scratch_.config = program_.config;
  scratch_.config.Write(cfg::kGame, fnZeroFill(code, 4));
  scratch_.config.Write(cfg::kGameNumber, fnZeroFill(kPreviewDeal, 13));
  scratch_.rules.Clear();  // loaded rules would be restored instead of read for this game
  const TGameStart start{.deal = true, .animate = false, .numberMode = 0, .quiet = true};
  return fnStartGame(scratch_, start, TableMetrics()).started;
}

TAppearance& TGamePreview::Appearance() {
  const TCardChoice choice = fnCardChoice(scratch_);
  std::string key = std::string(1, choice.size) + '/' + std::to_string(choice.set) + '/' + std::to_string(choice.back) +
                    '/' + std::to_string(choice.suitRule) + '/';
  for (const TConfigField field : {cfg::kCustomCardSet, cfg::kAddOnCardSet, cfg::kCustomDeck, cfg::kAddOnDeck})
    key += scratch_.config.IsYes(field) ? 'Y' : 'N';
  if (program_.store) {
    for (const char* name : kPictureKeys) key += '/' + program_.store->ReadString(kPreference, name, "");
  }
  std::unique_ptr<TAppearance>& appearance = appearances_[key];
  if (!appearance) {
    // A copy that is never written, so a card set that fails here is not forgotten by the program.
    if (program_.store) {
      scratch_.store =
          std::make_unique<TIniFile>(scratch_.fs, screen_, program_.store->Path(), TIniFile::TAccess::InspectOnly);
    }
    appearance = std::make_unique<TAppearance>(scratch_, library_);
    appearance->LoadCardImages(false);
  }
  return *appearance;
}

QImage TGamePreview::Draw(int code, QSize size) {
  placement_ = QTransform();
  const TLayoutMetrics metrics = TableMetrics();
  const QSize table(metrics.tableWidth, metrics.tableHeight);
  if (size.isEmpty()) return QImage();
  if (!Deal(code)) return fnFaded(size);

  if (cloth_.size() != table) cloth_ = fnFaded(table);
  TTablePainter painter(scratch_, Appearance(), library_);
  painter.SetBackground(cloth_, QColor(kCloth), table, 1.0);
  painter.DrawTable();
  // The piles fill the picture: the cloth around them is left out.
  QRect used = painter.DrawnArea().adjusted(-kMargin, -kMargin, kMargin, kMargin) & QRect(QPoint(0, 0), table);
  if (used.isEmpty()) used = QRect(QPoint(0, 0), table);
  const qreal scale = std::min(qreal(size.width()) / used.width(), qreal(size.height()) / used.height());
  const QImage small =
      painter.Table().copy(used).scaled(used.size() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const int left = (size.width() - small.width()) / 2;
  placement_ = QTransform::fromTranslate(left, 0).scale(scale, scale).translate(-used.left(), -used.top());

  // The table's cloth scaled with it, so the fade runs on across the picture's edges.
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(Qt::black);
  QPainter paint(&picture);
  paint.translate(0, -used.top() * scale);
  fnPaintFade(paint, QColor(kCloth), size.width(), qRound(table.height() * scale));
  paint.resetTransform();
  paint.drawImage(QPoint(left, 0), small);
  return picture;
}

}  // namespace tablerun
