#include "portrait_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "style.h"
#include "tile_noise.h"

namespace sorvane::artgen {
namespace {

// The element's painted ground: a vertical wash with soft brush-like mottling.
// The mottling is seeded by the element alone, so all its portraits share one canvas.
QImage paintBackdrop(QSize size, const QColor& light, const QColor& deep, int elem) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  const TileNoise noise(0xbac4d00 + elem);
  const QColor top = mixColor(deep, light, 0.35), bottom = darker(deep, 0.45);
  const int w = image.width(), h = image.height();
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    const QColor base = mixColor(top, bottom, static_cast<double>(y) / h);
    for (int x = 0; x < w; ++x) {
      const double u = static_cast<double>(x) / w, v = static_cast<double>(y) / h;
      const double n = noise.fractal(u, v * 0.75, 3, 4) - 0.5;
      const double streak = noise.fractal(u * 0.25, v, 8, 2) - 0.5;
      const double k = 1 + 0.55 * n + 0.18 * streak;
      row[x] = qRgb(std::clamp(static_cast<int>(base.red() * k), 0, 255),
                    std::clamp(static_cast<int>(base.green() * k), 0, 255),
                    std::clamp(static_cast<int>(base.blue() * k), 0, 255));
    }
  }
  return image;
}

QImage backdrop(QSize size, const QColor& light, const QColor& deep, int elem) {
  static std::map<std::tuple<int, int, int>, QImage> painted;
  QImage& slot = painted[{elem, size.width(), size.height()}];
  if (slot.isNull()) slot = paintBackdrop(size, light, deep, elem);
  return slot;
}

void paintCircleMotif(QPainter& p, QPointF centre, double s, const QColor& light) {
  const QColor line(light.red(), light.green(), light.blue(), 70);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(line, 1.5 * s));
  p.drawEllipse(centre, 78 * s, 78 * s);
  p.setPen(QPen(line, 0.8 * s));
  p.drawEllipse(centre, 70 * s, 70 * s);
  for (int i = 0; i < 36; ++i) {
    const double a = 2 * M_PI * i / 36;
    const QPointF dir(std::cos(a), std::sin(a));
    p.drawLine(centre + dir * (70 * s), centre + dir * ((i % 3 == 0 ? 78 : 74) * s));
  }
  // A six-pointed star of two triangles inside the rings.
  for (int t = 0; t < 2; ++t) {
    QPolygonF tri;
    for (int i = 0; i < 3; ++i) {
      const double a = -M_PI / 2 + t * M_PI + 2 * M_PI * i / 3;
      tri << centre + QPointF(std::cos(a), std::sin(a)) * (70 * s);
    }
    p.drawPolygon(tri);
  }
}

void paintFrame(QPainter& p, const Palette& palette, Frame frame, QSizeF size, double s) {
  const QColor ink = toColor(palette.colour("ink"));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(ink, 2 * s));
  p.drawRect(QRectF(s, s, size.width() - 2 * s, size.height() - 2 * s));
  if (frame != Frame::Master) return;
  const QColor gold = toColor(palette.colour("gold"));
  p.setPen(QPen(gold, 2 * s));
  p.drawRect(QRectF(5 * s, 5 * s, size.width() - 10 * s, size.height() - 10 * s));
  p.setPen(QPen(lighter(gold, 0.2), 0.8 * s));
  p.drawRect(QRectF(9 * s, 9 * s, size.width() - 18 * s, size.height() - 18 * s));
  // The crown notch: masters wear it on their medallion and on their portrait.
  const double cx = size.width() / 2, w = 26 * s, h = 13 * s, y = 14 * s;
  QPainterPath crown;
  crown.moveTo(cx - w / 2, y);
  crown.lineTo(cx - w / 2 - s, y - h);
  crown.lineTo(cx - w * 0.23, y - h * 0.45);
  crown.lineTo(cx, y - h * 1.1);
  crown.lineTo(cx + w * 0.23, y - h * 0.45);
  crown.lineTo(cx + w / 2 + s, y - h);
  crown.lineTo(cx + w / 2, y);
  crown.closeSubpath();
  p.setPen(QPen(ink, 1.5 * s));
  p.setBrush(gold);
  p.drawPath(crown.translated(0, 4 * s));
}

