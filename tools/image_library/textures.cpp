#include "textures.h"

#include <QColor>
#include <QPainter>
#include <cmath>
#include <functional>
#include <map>
#include <random>

#include "recipe_keys.h"

namespace tablerun::images {
namespace {

constexpr int kTile = 256;
constexpr double kTau = 6.283185307179586;

// Value noise on a lattice that repeats every `fu` x `fv` cells across the tile.
double fnLattice(int x, int y, int fu, int fv, unsigned seed) {
  x = ((x % fu) + fu) % fu;
  y = ((y % fv) + fv) % fv;
  unsigned h = seed * 0x9E3779B9u ^ unsigned(x) * 0x85EBCA6Bu ^ unsigned(y) * 0xC2B2AE35u;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  return (h & 0xFFFFFF) / double(0x1000000);
}

double fnNoise(double u, double v, int fu, int fv, unsigned seed) {
  const double x = u * fu, y = v * fv;
  const int ix = int(std::floor(x)), iy = int(std::floor(y));
  const double tx = x - ix, ty = y - iy;
  const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
  const double a = fnLattice(ix, iy, fu, fv, seed), b = fnLattice(ix + 1, iy, fu, fv, seed);
  const double c = fnLattice(ix, iy + 1, fu, fv, seed), d = fnLattice(ix + 1, iy + 1, fu, fv, seed);
  return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

// Several octaves of noise, 0..1, each octave twice as fine.
double fnFbm(double u, double v, int fu, int fv, int octaves, unsigned seed) {
  double sum = 0, weight = 0.5, total = 0;
  for (int octave = 0; octave < octaves; ++octave) {
    sum += weight * fnNoise(u, v, fu << octave, fv << octave, seed + unsigned(octave));
    total += weight;
    weight *= 0.5;
  }
  return sum / total;
}

double fnFbm(double u, double v, int f, int octaves, unsigned seed) { return fnFbm(u, v, f, f, octaves, seed); }

QRgb fnMix(QColor a, QColor b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return qRgb(int(a.red() + (b.red() - a.red()) * t), int(a.green() + (b.green() - a.green()) * t),
              int(a.blue() + (b.blue() - a.blue()) * t));
}

QRgb fnMix3(QColor a, QColor b, QColor c, double t) { return t < 0.5 ? fnMix(a, b, t * 2) : fnMix(b, c, t * 2 - 1); }

QRgb fnShade(QColor base, double amount) {
  return qRgb(std::clamp(int(base.red() * amount), 0, 255), std::clamp(int(base.green() * amount), 0, 255),
              std::clamp(int(base.blue() * amount), 0, 255));
}

using TPixel = std::function<QRgb(double u, double v)>;

QRgb fnFantasy(double u, double v, QColor a, QColor b, QColor c, unsigned seed) {
  const double warp = fnFbm(u, v, 2, 4, seed + 7);
  return fnMix3(a, b, c, fnFbm(u + 0.0, v, 2, 5, seed) * 0.6 + std::sin(kTau * (u + v + warp)) * 0.2 + 0.2);
}

QRgb fnMarble(double u, double v, QColor base, QColor vein, unsigned seed) {
  const double t = std::sin(kTau * (2 * u + v) + 6 * fnFbm(u, v, 3, 5, seed));
  const double veins = std::pow(1 - std::fabs(t), 6);
  return fnMix(base, vein, veins * 0.8 + fnFbm(u, v, 8, 3, seed + 3) * 0.15);
}

QRgb fnFelt(double u, double v, QColor base, unsigned seed) {
  const double grain = fnFbm(u, v, 64, 2, seed) * 0.6 + fnFbm(u, v, 8, 3, seed + 5) * 0.4;
  return fnShade(base, 0.85 + grain * 0.3);
}

QRgb fnWood(double u, double v, QColor light, QColor dark, unsigned seed) {
  const double rings = std::sin(kTau * (5 * v + 2.2 * fnFbm(u, v, 2, 4, 4, seed)));
  const double grain = fnFbm(u, v, 4, 64, 2, seed + 9);
  return fnMix(light, dark, (rings * 0.5 + 0.5) * 0.6 + grain * 0.4);
}

QRgb fnBrushed(double u, double v, QColor base, unsigned seed) {
  return fnShade(base, 0.85 + fnFbm(u, v, 2, 128, 2, seed) * 0.25 + fnFbm(u, v, 4, 4, 3, seed + 1) * 0.08);
}

QRgb fnBricks(double u, double v) {
  const double x = u * kTile, y = v * kTile;
  const int row = int(y / 32);
  const double bx = std::fmod(x + (row % 2 ? 32 : 0), 64.0), by = std::fmod(y, 32.0);
  if (bx < 3 || by < 3) return fnShade(QColor(200, 196, 186), 0.9 + fnNoise(u, v, 64, 64, 2) * 0.2);
  const int brick = row * 8 + int(std::fmod(x + (row % 2 ? 32 : 0), 256.0) / 64);
  const double tone = fnLattice(brick, 0, 1024, 1, 11);
  return fnShade(QColor(160, 72, 50), 0.8 + tone * 0.3 + fnFbm(u, v, 32, 3, 4) * 0.15);
}

QRgb fnTiles(double u, double v) {
  const double x = std::fmod(u * kTile, 64.0), y = std::fmod(v * kTile, 64.0);
  if (x < 2 || y < 2) return qRgb(170, 160, 145);
  const double glaze = fnFbm(u, v, 16, 3, 21);
  const double edge = std::min({x - 2, y - 2, 64 - x, 64 - y});
  return fnShade(QColor(236, 228, 210), 0.92 + glaze * 0.1 + (edge < 4 ? -0.04 * (4 - edge) : 0));
}

QRgb fnHexagons(double u, double v) {
  // Two rectangular lattices 1.75 (nearly the square root of 3) times taller than
  // wide make hexagons, and 7 columns by 4 row pairs fill the tile exactly.
  constexpr double kRow = 1.75;
  const double x = u * 7, y = v * 7;
  double nearest = 9, second = 9;
  for (const double shift : {0.0, 0.5}) {
    const int column = int(std::floor(x - shift)), row = int(std::floor((y - shift * kRow) / kRow));
    for (int i = column - 1; i <= column + 2; ++i) {
      for (int j = row - 1; j <= row + 2; ++j) {
        const double d = std::hypot(x - (i + shift), y - (j * kRow + shift * kRow));
        second = std::min(second, std::max(nearest, d));
        nearest = std::min(nearest, d);
      }
    }
  }
  if (second - nearest < 0.07) return qRgb(36, 52, 70);
  return fnMix(QColor(104, 158, 180), QColor(52, 100, 130), nearest * 1.6);
}

QRgb fnArgyle(double u, double v) {
  const double x = std::fmod(u * 4, 1.0), y = std::fmod(v * 4, 1.0);
  const double d = std::fabs(x - 0.5) + std::fabs(y - 0.5);
  const int cell = int(u * 4) + int(v * 4);
  QRgb colour = d < 0.5 ? (cell % 2 ? qRgb(60, 90, 70) : qRgb(150, 60, 60)) : qRgb(220, 210, 180);
  if (std::fabs(std::fmod(u * 4 + v * 4 + 0.5, 1.0) - 0.5) < 0.015 ||
      std::fabs(std::fmod(u * 4 - v * 4 + 8.5, 1.0) - 0.5) < 0.015)
    colour = qRgb(240, 232, 200);
  return colour;
}

QRgb fnChecks(double u, double v) {
  const bool a = std::fmod(u * 8, 1.0) < 0.5, b = std::fmod(v * 8, 1.0) < 0.5;
  const double weave = 0.9 + 0.1 * std::sin(kTau * (u + v) * 128);
  return fnShade(a && b ? QColor(40, 20, 20) : (a || b ? QColor(130, 24, 30) : QColor(180, 30, 36)), weave);
}

QRgb fnDots(double u, double v) {
  const double x = std::fmod(u * 8, 1.0), y = std::fmod(v * 8, 1.0);
  const bool odd = int(v * 8) % 2;
  const double dx = std::fmod(x + (odd ? 0.5 : 0), 1.0) - 0.5, dy = y - 0.5;
  return std::hypot(dx, dy) < 0.18 ? qRgb(245, 240, 225) : qRgb(30, 45, 90);
}

QRgb fnStripes(double u, double) {
  const double x = std::fmod(u * 8, 1.0);
  if (x < 0.08 || (x > 0.5 && x < 0.54)) return qRgb(150, 120, 70);
  return x < 0.5 ? qRgb(235, 228, 205) : qRgb(130, 160, 130);
}

QRgb fnWeave(double u, double v, QColor base, double diagonal) {
  const double warp = std::sin(kTau * u * 96), weft = std::sin(kTau * (v + diagonal * u) * 96);
  const double thread = 0.92 + 0.06 * warp * weft + fnFbm(u, v, 64, 2, 31) * 0.1;
  return fnShade(base, thread);
}

QRgb fnWater(double u, double v) {
  const double a = fnFbm(u, v, 4, 4, 41), b = fnFbm(u + a * 0.3, v, 4, 4, 43);
  const double caustic = std::pow(1 - std::fabs(b - 0.5) * 2, 8);
  return fnMix(QColor(20, 90, 160), QColor(170, 225, 250), caustic * 0.8 + a * 0.2);
}

const std::map<int, TPixel>& fnTextures() {
  static const std::map<int, TPixel> textures = {
      {101,
       [](double u, double v) {
         return fnFantasy(u, v, QColor(10, 20, 60), QColor(20, 160, 140), QColor(150, 70, 180), 1);
       }},
      {102,
       [](double u, double v) {
         return fnFantasy(u, v, QColor(120, 40, 110), QColor(230, 90, 90), QColor(250, 190, 90), 2);
       }},
      {103,
       [](double u, double v) {
         return fnFantasy(u, v, QColor(10, 70, 110), QColor(30, 170, 190), QColor(200, 240, 230), 3);
       }},
      {121,
       [](double u, double v) {
         return fnMix(QColor(70, 130, 200), QColor(250, 250, 255), fnFbm(u, v, 4, 6, 5) * 1.6 - 0.4);
       }},
      {122,
       [](double u, double v) {
         const double s =
             std::sin(kTau * 2 * u) + std::sin(kTau * 3 * v) + std::sin(kTau * 2 * (u + v)) + 3 * fnFbm(u, v, 2, 3, 6);
         return QColor::fromHsvF(static_cast<float>(std::fmod(s * 0.12 + 1.0, 1.0)), 0.55F, 0.75F).rgb();
       }},
      {123,
       [](double u, double v) {
         const double t = std::fabs(fnFbm(u, v, 4, 6, 7) - 0.5) * 2;
         return fnMix(QColor(60, 60, 70), QColor(190, 190, 200), 1 - t);
       }},
      {141, fnTiles},
      {142, fnArgyle},
      {143, fnHexagons},
      {161, [](double u, double v) { return fnMarble(u, v, QColor(236, 233, 226), QColor(110, 110, 122), 8); }},
      {162, [](double u, double v) { return fnMarble(u, v, QColor(24, 80, 56), QColor(200, 232, 210), 9); }},
      {163, [](double u, double v) { return fnMarble(u, v, QColor(140, 36, 36), QColor(240, 205, 190), 10); }},
      {181, [](double u, double v) { return fnBrushed(u, v, QColor(175, 180, 188), 12); }},
      {182, [](double u, double v) { return fnBrushed(u, v, QColor(170, 112, 58), 13); }},
      {201,
       [](double u, double v) {
         const double dunes = std::sin(kTau * (3 * v + 0.6 * fnFbm(u, v, 2, 3, 14)));
         return fnShade(QColor(222, 196, 146), 0.9 + dunes * 0.05 + fnNoise(u, v, 128, 128, 15) * 0.1);
       }},
      {202,
       [](double u, double v) {
         return fnMix(QColor(46, 100, 34), QColor(120, 176, 64),
                      fnFbm(u, v, 64, 8, 3, 16) * 0.8 + fnFbm(u, v, 4, 3, 17) * 0.3);
       }},
      {203, fnWater},
      {221,
       [](double u, double v) {
         const double star = fnLattice(int(u * kTile), int(v * kTile), kTile, kTile, 18);
         if (star > 0.996) return qRgb(255, 255, 240);
         return fnMix(QColor(6, 8, 28), QColor(50, 30, 90), std::pow(fnFbm(u, v, 3, 5, 19), 2) * 1.5);
       }},
      {222,
       [](double u, double v) {
         const int cx = int(u * 8), cy = int(v * 8);
         const double jx = fnLattice(cx, cy, 8, 8, 22) * 0.5 - 0.25, jy = fnLattice(cx, cy, 8, 8, 23) * 0.5 - 0.25;
         const double dx = u * 8 - cx - 0.5 - jx, dy = v * 8 - cy - 0.5 - jy;
         if (std::hypot(dx, dy) < 0.16)
           return QColor::fromHsvF(static_cast<float>(fnLattice(cx, cy, 8, 8, 21)), 0.6F, 0.95F).rgb();
         return qRgb(250, 247, 238);
       }},
      {241,
       [](double u, double v) {
         return fnMix(QColor(244, 230, 196), QColor(200, 170, 120), std::pow(fnFbm(u, v, 4, 5, 22), 2) * 1.4);
       }},
      {242,
       [](double u, double v) {
         const double fleck = fnLattice(int(u * kTile), int(v * kTile), kTile, kTile, 23) > 0.985 ? 0.8 : 1.0;
         return fnShade(QColor(214, 208, 194), (0.95 + fnFbm(u, v, 16, 3, 24) * 0.1) * fleck);
       }},
      {261, fnChecks},
      {262, fnDots},
      {263, fnStripes},
      {281, [](double u, double v) { return fnFelt(u, v, QColor(22, 112, 52), 25); }},
      {282, [](double u, double v) { return fnFelt(u, v, QColor(24, 62, 130), 26); }},
      {283, [](double u, double v) { return fnFelt(u, v, QColor(130, 22, 34), 27); }},
      {284,
       [](double u, double v) {
         const double crease = std::pow(1 - std::fabs(fnFbm(u, v, 16, 3, 28) - 0.5) * 2, 12);
         return fnShade(QColor(112, 62, 32), 0.85 + fnFbm(u, v, 32, 2, 29) * 0.25 - crease * 0.25);
       }},
      {301, [](double u, double v) { return fnWeave(u, v, QColor(222, 212, 190), 0); }},
      {302, [](double u, double v) { return fnWeave(u, v, QColor(52, 82, 134), 1); }},
      {311, fnBricks},
      {312,
       [](double u, double v) {
         const double crack = std::fabs(fnFbm(u, v, 4, 4, 30) - 0.5);
         return fnShade(QColor(150, 146, 138), (0.8 + fnFbm(u, v, 16, 4, 31) * 0.35) * (crack < 0.012 ? 0.6 : 1.0));
       }},
      {321, [](double u, double v) { return fnWood(u, v, QColor(200, 150, 90), QColor(150, 100, 52), 32); }},
      {322, [](double u, double v) { return fnWood(u, v, QColor(112, 70, 40), QColor(64, 38, 20), 33); }},
      {323, [](double u, double v) { return fnWood(u, v, QColor(236, 200, 140), QColor(196, 146, 86), 34); }},
      {324, [](double u, double v) { return fnWood(u, v, QColor(140, 54, 32), QColor(86, 28, 18), 35); }},
  };
  return textures;
}

QImage fnTile(const TPixel& pixel) {
  QImage tile(kTile, kTile, QImage::Format_RGB32);
  for (int y = 0; y < kTile; ++y) {
    auto* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
    for (int x = 0; x < kTile; ++x) line[x] = pixel(double(x) / kTile, double(y) / kTile);
  }
  return tile;
}

}  // namespace

const std::vector<int>& fnTextureNumbers() {
  static const std::vector<int> keys = fnRecipeKeys(fnTextures());
  return keys;
}

QImage fnTexture(int number) { return fnTile(fnTextures().at(number)); }

QImage fnAddOnTexture(const QString& resource) {
  if (resource == "B001") return fnTile([](double u, double v) { return fnFelt(u, v, QColor(18, 104, 110), 36); });
  return fnTile([](double u, double v) { return fnWood(u, v, QColor(62, 46, 40), QColor(24, 18, 16), 37); });
}

}  // namespace tablerun::images
