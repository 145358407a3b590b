// A small battlefield for rule tests: filled catalogues, an 18 x 14 map of
// plains, no units, a seeded generator and a presenter that records.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "campaign/campaign.h"
#include "rules/battle.h"
#include "rules/recording_presenter.h"

namespace sorvane::testing {

class BattleFixture : public ::testing::Test {
 protected:
  BattleFixture() : battle(state, presenter) {
    state.D->InitSkills();
    state.D->InitAbilities();
    state.D->InitCreatures();
    state.maxX = kMapW - 1;
    state.maxY = kMapH - 1;
    state.lastUnit = 31;
    state.weather = Sunny;
    fillGrid(state.terrain, i32{1});
    fillGrid(state.unitAt, i32{-1});
    fillGrid(state.unitAtW, i32{-1});
    state.rng.Seed(1);
    battle.phaseTeam = 1;
    battle.firstTeam = 1;
    battle.turn = 1;
  }

  // Unit i from catalogue entry `type` at level `lv`, on the field at (x, y),
  // with its learned skills in W (or `skills` when given) and its catalogue
  // abilities. Put a side's master before its other units: they copy its team.
  Tkst& put(int i, int type, int lv, int x, int y, std::initializer_list<i32> skills = {}) {
    Tdeta& d = *state.D;
    if (type > 0 && type < kCollectable) d.acquired[type] = 1;
    state.SetK(i, type, lv);
    Tkst& u = d.k[i];
    if (i <= 6) u.Lv = lv;  // the player's units take the catalogue's level; tests want theirs
    bool master = i % kSideSize == 0;
    if (i <= 6) {
      u.HPMax = (lv * d.creatures[type].HPg * 2) / 100 + (master ? lv : lv / 2);
      u.HP = u.HPMax;
      u.Atk = (lv * d.creatures[type].Atkg * 2) / 100;
      u.Def = (lv * d.creatures[type].Defg * 2) / 100;
      u.Mag = (lv * d.creatures[type].Magg * 2) / 100;
    }
    std::vector<i32> w(master ? 8 : 5, 0);
    std::size_t n = 0;
    if (skills.size() > 0) {
      for (i32 id : skills) w[n++] = id;
    } else {
      const Tcst& c = d.creatures[type];
      for (std::size_t k = 0; k < c.Sk.size() && n < w.size(); ++k)
        if (c.SkL[k]) w[n++] = c.Sk[k];
    }
    u.W = SharedArray<i32>(w);
    u.TN = {};
    const Tcst& c = d.creatures[type];
    std::size_t t = 0;
    for (std::size_t k = 0; k < c.Ab.size() && t < 4; ++k)
      if (c.AbL[k] == 0 || c.AbL[k] == 1) u.TN[t++] = c.Ab[k];
    u.TNS = d.buildTNS(u.TN);
    u.TU = c.TU;
    u.TUN = d.specials[c.TU].Uses;
    u.State = OnField;
    u.MoveN = u.SkillN = u.SummonN = u.SpecialN = u.Team == battle.phaseTeam ? 1 : 0;
    state.unitAt[x][y] = i;
    return u;
  }

  // Gives unit i exactly these passive abilities.
  void abilities(int i, std::initializer_list<i32> ids) {
    Tkst& u = state.D->k[i];
    u.TN = {};
    std::size_t t = 0;
    for (i32 id : ids) u.TN[t++] = id;
    u.TNS = state.D->buildTNS(u.TN);
  }

  Tkst& k(int i) { return state.D->k[i]; }

  Tsyori state;
  Campaign campaign;
  RecordingPresenter presenter;
  Battle battle;
};

}  // namespace sorvane::testing
