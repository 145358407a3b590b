// The title's pictures: the game's name and the line under it, baked with a
// soft vignette onto a transparent 800 × 600 sheet (title.png, blended over
// the backdrop), and the menu plates in their three states.
#pragma once

#include <QImage>

#include "art_tables.h"

namespace sorvane::artgen {

inline constexpr int kMenuStates = 3;  // 0 the base plate, 1 at rest, 2 lit under the pointer

QImage PaintTitle(const Palette& palette, const ShellArt& art);

// A menu plate of the art's size with its caption (the entry) in `state`.
QImage PaintMenuPlate(const Palette& palette, const ShellArt& art, int state);

}  // namespace sorvane::artgen
