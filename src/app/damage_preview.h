// What a skill would do, shown while the player confirms it: for every unit
// it would touch, the HP and SP after the use when every hit lands without a
// critical, the chance to hit and the chance of a critical. The engine works
// it out on a copy of the game in its trial mode, which draws no random
// numbers and shows nothing; the game itself is not touched.
#pragma once

#include <vector>

#include "rules/battle.h"

namespace sorvane {

struct TargetPreview {
  int unit = -1;
  i32 hpBefore = 0, hpAfter = 0;
  i32 spBefore = 0, spAfter = 0;
  int hitChance = 100;   // percent, for every hit
  int critChance = 0;    // percent; a critical deals half as much again
  bool dies = false;
};

// The selected unit's selected skill on the chosen target (selUnit, selSkill,
// the area of skillArea). Empty for skills that touch no unit's HP or SP.
std::vector<TargetPreview> previewSkill(const Battle& live);

}  // namespace sorvane
