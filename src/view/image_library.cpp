#include "view/image_library.h"

#include <QFileInfo>
#include <QResource>
#include <atomic>

namespace tablerun {
namespace {

// Each open library gets its own resource root, so that a test may open two.
QString fnNewRoot() {
  static std::atomic<int> count{0};
  return QString("/tblr%1").arg(++count);
}

}  // namespace

TImageLibrary::~TImageLibrary() {
  if (IsOpen()) QResource::unregisterResource(path_, root_);
}

bool TImageLibrary::OpenMainImageLibrary(const QString& programFolder, QString& message) {
  const QString path = QFileInfo(programFolder + "TBLR.RGF").absoluteFilePath();
  if (IsOpen()) QResource::unregisterResource(path_, root_);
  path_.clear();
  const QString root = fnNewRoot();
  if (!QResource::registerResource(path, root)) {
    message = "Can't find/load " + path.toLower();
    return false;
  }
  path_ = path;
  root_ = root;
  return true;
}

bool TImageLibrary::LoadNamedImage(QImage& target, const QString& name) const {
  // A slash could reach outside this library's root.
  if (!IsOpen() || name.isEmpty() || name.contains(QChar('/'))) return false;
  QImage picture(":" + root_ + "/" + name.toUpper());
  if (picture.isNull()) return false;
  target = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  return true;
}

}  // namespace tablerun
