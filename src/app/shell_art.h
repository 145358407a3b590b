// The look of the title and preparation pages: outlined text drawn as painter
// paths, the framed panels and buttons in the slate-and-gold of the battle
// page, and the pictures the pages read from the game's archives.
//
// The panels and the buttons, lists and combos of the style sheet wear the
// nine-slice skins of png.qda (panel0/1, button0..4, well), read once from the
// game folder on first use. Where a skin is missing the old drawing stands in,
// so a damaged archive never breaks a page.
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
// A framed panel: a dark slate face with a gold edge and gold corner brackets.
void panel(QPainter& p, QRectF r, bool lit = false);
// A nine-slice picture stretched over `r`: each corner a third of the
// picture's width and height, kept as it is; the edges and the middle stretch.
void drawNineSlice(QPainter& p, const QRect& r, const QImage& skin);
// The style sheet of the shell's buttons, lists, combos and scroll bars.
QString widgetStyle();
// A picture from an archive in the game folder as premultiplied ARGB; a null
// picture when the entry is missing or unreadable.
QImage archivePicture(const std::string& gameDir, const std::string& archive, const std::string& entry);

}  // namespace sorvane::shell
