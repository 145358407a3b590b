// The unit record: one per unit of a battle, 64 in four sides of 16.
#pragma once

#include <array>

#include "data/shared_values.h"
#include "data/types.h"

namespace sorvane {

// The opponent AI's settings for one unit. A new record holds zeros; SetK
// writes the defaults below.
struct TAI {
  byte Auto = 0;  // 1 = computer-controlled
  i32 WTurn = 0;
  i32 Ip = 0;
  i32 Axis = 0;
  byte Retreat = 0;
  byte Margin = 0;
  i32 ElemW = 0;
  i32 GuardW = 0;
  i32 ReachSkill = 0;  // working value of the AI
  i32 LossW = 0;
  i32 HpW = 0;
  i32 SpW = 0;
  i32 BadW = 0;
  i32 GoodW = 0;
  i32 AtkW = 0;
  i32 DefW = 0;
  i32 MagW = 0;
  i32 MovW = 0;
  i32 RateW = 0;
  i32 SummonW = 0;
  i32 WeatherW = 0;
  i32 MasterW = 0;
  i32 CreatureW = 0;
  i32 FamiliarW = 0;
  i32 AllyW = 0;
  i32 EnemyW = 0;
  byte SummonLate = 0;
  byte SummonFar = 0;
  i32 SummonTurn = 0;
  byte SpecialLate = 0;
  i32 ReturnW = 0;

  static constexpr TAI defaults() {
    TAI ai;
    ai.Ip = 1;
    ai.ElemW = 5;
    ai.GuardW = 5;
    ai.LossW = 5;
    ai.HpW = 5;
    ai.SpW = 5;
    ai.BadW = 5;
    ai.GoodW = 5;
    ai.AtkW = 5;
    ai.DefW = 5;
    ai.MagW = 5;
    ai.MovW = 5;
    ai.RateW = 5;
    ai.SummonW = 5;
    ai.WeatherW = 5;
    ai.MasterW = 15;
    ai.CreatureW = 5;
    ai.FamiliarW = 2;
    ai.AllyW = 5;
    ai.EnemyW = 5;
    ai.SummonLate = 1;
    ai.ReturnW = 5;
    return ai;
  }
};

inline constexpr int kStatusCount = 21;
inline constexpr int kAilmentCount = 14;  // Poison..Parasite, the ailments a skill can inflict
inline constexpr std::array<std::string_view, kStatusCount> kStatusNames = {
    "毒", "凍傷", "重力", "暗闇", "麻痺", "怯み", "移動不能", "技不能", "睡眠", "石化", "呪い",
    "封魔", "ロックオン", "寄生", "霊体", "飛行", "HPヒール", "SPヒール", "物理シールド", "特殊シールド", "状態シールド"};

// Every field is a plain value or a shared handle, so copying a record never
// allocates: W is shared between copies, names are interned.
struct Tkst {
  Name N;
  i32 G = 0;  // picture number: portrait "s<G>.png" and large picture "<G>.png" in png.qda
  i32 Type = 0;
  i32 Team = 0;
  i32 Kind = 0;
  i32 Master = 0;
  i32 Elem = 0;
  i32 Lv = 0;
  i32 Exp = 0;
  i32 HPMax = 0;
  i32 HP = 0;
  i32 SPMax = 0;
  i32 SP = 0;
  i32 Atk = 0, AtkB = 0, AtkP = 0;
  i32 Def = 0, DefB = 0, DefP = 0;
  i32 Mag = 0, MagB = 0, MagP = 0;
  i32 Mov = 0, MovB = 0, MovP = 0;
  i32 SH = 0;     // summoning method of the side (SummonMethod); every unit carries its master's
  i32 SumT = 0;   // turns a creature needs to arrive once summoned
  i32 SumTC = 0;  // turns still to wait while being summoned
  i32 SumC = 0;   // SP the master pays to summon it
  i32 SumK = 0;   // summon capacity it takes while summoned (a side holds 5)
  i32 ZOC = 0;
  i32 MoveN = 0;
  i32 SkillN = 0;
  i32 SummonN = 0;
  i32 SpecialN = 0;
  i32 State = 0;
  // The 21 statuses, in the order skills list their ailments and status changes.
  i32 Poison = 0, Frostbite = 0, Gravity = 0, Darkness = 0, Paralysis = 0, Flinch = 0, Immobile = 0;
  i32 SkillSeal = 0, Sleep = 0, Stone = 0, Curse = 0, SummonSeal = 0, LockOn = 0, Parasite = 0;
  i32 Spirit = 0, Flight = 0, HPHeal = 0, SPHeal = 0, PhysShield = 0, SpecShield = 0, StatusShield = 0;
  i32 CritB = 0, CritP = 0;
  i32 HitB = 0, HitP = 0;
  i32 EvaB = 0, EvaP = 0;
  i32 ProcB = 0, ProcP = 0;
  SharedArray<i32> W;       // skill ids: 8 entries for masters, 5 for the others
  std::array<i32, 4> TN{};  // passive abilities (ids in the passive-ability catalogue), 0 none
  Name TNS;                 // the names of TN joined; decides which passive abilities the unit holds
  i32 TU = 0;               // usable ability (id in the usable-ability catalogue), 0 none
  i32 TUN = 0;              // uses of TU left in this battle
  i32 HealRes = 0;          // healing resistance in percent: +10 per heal received, at most 60; cut from later heals
  TAI AI;

  // Status i in the order above (0 = Poison .. 20 = StatusShield).
  i32& status(int i) { return this->*kStatusFields[i]; }
  i32 status(int i) const { return this->*kStatusFields[i]; }

  static constexpr std::array<i32 Tkst::*, kStatusCount> kStatusFields = {
      &Tkst::Poison, &Tkst::Frostbite, &Tkst::Gravity, &Tkst::Darkness, &Tkst::Paralysis,
      &Tkst::Flinch, &Tkst::Immobile, &Tkst::SkillSeal, &Tkst::Sleep, &Tkst::Stone,
      &Tkst::Curse, &Tkst::SummonSeal, &Tkst::LockOn, &Tkst::Parasite, &Tkst::Spirit,
      &Tkst::Flight, &Tkst::HPHeal, &Tkst::SPHeal, &Tkst::PhysShield, &Tkst::SpecShield,
      &Tkst::StatusShield};
};

}  // namespace sorvane
