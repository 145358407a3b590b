#include "caption_art.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

#include "style.h"

namespace sorvane::artgen {
namespace {

QColor toneColour(const Palette& palette, const std::string& tone) {
  if (tone == "no") return toColor(palette.colour("team2"));
  if (tone == "ask") return toColor(palette.colour("gold"));
  return toColor(palette.colour("team1"));
}

void paintSymbol(QPainter& p, const std::string& tone, QPointF c) {
  p.setPen(QPen(QColor(255, 248, 232), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  if (tone == "ok") {
    QPainterPath tick;
    tick.moveTo(c + QPointF(-11, 1));
    tick.lineTo(c + QPointF(-3, 9));
    tick.lineTo(c + QPointF(12, -9));
    p.drawPath(tick);
  } else if (tone == "no") {
    p.drawLine(c + QPointF(-9, -9), c + QPointF(9, 9));
    p.drawLine(c + QPointF(9, -9), c + QPointF(-9, 9));
  } else {
    drawOutlinedText(p, QRectF(c.x() - 20, c.y() - 20, 40, 40), QStringLiteral("？"), 30, QColor(255, 248, 232),
                     QColor(0, 0, 0, 90), 1.5);
  }
}

}  // namespace

QImage PaintConfirmation(const Palette& palette, const CaptionArt& caption) {
  QImage image(400, 80, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor accent = toneColour(palette, caption.tone);
  const QColor cream = toColor(palette.colour("cream"));
  const QColor ink = toColor(palette.colour("ink"));

  const QRectF panel(3, 3, 394, 72);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawRoundedRect(panel.translated(1.5, 3), 16, 16);
  QLinearGradient fill(panel.topLeft(), panel.bottomLeft());
  fill.setColorAt(0, QColor(cream.red(), cream.green(), cream.blue(), 240));
  QColor tinted = mixColor(cream, accent, 0.18);
  tinted.setAlpha(230);
  fill.setColorAt(1, tinted);
  p.setBrush(fill);
  p.setPen(QPen(darker(accent, 0.25), 3));
  p.drawRoundedRect(panel, 16, 16);

  const QPointF badge(42, 39);
  p.setPen(QPen(darker(accent, 0.4), 2));
  p.setBrush(accent);
  p.drawEllipse(badge, 25, 25);
  paintSymbol(p, caption.tone, badge);

  const QString text = QString::fromStdString(caption.caption);
  QFont big = uiFont(26);
  p.setFont(big);
  p.setPen(ink);
  p.drawText(QRectF(80, caption.hint.empty() ? 10 : 8, 306, 40), Qt::AlignLeft | Qt::AlignVCenter, text);
  if (!caption.hint.empty()) {
    p.setFont(uiFont(14, false));
    p.setPen(mixColor(ink, cream, 0.4));
    p.drawText(QRectF(82, 48, 306, 22), Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(caption.hint));
  }
  return image;
}

QImage PaintSelectionRing(const Palette& palette) {
  QImage image(kSelectionSize, kSelectionSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor gold = toColor(palette.colour("gold"));
  const QPointF c(55, 55);
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 4; ++i) {
    p.setPen(QPen(QColor(gold.red(), gold.green(), gold.blue(), 50 - 10 * i), 3 + 3 * i));
    p.drawEllipse(c, 50, 50);
  }
  p.setPen(QPen(lighter(gold, 0.3), 2.5));
  p.drawEllipse(c, 50, 50);
  for (int i = 0; i < 8; ++i) {
    const double a = 2 * M_PI * i / 8;
    const QPointF dir(std::cos(a), std::sin(a));
    p.setPen(Qt::NoPen);
    p.setBrush(lighter(gold, 0.5));
    p.drawEllipse(c + dir * 50, 2.6, 2.6);
  }
  return image;
}

QImage PaintSelectionGlow(const Palette& palette) {
  QImage image(kSelectionSize, kSelectionSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor gold = toColor(palette.colour("gold"));
  QRadialGradient glow(QPointF(55, 55), 50);
  glow.setColorAt(0, QColor(gold.red(), gold.green(), gold.blue(), 0));
  glow.setColorAt(0.7, QColor(gold.red(), gold.green(), gold.blue(), 40));
  glow.setColorAt(1, QColor(gold.red(), gold.green(), gold.blue(), 110));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(QPointF(55, 55), 50, 50);
  return image;
}

}  // namespace sorvane::artgen
