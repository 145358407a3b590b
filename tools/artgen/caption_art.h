// Interface pictures with words or frames: the battlefield confirmations
// (400 × 80) and the preparation screen's selection overlays.
#pragma once

#include <QImage>

#include "art_tables.h"

namespace sorvane::artgen {

QImage PaintConfirmation(const Palette& palette, const CaptionArt& caption);

// "ms0.bmp" (the ring around a selected circle) and "ms1.bmp" (the glow inside
// it), 110 × 110, laid over a 100-pixel magic circle of the preparation board.
inline constexpr int kSelectionSize = 110;
QImage PaintSelectionRing(const Palette& palette);
QImage PaintSelectionGlow(const Palette& palette);

}  // namespace sorvane::artgen
