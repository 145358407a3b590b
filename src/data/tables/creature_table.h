// The creature, familiar and master tables, written the way a designer reads
// them: one row per entry. InitCreatures turns these rows into catalogue
// entries (Tcst).
#pragma once

#include <array>
#include <vector>

#include "data/types.h"

namespace sorvane::tables {

// One place in a learnable skill list. A plain number is a skill the entry can
// learn later; L(n) marks skill n as learned when a new game starts.
struct SkillSlot {
  i32 id = 0;
  bool learned = false;
  constexpr SkillSlot(i32 skill) : id(skill) {}  // NOLINT: implicit, so a row can list plain ids
  constexpr SkillSlot(i32 skill, bool learnedAtStart) : id(skill), learned(learnedAtStart) {}
};
constexpr SkillSlot L(i32 skill) { return SkillSlot(skill, true); }

// A summonable creature (ids 1..103). Its picture is its own id, its level
// starts at 10, and every ability it lists is innate.
struct CreatureRow {
  i32 id;
  const char* name;
  i32 elem, hpg, sp, atkg, defg, magg, mov, sumT, sumC, sumK, zoc;
  std::vector<i32> abilities;
  i32 tu;  // usable ability, 0 none
  std::vector<SkillSlot> skills;
};

// A familiar (ids 201..209), put on the field by skills and usable abilities.
// It takes the level of the unit that creates it, knows every skill it lists
// and is never summoned, so it has no cost or capacity.
struct FamiliarRow {
  i32 id;
  const char* name;
  i32 g, elem, hpg, sp, atkg, defg, magg, mov, sumT, zoc;
  std::vector<i32> skills;  // empty: the entry gets the single empty skill 0
  std::vector<i32> abilities;
};

const std::vector<CreatureRow>& creatureRows();   // ids 1..103, in id order
const std::vector<FamiliarRow>& familiarRows();   // ids 201..209, in id order

// --- Masters: eleven characters, each in the seven jobs. ---

inline constexpr int kMasterCharacters = 11;
inline constexpr int kJobCount = 7;

// Growth values and movement of one character in one job.
struct MasterGrowth {
  i32 hpg, atkg, defg, magg, mov;
};

// How a character holds the five abilities of its job.
enum class JobAbilityPlan {
  OneLearned,  // all five, the job's starting one already learned
  AllToLearn,  // all five, each still to be learned with battle points
  None,        // none: the character keeps only its own innate ability
};

struct MasterCharacterRow {
  const char* name;
  std::array<MasterGrowth, kJobCount> jobs;  // 戦 騎 狩 暗 魔 治 精
  i32 zoc;
  i32 innate;  // the character's own ability, listed before the job's; 0 none
  JobAbilityPlan plan;
  i32 tu;  // usable ability in every job, 0 none
};

// What a job brings to every character: the learnable skill list (shared by all
// characters of the job) and the five job abilities.
struct JobRow {
  std::vector<SkillSlot> skills;
  std::array<i32, 5> abilities;
  i32 startAbility;  // the one learned at the start under JobAbilityPlan::OneLearned
};

const std::array<MasterCharacterRow, kMasterCharacters>& masterCharacterRows();
const std::array<JobRow, kJobCount>& jobRows();

}  // namespace sorvane::tables
