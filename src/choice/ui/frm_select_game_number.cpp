#include "choice/ui/frm_select_game_number.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

#include "choice/game_number_choice.h"
#include "choice/logged_games.h"
#include "choice/recent_games.h"
#include "config/text.h"
#include "records/game_log_file.h"
#include "records/records_of_state.h"
#include "records/ui/score_grid.h"

namespace tablerun {
namespace {

constexpr int kNumberLength = 13;
constexpr const char* kNoNumber = "Select a correct game number.";

QString fnText(const std::string& text) { return QString::fromStdString(text); }

QString fnResult(const TLoggedGame& game) { return game.won ? "Won" : "Lost"; }

// A grid with nothing to show keeps one empty row to select.
std::vector<QStringList> fnRowsOrEmpty(std::vector<QStringList> rows) {
  if (rows.empty()) rows.emplace_back();
  return rows;
}

QComboBox* fnNewGameBox(QWidget* parent, const char* name, const TGameChooser& chooser) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  for (const std::string& game : chooser.names) box->addItem(fnText(fnTrimRight(game)));
  box->setCurrentIndex(chooser.selected);
  return box;
}

// Rows keep the log's order until the player sorts by a column.
QTableWidget* fnNewSortableGrid(QWidget* parent, const char* name, const QStringList& columns) {
  QTableWidget* grid = fnNewScoreGrid(parent, name, columns);
  grid->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  grid->setSortingEnabled(true);
  return grid;
}

std::vector<std::string> fnLogLines(TTablerunState& state) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  TRecordsFolder folder = fnRecordsFolder(state);
  std::vector<std::string> lines = fnReadLogLines(folder);
  QApplication::restoreOverrideCursor();
  return lines;
}

}  // namespace

TfrmSelectGameNumber::TfrmSelectGameNumber(TTablerunState& state, TPlayNumberedGame play, QWidget* parent)
    : C_TAdvancedForm(parent), state_(state), play_(std::move(play)) {
  setObjectName("frmSelectGameNumber");
  setWindowTitle("Select a game number");
  auto* layout = new QVBoxLayout(this);
  pages_ = new QTabWidget(this);
  pages_->setObjectName("pgcSelect");
  layout->addWidget(pages_, 1);

  const int current = static_cast<int>(fnParseInteger(state.config.Read(cfg::kGame)).value_or(-1));
  const TGameChooser chooser = fnGameChooser(state.mainGame.Catalogue(), state.customGames, current < 0 ? 1 : current);

  auto* select = new QWidget(pages_);
  select->setObjectName("tabSelect");
  auto* selectLayout = new QGridLayout(select);
  selectLayout->addWidget(new QLabel("Game number:", select), 0, 0);
  cboNumbers_ = new QComboBox(select);
  cboNumbers_->setObjectName("cboNumbers");
  cboNumbers_->setEditable(true);
  cboNumbers_->setInsertPolicy(QComboBox::NoInsert);
  cboNumbers_->lineEdit()->setMaxLength(kNumberLength);
  if (state.store) {
    for (const std::string& number : fnReadGameNumbers(*state.store)) cboNumbers_->addItem(fnText(number));
  }
  cboNumbers_->setEditText(fnText(fnTrim(state.config.Read(cfg::kGameNumber))));
  selectLayout->addWidget(cboNumbers_, 0, 1);
  selectLayout->addWidget(new QLabel("Game:", select), 1, 0);
  cboGames_ = fnNewGameBox(select, "cboGames", chooser);
  selectLayout->addWidget(cboGames_, 1, 1);
  selectLayout->setRowStretch(2, 1);
  pages_->addTab(select, "&Select a game");

  stgPrevious_ = fnNewSortableGrid(pages_, "stgPrevious", {"Game number", "Game", "W/L", "Date", "Player"});
  pages_->addTab(stgPrevious_, "&Previous games");

  auto* lost = new QWidget(pages_);
  lost->setObjectName("tabLostGames");
  auto* lostLayout = new QVBoxLayout(lost);
  cboGamesLost_ = fnNewGameBox(lost, "cboGamesLost", chooser);
  lostLayout->addWidget(cboGamesLost_);
  stgLostGames_ = fnNewSortableGrid(lost, "stgLostGames", {"Game number", "W/L", "Date", "Player"});
  lostLayout->addWidget(stgLostGames_, 1);
  pages_->addTab(lost, "&Lost games");

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  auto* playButton = new QPushButton("Play &this game", this);
  playButton->setObjectName("btnPlay");
  playButton->setDefault(true);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("btnCancel");
  buttons->addWidget(playButton);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);

  connect(pages_, &QTabWidget::currentChanged, this, &TfrmSelectGameNumber::pgcSelectChange);
  connect(cboGamesLost_, &QComboBox::currentIndexChanged, this, [this] {
    if (lostFilled_) FillLostGames();
  });
  connect(playButton, &QPushButton::clicked, this, &TfrmSelectGameNumber::btnPlayClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  resize(560, 420);
  // A number typed at once replaces the current one.
  cboNumbers_->setFocus();
  cboNumbers_->lineEdit()->selectAll();
}

