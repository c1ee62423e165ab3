// The image libraries: TBLR.RGF beside the program, open from start-up to
// exit, and the add-on pack in "plus", opened for each lookup. Each is a file of
// named resources in Qt's binary resource format; pictures sit under their
// upper-cased name, sounds under "WAVE/", raw data under "RCDATA/", pointers
// under "CURSOR/" (PNG with their hot spot as the text "hotspot").
#pragma once

#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>
#include <mutex>

namespace tablerun {

// One library file mapped under a resource root of its own while the object lives.
class TResourceFile {
 public:
  explicit TResourceFile(const QString& path);
  ~TResourceFile();
  TResourceFile(const TResourceFile&) = delete;
  TResourceFile& operator=(const TResourceFile&) = delete;

  bool IsOpen() const { return open_; }
  // Case-insensitive; a null picture or empty data when the name is missing.
  // `undecodable`, when given, tells a picture that is there but cannot be read.
  QImage Picture(const QString& name, bool* undecodable = nullptr) const;
  const QString& Path() const { return path_; }
  QByteArray Data(const QString& folder, const QString& name) const;

 private:
  QString path_;
  QString root_;
  bool open_ = false;
};

class TImageLibrary {
 public:
  // programFolder ends in "/". On failure `message` is the text to show before
  // the program stops: "Can't find/load " and the path.
  bool OpenMainImageLibrary(const QString& programFolder, QString& message);
  bool IsOpen() const { return main_ && main_->IsOpen(); }

  // Size-X pictures come from the add-on library; when that cannot be opened,
  // `addOnFailure` (when given) receives the message to show. The target is
  // left as it was when the name is missing.
  bool LoadNamedImage(QImage& target, const QString& name, QString* addOnFailure = nullptr) const;
  // Like LoadNamedImage, with the pixels of one colour made transparent.
  bool LoadNamedImage(QImage& target, const QString& name, QRgb transparent, QString* addOnFailure = nullptr) const;

  // A "WAVE" sound of the main library; empty when missing.
  QByteArray LoadSound(const QString& name) const;
  // A pointer of the main library with its hot spot; false when missing.
  bool LoadCursor(const QString& name, QCursor& cursor) const;

  // A picture or raw data of an add-on library of "plus" (c01.rgf, d01.rgf,
  // b01.rgf). False when the library or the name is missing.
  bool LoadAddOnImage(const QString& file, const QString& name, QImage& target) const;
  QByteArray LoadAddOnData(const QString& file, const QString& name) const;
  QString AddOnPath(const QString& file) const { return programFolder_ + "plus/" + file; }

  // What to tell of pictures that are in a library but cannot be decoded
  // (a damaged file): each picture once, from any thread, to be shown by the
  // caller. Loading such a picture fails as for a missing one.
  QStringList TakeUndecodable() const;
  // A picture of TBLR.RGF did not decode: the program cannot go on, as without the library.
  bool MainLibraryDamaged() const;

 private:
  QImage Picture(const TResourceFile& library, const QString& name) const;

  QString programFolder_;
  std::unique_ptr<TResourceFile> main_;
  mutable std::mutex undecodableMutex_;
  mutable QSet<QString> undecodableSeen_;
  mutable QStringList undecodable_;
  mutable bool mainDamaged_ = false;
};

// The picture with the pixels of one colour made transparent.
QImage fnWithTransparentColour(const QImage& picture, QRgb transparent);
// A small picture of the library; drawn on an opaque ground, it is masked by
// the colour of its top-left pixel. Null when the library lacks it.
QPixmap fnCornerMaskedPicture(const TImageLibrary& library, const QString& name);

// "Can't find/load " and the full path of a library, spelled as on disk.
QString fnLibraryMissingMessage(const QString& path);

}  // namespace tablerun
