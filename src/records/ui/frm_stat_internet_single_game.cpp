#include "records/ui/frm_stat_internet_single_game.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "config/text.h"
#include "records/players.h"
#include "records/records_of_state.h"
#include "records/single_game_code.h"
#include "records/ui/publishing_pages.h"

namespace tablerun {
namespace {

QWidget* fnPublishingPage(QWidget* parent, QLabel*& game, QLineEdit*& code) {
  auto* page = new QWidget(parent);
  page->setObjectName("pagPublish");
  auto* layout = new QGridLayout(page);
  game = new QLabel(page);
  game->setObjectName("lblPublishGame");
  layout->addWidget(game, 0, 0, 1, 2);
  layout->addWidget(new QLabel("Open:", page), 1, 0);
  layout->addWidget(fnNewWebLink(page, "lblSubmissionPage", publishing::kSingleGameSubmissionPage), 1, 1);
  layout->addWidget(new QLabel("Code:", page), 2, 0);
  code = new QLineEdit(page);
  code->setObjectName("edtSingleGameCode");
  code->setReadOnly(true);
  layout->addWidget(code, 2, 1);
  return page;
}

QWidget* fnInformationPage(QWidget* parent, QLabel*& games) {
  auto* page = new QWidget(parent);
  page->setObjectName("pagInformation");
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(
      new QLabel("To publish your statistics on the Web,\nyou have to have played at least 30 unique", page));
  games = new QLabel(page);
  games->setObjectName("lblUnplayedGames");
  layout->addWidget(games);
  layout->addWidget(new QLabel("(one of them has to have been won).", page));
  return page;
}

}  // namespace

TfrmStatInternetSingleGame::TfrmStatInternetSingleGame(TTablerunState& state, TPlayGame playGame, QWidget* parent)
    : C_TAdvancedForm(parent), state_(state), playGame_(std::move(playGame)) {
  setObjectName("frmStatInternetSingleGame");
  setWindowTitle("Publish your score to: \"Single Game\" Champions");
  auto* layout = new QVBoxLayout(this);

  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel("Player:", this));
  cmbPlayers_ = new QComboBox(this);
  cmbPlayers_->setObjectName("cmbPlayers");
  const std::string current = state.config.Read(cfg::kPlayer);
  for (const std::string& player : fnSortedPlayers(*state.store)) cmbPlayers_->addItem(QString::fromStdString(player));
  if (cmbPlayers_->findText(QString::fromStdString(current)) < 0) cmbPlayers_->addItem(QString::fromStdString(current));
  cmbPlayers_->setCurrentText(QString::fromStdString(current));
  top->addWidget(cmbPlayers_, 1);
  layout->addLayout(top);

  stgGames_ = fnNewScoreGrid(this, "stgGames", {"Game", "% Won", "Total", "Won", "Lost"});
  layout->addWidget(stgGames_, 1);

  const TChoicePair show = fnNewChoicePair(this, "rgShow", "Show ", {"rbAllTheGames", "All the games"},
                                           {"rbPublishableGames", "Publishable games"});
  rbPublishable_ = show.second;
  layout->addWidget(show.group);

  auto* note = new QLabel(
      "Only the games started with \"New game\" are counted: a game chosen by its number, replayed or loaded "
      "from a saved game is not.",
      this);
  note->setObjectName("pnlNote");
  note->setWordWrap(true);
  layout->addWidget(note);

  pages_ = new QStackedWidget(this);
  pages_->setObjectName("pgcPublish");
  pages_->addWidget(fnPublishingPage(pages_, lblPublishGame_, edtCode_));
  pages_->addWidget(fnInformationPage(pages_, lblUnplayedGames_));
  layout->addWidget(pages_);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  auto* play = new QPushButton("&Play this game", this);
  play->setObjectName("btnPlay");
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("btnOK");
  ok->setDefault(true);
  buttons->addWidget(play);
  buttons->addWidget(ok);
  layout->addLayout(buttons);

  connect(cmbPlayers_, &QComboBox::currentTextChanged, this, &TfrmStatInternetSingleGame::cmbPlayersChange);
  connect(rbPublishable_, &QRadioButton::toggled, this, &TfrmStatInternetSingleGame::rgShowClick);
  connect(stgGames_, &QTableWidget::itemSelectionChanged, this, &TfrmStatInternetSingleGame::stgGamesSelectCell);
  connect(play, &QPushButton::clicked, this, &TfrmStatInternetSingleGame::btnPlayClick);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  cmbPlayersChange();
  resize(560, 560);
}

void TfrmStatInternetSingleGame::cmbPlayersChange() {
  TRecordsFolder folder = fnRecordsFolder(state_);
  allRows_ = fnSingleGameRows(folder, fnBuiltInGames(state_), cmbPlayers_->currentText().toStdString());
  if (!allRows_) {
    reject();
    return;
  }
  rgShowClick();
}

void TfrmStatInternetSingleGame::rgShowClick() {
  shown_.clear();
  std::vector<QStringList> rows;
  for (const TSingleGameRow& row : allRows_ ? *allRows_ : std::vector<TSingleGameRow>{}) {
    if (rbPublishable_->isChecked() && !fnIsPublishableGame(row.counts)) continue;
    shown_.push_back(row);
    rows.push_back({QString::fromStdString(row.game), QString::fromStdString(row.percentWon),
                    QString::fromStdString(row.total), QString::fromStdString(row.won),
                    QString::fromStdString(row.lost)});
  }
  fnFillScoreGrid(*stgGames_, rows);
  const int currentCode = fnCurrentGameCode(state_.config);
  int start = 0;
  for (std::size_t i = 0; i < shown_.size(); ++i) {
    if (shown_[i].gameCode == currentCode) start = static_cast<int>(i);
  }
  if (shown_.empty()) {
    stgGamesSelectCell();
  } else {
    stgGames_->selectRow(start);
  }
}

const TSingleGameRow* TfrmStatInternetSingleGame::Selected() const {
  const int row = stgGames_->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= shown_.size()) return nullptr;
  return &shown_[static_cast<std::size_t>(row)];
}

void TfrmStatInternetSingleGame::stgGamesSelectCell() {
  const TSingleGameRow* row = Selected();
  if (!row || !fnMayPublishGame(row->counts)) {
    lblUnplayedGames_->setText(row ? QString::fromStdString(fnLowerCase(row->game + " games")) : QString());
    pages_->setCurrentIndex(1);
    return;
  }
  TRecordsFolder folder = fnRecordsFolder(state_);
  const auto code =
      fnReadSingleGameCode(folder, row->gameCode, cmbPlayers_->currentText().toStdString(), state_.random);
  if (!code) {
    reject();
    return;
  }
  lblPublishGame_->setText(QString::fromStdString(row->game));
  edtCode_->setText(QString::fromStdString(*code));
  pages_->setCurrentIndex(0);
}

void TfrmStatInternetSingleGame::btnPlayClick() {
  const TSingleGameRow* row = Selected();
  const int currentCode = fnCurrentGameCode(state_.config);
  if (row && row->gameCode != currentCode && !fnPlayGameAside(playGame_, row->gameCode, {this})) return;
  accept();
}

}  // namespace tablerun
