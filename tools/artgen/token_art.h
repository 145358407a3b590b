// The 60 × 60 battle pictures: unit medallions and the battlefield markers.
// All are ARGB32_Premultiplied on a transparent ground.
#pragma once

#include <QImage>

#include "art_tables.h"
#include "icon_library.h"

namespace sorvane::artgen {

inline constexpr int kCell = 60;

// A round medallion: the silhouette in cream over a disc in the element's
// colour, with a rim that tells creatures, familiars and masters apart.
QImage PaintUnitToken(IconLibrary& icons, const Palette& palette, const UnitArt& unit);

// An empty medallion for picture numbers no unit uses.
QImage PaintPlaceholderToken(const Palette& palette);

// Picture 119: one spent-action badge in each 30 × 30 quarter
// (move, skill, summon, usable ability).
QImage PaintSpentMarkers(IconLibrary& icons, const Palette& palette, const ArtTables& tables);

// Pictures 130 + elem (`byCircle` false: stone or chant) and 137 + elem (true: circle or sacrifice).
QImage PaintSummoningCircle(IconLibrary& icons, const Palette& palette, const ArtTables& tables, int elem,
                            bool byCircle);

// Pictures 166..169: a cell-sized wash of one colour with a firmer edge.
QImage PaintCellWash(const QColor& colour);

}  // namespace sorvane::artgen
