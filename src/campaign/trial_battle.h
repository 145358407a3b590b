// A battle of the campaign played by the computer on both sides, its battle
// end included, with the player's progress put back afterwards: the same
// call gives the same battle again. The lab's `battle`, the AI tests and the
// benchmarks use it.
#pragma once

#include "ai/auto_battle.h"
#include "campaign/campaign.h"

namespace sorvane {

AutoBattle playTrialBattle(Battle& b, Campaign& c, i32 stage, std::uint32_t seed, i32 maxTurns);

}  // namespace sorvane
