// The pictures of toolbar buttons and menu items, shared by the main window
// and the dialogs that offer the same commands.
#pragma once

#include <QIcon>
#include <QString>

namespace tablerun {

class TImageLibrary;

// "TB_<NAME>_SMALL" and "_LARGE", with their "_DIS" pictures where they
// exist; the classic style's pictures start with "2000_".
QIcon fnToolbarIcon(const TImageLibrary& library, const QString& name, bool xpStyle);
// A menu item's picture `name` ("MN_PAUSE"), in the classic style with "2000_" before it.
QIcon fnMenuIcon(const TImageLibrary& library, const QString& name, bool xpStyle);

}  // namespace tablerun
