#include "pictures/image_library.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QResource>
#include <atomic>

#include "engine/appearance/card_appearance.h"

namespace tablerun {
namespace {

// Each open library gets its own resource root, so that several may be open at once.
QString fnNewRoot() {
  static std::atomic<int> count{0};
  return QString("/tblr%1").arg(++count);
}

// A slash could reach outside the library's root.
bool fnIsPlainName(const QString& name) { return !name.isEmpty() && !name.contains(QChar('/')); }

}  // namespace

TResourceFile::TResourceFile(const QString& path) : path_(path), root_(fnNewRoot()) {
  open_ = QFileInfo(path).isFile() && QResource::registerResource(path, root_);
}

TResourceFile::~TResourceFile() {
  if (open_) QResource::unregisterResource(path_, root_);
}

QImage TResourceFile::Picture(const QString& name, bool* undecodable) const {
  if (undecodable) *undecodable = false;
  if (!open_ || !fnIsPlainName(name)) return {};
  // Every picture of the libraries is PNG; without detection no image plug-in is loaded to be asked.
  const QString path = ":" + root_ + "/" + name.toUpper();
  if (!QFile::exists(path)) return {};
  QImageReader reader(path, "PNG");
  reader.setAutoDetectImageFormat(false);
  QImage picture = reader.read();
  if (undecodable) *undecodable = picture.isNull();
  return picture;
}

QByteArray TResourceFile::Data(const QString& folder, const QString& name) const {
  if (!open_ || !fnIsPlainName(name)) return {};
  QFile file(":" + root_ + "/" + folder + "/" + name.toUpper());
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString fnLibraryMissingMessage(const QString& path) { return "Can't find/load " + QFileInfo(path).absoluteFilePath(); }

bool TImageLibrary::OpenMainImageLibrary(const QString& programFolder, QString& message) {
  programFolder_ = programFolder;
  const QString path = QFileInfo(programFolder + "TBLR.RGF").absoluteFilePath();
  main_ = std::make_unique<TResourceFile>(path);
  if (main_->IsOpen()) return true;
  main_.reset();
  message = fnLibraryMissingMessage(path);
  return false;
}

bool TImageLibrary::LoadNamedImage(QImage& target, const QString& name, QString* addOnFailure) const {
  QImage picture;
  if (fnIsAddOnPicture(name.toStdString())) {
    const TResourceFile addOn(AddOnPath("tblradd.rgf"));
    if (!addOn.IsOpen()) {
      if (addOnFailure) *addOnFailure = fnLibraryMissingMessage(AddOnPath("tblradd.rgf"));
      return false;
    }
    picture = Picture(addOn, name);
  } else if (IsOpen()) {
    picture = Picture(*main_, name);
  }
  if (picture.isNull()) return false;
  target = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  return true;
}

bool TImageLibrary::LoadNamedImage(QImage& target, const QString& name, QRgb transparent, QString* addOnFailure) const {
  QImage picture;
  if (!LoadNamedImage(picture, name, addOnFailure)) return false;
  target = fnWithTransparentColour(picture, transparent);
  return true;
}

QPixmap fnCornerMaskedPicture(const TImageLibrary& library, const QString& name) {
  QImage image;
  if (!library.LoadNamedImage(image, name)) return {};
  if (qAlpha(image.pixel(0, 0)) == 255) image = fnWithTransparentColour(image, image.pixel(0, 0) & RGB_MASK);
  return QPixmap::fromImage(image);
}

QImage fnWithTransparentColour(const QImage& picture, QRgb transparent) {
  QImage image = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (line[x] == (transparent | 0xFF000000u)) line[x] = 0;
    }
  }
  return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QByteArray TImageLibrary::LoadSound(const QString& name) const {
  return IsOpen() ? main_->Data("WAVE", name) : QByteArray();
}

bool TImageLibrary::LoadCursor(const QString& name, QCursor& cursor) const {
  QImage picture;
  if (!IsOpen() || !picture.loadFromData(main_->Data("CURSOR", name), "PNG")) return false;
  const QStringList spot = picture.text("hotspot").split(',');
  const int x = spot.size() == 2 ? spot[0].toInt() : 0, y = spot.size() == 2 ? spot[1].toInt() : 0;
  cursor = QCursor(QPixmap::fromImage(picture), x, y);
  return true;
}

QImage TImageLibrary::Picture(const TResourceFile& library, const QString& name) const {
  bool undecodable = false;
  QImage picture = library.Picture(name, &undecodable);
  if (undecodable) {
    const std::lock_guard lock(undecodableMutex_);
    const QString what = name.toUpper() + " in " + QFileInfo(library.Path()).absoluteFilePath();
    mainDamaged_ = mainDamaged_ || &library == main_.get();
    if (!undecodableSeen_.contains(what)) {
      undecodableSeen_.insert(what);
      undecodable_ << "The picture " + what + " cannot be read: the file is damaged.";
    }
  }
  return picture;
}

QStringList TImageLibrary::TakeUndecodable() const {
  const std::lock_guard lock(undecodableMutex_);
  QStringList taken;
  taken.swap(undecodable_);
  return taken;
}

bool TImageLibrary::MainLibraryDamaged() const {
  const std::lock_guard lock(undecodableMutex_);
  return mainDamaged_;
}

bool TImageLibrary::LoadAddOnImage(const QString& file, const QString& name, QImage& target) const {
  const QImage picture = Picture(TResourceFile(AddOnPath(file)), name);
  if (picture.isNull()) return false;
  target = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  return true;
}

QByteArray TImageLibrary::LoadAddOnData(const QString& file, const QString& name) const {
  return TResourceFile(AddOnPath(file)).Data("RCDATA", name);
}

}  // namespace tablerun
