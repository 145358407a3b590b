#include "app/damage_preview.h"

#include <algorithm>

#include "data/ability_ids.h"

namespace sorvane {

std::vector<TargetPreview> previewSkill(const Battle& live) {
  std::vector<TargetPreview> out;
  const Twst& sk = live.skill(live.s.selSkill);
  if (live.s.selSkill <= 0) return out;

  Tsyori state = live.s;  // a whole copy: the trial writes the working records and the grids
  Presenter silent;
  Battle b(state, silent);
  b.phaseTeam = live.phaseTeam;
  b.firstTeam = live.firstTeam;
  b.turn = live.turn;
  b.battleResult = live.battleResult;

  Simulation trial(state);
  state.copyToWork();
  b.curSkill = state.selSkill;
  b.curUser = state.selUnit;
  b.userX = state.selX;
  b.userY = state.selY;
  b.curTarget = -1;
  b.killCount = 0;
  {
    FlagScope<byte> onWorkingCopy(b.resolving, 1);
    b.skillA_s1();
  }

  const Tdeta& d = *state.D;
  for (int i = 0; i <= state.lastUnit && i < kUnitCount; ++i) {
    const Tkst& before = d.k[i];
    const Tkst& after = d.kw[i];
    const bool reached = b.trialOdds[i].hit >= 0;  // a target that will dodge is shown at 0%
    if (!reached && before.HP == after.HP && before.SP == after.SP && before.State == after.State) continue;
    if (i == state.selUnit && before.HP == after.HP && !reached) continue;  // the user's own SP is the cost, not an effect
    TargetPreview t;
    t.unit = i;
    t.hpBefore = before.HP;
    t.hpAfter = std::max<i32>(0, after.HP);
    t.spBefore = before.SP;
    t.spAfter = std::max<i32>(0, after.SP);
    t.dies = after.HP <= 0 || (before.State == OnField && after.State != OnField);
    // The odds are the ones the rules worked out on the trial; a unit changed
    // without a roll (the user's own effects) is certain.
    const Battle::Odds& odds = b.trialOdds[i];
    t.hitChance = odds.hit >= 0 ? odds.hit : 100;
    t.critChance = sk.Power > 0 && after.HP < before.HP && odds.crit >= 0 ? odds.crit : 0;
    out.push_back(t);
  }
  return out;
}

}  // namespace sorvane
