#include "records/ui/frm_two_players_mode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <initializer_list>

#include "records/players.h"

namespace tablerun {
namespace {

// The first of `wanted` that the box holds is selected.
QComboBox* fnPlayerBox(QWidget* parent, const char* name, const std::vector<std::string>& players,
                       std::initializer_list<QString> wanted) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  for (const std::string& player : players) box->addItem(QString::fromStdString(player));
  for (const QString& player : wanted) {
    if (const int row = box->findText(player); row >= 0) {
      box->setCurrentIndex(row);
      break;
    }
  }
  return box;
}

QCheckBox* fnOption(QWidget* parent, const char* name, const char* caption, bool on) {
  auto* option = new QCheckBox(caption, parent);
  option->setObjectName(name);
  option->setChecked(on);
  return option;
}

}  // namespace

TfrmTwoPlayersMode::TfrmTwoPlayersMode(TTablerunState& state, QWidget* parent)
    : C_TAdvancedForm(parent), state_(state) {
  setObjectName("TfrmTwoPlayersMode");
  setWindowTitle("Two Players Mode");
  const std::vector<std::string> players = state_.store ? fnSortedPlayers(*state_.store) : std::vector<std::string>{};
  const TTwoPlayersSettings stored = state_.store ? fnReadTwoPlayersSettings(*state_.store) : TTwoPlayersSettings{};

  auto* layout = new QVBoxLayout(this);
  auto* names = new QFormLayout;
  // Without stored names: the current player first, against another player.
  cmbPlayer1_ = fnPlayerBox(this, "cmbPlayer1", players,
                            {QString::fromStdString(stored.player1), QString::fromStdString(fnCurrentPlayer(state_))});
  const QString other =
      players.size() > 1 && cmbPlayer1_->currentIndex() == 0 ? cmbPlayer1_->itemText(1) : cmbPlayer1_->itemText(0);
  cmbPlayer2_ = fnPlayerBox(this, "cmbPlayer2", players, {QString::fromStdString(stored.player2), other});
  names->addRow("Player &1:", cmbPlayer1_);
  names->addRow("Player &2:", cmbPlayer2_);
  layout->addLayout(names);
  chkSameGameNumber_ = fnOption(this, "chkSameGameNumber", "Play the same Game Number", stored.sameGameNumber);
  chkShowSituation_ = fnOption(this, "chkShowSituation", "Show Players Situation", stored.showSituation);
  chkConfirmNewGame_ = fnOption(this, "chkConfirmNewGame", "Confirm New Game", stored.confirmNewGame);
  for (QCheckBox* option : {chkSameGameNumber_, chkShowSituation_, chkConfirmNewGame_}) layout->addWidget(option);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  auto* play = new QPushButton("Play", this);
  play->setObjectName("btnPlay");
  play->setDefault(true);
  connect(play, &QPushButton::clicked, this, &TfrmTwoPlayersMode::btnPlayClick);
  auto* close = new QPushButton("Close", this);
  close->setObjectName("btnClose");
  connect(close, &QPushButton::clicked, this, &TfrmTwoPlayersMode::reject);
  buttons->addWidget(play);
  buttons->addWidget(close);
  layout->addLayout(buttons);
}

void TfrmTwoPlayersMode::btnPlayClick() {
  fnStartTwoPlayersMode(state_, {.player1 = cmbPlayer1_->currentText().toStdString(),
                                 .player2 = cmbPlayer2_->currentText().toStdString(),
                                 .sameGameNumber = chkSameGameNumber_->isChecked(),
                                 .showSituation = chkShowSituation_->isChecked(),
                                 .confirmNewGame = chkConfirmNewGame_->isChecked()});
  accept();
}

}  // namespace tablerun
