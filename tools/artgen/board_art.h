// The preparation page's board (360 × 480): the ground, the great circle that
// binds the six summoning circles, the star through them and the ring round
// the master, in a gold frame. The page lays the circles and medallions over
// it at the places the board art is drawn for.
#pragma once

#include <QImage>

#include "art_tables.h"

namespace sorvane::artgen {

// `ground`: the terrain the board lies on (plain for the campaign, ash for the extra stages).
QImage PaintPreparationBoard(const Palette& palette, const ShellArt& art, const TerrainArt& ground);

}  // namespace sorvane::artgen
