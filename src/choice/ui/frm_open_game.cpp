#include "choice/ui/frm_open_game.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

#include "choice/favorites_tree.h"
#include "choice/ui/open_game_items.h"
#include "model/main_game_entries.h"
#include "records/players.h"

namespace tablerun {
namespace {

struct TListButton {
  const char* name;
  const char* caption;
  const char* hint;
};

constexpr std::array<TListButton, 5> kListButtons = {{
    {"tbAllGames", "&All", "List all the games in alphabetic order"},
    {"tbGameGroups", "&Groups", "List the games grouped by type"},
    {"tbSelected", "S&elected", "List a selection of the most popular games"},
    {"tbFavorites", "&Favorites", "List your favorite games"},
    {"tbRecents", "Re&cent", "List the games most recently played"},
}};

constexpr std::array<const char*, 5> kListNames = {"trvAllGames", "trvGroups", "trvSelected", "trvFavorites",
                                                   "trvRecents"};

constexpr const char* kHowToCustomize =
    "To customize a game:\rselect the game you want to customize,\rthen choose "
    "the \"Customize rules\" option from "
    "the Tools menu (or press Ctrl+R).";
constexpr const char* kStatisticsDisabled =
    "The Statistics are disabled. To enable the Statistics, change the value "
    "in the \"Customize\" dialog box.";

QPushButton* fnButton(QWidget* parent, const char* name, const char* caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  return button;
}

}  // namespace

TfrmOpenGame::TfrmOpenGame(TTablerunState& state, const TImageLibrary& library, TOpenGameHooks hooks, QWidget* parent)
    : C_TAdvancedForm(parent), state_(state), library_(library), hooks_(std::move(hooks)) {
  setObjectName("frmOpenGame");
  setWindowTitle("Open a game");
  if (state_.store) preferences_ = fnReadOpenGamePreferences(*state_.store);

  auto* layout = new QVBoxLayout(this);
  auto* body = new QHBoxLayout;
  body->addWidget(BuildLists(), 1);
  body->addWidget(BuildPreview());
  layout->addLayout(body, 1);

  auto* options = new QHBoxLayout;
  chkShowWonLost_ = new QCheckBox("&Show won and lost", this);
  chkShowWonLost_->setObjectName("chkShowWonLost");
  chkShowWonLost_->setChecked(preferences_.showWonLost);
  connect(chkShowWonLost_, &QCheckBox::toggled, this, [this] {
    RefreshAllMarks();
    if (hooks_.marksSwitched) hooks_.marksSwitched();
  });
  options->addWidget(chkShowWonLost_);
  options->addStretch(1);
  options->addWidget(new QLabel("Player:", this));
  cboPlayers_ = new QComboBox(this);
  cboPlayers_->setObjectName("cboPlayers");
  connect(cboPlayers_, &QComboBox::activated, this, [this] { cboPlayersChange(); });
  options->addWidget(cboPlayers_);
  layout->addLayout(options);

  auto* buttons = new QHBoxLayout;
  btnRules_ = fnButton(this, "btnRules", "Rules");
  btnStatistics_ = fnButton(this, "btnStatistics", "Statistics  ");
  auto* btnOpenSaved = fnButton(this, "btnOpenSaved", "Open a sa&ved game...");
  btnOK_ = fnButton(this, "btnOK", "OK");
  btnOK_->setDefault(true);
  auto* btnCancel = fnButton(this, "btnCancel", "Cancel");
  btnOpenSaved->setEnabled(static_cast<bool>(hooks_.openSavedGame));
  for (QPushButton* button : {btnRules_, btnStatistics_, btnOpenSaved}) buttons->addWidget(button);
  buttons->addStretch(1);
  buttons->addWidget(btnOK_);
  buttons->addWidget(btnCancel);
  layout->addLayout(buttons);
  connect(btnRules_, &QPushButton::clicked, this, [this] { btnRulesClick(); });
  connect(btnStatistics_, &QPushButton::clicked, this, [this] { btnStatisticsClick(); });
  connect(btnOpenSaved, &QPushButton::clicked, this, [this] { btnOpenSavedClick(); });
  connect(btnOK_, &QPushButton::clicked, this, [this] { btnOKClick(); });
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

  BuildPopup();
  UpdatePreview();
  // Centred on the screen, a little higher on very small ones.
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2 + (area.height() < 500 ? 9 : 0)));
  }
}

