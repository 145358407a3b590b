// Smooth outlined text as the story page and the credits write it: the
// glyphs as outlines, stroked in the outline colour and filled over it, so the
// letters stay sharp and readable on any picture, at any window scale.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPointF>
#include <QString>

class QPainter;

namespace sorvane {

struct OutlinedStyle {
  QFont font;
  QColor fill = Qt::white;
  QColor outline{80, 80, 80};
  qreal outlineWidth = 1.0;  // pixels outside the glyphs' edges
};

// The story text face: Noto Sans CJK JP bold at a pixel height.
QFont storyFont(int pixels);

// `text` with the upper-left corner of its line box at `topLeft`.
void drawOutlinedText(QPainter& painter, QPointF topLeft, const QString& text, const OutlinedStyle& style);

// The text's outline as a path with the line box's upper-left corner at (0, 0).
// Paths of recent texts are kept, since a page repaints the same lines every frame.
const QPainterPath& textPath(const QString& text, const QFont& font);

// Lets the kept paths and pictures go, once the page that wrote them is hidden.
void forgetOutlinedText();

}  // namespace sorvane
