#include "records/ui/frm_players.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "records/ui/frm_players2.h"

namespace tablerun {

TfrmPlayers::TfrmPlayers(TPlaySession& session, QWidget* parent)
    : C_TAdvancedForm(parent),
      session_(session),
      state_(session.state),
      list_(state_.store ? fnReadPlayers(*state_.store) : std::vector<std::string>{}) {
  setObjectName("TfrmPlayers");
  setWindowTitle("Players");
  auto* layout = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  lstPlayers_ = new QListWidget(this);
  lstPlayers_->setObjectName("lstPlayers");
  left->addWidget(lstPlayers_);
  auto* working = new QHBoxLayout;
  lblWorking_ = new QLabel("Working:", this);
  lblWorking_->setObjectName("lblWorking");
  lblLines_ = new QLabel(this);
  lblLines_->setObjectName("lblLines");
  working->addWidget(lblWorking_);
  working->addWidget(lblLines_, 1);
  left->addLayout(working);
  layout->addLayout(left, 1);

  auto* buttons = new QVBoxLayout;
  const auto addButton = [this, buttons](const char* name, const char* caption, void (TfrmPlayers::*click)()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, click);
    buttons->addWidget(button);
    return button;
  };
  btnSelect_ = addButton("btnSelect", "Select", &TfrmPlayers::btnSelectClick);
  btnSelect_->setDefault(true);
  addButton("btnNew", "&New", &TfrmPlayers::btnNewClick);
  btnEdit_ = addButton("btnEdit", "&Edit", &TfrmPlayers::btnEditClick);
  btnDelete_ = addButton("btnDelete", "&Delete", &TfrmPlayers::btnDeleteClick);
  buttons->addStretch(1);
  addButton("btnClose", "Close", &TfrmPlayers::btnCloseClick);
  layout->addLayout(buttons);

  connect(lstPlayers_, &QListWidget::itemDoubleClicked, this, &TfrmPlayers::btnSelectClick);
  connect(lstPlayers_, &QListWidget::currentRowChanged, this, &TfrmPlayers::UpdateButtons);

  ShowWorking(false);
  FillList(fnCurrentPlayer(state_));
  resize(360, 300);
}

void TfrmPlayers::FillList(const std::string& name) {
  lstPlayers_->clear();
  for (const std::string& player : list_.Names()) lstPlayers_->addItem(QString::fromStdString(player));
  const auto index = list_.IndexOf(name);
  lstPlayers_->setCurrentRow(index ? static_cast<int>(*index) : -1);
  UpdateButtons();
}

std::optional<std::size_t> TfrmPlayers::Selected() const {
  const int row = lstPlayers_->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= list_.Names().size()) return std::nullopt;
  return static_cast<std::size_t>(row);
}

void TfrmPlayers::UpdateButtons() {
  const auto selected = Selected();
  btnSelect_->setEnabled(selected.has_value());
  btnEdit_->setEnabled(selected.has_value());
  btnDelete_->setEnabled(selected && fnDeleteRefusal(state_, list_.Names()[*selected]).empty());
}

bool TfrmPlayers::RenameBadName() {
  const auto bad = list_.FirstBadName();
  if (!bad) return false;
  state_.screen.ShowMessage(TMessageKind::Warning, bad->message);
  Rename(bad->index);
  return true;
}

std::optional<std::string> TfrmPlayers::AskName(const QString& caption, const std::string& name,
                                                std::optional<std::size_t> renamed) {
  TfrmPlayers2 ask(
      caption, name, state_.screen,
      [this, renamed](const std::string& given) { return list_.NameRefusal(given, renamed); }, this);
  if (ask.exec() != QDialog::Accepted) return std::nullopt;
  return ask.Name();
}

void TfrmPlayers::btnSelectClick() {
  if (RenameBadName()) return;
  const auto selected = Selected();
  if (!selected) return;
  const std::string chosen = list_.Names()[*selected];
  if (chosen != fnCurrentPlayer(state_)) {
    const TLeaving leaving = fnSelectPlayer(session_, chosen);
    if (leaving == TLeaving::Stayed) return;
    changed_ = leaving;
  }
  accept();
}

void TfrmPlayers::btnNewClick() {
  if (const std::string refused = list_.AddRefusal(); !refused.empty()) {
    state_.screen.ShowMessage(TMessageKind::Warning, refused);
    return;
  }
  const auto name = AskName("Add a player", "", std::nullopt);
  if (!name) return;
  list_.Add(*name);
  FillList(*name);
}

void TfrmPlayers::btnEditClick() {
  if (const auto selected = Selected()) Rename(*selected);
}

void TfrmPlayers::Rename(std::size_t index) {
  const std::string old = list_.Names()[index];
  const auto name = AskName("Edit a player", old, index);
  if (!name || *name == old) return;
  ShowWorking(true);
  const bool renamed = fnRenamePlayerEverywhere(state_, list_, index, *name, [this](int linesDone) {
    lblLines_->setText(QString::number(linesDone));
    // The files are rewritten without returning to the event loop.
    lblLines_->repaint();
  });
  ShowWorking(false);
  FillList(*name);
  // A file left with the old name has been reported instead.
  if (renamed) state_.screen.ShowMessage(TMessageKind::Information, "Player renamed.");
}

void TfrmPlayers::ShowWorking(bool on) {
  lblLines_->setText("0");
  lblWorking_->setVisible(on);
  lblLines_->setVisible(on);
  if (on) repaint();
}

void TfrmPlayers::btnDeleteClick() {
  const auto selected = Selected();
  if (!selected) return;
  if (const std::string refused = fnDeleteRefusal(state_, list_.Names()[*selected]); !refused.empty()) {
    state_.screen.ShowMessage(TMessageKind::Warning, refused);
    return;
  }
  const std::string question = std::string("Are you sure you want to delete the selected player?") + "\r" +
                               "Note: the statistics for this player will also be deleted.";
  if (state_.screen.ShowMessage(TMessageKind::Question, question, TMessageButtons::OkCancel) != TMessageAnswer::Ok)
    return;
  fnDeletePlayer(state_, list_, *selected);
  FillList(list_.Names().empty() ? std::string() : list_.Names().front());
}

void TfrmPlayers::btnCloseClick() {
  if (!RenameBadName()) reject();
}

void TfrmPlayers::closeEvent(QCloseEvent* event) {
  if (RenameBadName()) {
    event->ignore();
    return;
  }
  C_TAdvancedForm::closeEvent(event);
}

void TfrmPlayers::keyPressEvent(QKeyEvent* event) {
  // The list and the buttons leave these keys to the dialog.
  switch (event->key()) {
    case Qt::Key_Escape: btnCloseClick(); break;
    case Qt::Key_Insert: btnNewClick(); break;
    case Qt::Key_Delete: btnDeleteClick(); break;
    default: C_TAdvancedForm::keyPressEvent(event); break;
  }
}

void TfrmPlayers::done(int result) {
  fnStorePlayers(state_, list_);
  C_TAdvancedForm::done(result);
}

}  // namespace tablerun
