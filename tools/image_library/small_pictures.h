// The small pictures of the window: suit signs, status bar symbols, the pause
// screen, and the toolbar and menu pictures from the Adwaita icon theme.
#pragma once

#include <QImage>
#include <QString>
#include <utility>
#include <vector>

namespace tablerun::images {

using TNamedPicture = std::pair<QString, QImage>;

// Suit signs, status bar symbols and the two pause pictures.
std::vector<TNamedPicture> fnDrawnSmallPictures();
// The 12 pointers: arrows and hands, "A" at rest and "B" while dragging; each
// PNG carries its hot spot as the text "hotspot" ("x,y").
std::vector<TNamedPicture> fnCursors();
// Toolbar pictures in both styles (the colour icons, and with "2000_" the
// monochrome ones), their disabled variants, and the menu pictures.
// `iconFolder` is the Adwaita theme folder; empty on failure.
std::vector<TNamedPicture> fnIconPictures(const QString& iconFolder);

}  // namespace tablerun::images
