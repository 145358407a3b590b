// What the opponent's deciders share: the passive abilities they look for,
// distances, the nearest enemy master, and the two factors every scored
// effect goes through (the kind of unit it lands on, and whose side it is).
#pragma once

#include <cstdint>
#include <cstdlib>

#include "data/ability_ids.h"
#include "data/tables/skill_rows.h"
#include "rules/battle.h"

namespace sorvane::ai {

constexpr i32 kWholeMapArea = skill_rows::WholeMap;
constexpr i32 kCharge = skill_rows::Charge;
constexpr i32 kNeutralCritical = skill_rows::NeutralCritical;
constexpr i32 kStoneGolemType = 44;    // a [守護] creature that does not draw its master

inline int dist(int x1, int y1, int x2, int y2) { return std::abs(x1 - x2) + std::abs(y1 - y2); }

// Integer division that reads a zero divisor as "no value" instead of failing:
// records of units outside the battle may hold a zero maximum.
inline i32 div0(i32 a, i32 b) { return b == 0 ? 0 : a / b; }

inline i32 clampPct(i32 v) { return v < 0 ? 0 : v > 100 ? 100 : v; }

struct Cell {
  int x = 0, y = 0;
};

inline bool onMap(const Tsyori& s, int x, int y) { return x >= 0 && y >= 0 && x <= s.maxX && y <= s.maxY; }

// The cell of unit i in `g` (the last one in column order); false when it is not on the map.
inline bool cellOf(const Battle& b, const Grid<i32>& g, int i, Cell& c) { return b.findCell(g, i, c.x, c.y); }

// The nearest master of the other team on the field, measured from `from`; a
// later master replaces an earlier one only when strictly nearer. `none` when
// there is no such master.
inline Cell nearestEnemyMaster(const Battle& b, i32 team, Cell from, Cell none) {
  Cell best = none;
  int bestDist = 0;
  bool found = false;
  for (int i = 0; i <= b.s.lastUnit; ++i) {
    const Tkst& m = b.d.k[i];
    if (m.Kind != KindMaster || m.State != OnField || m.Team == team) continue;
    Cell c;
    if (!cellOf(b, b.s.unitAt, i, c)) continue;
    const int dd = dist(c.x, c.y, from.x, from.y);
    if (!found || dd < bestDist) {
      best = c;
      bestDist = dd;
      found = true;
    }
  }
  return best;
}

// The catalogue entry of a record (entry 0 for a record outside the catalogue).
inline const Tcst& entryOf(const Tdeta& d, const Tkst& u) {
  return d.creatures[u.Type >= 0 && u.Type < kCreatureCount ? u.Type : 0];
}

inline const Twst& skillOf(const Tdeta& d, i32 id) { return d.skills[id >= 0 && id < kSkillCount ? id : 0]; }

// Range plus area of a skill: how far its effect can land from the user.
inline i32 reachOf(const Tdeta& d, i32 skillId) {
  const Twst& w = skillOf(d, skillId);
  return w.Range + w.Area;
}

// Scores are summed in 64 bits: a lost master weighted by its multipliers
// exceeds what 32 bits hold, and a wrapped sum would turn a disaster into a
// prize. Every step truncates exactly as the 32-bit formulas do.
using v64 = std::int64_t;

inline v64 div64(v64 a, v64 b) { return b == 0 ? 0 : a / b; }

// A value stored into a 32-bit table, held inside its range.
inline i32 toI32(v64 v) {
  constexpr v64 lo = -2147483647, hi = 2147483647;
  return static_cast<i32>(v < lo ? lo : v > hi ? hi : v);
}

// An effect on unit kind `kind`, weighted by the acting unit's settings.
inline v64 kindMul(const TAI& w, i32 kind, v64 b) {
  switch (kind) {
    case KindMaster: return w.MasterW * b / 5;
    case KindCreature: return w.CreatureW * b / 5;
    case KindFamiliar: return w.FamiliarW * b / 5;
    default: return b;
  }
}

// Harm to the other side is good, harm to the own side bad.
inline v64 sideSign(const TAI& w, bool ownTeam, v64 b) { return ownTeam ? w.AllyW * (-b) / 5 : w.EnemyW * b / 5; }

}  // namespace sorvane::ai
