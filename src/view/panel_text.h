// Small helpers for the hand-painted panels: a text run at a place, and the
// hint regions that become tooltips.
#pragma once

#include <vector>

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>

namespace sorvane {

struct HintRegion {
  QRect rect;
  QString hint;
};

// Draws `text` with its top left at (x, y) in `colour`; returns its box.
QRect drawRun(QPainter& p, int x, int y, const QString& text, QColor colour);

// The dark slate face of a panel with its gold-edged border.
void paintPanelFace(QPainter& p, QRect r);

// The hint under `pos`, or an empty text.
QString hintAt(const std::vector<HintRegion>& hints, QPoint pos);

}  // namespace sorvane
