#include "campaign/new_game.h"

namespace sorvane {

namespace {

constexpr i32 kStartingLevel = 10;
constexpr int kStartingCreatures[] = {25, 92};

}  // namespace

void SetUpNewGame(Tsyori& s) {
  Tsyori fresh;
  fresh.rng = s.rng;
  fresh.gameDir = s.gameDir;
  fresh.maxX = kMapW - 1;
  fresh.maxY = kMapH - 1;
  fillGrid(fresh.unitAt, i32{-1});
  fillGrid(fresh.unitAtW, i32{-1});
  Tdeta& d = *fresh.D;
  d.InitSkills();
  d.InitAbilities();
  d.InitCreatures();
  for (Tcst& entry : d.creatures) entry.Lv = kStartingLevel;
  d.acquired[0] = 1;  // the empty slot
  for (int owned : kStartingCreatures) d.acquired[owned] = 1;
  d.charOpen[0] = 1;
  fresh.SetK(kPlayerMaster, kFirstMaster, 0);
  fresh.stageNo = -1;
  fresh.mapNo = -1;
  s = fresh;
}

}  // namespace sorvane
