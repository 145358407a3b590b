#include "terrain_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include "style.h"
#include "tile_noise.h"

namespace sorvane::artgen {
namespace {

// Colours as three doubles 0..255 while a texture is worked out.
struct Tone {
  double r, g, b;
};
Tone tone(Rgb c) { return {double(c.r), double(c.g), double(c.b)}; }
Tone mix(Tone a, Tone b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Tone scale(Tone a, double k) { return {a.r * k, a.g * k, a.b * k}; }
const Tone kWhite{255, 255, 255}, kBlack{0, 0, 0};

double wave(double x) { return std::sin(2 * M_PI * x); }

// What every texture sees of one pixel: u, v in [0, 1) over the tile, the
// pixel's own grain (an integer position that wraps with the tile) and the noise.
struct Sample {
  double u, v;
  double grain;  // 0..1, one value per pixel
  const TileNoise& noise;
};

using Texture = std::function<Tone(const Sample&, Tone base, Tone accent)>;

const std::map<std::string, Texture>& textures() {
  static const std::map<std::string, Texture> table = {
      {"void",
       [](const Sample& s, Tone b, Tone a) {
         const double n = s.noise.fractal(s.u, s.v, 3, 4);
         const double ridge = std::abs(s.noise.fractal(s.u, s.v, 2, 4) - 0.5);
         Tone c = mix(a, b, n * 1.4 - 0.2);
         if (ridge < 0.025) c = mix(c, Tone{90, 80, 110}, 1 - ridge / 0.025);
         return scale(c, 0.92 + 0.16 * s.grain);
       }},
      {"plain",
       [](const Sample& s, Tone b, Tone a) {
         Tone c = mix(scale(b, 0.9), scale(b, 1.08), s.noise.fractal(s.u, s.v, 4, 4));
         c = mix(c, a, (s.noise.fractal(s.u, s.v, 2, 2) - 0.45) * 1.2);
         const auto pebble = s.noise.cellular(s.u, s.v, 9);
         if (pebble.f1 < 0.13 && s.noise.hash(pebble.id, 7) < 0.35) c = mix(c, scale(a, 0.8), 0.6);
         return scale(c, 0.95 + 0.1 * s.grain);
       }},
      {"ash",
       [](const Sample& s, Tone b, Tone a) {
         Tone c = mix(a, b, s.noise.fractal(s.u, s.v, 4, 4) * 1.3 - 0.1);
         const double streak = s.noise.fractal(s.u, s.v, 8, 2);
         if (streak > 0.62) c = scale(c, 0.7);
         const auto ember = s.noise.cellular(s.u, s.v, 7);
         if (ember.f1 < 0.09 && s.noise.hash(ember.id, 3) < 0.4) c = mix(c, Tone{255, 140, 50}, 1 - ember.f1 / 0.09);
         return scale(c, 0.9 + 0.2 * s.grain);
       }},
      {"magma",
       [](const Sample& s, Tone b, Tone a) {
         const auto cell = s.noise.cellular(s.u, s.v, 4);
         const double edge = cell.f2 - cell.f1;
         const Tone crust = mix(Tone{40, 22, 20}, Tone{78, 40, 32}, s.noise.fractal(s.u, s.v, 8, 3));
         if (edge < 0.16) return mix(a, b, edge / 0.16);
         return mix(crust, b, std::max(0.0, 0.3 - edge) * 1.5 + 0.08 * s.grain);
       }},
      {"ice",
       [](const Sample& s, Tone b, Tone a) {
         Tone c = mix(b, a, 0.5 + 0.35 * wave(s.u + s.v) * (s.noise.fractal(s.u, s.v, 2, 2)));
         const double crack = std::abs(s.noise.fractal(s.u, s.v, 3, 4) - 0.5);
         if (crack < 0.018) c = mix(c, Tone{90, 150, 190}, 1 - crack / 0.018);
         const auto slab = s.noise.cellular(s.u, s.v, 3);
         if (slab.f2 - slab.f1 < 0.04) c = mix(c, kWhite, 0.6);
         return c;
       }},
      {"snow",
       [](const Sample& s, Tone b, Tone a) {
         Tone c = mix(b, a, (s.noise.fractal(s.u, s.v, 3, 4) - 0.35) * 1.4);
         if (s.grain > 0.985) c = kWhite;
         return c;
       }},
      {"grass",
       [](const Sample& s, Tone b, Tone a) {
         Tone c = mix(a, b, s.noise.fractal(s.u, s.v, 3, 3) * 1.4 - 0.1);
         const double blade = s.noise.value(s.u, s.v, 30);
         if (blade > 0.7) c = mix(c, scale(b, 1.3), (blade - 0.7) * 3);
         if (blade < 0.22) c = mix(c, a, 0.6);
         const auto flower = s.noise.cellular(s.u, s.v, 6);
         if (flower.f1 < 0.07 && s.noise.hash(flower.id, 5) < 0.3)
           c = s.noise.hash(flower.id, 6) < 0.5 ? Tone{250, 245, 200} : Tone{250, 210, 90};
         return scale(c, 0.94 + 0.12 * s.grain);
       }},
      {"forest",
       [](const Sample& s, Tone b, Tone a) {
         const auto crown = s.noise.cellular(s.u, s.v, 4);
         const double lit = std::clamp(1 - crown.f1 / 0.75, 0.0, 1.0);
         Tone c = mix(a, scale(b, 1.25 + 0.3 * s.noise.hash(crown.id, 1)), std::pow(lit, 0.8));
         c = scale(c, 0.85 + 0.35 * s.noise.fractal(s.u, s.v, 16, 2));
         if (crown.f2 - crown.f1 < 0.06) c = mix(c, scale(a, 0.6), 0.7);
         return c;
       }},
      {"sand",
       [](const Sample& s, Tone b, Tone a) {
         const double ripple = wave(5 * s.v + 1 * s.u + 0.9 * s.noise.fractal(s.u, s.v, 3, 3));
         Tone c = mix(b, a, 0.35 + 0.3 * ripple);
         return scale(c, 0.95 + 0.1 * s.grain);
       }},
      {"rocks",
       [](const Sample& s, Tone b, Tone a) {
         const auto rock = s.noise.cellular(s.u, s.v, 3);
         const double face = 0.35 + 0.5 * s.noise.hash(rock.id, 2);
         Tone c = mix(a, scale(b, 1.2), face);
         c = scale(c, 0.85 + 0.3 * s.noise.fractal(s.u, s.v, 8, 3));
         const double edge = rock.f2 - rock.f1;
         if (edge < 0.1) c = mix(scale(a, 0.5), c, edge / 0.1);
         return c;
       }},
      {"ore",
       [](const Sample& s, Tone b, Tone a) {
         Tone c = scale(b, 0.75 + 0.5 * s.noise.fractal(s.u, s.v, 4, 4));
         const double vein = std::abs(s.noise.fractal(s.u, s.v, 2, 3) - 0.5);
         if (vein < 0.03) c = mix(c, a, 1 - vein / 0.03);
         const auto nugget = s.noise.cellular(s.u, s.v, 6);
         if (nugget.f1 < 0.12 && s.noise.hash(nugget.id, 4) < 0.4) c = mix(a, kWhite, 0.4 * (1 - nugget.f1 / 0.12));
         return c;
       }},
      {"crystal",
       [](const Sample& s, Tone b, Tone a) {
         const auto facet = s.noise.cellular(s.u, s.v, 4);
         Tone c = mix(scale(b, 0.75), a, 0.15 + 0.6 * s.noise.hash(facet.id, 9));
         const double edge = facet.f2 - facet.f1;
         if (edge < 0.05) c = mix(kWhite, c, edge / 0.05);
         return scale(c, 0.92 + 0.16 * s.noise.fractal(s.u, s.v, 8, 2));
       }},
      {"river",
       [](const Sample& s, Tone b, Tone a) {
         const double flow = wave(4 * s.v + 0.7 * s.noise.fractal(s.u, s.v, 2, 3));
         Tone c = mix(scale(b, 0.85), b, s.noise.fractal(s.u, s.v, 3, 3));
         if (flow > 0.75) c = mix(c, a, (flow - 0.75) * 3);
         return c;
       }},
      {"sea",
       [](const Sample& s, Tone b, Tone a) {
         Tone c = mix(scale(b, 0.8), scale(b, 1.15), s.noise.fractal(s.u, s.v, 2, 4));
         const double crest = wave(3 * s.v + 1 * s.u + 1.1 * s.noise.fractal(s.u, s.v, 3, 3));
         if (crest > 0.8) c = mix(c, a, (crest - 0.8) * 4);
         if (crest > 0.96) c = mix(c, kWhite, (crest - 0.96) * 15);
         return c;
       }},
  };
  return table;
}

QRgb toPixel(Tone c) {
  auto byte = [](double x) { return std::clamp(static_cast<int>(std::lround(x)), 0, 255); };
  return qRgb(byte(c.r), byte(c.g), byte(c.b));
}

}  // namespace

QImage PaintTerrainTile(const TerrainArt& terrain, int period) {
  const TileNoise noise(0x7e11a1000ull + terrain.code);
  const Texture& texture = textures().at(terrain.texture);
  QImage image(period, period, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < period; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < period; ++x) {
      const Sample s{(x + 0.5) / period, (y + 0.5) / period, noise.hash(x, y, 77 + period), noise};
      row[x] = toPixel(texture(s, tone(terrain.base), tone(terrain.accent)));
    }
  }
  return image;
}

QImage PaintTerrainChip(const TerrainArt& terrain) { return PaintTerrainTile(terrain, 60); }

QImage PaintMiniChip(const TerrainArt& terrain) {
  const TileNoise noise(0x313100ull + terrain.code);
  QImage image(kMiniCell, kMiniCell, QImage::Format_ARGB32_Premultiplied);
  const Tone base = tone(terrain.mini);
  for (int y = 0; y < kMiniCell; ++y) {
    for (int x = 0; x < kMiniCell; ++x) {
      image.setPixel(x, y, toPixel(scale(base, 0.94 + 0.12 * noise.hash(x, y))));
    }
  }
  return image;
}

QImage PaintMiniUnit(const Palette& palette, int team, int kind) {
  QImage image(kMiniCell, kMiniCell, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor fill = toColor(palette.colour(team == 1 ? "team1" : "team2"));
  p.setPen(QPen(QColor(20, 20, 30), 1));
  p.setBrush(kind == 0 ? lighter(fill, 0.15) : fill);
  switch (kind) {
    case 0:  // master: a square badge with a light centre
      p.drawRect(QRectF(0.5, 0.5, 8, 8));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 248, 232));
      p.drawRect(QRectF(3.5, 3.5, 2, 2));
      break;
    case 1:  // creature: a round token
      p.drawEllipse(QPointF(4.5, 4.5), 3.8, 3.8);
      break;
    default:  // familiar: a small diamond
      p.drawPolygon(QPolygonF({QPointF(4.5, 1), QPointF(8, 4.5), QPointF(4.5, 8), QPointF(1, 4.5)}));
      break;
  }
  return image;
}

