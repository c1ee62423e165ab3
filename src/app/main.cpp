// Start-up: find the data folder, read the preferences, show the main window.
#include <QApplication>
#include <QScreen>
#include <cstdlib>

#include "config/advisory.h"
#include "engine/session/play_session.h"
#include "engine/session/start_up.h"
#include "engine/state/clock.h"
#include "view/appearance.h"
#include "view/background.h"
#include "view/frm_main.h"
#include "view/qt_screen.h"
#include "view/table_area.h"
#include "view/termination.h"

namespace {

std::string fnEnvironment(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  return value != nullptr ? value : "";
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Tablerun 2002");
  QApplication::setApplicationVersion(TABLERUN_VERSION);

  tablerun::TPosixFileSystem fs;
  tablerun::TQtScreen screen;
  tablerun::TTablerunState state(fs, screen);

  tablerun::TStartUpPlace place;
  place.programFolder = QApplication::applicationDirPath().toStdString();
  place.userFolders = tablerun::fnUserFolders(fs, fnEnvironment);
  place.display.moreThan256Colours = QGuiApplication::primaryScreen()->depth() > 8;
  if (!tablerun::fnStartUp(state, place)) return 1;
  tablerun::TImageLibrary library;
  if (!tablerun::fnOpenImageLibraryOrTell(state, library)) return 1;
  tablerun::TAppearance appearance(state, library);
  const QSize screenSize = QGuiApplication::primaryScreen()->size();
  appearance.SetScreenWidth(screenSize.width());
  appearance.SetSharpPictures(application.devicePixelRatio() > 1.0);
  appearance.StartUp();
  // A damaged library would leave the cards invisible: the same stop as a missing one.
  if (library.MainLibraryDamaged()) return 1;

  tablerun::TSystemClock clock;
  tablerun::TPlaySession session(state, clock);
  tablerun::TfrmMain window(state, session, appearance, library);
  QImage table(screenSize + QSize(30, 30), QImage::Format_RGB32);
  tablerun::DrawBackground(state, library, table);
  window.TableArea()->SetBackground(table);
  window.TableArea()->SetBackgroundSource([&state, &library](QSize size) {
    QImage taller(size, QImage::Format_RGB32);
    tablerun::DrawBackground(state, library, taller, nullptr, false);
    return taller;
  });
  window.ConnectScreen(screen);
  screen.SetTableArea(window.TableArea());
  tablerun::fnTerminateOnSignals(window);
  window.RestorePlacement();
  window.show();
  if (!place.display.moreThan256Colours) {
    tablerun::fnShowOneTimeAdvisory(
        *state.store, screen, "Screen_Under_256_Colors",
        "At this time your video driver supports 256 colors or less. This program takes advantage of the 16 bit "
        "(65,536 colors) or the 24 bit (16.8 million colors) palettes or higher resolutions. \r"
        "If your video driver allows High or True color mode settings (16 bit or 24 bit), modify your screen "
        "resolution using the Display Properties Settings in the Control Panel.");
  }
  return QApplication::exec();
}
