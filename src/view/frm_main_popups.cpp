// The main window's pop-up menus: the toolbar's (sizes, flat buttons, picture
// style, hidden panels) and the play area's (Ctrl + right click on the table).
#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QMenu>
#include <QToolBar>

#include "engine/session/play_commands.h"
#include "view/frm_main.h"
#include "view/table_area.h"

namespace tablerun {

void TfrmMain::AddRadioPair(QMenu& menu, const char* first, const char* second, const char* name,
                            void (TfrmMain::*choose)(bool)) {
  auto* pair = new QActionGroup(&menu);
  QAction* one = menu.addAction(first, this, [this, choose] { (this->*choose)(true); });
  QAction* other = menu.addAction(second, this, [this, choose] { (this->*choose)(false); });
  one->setObjectName(QString(name) + "1");
  other->setObjectName(QString(name) + "2");
  for (QAction* action : {one, other}) {
    action->setCheckable(true);
    pair->addAction(action);
  }
}

void TfrmMain::BuildToolbarMenus() {
  popTB_ = new QMenu(this);
  popTB_->setObjectName("popTB");
  AddRadioPair(*popTB_, "Large icons", "Small icons", "popTBSize", &TfrmMain::ShowToolbar);
  popTB_->addSeparator();
  AddRadioPair(*popTB_, "Flat button", "No flat button", "popTBFlat", &TfrmMain::SetToolbarFlat);
  popTB_->addSeparator();
  AddRadioPair(*popTB_, "XP style", "Win 98 style", "popTBStyle", &TfrmMain::SetToolbarStyle);
  popTB_->addSeparator();
  popTB_->addAction("Show time", this, [this] { ShowTime(true, true); })->setObjectName("popTBShowTime");
  popTB_->addAction("Show score", this, [this] { ShowScore(true, true); })->setObjectName("popTBShowScore");
  for (QToolBar* bar : {toolbars_.large, toolbars_.small}) {
    bar->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(bar, &QWidget::customContextMenuRequested, this, [this, bar](const QPoint& at) {
      findChild<QAction*>("popTBShowTime")->setEnabled(!pnlTempo_->isVisibleTo(this));
      findChild<QAction*>("popTBShowScore")->setEnabled(!pnlScore_->isVisibleTo(this));
      popTB_->popup(bar->mapToGlobal(at));
    });
  }
}

void TfrmMain::SetToolbarFlat(bool flat) {
  fnSetToolbarsFlat(toolbars_, flat);
  findChild<QAction*>(flat ? "popTBFlat1" : "popTBFlat2")->setChecked(true);
  if (!firstShow_) settings_.SetFlatToolbar(flat);
  ArrangePanels();
}

void TfrmMain::SetToolbarStyle(bool xp) {
  xpStyle_ = xp;
  fnApplyToolbarPictures(*this, toolbars_, library_, xp);
  findChild<QAction*>(xp ? "popTBStyle1" : "popTBStyle2")->setChecked(true);
  if (!firstShow_) settings_.SetXpToolbar(xp);
}

void TfrmMain::BuildMainPopup() {
  popMain_ = new QMenu(this);
  popMain_->setObjectName("popMain");
  // Commands of windows still to come stay visible but disabled.
  const auto item = [this](const char* caption, const char* name, const char* shortcut = "") {
    QAction* action = popMain_->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(QKeySequence(shortcut));
    action->setShortcutContext(Qt::WidgetShortcut);  // the menu bar's items own the keys
    action->setEnabled(false);
    return action;
  };
  item("Game information...", "popMainGameInformation");
  item("Favorite games...", "popMainFavorites");
  popMain_->addSeparator();
  item("Change card set", "popMainCardSet");
  item("Change deck", "popMainDeck");
  item("Change background", "popMainBackground");
  popMain_->addSeparator();
  connect(item("Pause", "popMainPause", "Ctrl+P"), &QAction::triggered, this, [this] {
    table_->FinishFlights();
    SetPause(!IsPaused());
  });
  connect(item("Quit game", "popMainQuitGame", "Ctrl+Q"), &QAction::triggered, this, [this] {
    table_->FinishFlights();
    mnuQuitGameClick();
  });
  popMain_->addSeparator();
  item("Card counter", "popMainCardCounter", "F8");
}

void TfrmMain::ShowMainPopup(int x, int y) {
  for (const char* name : {"Pause", "QuitGame"}) {
    const bool enabled = findChild<QAction*>(QString("mnu") + name)->isEnabled();
    popMain_->findChild<QAction*>(QString("popMain") + name)->setEnabled(enabled);
  }
  popMain_->popup(table_->mapToGlobal(QPoint(x, y)));
}

void TfrmMain::mnuQuitGameClick() {
  if (IsPaused()) SetPause(false);
  if (fnLeaveGame(session_) != TLeaving::Left) return;
  // Until the Open-a-game dialog exists the table stays bare; New game or the games menu deal again.
  table_->SetBare(true);
  UpdateCommands();
}

}  // namespace tablerun