QImage PaintTerrainPicture(const Palette& palette, const TerrainArt& terrain) {
  const QImage tile = PaintTerrainTile(terrain, 120);
  QImage image(360, 480, QImage::Format_ARGB32_Premultiplied);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  for (int y = 0; y < 480; y += 120)
    for (int x = 0; x < 360; x += 120) p.drawImage(x, y, tile);

  QRadialGradient vignette(QPointF(180, 220), 330);
  vignette.setColorAt(0.55, QColor(0, 0, 0, 0));
  vignette.setColorAt(1, QColor(0, 0, 0, 170));
  p.setPen(Qt::NoPen);
  p.setBrush(vignette);
  p.drawRect(image.rect());

  const int elem = terrain.code >= 2 ? terrain.code / 2 : 0;
  const QColor light = toColor(palette.element[elem]);
  const QRectF band(0, 390, 360, 90);
  QLinearGradient fade(band.topLeft(), band.bottomLeft());
  fade.setColorAt(0, QColor(0, 0, 0, 0));
  fade.setColorAt(0.5, QColor(0, 0, 0, 150));
  fade.setColorAt(1, QColor(0, 0, 0, 200));
  p.setBrush(fade);
  p.drawRect(band);
  p.setPen(QPen(QColor(light.red(), light.green(), light.blue(), 210), 2.4));
  p.drawLine(QPointF(60, 418), QPointF(300, 418));
  drawOutlinedText(p, QRectF(24, 422, 312, 50), QString::fromStdString(terrain.name), 38, QColor(255, 248, 232),
                   QColor(0, 0, 0, 200), 6);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(toColor(palette.colour("ink")), 4));
  p.drawRect(QRectF(2, 2, 356, 476));
  return image;
}

}  // namespace sorvane::artgen