QWidget* TfrmOpenGame::BuildLists() {
  auto* panel = new QWidget(this);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* bar = new QHBoxLayout;
  auto* group = new QButtonGroup(panel);
  for (std::size_t mode = 0; mode < kListButtons.size(); ++mode) {
    auto* button = new QToolButton(panel);
    button->setObjectName(kListButtons[mode].name);
    button->setText(kListButtons[mode].caption);
    button->setToolTip(kListButtons[mode].hint);
    button->setCheckable(true);
    button->setAutoRaise(true);
    group->addButton(button);
    connect(button, &QToolButton::clicked, this, [this, mode] { ShowList(static_cast<int>(mode)); });
    bar->addWidget(button);
    listButtons_[mode] = button;
  }
  bar->addStretch(1);
  layout->addLayout(bar);

  stack_ = new QStackedWidget(panel);
  for (std::size_t mode = 0; mode < lists_.size(); ++mode) {
    auto* tree = new QTreeWidget(stack_);
    tree->setObjectName(kListNames[mode]);
    tree->setHeaderHidden(true);
    tree->setRootIsDecorated(mode == 1);
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    tree->setMinimumSize(260, 300);
    connect(tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
      if (item != nullptr && fnIsUnfilledGroup(*item)) FillGroup(*item);
      UpdatePreview();
    });
    connect(tree, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { GroupExpanded(item, true); });
    connect(tree, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) { GroupExpanded(item, false); });
    connect(tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { ListDoubleClick(item); });
    connect(tree, &QTreeWidget::customContextMenuRequested, this,
            [this, tree](const QPoint& at) { ShowPopup(tree->viewport()->mapToGlobal(at)); });
    stack_->addWidget(tree);
    lists_[mode] = tree;
  }
  // Before a list is chosen none shows.
  stack_->addWidget(new QWidget(stack_));
  stack_->setCurrentIndex(static_cast<int>(lists_.size()));
  layout->addWidget(stack_, 1);
  return panel;
}

void TfrmOpenGame::BuildPopup() {
  popup_ = new QMenu(this);
  const auto add = [this](const char* name, const char* caption, const char* shortcut, auto handler, bool enabled) {
    QAction* action = popup_->addAction(caption);
    action->setObjectName(name);
    if (*shortcut) {
      action->setShortcut(QKeySequence(shortcut));
      action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
      addAction(action);
    }
    action->setEnabled(enabled);
    connect(action, &QAction::triggered, this, handler);
  };
  add(
      "mnuRules", "&Rules", "", [this] { btnRulesClick(); }, static_cast<bool>(hooks_.showRules));
  add(
      "mnuStatistics", "Statistics...", "F4", [this] { btnStatisticsClick(); }, true);
  add(
      "mnuFavorites", "Favorite games...", "Ctrl+F", [this] { hooks_.organizeFavorites(); },
      static_cast<bool>(hooks_.organizeFavorites));
  add(
      "mnuPlayers", "Players...", "", [this] { mnuPlayersClick(); }, static_cast<bool>(hooks_.showPlayers));
}

void TfrmOpenGame::ShowPopup(const QPoint& at) { popup_->popup(at); }

bool TfrmOpenGame::ShowsWonLost() const { return chkShowWonLost_->isChecked(); }

std::string TfrmOpenGame::ChosenPlayer() const { return cboPlayers_->currentText().toStdString(); }

