// The battle's pictures, read once from bmp.qda and png.qda beside the
// program: unit medallions and markers by number, terrain and minimap chips,
// the confirmation pictures; portraits and terrain pictures are read each
// time they are shown.
#pragma once

#include <array>
#include <map>
#include <string>

#include <QImage>

#include "data/terrain.h"

namespace sorvane {

class BattleArt {
 public:
  static constexpr int kBitmapCount = 187;
  static constexpr int kSpentMarker = 119;
  static constexpr int kTeam1Tint = 166, kTeam2Tint = 167;
  static constexpr int kMoveRing = 168, kThreatRing = 169;
  static constexpr int kMinimapMarks = 14;  // 14..16 team 1 master/creature/familiar, 17..19 team 2

  // Reads everything the battle page needs from `gameDir` (ends in a path
  // separator). Throws the archive reader's errors, whose text is the message
  // shown to the player.
  explicit BattleArt(std::string gameDir);

  const QImage& bitmap(int i) const;
  const QImage& chip(int terrain) const;
  const QImage& miniChip(int i) const;
  // "BFmi", "BFms", "BFmw", "BFmx", "BFmsi", "BFmsx", "BFmh", "BFmhx", "BFmk".
  const QImage& confirmation(const std::string& name) const;
  // The summoning circle of a unit: by its element, the kind by summoning method.
  const QImage& circle(i32 summonMethod, i32 element) const;

  QImage portrait(i32 picture) const;      // s<G>.png, 180 x 240
  QImage terrainPicture(i32 terrain) const;  // map<t>.png, 360 x 480

 private:
  QImage load(const std::string& archive, const std::string& entry) const;

  std::string dir_;
  std::array<QImage, kBitmapCount> bitmaps_;
  std::array<QImage, kTerrainCount> chips_;
  std::array<QImage, 20> miniChips_;
  std::map<std::string, QImage> confirmations_;
  QImage empty_;
};

}  // namespace sorvane
