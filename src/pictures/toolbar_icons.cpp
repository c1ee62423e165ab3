#include "pictures/toolbar_icons.h"

#include "pictures/image_library.h"

namespace tablerun {
namespace {

QString fnStyled(const QString& name, bool xpStyle) { return (xpStyle ? "" : "2000_") + name; }

void fnAddPicture(QIcon& icon, const QPixmap& picture, QIcon::Mode mode) {
  if (!picture.isNull()) icon.addPixmap(picture, mode);
}

}  // namespace

QIcon fnToolbarIcon(const TImageLibrary& library, const QString& name, bool xpStyle) {
  const QString base = fnStyled("TB_" + name, xpStyle);
  QIcon icon;
  for (const char* size : {"_SMALL", "_LARGE"}) {
    fnAddPicture(icon, fnCornerMaskedPicture(library, base + size), QIcon::Normal);
    fnAddPicture(icon, fnCornerMaskedPicture(library, base + size + "_DIS"), QIcon::Disabled);
  }
  return icon;
}

QIcon fnMenuIcon(const TImageLibrary& library, const QString& name, bool xpStyle) {
  QIcon icon;
  fnAddPicture(icon, fnCornerMaskedPicture(library, fnStyled(name, xpStyle)), QIcon::Normal);
  return icon;
}

}  // namespace tablerun
