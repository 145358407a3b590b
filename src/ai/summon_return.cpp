// Summoning and returning. A master brings out each waiting creature that it
// can pay for, that is rested enough, that fits the team's capacity and that
// has no twin on the field, on the free cell nearest to (or farthest from) the
// enemy master. A creature goes back to its master's hand when it is worn out
// (SP, ailments, lowered stats) by more than it is needed on the field.
#include "ai/opponent.h"

namespace sorvane {

using namespace ai;

namespace {

// How full a creature's SP must be before it comes out, by the number of its
// master's creatures already out: at least SPMax x tenths / 10, or above floor.
struct Readiness {
  i32 tenths;
  i32 floor;
};
constexpr Readiness kReadiness[] = {
    {5, 9},   // none out
    {6, 12},  // one
    {7, 15},  // two
    {8, 18},  // three
    {9, 21},  // four or more
};

constexpr i32 kTeamCapacity = 5;
constexpr i32 kDefeatCreaturesStage = 3;  // victory condition: defeat the enemy creatures

}  // namespace

void Opponent::AICheck_C(int m) {
  if (m < 0 || m > s_.lastUnit || m % kSideSize != 0) return;
  Tkst& master = d_.k[m];
  if (master.SummonSeal >= 1 || master.Sleep > 0 || master.Stone > 0) return;

  b_.selectUnit(m);
  const Cell from{s_.selX, s_.selY};
  const Cell enemy = nearestEnemyMaster(b_, master.Team, from, Cell{-1, -1});

  for (int slot = 1; slot <= 6; ++slot) {
    const int c = m + slot;
    const Tkst& creature = d_.k[c];
    if (creature.Kind != KindCreature || creature.State != Waiting) continue;
    if (master.SummonN < 1) return;
    s_.sumUnit = c;
    if (creature.Type == 0) continue;

    i32 cost = creature.SumC;
    for (int i = 0; i <= s_.lastUnit; ++i)
      if (d_.k[i].State == OnField && d_.k[i].Master == m && b_.has(d_.k[i], ability::SpiritWelcome)) --cost;
    for (int i = 0; i <= s_.lastUnit; ++i)
      if (d_.k[i].State == OnField && d_.k[i].Master == m && b_.has(d_.k[i], ability::BeastMother)) cost /= 3;
    if (!(cost < master.SP) || b_.turn < creature.AI.SummonTurn) continue;

    int out = 0;
    for (int i = m + 1; i <= m + 6; ++i)
      if (d_.k[i].State == OnField || d_.k[i].State == BeingSummoned) ++out;
    const Readiness& ready = kReadiness[std::min(out, 4)];
    if (!(creature.SP >= creature.SPMax * ready.tenths / 10 || creature.SP > ready.floor)) continue;

    i32 capacity = creature.SumK;
    bool twin = false;
    for (int i = 0; i <= s_.lastUnit; ++i) {
      const Tkst& o = d_.k[i];
      if (o.Team != master.Team || (o.State != OnField && o.State != BeingSummoned)) continue;
      if (o.Kind == KindCreature) capacity += o.SumK;
      if (o.Type == creature.Type) twin = true;
    }
    if (capacity > kTeamCapacity || twin) continue;

    b_.selectUnit(m);
    b_.summonReach();
    bool offered = false;
    for (int x = 0; x <= s_.maxX && !offered; ++x)
      for (int y = 0; y <= s_.maxY && !offered; ++y) offered = !s_.reachPath[x][y].empty();
    if (!offered) return;

    // Placement: near the enemy master (or far from it), on the creature's
    // preferred axis; a guardian next to its master.
    auto& pv = s_.posValue;
    for (int x = 0; x <= s_.maxX; ++x)
      for (int y = 0; y <= s_.maxY; ++y) {
        const i32 dd = dist(x, y, enemy.x, enemy.y);
        pv[x][y] = creature.AI.SummonFar == 1 ? 1000 + 25 * dd : 1000 - 25 * dd;
        const i32 ax = std::abs(enemy.x - x), ay = std::abs(enemy.y - y);
        switch (creature.AI.Axis) {
          case 0: pv[x][y] -= std::abs(ax - ay); break;
          case 1: pv[x][y] += ax - ay; break;
          case 2: pv[x][y] += ay - ax; break;
          default: break;
        }
      }
    if (b_.has(creature, ability::Guardian)) {
      static constexpr int kSide[4][2] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
      for (const auto& step : kSide)
        if (onMap(s_, from.x + step[0], from.y + step[1])) pv[from.x + step[0]][from.y + step[1]] += 200;
    }
    i32 best = 0;
    bool chosen = false;
    for (int x = 0; x <= s_.maxX; ++x)
      for (int y = 0; y <= s_.maxY; ++y)
        if (!s_.reachPath[x][y].empty() && pv[x][y] > best) {
          best = pv[x][y];
          s_.sumX = x;
          s_.sumY = y;
          chosen = true;
        }
    if (!chosen) continue;

    RealAction real(s_);
    s_.sacrifice = -1;  // the computer never offers a sacrifice
    b_.summonA();
  }
}

void Opponent::AICheck_K(int c) {
  const Tkst& creature = d_.k[c];
  if (creature.Master < 0 || creature.Master >= kUnitCount) return;
  const Tkst& master = d_.k[creature.Master];
  const Tcst& cat = entryOf(d_, creature);
  const i32 h = (creature.SumC + 1) / 2;
  const i32 st = creature.SumT;

  // Why it should stay.
  i32 stay = (st + h) * 10;
  if (master.HP * 10 / 4 < master.HPMax) stay += st * 10;
  if (master.SP < creature.SumC) stay += h * 10;
  const Tkst& player = d_.k[0];
  if (player.HP * 10 / 4 < player.HPMax) stay += st * 5;
  Cell mc, pc;
  if (cellOf(b_, s_.unitAt, creature.Master, mc) && cellOf(b_, s_.unitAt, 0, pc) && dist(mc.x, mc.y, pc.x, pc.y) <= 9)
    stay += (st + h) * 5;

  // Why it should go back.
  i32 leave = 0;
  const i32 k0 = creature.W.empty() ? 0 : skillOf(d_, creature.W[0]).Cost;
  const i32 sp = creature.SP;
  if (sp <= 4 * k0) leave += (st + h) * 2;
  if (sp <= 3 * k0) leave += (st + h) * 2;
  if (sp <= 2 * k0) leave += (st + h) * 5;
  if (sp <= k0) leave += (st + h) * 9;

  if (creature.Poison > 0) leave += cat.HPg / 4;
  if (creature.Frostbite > 0) leave += creature.Frostbite;
  if (creature.Gravity > 0 && creature.Flight > 0) leave += 20;
  if (creature.Darkness > 0) leave += 4 * creature.Darkness + 5;
  if (creature.Paralysis > 0) leave += 6 * creature.Paralysis + 5;
  if (creature.Immobile > 0) leave += 8 * creature.Immobile;
  if (creature.SkillSeal > 0) leave += 22 * creature.SkillSeal;
  if (creature.Sleep > 0) leave += creature.Sleep + 20;
  if (creature.Stone > 0) leave += 25 * creature.Stone;
  if (creature.Curse == 3) leave += 400;
  if (creature.LockOn > 0) leave += 10;
  if (creature.Parasite > 0 && !b_.has(creature, ability::StatFixed) && !b_.has(creature, ability::FullResist))
    leave += 6 * creature.Parasite;

  auto statBuff = [&](i32 buff, i32 growth) {
    if (buff == 0) return;
    leave -= buff * growth / 125;
    if (buff < -50) leave -= buff * growth / 125;
  };
  statBuff(creature.AtkB, cat.Atkg);
  statBuff(creature.DefB, cat.Defg);
  statBuff(creature.MagB, cat.Magg);
  if (creature.MovB != 0 && -creature.MovB < creature.Mov) leave -= 5 * creature.MovB;
  if (creature.MovB < 0 && creature.Mov <= -creature.MovB) leave += 15 * creature.Mov;
  leave -= creature.CritB / 3;
  leave -= creature.HitB / 3;
  leave -= creature.EvaB;
  leave -= creature.ProcB / 3;

  if (creature.Spirit > 0) leave -= 100;
  if (creature.Flight > 0) leave -= 35;
  if (creature.HPHeal > 0) leave -= 4 * creature.HPHeal;
  if (creature.SPHeal > 0) leave -= 4 * creature.SPHeal;
  for (i32 shield : {creature.PhysShield, creature.SpecShield, creature.StatusShield})
    if (shield > 0) leave -= shield + 10;

  // Abilities it holds for good give back what the statuses above took.
  struct Lasting {
    int ability;
    i32 worth;
  };
  const Lasting lasting[] = {
      {ability::Flight, 35},           {ability::Spirit, 100},         {ability::AttackUp, cat.Atkg / 6},
      {ability::DefenseUp, cat.Defg / 6}, {ability::MagicUp, cat.Magg / 6}, {ability::MoveUp, 15},
      {ability::CriticalUp, 8},        {ability::HitUp, 8},            {ability::EvasionUp, 24},
      {ability::ProcRateUp, 8},        {ability::Satori, 48},          {ability::Concentration, 16},
  };
  if (!creature.TNS.empty())
    for (const Lasting& l : lasting)
      if (b_.has(creature, l.ability)) leave += l.worth;

  if (b_.has(creature, ability::TimeReversal) || b_.has(creature, ability::AutoFollow)) leave = 0;
  if (s_.winCondition == kDefeatCreaturesStage) leave = 0;

  if (stay < creature.AI.ReturnW * (leave - 12 * (creature.ZOC - 1)) / 5) {
    b_.selectUnit(c);
    RealAction real(s_);
    b_.kikanA();
  }
}

}  // namespace sorvane
