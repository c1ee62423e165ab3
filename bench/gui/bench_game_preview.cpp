// Time to draw a game's preview, offscreen: the first one (card pictures
// loaded), then every built-in game in turn, twice. Target: under 15 ms a preview.
// Prints figures, asserts nothing.
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "../games_beside_program.h"
#include "engine/state/silent_screen.h"
#include "pictures/image_library.h"
#include "view/game_preview.h"

namespace {

double fnMilliseconds(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e6; }

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  tablerun::TPosixFileSystem fs;
  tablerun::TSilentScreen screen;
  tablerun::TTablerunState state(fs, screen);
  state.programFolder = QApplication::applicationDirPath().toStdString() + "/";
  state.customGames.SetDataFolder("/nonexistent/");
  tablerun::TImageLibrary library;
  QString failure;
  if (!tablerun::fnLoadGamesBesideProgram(fs, state.mainGame.Catalogue()) ||
      !library.OpenMainImageLibrary(QString::fromStdString(state.programFolder), failure)) {
    std::fputs("GAMES.DAT and TBLR.RGF must lie beside the harness\n", stderr);
    return 1;
  }
  tablerun::TGamePreview preview(state, library);
  const QSize size(300, 220);

  QElapsedTimer timer;
  timer.start();
  preview.Draw(1, size);
  std::printf("first preview (card pictures loaded): %.2f ms\n", fnMilliseconds(timer));

  // The first round loads the pictures of each card size and suit look; the second finds them kept.
  for (const char* round : {"first round", "second round"}) {
    std::vector<double> times;
    for (const tablerun::TCatalogueEntry& entry : state.mainGame.Catalogue().Entries()) {
      timer.restart();
      preview.Draw(entry.code, size);
      times.push_back(fnMilliseconds(timer));
    }
    std::sort(times.begin(), times.end());
    double total = 0;
    for (const double time : times) total += time;
    std::printf("%zu built-in games, %s: mean %.2f ms, median %.2f ms, slowest %.2f ms a preview (target < 15 ms)\n",
                times.size(), round, total / static_cast<double>(times.size()), times[times.size() / 2], times.back());
  }

  constexpr int kRepeats = 50;
  timer.restart();
  for (int i = 0; i < kRepeats; ++i) preview.Draw(1, size);
  std::printf("FreeCell again and again: %.2f ms a preview\n", fnMilliseconds(timer) / kRepeats);
  return 0;
}
