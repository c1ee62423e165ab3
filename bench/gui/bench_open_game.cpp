// How long "Open a game" takes to appear with every built-in game listed, the
// won and lost marks of a player of a long-used program (a log of 100,000
// games, STAT.DAT with every game) and the selected game's preview drawn.
// Prints the figures; run offscreen:
//   QT_QPA_PLATFORM=offscreen bench_open_game
#include <QApplication>
#include <QElapsedTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "../long_used_folder.h"
#include "choice/ui/frm_open_game.h"
#include "pictures/image_library.h"
#include "view/game_preview.h"

namespace {

using namespace tablerun;

constexpr int kRounds = 15;

double fnMilliseconds(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e6; }

void fnReport(const char* what, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  std::printf("%-52s min %7.2f ms  median %7.2f ms  max %7.2f ms\n", what, times.front(), times[times.size() / 2],
              times.back());
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  bench::TLongUsedFolder world;
  if (!world.loaded) {
    std::fputs("GAMES.DAT is missing beside the harness\n", stderr);
    return 1;
  }
  TTablerunState& state = world.state;
  state.store = std::make_unique<TIniFile>(state.fs, state.screen, state.dataFolder + "Cfg.dat");
  state.store->WriteString("Preference", "Open_Show_Won_Lost", "Y");
  state.store->WriteString("Preference", "Game_TreeType", "0");
  TImageLibrary library;
  QString message;
  if (!library.OpenMainImageLibrary(QCoreApplication::applicationDirPath() + "/", message)) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return 1;
  }
  std::printf("%zu built-in games, a log of %d games, STAT.DAT of %d games and %d players\n",
              state.mainGame.Catalogue().Entries().size(), bench::kLogLines, bench::kGames, bench::kPlayers);

  std::vector<double> opening, groups;
  for (int round = 0; round < kRounds; ++round) {
    QElapsedTimer timer;
    timer.start();
    TGamePreview preview(state, library);
    TOpenGameHooks hooks;
    hooks.drawPreview = [&preview](int code, QSize size) { return preview.Draw(code, size); };
    TfrmOpenGame dialog(state, library, std::move(hooks));
    dialog.show();
    QCoreApplication::processEvents();
    opening.push_back(fnMilliseconds(timer));
    auto* list = dialog.findChild<QTreeWidget*>("trvAllGames");
    if (list == nullptr || list->topLevelItemCount() == 0) {
      std::fputs("the all-games list stayed empty\n", stderr);
      return 1;
    }
    timer.restart();
    auto* tree = dialog.findChild<QTreeWidget*>("trvGroups");
    dialog.findChild<QToolButton*>("tbGameGroups")->click();
    tree->expandAll();
    QCoreApplication::processEvents();
    groups.push_back(fnMilliseconds(timer));
  }
  fnReport("open, all games listed with their marks (target 100)", opening);
  fnReport("then every group of the groups list opened", groups);
  return 0;
}
