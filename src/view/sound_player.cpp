#include "view/sound_player.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "pictures/image_library.h"

namespace tablerun {

TSoundPlayer::TSoundPlayer(const TConfigRecord& config, const TImageLibrary& library, QObject* parent)
    : QObject(parent), config_(config), library_(library) {}

TSoundPlayer::~TSoundPlayer() = default;

bool TSoundPlayer::HasAudio() {
  // Asked once, at the first sound, so that start-up does not wait for the audio system.
  if (hasAudio_ < 0) hasAudio_ = QMediaDevices::audioOutputs().isEmpty() ? 0 : 1;
  return hasAudio_ == 1;
}

QString TSoundPlayer::SoundFile(const QString& name) {
  const QString key = name.toUpper();
  if (const auto found = files_.constFind(key); found != files_.constEnd()) return *found;
  QString path;
  const QByteArray wave = library_.LoadSound(name);
  if (!folder_) folder_ = std::make_unique<QTemporaryDir>();
  if (!wave.isEmpty() && folder_->isValid()) {
    QFile file(folder_->filePath(key + ".wav"));
    if (file.open(QIODevice::WriteOnly) && file.write(wave) == wave.size()) path = file.fileName();
  }
  files_.insert(key, path);
  return path;
}

void TSoundPlayer::PlaySoundByName(const QString& name, bool enabled, bool loop) {
  if (!config_.IsYes(cfg::kSoundsEnabled) || !enabled || !HasAudio()) return;
  const QString path = SoundFile(name);
  if (path.isEmpty()) {
    StopSound();
    return;
  }
  if (!effect_) effect_ = new QSoundEffect(this);
  effect_->stop();
  effect_->setSource(QUrl::fromLocalFile(path));
  effect_->setLoopCount(loop ? QSoundEffect::Infinite : 1);
  effect_->play();
}

void TSoundPlayer::StopSound() {
  if (effect_) effect_->stop();
}

}  // namespace tablerun
