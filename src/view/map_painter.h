// Paints the 1080 x 840 battlefield picture from the game state: terrain,
// zones of control, units with their bars and spent-action markers, the
// reach of the command being chosen and the frames of chosen cells.
#pragma once

#include <QImage>
#include <QPainter>

#include "rules/battle.h"
#include "view/battle_art.h"
#include "view/board_marks.h"

namespace sorvane {

inline constexpr int kCell = 60;
inline constexpr int kFieldWidth = kMapW * kCell, kFieldHeight = kMapH * kCell;

// The whole picture, layer by layer.
void paintBattlefield(QPainter& p, const Battle& b, const BattleArt& art, const BoardMarks& marks);

// One unit's cell as the battlefield draws it (picture or circle, frame,
// markers, bars), at picture position (px, py).
void paintUnit(QPainter& p, const Battle& b, const BattleArt& art, const BoardMarks& marks, int u, int px, int py);

// HP and SP bars with their numbers; `dx` shifts them (the creature list draws them one pixel left).
void paintBars(QPainter& p, const Tkst& unit, int px, int py, int dx, QColor framePen);

// The four spent-action quarters of the marker picture.
void paintSpent(QPainter& p, const BattleArt& art, const Tkst& unit, int px, int py);

// Where the confirmation picture of a chosen cell goes: beside the cell,
// above it, or below it near the top edge.
QPoint confirmationPlace(int cellX, int cellY);

}  // namespace sorvane
