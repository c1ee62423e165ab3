// The table's background: a colour faded to black downwards, a tiled or whole
// picture of the library, the add-on pack's or the player's own picture.
#pragma once

#include <QImage>

class QPainter;

#include "engine/state/tablerun_state.h"
#include "pictures/image_library.h"

namespace tablerun {

// Paints the whole target and, when given, the clean background image. A
// background that cannot be shown is told once and replaced by the default.
void DrawBackground(TTablerunState& state, const TImageLibrary& library, QImage& target, QImage* clean = nullptr,
                    bool scrollBarHidden = true);

// `colour` at the top fading to black at `height`.
void fnPaintFade(QPainter& painter, const QColor& colour, int width, int height);

}  // namespace tablerun
