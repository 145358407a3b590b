#include "campaign/new_game.h"

namespace sorvane {

namespace {

constexpr i32 kStartingLevel = 10;
constexpr int kStartingCreatures[] = {25, 92};
constexpr i32 kExtraLevel = 50;
constexpr int kLastCircle = 6;

// What both set-ups leave behind: the story at `stage` between battles, no
// save slot chosen, the full battlefield, the first summoning method.
void preparationAt(Tsyori& s, Campaign& c, i32 stage) {
  s.D->k[kPlayerMaster].SH = MagicStone;
  s.storyStage = stage;
  s.storyBattle = 0;
  s.stageNo = -1;
  s.mapNo = -1;
  c.currentSlot = -1;
  s.maxX = kMapW - 1;
  s.maxY = kMapH - 1;
}

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

void AAA(Tsyori& s, Campaign& c) {
  Tdeta& d = *s.D;
  d.RefillCreaturesForNewGame();
  d.charOpen[0] = 1;
  for (int i = 1; i <= kLastCircle; ++i) s.SetK(i, 0, 0);
  d.acquired[0] = 1;
  for (int owned : kStartingCreatures) d.acquired[owned] = 1;
  s.SetK(1, kStartingCreatures[0], 0);
  s.SetK(2, kStartingCreatures[1], 0);
  // The master record takes the refilled entry's level too, so a new game
  // after a finished one does not start with the old master's stats.
  s.SetK(kPlayerMaster, s.D->k[kPlayerMaster].Type, 0);
  preparationAt(s, c, 0);
}

void UUU(Tsyori& s, Campaign& c) {
  Tdeta& d = *s.D;
  for (Tcst& entry : d.creatures) entry.Lv = kExtraLevel;
  d.charOpen[0] = 1;
  int job = 0;
  while (job < 6 && d.jobOpen[job] == 0) ++job;
  s.SetK(kPlayerMaster, masterEntry(0, job), 0);
  for (int i = 1; i <= kLastCircle; ++i) s.SetK(i, 0, 0);
  preparationAt(s, c, 50);
}

}  // namespace sorvane
