// A small battlefield for the opponent's tests: the rules' fixture (plains,
// no units, seeded generator, recording presenter) with an Opponent, and a
// way to put units that hold only what a test gives them.
#pragma once

#include <initializer_list>

#include "ai/opponent.h"
#include "rules/battle_fixture.h"

namespace sorvane::testing {

class AiFixture : public BattleFixture {
 protected:
  // Unit i of catalogue entry `type` on (x, y) with exactly these skills (none
  // when empty), no passive or usable ability, full SP of 50 and the AI defaults.
  Tkst& unit(int i, int type, int x, int y, std::initializer_list<i32> skills = {}, int lv = 20) {
    Tkst& u = skills.size() ? put(i, type, lv, x, y, skills) : put(i, type, lv, x, y, {0});
    abilities(i, {});
    u.TU = 0;
    u.TUN = 0;
    u.SP = u.SPMax = 50;
    return u;
  }
  const Tcst& cat(int type) const { return state.D->creatures[type]; }
  void clearValues() { fillGrid(state.posValue, i32{0}); }

  Opponent op{battle};
};

}  // namespace sorvane::testing
