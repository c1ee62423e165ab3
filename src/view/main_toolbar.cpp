#include "view/main_toolbar.h"

#include <QAction>
#include <QMainWindow>
#include <QSizePolicy>
#include <QToolBar>
#include <QToolButton>

#include "pictures/toolbar_icons.h"

namespace tablerun {
namespace {

struct TButton {
  const char* command;  // the menu action it shares
  const char* name;     // "tb" + name + "_Large" / "_Small"
  const char* picture;  // TB_<picture>_SMALL / _LARGE
  const char* hint;
  bool smallOnly;
  bool separatorBefore;
};

constexpr TButton kButtons[] = {
    {"mnuNew", "New", "NEW", "New", false, false},
    {"mnuOpen", "Open", "OPEN", "Open", false, false},
    {"mnuRestartGame", "Restart", "RESTART", "Restart", false, true},
    {"mnuSave", "Save", "SAVE", "Save", true, false},
    {"mnuUndo", "Undo", "UNDO", "Undo", false, true},
    {"mnuRedo", "Redo", "REDO", "Redo", false, false},
    {"mnuAutoPlay", "Autoplay", "AUTOPLAY", "Autoplay", false, false},
    {"mnuGameStatistics", "Stats", "STAT", "Statistics", false, true},
    {"mnuRules", "Rules", "RULES", "Rules", false, false},
    {"mnuEsci", "Exit", "EXIT", "Exit", false, true},
};

// Menu items with a picture of their own besides the toolbar's commands.
struct TMenuPicture {
  const char* command;
  const char* picture;
};
constexpr TMenuPicture kMenuPictures[] = {
    {"mnuRandomGame", "TB_RESTART_SMALL"}, {"mnuSelect", "MN_SELECT"},
    {"mnuPlayers", "MN_PLAYERS"},          {"mnuSnapshotPosition", "MN_BOOKMARK"},
    {"mnuUndoToSnapshot", "MN_BOOKMARK"},  {"mnuPause", "MN_PAUSE"},
    {"mnuSeriesManager", "MN_SERIES"},     {"mnuOrganizeFavorite", "MN_FAVORITES"},
    {"mnuCustomize", "MN_CUSTOMIZE"},      {"mnuCustomizeRules", "MN_RULESWIZARD"},
    {"mnuCardCounter", "MN_CARDCOUNTER"},
};

constexpr int kLargeHeight = 50;
constexpr int kSmallHeight = kLargeHeight - 23;

QToolBar* fnToolbar(QMainWindow& window, const char* suffix, QSize pictures, int height, int buttonWidth, bool large) {
  auto* bar = new QToolBar(&window);
  bar->setObjectName(QString("toolBar%1").arg(suffix));
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setIconSize(pictures);
  bar->setFixedHeight(height);
  bar->toggleViewAction()->setVisible(false);
  // A switched-on command (Autoplay) stands out at a glance, flat or raised.
  bar->setStyleSheet(
      "QToolButton:checked { background-color: rgba(47, 111, 192, 70); border: 1px solid rgb(47, 111, 192);"
      " border-radius: 3px; }");
  for (const TButton& button : kButtons) {
    if (button.smallOnly && large) continue;
    auto* action = window.findChild<QAction*>(button.command);
    if (!action) continue;
    if (button.separatorBefore) bar->addSeparator();
    bar->addAction(action);
    QWidget* widget = bar->widgetForAction(action);
    widget->setObjectName(QString("tb%1_%2").arg(button.name, suffix));
    if (large) widget->setFixedWidth(buttonWidth);
  }
  window.addToolBar(Qt::TopToolBarArea, bar);
  return bar;
}

QAction* fnRestoreButton(QToolBar& bar, const char* suffix) {
  auto* spacer = new QWidget(&bar);
  spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  bar.addWidget(spacer);
  QAction* restore = bar.addAction("Restore");
  restore->setObjectName(QString("tbRestoreAfterFS_%1").arg(suffix));
  bar.widgetForAction(restore)->setObjectName(restore->objectName());
  restore->setVisible(false);
  return restore;
}

}  // namespace

TToolbars fnBuildToolbars(QMainWindow& window, const TImageLibrary& library, bool xpStyle, bool narrowScreen) {
  for (const TButton& button : kButtons) {
    if (auto* action = window.findChild<QAction*>(button.command)) action->setToolTip(button.hint);
  }
  TToolbars bars;
  bars.large = fnToolbar(window, "Large", QSize(35, 39), kLargeHeight, narrowScreen ? 46 : 50, true);
  bars.small = fnToolbar(window, "Small", QSize(17, 17), kSmallHeight, 0, false);
  bars.restoreLarge = fnRestoreButton(*bars.large, "Large");
  bars.restoreSmall = fnRestoreButton(*bars.small, "Small");
  fnApplyToolbarPictures(window, bars, library, xpStyle);
  return bars;
}

void fnApplyToolbarPictures(QMainWindow& window, const TToolbars& bars, const TImageLibrary& library, bool xpStyle) {
  for (const TButton& button : kButtons) {
    if (auto* action = window.findChild<QAction*>(button.command))
      action->setIcon(fnToolbarIcon(library, button.picture, xpStyle));
  }
  for (const TMenuPicture& item : kMenuPictures) {
    if (auto* action = window.findChild<QAction*>(item.command))
      action->setIcon(fnMenuIcon(library, item.picture, xpStyle));
  }
  const QIcon restore = fnToolbarIcon(library, "RESTORE_AFTER_F11", xpStyle);
  bars.restoreLarge->setIcon(restore);
  bars.restoreSmall->setIcon(restore);
}

void fnSetToolbarsFlat(const TToolbars& bars, bool flat) {
  for (QToolBar* bar : {bars.large, bars.small}) {
    for (QToolButton* button : bar->findChildren<QToolButton*>()) button->setAutoRaise(flat);
    const int large = flat ? kLargeHeight : kLargeHeight + 2;
    bar->setFixedHeight(bar == bars.large ? large : large - (kLargeHeight - kSmallHeight));
    bar->setContentsMargins(0, flat ? 2 : 1, 0, 0);
  }
}

}  // namespace tablerun
