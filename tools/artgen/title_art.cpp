#include "title_art.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "style.h"

namespace sorvane::artgen {
namespace {

constexpr QPointF kNameCentre(400, 214);  // the middle of the name's letters
constexpr double kNameLetters = 96, kLineLetters = 30;

// `text` as a path centred on `centre` (its letters' middle, not the baseline).
QPainterPath centredText(const QString& text, const QFont& font, QPointF centre) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF box = path.boundingRect();
  return path.translated(centre - box.center());
}

// A ring of the summoning circles behind the name: two rims, ticks and a
// six-pointed star, faint enough that the backdrop shows through.
void paintCircle(QPainter& p, QPointF c, double r, const QColor& gold) {
  auto faint = [&](int alpha) { return QColor(gold.red(), gold.green(), gold.blue(), alpha); };
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(faint(70), 2));
  p.drawEllipse(c, r, r * 0.62);
  p.setPen(QPen(faint(50), 1));
  p.drawEllipse(c, r - 12, (r - 12) * 0.62);
  for (int i = 0; i < 72; ++i) {
    const double a = 2 * M_PI * i / 72;
    const QPointF dir(std::cos(a), std::sin(a) * 0.62);
    p.setPen(QPen(faint(i % 6 == 0 ? 80 : 40), i % 6 == 0 ? 1.6 : 1));
    p.drawLine(c + dir * (r - 12), c + dir * (i % 6 == 0 ? r + 6 : r - 4));
  }
  p.setPen(QPen(faint(36), 1.2));
  for (int t = 0; t < 2; ++t) {
    QPolygonF triangle;
    for (int i = 0; i < 3; ++i) {
      const double a = -M_PI / 2 + t * M_PI + 2 * M_PI * i / 3;
      triangle << c + QPointF(std::cos(a), std::sin(a) * 0.62) * (r - 12);
    }
    p.drawPolygon(triangle);
  }
}

