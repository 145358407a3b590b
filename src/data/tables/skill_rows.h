// The notation of the skill table (skills.cpp): one row per skill with the
// main columns in catalogue order and a short list of side effects, turned
// into a Twst by Tdeta::InitSkills.
#pragma once

#include <array>
#include <cstdint>

#include "data/catalogue.h"
#include "data/types.h"

namespace sorvane::skill_rows {

// Physical skills are stopped by [霊体] and [物理シールド]; special ones by
// [特殊シールド]. Support skills are special so that spirits can receive them.
inline constexpr i32 Phys = 0, Spcl = 1;  // 物理 physical, 特殊 special

// Category (Cat).
inline constexpr i32 CatNone = 0, CatUnits = 1, CatFamiliar = 2, CatTerrain = 3, CatWeather = 4,
                     CatSwap = 6, CatUnused = 99;

// Shape (Line): spread around the target, straight line from the user, or
// spread that needs a free line of sight.
inline constexpr i32 Spread = 0, Straight = 1, Sight = 2;

// Area that covers the whole map.
inline constexpr i32 WholeMap = 99;

// Target rule: which units in the area are affected.
enum TargetRule : i32 {
  Any = 0,              // every unit on the field
  NotSelf = 1,          // ... except the user
  Grounded = 2,         // ... that is not flying
  GroundedNotSelf = 3,  // ... not flying and not the user
  LockedOn = 4,         // ... that is locked on
  Rocks = 5,            // familiars 岩
  Undead = 6,           // familiars スケルトン, ワイト, ゴースト
  Centre = 7,           // the unit on the centre cell only
  OwnMaster = 8,        // the user's own master
  WithSummoning = 9,    // on the field or being summoned
  NotMaster = 10,       // every unit on the field except masters
  Enemies = 11,         // units of the other team
};

// Special-effect kind (Effect).
enum EffectKind : i32 {
  NoEffect = 0,
  RateUp = 1,             // Param 1 hit, 2 evasion, 3 added-effect rate, 4 critical rate
  CurrentHpCut = 2,       // HP change in percent of the current HP (Param)
  DrainOrRecoil = 3,      // user's HP changes by Param percent of the damage
  IgnoreDefence = 4,
  WeatherElement = 5,     // element taken from the weather
  OwnTerrainElement = 6,  // element taken from the user's cell
  KnockBack = 7,
  DecoyVolley = 8,        // one more hit per own デコイ in the area
  ResetBuffs = 9,
  ExtraAction = 10,
  SpChange = 11,          // SP change by Param
  HpChange = 12,          // HP change in percent of the maximum (Param)
  Charge = 13,            // the user moves next to the target first
  SummonTime = 14,        // summon time change by Param
  Reveal = 15,
  Desperation = 16,       // range and hit rise as the user's HP falls
  AbilitySwap = 17,
  Exhaust = 18,           // the user can neither move nor use skills for 3 turns
  FollowUp = 19,          // one more move and one more skill use
  Enchant = 20,           // Param 1, 2, 3 raises base attack, defence, magic
  ZocGrow = 21,
  NeutralCritical = 22,   // certain critical hit against element 0
  TargetTerrainElement = 23,
  GiveElement = 24,
  TakeElement = 25,
  ZocErase = 26,
  ZocDown = 27,           // ZOC change by Param
  Naturalize = 28,        // clears every status and buff
};

// Ailments, in the order of AilV/AilC.
enum Ailment : i32 {
  Poison, Frostbite, Gravity, Darkness, Paralysis, Flinch, Immobile,
  SkillSeal, Sleep, Stone, Curse, SummonSeal, LockOn, Parasite,
};
inline constexpr int kAilments = 14;

// Status changes, in the order of ChgV/ChgC.
enum Change : i32 { Spirit, Flight, HPHeal, SPHeal, PhysShield, SpecShield, StatusShield };
inline constexpr int kChanges = 7;

// One side effect of a row: which column (or group of columns), value and chance.
struct SideEffect {
  enum Column : std::uint8_t {
    Unused, Ail, AllAilments, Chg, AllChanges,
    SelfAtk, SelfDef, SelfMag, SelfMov, SelfHP,
    TgtAtk, TgtDef, TgtMag, TgtMov,
  };
  Column column = Unused;
  i32 index = 0;  // the ailment or status change for Ail and Chg
  i32 value = 0;
  i32 chance = 0;
};

// Inflicts an ailment: the value it is set to (turns, or 1 for flags) and the chance.
constexpr SideEffect Ail(Ailment a, i32 value, i32 chance) { return {SideEffect::Ail, a, value, chance}; }
// Cures an ailment (a chance without a value); no roll is made.
constexpr SideEffect Cure(Ailment a) { return {SideEffect::Ail, a, 0, 100}; }
constexpr SideEffect CureAll() { return {SideEffect::AllAilments, 0, 0, 100}; }
// Gives a status change (always, no roll).
constexpr SideEffect Chg(Change c, i32 value, i32 chance) { return {SideEffect::Chg, c, value, chance}; }
// Removes every status change.
constexpr SideEffect RemoveAllChanges() { return {SideEffect::AllChanges, 0, 0, 100}; }

// Stat changes: attack, defence and magic in percent, movement in cells, HP
// in percent of the maximum; each with its chance.
constexpr SideEffect SelfAtk(i32 v, i32 c) { return {SideEffect::SelfAtk, 0, v, c}; }
constexpr SideEffect SelfDef(i32 v, i32 c) { return {SideEffect::SelfDef, 0, v, c}; }
constexpr SideEffect SelfMag(i32 v, i32 c) { return {SideEffect::SelfMag, 0, v, c}; }
constexpr SideEffect SelfMov(i32 v, i32 c) { return {SideEffect::SelfMov, 0, v, c}; }
constexpr SideEffect SelfHP(i32 v, i32 c) { return {SideEffect::SelfHP, 0, v, c}; }
constexpr SideEffect TgtAtk(i32 v, i32 c) { return {SideEffect::TgtAtk, 0, v, c}; }
constexpr SideEffect TgtDef(i32 v, i32 c) { return {SideEffect::TgtDef, 0, v, c}; }
constexpr SideEffect TgtMag(i32 v, i32 c) { return {SideEffect::TgtMag, 0, v, c}; }
constexpr SideEffect TgtMov(i32 v, i32 c) { return {SideEffect::TgtMov, 0, v, c}; }

inline constexpr int kMaxSideEffects = 6;

// One skill. Columns in catalogue order; Desc comes last because it is long.
struct SkillRow {
  i32 id;
  const char* name;
  i32 elem, special, power, hit, crit, range, selfOK, area, zocArea, cost;
  i32 cat, line, target, effect, hits, param;
  std::array<SideEffect, kMaxSideEffects> effects;
  const char* desc;
};

// The table, one row per id 0..318 (skills.cpp).
extern const std::array<SkillRow, kSkillCount> kSkillTable;

// The catalogue record a row stands for.
Twst toTwst(const SkillRow& row);

}  // namespace sorvane::skill_rows
