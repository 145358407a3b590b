#include "style.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

#include "tile_noise.h"

namespace sorvane::artgen {

QColor mixColor(const QColor& a, const QColor& b, double t) {
  auto lerp = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                lerp(a.alpha(), b.alpha()));
}

QFont uiFont(double pixelSize, bool bold) {
  QFont font(kFontFamily);
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

void drawOutlinedText(QPainter& p, const QRectF& box, const QString& text, double pixelSize, const QColor& fill,
                      const QColor& outline, double outlineWidth) {
  QFont font = uiFont(pixelSize);
  while (font.pixelSize() > 6 && QFontMetricsF(font).horizontalAdvance(text) > box.width()) {
    font.setPixelSize(font.pixelSize() - 1);
  }
  const QFontMetricsF metrics(font);
  const double x = box.center().x() - metrics.horizontalAdvance(text) / 2;
  const double y = box.center().y() + (metrics.ascent() - metrics.descent()) / 2;
  QPainterPath path;
  path.addText(QPointF(x, y), font, text);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(path);
  p.restore();
}

void tearImage(QImage& image, std::uint64_t seed, int bandHeight, int maxShift) {
  const TileNoise noise(seed);
  const QImage source = image.copy();
  const int w = image.width();
  for (int y = 0; y < image.height(); ++y) {
    const int band = y / bandHeight;
    const bool torn = noise.hash(band, 0) < 0.45;
    const int shift = torn ? static_cast<int>(std::lround((noise.hash(band, 1) * 2 - 1) * maxShift)) : 0;
    const int split = torn ? 1 + static_cast<int>(noise.hash(band, 2) * 2) : 0;
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
    auto at = [&](int x) { return in[std::clamp(x, 0, w - 1)]; };
    for (int x = 0; x < w; ++x) {
      const QRgb centre = at(x - shift), left = at(x - shift - split), right = at(x - shift + split);
      const int a = std::max({qAlpha(centre), qAlpha(left), qAlpha(right)});
      out[x] = qRgba(std::min(qRed(left), a), std::min(qGreen(centre), a), std::min(qBlue(right), a), a);
    }
  }
}

}  // namespace sorvane::artgen