// A gold rule with a diamond at its outer end, on either side of the line under the name.
void paintFlourish(QPainter& p, QPointF from, QPointF to, const QColor& gold, const QColor& ink) {
  p.setPen(QPen(ink, 3.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(from, to);
  p.setPen(QPen(gold, 1.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(from, to);
  QPolygonF diamond;
  for (const QPointF d : {QPointF(-6, 0), QPointF(0, -4), QPointF(6, 0), QPointF(0, 4)}) diamond << to + d;
  p.setPen(QPen(ink, 1.5));
  p.setBrush(gold);
  p.drawPolygon(diamond);
}

QString half(const std::string& text, bool second) {
  const auto bar = text.find(" | ");
  return QString::fromStdString(second ? text.substr(bar + 3) : text.substr(0, bar));
}

}  // namespace

QImage PaintTitle(const Palette& palette, const ShellArt& art) {
  QImage image(art.width, art.height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor gold = toColor(palette.colour("gold")), ink = toColor(palette.colour("ink"));
  const QColor cream = toColor(palette.colour("cream")), slate = toColor(palette.colour("slate_deep"));
  const double sx = art.width / 800.0;

  // The vignette deepens the backdrop's edges as the name comes up.
  QRadialGradient shade(QPointF(art.width / 2.0, art.height * 0.43), art.width * 0.65);
  shade.setColorAt(0, QColor(slate.red(), slate.green(), slate.blue(), 30));
  shade.setColorAt(0.55, QColor(slate.red(), slate.green(), slate.blue(), 90));
  shade.setColorAt(1, QColor(slate.red(), slate.green(), slate.blue(), 215));
  p.fillRect(image.rect(), shade);
  const QPointF centre(kNameCentre.x() * sx, kNameCentre.y() * sx);
  paintCircle(p, centre + QPointF(0, 30 * sx), 250 * sx, gold);

  QFont nameFont = uiFont(kNameLetters * sx);
  nameFont.setLetterSpacing(QFont::AbsoluteSpacing, 6 * sx);
  const QPainterPath name = centredText(half(art.text, false), nameFont, centre);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 110));  // the shadow the letters cast
  p.drawPath(name.translated(4 * sx, 5 * sx));
  p.setPen(QPen(darker(gold, 0.75), 8 * sx, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(name);
  const QRectF letters = name.boundingRect();
  QLinearGradient metal(letters.topLeft(), letters.bottomLeft());
  // Polished metal: pale at the top, a bright band, a darker lower half lifting again at the foot.
  metal.setColorAt(0, lighter(gold, 0.85));
  metal.setColorAt(0.47, lighter(gold, 0.4));
  metal.setColorAt(0.53, darker(gold, 0.12));
  metal.setColorAt(0.85, darker(gold, 0.3));
  metal.setColorAt(1, lighter(gold, 0.1));
  p.setPen(Qt::NoPen);
  p.setBrush(metal);
  p.drawPath(name);
  p.setPen(QPen(QColor(255, 255, 255, 110), 1.2 * sx));  // a bright lip along the letters' tops
  p.setBrush(Qt::NoBrush);
  p.drawPath(name.intersected([&] {
    QPainterPath top;
    top.addRect(QRectF(letters.left() - 2, letters.top() - 2, letters.width() + 4, letters.height() * 0.18 + 2));
    return top;
  }()));

  const QFont lineFont = uiFont(kLineLetters * sx);
  const QPointF lineCentre = centre + QPointF(0, 86 * sx);
  const QPainterPath line = centredText(half(art.text, true), lineFont, lineCentre);
  p.setPen(QPen(ink, 6 * sx, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(line);
  p.setPen(Qt::NoPen);
  p.setBrush(cream);
  p.drawPath(line);
  const double reach = line.boundingRect().width() / 2 + 18 * sx;
  for (const int side : {-1, 1}) {
    paintFlourish(p, lineCentre + QPointF(side * reach, 0), lineCentre + QPointF(side * (reach + 120 * sx), 0), gold,
                  ink);
  }
  return image;
}

QImage PaintMenuPlate(const Palette& palette, const ShellArt& art, int state) {
  QImage image(art.width, art.height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor gold = toColor(palette.colour("gold")), bronze = toColor(palette.colour("bronze"));
  const QColor ink = toColor(palette.colour("ink")), cream = toColor(palette.colour("cream"));
  const QColor slate = toColor(palette.colour("slate")), lit = toColor(palette.colour("slate_lit"));
  const QColor deep = toColor(palette.colour("slate_deep"));

  const double h = art.height;
  const double my = std::round(h * 0.16), mx = std::round(h * 0.14);
  const QRectF plate(mx, my, art.width - 2 * mx, h - 2 * my);
  const double radius = plate.height() * 0.24;

  if (state == 2) {  // the light the plate throws around it
    for (int i = 6; i >= 1; --i) {
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(gold.red(), gold.green(), gold.blue(), 14));
      const double grow = i * std::min(mx, my) / 6.0;
      p.drawRoundedRect(plate.adjusted(-grow, -grow, grow, grow), radius + grow, radius + grow);
    }
  } else if (state == 1) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(plate.translated(0, h * 0.03), radius, radius);
  }

  // The face: slate, lighter where the light falls on it.
  QLinearGradient face(plate.topLeft(), plate.bottomLeft());
  if (state == 0) {
    face.setColorAt(0, QColor(slate.red(), slate.green(), slate.blue(), 150));
    face.setColorAt(1, QColor(deep.red(), deep.green(), deep.blue(), 170));
  } else {
    const QColor top = state == 2 ? lighter(lit, 0.18) : lit;
    face.setColorAt(0, top);
    face.setColorAt(0.5, mixColor(top, state == 2 ? slate : deep, 0.55));
    face.setColorAt(1, state == 2 ? slate : deep);
  }
  const QColor rim = state == 0   ? QColor(bronze.red(), bronze.green(), bronze.blue(), 120)
                     : state == 2 ? lighter(gold, 0.3)
                                  : gold;
  p.setPen(state == 0 ? QPen(rim, 1.5) : QPen(ink, 4));
  p.setBrush(face);
  p.drawRoundedRect(plate, radius, radius);
  if (state > 0) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rim, 2));
    p.drawRoundedRect(plate, radius, radius);
    const double in = std::max(3.0, h * 0.05);
    p.setPen(QPen(QColor(rim.red(), rim.green(), rim.blue(), 110), 1));
    p.drawRoundedRect(plate.adjusted(in, in, -in, -in), radius - in / 2, radius - in / 2);
    // A gloss over the upper half of the face.
    QPainterPath upper;
    upper.addRoundedRect(plate.adjusted(2, 2, -2, -plate.height() * 0.5), radius - 2, radius - 2);
    QLinearGradient gloss(plate.topLeft(), QPointF(plate.left(), plate.center().y()));
    gloss.setColorAt(0, QColor(255, 255, 255, state == 2 ? 60 : 36));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawPath(upper);
    // Studs at both ends, the medallions' gold.
    const double stud = plate.height() * 0.09;
    for (const double x : {plate.left() + radius * 0.9, plate.right() - radius * 0.9}) {
      QPolygonF diamond;
      const QPointF c(x, plate.center().y());
      for (const QPointF d : {QPointF(-stud, 0), QPointF(0, -stud * 1.4), QPointF(stud, 0), QPointF(0, stud * 1.4)}) {
        diamond << c + d;
      }
      p.setPen(QPen(ink, 1));
      p.setBrush(rim);
      p.drawPolygon(diamond);
    }
  }

  const QString caption = QString::fromStdString(art.entry);
  const double letters = std::stoi(art.look);
  const QRectF box = plate.adjusted(radius * 1.6, 0, -radius * 1.6, 0);
  if (state == 0) {
    drawOutlinedText(p, box, caption, letters, QColor(lit.red(), lit.green(), lit.blue(), 170), QColor(0, 0, 0, 60),
                     1.5);
  } else if (state == 1) {
    drawOutlinedText(p, box, caption, letters, cream, ink, letters * 0.16);
  } else {
    drawOutlinedText(p, box.translated(0, 0), caption, letters, QColor(255, 246, 214), darker(gold, 0.6),
                     letters * 0.2);
  }
  return image;
}

}  // namespace sorvane::artgen
