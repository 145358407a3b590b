#include "token_art.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

#include "style.h"

namespace sorvane::artgen {
namespace {

constexpr QPointF kCentre(30, 30);
constexpr double kDisc = 26.5;

QImage blankCell() {
  QImage image(kCell, kCell, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

void paintDisc(QPainter& p, const QColor& light, const QColor& deep, double radius) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 80));  // drop shadow
  p.drawEllipse(kCentre + QPointF(0.5, 2), radius + 1, radius + 1);
  QRadialGradient fill(kCentre + QPointF(-7, -8), radius * 1.45);
  fill.setColorAt(0, lighter(light, 0.3));
  fill.setColorAt(0.5, mixColor(light, deep, 0.55));
  fill.setColorAt(1, darker(deep, 0.25));
  p.setBrush(fill);
  p.drawEllipse(kCentre, radius, radius);
}

void paintGloss(QPainter& p, double radius) {
  QPainterPath disc;
  disc.addEllipse(kCentre, radius - 2, radius - 2);
  QPainterPath cap;
  cap.addEllipse(QPointF(30, 17), radius * 0.8, radius * 0.52);
  QLinearGradient shine(0, 6, 0, 30);
  shine.setColorAt(0, QColor(255, 255, 255, 70));
  shine.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(shine);
  p.drawPath(disc.intersected(cap));
}

void paintSilhouette(QPainter& p, IconLibrary& icons, const std::string& icon, const QColor& cream,
                     const QColor& outline, int size) {
  const QImage shape = icons.render(icon, size, cream);
  const QImage edge = icons.render(icon, size, outline);
  const double at = 30 - size / 2.0;
  for (const QPointF offset : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1), QPointF(1, 1.5)}) {
    p.drawImage(QPointF(at, at) + offset, edge);
  }
  p.drawImage(QPointF(at, at), shape);
}

QPainterPath crownPath(QPointF base, double width, double height) {
  const double l = base.x() - width / 2, r = base.x() + width / 2, y = base.y();
  QPainterPath crown;
  crown.moveTo(l, y);
  crown.lineTo(l - 1, y - height);
  crown.lineTo(l + width * 0.27, y - height * 0.45);
  crown.lineTo(base.x(), y - height * 1.15);
  crown.lineTo(r - width * 0.27, y - height * 0.45);
  crown.lineTo(r + 1, y - height);
  crown.lineTo(r, y);
  crown.closeSubpath();
  return crown;
}

void paintRim(QPainter& p, Frame frame, const Palette& palette, const QColor& deep) {
  const QColor gold = toColor(palette.colour("gold"));
  const QColor ink = toColor(palette.colour("ink"));
  p.setBrush(Qt::NoBrush);
  switch (frame) {
    case Frame::Creature:
      p.setPen(QPen(darker(deep, 0.45), 2.2));
      p.drawEllipse(kCentre, kDisc, kDisc);
      p.setPen(QPen(QColor(255, 255, 255, 60), 1));
      p.drawEllipse(kCentre, kDisc - 2, kDisc - 2);
      break;
    case Frame::Familiar: {
      p.setPen(QPen(QColor(200, 204, 214), 2));
      p.drawEllipse(kCentre, kDisc, kDisc);
      QPen dashes(QColor(60, 62, 72), 2, Qt::CustomDashLine, Qt::FlatCap);
      dashes.setDashPattern({2, 4});
      p.setPen(dashes);
      p.drawEllipse(kCentre, kDisc, kDisc);
      break;
    }
    case Frame::Master: {
      p.setPen(QPen(ink, 4));
      p.drawEllipse(kCentre, kDisc, kDisc);
      p.setPen(QPen(gold, 2.2));
      p.drawEllipse(kCentre, kDisc, kDisc);
      p.setPen(QPen(lighter(gold, 0.2), 1));
      p.drawEllipse(kCentre, kDisc - 3.5, kDisc - 3.5);
      const QPainterPath crown = crownPath(QPointF(30, 9.5), 16, 8);
      p.setPen(QPen(ink, 1.2));
      p.setBrush(gold);
      p.drawPath(crown);
      p.setPen(Qt::NoPen);
      p.setBrush(lighter(gold, 0.5));
      p.drawEllipse(QPointF(30, 6.2), 1.4, 1.4);
      break;
    }
  }
}

}  // namespace

