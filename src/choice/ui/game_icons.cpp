#include "choice/ui/game_icons.h"

#include <QHash>
#include <QPixmap>
#include <utility>

#include "model/catalogue.h"
#include "pictures/image_library.h"

namespace tablerun {
namespace {

// The lists ask for the same few dozen pictures thousands of times; each is
// decoded once per program folder.
QPixmap fnPicture(const TImageLibrary& library, const QString& name) {
  static QHash<QString, QPixmap> cache;
  const QString key = library.AddOnPath(name);
  const auto found = cache.constFind(key);
  if (found != cache.constEnd()) return *found;
  QImage image;
  library.LoadNamedImage(image, name);
  const QPixmap picture = QPixmap::fromImage(image);
  cache.insert(key, picture);
  return picture;
}

QIcon fnIcon(const QPixmap& normal, const QPixmap& selected = {}) {
  QIcon icon;
  if (normal.isNull()) return icon;
  icon.addPixmap(normal, QIcon::Normal);
  icon.addPixmap(selected.isNull() ? normal : selected, QIcon::Selected);
  return icon;
}

QString fnMarkSuffix(TGameStatus status) {
  switch (status) {
    case TGameStatus::Won: return "_WIN";
    case TGameStatus::NotWon: return "_NOWIN";
    case TGameStatus::NotPlayed: break;
  }
  return "_NOPLAYED";
}

std::pair<QString, QString> fnFolderNames(TFolderPicture picture) {
  switch (picture) {
    case TFolderPicture::Plain: break;
    case TFolderPicture::Features: return {"F_TREE1", "F_TREE2"};
    case TFolderPicture::Favorites: return {"S_TREE1", "S_TREE2"};
    case TFolderPicture::Time: return {"T_TREE1", "T_TREE2"};
    case TFolderPicture::Difficulty: return {"D_TREE1", "D_TREE2"};
    case TFolderPicture::Chance: return {"C_TREE1", "C_TREE2"};
    case TFolderPicture::Skill: return {"I_TREE1", "I_TREE2"};
    case TFolderPicture::NewGames: return {"N_TREE3", "N_TREE4"};
  }
  return {"TREE1", "TREE2"};
}

}  // namespace

QIcon fnGameTypeIcon(const TImageLibrary& library, int type, std::optional<TGameStatus> marks) {
  const QString key = QString::fromStdString(fnGameTypeKey(type));
  if (key.isEmpty()) return {};
  return fnIcon(fnPicture(library, marks ? key + fnMarkSuffix(*marks) : key));
}

QIcon fnOriginalGamesIcon(const TImageLibrary& library) { return fnIcon(fnPicture(library, "TREE5_ORIGINAL_TYPE")); }

QIcon fnFolderIcon(const TImageLibrary& library, TFolderPicture picture) {
  const auto [closed, open] = fnFolderNames(picture);
  return fnIcon(fnPicture(library, closed), fnPicture(library, open));
}

QIcon fnOpenFolderIcon(const TImageLibrary& library, TFolderPicture picture) {
  return fnIcon(fnPicture(library, fnFolderNames(picture).second));
}

}  // namespace tablerun
