// How long the floods the opponent runs for every candidate take: movement
// reach (as shown and as the AI's long path search), skill range and area,
// summoning reach, and the effective-stat pass that follows every trial.
#include <benchmark/benchmark.h>

#include "campaign/campaign.h"
#include "rules/battle.h"

namespace {

using namespace sorvane;

// A battlefield of mixed ground with sixteen units a side.
struct Field {
  Tsyori s;
  Campaign campaign;
  Presenter presenter;
  Battle battle{s, presenter};

  Field() {
    s.D->InitSkills();
    s.D->InitAbilities();
    s.D->InitCreatures();
    s.maxX = kMapW - 1;
    s.maxY = kMapH - 1;
    s.lastUnit = 31;
    s.weather = Sunny;
    for (int x = 0; x < kMapW; ++x)
      for (int y = 0; y < kMapH; ++y) s.terrain[x][y] = (x * 7 + y * 3) % 11 == 0 ? 7 : (x + y) % 13 == 0 ? 9 : 1;
    fillGrid(s.unitAt, i32{-1});
    for (int i = 0; i < 32; ++i) {
      Tkst& u = s.D->k[i];
      u.Type = 25;
      u.Team = i < 16 ? 1 : 2;
      u.Kind = i % 16 == 0 ? KindMaster : KindCreature;
      u.Master = i - i % 16;
      u.State = OnField;
      u.Elem = i % 7;
      u.Mov = 5;
      u.ZOC = 1;
      u.HP = u.HPMax = 50;
      u.TN = {i % 3 == 0 ? 7 : 0, i % 5 == 0 ? 48 : 0, 0, 0};
      u.TNS = s.D->buildTNS(u.TN);
      // team 1 on the left, team 2 on the right, a few columns apart
      const int x = i < 16 ? 1 + (i % 4) : 13 + (i % 4);
      s.unitAt[x][(i % 16) / 4 * 3 + 1] = i;
    }
  }
};

void BM_MoveReachShown(benchmark::State& st) {
  Field f;
  f.s.D->k[1].Mov = int(st.range(0));
  f.battle.selectUnit(1);
  for (auto _ : st) {
    f.battle.moveReach();
    benchmark::DoNotOptimize(f.s.reachLeft[9][7]);
  }
}
BENCHMARK(BM_MoveReachShown)->Arg(3)->Arg(6)->Arg(10);

// The AI's path search: reachMode up to 18 points and 18 steps, on open ground.
void BM_MoveReachSearch(benchmark::State& st) {
  Field f;
  for (int x = 0; x < kMapW; ++x)
    for (int y = 0; y < kMapH; ++y) f.s.terrain[x][y] = 1;
  f.s.reachMode = int(st.range(0));
  f.battle.selectUnit(1);
  for (auto _ : st) {
    f.battle.moveReach();
    benchmark::DoNotOptimize(f.s.reachLeft[9][7]);
  }
}
BENCHMARK(BM_MoveReachSearch)->Arg(10)->Arg(14)->Arg(18);

void BM_SkillReach(benchmark::State& st) {
  Field f;
  Twst& w = f.s.D->skills[1];
  w.Range = int(st.range(0));
  w.Line = int(st.range(1));
  f.s.selSkill = 1;
  f.battle.selectUnit(5);
  for (auto _ : st) {
    f.battle.skillReach();
    benchmark::DoNotOptimize(f.s.reachLeft[9][7]);
  }
}
BENCHMARK(BM_SkillReach)->Args({1, 0})->Args({4, 0})->Args({6, 0})->Args({4, 2})->Args({4, 1});

void BM_SkillArea(benchmark::State& st) {
  Field f;
  Twst& w = f.s.D->skills[1];
  w.Area = int(st.range(0));
  f.s.selSkill = 1;
  f.battle.selectUnit(5);
  f.s.tgtX = 8;
  f.s.tgtY = 7;
  for (auto _ : st) {
    f.battle.skillArea();
    benchmark::DoNotOptimize(f.s.reachLeft[8][7]);
  }
}
BENCHMARK(BM_SkillArea)->Arg(1)->Arg(3)->Arg(5);

void BM_SummonReach(benchmark::State& st) {
  Field f;
  f.battle.selectUnit(0);
  for (auto _ : st) {
    f.battle.summonReach();
    benchmark::DoNotOptimize(f.s.reachLeft[9][7]);
  }
}
BENCHMARK(BM_SummonReach);

void BM_SetHosei(benchmark::State& st) {
  Field f;
  for (auto _ : st) {
    f.battle.setHosei();
    benchmark::DoNotOptimize(f.s.D->k[5].AtkP);
  }
}
BENCHMARK(BM_SetHosei);

}  // namespace
