#include "campaign/trial_battle.h"

#include "campaign/progress.h"

namespace sorvane {

AutoBattle playTrialBattle(Battle& b, Campaign& c, i32 stage, std::uint32_t seed, i32 maxTurns) {
  const ProgressSnapshot progress = ProgressSnapshot::take(b.s, c);
  const AutoBattle run = playAutoBattle(b, stage, seed, maxTurns, [&c](Battle& battle) { c.finishBattle(battle); });
  progress.restore(b.s, c);
  return run;
}

}  // namespace sorvane
