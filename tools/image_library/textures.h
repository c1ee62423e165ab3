// Seamless background tiles computed from periodic noise: felt, wood, marble,
// paper, fabric, walls, metal and fractal skies. Each wraps at its edges, so the
// table shows no seams when the tile is repeated.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace tablerun::images {

// The background picture numbers made here.
const std::vector<int>& fnTextureNumbers();
QImage fnTexture(int number);
// The add-on pack's backgrounds by resource name ("B001", "B002").
QImage fnAddOnTexture(const QString& resource);

}  // namespace tablerun::images
