// The program's sounds: the "WAVE" resources of the main image library,
// played asynchronously. Without an audio device every call does nothing.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "config/config_record.h"

class QSoundEffect;

namespace tablerun {

class TImageLibrary;

class TSoundPlayer final : public QObject {
  Q_OBJECT
 public:
  TSoundPlayer(const TConfigRecord& config, const TImageLibrary& library, QObject* parent = nullptr);
  ~TSoundPlayer() override;

  // Plays when sounds are on ("Sounds_Enabled") and `enabled`, the event's
  // own setting. A name the library lacks stops what is playing.
  void PlaySoundByName(const QString& name, bool enabled, bool loop = false);
  void StopSound();

 private:
  bool HasAudio();
  // The sound as a file QSoundEffect can open; empty when the library lacks it.
  QString SoundFile(const QString& name);

  const TConfigRecord& config_;
  const TImageLibrary& library_;
  std::unique_ptr<QTemporaryDir> folder_;
  QHash<QString, QString> files_;
  QSoundEffect* effect_ = nullptr;
  int hasAudio_ = -1;  // not asked yet
};

}  // namespace tablerun
