#include "view/background.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <optional>

#include "config/text.h"
#include "engine/appearance/card_appearance.h"
#include "pictures/image_files.h"
#include "view/table_area.h"

namespace tablerun {
namespace {

constexpr const char* kPreference = "Preference";
constexpr int kFirstWholePicture = 500;
// The fade reaches below the table image so that its bottom is not quite black.
constexpr int kFadeOverhang = 80;

struct TBackground {
  QImage picture;
  bool tiled = true;
  QColor colour;
};

int fnNumberAt(const TConfigRecord& config, TConfigField field) {
  return static_cast<int>(fnParseInteger(fnTrim(config.Read(field))).value_or(0));
}

// A negative TColor is a system colour; the one stored by default is the button face.
QColor fnColour(std::int64_t stored) {
  if (stored < 0) return QGuiApplication::palette().color(QPalette::Button);
  return fnColourFromStore(static_cast<int>(stored));
}

void fnTile(QPainter& painter, const QImage& picture, QSize area) {
  for (int y = 0; y <= area.height(); y += picture.height()) {
    for (int x = 0; x <= area.width(); x += picture.width()) painter.drawImage(x, y, picture);
  }
}

// What to paint, or nothing when the customized or add-on picture cannot be
// shown (the player has been told).
std::optional<TBackground> fnChoose(TTablerunState& state, const TImageLibrary& library) {
  const TConfigRecord& config = state.config;
  const auto key = [&state](const char* name) {
    return state.store ? QString::fromStdString(state.store->ReadString(kPreference, name, "")) : QString();
  };
  const auto tell = [&state](const QString& text) {
    state.screen.ShowMessage(TMessageKind::Error, text.toStdString());
  };
  TBackground background;
  if (config.IsYes(cfg::kBackgroundDefault)) {
    background.colour = fnColourFromStore(kDefaultGreen);
  } else if (config.IsYes(cfg::kCustomBackground)) {
    QString path = key("Customized_Background");
    if (!path.contains('/'))
      path = QString::fromStdString(fnFileInFolder(state.dataFolder, path.toStdString(), ".bmp"));
    if (path.isEmpty() || !QFileInfo::exists(path)) {
      tell("Customized background image not found: " + path);
      return std::nullopt;
    }
    if (!fnLoadImageFile(path, background.picture)) {
      tell("Image is not valid: " + path);
      return std::nullopt;
    }
  } else if (config.IsYes(cfg::kAddOnBackground)) {
    const QString name = key("Additional_Background");
    if (!background.picture.loadFromData(library.LoadAddOnData("b01.rgf", name), "JPEG")) {
      tell("Error loading the Background: " + name + "\rPlease install again Tablerun Plus!");
      state.fs.Remove(state.dataFolder + "Rnd_read.dat");
      return std::nullopt;
    }
  } else if (const int number = fnNumberAt(config, cfg::kBackgroundPicture);
             number > 0 && library.LoadNamedImage(background.picture, QString("B%1").arg(number, 3, 10, QChar('0')))) {
    background.tiled = number < kFirstWholePicture;
  } else {
    const int fixed = fnNumberAt(config, cfg::kBackgroundFixedColour);
    background.colour =
        fixed > 0 ? fnColour(fixed) : fnColour(fnColourFromStored(fnNumberAt(config, cfg::kBackgroundColour)));
  }
  return background;
}

void fnPaint(const TTablerunState& state, const TBackground& background, QImage& target, bool scrollBarHidden) {
  QPainter painter(&target);
  if (!background.picture.isNull()) {
    if (background.tiled) {
      fnTile(painter, background.picture, target.size());
    } else {
      painter.fillRect(target.rect(), Qt::black);
      painter.drawImage(0, 0, background.picture);
    }
  } else if (state.config.IsYes(cfg::kFadeBackground) && state.display.moreThan256Colours) {
    fnPaintFade(painter, background.colour, target.width(),
                target.height() + kFadeOverhang + (scrollBarHidden ? 1 : 0));
  } else {
    painter.fillRect(target.rect(), background.colour);
  }
}

}  // namespace

void DrawBackground(TTablerunState& state, const TImageLibrary& library, QImage& target, QImage* clean,
                    bool scrollBarHidden) {
  std::optional<TBackground> background = fnChoose(state, library);
  if (!background) {
    fnResetBackground(state);
    background = fnChoose(state, library);
  }
  fnPaint(state, *background, target, scrollBarHidden);
  if (clean) fnPaint(state, *background, *clean, scrollBarHidden);
}

void fnPaintFade(QPainter& painter, const QColor& colour, int width, int height) {
  for (int k = 0; k < 256; ++k) {
    const TFadeBand band = fnFadeBand(k, height, colour.red(), colour.green(), colour.blue());
    painter.fillRect(0, band.top, width, band.bottom - band.top, QColor(band.red, band.green, band.blue));
  }
}

}  // namespace tablerun
