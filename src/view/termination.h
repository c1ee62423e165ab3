// SIGTERM and SIGINT end the program as Exit does, at any moment: a pipe
// carries the signal from its handler into the event loop, where the window
// answers what is open and closes.
#pragma once

namespace tablerun {

class TfrmMain;

// Once per program; false when the pipe cannot be made.
bool fnTerminateOnSignals(TfrmMain& window);

}  // namespace tablerun
