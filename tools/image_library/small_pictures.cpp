#include "small_pictures.h"

#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <cstdio>

namespace tablerun::images {
namespace {

// The pause pictures are drawn on the table's green, their transparent colour.
const QColor kPauseGreen(0, 128, 0);

QImage fnCanvas(QSize size, const QColor& fill = Qt::transparent) {
  QImage picture(size, QImage::Format_ARGB32_Premultiplied);
  picture.fill(fill);
  return picture;
}

void fnGlyph(QPainter& p, const QRectF& area, const QString& text, const QColor& colour, double pixels,
             bool bold = false) {
  QFont font("DejaVu Sans");
  font.setPixelSize(int(pixels));
  font.setBold(bold);
  p.setFont(font);
  p.setPen(colour);
  p.drawText(area, Qt::AlignCenter, text);
}

// A tiny card, face up (white) or down (blue), for the status bar symbols.
void fnTinyCard(QPainter& p, const QRectF& rect, bool faceUp) {
  p.setPen(QPen(QColor(40, 40, 40), 1));
  p.setBrush(faceUp ? QColor(Qt::white) : QColor(40, 80, 170));
  p.drawRoundedRect(rect, 1.5, 1.5);
}

QImage fnStatusSymbol(const QString& kind) {
  QImage picture = fnCanvas(QSize(16, 16));
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  if (kind == "STOCK") {
    for (int i = 2; i >= 0; --i) fnTinyCard(p, QRectF(3.5 + i, 1.5 + i, 9, 12), false);
  } else if (kind == "WASTE") {
    for (int i = 0; i < 3; ++i) fnTinyCard(p, QRectF(1.5 + 2.5 * i, 2.5, 9, 12), true);
    fnGlyph(p, QRectF(6, 3, 9, 12), QString::fromUtf8("\u2665"), QColor(200, 0, 0), 8);
  } else if (kind == "FOUNDATION") {
    fnTinyCard(p, QRectF(3.5, 1.5, 9, 13), true);
    fnGlyph(p, QRectF(3.5, 1.5, 9, 13), "A", QColor(30, 30, 30), 9, true);
  } else if (kind == "TABLEAU") {
    for (int i = 0; i < 3; ++i) fnTinyCard(p, QRectF(3.5, 0.5 + 3 * i, 9, 9), i == 2);
  } else {
    fnTinyCard(p, QRectF(3.5, 1.5, 9, 13), true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 150, 30));
    p.drawEllipse(QPointF(8, 8), 2.5, 2.5);
  }
  return picture;
}

QImage fnSuitSign(int suit) {
  const QString signs[] = {QString::fromUtf8("\u2665"), QString::fromUtf8("\u2666"), QString::fromUtf8("\u2663"),
                           QString::fromUtf8("\u2660")};
  QImage picture = fnCanvas(QSize(11, 11));
  QPainter p(&picture);
  p.setRenderHint(QPainter::TextAntialiasing);
  fnGlyph(p, QRectF(0, -1, 11, 13), signs[suit], suit < 2 ? QColor(210, 0, 0) : QColor(0, 0, 0), 12);
  return picture;
}

// Four aces fanned, for the pause screen.
QImage fnPauseFan() {
  QImage picture = fnCanvas(QSize(190, 130), kPauseGreen);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  const QString signs[] = {QString::fromUtf8("\u2660"), QString::fromUtf8("\u2665"), QString::fromUtf8("\u2663"),
                           QString::fromUtf8("\u2666")};
  for (int card = 0; card < 4; ++card) {
    p.save();
    p.translate(95, 150);
    p.rotate(-30 + card * 20);
    const QRectF face(-35, -140, 70, 96);
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(face, 6, 6);
    fnGlyph(p, face, signs[card], card % 2 ? QColor(200, 0, 0) : QColor(20, 20, 20), 40);
    fnGlyph(p, QRectF(face.left() + 3, face.top() + 2, 16, 18), "A", card % 2 ? QColor(200, 0, 0) : QColor(20, 20, 20),
            14, true);
    p.restore();
  }
  return picture;
}

QImage fnPauseText() {
  QImage picture = fnCanvas(QSize(420, 70), kPauseGreen);
  QPainter p(&picture);
  p.setRenderHint(QPainter::TextAntialiasing);
  fnGlyph(p, QRectF(0, 0, 420, 40), "Game paused", Qt::white, 30, true);
  fnGlyph(p, QRectF(0, 40, 420, 28), "Press a key or click to go on", QColor(220, 240, 220), 15);
  return picture;
}

QImage fnRenderIcon(const QString& path, QSize size) {
  QImage icon = fnCanvas(size);
  QPainter p(&icon);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const int side = std::min(size.width(), size.height());
  const QRect square((size.width() - side) / 2, (size.height() - side) / 2, side, side);
  if (path.endsWith(".svg")) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) return {};
    renderer.render(&p, QRectF(square));
  } else {
    const QImage source(path);
    if (source.isNull()) return {};
    p.drawImage(square, source.scaled(square.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
  }
  return icon;
}

// Greyed and faint, as a disabled button shows.
QImage fnDisabled(const QImage& icon) {
  QImage grey = icon.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < grey.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
    for (int x = 0; x < grey.width(); ++x) {
      const int g = qGray(line[x]) / 2 + 96;
      line[x] = qRgba(g, g, g, qAlpha(line[x]) * 2 / 5);
    }
  }
  return grey;
}

