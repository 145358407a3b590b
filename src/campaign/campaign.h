// The campaign-wide values that outlive a battle and belong to the player
// rather than to the game state: battle points and the chosen save slot.
#pragma once

#include "data/types.h"

namespace sorvane {

struct Campaign {
  i32 BP = 0;           // battle points, 0..999
  i32 currentSlot = 0;  // save slot chosen on the preparation screen
};

}  // namespace sorvane
