// Starting a game or loading a saved one through the open-a-game dialog, as
// the player does: the dialog is driven while its own loop runs.
#pragma once

#include <QAction>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

#include "choice/ui/frm_open_game.h"
#include "support/modal_dialogs.h"

namespace tablerun::testing {

// `open` is the main window's "Open a game" command.
inline void fnOpenGameNamed(QAction& open, const QString& name) {
  fnWhenOpen<TfrmOpenGame>([name](TfrmOpenGame& dialog) {
    dialog.findChild<QToolButton*>("tbAllGames")->click();
    auto* all = dialog.findChild<QTreeWidget*>("trvAllGames");
    const auto found = all->findItems(name, Qt::MatchExactly);
    if (!found.isEmpty()) all->setCurrentItem(found.first());
    dialog.findChild<QPushButton*>("btnOK")->click();
  });
  open.trigger();
}

inline void fnOpenSavedGame(QAction& open) {
  fnWhenOpen<TfrmOpenGame>([](TfrmOpenGame& dialog) { dialog.findChild<QPushButton*>("btnOpenSaved")->click(); });
  open.trigger();
}

}  // namespace tablerun::testing
