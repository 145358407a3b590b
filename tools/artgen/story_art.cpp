#include "story_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <vector>

#include "style.h"
#include "tile_noise.h"

namespace sorvane::artgen {
namespace {

bool has(int light, StoryLight flag) { return (light & static_cast<int>(flag)) != 0; }

std::uint64_t seedOf(const std::string& name) {
  std::uint64_t h = 0xcbf29ce484222325ull;
  for (unsigned char c : name) h = (h ^ c) * 0x100000001b3ull;
  return h;
}

// Sky and land as brushed washes: a vertical blend with soft mottling, and a
// ragged far ridge where they meet.
void paintWashes(QImage& image, const StoryBackdropArt& art, const TileNoise& noise) {
  const int w = image.width(), h = image.height();
  const int horizon = h * art.horizon / 100;
  const QColor sky = toColor(art.sky), glow = toColor(art.glow), ground = toColor(art.ground);
  const QColor ridge = mixColor(ground, glow, 0.35), far = darker(ground, 0.55);
  std::vector<double> ridgeAt(w);
  for (int x = 0; x < w; ++x) ridgeAt[x] = horizon - h * (0.05 + 0.09 * noise.fractal(double(x) / w, 0.5, 4, 3));
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const double u = static_cast<double>(x) / w, v = static_cast<double>(y) / h;
      const double ridgeY = ridgeAt[x];
      QColor base;
      if (y < ridgeY) {
        base = mixColor(sky, glow, std::pow(std::clamp(y / std::max(1.0, ridgeY), 0.0, 1.0), 1.6));
      } else if (y < horizon) {
        base = ridge;
      } else {
        base = mixColor(ground, far, std::clamp((y - horizon) / double(h - horizon + 1), 0.0, 1.0));
      }
      const double n = noise.fractal(u, v * 0.8, 4, 4) - 0.5;
      const double streak = noise.fractal(u * 0.3, v, 10, 2) - 0.5;
      const double k = 1 + 0.22 * n + 0.08 * streak;
      row[x] = qRgb(std::clamp(static_cast<int>(base.red() * k), 0, 255),
                    std::clamp(static_cast<int>(base.green() * k), 0, 255),
                    std::clamp(static_cast<int>(base.blue() * k), 0, 255));
    }
  }
}

void paintLights(QPainter& p, const StoryBackdropArt& art, const TileNoise& noise, QSize size) {
  const int horizon = size.height() * art.horizon / 100;
  p.setPen(Qt::NoPen);
  if (has(art.light, StoryLight::Stars)) {
    for (int i = 0; i < 140; ++i) {
      const QPointF at(noise.hash(i, 1) * size.width(), noise.hash(i, 2) * horizon * 0.9);
      const double r = 0.6 + 1.6 * noise.hash(i, 3) * noise.hash(i, 4);
      p.setBrush(QColor(255, 250, 230, static_cast<int>(120 + 135 * noise.hash(i, 5))));
      p.drawEllipse(at, r, r);
    }
  }
  const auto disc = [&](QPointF at, double radius, const QColor& colour, double halo) {
    QRadialGradient glow(at, radius * halo);
    glow.setColorAt(0, QColor(colour.red(), colour.green(), colour.blue(), 150));
    glow.setColorAt(1, QColor(colour.red(), colour.green(), colour.blue(), 0));
    p.setBrush(glow);
    p.drawEllipse(at, radius * halo, radius * halo);
    p.setBrush(colour);
    p.drawEllipse(at, radius, radius);
  };
  if (has(art.light, StoryLight::Sun)) disc(QPointF(size.width() * 0.78, horizon * 0.28), 34, QColor(255, 244, 210), 5);
  if (has(art.light, StoryLight::Moon)) {
    const QPointF at(size.width() * 0.8, horizon * 0.3);
    disc(at, 38, QColor(250, 246, 226), 3.5);
    p.setBrush(QColor(200, 196, 180, 90));  // the moon's seas
    p.drawEllipse(at + QPointF(-10, -8), 10, 8);
    p.drawEllipse(at + QPointF(12, 10), 7, 6);
  }
}

void paintFeatures(QPainter& p, IconLibrary& icons, const StoryBackdropArt& art, const TileNoise& noise, QSize size) {
  const int horizon = size.height() * art.horizon / 100;
  const QColor shade = darker(mixColor(toColor(art.ground), toColor(art.sky), 0.3), 0.55);
  int total = 0;
  for (const StoryFeature& f : art.features) total += f.count;
  int n = 0;
  for (const StoryFeature& f : art.features) {
    for (int k = 0; k < f.count; ++k, ++n) {
      // Spread along the horizon, away from the middle where the portraits stand.
      const double slot = (n + 0.5) / total;
      const double x = size.width() * (0.04 + 0.92 * slot) + (noise.hash(n, 11) - 0.5) * 60;
      const int side = static_cast<int>(150 + 130 * noise.hash(n, 12));
      const double depth = noise.hash(n, 13);
      const QColor colour = mixColor(shade, toColor(art.glow), 0.35 * depth);
      const QImage icon = icons.render(f.icon, side, QColor(colour.red(), colour.green(), colour.blue(), 235));
      p.drawImage(QPointF(x - side / 2.0, horizon - side * (0.78 + 0.1 * depth)), icon);
    }
  }
}

