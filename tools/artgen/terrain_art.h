// Terrain pictures: the battlefield chips (60 × 60, tiling without seams), the
// minimap chips (9 × 9) and the terrain panel's pictures (360 × 480).
#pragma once

#include <QImage>

#include "art_tables.h"

namespace sorvane::artgen {

inline constexpr int kMiniCell = 9;

// The texture of one terrain as a square of `period` pixels that tiles with itself.
QImage PaintTerrainTile(const TerrainArt& terrain, int period);

QImage PaintTerrainChip(const TerrainArt& terrain);  // 60 × 60

QImage PaintMiniChip(const TerrainArt& terrain);  // 9 × 9, one colour with a little grain

// Minimap unit marks (images 14..19): `kind` 0 master, 1 creature, 2 familiar,
// on a transparent ground in the team's colour.
QImage PaintMiniUnit(const Palette& palette, int team, int kind);

QImage PaintTerrainPicture(const Palette& palette, const TerrainArt& terrain);  // 360 × 480

}  // namespace sorvane::artgen
