#include "view/appearance.h"

#include <QDateTime>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <future>

#include "engine/appearance/add_on_index.h"
#include "engine/appearance/card_appearance.h"
#include "pictures/image_files.h"
#include "pictures/image_names.h"

namespace tablerun {
namespace {

constexpr const char* kPreference = "Preference";
constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kPureBlue = 0x0000FF;
constexpr int kCardSetFour = 4;

// Names of earlier releases whose set now comes with the add-on pack.
const char* const kMovedCardSets[] = {"Children's Card Set", "Small (16 colors)", "Traditional English Playing Cards"};

QString fnQ(const std::string& text) { return QString::fromStdString(text); }

QSize fnSizeOf(char letter) {
  const auto pixels = fnCardPixels(letter);
  return pixels ? QSize(pixels->width, pixels->height) : QSize(71, 96);
}

QImage fnStretched(const QImage& picture, QSize size) {
  return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Large backs with a white frame get round corners.
void fnRoundCorners(QImage& back) {
  if (back.width() < 5 || back.height() < 5 || (back.pixel(3, 1) | 0xFF000000u) != 0xFFFFFFFFu) return;
  const int right = back.width() - 1, bottom = back.height() - 1;
  for (const QPoint p : {QPoint(2, 1), QPoint(2, 2), QPoint(1, 2)}) {
    for (const QPoint q :
         {p, QPoint(right - p.x(), p.y()), QPoint(p.x(), bottom - p.y()), QPoint(right - p.x(), bottom - p.y())}) {
      back.setPixel(q, 0xFFFFFFFFu);
    }
  }
}

}  // namespace

TAppearance::TAppearance(TTablerunState& state, const TImageLibrary& library) : state_(state), library_(library) {}

void TAppearance::Tell(const QString& message) {
  state_.screen.ShowMessage(TMessageKind::Error, message.toStdString());
}

void TAppearance::TellUndecodable() {
  if (const QStringList damaged = library_.TakeUndecodable(); !damaged.isEmpty()) Tell(damaged.join("\r"));
}

QString TAppearance::Key(const char* key) const {
  return state_.store ? fnQ(state_.store->ReadString(kPreference, key, "")) : QString();
}

QString TAppearance::CustomCardSetPath(const QString& name) const {
  return fnQ(fnFileInFolder(state_.dataFolder + "custom card sets/", name.toStdString(), ".crs"));
}

void TAppearance::ForgetAddOnPool() { state_.fs.Remove(state_.dataFolder + "Rnd_read.dat"); }

void TAppearance::StartUp() {
  if (fnCardChoice(state_).set == kCardSetFour) {
    QImage probe;
    if (!library_.LoadNamedImage(probe, "CB004H")) state_.config.Write(cfg::kCardSet, "001");
  }
  ApplyCardSet();
  if (state_.config.IsYes(cfg::kRandomBackground)) ChooseRandomAppearance();
}

bool TAppearance::ApplyCardSet() {
  if (state_.config.IsYes(cfg::kCustomCardSet) || state_.config.IsYes(cfg::kAddOnCardSet)) {
    char letter = ' ';
    QString failure;
    if (ProbeCardSetImage({}, letter, &failure)) {
      state_.config.Write(cfg::kCardSize, std::string(1, letter));
    } else {
      if (!failure.isEmpty()) Tell(failure);
      fnFallBackToBuiltInSet(state_, screenWidth_);
    }
  }
  const bool loaded = LoadCardImages(false);
  TellUndecodable();
  return loaded;
}

bool TAppearance::AddOnLibraryReady(const QString& resource) {
  if (!fnIsAddOnPicture(resource.toStdString())) return true;
  if (TResourceFile(library_.AddOnPath("tblradd.rgf")).IsOpen()) return true;
  Tell(fnLibraryMissingMessage(library_.AddOnPath("tblradd.rgf")));
  ResetCardSetToDefault();
  return false;
}

bool TAppearance::LoadCardImages(bool facesOnly) {
  const TCardChoice choice = fnCardChoice(state_);
  if (!AddOnLibraryReady(fnQ(fnJokerResource(choice.size)))) return false;
  images_.SetCardSize(fnSizeOf(choice.size));
  images_.ClearSharpFaces();
  bool complete = true;
  if (state_.config.IsYes(cfg::kCustomCardSet) || state_.config.IsYes(cfg::kAddOnCardSet)) {
    QImage image;
    QString failure, source;
    if (!LoadCardSetImage(image, failure, source)) {
      // Blank faces would leave the game unplayable: the default set takes over.
      Tell(failure);
      ResetCardSetToDefault();
      return false;
    }
    images_.SliceCardSetImage(image, choice.suitRule);
  } else {
    // The suits' pictures are decoded side by side: this is most of the start-up's own work.
    std::array<std::future<QImage>, 4> grids, sharpGrids;
    const auto decode = [this](const QString& name) {
      return std::async(std::launch::async, [this, name] {
        QImage picture;
        library_.LoadNamedImage(picture, name);
        return picture;
      });
    };
    for (std::size_t suit = 0; suit < grids.size(); ++suit) {
      const int source = fnPictureSuit(static_cast<int>(suit), choice.suitRule);
      const QString name = fnQ(fnCardSetResource(choice.size, choice.set, source));
      grids[suit] = decode(name);
      // Only the built-in sets come at twice the pixels; the others are scaled.
      if (sharpPictures_) sharpGrids[suit] = decode(fnSharpImageName(name));
    }
    for (std::size_t suit = 0; suit < grids.size(); ++suit) {
      const QImage grid = grids[suit].get();
      complete = !grid.isNull() && complete;
      if (!grid.isNull()) images_.SliceSuit(static_cast<int>(suit), grid);
      if (sharpGrids[suit].valid())
        if (const QImage sharp = sharpGrids[suit].get(); !sharp.isNull())
          images_.SliceSharpSuit(static_cast<int>(suit), sharp);
    }
  }
  if (!facesOnly) {
    complete = LoadMark(images_.JqkMarkTarget(), "EmptyPositionJQK") && complete;
    complete = LoadCardBack() && complete;
    const QString size(QChar::fromLatin1(choice.size));
    for (const int piece : {1, 2}) {
      complete =
          library_.LoadNamedImage(images_.ShadowTarget(piece), QString("SHADOW_%1%2").arg(size).arg(piece), kWhite) &&
          complete;
      complete = library_.LoadNamedImage(images_.BorderTarget(piece), QString("3D_BORDER_%1%2").arg(size).arg(piece),
                                         kPureBlue) &&
                 complete;
    }
  }
  return library_.LoadNamedImage(images_.JokerTarget(), fnQ(fnJokerResource(choice.size))) && complete;
}

void TAppearance::ResetCardSetToDefault() {
  fnForgetCustomCardsAndDecks(state_);
  ApplyCardSet();
}

bool TAppearance::LoadCardSetFile(const QString& path, QImage& image, QString& failure) const {
  // A name that would leave its folder is not a file there.
  if (!path.contains('/') || !QFileInfo(path).isFile()) {
    failure = "Customized cards set image not found: " + path;
    return false;
  }
  if (!fnLoadImageFile(path, image)) {
    failure = "Image is not valid: " + path;
    return false;
  }
  return true;
}

bool TAppearance::LoadCardSetImage(QImage& image, QString& failure, QString& source) {
  if (state_.config.IsYes(cfg::kAddOnCardSet)) {
    source = Key("Additional_Cards_Set");
    if (library_.LoadAddOnImage("c01.rgf", source, image)) return true;
    failure = "Error loading the Card Set: " + source + "\rPlease install again Tablerun Plus!";
    ForgetAddOnPool();
    return false;
  }
  const QString name = Key("Customized_Cards_Set");
  source = CustomCardSetPath(name);
  if (source.isEmpty()) source = name;
  return LoadCardSetFile(source, image, failure);
}

void TAppearance::MoveEarlierCardSet() {
  const QString custom = Key("Customized_Cards_Set");
  const bool moved =
      std::find(std::begin(kMovedCardSets), std::end(kMovedCardSets), custom) != std::end(kMovedCardSets);
  if (state_.config.IsYes(cfg::kAddOnCardSet) || !moved || QFileInfo(CustomCardSetPath(custom)).isFile()) return;
  const std::string resource = AddOnResourceName(state_, custom.toStdString(), "cards");
  if (resource.empty() || !state_.store) return;
  state_.config.Write(cfg::kCustomCardSet, "N");
  state_.config.Write(cfg::kAddOnCardSet, "Y");
  state_.store->WriteString(kPreference, "Customized_Cards_Set", "");
  state_.store->WriteString(kPreference, "Additional_Cards_Set", resource);
}

bool TAppearance::ProbeCardSetImage(const QString& nameOrPath, char& letter, QString* failure) {
  letter = ' ';
  QImage image;
  QString why, source;
  bool loaded = false;
  if (nameOrPath.isEmpty()) {
    MoveEarlierCardSet();
    loaded = LoadCardSetImage(image, why, source);
  } else {
    source = nameOrPath.contains('/') ? nameOrPath : CustomCardSetPath(nameOrPath);
    if (source.isEmpty()) source = nameOrPath;
    loaded = LoadCardSetFile(source, image, why);
  }
  if (loaded) {
    letter = fnCardSetImageLetter(image.width(), image.height());
    if (letter != ' ') return true;
    why = "The format of the Customized card set image is not valid.\r" + source;
  }
  if (failure) *failure = why;
  return false;
}

void TAppearance::FallBackToDefaultBack(const QString& message) {
  Tell(message);
  fnResetBack(state_);
  LoadBuiltInBack(fnCardChoice(state_), images_.BackTarget());
}

bool TAppearance::LoadSharpTwin(const TCardChoice& choice, const std::string& resource, QImage& target) const {
  if (!sharpPictures_ || choice.size == 'X' || choice.size == 'L') return false;
  if (!library_.LoadNamedImage(target, fnSharpImageName(fnQ(resource)))) return false;
  target.setDevicePixelRatio(2.0);
  return true;
}

bool TAppearance::LoadBuiltInBack(const TCardChoice& choice, QImage& target) {
  const TBackSource source = fnBuiltInBack(choice.size, choice.back);
  if (!AddOnLibraryReady(fnQ(source.resource))) return false;
  QImage back;
  if (LoadSharpTwin(choice, source.resource, back)) {
    target = source.stretched ? fnStretched(back, fnSizeOf(choice.size) * 2) : back;
    target.setDevicePixelRatio(2.0);
    return true;
  }
  if (!library_.LoadNamedImage(back, fnQ(source.resource))) return false;
  target = source.stretched ? fnStretched(back, fnSizeOf(choice.size)) : back;
  if (choice.size == 'X') fnRoundCorners(target);
  return true;
}

bool TAppearance::LoadCardBack() {
  const TCardChoice choice = fnCardChoice(state_);
  const QSize card = fnSizeOf(choice.size);
  QImage back;
  if (state_.config.IsYes(cfg::kCustomDeck)) {
    const QString name = Key("Customized_Deck");
    const QString path = fnQ(fnFileInFolder(state_.dataFolder + "custom decks/", name.toStdString(), ".bmp"));
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
      FallBackToDefaultBack("Customized deck image not found: " + (path.isEmpty() ? name : path));
      return false;
    }
    if (!IsImageFileValid(path) || !fnLoadImageFile(path, back)) {
      FallBackToDefaultBack("Image is not valid: " + path);
      return false;
    }
  } else if (state_.config.IsYes(cfg::kAddOnDeck)) {
    const QString name = Key("Additional_Deck");
    if (!library_.LoadAddOnImage("d01.rgf", name, back)) {
      ForgetAddOnPool();
      FallBackToDefaultBack("Error loading the Deck: " + name + "\rPlease install again Tablerun Plus!");
      return false;
    }
  } else {
    return LoadBuiltInBack(choice, images_.BackTarget());
  }
  images_.BackTarget() = fnStretched(back, card);
  if (choice.size == 'X') fnRoundCorners(images_.BackTarget());
  return true;
}

bool TAppearance::LoadMark(QImage& target, const QString& markName) {
  const TCardChoice choice = fnCardChoice(state_);
  const std::string resource = fnMarkResource(markName.toStdString(), choice.size, choice.back);
  if (resource.empty()) {
    Tell("Error: " + markName);
    return false;
  }
  if (markName.compare("deck", Qt::CaseInsensitive) == 0) {
    // Backs other than 11 exist at size B only, as for the back itself.
    return LoadBuiltInBack(choice, target);
  }
  if (!AddOnLibraryReady(fnQ(resource))) return false;
  if (LoadSharpTwin(choice, resource, target)) return true;
  QImage mark;
  if (!library_.LoadNamedImage(mark, fnQ(resource))) return false;
  target = choice.size == 'X' ? fnStretched(mark, fnSizeOf('X')) : mark;
  return true;
}

TRandomChanges TAppearance::ChooseRandomAppearance() {
  const QFileInfo addOn(library_.AddOnPath("tblradd.rgf"));
  const int addOnDate = addOn.isFile() ? addOn.lastModified().toString("yyyyMMdd").toInt() : 0;
  if (fnRandomPoolIsStale(state_, addOnDate)) {
    fnWriteRandomPool(state_, fnOfferedAppearances(state_, [this](const std::string& path) {
                        char letter = ' ';
                        ProbeCardSetImage(fnQ(path), letter);
                        return letter;
                      }));
  }
  const TRandomChanges changes = fnChooseRandomAppearance(state_);
  if (changes.cards) {
    ApplyCardSet();
  } else if (changes.deck) {
    LoadCardBack();
  }
  return changes;
}

bool fnOpenImageLibraryOrTell(TTablerunState& state, TImageLibrary& library) {
  QString failure;
  if (library.OpenMainImageLibrary(fnQ(state.programFolder), failure)) return true;
  state.screen.ShowMessage(TMessageKind::Error, failure.toStdString());
  return false;
}

}  // namespace tablerun
