// The main window's two toolbars (large and small pictures, one shown at a
// time) and the pictures of the menu items. Toolbar buttons share the menu's
// actions, so a button does what its command does and is enabled with it.
#pragma once

class QAction;
class QMainWindow;
class QToolBar;

namespace tablerun {

class TImageLibrary;

struct TToolbars {
  QToolBar* large = nullptr;
  QToolBar* small = nullptr;
  // "tbRestoreAfterFS_Large" and "_Small": leave full screen; shown only there.
  QAction* restoreLarge = nullptr;
  QAction* restoreSmall = nullptr;
};

// Builds both toolbars from the window's menu actions and gives the menu
// items their pictures. `narrowScreen`: below 650 pixels large buttons are narrower.
TToolbars fnBuildToolbars(QMainWindow& window, const TImageLibrary& library, bool xpStyle, bool narrowScreen);
// The pictures of the toolbar buttons and menu items in the colour ("XP") or the classic style.
void fnApplyToolbarPictures(QMainWindow& window, const TToolbars& bars, const TImageLibrary& library, bool xpStyle);
// Flat buttons show their frame only under the pointer; the others always.
// Flat bars sit a pixel lower and are two pixels lower in height.
void fnSetToolbarsFlat(const TToolbars& bars, bool flat);

}  // namespace tablerun