void paintParticles(QPainter& p, const StoryBackdropArt& art, const TileNoise& noise, QSize size) {
  p.setPen(Qt::NoPen);
  if (has(art.light, StoryLight::Snow)) {
    for (int i = 0; i < 260; ++i) {
      const double r = 1 + 2.5 * noise.hash(i, 21);
      p.setBrush(QColor(255, 255, 255, static_cast<int>(140 + 100 * noise.hash(i, 22))));
      p.drawEllipse(QPointF(noise.hash(i, 23) * size.width(), noise.hash(i, 24) * size.height()), r, r);
    }
  }
  if (has(art.light, StoryLight::Embers)) {
    for (int i = 0; i < 180; ++i) {
      const double r = 1 + 2 * noise.hash(i, 31);
      p.setBrush(QColor(255, static_cast<int>(120 + 110 * noise.hash(i, 32)), 40,
                        static_cast<int>(90 + 140 * noise.hash(i, 33))));
      p.drawEllipse(QPointF(noise.hash(i, 34) * size.width(), size.height() * (0.15 + 0.85 * noise.hash(i, 35))), r, r);
    }
  }
}

// The bust's outline without a face: shoulders, cloak and the collar.
QPainterPath shoulders(double s) {
  // Broad at the top, so the silhouette's own shoulders run on into the cloak.
  QPainterPath path;
  path.moveTo(0, 600 * s);
  path.lineTo(8 * s, 430 * s);
  path.quadTo(14 * s, 380 * s, 56 * s, 372 * s);
  path.lineTo(264 * s, 372 * s);
  path.quadTo(306 * s, 380 * s, 312 * s, 430 * s);
  path.lineTo(320 * s, 600 * s);
  path.closeSubpath();
  return path;
}

void paintEmblem(QPainter& p, IconLibrary& icons, const Palette& palette, const StoryPortraitArt& art, int expression) {
  const QPointF at(160, 486);
  const QColor gold = toColor(palette.colour("gold")), ink = toColor(palette.colour("ink"));
  p.setPen(QPen(ink, 3));
  p.setBrush(darker(toColor(art.robe), 0.45));
  p.drawEllipse(at, 36, 36);
  p.setPen(QPen(gold, 3));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(at, 30, 30);
  // The emblem carries the mood: a spark for joy, a jagged mark for anger or worry.
  const char* mark = expression == 1 ? "sparkles" : expression == 2 ? "lightning-trio" : art.icon.c_str();
  const QColor tone = expression == 1   ? QColor(255, 236, 150)
                      : expression == 2 ? QColor(255, 140, 120)
                                        : lighter(gold, 0.3);
  p.drawImage(at - QPointF(22, 22), icons.render(mark, 44, tone));
}

}  // namespace

QImage PaintStoryBackdrop(IconLibrary& icons, const StoryBackdropArt& art) {
  QImage image(kStoryBackdropSize, QImage::Format_RGB32);
  const TileNoise noise(seedOf(art.name));
  paintWashes(image, art, noise);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  paintLights(p, art, noise, image.size());
  paintFeatures(p, icons, art, noise, image.size());
  paintParticles(p, art, noise, image.size());
  QRadialGradient vignette(QPointF(400, 280), 560);
  vignette.setColorAt(0.55, QColor(0, 0, 0, 0));
  vignette.setColorAt(1, QColor(0, 0, 0, 150));
  p.setPen(Qt::NoPen);
  p.setBrush(vignette);
  p.drawRect(image.rect());
  return image;
}

