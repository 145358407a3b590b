#include "board_art.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "style.h"
#include "terrain_art.h"
#include "tile_noise.h"

namespace sorvane::artgen {
namespace {

// Where the board's circles stand: the master in the middle, circle 1 at the
// top and the others clockwise on an ellipse of 125 × 150 (as the page places them).
constexpr QPointF kMiddle(180, 240);
constexpr double kRingX = 125, kRingY = 150;

QPointF circleCentre(int slot) {
  const double angle = (slot - 1) * M_PI / 3 - M_PI / 2;
  return kMiddle + QPointF(std::round(kRingX * std::cos(angle)), std::round(kRingY * std::sin(angle)));
}

QColor faint(const QColor& c, int alpha) { return QColor(c.red(), c.green(), c.blue(), alpha); }

// A band of runes between two ellipses: each rune two or three strokes, drawn
// from a seeded hash, turned to follow the ring.
void paintRunes(QPainter& p, const QColor& line, double rx, double ry, int count) {
  const TileNoise noise(0x52554e45);
  p.setPen(QPen(faint(line, 150), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  for (int i = 0; i < count; ++i) {
    const double a = 2 * M_PI * (i + 0.5) / count;
    const QPointF at = kMiddle + QPointF(rx * std::cos(a), ry * std::sin(a));
    p.save();
    p.translate(at);
    p.rotate(a * 180 / M_PI + 90);
    const int strokes = 2 + static_cast<int>(noise.hash(i, 0) * 2);
    for (int s = 0; s < strokes; ++s) {
      auto corner = [&](int k) {
        return QPointF(std::round(noise.hash(i, s, 2 * k) * 2) * 2.5 - 2.5,
                       std::round(noise.hash(i, s, 2 * k + 1) * 3) * 2 - 3);
      };
      p.drawLine(corner(0), corner(1));
    }
    p.restore();
  }
}

void paintCircleWork(QPainter& p, const QColor& line) {
  p.setBrush(Qt::NoBrush);
  // The outer band of runes between two rims.
  p.setPen(QPen(faint(line, 170), 1.6));
  p.drawEllipse(kMiddle, 164, 196);
  p.setPen(QPen(faint(line, 120), 1));
  p.drawEllipse(kMiddle, 150, 182);
  paintRunes(p, line, 157, 189, 40);
  // The great ring through the six circles, and a ring inside it.
  p.setPen(QPen(faint(line, 160), 2.2));
  p.drawEllipse(kMiddle, kRingX, kRingY);
  p.setPen(QPen(faint(line, 110), 1));
  p.drawEllipse(kMiddle, kRingX - 25, kRingY - 30);
  for (int i = 0; i < 60; ++i) {
    const double a = 2 * M_PI * i / 60;
    const QPointF dir(std::cos(a), std::sin(a));
    const double inner = i % 5 == 0 ? 0.8 : 0.86;
    p.drawLine(kMiddle + QPointF(dir.x() * (kRingX - 25) / 0.8 * inner, dir.y() * (kRingY - 30) / 0.8 * inner),
               kMiddle + QPointF(dir.x() * (kRingX - 25), dir.y() * (kRingY - 30)));
  }
  // Two triangles through the circles: a six-pointed star.
  p.setPen(QPen(faint(line, 130), 1.3));
  for (int first : {1, 2}) {
    QPainterPath triangle;
    triangle.moveTo(circleCentre(first));
    triangle.lineTo(circleCentre(first + 2));
    triangle.lineTo(circleCentre(first + 4));
    triangle.closeSubpath();
    p.drawPath(triangle);
  }
  // The master's own ring, doubled.
  p.setPen(QPen(faint(line, 170), 1.8));
  p.drawEllipse(kMiddle, 58, 58);
  p.setPen(QPen(faint(line, 100), 1));
  p.drawEllipse(kMiddle, 64, 64);
}

void paintFrame(QPainter& p, const Palette& palette, QSizeF size) {
  const QColor gold = toColor(palette.colour("gold")), ink = toColor(palette.colour("ink"));
  const QRectF r(QPointF(0, 0), size);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(ink, 2));
  p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 6, 6);
  p.setPen(QPen(gold, 2));
  p.drawRoundedRect(r.adjusted(2.5, 2.5, -2.5, -2.5), 5, 5);
  p.setPen(QPen(faint(gold, 90), 1));
  p.drawRoundedRect(r.adjusted(6.5, 6.5, -6.5, -6.5), 3, 3);
  p.setPen(QPen(lighter(gold, 0.3), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  const double in = 9, arm = 22;
  for (const QPointF sign : {QPointF(1, 1), QPointF(-1, 1), QPointF(1, -1), QPointF(-1, -1)}) {
    const QPointF at(sign.x() > 0 ? in : size.width() - in, sign.y() > 0 ? in : size.height() - in);
    p.drawPolyline(QPolygonF({at + QPointF(0, sign.y() * arm), at, at + QPointF(sign.x() * arm, 0)}));
  }
}

}  // namespace

QImage PaintPreparationBoard(const Palette& palette, const ShellArt& art, const TerrainArt& ground) {
  QImage image(art.width, art.height, QImage::Format_ARGB32_Premultiplied);
  const bool extra = art.look == "extra";
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QImage chip = PaintTerrainChip(ground);
  for (int y = 0; y < art.height; y += chip.height())
    for (int x = 0; x < art.width; x += chip.width()) p.drawImage(x, y, chip);

  // A deep tint, darkest at the edges, violet in the extra stages.
  QRadialGradient tint(kMiddle, 330);
  tint.setColorAt(0, extra ? QColor(60, 20, 70, 160) : QColor(20, 30, 50, 140));
  tint.setColorAt(1, extra ? QColor(20, 5, 30, 238) : QColor(8, 12, 22, 236));
  p.fillRect(image.rect(), tint);
  const QColor line = extra ? QColor(230, 150, 255) : toColor(palette.colour("gold"));
  QRadialGradient glow(kMiddle, 200);
  glow.setColorAt(0, faint(line, 46));
  glow.setColorAt(1, faint(line, 0));
  p.fillRect(image.rect(), glow);
  paintCircleWork(p, line);
  paintFrame(p, palette, image.size());
  return image;
}

}  // namespace sorvane::artgen