// An arrow pointer, light or dark; while dragging a small card hangs from it.
QImage fnArrowCursor(bool dark, bool dragging) {
  QImage cursor = fnCanvas(QSize(32, 32));
  QPainter p(&cursor);
  p.setRenderHint(QPainter::Antialiasing);
  if (dragging) fnTinyCard(p, QRectF(12.5, 14.5, 12, 16), true);
  QPainterPath arrow;
  arrow.moveTo(1.5, 1.5);
  arrow.lineTo(1.5, 19.5);
  arrow.lineTo(6, 15);
  arrow.lineTo(9.5, 22.5);
  arrow.lineTo(12.5, 21);
  arrow.lineTo(9, 14);
  arrow.lineTo(15, 14);
  arrow.closeSubpath();
  p.setPen(QPen(dark ? Qt::white : Qt::black, 1.2));
  p.setBrush(dark ? Qt::black : Qt::white);
  p.drawPath(arrow);
  p.end();
  cursor.setText("hotspot", "1,1");
  return cursor;
}

// A pointing hand at rest, a closed hand while dragging; the left hand is the right one mirrored.
QImage fnHandCursor(bool toned, bool dragging, bool left) {
  QImage cursor = fnCanvas(QSize(32, 32));
  QPainter p(&cursor);
  QFont font("Noto Color Emoji");
  font.setPixelSize(26);
  p.setFont(font);
  const QString tone = toned ? QString::fromUtf8("🏽") : QString();
  p.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, QString::fromUtf8(dragging ? "✊" : "👆") + tone);
  p.end();
  if (left) cursor = cursor.mirrored(true, false);
  cursor.setText("hotspot", dragging ? "16,12" : (left ? "18,2" : "13,2"));
  return cursor;
}

// The theme draws a few commands in plain grey, which reads as disabled on a
// toolbar: those get a colour of their own, keeping the icon's shading.
QImage fnTinted(const QImage& icon, const QColor& tint) {
  QImage tinted = icon.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < tinted.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(tinted.scanLine(y));
    for (int x = 0; x < tinted.width(); ++x) {
      const float lightness = 0.1F + 0.5F * static_cast<float>(qGray(line[x])) / 255.0F;
      const QColor colour = QColor::fromHslF(tint.hslHueF(), tint.hslSaturationF(), lightness);
      line[x] = qRgba(colour.red(), colour.green(), colour.blue(), qAlpha(line[x]));
    }
  }
  return tinted;
}

struct TIcon {
  const char* name;
  const char* theme;  // the Adwaita icon
  bool disabled;      // has a "_DIS" variant
  QRgb tint = 0;      // for the colour style, when the theme's icon is grey
};

constexpr QRgb kGreen = 0xFF3A9A2A;
constexpr QRgb kBlue = 0xFF2F6FC0;

}  // namespace

