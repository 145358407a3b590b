// How a unit dies and how every death recomputes the battle result. The death
// animation (KAnime kind 0) finds the cell, shows "死亡" and the fade, then
// runs deathRule on the live records; it redraws and, for a fallen master
// whose ally fights on, sends its creatures away afterwards.
#include "data/saturating.h"
#include "rules/battle.h"

namespace sorvane {

namespace {

void clearBuffsAndStatuses(Tkst& u) {
  u.AtkB = u.DefB = u.MagB = u.MovB = 0;
  u.CritB = u.HitB = u.EvaB = u.ProcB = 0;
  u.HealRes = 0;
  for (int i = 0; i < kStatusCount; ++i) u.status(i) = 0;
}

void countDeath(RecordCounters& r, const Tkst& u) {
  const bool own = u.Team == 1;
  switch (u.Kind) {
    case KindMaster: addClamped(own ? r.recOwnMasterDeaths : r.recEnemyMasterDeaths, 1); break;
    case KindCreature: addClamped(own ? r.recOwnCreatureDeaths : r.recEnemyCreatureDeaths, 1); break;
    case KindFamiliar: addClamped(own ? r.recOwnFamiliarDeaths : r.recEnemyFamiliarDeaths, 1); break;
    default: break;
  }
}

}  // namespace

void Battle::deathRule(int u, int x, int y) {
  Tkst& v = d.k[u];
  if (v.HP < 0) v.HP = 0;
  clearBuffsAndStatuses(v);
  v.MoveN = v.SkillN = v.SummonN = 1;
  v.State = Dead;
  s.unitAt[x][y] = -1;

  // Death abilities may bring the unit back.
  abilitySI(u, x, y);

  if (v.Kind == KindFamiliar && v.State == Dead) s.SetK(u, 0, 0);
  setZokuseiti();

  countDeath(d.records, v);
  if (v.Team == 2 && v.Kind == KindCreature && v.Type > 0 && v.Type < kCollectable) d.defeated[v.Type] = 1;
  ++killCount;

  // A fallen creature hands a fifth of its SP (and one more) to its master.
  if (v.Kind == KindCreature && v.State == Dead && v.SP > 0 && v.Master >= 0 && v.Master < kUnitCount) {
    Tkst& m = d.k[v.Master];
    i32 gain = v.SP / 5 + 1;
    if (std::int64_t{m.SP} + gain > m.SPMax) gain = clampToI32(std::int64_t{m.SPMax} - m.SP);
    // A master already above its maximum (an [SP上昇] bonus) keeps what it has.
    if (gain < 0) gain = 0;
    LAnime(v.Master, gain, "SP");
    m.SP += gain;
  }

  updateBattleResult();
}

void Battle::updateBattleResult() {
  bool team1Master = false, team2Master = false;
  for (int i = 0; i <= s.lastUnit; ++i) {
    const Tkst& u = d.k[i];
    if (u.Kind != KindMaster || u.State != OnField) continue;
    if (u.Team == 1) team1Master = true;
    if (u.Team == 2) team2Master = true;
  }
  battleResult = Draw - (team1Master ? 2 : 0) - (team2Master ? 1 : 0);
}

void Battle::kill(int u) {
  Tkst& v = unit(u);
  if (v.HP < 0) v.HP = 0;
  if (v.SP < 0) v.SP = 0;
  KAnime(u, CellAnim::Death);
}

}  // namespace sorvane
