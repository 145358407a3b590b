#include "skin_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "style.h"

namespace sorvane::artgen {
namespace {

QImage blank(const ShellArt& art) {
  QImage image(art.width, art.height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QColor withAlpha(QColor c, int alpha) {
  c.setAlpha(alpha);
  return c;
}

struct Face {
  QColor top, bottom, edge;
};

// A button's face and edge by its state: slate at rest, lifted and gold-edged
// under the pointer, sunk when pressed, bronze-gold when switched on, grey when out of use.
Face buttonFace(const Palette& palette, const std::string& look) {
  const QColor lit = toColor(palette.colour("slate_lit")), slate = toColor(palette.colour("slate"));
  const QColor deep = toColor(palette.colour("slate_deep")), bronze = toColor(palette.colour("bronze"));
  const QColor gold = toColor(palette.colour("gold"));
  if (look == "hover") return {lighter(lit, 0.14), mixColor(lit, slate, 0.5), lighter(gold, 0.25)};
  if (look == "pressed") return {deep, mixColor(slate, deep, 0.3), lighter(gold, 0.25)};
  if (look == "disabled") return {mixColor(slate, deep, 0.3), deep, QColor(0x55, 0x50, 0x4a)};
  if (look == "checked") return {darker(gold, 0.45), darker(gold, 0.68), lighter(gold, 0.25)};
  if (look == "focus") return {lighter(lit, 0.14), mixColor(lit, slate, 0.5), toColor(palette.colour("focus"))};
  return {lit, slate, bronze};
}

}  // namespace

QImage PaintPanelSkin(const Palette& palette, const ShellArt& art) {
  QImage image = blank(art);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const bool lit = art.look == "lit", frame = art.look == "frame";
  const QColor slate = toColor(palette.colour("slate")), deep = toColor(palette.colour("slate_deep"));
  const QColor gold = toColor(palette.colour("gold")), ink = toColor(palette.colour("ink"));
  const QRectF r(0, 0, art.width, art.height);
  const double corner = art.width / 3.0, radius = frame ? 4 : 6;

  QLinearGradient face(r.topLeft(), r.bottomLeft());
  face.setColorAt(0, lit ? lighter(slate, 0.16) : lighter(slate, frame ? 0.02 : 0.05));
  face.setColorAt(1, lit ? slate : mixColor(slate, deep, frame ? 0.7 : 0.5));
  p.setPen(QPen(withAlpha(ink, 200), 1));
  p.setBrush(face);
  p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(withAlpha(darker(gold, 0.08), lit ? 255 : frame ? 150 : 200), frame ? 1 : 1.5));
  p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1, radius - 1);
  p.setPen(QPen(QColor(255, 255, 255, lit ? 40 : 24), 1));
  p.drawRoundedRect(r.adjusted(3.5, 3.5, -3.5, -3.5), radius - 3, radius - 3);
  if (frame) return image;

  // Gold caps over the four corners, as on the portraits' frames; they lie on
  // the edge and inside the corner slices, so they never stretch nor crowd what the panel holds.
  p.setPen(QPen(lit ? lighter(gold, 0.35) : lighter(gold, 0.1), 3, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
  const double in = 2.5, arm = corner - 2;
  for (const QPointF sign : {QPointF(1, 1), QPointF(-1, 1), QPointF(1, -1), QPointF(-1, -1)}) {
    const QPointF at(sign.x() > 0 ? in : art.width - in, sign.y() > 0 ? in : art.height - in);
    QPainterPath cap;
    cap.moveTo(at + QPointF(0, sign.y() * arm));
    cap.lineTo(at + QPointF(0, sign.y() * 3));
    cap.quadTo(at, at + QPointF(sign.x() * 3, 0));
    cap.lineTo(at + QPointF(sign.x() * arm, 0));
    p.drawPath(cap);
  }
  return image;
}

QImage PaintButtonSkin(const Palette& palette, const ShellArt& art) {
  QImage image = blank(art);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const Face f = buttonFace(palette, art.look);
  const QRectF r(0, 0, art.width, art.height);
  const double radius = art.height / 3.0 - 0.5;
  QLinearGradient face(r.topLeft(), r.bottomLeft());
  face.setColorAt(0, f.top);
  face.setColorAt(1, f.bottom);
  p.setPen(QPen(f.edge, 1));
  p.setBrush(face);
  p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
  // The light catches the upper lip; a pressed button has it at the bottom instead.
  const bool pressed = art.look == "pressed";
  p.setPen(QPen(QColor(255, 255, 255, art.look == "disabled" ? 14 : 44), 1));
  const double y = pressed ? art.height - 1.5 : 1.5;
  p.drawLine(QPointF(radius, y), QPointF(art.width - radius, y));
  return image;
}

QImage PaintWellSkin(const Palette& palette, const ShellArt& art) {
  QImage image = blank(art);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor deep = toColor(palette.colour("slate_deep")), bronze = toColor(palette.colour("bronze"));
  const QRectF r(0, 0, art.width, art.height);
  const QColor rim = art.look == "focus" ? toColor(palette.colour("focus")) : withAlpha(darker(bronze, 0.2), 230);
  p.setPen(QPen(rim, 1));
  p.setBrush(darker(deep, 0.12));
  p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
  if (art.look == "focus") {  // the ring doubled inside, so the keys' place shows at a glance
    p.setPen(QPen(withAlpha(rim, 120), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), 2, 2);
    return image;
  }
  // The shadow of the rim along the top and the left: the well lies below the page.
  p.setPen(QPen(QColor(0, 0, 0, 110), 1));
  p.drawLine(QPointF(2.5, 1.5), QPointF(art.width - 2.5, 1.5));
  p.drawLine(QPointF(1.5, 2.5), QPointF(1.5, art.height - 2.5));
  p.setPen(QPen(QColor(255, 255, 255, 18), 1));
  p.drawLine(QPointF(2.5, art.height - 1.5), QPointF(art.width - 2.5, art.height - 1.5));
  return image;
}

QImage PaintGlyph(const Palette& palette, const ShellArt& art) {
  QImage image = blank(art);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // A gold triangle pointing down, dark-edged so it reads on the lit skins too.
  const QPolygonF arrow({QPointF(1.5, 1), QPointF(art.width - 1.5, 1), QPointF(art.width / 2.0, art.height - 1)});
  p.setPen(QPen(toColor(palette.colour("ink")), 1));
  p.setBrush(lighter(toColor(palette.colour("gold")), 0.2));
  p.drawPolygon(arrow);
  return image;
}

}  // namespace sorvane::artgen
