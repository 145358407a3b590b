// Floating texts over a unit's cell: what each kind of text says and in which
// colour, the sounds it plays, and how it moves.
#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <vector>

#include "rules/presentation.h"

class QPainter;

namespace sorvane {

struct FloatingLabel {
  QString text;
  QColor colour;
  QPoint at;  // top left in picture coordinates
};

// The text and colour a floating text shows.
FloatingLabel floatingLabel(const FloatingText& t);

// The sound effect channels a floating text plays, in order.
std::vector<int> floatingTextSounds(const FloatingText& t);

// The motion: six steps down (36 pixels in all), with the wait after each.
struct FloatStep {
  int dy;
  int waitMs;
};
inline constexpr FloatStep kFloatSteps[] = {{1, 40}, {3, 40}, {5, 40}, {7, 40}, {9, 40}, {11, 600}};
// Statuses, changes and skill names stay a little longer.
bool floatingTextLingers(const FloatingText& t);
inline constexpr int kLingerMs = 200;

// Draws a floating text with its shadow one pixel lower right.
void paintFloatingLabel(QPainter& p, const FloatingLabel& label);
inline constexpr int kFloatingTextPixels = 19;

}  // namespace sorvane
