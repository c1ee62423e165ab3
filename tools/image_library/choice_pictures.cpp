#include "choice_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "model/catalogue.h"

namespace tablerun::images {
namespace {

constexpr int kSide = 16;

QImage fnIconCanvas() {
  QImage picture(QSize(kSide, kSide), QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  return picture;
}

void fnLabel(QPainter& p, const QRectF& area, const QString& text, const QColor& colour) {
  QFont font("DejaVu Sans");
  font.setPixelSize(text.size() > 1 ? 7 : 9);
  font.setBold(true);
  p.setFont(font);
  p.setPen(colour);
  p.drawText(area, Qt::AlignCenter, text);
}

// What tells one type from another at 16 pixels: a colour and a short label.
struct TTypeLook {
  int type;
  const char* label;
  int hue;
};

constexpr int kGreyHue = -1;

const TTypeLook kTypeLooks[] = {
    {2, "Ca", 0},    {3, "40", 30},  {4, "FC", 210},
    {5, "K", 120},   {6, "Pa", 300}, {7, "Si", 60},
    {8, "Sp", 270},  {9, "1", 180},  {10, "2", 195},
    {11, "Fa", 15},  {12, "13", 45}, {13, "Ro", 90},
    {14, "Pz", 330}, {15, "+", 240}, {16, "M", 285},
    {17, "BC", 345}, {18, "Q", 315}, {19, "Y", 150},
    {20, "x", 225},  {21, "ST", 75}, {22, "NB", 165},
    {23, "SD", 255}, {24, "4", 105}, {25, "FQ", 290},
    {26, "FG", 135}, {27, "SF", 20}, {kCustomGameType, "C", kGreyHue},
};

QColor fnTypeColour(int hue) { return hue == kGreyHue ? QColor(90, 90, 90) : QColor::fromHsv(hue, 190, 170); }

// A card with the type's colour and label, left clear at its lower right
// corner for the mark.
QImage fnTypeIcon(const QColor& colour, const QString& label) {
  QImage picture = fnIconCanvas();
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(30, 30, 30), 1));
  p.setBrush(colour);
  p.drawRoundedRect(QRectF(1.5, 0.5, 13, 15), 2, 2);
  fnLabel(p, QRectF(1, 0, 14, 12), label, Qt::white);
  return picture;
}

enum class TMark { Won, NotWon, NotPlayed };

// A badge over the lower right corner, outlined in white so it reads on any card.
QImage fnMarked(QImage picture, TMark mark) {
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(11.5, 11.5);
  p.setPen(QPen(Qt::white, 1.5));
  const QColor fill = mark == TMark::Won      ? QColor(20, 150, 20)
                      : mark == TMark::NotWon ? QColor(200, 20, 20)
                                              : QColor(130, 130, 130);
  p.setBrush(fill);
  p.drawEllipse(centre, 4.2, 4.2);
  p.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  if (mark == TMark::Won) {
    p.drawPolyline(QPolygonF({QPointF(9.5, 11.5), QPointF(11, 13.2), QPointF(13.7, 9.8)}));
  } else if (mark == TMark::NotWon) {
    p.drawLine(QPointF(10, 10), QPointF(13, 13));
    p.drawLine(QPointF(13, 10), QPointF(10, 13));
  }
  return picture;
}

QPainterPath fnFolderBack() {
  QPainterPath back;
  back.moveTo(1.5, 3.5);
  back.lineTo(6, 3.5);
  back.lineTo(7.5, 5);
  back.lineTo(14.5, 5);
  back.lineTo(14.5, 13.5);
  back.lineTo(1.5, 13.5);
  back.closeSubpath();
  return back;
}

// A folder, closed or open, in the colour of its group.
QImage fnFolder(bool open, const QColor& colour) {
  QImage picture = fnIconCanvas();
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor edge = colour.darker(170);
  p.setPen(QPen(edge, 1));
  p.setBrush(colour.darker(115));
  p.drawPath(fnFolderBack());
  if (open) {
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 4.5, 9, 6));
    QPainterPath flap;
    flap.moveTo(1.5, 13.5);
    flap.lineTo(4, 7.5);
    flap.lineTo(15.5, 7.5);
    flap.lineTo(13.5, 13.5);
    flap.closeSubpath();
    p.setBrush(colour.lighter(115));
    p.drawPath(flap);
  } else {
    p.setBrush(colour);
    p.drawRect(QRectF(1.5, 6.5, 13, 7));
  }
  return picture;
}