void TfrmSelectGameNumber::pgcSelectChange() {
  if (pages_->currentIndex() == 1 && !std::exchange(previousFilled_, true)) FillPrevious();
  if (pages_->currentIndex() == 2 && !std::exchange(lostFilled_, true)) FillLostGames();
}

void TfrmSelectGameNumber::FillPrevious() {
  std::vector<QStringList> rows;
  for (const TLoggedGame& game : fnPreviousGames(fnLogLines(state_))) {
    rows.push_back(
        {fnText(game.gameNumber), fnText(game.gameName), fnResult(game), fnText(game.date), fnText(game.player)});
  }
  fnFillScoreGrid(*stgPrevious_, fnRowsOrEmpty(std::move(rows)),
                  {TCell::Text, TCell::Text, TCell::Text, TCell::Date, TCell::Text});
}

void TfrmSelectGameNumber::FillLostGames() {
  std::vector<QStringList> rows;
  const std::string game = fnTrimRight(cboGamesLost_->currentText().toStdString());
  for (const TLoggedGame& lost : fnLostGames(fnLogLines(state_), game)) {
    rows.push_back({fnText(lost.gameNumber), fnResult(lost), fnText(lost.date), fnText(lost.player)});
  }
  fnFillScoreGrid(*stgLostGames_, fnRowsOrEmpty(std::move(rows)), {TCell::Text, TCell::Text, TCell::Date, TCell::Text});
}

QString TfrmSelectGameNumber::SelectedCell(const QTableWidget& grid, int column) const {
  const QTableWidgetItem* item = grid.currentRow() < 0 ? nullptr : grid.item(grid.currentRow(), column);
  return item ? item->text().trimmed() : QString();
}

bool TfrmSelectGameNumber::Chosen(QString& number, QString& game) const {
  switch (pages_->currentIndex()) {
    case 1:
      number = SelectedCell(*stgPrevious_, 0);
      game = SelectedCell(*stgPrevious_, 1);
      break;
    case 2:
      number = SelectedCell(*stgLostGames_, 0);
      game = cboGamesLost_->currentText().trimmed();
      break;
    default:
      number = cboNumbers_->currentText();
      game = cboGames_->currentText();
      return true;
  }
  if (!number.isEmpty() && !game.isEmpty()) return true;
  state_.screen.ShowMessage(TMessageKind::Warning, kNoNumber);
  return false;
}

void TfrmSelectGameNumber::btnPlayClick() {
  QString number, game;
  if (!Chosen(number, game)) return;
  const TTypedNumber typed = fnReadTypedNumber(number.toStdString());
  if (typed.problem != TNumberProblem::None) {
    const std::string message = fnNumberProblemMessage(typed.problem);
    if (!message.empty()) state_.screen.ShowMessage(TMessageKind::Warning, message);
    return;
  }
  const int code = state_.mainGame.Catalogue().CodeOf(fnTrimRight(game.toStdString()), state_.customGames);
  hide();
  play_(code, typed.number);
  accept();
}

}  // namespace tablerun