void TfrmOpenGame::showEvent(QShowEvent* event) {
  C_TAdvancedForm::showEvent(event);
  chosenCode_ = -1;
  chosenName_.clear();
  // The marks of the current player, who may have changed since the last showing.
  FillPlayers();
  RefreshAllMarks();
  if (state_.store) preferences_.listMode = fnReadOpenGamePreferences(*state_.store).listMode;
  if (firstShowing_ && preferences_.listMode == 1) RestoreRememberedGroup(*lists_[1]);
  firstShowing_ = false;
  ShowList(preferences_.listMode);
  UpdatePreview();
}

void TfrmOpenGame::FillPlayers() {
  cboPlayers_->clear();
  if (state_.store) {
    for (const std::string& name : fnSortedPlayers(*state_.store)) cboPlayers_->addItem(QString::fromStdString(name));
  }
  const QString current = QString::fromStdString(fnCurrentPlayer(state_));
  if (cboPlayers_->findText(current) < 0) cboPlayers_->addItem(current);
  cboPlayers_->setCurrentText(current);
}

void TfrmOpenGame::cboPlayersChange() {
  // For the marks only: the caller puts the current player back.
  state_.config.Write(cfg::kPlayer, ChosenPlayer());
  RefreshAllMarks();
}

void TfrmOpenGame::btnOKClick() {
  QTreeWidget* list = CurrentList();
  QTreeWidgetItem* item = list != nullptr ? list->currentItem() : nullptr;
  if (item == nullptr || !fnIsGame(*item)) {
    state_.screen.ShowMessage(TMessageKind::Information, "Open a game");
    if (list != nullptr) list->setFocus();
    return;
  }
  const int code = fnCodeOf(*item);
  const std::string name = item->text(0).toStdString();
  if (state_.mainGame.Catalogue().NameOf(code, state_.customGames).empty()) return;
  chosenCode_ = code;
  chosenName_ = name;
  if (state_.store) {
    TOpenGameChoice choice;
    choice.code = code;
    choice.name = name;
    choice.treeNum = item->parent() != nullptr ? fnCodeOf(*item->parent()) : kNoTreeNum;
    choice.treePos = fnAbsoluteIndex(*item);
    choice.listMode = shownMode_;
    choice.showWonLost = chkShowWonLost_->isChecked();
    fnWriteOpenGameChoice(*state_.store, choice);
  }
  accept();
}

void TfrmOpenGame::ListDoubleClick(QTreeWidgetItem* item) {
  if (item == nullptr) return;
  const int code = fnCodeOf(*item);
  if (fnIsGame(*item)) {
    btnOKClick();
  } else if ((code == kAddFavoriteCode || code == kNewFolderCode) && hooks_.organizeFavorites) {
    hooks_.organizeFavorites();
  } else if (code == kHowToCustomizeCode || code == kCustomizedGamesCode) {
    state_.screen.ShowMessage(TMessageKind::Information, kHowToCustomize);
  }
}

void TfrmOpenGame::btnRulesClick() {
  QTreeWidget* list = CurrentList();
  QTreeWidgetItem* item = list != nullptr ? list->currentItem() : nullptr;
  if (item == nullptr || !fnIsGame(*item)) {
    state_.screen.ShowMessage(TMessageKind::Information, "Select a game");
    return;
  }
  if (hooks_.showRules) hooks_.showRules(fnCodeOf(*item));
}

void TfrmOpenGame::btnStatisticsClick() {
  if (state_.mainGame.Get(entries::kStatisticsOff) == 1) {
    state_.screen.ShowMessage(TMessageKind::Information, kStatisticsDisabled);
    return;
  }
  QTreeWidget* list = CurrentList();
  QTreeWidgetItem* item = list != nullptr ? list->currentItem() : nullptr;
  if (item != nullptr && fnIsGame(*item) && hooks_.showStatistics)
    hooks_.showStatistics(fnCodeOf(*item), ChosenPlayer());
}

void TfrmOpenGame::btnOpenSavedClick() {
  hide();
  if (hooks_.openSavedGame()) {
    reject();
    return;
  }
  show();
}

void TfrmOpenGame::mnuPlayersClick() {
  hooks_.showPlayers();
  FillPlayers();
  RefreshAllMarks();
}

}  // namespace tablerun
