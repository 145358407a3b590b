// The campaign-wide values that outlive a battle and belong to the player
// rather than to the game state: battle points, the chosen save slot and the
// settings.
#pragma once

#include "campaign/settings.h"
#include "data/types.h"

namespace sorvane {

struct Campaign {
  i32 BP = 0;           // battle points, 0..999
  i32 currentSlot = 0;  // save slot chosen on the preparation screen
  Settings settings;    // config.ini [config]
};

}  // namespace sorvane
