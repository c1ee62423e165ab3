#include "records/ui/frm_statis_overall.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/catalogue.h"
#include "records/overall_rows.h"
#include "records/records_of_state.h"
#include "records/ui/frm_statis_overall_change_data.h"
#include "records/ui/frm_statis_overall_details.h"
#include "records/ui/frm_statis_overall_internet1.h"
#include "records/ui/publishing_pages.h"

namespace tablerun {

TfrmStatisOverall::TfrmStatisOverall(TTablerunState& state, TPlayGame playGame, QWidget* parent)
    : C_TAdvancedForm(parent), state_(state), playGame_(std::move(playGame)) {
  setObjectName("frmStatisOverall");
  setWindowTitle("Publish your score to: \"Overall Score\" Champions");
  TRecordsFolder folder = fnRecordsFolder(state);
  ranking_ = fnRankPlayers(folder, fnBuiltInGames(state), state.random,
                           [parent](const std::string& player, const TOverallScore& stored, const TOverallScore& sum) {
                             TfrmStatisOverallChangeData(player, stored, sum, parent).exec();
                           });

  auto* layout = new QVBoxLayout(this);
  slScores_ = fnNewScoreGrid(this, "slScores", {"N.", "Player", "Score", "Time"});
  std::vector<QStringList> rows;
  for (const TChampionRow& row : fnChampionRows(ranking_)) {
    rows.push_back({QString::fromStdString(row.rank), QString::fromStdString(row.player),
                    QString::fromStdString(row.score), QString::fromStdString(row.time)});
  }
  fnFillScoreGrid(*slScores_, rows);
  layout->addWidget(slScores_, 1);

  auto* champions = new QHBoxLayout;
  auto* product = new QLabel(QString::fromStdString(fnExpandPlaceholders("[Program] Champions:")), this);
  product->setObjectName("lblChampions");
  champions->addWidget(product);
  champions->addWidget(fnNewWebLink(this, "lblChampionsPage", publishing::kChampionsPage), 1);
  layout->addLayout(champions);

  auto* buttons = new QHBoxLayout;
  btnDetails_ = new QPushButton("&Details...", this);
  btnDetails_->setObjectName("btnDetails");
  btnPublish_ = new QPushButton("   &Publishing on the Web...", this);
  btnPublish_->setObjectName("btnPublish");
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("btnOK");
  ok->setDefault(true);
  buttons->addWidget(btnDetails_);
  buttons->addWidget(btnPublish_);
  buttons->addStretch(1);
  buttons->addWidget(ok);
  layout->addLayout(buttons);

  connect(btnDetails_, &QPushButton::clicked, this, &TfrmStatisOverall::btnDetailsClick);
  connect(btnPublish_, &QPushButton::clicked, this, &TfrmStatisOverall::btnPublishClick);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(slScores_, &QTableWidget::itemSelectionChanged, this, &TfrmStatisOverall::UpdateButtons);
  if (!ranking_.empty()) slScores_->selectRow(0);
  UpdateButtons();
  resize(520, 360);
}

const TRankedPlayer* TfrmStatisOverall::Selected() const {
  const int row = slScores_->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= ranking_.size()) return nullptr;
  return &ranking_[static_cast<std::size_t>(row)];
}

void TfrmStatisOverall::UpdateButtons() {
  const bool player = Selected() != nullptr;
  btnDetails_->setEnabled(player);
  btnPublish_->setEnabled(player);
}

void TfrmStatisOverall::btnDetailsClick() {
  const TRankedPlayer* selected = Selected();
  if (!selected) return;
  TfrmStatisOverallDetails details(state_, selected->player, playGame_, this);
  details.exec();
  if (details.GameStarted()) accept();
}

void TfrmStatisOverall::btnPublishClick() {
  const TRankedPlayer* selected = Selected();
  if (!selected) return;
  hide();
  TfrmStatisOverallInternet1(selected->webCode, parentWidget()).exec();
  accept();
}

}  // namespace tablerun
