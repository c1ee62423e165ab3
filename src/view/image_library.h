// The main image library TBLR.RGF beside the program: named pictures packed
// in Qt's binary resource format, open from start-up to exit.
#pragma once

#include <QImage>
#include <QString>

namespace tablerun {

class TImageLibrary {
public:
  TImageLibrary() = default;
  TImageLibrary(const TImageLibrary&) = delete;
  TImageLibrary& operator=(const TImageLibrary&) = delete;
  ~TImageLibrary();

  // programFolder ends in "/". On failure `message` is the text to show before
  // the program stops: "Can't find/load " and the lower-cased path.
  bool OpenMainImageLibrary(const QString& programFolder, QString& message);
  bool IsOpen() const { return !path_.isEmpty(); }

  // Names are case-insensitive. The target is left as it was when the name is missing.
  bool LoadNamedImage(QImage& target, const QString& name) const;

private:
  QString path_;
  QString root_;
};

}  // namespace tablerun
