// The two picture files the archives hold.
#pragma once

#include <QImage>

#include "data/archive/qda.h"

namespace sorvane::artgen {

// A 32-bit BMP with straight (not premultiplied) alpha: a BITMAPV4 header with
// BI_BITFIELDS masks, alpha in the top byte, rows bottom-up. QImage reads it
// back as ARGB32 with the same alpha; a reader that ignores the alpha mask
// still sees the right colours.
qda::Bytes EncodeBmp32(const QImage& image);

// A PNG (no time stamp or text chunks, so the bytes depend only on the pixels);
// RGB without alpha when every pixel is opaque.
qda::Bytes EncodePng(const QImage& image);

}  // namespace sorvane::artgen
