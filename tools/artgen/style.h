// The shared look: colour helpers and the one typeface of every picture.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>

#include <cstdint>

#include "art_tables.h"

class QPainter;

namespace sorvane::artgen {

inline constexpr char kFontFamily[] = "Noto Sans CJK JP";

inline QColor toColor(Rgb c, int alpha = 255) { return QColor(c.r, c.g, c.b, alpha); }

// t = 0 gives a, t = 1 gives b (alpha included).
QColor mixColor(const QColor& a, const QColor& b, double t);
inline QColor lighter(const QColor& c, double t) { return mixColor(c, QColor(255, 255, 255, c.alpha()), t); }
inline QColor darker(const QColor& c, double t) { return mixColor(c, QColor(0, 0, 0, c.alpha()), t); }

QFont uiFont(double pixelSize, bool bold = true);

// Draws `text` centred in the box, shrinking the font until it fits its width,
// in `fill` with a dark outline so it reads over any backdrop.
void drawOutlinedText(QPainter& p, const QRectF& box, const QString& text, double pixelSize, const QColor& fill,
                      const QColor& outline, double outlineWidth);

// The glitch creature's look: rows torn sideways and colour channels split,
// placed by a seeded hash so every build tears them the same way.
void tearImage(QImage& image, std::uint64_t seed, int bandHeight, int maxShift);

}  // namespace sorvane::artgen
