#include "records/ui/frm_two_players_mode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "records/players.h"

namespace tablerun {
namespace {

QComboBox* fnPlayerBox(QWidget* parent, const char* name, const std::vector<std::string>& players,
                       const std::string& stored) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  for (const std::string& player : players) box->addItem(QString::fromStdString(player));
  box->setCurrentText(QString::fromStdString(stored));
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
  cmbPlayer1_ = fnPlayerBox(this, "cmbPlayer1", players, stored.player1);
  cmbPlayer2_ = fnPlayerBox(this, "cmbPlayer2", players, stored.player2);
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
