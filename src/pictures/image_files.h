// The player's own pictures: BMP files, and JPEG files told apart by their name.
#pragma once

#include <QImage>
#include <QString>

namespace tablerun {

// JPEG when the lower-cased path contains ".jpg", ".jpe" or ".jpeg", BMP otherwise.
bool fnLoadImageFile(const QString& path, QImage& target);
// True when the file exists and loads as BMP or JPEG (by its last letters).
bool IsImageFileValid(const QString& path);

}  // namespace tablerun