enum class TEmblem { None, Star, Clock, Steps, Die, Bulb, Sparkle };

// The group's sign, small in the folder's lower right corner.
QImage fnWithEmblem(QImage picture, TEmblem emblem) {
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF area(8, 8, 8, 8);
  switch (emblem) {
    case TEmblem::None: break;
    case TEmblem::Star:
    case TEmblem::Sparkle: {
      QPolygonF star;
      for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 ? 1.7 : 4.0;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        star << area.center() + QPointF(radius * std::cos(angle), radius * std::sin(angle));
      }
      p.setPen(QPen(QColor(120, 60, 0), 0.8));
      p.setBrush(emblem == TEmblem::Star ? QColor(250, 200, 20) : QColor(255, 90, 40));
      p.drawPolygon(star);
      break;
    }
    case TEmblem::Clock:
      p.setPen(QPen(QColor(20, 20, 80), 1));
      p.setBrush(Qt::white);
      p.drawEllipse(area.adjusted(0.5, 0.5, -0.5, -0.5));
      p.drawLine(area.center(), area.center() + QPointF(0, -2.5));
      p.drawLine(area.center(), area.center() + QPointF(2, 0));
      break;
    case TEmblem::Steps:
      p.setPen(Qt::NoPen);
      for (int i = 0; i < 3; ++i) {
        p.setBrush(QColor::fromHsv(120 - 60 * i, 230, 200));
        p.drawRect(QRectF(area.left() + i * 2.7, area.bottom() - 3 - 2 * i, 2.3, 3 + 2 * i));
      }
      break;
    case TEmblem::Die:
      p.setPen(QPen(QColor(40, 40, 40), 0.8));
      p.setBrush(Qt::white);
      p.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), 1.5, 1.5);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(30, 30, 30));
      for (const QPointF pip : {QPointF(-2, -2), QPointF(0, 0), QPointF(2, 2)})
        p.drawEllipse(area.center() + pip, 0.9, 0.9);
      break;
    case TEmblem::Bulb:
      p.setPen(QPen(QColor(90, 70, 0), 0.8));
      p.setBrush(QColor(255, 235, 80));
      p.drawEllipse(QRectF(area.left() + 1, area.top(), 6, 5.5));
      p.setBrush(QColor(120, 120, 120));
      p.drawRect(QRectF(area.left() + 2.5, area.top() + 5.5, 3, 2));
      break;
  }
  return picture;
}

struct TFolderLook {
  const char* closed;
  const char* open;
  QColor colour;
  TEmblem emblem;
};

const QColor kFolderYellow(235, 190, 70);

std::vector<TNamedPicture> fnFolders() {
  const TFolderLook kFolders[] = {
      {"TREE1", "TREE2", kFolderYellow, TEmblem::None},
      {"F_TREE1", "F_TREE2", QColor(120, 180, 230), TEmblem::None},
      {"S_TREE1", "S_TREE2", kFolderYellow, TEmblem::Star},
      {"T_TREE1", "T_TREE2", kFolderYellow, TEmblem::Clock},
      {"D_TREE1", "D_TREE2", kFolderYellow, TEmblem::Steps},
      {"C_TREE1", "C_TREE2", kFolderYellow, TEmblem::Die},
      {"I_TREE1", "I_TREE2", kFolderYellow, TEmblem::Bulb},
      {"N_TREE3", "N_TREE4", kFolderYellow, TEmblem::Sparkle},
  };
  std::vector<TNamedPicture> pictures;
  for (const TFolderLook& look : kFolders) {
    pictures.emplace_back(look.closed, fnWithEmblem(fnFolder(false, look.colour), look.emblem));
    pictures.emplace_back(look.open, fnWithEmblem(fnFolder(true, look.colour), look.emblem));
  }
  pictures.emplace_back("N_TREE5", fnWithEmblem(fnIconCanvas(), TEmblem::Sparkle));
  return pictures;
}