QImage PaintStoryBust(IconLibrary& icons, const Palette& palette, const StoryPortraitArt& art, int expression) {
  QImage image(kStoryPortraitSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const QColor ink = toColor(palette.colour("ink"));
  const QColor robe = toColor(art.robe);

  const QPainterPath body = shoulders(1);
  QLinearGradient cloth(QPointF(0, 372), QPointF(0, 600));
  cloth.setColorAt(0, lighter(robe, 0.25));
  cloth.setColorAt(1, darker(robe, 0.45));
  p.setPen(QPen(ink, 4));
  p.setBrush(cloth);
  p.drawPath(body);
  p.setPen(QPen(darker(robe, 0.3), 2));
  p.drawLine(QPointF(160, 380), QPointF(160, 448));  // the cloak's seam down to the emblem
  paintEmblem(p, icons, palette, art, expression);

  // The head: the silhouette large, outlined like the battle portraits.
  const int side = 290;
  const QPointF at(160 - side / 2.0, 92);
  p.drawImage(at + QPointF(6, 8), icons.render(art.icon, side, QColor(0, 0, 0, 110)));
  const QImage edge = icons.render(art.icon, side, ink);
  for (int i = 0; i < 12; ++i) {
    const double a = 2 * M_PI * i / 12;
    p.drawImage(at + QPointF(std::cos(a), std::sin(a)) * 4.0, edge);
  }
  p.drawImage(at, icons.render(art.icon, side, QColor(255, 246, 228)));

  // The mood as light over what is already drawn, so the outline (and the mask) never changes.
  p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
  p.setPen(Qt::NoPen);
  QLinearGradient light(QPointF(0, 0), QPointF(320, 600));
  if (expression == 1) {
    light.setColorAt(0, QColor(255, 210, 120, 90));
    light.setColorAt(1, QColor(255, 170, 170, 30));
  } else if (expression == 2) {
    light.setColorAt(0, QColor(20, 30, 80, 40));
    light.setColorAt(1, QColor(10, 10, 40, 120));
  } else {
    light.setColorAt(0, QColor(255, 255, 255, 0));
    light.setColorAt(1, QColor(0, 0, 0, 40));
  }
  p.setBrush(light);
  p.drawRect(image.rect());
  // The robe's colour tints the face a little, so every bust keeps its own hue.
  p.setBrush(QColor(robe.red(), robe.green(), robe.blue(), 40));
  p.drawRect(QRect(0, 0, 320, 372));
  return image;
}

namespace {

// The message window: a rounded band along the bottom of the page.
QImage frameMask() {
  QImage mask(kStoryBackdropSize, QImage::Format_RGB32);
  mask.fill(Qt::black);
  QPainter p(&mask);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(18, 380, 764, 208), 18, 18);
  return mask;
}

QImage frameColour(const QColor& colour, const Palette& palette) {
  QImage image(kStoryBackdropSize, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient wash(QPointF(0, 380), QPointF(0, 588));
  wash.setColorAt(0, darker(colour, 0.35));
  wash.setColorAt(1, darker(colour, 0.75));
  p.setPen(Qt::NoPen);
  p.setBrush(wash);
  p.drawRoundedRect(QRectF(18, 380, 764, 208), 18, 18);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(lighter(colour, 0.35), 3));
  p.drawRoundedRect(QRectF(24, 386, 752, 196), 14, 14);
  p.setPen(QPen(toColor(palette.colour("gold")), 1.5));
  p.drawLine(QPointF(44, 432), QPointF(300, 432));  // under the speaker's name
  return image;
}

QImage opaqueOverBlack(const QImage& picture) {
  QImage out(picture.size(), QImage::Format_RGB32);
  out.fill(Qt::black);
  QPainter(&out).drawImage(0, 0, picture);
  return out;
}

QImage alphaMask(const QImage& picture) {
  QImage mask(picture.size(), QImage::Format_RGB32);
  const QImage straight = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < mask.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
    auto* out = reinterpret_cast<QRgb*>(mask.scanLine(y));
    for (int x = 0; x < mask.width(); ++x) {
      const int a = qAlpha(in[x]);
      out[x] = qRgb(a, a, a);
    }
  }
  return mask;
}

}  // namespace

std::vector<PaintedPicture> PaintStoryArt(const ArtTables& tables, IconLibrary& icons) {
  std::vector<PaintedPicture> out;
  for (const StoryBackdropArt& b : tables.storyBackdrops)
    out.push_back({b.name + ".png", PaintStoryBackdrop(icons, b)});
  for (const StoryPortraitArt& portrait : tables.storyPortraits) {
    for (int e = 0; e < kStoryExpressions; ++e) {
      const QImage bust = PaintStoryBust(icons, tables.palette, portrait, e);
      if (e == 0) out.push_back({portrait.stem + "a.png", alphaMask(bust)});
      out.push_back({portrait.stem + std::to_string(e) + ".png", opaqueOverBlack(bust)});
    }
  }
  // Frame colours 0..4 as the settings name them: red, yellow, green, blue, grey.
  const QColor colours[kFrameColours] = {QColor(0xD0, 0x50, 0x50), QColor(0xD8, 0xB0, 0x40), QColor(0x50, 0xA8, 0x60),
                                         QColor(0x50, 0x70, 0xD0), QColor(0x88, 0x88, 0x90)};
  out.push_back({"fa.png", frameMask()});
  for (int c = 0; c < kFrameColours; ++c)
    out.push_back({"f" + std::to_string(c) + ".png", frameColour(colours[c], tables.palette)});
  return out;
}

}  // namespace sorvane::artgen
