#include "records/ui/frm_hi_score.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "config/section_file.h"
#include "config/text.h"
#include "pictures/image_library.h"
#include "pictures/toolbar_icons.h"
#include "records/hi_score_rows.h"
#include "records/hi_score_window.h"
#include "records/ui/score_grid.h"

namespace tablerun {
namespace {

constexpr const char* kDontShowQuestion =
    "The enter Hi-Scores dialog box will not open again.\r"
    "If you want, you can change this option in the \"Customize\" dialog box.";

}  // namespace

TfrmHiScore::TfrmHiScore(TPlaySession& session, const TImageLibrary& library, const TPlaySound& playSound,
                         std::optional<TNewScore> newScore, QWidget* parent)
    : C_TAdvancedForm(parent), session_(session), state_(session.state), newScore_(newScore) {
  setObjectName("frmHiScore");
  setWindowTitle(newScore ? QString::fromStdString(fnNewHiScoreCaption(state_.config.Read(cfg::kGameName)))
                          : QString("Hi-Scores"));
  auto* layout = new QVBoxLayout(this);
  auto* body = new QHBoxLayout;
  lsbGames_ = new QListWidget(this);
  lsbGames_->setObjectName("lsbGames");
  std::vector<std::pair<std::string, int>> games;
  for (const TCatalogueEntry& entry : state_.mainGame.Catalogue().Entries()) {
    if (!entry.name.empty()) games.emplace_back(entry.name, entry.code);
  }
  std::sort(games.begin(), games.end());
  for (const auto& [name, code] : games) {
    auto* item = new QListWidgetItem(QString::fromStdString(name), lsbGames_);
    item->setData(Qt::UserRole, code);
  }
  body->addWidget(lsbGames_, 1);

  slScores_ = fnNewScoreGrid(this, "slScores", {"N.", "Player", "Score", "Time", "W/L", "Date", "Game number"});
  slScores_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  slScores_->setSortingEnabled(true);
  slScores_->setContextMenuPolicy(Qt::ActionsContextMenu);
  body->addWidget(slScores_, 3);
  layout->addLayout(body, 1);

  auto* bottom = new QHBoxLayout;
  auto* image = new QLabel(this);
  image->setObjectName("imgHiScores");
  image->setPixmap(fnToolbarIcon(library, "STAT", true).pixmap(QSize(35, 39)));
  bottom->addWidget(image);
  bottom->addStretch(1);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("btnOK");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  bottom->addWidget(ok);
  layout->addLayout(bottom);

  // Clearing values waits for its own dialog; until then only the new-score form has a menu.
  if (newScore) {
    auto* dontShow = new QAction("&Don't show Hi-Scores dialog box again...", this);
    dontShow->setObjectName("mnuDontShowHiScores");
    connect(dontShow, &QAction::triggered, this, &TfrmHiScore::mnuDontShowClick);
    slScores_->addAction(dontShow);
    addAction(dontShow);
    setContextMenuPolicy(Qt::ActionsContextMenu);
  }

  connect(lsbGames_, &QListWidget::currentRowChanged, this, &TfrmHiScore::lsbGamesClick);
  const int gameCode = fnCurrentGameCode(state_.config);
  for (int row = 0; row < lsbGames_->count(); ++row) {
    if (lsbGames_->item(row)->data(Qt::UserRole).toInt() == gameCode) lsbGames_->setCurrentRow(row);
  }
  if (lsbGames_->currentRow() < 0) ShowGame(gameCode);
  if (newScore) {
    slScores_->selectRow(
        fnGridRowOf(*slScores_, QString::fromStdString(fnRankText(static_cast<std::size_t>(newScore->rank)))));
    playSound("Scores", state_.config.IsYes(cfg::kSoundNewHiScores));
  } else {
    playSound("Hi-Scor", state_.config.IsYes(cfg::kSoundHiScores));
  }
  resize(760, 460);
}

void TfrmHiScore::lsbGamesClick() {
  const QListWidgetItem* item = lsbGames_->currentItem();
  if (!item) return;
  ShowGame(item->data(Qt::UserRole).toInt());
  if (!newScore_) setWindowTitle("Hi-Scores [" + item->text() + "]");
}

void TfrmHiScore::ShowGame(int gameCode) {
  std::vector<QStringList> rows;
  try {
    for (const THiScoreRow& row :
         fnHiScoreRows(fnShownHiScoreTable(state_, gameCode, session_.clock.Clock().LocalNow()))) {
      rows.push_back({QString::fromStdString(row.rank), QString::fromStdString(row.player),
                      QString::fromStdString(row.score), QString::fromStdString(row.time),
                      QString::fromStdString(row.result), QString::fromStdString(row.date),
                      QString::fromStdString(row.gameNumber)});
    }
  } catch (const TFileOpenError& error) {
    state_.screen.ShowMessage(TMessageKind::Error, error.what());
  }
  fnFillScoreGrid(*slScores_, rows,
                  {TCell::Text, TCell::Text, TCell::Number, TCell::Text, TCell::Text, TCell::Date, TCell::Text});
}

void TfrmHiScore::mnuDontShowClick() {
  if (state_.screen.ShowMessage(TMessageKind::Question, kDontShowQuestion, TMessageButtons::OkCancel) ==
      TMessageAnswer::Ok)
    fnStopNewHiScoreWindow(state_);
}

}  // namespace tablerun