QImage PaintUnitToken(IconLibrary& icons, const Palette& palette, const UnitArt& unit) {
  QImage image = blankCell();
  const QColor light = toColor(palette.element[unit.elem]);
  const QColor deep = toColor(palette.deep[unit.elem]);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    paintDisc(p, light, deep, kDisc);
    paintGloss(p, kDisc);
    const QColor cream = unit.frame == Frame::Master ? QColor(255, 240, 200) : QColor(255, 248, 232);
    paintSilhouette(p, icons, unit.icon, cream, darker(deep, 0.55), unit.frame == Frame::Master ? 36 : 38);
    paintRim(p, unit.frame, palette, deep);
  }
  if (unit.elem == kElementCount - 1) tearImage(image, 0x6b657473ull + unit.g, 3, 4);
  return image;
}

QImage PaintPlaceholderToken(const Palette& palette) {
  QImage image = blankCell();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor deep = toColor(palette.deep[0]);
  paintDisc(p, toColor(palette.element[0]), deep, kDisc);
  paintGloss(p, kDisc);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 248, 232, 90), 1.5, Qt::DotLine));
  p.drawEllipse(kCentre, 12, 12);
  paintRim(p, Frame::Creature, palette, deep);
  return image;
}

QImage PaintSpentMarkers(IconLibrary& icons, const Palette& palette, const ArtTables& tables) {
  QImage image = blankCell();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor ink = toColor(palette.colour("ink"));
  const char* order[] = {"move", "skill", "summon", "special"};  // top-left, top-right, bottom-left, bottom-right
  for (int q = 0; q < 4; ++q) {
    const QPointF centre(15 + 30 * (q % 2), 15 + 30 * (q / 2));
    p.setPen(QPen(QColor(255, 248, 232, 210), 1.2));
    p.setBrush(QColor(ink.red(), ink.green(), ink.blue(), 190));
    p.drawEllipse(centre, 10.5, 10.5);
    const QImage icon = icons.render(tables.markers.at(order[q]), 15, QColor(255, 236, 190));
    p.drawImage(centre - QPointF(7.5, 7.5), icon);
  }
  return image;
}

QImage PaintSummoningCircle(IconLibrary& icons, const Palette& palette, const ArtTables& tables, int elem,
                            bool byCircle) {
  QImage image = blankCell();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const QColor light = toColor(palette.element[elem]);
  const QColor glowColour = lighter(light, 0.35);

  QRadialGradient glow(kCentre, 29);
  glow.setColorAt(0, QColor(glowColour.red(), glowColour.green(), glowColour.blue(), 150));
  glow.setColorAt(0.7, QColor(light.red(), light.green(), light.blue(), 70));
  glow.setColorAt(1, QColor(light.red(), light.green(), light.blue(), 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(kCentre, 29, 29);

  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(lighter(light, 0.55), 2));
  p.drawEllipse(kCentre, 26, 26);
  p.setPen(QPen(lighter(light, 0.3), 1));
  p.drawEllipse(kCentre, byCircle ? 22.5 : 20, byCircle ? 22.5 : 20);
  // Rune marks between the rings: short strokes for a stone, dots for a circle.
  const int marks = byCircle ? 16 : 12;
  for (int i = 0; i < marks; ++i) {
    const double a = 2 * M_PI * i / marks;
    const QPointF dir(std::cos(a), std::sin(a));
    if (byCircle) {
      p.setPen(Qt::NoPen);
      p.setBrush(lighter(light, 0.6));
      p.drawEllipse(kCentre + dir * 24.3, 0.9, 0.9);
    } else {
      p.setPen(QPen(lighter(light, 0.6), 1.2));
      p.drawLine(kCentre + dir * 21.5, kCentre + dir * 24.5);
    }
  }
  const std::string& icon = tables.markers.at(byCircle ? "circle" : "stone");
  const int size = byCircle ? 40 : 28;
  p.drawImage(kCentre - QPointF(size / 2.0, size / 2.0), icons.render(icon, size, lighter(light, 0.7)));
  return image;
}

QImage PaintCellWash(const QColor& colour) {
  QImage image = blankCell();
  QPainter p(&image);
  p.fillRect(image.rect(), QColor(colour.red(), colour.green(), colour.blue(), 110));
  p.setPen(QColor(colour.red(), colour.green(), colour.blue(), 190));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, kCell - 1, kCell - 1));
  return image;
}

}  // namespace sorvane::artgen
