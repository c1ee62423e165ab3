// The main window's menu bar, built from one table of items.
#pragma once

class QMainWindow;
class QAction;

namespace tablerun {

// Fills the window's menu bar. Every item is named after its component
// ("mnuNew"); items whose commands are not available yet stay disabled.
void fnBuildMainMenu(QMainWindow& window);

}  // namespace tablerun
