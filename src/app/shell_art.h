// The look of the title and preparation pages: outlined text drawn as painter
// paths, the framed panels and buttons in the slate-and-gold of the battle
// page, and the pictures the pages read from the game's archives.
#pragma once

#include <string>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

namespace sorvane::shell {

inline const QColor kCream{255, 251, 240};
inline const QColor kRose{251, 178, 178};

// Text with an outline of `outlineWidth` pixels around every glyph, antialiased.
void outlinedText(QPainter& p, QPointF baseline, const QString& text, const QFont& font, QColor fill,
                  QColor outline, qreal outlineWidth = 3.0);
// A framed panel: a dark slate face with a soft inner gradient and a gold edge.
void panel(QPainter& p, QRectF r, bool lit = false);
// The style sheet of the shell's buttons, lists, combos and scroll bars.
QString widgetStyle();
// A picture from an archive in the game folder as premultiplied ARGB; a null
// picture when the entry is missing or unreadable.
QImage archivePicture(const std::string& gameDir, const std::string& archive, const std::string& entry);

}  // namespace sorvane::shell
