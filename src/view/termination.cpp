#include "view/termination.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

#include <csignal>

#include "view/frm_main.h"

namespace tablerun {
namespace {

int gTerminationPipe[2] = {-1, -1};

// Only what is safe in a signal handler: one byte down the pipe.
void fnOnTerminate(int) {
  const char byte = 1;
  [[maybe_unused]] const auto ignored = ::write(gTerminationPipe[1], &byte, 1);
}

}  // namespace

bool fnTerminateOnSignals(TfrmMain& window) {
  if (::pipe2(gTerminationPipe, O_CLOEXEC | O_NONBLOCK) != 0) return false;
  auto* notifier = new QSocketNotifier(gTerminationPipe[0], QSocketNotifier::Read, &window);
  QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
    char bytes[16];
    while (::read(gTerminationPipe[0], bytes, sizeof bytes) > 0) {
    }
    window.Terminate();
  });
  struct sigaction action {};
  action.sa_handler = fnOnTerminate;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  return true;
}

}  // namespace tablerun
