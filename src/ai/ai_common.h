// What the opponent's deciders share: the passive abilities they look for,
// distances, the nearest enemy master, and the two factors every scored
// effect goes through (the kind of unit it lands on, and whose side it is).
#pragma once

#include <cstdint>
#include <cstdlib>

#include "rules/battle.h"

namespace sorvane::ai {

// Passive abilities the opponent weighs (ids of the ability catalogue).
namespace ab {
constexpr int FullControl = 14;        // [完全操作]
constexpr int AreaGravity = 31;        // [範囲重力]
constexpr int ShadowStep = 32;         // [影踏み]
constexpr int ShadowStitch = 33;       // [影縫い]
constexpr int AreaPoison = 34;         // [範囲毒]
constexpr int Limiter = 41;            // [リミッター]
constexpr int Rooted = 42;             // [不動]
constexpr int PoisonAtkUp = 45;        // [毒時攻撃アップ]
constexpr int Flight = 81;             // [飛行]
constexpr int Spirit = 82;             // [霊体]
constexpr int AtkUp = 83;              // [攻撃強化]
constexpr int DefUp = 84;              // [防御強化]
constexpr int MagUp = 85;              // [魔力強化]
constexpr int MovUp = 86;              // [移動強化]
constexpr int CritUp = 87;             // [クリティカル率上昇]
constexpr int HitUp = 88;              // [命中率上昇]
constexpr int EvaUp = 89;              // [回避率上昇]
constexpr int ProcUp = 90;             // [追加効果発動率上昇]
constexpr int Satori = 92;             // [サトリ]
constexpr int Concentration = 93;      // [精神統一]
constexpr int ProcSpRecover = 131;     // [追加効果SP回復]
constexpr int HurtSpRecover = 145;     // [被ダメSP回復]
constexpr int Revive = 211;            // [復活]
constexpr int Phoenix = 212;           // [不死鳥]
constexpr int Ghost = 213;             // [亡霊]
constexpr int DeathAwakening = 214;    // [死の覚醒]
constexpr int Undying = 215;           // [不死]
constexpr int TimeReversal = 216;      // [時間逆行]
constexpr int Obstacle = 246;          // [障害物]
constexpr int CriticalGuard = 281;     // [クリティカル耐性]
constexpr int Guardian = 286;          // [守護]
constexpr int SideCriticalGuard = 289; // [味方クリティカル耐性]
constexpr int PoisonResist = 301;      // [毒耐性]
constexpr int ActionResist = 307;      // [行動不能耐性]
constexpr int AilmentResist = 310;     // [状態異常耐性]
constexpr int StatusFixed = 321;       // [ステータス固定]
constexpr int FullResist = 323;        // [完全耐性]
constexpr int SpiritCall = 331;        // [精霊迎え]
constexpr int BeastMother = 335;       // [幻獣の母]
constexpr int AntiGravity = 341;       // [反重力]
constexpr int AutoFollow = 344;        // [自動追尾]
constexpr int Sluggish = 345;          // [鈍足]
}  // namespace ab

constexpr i32 kWholeMapArea = 99;
constexpr i32 kCharge = 13;            // skill effect: the user rushes next to its target
constexpr i32 kNeutralCritical = 22;   // skill effect: certain critical hit on element 0
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
