// Start-up: find the data folder, read the preferences, show the main window.
#include <QApplication>
#include <QScreen>
#include <QSocketNotifier>

#include <unistd.h>
#include <csignal>
#include <cstdlib>

#include "config/advisory.h"
#include "engine/state/clock.h"
#include "engine/session/play_session.h"
#include "engine/session/start_up.h"
#include "view/appearance.h"
#include "view/background.h"
#include "view/frm_main.h"
#include "view/qt_screen.h"
#include "view/table_area.h"

namespace {

int gTerminationPipe[2] = {-1, -1};

void fnOnTerminate(int) {
  const char byte = 1;
  [[maybe_unused]] const auto ignored = ::write(gTerminationPipe[1], &byte, 1);
}

// A request to terminate closes the window the normal way, so the settings are saved.
void fnCloseOnTermination(QWidget& window) {
  if (::pipe(gTerminationPipe) != 0) return;
  auto* notifier = new QSocketNotifier(gTerminationPipe[0], QSocketNotifier::Read, &window);
  QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] { window.close(); });
  struct sigaction action {};
  action.sa_handler = fnOnTerminate;
  sigemptyset(&action.sa_mask);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

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
  fnCloseOnTermination(window);
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
