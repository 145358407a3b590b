// Everything the battle needs, painted and named as the archives hold it.
#pragma once

#include <QImage>

#include <string>
#include <vector>

#include "art_tables.h"
#include "data/archive/qda_writer.h"
#include "icon_library.h"

namespace sorvane::artgen {

inline constexpr int kBattlePictureCount = 187;  // "0.bmp" … "186.bmp"

struct PaintedPicture {
  std::string name;  // archive entry name
  QImage image;
};

struct PaintedArt {
  std::vector<PaintedPicture> bmp;  // bmp.qda, stored as 32-bit BMP with alpha
  std::vector<PaintedPicture> png;  // png.qda, stored as PNG
};

PaintedArt PaintAll(const ArtTables& tables, IconLibrary& icons);

std::vector<qda::ArchiveEntry> EncodeBmpEntries(const std::vector<PaintedPicture>& pictures);
std::vector<qda::ArchiveEntry> EncodePngEntries(const std::vector<PaintedPicture>& pictures);

// A debugging aid: every token, chip, portrait and interface picture on one
// sheet, so the whole style can be judged at a glance.
QImage PaintContactSheet(const PaintedArt& art, const ArtTables& tables);

}  // namespace sorvane::artgen
