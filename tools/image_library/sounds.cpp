#include "sounds.h"

#include <QtEndian>
#include <cmath>
#include <functional>
#include <map>
#include <random>

#include "recipe_keys.h"

namespace tablerun::images {
namespace {

constexpr int kRate = 22050;
constexpr double kTau = 6.283185307179586;
// Peak level: well below full scale, so no sound startles.
constexpr double kLevel = 0.32;

using TSamples = std::vector<double>;

TSamples fnSilence(double seconds) { return TSamples(std::size_t(seconds * kRate), 0.0); }

void fnMixIn(TSamples& into, const TSamples& sound, double at) {
  const auto start = std::size_t(at * kRate);
  if (into.size() < start + sound.size()) into.resize(start + sound.size(), 0.0);
  for (std::size_t i = 0; i < sound.size(); ++i) into[start + i] += sound[i];
}

// A card meeting the cloth: a burst of noise through a simple band filter,
// with a fast attack and a decay of `decay` seconds.
TSamples fnSnap(double seconds, double decay, double brightness, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> noise(-1, 1);
  TSamples samples = fnSilence(seconds);
  double low = 0, band = 0;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double t = double(i) / kRate;
    const double envelope = std::min(1.0, t / 0.002) * std::exp(-t / decay);
    low += brightness * (noise(random) - low);
    band += 0.5 * (low - band);
    samples[i] = (low - band) * 2.5 * envelope;
  }
  return samples;
}

// A card sliding: noise that swells and fades.
TSamples fnSlide(double seconds, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> noise(-1, 1);
  TSamples samples = fnSilence(seconds);
  double low = 0;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double t = double(i) / seconds / kRate;
    low += 0.25 * (noise(random) - low);
    samples[i] = low * std::sin(M_PI * t) * 0.5;
  }
  return samples;
}

// A bell-like tone: a few inharmonic partials that ring out.
TSamples fnBell(double frequency, double seconds) {
  TSamples samples = fnSilence(seconds);
  const double partials[][2] = {{1.0, 1.0}, {2.0, 0.35}, {3.01, 0.12}, {4.2, 0.05}};
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double t = double(i) / kRate;
    double value = 0;
    for (const auto& [ratio, weight] : partials)
      value += weight * std::sin(kTau * frequency * ratio * t) * std::exp(-t * (2.5 + ratio));
    samples[i] = value * std::min(1.0, t / 0.004) * 0.45;
  }
  return samples;
}

TSamples fnChime(std::initializer_list<double> notes, double step, double ring) {
  TSamples samples;
  double at = 0;
  for (const double note : notes) {
    fnMixIn(samples, fnBell(note, ring), at);
    at += step;
  }
  return samples;
}

TSamples fnRiffle() {
  TSamples samples = fnSilence(0.9);
  for (int click = 0; click < 26; ++click)
    fnMixIn(samples, fnSnap(0.03, 0.006, 0.6, 100u + unsigned(click)), click * 0.033);
  return samples;
}

TSamples fnTwice(const TSamples& first, const TSamples& second, double gap) {
  TSamples samples = first;
  fnMixIn(samples, second, gap);
  return samples;
}

QByteArray fnWave(const TSamples& samples) {
  double peak = 1e-9;
  for (const double sample : samples) peak = std::max(peak, std::fabs(sample));
  QByteArray data(int(samples.size()) * 2, '\0');
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const auto value = static_cast<qint16>(std::lround(samples[i] / peak * kLevel * 32767));
    qToLittleEndian(value, data.data() + 2 * i);
  }
  QByteArray wave("RIFF");
  const auto append32 = [&wave](quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    wave.append(bytes, 4);
  };
  const auto append16 = [&wave](quint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    wave.append(bytes, 2);
  };
  append32(quint32(36 + data.size()));
  wave.append("WAVEfmt ");
  append32(16);
  append16(1);  // PCM
  append16(1);  // mono
  append32(kRate);
  append32(kRate * 2);
  append16(2);
  append16(16);
  wave.append("data");
  append32(quint32(data.size()));
  return wave + data;
}

const std::map<QString, std::function<TSamples()>>& fnRecipes() {
  // Notes of a C major scale around the middle of the piano.
  constexpr double C5 = 523.25, E5 = 659.25, G5 = 783.99, C6 = 1046.5, A4 = 440.0, F4 = 349.23, D5 = 587.33;
  static const std::map<QString, std::function<TSamples()>> recipes = {
      {"Splash",
       [] {
         return fnChime({C5, E5, G5, C6}, 0.12, 1.6);
       }},
      {"About",
       [] {
         return fnChime({G5, C6}, 0.15, 1.2);
       }},
      {"New", [] { return fnTwice(fnSlide(0.25, 1), fnSnap(0.12, 0.02, 0.5, 2), 0.2); }},
      {"Shuffle", [] { return fnRiffle(); }},
      {"Undo", [] { return fnSnap(0.1, 0.015, 0.35, 3); }},
      {"Redo", [] { return fnSnap(0.1, 0.015, 0.45, 4); }},
      {"Restart", [] { return fnTwice(fnSnap(0.1, 0.014, 0.45, 5), fnSnap(0.1, 0.014, 0.45, 6), 0.09); }},
      {"Autoplay", [] { return fnSnap(0.1, 0.012, 0.55, 7); }},
      {"Card_down", [] { return fnSnap(0.12, 0.018, 0.5, 8); }},
      {"Card_up", [] { return fnSnap(0.08, 0.008, 0.7, 9); }},
      {"Stock", [] { return fnTwice(fnSlide(0.09, 10), fnSnap(0.1, 0.012, 0.6, 11), 0.06); }},
      {"Face_up", [] { return fnSnap(0.08, 0.01, 0.8, 12); }},
      {"Pairing", [] { return fnTwice(fnSnap(0.1, 0.012, 0.5, 13), fnBell(E5, 0.4), 0.04); }},
      {"Foundation", [] { return fnTwice(fnSnap(0.1, 0.014, 0.55, 14), fnBell(C6, 0.3), 0.03); }},
      {"Tableau", [] { return fnSnap(0.12, 0.02, 0.45, 15); }},
      {"Redeal", [] { return fnTwice(fnSlide(0.35, 16), fnSnap(0.14, 0.02, 0.5, 17), 0.3); }},
      {"red_no_a",
       [] {
         return fnChime({A4, F4}, 0.12, 0.5);
       }},
      {"Hi-Scor",
       [] {
         return fnChime({C5, D5, E5, G5, C6}, 0.09, 1.2);
       }},
      {"Scores",
       [] {
         return fnChime({E5, G5}, 0.1, 0.8);
       }},
      {"Won",
       [] {
         TSamples samples = fnChime({C5, E5, G5, C6}, 0.11, 1.4);
         for (const double note : {C5, E5, G5}) fnMixIn(samples, fnBell(note, 1.8), 0.5);
         return samples;
       }},
  };
  return recipes;
}

}  // namespace

const std::vector<QString>& fnSoundNames() {
  static const std::vector<QString> keys = fnRecipeKeys(fnRecipes());
  return keys;
}

QByteArray fnSound(const QString& name) { return fnWave(fnRecipes().at(name)()); }

}  // namespace tablerun::images