std::vector<TNamedPicture> fnDrawnSmallPictures() {
  std::vector<TNamedPicture> pictures;
  const char* suits[] = {"HEARTS", "DIAMONDS", "CLUBS", "SPADES"};
  for (int suit = 0; suit < 4; ++suit) pictures.emplace_back(QString("SUIT_") + suits[suit], fnSuitSign(suit));
  for (const char* kind : {"STOCK", "WASTE", "FOUNDATION", "TABLEAU", "RESERVE"})
    pictures.emplace_back(QString("STATUSBAR_") + kind, fnStatusSymbol(kind));
  pictures.emplace_back("BMP_PAUSE_1", fnPauseFan());
  pictures.emplace_back("BMP_PAUSE_2", fnPauseText());
  return pictures;
}

std::vector<TNamedPicture> fnCursors() {
  std::vector<TNamedPicture> cursors;
  for (const bool dragging : {false, true}) {
    const QString state = dragging ? "B" : "A";
    for (const bool second : {false, true}) {
      const QString number = second ? "2" : "1";
      cursors.emplace_back("CUR_ARROW" + number + state, fnArrowCursor(second, dragging));
      cursors.emplace_back("CUR_RIGHT_HAND" + number + state, fnHandCursor(second, dragging, false));
      cursors.emplace_back("CUR_LEFT_HAND" + number + state, fnHandCursor(second, dragging, true));
    }
  }
  return cursors;
}

std::vector<TNamedPicture> fnIconPictures(const QString& iconFolder) {
  static const TIcon kToolbar[] = {
      {"NEW", "document-new", false},
      {"OPEN", "document-open", false},
      {"RESTART", "view-refresh", true, kGreen},
      {"SAVE", "document-save", true},
      {"UNDO", "edit-undo", true, kBlue},
      {"REDO", "edit-redo", true, kBlue},
      {"AUTOPLAY", "media-playback-start", true, kGreen},
      {"STAT", "x-office-spreadsheet", false},
      {"RULES", "help-contents", false},
      {"EXIT", "application-exit", false},
      {"RESTORE_AFTER_F11", "view-restore", false},
  };
  static const TIcon kMenu[] = {
      {"SELECT", "edit-find", false},
      {"PLAYERS", "system-users", false},
      {"BOOKMARK", "bookmark-new", false},
      {"PAUSE", "media-playback-pause", false},
      {"SERIES", "view-sort-ascending", false},
      {"FAVORITES", "emblem-favorite", false},
      {"CUSTOMIZE", "preferences-desktop", false},
      {"RULESWIZARD", "document-properties", false},
      {"CARDCOUNTER", "accessories-calculator", false},
  };
  std::vector<TNamedPicture> pictures;
  bool complete = true;
  // The colour icons are the default style; the "2000_" style uses the monochrome ones.
  const auto add = [&](const QString& name, const QString& theme, QSize size, bool classic, bool disabled, QRgb tint) {
    QString path = iconFolder + "/48x48/legacy/" + theme + ".png";
    if (!QFileInfo::exists(path)) path = iconFolder + "/48x48/mimetypes/" + theme + ".png";
    for (const char* folder : {"actions", "apps", "legacy", "emblems", "status", "places", "mimetypes"}) {
      const QString symbolic = iconFolder + "/scalable/" + folder + "/" + theme + "-symbolic.svg";
      if (classic && QFileInfo::exists(symbolic)) path = symbolic;
    }
    QImage icon = fnRenderIcon(path, size);
    if (!classic && tint != 0 && !icon.isNull()) icon = fnTinted(icon, QColor::fromRgb(tint));
    if (icon.isNull()) {
      std::fprintf(stderr, "tablerun-images: no icon %s\n", qPrintable(theme));
      complete = false;
      return;
    }
    const QString prefix = classic ? "2000_" : "";
    pictures.emplace_back(prefix + name, icon);
    if (disabled) pictures.emplace_back(prefix + name + "_DIS", fnDisabled(icon));
  };
  for (const bool classic : {false, true}) {
    for (const TIcon& icon : kToolbar) {
      add(QString("TB_%1_SMALL").arg(icon.name), icon.theme, QSize(17, 17), classic, icon.disabled, icon.tint);
      add(QString("TB_%1_LARGE").arg(icon.name), icon.theme, QSize(35, 39), classic, icon.disabled, icon.tint);
    }
    for (const TIcon& icon : kMenu)
      add(QString("MN_%1").arg(icon.name), icon.theme, QSize(16, 16), classic, false, icon.tint);
  }
  return complete ? pictures : std::vector<TNamedPicture>{};
}

}  // namespace tablerun::images
