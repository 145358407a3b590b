// Catalogue records: skills, passive abilities, usable abilities, and the
// creatures, familiars and masters. Each catalogue is filled once at start-up;
// the creature and master entries also carry the player's progress.
#pragma once

#include <array>
#include <string>

#include "data/shared_values.h"
#include "data/types.h"

namespace sorvane {

inline constexpr int kSkillCount = 319;
inline constexpr int kAbilityCount = 407;
inline constexpr int kSpecialCount = 13;
inline constexpr int kCreatureCount = 328;

// A skill (技). Columns in catalogue order.
struct Twst {
  std::string Name;
  i32 Id = 0;
  i32 Elem = 0;
  i32 Special = 0;  // 0 physical, 1 special
  i32 Power = 0;
  i32 Hit = 0;
  i32 Crit = 0;
  i32 Range = 0;
  i32 SelfOK = 0;
  i32 Area = 0;  // 99 = the whole map
  i32 ZocArea = 0;
  i32 Cost = 0;
  std::string Desc;  // lines separated by carriage returns
  i32 Cat = 0;       // 1 units, 2 familiar, 3 terrain, 4 weather, 6 swap, 99 unused
  i32 Line = 0;      // 0 spread, 1 straight line, 2 spread with line of sight
  i32 Target = 0;
  i32 Effect = 0;
  i32 Hits = 0;  // 0 means one hit
  // Ailments Poison..Parasite: the value set and its chance (chance with value 0 cures).
  std::array<i32, 14> AilV{}, AilC{};
  // Status changes Spirit..StatusShield: value and chance (chance with value 0 removes).
  std::array<i32, 7> ChgV{}, ChgC{};
  i32 SelfAtkV = 0, SelfAtkC = 0, SelfDefV = 0, SelfDefC = 0;
  i32 SelfMagV = 0, SelfMagC = 0, SelfMovV = 0, SelfMovC = 0;
  i32 SelfHPV = 0, SelfHPC = 0;
  i32 TgtAtkV = 0, TgtAtkC = 0, TgtDefV = 0, TgtDefC = 0;
  i32 TgtMagV = 0, TgtMagC = 0, TgtMovV = 0, TgtMovC = 0;
  i32 Param = 0;
};

// A passive ability; Name keeps its brackets ("[飛行]").
struct Ttst {
  std::string Name;
  i32 Id = 0;
  std::string Desc;
};

// A usable ability (■).
struct Thst {
  std::string Name;
  i32 Id = 0;
  i32 Range = 0;
  i32 SelfOK = 0;
  i32 Area = 0;
  i32 Uses = 0;
  i32 TargetKind = 0;
  std::string Desc;
};

// A creature, familiar or master entry with its growth values and the
// player's progress (level, experience, learned skills and abilities).
struct Tcst {
  std::string Name;
  i32 G = 0;
  i32 Elem = 0;
  i32 Lv = 0;
  i32 Exp = 0;
  i32 HPg = 0;
  i32 SP = 0;
  i32 Atkg = 0, Defg = 0, Magg = 0;
  i32 Mov = 0;
  i32 SumT = 0;
  i32 SumC = 0;
  i32 SumK = 0;
  i32 ZOC = 0;
  SharedArray<i32> Sk;    // learnable skills; the masters of one job share one list
  SharedArray<byte> SkL;  // learned flag per entry of Sk, one per entry
  SharedArray<i32> Ab;    // passive abilities
  SharedArray<i32> AbL;   // 0 innate, 1 learned, 2 not learned
  i32 TU = 0;
};

}  // namespace sorvane
