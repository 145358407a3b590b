// The story scenes' pictures: backgrounds (800 × 600), the characters' busts
// (320 × 600, three expressions and a shared mask) and the message window
// (a mask and one colour picture per frame colour).
#pragma once

#include <QImage>
#include <QSize>

#include "art_build.h"
#include "art_tables.h"
#include "icon_library.h"

namespace sorvane::artgen {

inline constexpr QSize kStoryBackdropSize(800, 600);
inline constexpr QSize kStoryPortraitSize(320, 600);
inline constexpr int kStoryExpressions = 3;  // 0 calm, 1 glad, 2 stern or troubled
inline constexpr int kFrameColours = 5;      // 赤 黄 緑 青 灰

QImage PaintStoryBackdrop(IconLibrary& icons, const StoryBackdropArt& art);

// The bust in one expression, with straight alpha.
QImage PaintStoryBust(IconLibrary& icons, const Palette& palette, const StoryPortraitArt& art, int expression);

// Every story picture under its archive name: for a bust the colour pictures
// are opaque (premultiplied over black) and the mask carries the alpha in its
// blue channel, as the story page reads them.
std::vector<PaintedPicture> PaintStoryArt(const ArtTables& tables, IconLibrary& icons);

}  // namespace sorvane::artgen
