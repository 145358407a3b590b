// The look of the game window: dark slate panels with gold accents, the
// element and fill-level colours of the battle, and the fonts.
#pragma once

#include <string>
#include <string_view>

#include <QColor>
#include <QFont>
#include <QString>

#include "data/types.h"

namespace sorvane::style {

inline const QColor kPage{0x1b, 0x21, 0x2b};       // behind everything
inline const QColor kPanel{0x26, 0x2e, 0x3b};      // panel faces
inline const QColor kPanelEdge{0x3c, 0x47, 0x58};  // panel borders
inline const QColor kGold{0xd8, 0xb4, 0x5a};       // accents, captions
inline const QColor kText{0xe8, 0xe4, 0xd8};       // ordinary text
inline const QColor kDim{0x9a, 0xa0, 0xa8};        // captions, the "grey" of the game on dark ground
inline const QColor kFrameTeam1{0x80, 0x80, 0xff};
inline const QColor kFrameTeam2{0xff, 0x80, 0x80};

inline QColor colour(Rgb c) { return QColor(c.r, c.g, c.b); }
// The element colours; 無 is lifted a little so it reads on the dark panels.
QColor element(i32 e);
// Blue at half or more, orange above a quarter, red at a quarter or less.
QColor fillLevel(i32 value, i32 maximum);
// A colour with each of red, green and blue lowered by `by` (the text shadows).
QColor darker(QColor c, int by);

// Noto Sans CJK JP at a pixel height; bold for floating texts and banners.
QFont font(int pixels, bool bold = false);
// Noto Sans Mono CJK JP: a full-width character takes two columns, so the
// command menu's columns line up as the game pads them.
QFont monoFont(int pixels);

inline QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
// The game writes line breaks as carriage returns.
QString lines(std::string_view s);

}  // namespace sorvane::style
