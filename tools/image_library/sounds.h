// The program's sounds, synthesised: soft card snaps and slides from filtered
// noise, and short bell chimes for the greetings and the wins. Quiet on purpose.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace tablerun::images {

// The "WAVE" resource names the program plays.
const std::vector<QString>& fnSoundNames();
// A complete WAV file: 16-bit mono PCM at 22050 Hz.
QByteArray fnSound(const QString& name);

}  // namespace tablerun::images
