// Portraits: the silhouette large over a painted backdrop of the element, with
// a vignette and the name. One painter serves the small portrait (180 × 240),
// the large picture (360 × 480) and the job cards; everything scales with the width.
#pragma once

#include <QImage>
#include <QSize>

#include "art_tables.h"
#include "icon_library.h"

namespace sorvane::artgen {

inline constexpr QSize kPortraitSize(180, 240);
inline constexpr QSize kLargePictureSize(360, 480);

QImage PaintPortrait(IconLibrary& icons, const Palette& palette, const UnitArt& unit, QSize size);

}  // namespace sorvane::artgen
