// The effective-stat pass (setHosei), the acting unit's selection, and the
// formula that turns a base value and its percentages into the value a fight
// uses.
//
// setHosei rebuilds every passive modifier from nothing, so it may run as
// often as anyone likes: after each action, when a menu or panel opens, and
// inside the opponent's trials. It reads and writes the live records only.
#include <array>

#include "data/saturating.h"
#include "data/terrain.h"
#include "data/ability_ids.h"
#include "rules/battle.h"

namespace sorvane {

namespace {

// Creature types the abilities single out.
constexpr i32 kDryad = 52, kOread = 65, kNaiad = 93;

// What standing on a terrain does to a unit of one element (percent).
struct TerrainBonus {
  i32 element;
  i32 terrain;
  i32 atk, def, mag, proc;
};

// clang-format off
constexpr TerrainBonus kTerrainBonuses[] = {
    // element  terrain        atk  def  mag proc
    {Fire,     2 /*焼野原*/,    10,  10,  10,  0},
    {Fire,     3 /*マグマ*/,     25,  15,  15,  0},
    {Fire,    12 /*川*/,        -5,  -5,  -5,  0},
    {Fire,    13 /*海*/,       -10, -10, -10,  0},
    {Ice,      4 /*氷*/,        10,  10,  10,  0},
    {Ice,      5 /*雪原*/,      15,  15,  15, 20},
    {Ice,      2 /*焼野原*/,    -5,  -5,  -5,  0},
    {Ice,      3 /*マグマ*/,    -10, -10, -10,  0},
    {Wood,     6 /*草原*/,      10,  10,  10,  0},
    {Wood,     7 /*森*/,        15,  15,  15,  0},
    {Wood,     4 /*氷*/,        -5,  -5,  -5,  0},
    {Wood,     5 /*雪原*/,     -10, -10, -10,  0},
    {Earth,    8 /*砂地*/,      10,  10,  10,  0},
    {Earth,    9 /*岩山*/,      15,  25,  15,  0},
    {Earth,    6 /*草原*/,      -5,  -5,  -5,  0},
    {Earth,    7 /*森*/,       -10, -10, -10,  0},
    {Thunder, 10 /*鉱床*/,      10,  10,  10,  0},
    {Thunder, 11 /*クリスタル*/, 10,  10,  10,  0},
    {Thunder,  8 /*砂地*/,      -5,  -5,  -5,  0},
    {Thunder,  9 /*岩山*/,     -10, -10, -10,  0},
    {Water,   12 /*川*/,        10,  10,  10,  0},
    {Water,   13 /*海*/,        15,  15,  25,  0},
    {Water,   10 /*鉱床*/,      -5,  -5,  -5,  0},
    {Water,   11 /*クリスタル*/,-10, -10, -10,  0},
};

// Weather that favours a unit's element (weather code = element code).
struct WeatherBonus {
  i32 weather;
  i32 atk, def, mag, mov, hit, crit;
};
constexpr WeatherBonus kWeatherBonuses[] = {
    // weather        atk def mag mov hit crit
    {HeatWave,        10, 20, 10,  0,  0,  0},
    {Blizzard,        10, 10, 10,  0,  0,  0},
    {Clear,           10, 10, 10,  1,  0,  0},
    {SandStorm,       10, 10, 20,  0,  0,  0},
    {Thunderstorm,    10, 10, 10,  0, 20,  0},
    {Rain,            10, 10, 10,  0,  0, 20},
};

// The own team's element field and what it gives a unit of the field's element.
struct OwnFieldBonus {
  i32 field;
  i32 element;
  i32 atk, def, mag, mov, proc;
};
constexpr OwnFieldBonus kOwnFieldBonuses[] = {
    // field     element  atk  def  mag mov proc
    { 3 /*炎3*/, Fire,     10,   0,   0,  0,  0},
    { 6 /*氷3*/, Ice,       0,   0,   0,  0, 30},
    { 7 /*氷4*/, Ice,       0,   0,   0,  0, 30},
    { 8 /*氷5*/, Ice,       0,   0,   0,  0, 30},
    {12 /*地3*/, Earth,     0,  10,   0,  0,  0},
    {13 /*地4*/, Earth,    20,  20,   0,  0,  0},
    {14 /*地5*/, Earth,    35,  35,   0,  0,  0},
    {15 /*雷3*/, Thunder,   0,   0,   0,  1,  0},
    {16 /*雷4*/, Thunder,   0,   0,   0, -1,  0},
    {17 /*雷5*/, Thunder, -10, -10, -10, -1,  0},
    {18 /*水3*/, Water,     0,   0,  10,  0,  0},
    {19 /*水4*/, Water,     0,   0,  20,  0,  0},
    {20 /*水5*/, Water,     0,   0,  35,  0,  0},
};
// clang-format on

void addEach(Tkst& u, i32 pct) {
  u.AtkP += pct;
  u.DefP += pct;
  u.MagP += pct;
}

void clearPassives(Tkst& u) {
  u.AtkP = u.DefP = u.MagP = u.MovP = 0;
  u.CritP = u.HitP = u.EvaP = u.ProcP = 0;
}

void clearBuffs(Tkst& u) {
  u.AtkB = u.DefB = u.MagB = u.MovB = 0;
  u.CritB = u.HitB = u.EvaB = u.ProcB = 0;
}

bool anyAilment(const Tkst& u) {
  for (int i = 0; i < kAilmentCount; ++i)
    if (u.status(i) >= 1) return true;
  return false;
}

}  // namespace

i32 Battle::effective(i32 base, i32 buff, i32 passive) {
  std::int64_t pct = std::int64_t{buff} + passive;
  if (pct < -75) pct = -75;
  const i32 value = clampToI32(base + base * pct / 100);
  return value < 1 ? 1 : value;
}

void Battle::selectUnit(int u) {
  s.selUnit = u;
  for (int x = 0; x <= s.maxX; ++x)
    for (int y = 0; y <= s.maxY; ++y)
      if (s.unitAt[x][y] == u) {
        s.selX = x;
        s.selY = y;
      }
}

void Battle::setHosei() {
  auto& k = d.k;
  const int last = s.lastUnit < kUnitCount ? s.lastUnit : kUnitCount - 1;
  auto ownField = [&](const Tkst& u) { return u.Team == 1 ? s.zokuseiti1 : s.zokuseiti2; };
  auto otherField = [&](const Tkst& u) { return u.Team == 1 ? s.zokuseiti2 : s.zokuseiti1; };
  auto allies = [&](const Tkst& u, auto&& apply) {
    for (int j = 0; j <= last; ++j)
      if (onField(k[j]) && k[j].Team == u.Team) apply(k[j]);
  };
  auto enemies = [&](const Tkst& u, auto&& apply) {
    for (int j = 0; j <= last; ++j)
      if (onField(k[j]) && k[j].Team != u.Team) apply(k[j]);
  };

  // Pass 1: start from nothing; [エアフュージョン] takes the weather's element.
  for (int i = 0; i <= last; ++i) {
    Tkst& u = k[i];
    clearPassives(u);
    if (has(u, ability::AirFusion) && onField(u) && ownField(u) == 0) u.Elem = s.weather == Sunny ? 0 : s.weather;
  }

  // Pass 2: the ground under each unit.
  for (int x = 0; x <= s.maxX; ++x)
    for (int y = 0; y <= s.maxY; ++y) {
      const i32 i = s.unitAt[x][y];
      if (i < 0 || i >= kUnitCount || !onField(k[i])) continue;
      Tkst& u = k[i];
      const i32 code = s.terrain[x][y];
      if (has(u, ability::SoilFusion) && ownField(u) == 0) u.Elem = terrainElement(code);
      for (const TerrainBonus& b : kTerrainBonuses)
        if (b.element == u.Elem && b.terrain == code) {
          u.AtkP += b.atk;
          u.DefP += b.def;
          u.MagP += b.mag;
          u.ProcP += b.proc;
        }
    }

  // Pass 3: weather, element fields, passive abilities.
  const bool fieldsActive = s.zokuseiti1 != 0 || s.zokuseiti2 != 0;
  for (int i = 0; i <= last; ++i) {
    Tkst& u = k[i];
    if (!onField(u)) continue;

    if (s.weather == u.Elem)
      for (const WeatherBonus& b : kWeatherBonuses)
        if (b.weather == s.weather) {
          u.AtkP += b.atk;
          u.DefP += b.def;
          u.MagP += b.mag;
          u.MovP += b.mov;
          u.HitP += b.hit;
          u.CritP += b.crit;
        }

    if (fieldsActive) {
      for (const OwnFieldBonus& b : kOwnFieldBonuses)
        if (b.field == ownField(u) && b.element == u.Elem) {
          u.AtkP += b.atk;
          u.DefP += b.def;
          u.MagP += b.mag;
          u.MovP += b.mov;
          u.ProcP += b.proc;
        }
      switch (otherField(u)) {
        case 7: addEach(u, -10); break;   // 氷4
        case 8: addEach(u, -15); u.MovP -= 1; break;  // 氷5
        case 14: u.Gravity = 1; break;    // 地5
        default: break;
      }
    }

    if (u.TNS.empty()) continue;
    for (i32 e = Fire; e <= Water; ++e)
      if (has(u, ability::FireBlessing + e - Fire))
        allies(u, [&](Tkst& a) { if (a.Elem == e) addEach(a, 5); });
    if (has(u, ability::AllyStatsUp)) allies(u, [](Tkst& a) { addEach(a, 10); });
    if (has(u, ability::UndeadBoost))
      allies(u, [](Tkst& a) {
        if (isUndead(a.Type)) { addEach(a, 50); a.MovP += 1; }
      });
    if (has(u, ability::UndeadBane))
      enemies(u, [](Tkst& a) {
        if (isUndead(a.Type)) { addEach(a, -25); a.MovP -= 1; }
      });
    if (has(u, ability::ForestNymph)) allies(u, [](Tkst& a) { if (a.Type == kOread || a.Type == kNaiad) addEach(a, 20); });
    if (has(u, ability::MountainNymph)) allies(u, [](Tkst& a) { if (a.Type == kDryad || a.Type == kNaiad) addEach(a, 20); });
    if (has(u, ability::SpringNymph)) allies(u, [](Tkst& a) { if (a.Type == kDryad || a.Type == kOread) addEach(a, 20); });
    if (has(u, ability::NymphBlessing) && u.Type == kNaiad) {
      // Once for every (ドリュアス, オレイアス) pair on the side.
      allies(u, [&](Tkst& dryad) {
        if (dryad.Type != kDryad) return;
        allies(u, [&](Tkst& oread) {
          if (oread.Type != kOread) return;
          allies(u, [](Tkst& a) { addEach(a, 35); a.MovP += 2; });
        });
      });
    }
    if (u.Master >= 0 && u.Master < kUnitCount) {
      Tkst& master = k[u.Master];
      if (has(u, ability::MasterHitUp)) master.HitP += 25;
      if (has(u, ability::MasterStatsUp)) { addEach(master, 30); master.MovP += 1; }
    }
    if (has(u, ability::Limiter)) u.SkillSeal = 2;
    if (has(u, ability::Rooted)) u.Immobile = 2;
    if (has(u, ability::Binding)) { addEach(u, -25); u.MovP -= 2; }
    if (has(u, ability::LightBinding)) { addEach(u, -35); u.MovP -= 3; }
    if (has(u, ability::NearDeathAttackUp) && u.HP * 4 < u.HPMax) u.AtkP += 40;
    if (has(u, ability::NearDeathDefenseUp) && u.HP * 4 < u.HPMax) u.DefP += 40;
    if (has(u, ability::AntiGravity)) u.Flight = 1;
    if (has(u, ability::AutoFollow)) u.Immobile = 2;
    if (has(u, ability::DesperateFervor)) {
      int ownCreatures = 0, otherCreatures = 0;
      for (int j = 0; j <= last; ++j)
        if (onField(k[j]) && k[j].Kind == KindCreature) (k[j].Team == u.Team ? ownCreatures : otherCreatures)++;
      if (u.HP * 4 <= u.HPMax && ownCreatures < otherCreatures) {
        u.AtkP += 60;
        u.DefP += 60;
        u.MovP += 3;
        u.HitP += 30;
        u.EvaP += 30;
      } else {
        u.AtkP -= 20;
        u.DefP -= 20;
      }
    }
    if (has(u, ability::Destiny)) {
      u.CritP += 100;
      u.HitP += 100;
      u.ProcP += 100;
    }
  }

  // Pass 4: immunities, then the bonuses and penalties that statuses bring.
  for (int i = 0; i <= last; ++i) {
    Tkst& u = k[i];
    if (!onField(u)) continue;
    if (u.Kind == KindMaster) u.Curse = 0;
    if (!u.TNS.empty()) {
      if (has(u, ability::PoisonResist)) u.Poison = 0;
      if (has(u, ability::FrostResist)) u.Frostbite = 0;
      if (has(u, ability::GravityResist)) u.Gravity = 0;
      if (has(u, ability::DarknessResist)) u.Darkness = 0;
      if (has(u, ability::ParalysisResist)) u.Paralysis = 0;
      if (has(u, ability::FlinchResist)) u.Flinch = 0;
      if (has(u, ability::ActionResist)) u.Immobile = u.SkillSeal = 0;
      if (has(u, ability::SleepResist)) u.Sleep = 0;
      if (has(u, ability::StoneResist)) u.Stone = 0;
      if (has(u, ability::AntiGravity)) u.Gravity = 0;
      if (has(u, ability::EvilEye)) {
        u.Darkness = 0;
        u.HitP += 35;
      }
      if (has(u, ability::AilmentResist))
        for (int a = 0; a < kAilmentCount; ++a) u.status(a) = 0;
      if (has(u, ability::FullResist)) {
        clearBuffs(u);
        clearPassives(u);
        for (int a = 0; a < kStatusCount; ++a) u.status(a) = 0;
      }
      if (has(u, ability::StatFixed)) {
        clearBuffs(u);
        clearPassives(u);
      }
      if (has(u, ability::PoisonAttackUp) && u.Poison > 0) u.AtkP += 30;
      if (has(u, ability::ParalysisDefenseUp) && u.Paralysis > 0) u.DefP += 30;
      if (has(u, ability::AilmentStatsUp) && anyAilment(u)) addEach(u, 20);
    }
    if (u.Frostbite > 0) u.MovP -= 1;
    if (u.Darkness > 0) u.HitP -= 35;
    if (u.LockOn > 0) u.EvaP -= 25;
  }
}

}  // namespace sorvane