void paintElementBadge(QPainter& p, const Palette& palette, int elem, double s) {
  const QPointF at(22 * s, 22 * s);
  p.setPen(QPen(toColor(palette.element[elem]), 1.6 * s));
  p.setBrush(darker(toColor(palette.deep[elem]), 0.3));
  p.drawEllipse(at, 13 * s, 13 * s);
  const QString letter = elem == kElementCount - 1 ? QStringLiteral("？")
                                                    : QString::fromStdString(palette.elementName[elem]).left(1);
  drawOutlinedText(p, QRectF(at.x() - 12 * s, at.y() - 12 * s, 24 * s, 24 * s), letter, 15 * s,
                   lighter(toColor(palette.element[elem]), 0.5), QColor(0, 0, 0, 160), 2 * s);
}

}  // namespace

QImage PaintPortrait(IconLibrary& icons, const Palette& palette, const UnitArt& unit, QSize size) {
  const double s = size.width() / 180.0;
  const QColor light = toColor(palette.element[unit.elem]);
  const QColor deep = toColor(palette.deep[unit.elem]);
  QImage image = backdrop(size, light, deep, unit.elem).copy();

  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const QPointF centre(size.width() / 2.0, size.height() * 0.43);

  QRadialGradient glow(centre, 95 * s);
  glow.setColorAt(0, QColor(light.red(), light.green(), light.blue(), 170));
  glow.setColorAt(1, QColor(light.red(), light.green(), light.blue(), 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawRect(image.rect());
  paintCircleMotif(p, centre, s, lighter(light, 0.5));

  const int iconSize = static_cast<int>(std::lround(128 * s));
  const QPointF iconAt = centre - QPointF(iconSize / 2.0, iconSize / 2.0);
  const QImage shadow = icons.render(unit.icon, iconSize, QColor(0, 0, 0, 120));
  p.drawImage(iconAt + QPointF(4 * s, 6 * s), shadow);
  const QImage edge = icons.render(unit.icon, iconSize, darker(deep, 0.6));
  for (int i = 0; i < 8; ++i) {
    const double a = 2 * M_PI * i / 8;
    p.drawImage(iconAt + QPointF(std::cos(a), std::sin(a)) * (2 * s), edge);
  }
  const QColor cream = unit.frame == Frame::Master ? QColor(255, 240, 200) : QColor(255, 248, 232);
  p.drawImage(iconAt, icons.render(unit.icon, iconSize, cream));

  QRadialGradient vignette(QPointF(size.width() / 2.0, size.height() * 0.45), size.height() * 0.72);
  vignette.setColorAt(0.5, QColor(0, 0, 0, 0));
  vignette.setColorAt(1, QColor(0, 0, 0, 190));
  p.setPen(Qt::NoPen);
  p.setBrush(vignette);
  p.drawRect(image.rect());

  const QRectF band(0, size.height() - 44 * s, size.width(), 44 * s);
  QLinearGradient fade(band.topLeft(), band.bottomLeft());
  fade.setColorAt(0, QColor(0, 0, 0, 0));
  fade.setColorAt(0.45, QColor(0, 0, 0, 150));
  fade.setColorAt(1, QColor(0, 0, 0, 200));
  p.setBrush(fade);
  p.drawRect(band);
  const QColor rule = unit.frame == Frame::Master ? toColor(palette.colour("gold")) : light;
  p.setPen(QPen(QColor(rule.red(), rule.green(), rule.blue(), 200), 1.2 * s));
  p.drawLine(QPointF(30 * s, band.top() + 7 * s), QPointF(size.width() - 30 * s, band.top() + 7 * s));
  drawOutlinedText(p, QRectF(16 * s, band.top() + 9 * s, size.width() - 32 * s, 26 * s),
                   QString::fromStdString(unit.name), 19 * s, QColor(255, 248, 232), QColor(0, 0, 0, 200), 3 * s);

  if (unit.frame != Frame::Master) paintElementBadge(p, palette, unit.elem, s);
  paintFrame(p, palette, unit.frame, QSizeF(size), s);
  p.end();
  if (unit.elem == kElementCount - 1) tearImage(image, 0x6b657473ull + unit.g, static_cast<int>(6 * s), 7 * s);
  return image;
}

}  // namespace sorvane::artgen
