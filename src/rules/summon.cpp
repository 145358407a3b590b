// Summoning and returning. A master calls one of its six creatures: the
// summon costs SP, takes a number of the side's phases that depends on the
// summoning method, the weather, the terrain and the abilities around, and is
// limited by a capacity the whole team shares. The phase cycle completes
// summons in progress; kikanA sends a creature back to its master's hand.
#include "data/ability_ids.h"
#include "data/saturating.h"
#include "data/terrain.h"
#include "rules/battle.h"

namespace sorvane {

namespace {

constexpr int kWindGod = 14;     // 風神
constexpr int kThunderGod = 85;  // 雷神

constexpr i32 kTeamCapacity = 5;
constexpr int kCreatureSlots = 6;

// Animations of a summon (KAnime kinds).

bool validIndex(const Tsyori& s, int i) { return i >= 0 && i <= s.lastUnit && i < kUnitCount; }

bool onFieldOrComing(const Tkst& u) { return u.State == OnField || u.State == BeingSummoned; }

// Number of on-field units holding `ability` that serve `master`.
int helpersOf(const Battle& b, int master, int ability) {
  int n = 0;
  for (int i = 0; i <= b.s.lastUnit; ++i) {
    const Tkst& u = b.d.k[i];
    if (u.State == OnField && u.Master == master && b.has(u, ability)) ++n;
  }
  return n;
}

// The summon time before the method's adjustment, without the sacrifice and
// the destination cell: the part the menu and summonA share.
i32 baseTime(const Battle& b, int master, int creature, i32 t, bool withDestination) {
  const Tsyori& s = b.s;
  const Tkst& m = b.d.k[master];
  const Tkst& c = b.d.k[creature];

  // A chanting master calls a creature faster where its element is strong.
  if (m.SH == Chant && c.Elem >= Fire && c.Elem <= Water) {
    if (c.Elem == s.weather) --t;
    if (withDestination && c.Elem == terrainElement(s.terrain[s.sumX][s.sumY])) --t;
    for (int i = 0; i <= s.lastUnit; ++i) {
      const Tkst& u = b.d.k[i];
      if (u.State == OnField && u.Kind == KindCreature && u.Team == m.Team && u.Elem == c.Elem) --t;
    }
  }
  t -= helpersOf(b, master, ability::SpiritCall);
  if (b.has(m, ability::RabbitHole)) --t;
  if (b.has(m, ability::QuickSummon)) --t;

  if (c.Type == kWindGod && helpersOf(b, master, ability::WindCall) > 0) t = 0;
  if (c.Type == kThunderGod && helpersOf(b, master, ability::ThunderCall) > 0) t = 0;
  if (helpersOf(b, master, ability::BeastMother) > 0) t = 0;
  return t;
}

i32 byMethod(i32 method, i32 t) {
  switch (method) {
    case MagicStone: return t - 2;
    case MagicCircle: return (t + 1) / 2;
    default: return t;  // chant and sacrifice
  }
}

// SumK of the team's creatures on the field or being summoned.
i32 capacityInUse(const Battle& b, i32 team) {
  i32 used = 0;
  for (int i = 0; i <= b.s.lastUnit; ++i) {
    const Tkst& u = b.d.k[i];
    if (u.Kind == KindCreature && u.Team == team && onFieldOrComing(u)) used += u.SumK;
  }
  return used;
}

bool typeAlreadyOut(const Battle& b, i32 team, i32 type) {
  for (int i = 0; i <= b.s.lastUnit; ++i) {
    const Tkst& u = b.d.k[i];
    if (u.Team == team && u.Type == type && onFieldOrComing(u)) return true;
  }
  return false;
}

bool masterMaySummon(const Tkst& m) { return m.SummonN >= 1 && m.SummonSeal <= 0 && m.Sleep <= 0 && m.Stone <= 0; }

}  // namespace

i32 Battle::summonCost(int master, int creature) const {
  i32 cost = d.k[creature].SumC;
  cost -= helpersOf(*this, master, ability::SpiritWelcome);
  for (int n = helpersOf(*this, master, ability::BeastMother); n > 0; --n) cost /= 3;
  return cost;
}

SummonPrediction Battle::predictSummon(int master, int slot) const {
  SummonPrediction p;
  if (!validIndex(s, master) || slot < 1 || slot > kCreatureSlots || !validIndex(s, master + slot)) return p;
  const int creature = master + slot;
  const Tkst& m = d.k[master];
  const Tkst& c = d.k[creature];

  const i32 time = byMethod(m.SH, baseTime(*this, master, creature, c.SumT, false));
  const i32 cost = summonCost(master, creature);
  p.time = time < 0 ? 0 : time;
  p.cost = cost < 0 ? 0 : cost;

  p.allowed = c.Type != 0 && c.State == Waiting && p.cost < m.SP &&
              capacityInUse(*this, m.Team) + c.SumK <= kTeamCapacity && !typeAlreadyOut(*this, m.Team, c.Type) &&
              masterMaySummon(m);
  return p;
}

void Battle::summonA() {
  const int master = s.selUnit;
  const int creature = s.sumUnit;
  if (!validIndex(s, master) || !validIndex(s, creature)) return;
  if (s.sumX < 0 || s.sumX > s.maxX || s.sumY < 0 || s.sumY > s.maxY) return;
  Tkst& m = d.k[master];
  Tkst& c = d.k[creature];
  // The menu and the AI only offer a waiting creature and an empty cell.
  if (c.Type == 0 || c.State != Waiting || s.unitAt[s.sumX][s.sumY] != -1) return;

  if (m.Team == 1) addClamped(d.records.recSummons, 1);

  // The price is the one the menu showed: it is settled before the sacrifice
  // or the arrival can change the helpers around the master, and paid before
  // a sacrificed creature hands its SP back, so that gain is not lost to the
  // master's maximum.
  const i32 cost = summonCost(master, creature);
  if (cost > 0) m.SP -= cost;

  i32 t = c.SumT;

  // Only an own creature or familiar on the field can be offered; a stale
  // choice from an earlier summon is never taken.
  const int offered = s.sacrifice;
  s.sacrifice = -1;
  if (m.SH == Sacrifice && validIndex(s, offered) && offered != creature) {
    const Tkst& victim = d.k[offered];
    if (victim.State == OnField && victim.Team == m.Team &&
        (victim.Kind == KindCreature || victim.Kind == KindFamiliar)) {
      // Read before the death: a familiar's slot is cleared by it.
      const i32 victimTime = victim.SumT;
      view->MapPaint();
      KAnime(offered, CellAnim::Death);
      t -= 3 * victimTime;
    }
  }

  s.unitAt[s.sumX][s.sumY] = creature;
  KAnime(creature, CellAnim::SummonStarts);

  t = byMethod(m.SH, baseTime(*this, master, creature, t, true));

  c.SumTC = t;
  if (c.SumTC < 1) {
    c.SumTC = 0;
    KAnime(creature, CellAnim::Summoned);
  }

  --m.SummonN;
  setHosei();
  view->sidePanels();
  view->unitPanel(master);
  view->MapPaint();
  view->miniMapPaint();
}

void Battle::kikanA() {
  const int u = s.selUnit;
  if (!validIndex(s, u)) return;
  Tkst& c = d.k[u];
  if (c.State != OnField) return;  // only a unit on the field can go back

  if (c.Team == 1) addClamped(d.records.recReturns, 1);

  c.AtkB = c.DefB = c.MagB = c.MovB = 0;
  c.CritB = c.HitB = c.EvaB = c.ProcB = 0;
  c.HealRes = 0;
  for (int i = 0; i < kStatusCount; ++i) c.status(i) = 0;
  c.SumTC = 0;

  KAnime(u, CellAnim::Vanish);

  setHosei();
  view->unitPanel(u);
}

}  // namespace sorvane
