#include "view/main_menu.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "model/catalogue.h"

namespace tablerun {
namespace {

enum class TItem { Menu, SubMenu, Command, Separator, EndMenu };

struct TMenuItem {
  TItem kind;
  const char* name;
  const char* caption;
  const char* shortcut;
};

// The whole tree, top to bottom; EndMenu closes the innermost open menu.
constexpr TMenuItem kMenuTree[] = {
    {TItem::Menu, "mnuPartita", "&File", ""},
    {TItem::Command, "mnuNew", "&New game", "F2"},
    {TItem::Command, "mnuOpen", "&Open a game...", "Ctrl+F12"},
    {TItem::Command, "mnuGamesFastSearch", "Games &Fast Search...", ""},
    {TItem::Separator, "", "", ""},
    {TItem::Command, "mnuRestartGame", "&Restart game", "Ctrl+F2"},
    {TItem::Command, "mnuSelect", "S&elect a game number...", "F3"},
    {TItem::SubMenu, "mnuRandomGame", "R&andom game", ""},
    {TItem::Command, "mnuRandomFavorites", "From &favorite games", "Ctrl+Shift+F"},
    {TItem::Command, "mnuRandomAll", "From &all games", "Ctrl+Shift+A"},
    {TItem::EndMenu, "", "", ""},
    {TItem::Separator, "", "", ""},
    {TItem::Command, "mnuSave", "&Save...", "Ctrl+Shift+F12"},
    {TItem::Separator, "", "", ""},
    {TItem::Command, "mnuPlayers", "&Players...", "Ctrl+L"},
    {TItem::Separator, "", "", ""},
    {TItem::Command, "mnuHoldAndExit", "&Hold and exit...", ""},
    {TItem::Command, "mnuEsci", "E&xit", ""},
    {TItem::EndMenu, "", "", ""},

    {TItem::Menu, "mnuGameMenu", "&Game", ""},
    {TItem::Command, "mnuUndo", "&Undo", "Ctrl+Z"},
    {TItem::Command, "mnuRedo", "&Redo", "Ctrl+Y"},
    {TItem::Separator, "", "", ""},
    {TItem::Command, "mnuSnapshotPosition", "Insert &bookmark", ""},
    {TItem::Command, "mnuUndoToSnapshot", "Go &to bookmark", ""},
    {TItem::Separator, "", "", ""},
    {TItem::Command, "mnuPause", "P&ause", "Ctrl+P"},
    {TItem::Command, "mnuQuitGame", "&Quit game", "Ctrl+Q"},
    {TItem::Separator, "", "", ""},
    {TItem::Command, "mnuAutoPlay", "Auto&play", "F7"},
    {TItem::SubMenu, "mnuTwoPlayersMode", "T&wo Players Mode", ""},
    {TItem::Command, "mnuStartTwoPlayersMode", "Start Two Players Mode", ""},
    {TItem::Command, "mnuQuitTwoPlayersMode", "Quit Two Players Mode", ""},
    {TItem::EndMenu, "", "", ""},
    {TItem::SubMenu, "mnuTutor", "Tut&or", ""},
    {TItem::Command, "mnuTutorSuggestMove", "Show a legal &move", "M"},
    {TItem::Command, "mnuTutorDemo", "Game &Demo", ""},
    {TItem::EndMenu, "", "", ""},
    {TItem::Separator, "", "", ""},
    {TItem::Command, "mnuFullScreen", "Full Screen", "F11"},
    {TItem::EndMenu, "", "", ""},

    {TItem::Menu, "mnuSeries", "S&eries", ""},
    {TItem::Command, "mnuSeriesManager", "Series &Manager...", ""},
    {TItem::Command, "mnuSeriesNextGame", "&Next game", ""},
    {TItem::Command, "mnuSeriesDisplay", "Series &Display", ""},
    {TItem::Command, "mnuSeriesSituation", "S&ituation...", ""},
    {TItem::Command, "mnuSeriesHiScores", "Se&ries Hi-Scores...", ""},
    {TItem::Command, "mnuQuitSeries", "&Quit Series", ""},
    {TItem::EndMenu, "", "", ""},

    {TItem::Menu, "mnuStatistics", "&Statistics", ""},
    {TItem::Command, "mnuGameStatistics", "&Game statistics...", "F4"},
    {TItem::Command, "mnuHiScores", "&Hi-Scores...", "F9"},
    {TItem::Command, "mnuLogStatistics", "&Log statistics...", ""},
    {TItem::SubMenu, "mnuPublishOnWeb", "Publish statistics on the &Web", ""},
    {TItem::Command, "mnuStatisOverall", "\"&Overall Score\" Champions...", ""},
    {TItem::Command, "mnuStatInternetSingleGame", "\"&Single Game\" Champions...", ""},
    {TItem::EndMenu, "", "", ""},
    {TItem::Separator, "", "", ""},
    {TItem::Command, "mnuGameInformation", "Game &information...", "F5"},
    {TItem::EndMenu, "", "", ""},

    {TItem::Menu, "mnuListFavorites", "F&avorites", ""},
    {TItem::Command, "mnuAddFavorites", "&Add to Favorites...", "Ctrl+A"},
    {TItem::Command, "mnuOrganizeFavorite", "&Organize Favorites...", "Ctrl+F"},
    {TItem::Separator, "mnuSepFavorites", "", ""},
    {TItem::EndMenu, "", "", ""},

    {TItem::Menu, "mnuOpzioni", "&Tools", ""},
    {TItem::Command, "mnuCustomize", "C&ustomize...", "Ctrl+U"},
    {TItem::Command, "mnuCustomizeRules", "&Rules Wizard...", "Ctrl+R"},
    {TItem::Command, "mnuCardCounter", "&Card counter...", "F8"},
    {TItem::Command, "mnuComments", "Co&mments...", ""},
    {TItem::EndMenu, "", "", ""},

    {TItem::Menu, "mnuAiuto", "&Help", ""},
    {TItem::Command, "mnuRules", "&Rules", "F1"},
    {TItem::Command, "mnuContents", "&Contents", ""},
    {TItem::Command, "mnuTips", "&Tip of the Day...", ""},
    {TItem::Separator, "", "", ""},
    {TItem::Command, "mnuAbout", "A&bout [Program]...", ""},
    {TItem::EndMenu, "", "", ""},
};

}  // namespace

void fnBuildMainMenu(QMainWindow& window) {
  QMenuBar* bar = window.menuBar();
  bar->setObjectName("MainMenu1");
  std::vector<QMenu*> open;
  for (const auto& item : kMenuTree) {
    const QString name = QString::fromLatin1(item.name);
    const QString caption = QString::fromStdString(fnExpandPlaceholders(item.caption));
    switch (item.kind) {
      case TItem::Menu:
      case TItem::SubMenu: {
        QMenu* menu = open.empty() ? bar->addMenu(caption) : open.back()->addMenu(caption);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        open.push_back(menu);
        break;
      }
      case TItem::EndMenu: open.pop_back(); break;
      case TItem::Separator: open.back()->addSeparator()->setObjectName(name); break;
      case TItem::Command: {
        QAction* action = open.back()->addAction(caption);
        action->setObjectName(name);
        action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
        action->setEnabled(false);  // the window enables what it can do
        break;
      }
    }
  }
}

}  // namespace tablerun
