// The preview panel of the open-a-game dialog: the selected game's first deal
// drawn small, its name and its features with their bars.
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "choice/game_tree.h"
#include "choice/ui/frm_open_game.h"
#include "choice/ui/open_game_items.h"
#include "pictures/image_library.h"

namespace tablerun {
namespace {

const QSize kPictureSize(240, 180);

// The table's green fading to black, in 256 bands.
QImage fnNeutralPicture(QSize size) {
  QImage picture(size, QImage::Format_RGB32);
  QPainter painter(&picture);
  for (int y = 0; y < size.height(); ++y) {
    const int band = y * 256 / size.height();
    painter.fillRect(0, y, size.width(), 1, QColor(0, 128 * (255 - band) / 255, 0));
  }
  return picture;
}

QLabel* fnValue(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  return label;
}

}  // namespace

QWidget* TfrmOpenGame::BuildPreview() {
  auto* panel = new QWidget(this);
  panel->setObjectName("pnlPreview");
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  lblGameName_ = fnValue(panel, "lblGameName");
  QFont bold = lblGameName_->font();
  bold.setBold(true);
  lblGameName_->setFont(bold);
  layout->addWidget(lblGameName_);
  imgPreview_ = fnValue(panel, "imgPreview");
  imgPreview_->setFixedSize(kPictureSize);
  layout->addWidget(imgPreview_);
  neutralPicture_ = fnNeutralPicture(kPictureSize);

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("Decks:", panel), 0, 0);
  lblDecks_ = fnValue(panel, "lblDecks");
  grid->addWidget(lblDecks_, 0, 1, 1, 2);
  const char* captions[] = {"Game time:", "Difficulty level:", "Chance of winning:", "Skill level:"};
  const char* names[] = {"lblGameTime", "lblDifficulty", "lblChance", "lblSkill"};
  for (std::size_t row = 0; row < features_.size(); ++row) {
    const int at = static_cast<int>(row) + 1;
    grid->addWidget(new QLabel(captions[row], panel), at, 0);
    features_[row].bar = fnValue(panel, (std::string(names[row]) + "Bar").c_str());
    grid->addWidget(features_[row].bar, at, 1);
    features_[row].text = fnValue(panel, names[row]);
    grid->addWidget(features_[row].text, at, 2);
  }
  grid->addWidget(new QLabel("Redeals:", panel), 5, 0);
  lblRedeals_ = fnValue(panel, "lblRedeals");
  grid->addWidget(lblRedeals_, 5, 1, 1, 2);
  grid->setColumnStretch(2, 1);
  layout->addLayout(grid);
  layout->addStretch(1);
  return panel;
}

void TfrmOpenGame::UpdatePreview() {
  QTreeWidget* list = CurrentList();
  const QTreeWidgetItem* item = list != nullptr ? list->currentItem() : nullptr;
  const bool game = item != nullptr && fnIsGame(*item);
  btnOK_->setEnabled(game);
  btnRules_->setEnabled(game && hooks_.showRules);
  btnStatistics_->setEnabled(game && hooks_.showStatistics);
  if (!game) {
    ShowNeutralPicture();
    return;
  }
  lblGameName_->setText(item->text(0));
  ShowFeatures(fnCodeOf(*item));
  const bool drawn = preferences_.preview && hooks_.drawPreview;
  const QImage picture = drawn ? hooks_.drawPreview(fnCodeOf(*item), kPictureSize) : QImage();
  imgPreview_->setPixmap(QPixmap::fromImage(picture.isNull() ? neutralPicture_ : picture));
}

void TfrmOpenGame::ShowNeutralPicture() {
  lblGameName_->clear();
  lblDecks_->clear();
  lblRedeals_->clear();
  for (TFeatureRow& row : features_) {
    row.text->clear();
    row.bar->clear();
  }
  imgPreview_->setPixmap(QPixmap::fromImage(neutralPicture_));
}

void TfrmOpenGame::ShowFeatures(int code) {
  const auto features = fnGameFeatures(state_.mainGame.Catalogue(), state_.customGames, code);
  if (!features) {
    ShowNeutralPicture();
    return;
  }
  lblDecks_->setText(QString::number(features->decks));
  lblRedeals_->setText(QString::fromStdString(features->redeals));
  const std::pair<const std::string*, const std::string*> rows[] = {
      {&features->gameTime, &features->timeBar},
      {&features->difficulty, &features->difficultyBar},
      {&features->chance, &features->chanceBar},
      {&features->skill, &features->skillBar},
  };
  for (std::size_t row = 0; row < features_.size(); ++row) {
    features_[row].text->setText(QString::fromStdString(*rows[row].first));
    QImage bar;
    if (!rows[row].second->empty()) library_.LoadNamedImage(bar, QString::fromStdString(*rows[row].second));
    features_[row].bar->setPixmap(QPixmap::fromImage(bar));
  }
}

}  // namespace tablerun
