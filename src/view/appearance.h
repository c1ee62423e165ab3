// The card set, back and marks the player chose, loaded into pictures: the
// choice is read from the configuration record, failures are told once through
// the screen and fall back to a built-in choice.
#pragma once

#include <QImage>
#include <QString>

#include "engine/appearance/card_appearance.h"
#include "engine/appearance/random_appearance.h"
#include "engine/state/tablerun_state.h"
#include "pictures/card_images.h"
#include "pictures/image_library.h"

namespace tablerun {

class TAppearance {
 public:
  TAppearance(TTablerunState& state, const TImageLibrary& library);

  const TCardImages& Images() const { return images_; }
  // The fallback for a card set that cannot be shown depends on the screen's width.
  void SetScreenWidth(int width) { screenWidth_ = width; }
  // Faces, backs and marks at twice the pixels, decoded only for a screen that shows them.
  void SetSharpPictures(bool wanted) { sharpPictures_ = wanted; }

  // Once the preferences are read: set 4 only when its pictures exist, the card
  // set, and the random background when asked for.
  void StartUp();

  bool ApplyCardSet();
  bool LoadCardImages(bool facesOnly);
  void ResetCardSetToDefault();
  bool LoadCardBack();
  bool LoadMark(QImage& target, const QString& markName);

  // With an empty name the set in use (add-on or customized); otherwise the
  // name of a customized set or a path. `failure` receives what to tell the player.
  bool ProbeCardSetImage(const QString& nameOrPath, char& letter, QString* failure = nullptr);

  // Rebuilds the pool when it is stale, draws, and reloads what changed; the
  // caller repaints the background when it changed.
  TRandomChanges ChooseRandomAppearance();

 private:
  // The set in use (add-on or customized); `source` names it for messages.
  bool LoadCardSetImage(QImage& image, QString& failure, QString& source);
  bool LoadCardSetFile(const QString& path, QImage& image, QString& failure) const;
  // A customized set of an earlier release that now comes with the add-on pack.
  void MoveEarlierCardSet();
  bool LoadBuiltInBack(const TCardChoice& choice, QImage& target);
  // The library's twin of `resource` at twice the pixels, when the screen wants one and it exists.
  bool LoadSharpTwin(const TCardChoice& choice, const std::string& resource, QImage& target) const;
  void FallBackToDefaultBack(const QString& message);
  // At size X the add-on library must be there; otherwise the player is told and the default set returns.
  bool AddOnLibraryReady(const QString& resource);
  void ForgetAddOnPool();
  void Tell(const QString& message);
  // Pictures that did not decode since the last time, in one message.
  void TellUndecodable();
  QString Key(const char* key) const;
  QString CustomCardSetPath(const QString& name) const;

  TTablerunState& state_;
  const TImageLibrary& library_;
  TCardImages images_;
  int screenWidth_ = 1024;
  bool sharpPictures_ = false;
};

// Opens TBLR.RGF from the program folder; when it is missing the player is told
// and the program must stop.
bool fnOpenImageLibraryOrTell(TTablerunState& state, TImageLibrary& library);

}  // namespace tablerun
