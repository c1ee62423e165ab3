#include "pictures/image_files.h"

#include <QFileInfo>
#include <QImageReader>

namespace tablerun {
namespace {

bool fnRead(const QString& path, const char* format, QImage& target) {
  QImageReader reader(path, format);
  reader.setDecideFormatFromContent(false);
  QImage picture = reader.read();
  if (picture.isNull()) return false;
  target = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  return true;
}

}  // namespace

bool fnLoadImageFile(const QString& path, QImage& target) {
  const QString lower = path.toLower();
  const bool jpeg = lower.contains(".jpg") || lower.contains(".jpe") || lower.contains(".jpeg");
  return fnRead(path, jpeg ? "JPEG" : "BMP", target);
}

bool IsImageFileValid(const QString& path) {
  if (!QFileInfo(path).isFile()) return false;
  const QString lower = path.toLower();
  const bool jpeg = lower.endsWith("jpg") || lower.endsWith("jpe") || lower.endsWith("jpeg");
  QImage ignored;
  return fnRead(path, jpeg ? "JPEG" : "BMP", ignored);
}

}  // namespace tablerun