// A short bar graph: `level` of `steps` blocks filled, rising left to right.
QImage fnBar(int level, int steps, const QColor& colour) {
  constexpr int kWidth = 50, kHeight = 10;
  QImage picture(QSize(kWidth, kHeight), QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  const double block = double(kWidth) / steps;
  for (int i = 0; i < steps; ++i) {
    const double height = 3 + (kHeight - 4) * double(i + 1) / steps;
    const QRectF rect(i * block + 0.5, kHeight - height - 0.5, block - 2, height);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(i < level ? colour : QColor(225, 225, 225));
    p.drawRect(rect);
  }
  return picture;
}

std::vector<TNamedPicture> fnFeatureBars() {
  struct TBar {
    const char* name;
    int level;
    int steps;
    QColor colour;
  };
  const QColor time(60, 120, 220), difficulty(220, 80, 40), chance(40, 160, 60), skill(150, 80, 200);
  const TBar kBars[] = {
      {"PROG_TIME_QUICK", 1, 3, time},          {"PROG_TIME_MEDIUM", 2, 3, time},
      {"PROG_TIME_LONG", 3, 3, time},           {"PROG_DIFF_EASY", 1, 3, difficulty},
      {"PROG_DIFF_MEDIUM", 2, 3, difficulty},   {"PROG_DIFF_HARD", 3, 3, difficulty},
      {"PROG_CHAN_VERYLOW", 1, 5, chance},      {"PROG_CHAN_LOW", 2, 5, chance},
      {"PROG_CHAN_MEDIUM", 3, 5, chance},       {"PROG_CHAN_HIGH", 4, 5, chance},
      {"PROG_CHAN_VERYHIGH", 5, 5, chance},     {"PROG_SKILL_CHANCEONLY", 1, 5, skill},
      {"PROG_SKILL_MOSTLYCHANCE", 2, 5, skill}, {"PROG_SKILL_MODERATE", 3, 5, skill},
      {"PROG_SKILL_MOSTLYSKILL", 4, 5, skill},  {"PROG_SKILL_DIFFICULT", 5, 5, skill},
      {"PROG_DISABLED", 0, 5, QColor()},
  };
  std::vector<TNamedPicture> pictures;
  for (const TBar& bar : kBars) pictures.emplace_back(bar.name, fnBar(bar.level, bar.steps, bar.colour));
  return pictures;
}

// One arrow, or two for "all", pointing right or left.
QImage fnArrow(bool right, int count) {
  QImage picture = fnIconCanvas();
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(20, 60, 130), 1));
  p.setBrush(QColor(60, 130, 220));
  const double width = count == 1 ? 10 : 6.5;
  for (int i = 0; i < count; ++i) {
    const double left = count == 1 ? 3 : 1.5 + i * 6.5;
    QPolygonF arrow({QPointF(left, 3), QPointF(left + width, 8), QPointF(left, 13)});
    if (!right) {
      for (QPointF& point : arrow) point.setX(kSide - point.x());
    }
    p.drawPolygon(arrow);
  }
  return picture;
}

}  // namespace

std::vector<TNamedPicture> fnChoicePictures() {
  std::vector<TNamedPicture> pictures;
  for (const TTypeLook& look : kTypeLooks) {
    const QImage plain = fnTypeIcon(fnTypeColour(look.hue), look.label);
    const QString key = QString::fromStdString(fnGameTypeKey(look.type));
    pictures.emplace_back(key, plain);
    pictures.emplace_back(key + "_WIN", fnMarked(plain, TMark::Won));
    pictures.emplace_back(key + "_NOWIN", fnMarked(plain, TMark::NotWon));
    pictures.emplace_back(key + "_NOPLAYED", fnMarked(plain, TMark::NotPlayed));
  }
  pictures.emplace_back("TREE5_ORIGINAL_TYPE", fnTypeIcon(QColor(180, 140, 20), "O"));
  for (auto& folder : fnFolders()) pictures.push_back(std::move(folder));
  for (auto& bar : fnFeatureBars()) pictures.push_back(std::move(bar));
  pictures.emplace_back("MN_ARROW_RIGHT", fnArrow(true, 1));
  pictures.emplace_back("MN_ARROW_LEFT", fnArrow(false, 1));
  pictures.emplace_back("MN_ARROW_LEFT_ALL", fnArrow(false, 2));
  return pictures;
}

}  // namespace tablerun::images
