#include "records/ui/frm_statis_overall_details.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "records/overall_rows.h"
#include "records/records_of_state.h"

namespace tablerun {

TfrmStatisOverallDetails::TfrmStatisOverallDetails(TTablerunState& state, const std::string& player, TPlayGame playGame,
                                                   QWidget* parent)
    : C_TAdvancedForm(parent), playGame_(std::move(playGame)) {
  setObjectName("frmStatisOverallDetails");
  setWindowTitle(QString::fromStdString("Overall score details [" + player + "]"));
  TRecordsFolder folder = fnRecordsFolder(state);
  bests_ = fnGameBests(folder, player, fnBuiltInGames(state));

  auto* layout = new QVBoxLayout(this);
  slDetails_ = fnNewScoreGrid(this, "slDetails", {"Game", "Score", "Max", "Time"});
  layout->addWidget(slDetails_, 1);

  const TChoicePair show =
      fnNewChoicePair(this, "rgShow", "Show ", {"rbAllGames", "All games"}, {"rbNoMaxScore", "No Max Score"});
  rbNoMaxScore_ = show.second;
  layout->addWidget(show.group);

  const TDetailsTotals totals = bests_ ? fnDetailsTotals(*bests_) : TDetailsTotals{"0", "00:00:00"};
  auto* totalsRow = new QHBoxLayout;
  const auto addTotal = [this, totalsRow](const char* caption, const char* name, const std::string& value) {
    totalsRow->addWidget(new QLabel(caption, this));
    auto* label = new QLabel(QString::fromStdString(value), this);
    label->setObjectName(name);
    totalsRow->addWidget(label);
  };
  addTotal("Overall score:", "lblOverallScore", totals.score);
  addTotal("Overall time:", "lblOverallTime", totals.time);
  totalsRow->addStretch(1);
  btnPlay_ = new QPushButton("&Play this game", this);
  btnPlay_->setObjectName("btnPlay");
  totalsRow->addWidget(btnPlay_);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("btnOK");
  ok->setDefault(true);
  totalsRow->addWidget(ok);
  layout->addLayout(totalsRow);

  connect(rbNoMaxScore_, &QRadioButton::toggled, this, &TfrmStatisOverallDetails::rgShowClick);
  connect(btnPlay_, &QPushButton::clicked, this, &TfrmStatisOverallDetails::btnPlayClick);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(slDetails_, &QTableWidget::itemSelectionChanged, this, &TfrmStatisOverallDetails::UpdateButtons);
  rgShowClick();
  resize(520, 480);
}

void TfrmStatisOverallDetails::rgShowClick() {
  std::vector<QStringList> rows;
  shownCodes_.clear();
  if (bests_) {
    for (const TDetailsRow& row : fnDetailsRows(*bests_, rbNoMaxScore_->isChecked())) {
      rows.push_back({QString::fromStdString(row.game), QString::fromStdString(row.score),
                      QString::fromStdString(row.max), QString::fromStdString(row.time)});
      shownCodes_.push_back(row.gameCode);
    }
  }
  fnFillScoreGrid(*slDetails_, rows);
  if (!rows.empty()) slDetails_->selectRow(0);
  UpdateButtons();
}

void TfrmStatisOverallDetails::UpdateButtons() { btnPlay_->setEnabled(slDetails_->currentRow() >= 0); }

void TfrmStatisOverallDetails::btnPlayClick() {
  const int row = slDetails_->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= shownCodes_.size()) return;
  std::vector<QDialog*> windows{this};
  if (auto* opener = qobject_cast<QDialog*>(parentWidget())) windows.push_back(opener);
  gameStarted_ = fnPlayGameAside(playGame_, shownCodes_[static_cast<std::size_t>(row)], windows);
  if (gameStarted_) accept();
}

}  // namespace tablerun
