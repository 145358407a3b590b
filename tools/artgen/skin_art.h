// The skins of the shell pages, drawn as nine-slice pictures: each corner is
// a third of the picture's width and height and keeps its pixels, the edges
// and the middle stretch, so one small picture frames a panel or a button of
// any size. Slate faces with the gold and bronze edges of the battle art.
#pragma once

#include <QImage>

#include "art_tables.h"

namespace sorvane::artgen {

QImage PaintPanelSkin(const Palette& palette, const ShellArt& art);  // look rest, lit, or frame (plain corners)
// Look rest, hover, pressed, disabled, checked, or focus (the ring of the control that has the keys).
QImage PaintButtonSkin(const Palette& palette, const ShellArt& art);
QImage PaintWellSkin(const Palette& palette, const ShellArt& art);  // the sunken frame of lists and text boxes

// Not a skin: a small picture drawn as it is, the choices' drop-down arrow.
QImage PaintGlyph(const Palette& palette, const ShellArt& art);

}  // namespace sorvane::artgen
