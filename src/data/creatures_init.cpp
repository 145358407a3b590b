// Fills the creature, familiar and master catalogue from its tables, and
// restores it for a new game.
#include <vector>

#include "data/deta.h"
#include "data/tables/creature_table.h"

namespace sorvane {

namespace {

using tables::SkillSlot;

constexpr int kLastCreature = 103;
constexpr int kLastMaster = kCreatureCount - 1;
constexpr i32 kStartLevel = 10;

enum AbilityState : i32 { Innate = 0, Learned = 1, NotLearned = 2 };

void setSkills(Tcst& entry, const std::vector<SkillSlot>& slots) {
  std::vector<i32> ids;
  std::vector<byte> learned;
  for (const SkillSlot& slot : slots) {
    ids.push_back(slot.id);
    learned.push_back(slot.learned ? 1 : 0);
  }
  entry.Sk = SharedArray<i32>(std::move(ids));
  entry.SkL = SharedArray<byte>(std::move(learned));
}

// A skill list nobody can learn from: the single empty skill 0, not learned.
void setNoSkills(Tcst& entry) {
  entry.Sk = SharedArray<i32>{0};
  entry.SkL = SharedArray<byte>{0};
}

void setInnateAbilities(Tcst& entry, const std::vector<i32>& abilities) {
  entry.Ab = SharedArray<i32>(abilities);
  entry.AbL = SharedArray<i32>(std::vector<i32>(abilities.size(), Innate));
}

Tcst makeEmptySlotEntry() {
  Tcst e;
  e.Name = "無し";
  e.Elem = NoElement;
  setNoSkills(e);
  return e;
}

Tcst makeCreatureEntry(const tables::CreatureRow& row) {
  Tcst e;
  e.Name = row.name;
  e.G = row.id;
  e.Elem = row.elem;
  e.Lv = kStartLevel;
  e.HPg = row.hpg;
  e.SP = row.sp;
  e.Atkg = row.atkg;
  e.Defg = row.defg;
  e.Magg = row.magg;
  e.Mov = row.mov;
  e.SumT = row.sumT;
  e.SumC = row.sumC;
  e.SumK = row.sumK;
  e.ZOC = row.zoc;
  setSkills(e, row.skills);
  setInnateAbilities(e, row.abilities);
  e.TU = row.tu;
  return e;
}

Tcst makeFamiliarEntry(const tables::FamiliarRow& row) {
  Tcst e;
  e.Name = row.name;
  e.G = row.g;
  e.Elem = row.elem;
  e.HPg = row.hpg;
  e.SP = row.sp;
  e.Atkg = row.atkg;
  e.Defg = row.defg;
  e.Magg = row.magg;
  e.Mov = row.mov;
  e.SumT = row.sumT;
  e.ZOC = row.zoc;
  if (row.skills.empty()) {
    setNoSkills(e);
  } else {
    std::vector<SkillSlot> all;
    for (i32 id : row.skills) all.push_back(tables::L(id));
    setSkills(e, all);
  }
  setInnateAbilities(e, row.abilities);
  return e;
}

// A master entry without its skill list: growth, picture and abilities.
Tcst makeMasterEntry(const tables::MasterCharacterRow& character, int characterIndex, int job) {
  const tables::MasterGrowth& growth = character.jobs[job];
  const tables::JobRow& jobRow = tables::jobRows()[job];
  Tcst e;
  e.Name = character.name;
  e.G = 170 + characterIndex;
  e.Lv = kStartLevel;
  e.HPg = growth.hpg;
  e.SP = 50;
  e.Atkg = growth.atkg;
  e.Defg = growth.defg;
  e.Magg = growth.magg;
  e.Mov = growth.mov;
  e.ZOC = character.zoc;
  e.TU = character.tu;

  std::vector<i32> abilities;
  std::vector<i32> states;
  if (character.innate != 0) {
    abilities.push_back(character.innate);
    states.push_back(Innate);
  }
  if (character.plan != tables::JobAbilityPlan::None) {
    for (i32 ability : jobRow.abilities) {
      bool startsLearned = character.plan == tables::JobAbilityPlan::OneLearned && ability == jobRow.startAbility;
      abilities.push_back(ability);
      states.push_back(startsLearned ? Learned : NotLearned);
    }
  }
  e.Ab = SharedArray<i32>(std::move(abilities));
  e.AbL = SharedArray<i32>(std::move(states));
  return e;
}

}  // namespace

void Tdeta::InitCreatures() {
  for (Tcst& entry : creatures) entry = Tcst{};  // unused entries stay empty, without lists
  creatures[0] = makeEmptySlotEntry();
  for (const tables::CreatureRow& row : tables::creatureRows()) creatures[row.id] = makeCreatureEntry(row);
  for (const tables::FamiliarRow& row : tables::familiarRows()) creatures[row.id] = makeFamiliarEntry(row);

  // One learnable list per job, made for the first character and handed to
  // every other character of that job; the learned flags stay per entry.
  std::array<SharedArray<i32>, tables::kJobCount> jobSkills;
  const auto& characters = tables::masterCharacterRows();
  for (int c = 0; c < tables::kMasterCharacters; ++c) {
    for (int job = 0; job < tables::kJobCount; ++job) {
      Tcst& e = creatures[masterEntry(c, job)];
      e = makeMasterEntry(characters[c], c, job);
      setSkills(e, tables::jobRows()[job].skills);
      if (c == 0) {
        jobSkills[job] = e.Sk;
      } else {
        e.Sk = jobSkills[job];
      }
    }
  }
}

void Tdeta::RefillCreaturesForNewGame() {
  auto forgetSkills = [](Tcst& entry) {
    for (std::size_t i = 0; i < entry.SkL.size(); ++i) entry.SkL[i] = 0;
  };
  for (int i = 1; i <= kLastCreature; ++i) forgetSkills(creatures[i]);
  for (int i = kFirstMaster; i <= kLastMaster; ++i) {
    Tcst& master = creatures[i];
    forgetSkills(master);
    for (std::size_t a = 0; a < master.AbL.size(); ++a) {
      if (master.AbL[a] == Learned) master.AbL[a] = NotLearned;
    }
  }
  InitCreatures();
  for (Tcst& entry : creatures) entry.Lv = kStartLevel;
}

}  // namespace sorvane
