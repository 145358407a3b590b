// The data store: the four catalogues, the 64 live unit records, their
// working copy, and the player's collection and record flags.
#pragma once

#include <array>

#include "data/catalogue.h"
#include "data/unit.h"

namespace sorvane {

// Lifetime battle counters shown in the records view.
struct RecordCounters {
  i32 recBattles = 0;
  i32 recEventBattles = 0;
  i32 recFreeBattles = 0;
  i32 recWins = 0, recLosses = 0, recDraws = 0;
  i32 recMoves = 0;
  i32 recSkills = 0;
  i32 recSummons = 0;
  i32 recReturns = 0;
  i32 recSteps = 0;
  i32 recDamageDealt = 0;
  i32 recDamageTaken = 0;
  i32 recHealed = 0;
  i32 recOwnMasterDeaths = 0;
  i32 recOwnCreatureDeaths = 0, recOwnFamiliarDeaths = 0;
  i32 recEnemyMasterDeaths = 0;
  i32 recEnemyCreatureDeaths = 0, recEnemyFamiliarDeaths = 0;
  i32 recReserved = 0;
  i32 recMaxDamage = 0;
  i32 recMaxKills = 0;
};

class Tdeta {
 public:
  std::array<Twst, kSkillCount> skills;
  std::array<Ttst, kAbilityCount> abilities;
  std::array<Thst, kSpecialCount> specials;
  std::array<Tcst, kCreatureCount> creatures;
  std::array<Tkst, kUnitCount> k;   // the live unit records
  std::array<Tkst, kUnitCount> kw;  // working copy used while an action resolves
  std::array<byte, kCollectable> defeated{};
  std::array<byte, kCollectable> acquired{};
  std::array<byte, kCollectable> reservedFlags{};
  std::array<byte, kCollectable> summoned{};
  RecordCounters records;
  std::array<byte, 7> jobOpen{};
  byte extraOpen = 0;
  std::array<byte, 11> charOpen{};

  // Catalogue initialisers, called once at start-up in this order.
  void InitSkills();
  void InitAbilities();
  void InitCreatures();

  // The catalogue part of a new game: forgets every learned creature and master
  // skill and every learned master ability, fills the catalogue again from its
  // tables and puts every entry at level 10.
  void RefillCreaturesForNewGame();

  // Name of passive ability `id` ("" for an empty or unknown id).
  const std::string& abilityName(int id) const;

  // A unit holds ability `id` when its bracketed name occurs in the unit's TNS.
  bool hasAbility(const Tkst& unit, int id) const;

  // The names of TN[0..3] joined with nothing between them.
  Name buildTNS(const std::array<i32, 4>& tn) const;
};

}  // namespace sorvane
