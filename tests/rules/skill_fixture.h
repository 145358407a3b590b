// Helpers for tests that resolve skills: a throwaway skill in an unused
// catalogue slot, units with plain numbers, and a use aimed at chosen cells.
#pragma once

#include <utility>

#include "battle_fixture.h"

namespace sorvane::testing {

inline constexpr int kTestSkill = 194;      // an id no list uses: each test writes its own skill there
inline constexpr int kPlainCreature = 12;  // エウリノーム: no innate abilities

class SkillFixture : public BattleFixture {
 protected:
  // A one-target skill that always hits and is never critical.
  Twst& testSkill(i32 power, i32 elem = None, i32 special = 0) {
    Twst& sk = state.D->skills[kTestSkill];
    sk = Twst{};
    sk.Name = "試し技";
    sk.Id = kTestSkill;
    sk.Elem = elem;
    sk.Special = special;
    sk.Power = power;
    sk.Hit = 100;
    sk.Range = 5;
    sk.Area = 1;
    sk.Cat = 1;
    return sk;
  }

  // A unit with plain numbers, no abilities, no buffs and no statuses.
  Tkst& plain(int i, int type, int x, int y, i32 lv = 20, i32 hp = 500) {
    Tkst& u = put(i, type, lv, x, y);
    abilities(i, {});
    u.Lv = lv;
    u.Elem = None;
    u.Atk = u.Def = u.Mag = 10;
    u.HPMax = u.HP = hp;
    u.SPMax = 50;
    u.SP = 30;
    u.AtkB = u.DefB = u.MagB = u.MovB = u.CritB = u.HitB = u.EvaB = u.ProcB = u.HealRes = 0;
    for (int s = 0; s < kStatusCount; ++s) u.status(s) = 0;
    return u;
  }

  // The area of the use: the first cell is its centre.
  void aim(std::initializer_list<std::pair<int, int>> cells) {
    for (auto& column : state.areaPath)
      for (auto& cell : column) cell.clear();
    bool centre = true;
    for (auto [x, y] : cells) {
      state.areaPath[x][y] = centre ? "0" : "1";
      centre = false;
    }
  }

  // `user` uses `skillId` on the cells given (the first one is the target cell).
  void use(int user, int skillId, std::initializer_list<std::pair<int, int>> cells) {
    state.selUnit = user;
    ASSERT_TRUE(battle.findCell(state.unitAt, user, state.selX, state.selY));
    state.selSkill = skillId;
    aim(cells);
    battle.skillA();
  }
};

}  // namespace sorvane::testing
