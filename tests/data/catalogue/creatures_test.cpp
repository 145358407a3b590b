// The creature, familiar and master catalogue: the table's values, the limits
// the rules rely on, the shared job skill lists and the new-game refill.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "data/deta.h"

namespace sorvane {
namespace {

constexpr int kLastCreature = 103;

bool isFamiliar(int i) { return i >= 201 && i <= 209; }
bool isMaster(int i) { return i >= kFirstMaster && i < kCreatureCount; }

int learnedCount(const Tcst& e) {
  int n = 0;
  for (byte flag : e.SkL) n += flag ? 1 : 0;
  return n;
}

std::vector<i32> learnedSkills(const Tcst& e) {
  std::vector<i32> out;
  for (std::size_t i = 0; i < e.Sk.size(); ++i) {
    if (e.SkL[i]) out.push_back(e.Sk[i]);
  }
  return out;
}

std::unique_ptr<Tdeta> filledCatalogues() {
  auto d = std::make_unique<Tdeta>();
  d->InitSkills();
  d->InitAbilities();
  d->InitCreatures();
  return d;
}

class CreatureCatalogue : public ::testing::Test {
 protected:
  std::unique_ptr<Tdeta> d = filledCatalogues();
  const Tcst& entry(int i) const { return d->creatures[i]; }
};

// --- the value ranges of the table, for every entry ---

TEST_F(CreatureCatalogue, CreaturesStayWithinTheTableRanges) {
  for (int i = 1; i <= kLastCreature; ++i) {
    SCOPED_TRACE(i);
    const Tcst& e = entry(i);
    EXPECT_FALSE(e.Name.empty());
    EXPECT_EQ(e.G, i);
    EXPECT_EQ(e.Lv, 10);
    EXPECT_EQ(e.Exp, 0);
    EXPECT_TRUE(i == 57 || (e.Elem >= 0 && e.Elem <= 6));
    EXPECT_GE(e.HPg, 25);
    EXPECT_LE(e.HPg, 300);
    EXPECT_GE(e.SP, 10);
    EXPECT_LE(e.SP, 90);
    for (i32 g : {e.Atkg, e.Defg, e.Magg}) {
      EXPECT_GE(g, 10);
      EXPECT_LE(g, 290);
    }
    EXPECT_GE(e.Mov, 0);
    EXPECT_LE(e.Mov, 9);
    EXPECT_GE(e.SumT, 0);
    EXPECT_LE(e.SumT, 18);
    EXPECT_GE(e.SumC, 3);
    EXPECT_LE(e.SumC, 28);
    EXPECT_GE(e.SumK, 1);
    EXPECT_LE(e.SumK, 4);
    EXPECT_GE(e.ZOC, 0);
    EXPECT_LE(e.ZOC, 4);
    EXPECT_GE(e.Sk.size(), 4u);
    EXPECT_LE(e.Sk.size(), 23u);
    EXPECT_EQ(e.SkL.size(), e.Sk.size());
    EXPECT_LE(e.Ab.size(), 6u);
    ASSERT_EQ(e.AbL.size(), e.Ab.size());
    for (i32 state : e.AbL) EXPECT_EQ(state, 0) << "creature abilities are innate";
  }
}

TEST_F(CreatureCatalogue, FamiliarsStayWithinTheTableRanges) {
  for (int i = 201; i <= 209; ++i) {
    SCOPED_TRACE(i);
    const Tcst& e = entry(i);
    EXPECT_FALSE(e.Name.empty());
    EXPECT_EQ(e.G, i - 80);
    EXPECT_EQ(e.Lv, 0) << "a familiar takes the level of the unit that creates it";
    EXPECT_GE(e.HPg, 35);
    EXPECT_LE(e.HPg, 60);
    EXPECT_GE(e.SP, 10);
    EXPECT_LE(e.SP, 15);
    EXPECT_EQ(e.SumC, 0);
    EXPECT_EQ(e.SumK, 0);
    EXPECT_EQ(e.TU, 0);
    ASSERT_GE(e.Sk.size(), 1u);
    ASSERT_EQ(e.SkL.size(), e.Sk.size());
    if (e.Sk[0] == 0) {
      EXPECT_EQ(e.Sk.size(), 1u);
      EXPECT_EQ(e.SkL[0], 0) << "a familiar without skills holds skill 0, not learned";
    } else {
      for (byte flag : e.SkL) EXPECT_EQ(flag, 1) << "a familiar knows every skill it lists";
    }
    ASSERT_EQ(e.AbL.size(), e.Ab.size());
    for (i32 state : e.AbL) EXPECT_EQ(state, 0);
  }
}

TEST_F(CreatureCatalogue, MastersStayWithinTheTableRanges) {
  for (int i = kFirstMaster; i < kCreatureCount; ++i) {
    SCOPED_TRACE(i);
    const Tcst& e = entry(i);
    EXPECT_FALSE(e.Name.empty());
    EXPECT_EQ(e.G, 170 + characterOf(i));
    EXPECT_EQ(e.Elem, 0);
    EXPECT_EQ(e.Lv, 10);
    EXPECT_EQ(e.Exp, 0);
    EXPECT_GE(e.HPg, 50);
    EXPECT_LE(e.HPg, 150);
    EXPECT_EQ(e.SP, 50);
    EXPECT_GE(e.Mov, 2);
    EXPECT_LE(e.Mov, 7);
    EXPECT_EQ(e.SumT, 0);
    EXPECT_EQ(e.SumC, 0) << "masters are never summoned";
    EXPECT_EQ(e.SumK, 0) << "masters are never summoned";
    EXPECT_GE(e.ZOC, 0);
    EXPECT_LE(e.ZOC, 1);
    EXPECT_GE(e.Sk.size(), 18u);
    EXPECT_LE(e.Sk.size(), 22u);
    EXPECT_EQ(e.SkL.size(), e.Sk.size());
    EXPECT_LE(e.Ab.size(), 6u);
    EXPECT_EQ(e.AbL.size(), e.Ab.size());
  }
}

TEST_F(CreatureCatalogue, UnusedEntriesAreEmpty) {
  for (int i = 104; i < kFirstMaster; ++i) {
    if (isFamiliar(i)) continue;
    SCOPED_TRACE(i);
    const Tcst& e = entry(i);
    EXPECT_TRUE(e.Name.empty());
    EXPECT_EQ(e.HPg + e.SP + e.Atkg + e.Defg + e.Magg + e.Mov + e.SumT + e.SumC + e.SumK + e.ZOC + e.TU, 0);
    EXPECT_EQ(e.Elem, 0);
    EXPECT_EQ(e.Lv, 0);
    EXPECT_TRUE(e.Sk.empty());
    EXPECT_TRUE(e.SkL.empty());
    EXPECT_TRUE(e.Ab.empty());
    EXPECT_TRUE(e.AbL.empty());
  }
}

// --- rows exactly as tabled ---

struct CreatureCase {
  int id;
  std::string name;
  i32 elem, hpg, sp, atkg, defg, magg, mov, sumT, sumC, sumK, zoc;
  std::vector<i32> abilities;
  i32 tu;
  std::vector<i32> skills;   // empty: not checked (lists the table leaves to the designer)
  std::vector<i32> learned;  // the skills marked as learned at the start
};

const CreatureCase kTabledCreatures[] = {
    {1, "覚", 0, 50, 21, 80, 55, 65, 4, 1, 6, 1, 0, {92, 258}, 0, {1, 9, 90, 138, 180}, {1, 9, 90, 138}},
    {2, "カラドリオス", 0, 80, 16, 65, 75, 85, 6, 3, 7, 1, 0, {81}, 2,
     {1, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 48, 114, 176}, {1, 28, 38, 176}},
    {20, "ルシファー", 0, 125, 30, 200, 200, 200, 9, 3, 28, 3, 1, {14, 44, 226, 81}, 0, {}, {}},
    {25, "コウ", 1, 80, 15, 115, 85, 90, 6, 4, 8, 1, 0, {281, 306}, 0, {9, 10, 53, 56, 59, 60, 69, 144, 158},
     {10, 59, 144, 158}},
    {44, "オーディン", 2, 85, 18, 110, 110, 110, 0, 4, 8, 1, 0, {286, 344}, 0, {}, {}},
    {57, "けつばん", 7, 95, 18, 115, 115, 115, 0, 4, 4, 1, 0, {321, 344}, 4, {}, {}},
    {61, "ユグドラシル", 3, 255, 40, 90, 155, 160, 0, 12, 12, 2, 2, {66, 67, 310, 400}, 0,
     {10, 19, 93, 94, 95, 96, 97, 99, 101, 103, 104, 105, 106, 107, 108, 109, 110, 114, 115, 116, 127}, {10, 109}},
    {35, "フロラ", 3, 110, 23, 80, 90, 110, 4, 4, 7, 1, 1, {143}, 5, {}, {}},
    {51, "マンドレイク", 3, 120, 16, 40, 95, 110, 1, 4, 4, 1, 4, {}, 0, {}, {}},
    {81, "クロノス", 5, 50, 12, 60, 60, 90, 9, 0, 14, 1, 0, {216, 244}, 0, {}, {}},
    {103, "オニャンコポン", 0, 120, 21, 75, 100, 115, 4, 4, 8, 1, 1, {331}, 0, {}, {}},
};

TEST_F(CreatureCatalogue, CreatureRowsAsTabled) {
  for (const CreatureCase& c : kTabledCreatures) {
    SCOPED_TRACE(c.name);
    const Tcst& e = entry(c.id);
    EXPECT_EQ(e.Name, c.name);
    EXPECT_EQ(e.G, c.id);
    EXPECT_EQ(e.Elem, c.elem);
    EXPECT_EQ(e.HPg, c.hpg);
    EXPECT_EQ(e.SP, c.sp);
    EXPECT_EQ(e.Atkg, c.atkg);
    EXPECT_EQ(e.Defg, c.defg);
    EXPECT_EQ(e.Magg, c.magg);
    EXPECT_EQ(e.Mov, c.mov);
    EXPECT_EQ(e.SumT, c.sumT);
    EXPECT_EQ(e.SumC, c.sumC);
    EXPECT_EQ(e.SumK, c.sumK);
    EXPECT_EQ(e.ZOC, c.zoc);
    EXPECT_EQ(e.Ab.toVector(), c.abilities);
    EXPECT_EQ(e.TU, c.tu);
    if (!c.skills.empty()) {
      EXPECT_EQ(e.Sk.toVector(), c.skills);
      EXPECT_EQ(learnedSkills(e), c.learned);
    }
  }
}

TEST_F(CreatureCatalogue, LuciferHasTwentyThreeSkillsThreeLearned) {
  EXPECT_EQ(entry(20).Sk.size(), 23u);
  EXPECT_EQ(learnedCount(entry(20)), 3);
}

TEST_F(CreatureCatalogue, FamiliarRowsAsTabled) {
  struct FamiliarCase {
    int id;
    std::string name;
    i32 g, elem, hpg, sp, atkg, defg, magg, mov, sumT, zoc;
    std::vector<i32> skills;
    std::vector<i32> abilities;
  };
  const FamiliarCase cases[] = {
      {201, "ブラッドゴーレム", 121, 0, 40, 10, 60, 60, 60, 0, 1, 1, {0}, {196}},
      {206, "ゴースト", 126, 0, 35, 15, 45, 45, 70, 3, 1, 0, {9, 27}, {82, 341}},
      {208, "岩", 128, 4, 50, 10, 10, 100, 10, 0, 0, 0, {0}, {246, 323}},
      {209, "インプ", 129, 0, 45, 10, 60, 60, 80, 5, 1, 1, {9, 25, 26}, {81}},
  };
  for (const FamiliarCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Tcst& e = entry(c.id);
    EXPECT_EQ(e.Name, c.name);
    EXPECT_EQ(e.G, c.g);
    EXPECT_EQ(e.Elem, c.elem);
    EXPECT_EQ(e.HPg, c.hpg);
    EXPECT_EQ(e.SP, c.sp);
    EXPECT_EQ(e.Atkg, c.atkg);
    EXPECT_EQ(e.Defg, c.defg);
    EXPECT_EQ(e.Magg, c.magg);
    EXPECT_EQ(e.Mov, c.mov);
    EXPECT_EQ(e.SumT, c.sumT);
    EXPECT_EQ(e.ZOC, c.zoc);
    EXPECT_EQ(e.Sk.toVector(), c.skills);
    EXPECT_EQ(e.Ab.toVector(), c.abilities);
  }
}

TEST_F(CreatureCatalogue, EmptySlotEntryHasNoElementAndOneUnlearnedEmptySkill) {
  const Tcst& e = entry(0);
  EXPECT_EQ(e.Name, "無し");
  EXPECT_EQ(e.Elem, NoElement);
  EXPECT_EQ(e.G + e.Lv + e.Exp + e.HPg + e.SP + e.Atkg + e.Defg + e.Magg + e.Mov, 0);
  EXPECT_EQ(e.SumT + e.SumC + e.SumK + e.ZOC + e.TU, 0);
  EXPECT_EQ(e.Sk.toVector(), std::vector<i32>{0});
  EXPECT_EQ(e.SkL.toVector(), std::vector<byte>{0});
  EXPECT_TRUE(e.Ab.empty());
}

TEST_F(CreatureCatalogue, KetsubanAloneAmongCreaturesHasNoElement) {
  for (int i = 1; i <= kLastCreature; ++i) {
    EXPECT_EQ(entry(i).Elem == NoElement, i == 57) << i;
  }
}

TEST_F(CreatureCatalogue, OnlyOdinKetsubanAndYggdrasilNeverMove) {
  for (int i = 1; i <= kLastCreature; ++i) {
    EXPECT_EQ(entry(i).Mov == 0, i == 44 || i == 57 || i == 61) << i;
  }
}

TEST_F(CreatureCatalogue, UsableAbilitiesBelongToTheirHolders) {
  const std::vector<std::pair<int, i32>> holders = {{2, 2}, {8, 6}, {17, 10}, {35, 5}, {46, 3}, {57, 4}, {70, 9}, {84, 7}};
  for (int i = 1; i <= kLastCreature; ++i) {
    i32 expected = 0;
    for (auto [id, tu] : holders) {
      if (id == i) expected = tu;
    }
    EXPECT_EQ(entry(i).TU, expected) << i;
  }
}

// --- masters ---

TEST_F(CreatureCatalogue, MasterGrowthByCharacterAndJob) {
  struct MasterCase {
    int character, job;
    i32 hpg, atkg, defg, magg, mov, zoc;
  };
  const MasterCase cases[] = {
      {0, Warrior, 140, 130, 130, 90, 5, 1},       {0, SpiritUser, 120, 110, 110, 120, 6, 1},
      {2, Mage, 125, 90, 95, 170, 5, 1},           {6, Knight, 150, 110, 125, 80, 2, 1},
      {9, Assassin, 50, 110, 40, 30, 5, 0},        {9, Healer, 75, 30, 60, 75, 4, 0},
      {10, Knight, 140, 105, 140, 90, 4, 1},
  };
  for (const MasterCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.character << "/" << c.job);
    const Tcst& e = entry(masterEntry(c.character, c.job));
    EXPECT_EQ(e.HPg, c.hpg);
    EXPECT_EQ(e.Atkg, c.atkg);
    EXPECT_EQ(e.Defg, c.defg);
    EXPECT_EQ(e.Magg, c.magg);
    EXPECT_EQ(e.Mov, c.mov);
    EXPECT_EQ(e.ZOC, c.zoc);
  }
  EXPECT_EQ(entry(masterEntry(0, Warrior)).Name, "アリス");
  EXPECT_EQ(entry(masterEntry(10, Hunter)).Name, "ｱﾘｽ_ｴﾈﾙｹﾞｲｱ");
  EXPECT_EQ(entry(323).G, 180);
}

TEST_F(CreatureCatalogue, MasterAbilitiesFollowCharacterAndJob) {
  struct AbilityCase {
    int character, job;
    std::vector<i32> abilities, states;
    i32 tu;
  };
  const AbilityCase cases[] = {
      {0, Warrior, {83, 84, 85, 86, 241}, {1, 2, 2, 2, 2}, 0},          // アリス: the job's first one learned
      {0, Knight, {145, 288, 289, 292, 310}, {2, 2, 2, 2, 1}, 0},
      {2, SpiritUser, {7, 50, 51, 67, 282}, {1, 2, 2, 2, 2}, 0},       // リリィ likewise
      {1, Mage, {401}, {0}, 0},                                          // ルエリア: only her own
      {9, Hunter, {400}, {0}, 0},                                        // チーゼル: only his own
      {3, Hunter, {402, 88, 129, 130, 241, 271}, {0, 2, 2, 2, 2, 2}, 0}, // エンジュ: own, then the five
      {4, Assassin, {405, 87, 91, 130, 131, 241}, {0, 2, 2, 2, 2, 2}, 0},
      {6, Healer, {406, 67, 70, 85, 289, 310}, {0, 2, 2, 2, 2, 2}, 0},
      {7, Warrior, {404, 83, 84, 85, 86, 241}, {0, 2, 2, 2, 2, 2}, 0},
      {8, Mage, {403, 67, 85, 259, 271, 272}, {0, 2, 2, 2, 2, 2}, 0},
      {5, Knight, {145, 288, 289, 292, 310}, {2, 2, 2, 2, 2}, 11},      // ミレット: usable ability instead
      {10, Warrior, {83, 84, 85, 86, 241}, {2, 2, 2, 2, 2}, 12},
  };
  for (const AbilityCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.character << "/" << c.job);
    const Tcst& e = entry(masterEntry(c.character, c.job));
    EXPECT_EQ(e.Ab.toVector(), c.abilities);
    EXPECT_EQ(e.AbL.toVector(), c.states);
    EXPECT_EQ(e.TU, c.tu);
  }
}

TEST_F(CreatureCatalogue, EveryMasterStartsWithOneOfItsTwoAbilitySlotsUsed) {
  for (int i = kFirstMaster; i < kCreatureCount; ++i) {
    const Tcst& e = entry(i);
    int held = e.TU != 0 ? 1 : 0;
    for (i32 state : e.AbL) held += state == 0 || state == 1 ? 1 : 0;
    EXPECT_EQ(held, 1) << i;
  }
}

TEST_F(CreatureCatalogue, CharactersOfOneJobShareOneSkillList) {
  for (int job = 0; job < 7; ++job) {
    const Tcst& first = entry(masterEntry(0, job));
    for (int c = 1; c < 11; ++c) {
      const Tcst& other = entry(masterEntry(c, job));
      EXPECT_TRUE(other.Sk.sharesWith(first.Sk)) << c << "/" << job;
      EXPECT_FALSE(other.SkL.sharesWith(first.SkL)) << c << "/" << job;
      EXPECT_FALSE(other.Ab.sharesWith(first.Ab)) << c << "/" << job;
      EXPECT_FALSE(other.AbL.sharesWith(first.AbL)) << c << "/" << job;
      EXPECT_EQ(other.SkL.toVector(), first.SkL.toVector()) << "every character starts with the job's skills";
    }
    for (int other = job + 1; other < 7; ++other) {
      EXPECT_FALSE(entry(masterEntry(0, other)).Sk.sharesWith(first.Sk)) << job << " and " << other;
    }
  }
}

TEST_F(CreatureCatalogue, LearningOnOneWarriorLeavesAnotherWarriorAlone) {
  Tcst& alice = d->creatures[masterEntry(0, Warrior)];
  Tcst& ruelia = d->creatures[masterEntry(1, Warrior)];
  ASSERT_EQ(alice.Sk[1], 202);
  ASSERT_EQ(alice.SkL[1], 0);
  alice.SkL[1] = 1;
  EXPECT_EQ(ruelia.SkL[1], 0);
  EXPECT_EQ(ruelia.Sk[1], 202);
}

TEST_F(CreatureCatalogue, CreaturesNeverShareLists) {
  for (int i = 1; i <= kLastCreature; ++i) {
    for (int j = i + 1; j <= kLastCreature; ++j) {
      EXPECT_FALSE(entry(i).Sk.sharesWith(entry(j).Sk)) << i << " and " << j;
      EXPECT_FALSE(entry(i).SkL.sharesWith(entry(j).SkL)) << i << " and " << j;
    }
  }
}

TEST_F(CreatureCatalogue, LearnedSkillsAtStartStayWithinLimits) {
  for (int i = 1; i <= kLastCreature; ++i) {
    int n = learnedCount(entry(i));
    EXPECT_GE(n, 1) << i << ": a creature needs a skill to act";
    EXPECT_LE(n, 4) << i;
  }
  for (int i = kFirstMaster; i < kCreatureCount; ++i) {
    int n = learnedCount(entry(i));
    EXPECT_GE(n, 1) << i;
    EXPECT_LE(n, 5) << i;
  }
}

// --- every creature can fight from the first battle on ---

TEST_F(CreatureCatalogue, EveryCreatureStartsWithADamagingSkill) {
  for (int i = 1; i <= kLastCreature; ++i) {
    bool damaging = false;
    for (i32 id : learnedSkills(entry(i))) damaging |= d->skills[id].Power > 0;
    EXPECT_TRUE(damaging) << i << " " << entry(i).Name;
  }
}

TEST_F(CreatureCatalogue, CreaturesThatNeverMoveStartWithARangedAttack) {
  for (int i = 1; i <= kLastCreature; ++i) {
    if (entry(i).Mov != 0) continue;
    bool ranged = false;
    for (i32 id : learnedSkills(entry(i))) ranged |= d->skills[id].Power > 0 && d->skills[id].Range >= 2;
    EXPECT_TRUE(ranged) << i << " " << entry(i).Name;
  }
}

// Skills of another element lose a fifth of their power, so an elemental
// creature must be able to learn damage of its own element.
TEST_F(CreatureCatalogue, ElementalCreaturesCanLearnDamageOfTheirElement) {
  for (int i = 1; i <= kLastCreature; ++i) {
    const Tcst& e = entry(i);
    if (e.Elem == None || e.Elem == NoElement) continue;
    bool own = false;
    for (i32 id : e.Sk) own |= d->skills[id].Power > 0 && d->skills[id].Elem == e.Elem;
    EXPECT_TRUE(own) << i << " " << e.Name;
  }
}

TEST_F(CreatureCatalogue, NoTwoCreaturesLearnTheSameList) {
  std::set<std::vector<i32>> lists;
  for (int i = 1; i <= kLastCreature; ++i) {
    std::vector<i32> ids = entry(i).Sk.toVector();
    std::sort(ids.begin(), ids.end());
    EXPECT_TRUE(lists.insert(ids).second) << i << " " << entry(i).Name;
  }
}

// --- references into the other catalogues ---

TEST_F(CreatureCatalogue, EverySkillInAListExistsAndIsNamed) {
  for (int i = 0; i < kCreatureCount; ++i) {
    for (i32 id : entry(i).Sk) {
      ASSERT_GE(id, 0) << i;
      ASSERT_LT(id, kSkillCount) << i;
      if (id == 0) {
        EXPECT_TRUE(i == 0 || isFamiliar(i)) << i << ": only empty lists hold skill 0";
        continue;
      }
      EXPECT_FALSE(d->skills[id].Name.empty()) << i << " lists unnamed skill " << id;
      EXPECT_NE(id, 157) << i << ": X位置交換 is in no list";
      EXPECT_NE(id, 283) << i << ": Xテレキネシス is in no list";
    }
  }
}

TEST_F(CreatureCatalogue, CreaturesLearnCreatureSkillsAndMastersJobSkills) {
  for (int i = 0; i < kCreatureCount; ++i) {
    for (i32 id : entry(i).Sk) {
      if (isMaster(i)) {
        EXPECT_GE(id, 201) << i;
      } else if (id == 206) {
        EXPECT_EQ(i, 24) << "ファイアブレイド is スルト's";
      } else if (id == 207) {
        EXPECT_EQ(i, 43) << "アイスブレイド is プロケル's";
      } else {
        EXPECT_LE(id, 193) << i;
      }
    }
  }
}

TEST_F(CreatureCatalogue, NoListRepeatsASkill) {
  for (int i = 0; i < kCreatureCount; ++i) {
    std::vector<i32> ids = entry(i).Sk.toVector();
    EXPECT_EQ(std::set<i32>(ids.begin(), ids.end()).size(), ids.size()) << i;
  }
}

TEST_F(CreatureCatalogue, EveryAbilityExistsAndIsNamed) {
  for (int i = 0; i < kCreatureCount; ++i) {
    const Tcst& e = entry(i);
    for (i32 id : e.Ab) {
      ASSERT_GT(id, 0) << i;
      ASSERT_LT(id, kAbilityCount) << i;
      EXPECT_FALSE(d->abilities[id].Name.empty()) << i << " holds unnamed ability " << id;
    }
    ASSERT_GE(e.TU, 0) << i;
    ASSERT_LT(e.TU, kSpecialCount) << i;
    if (e.TU != 0) {
      EXPECT_FALSE(d->specials[e.TU].Name.empty()) << i;
    }
  }
}

// The skills the stage definitions give creatures must be ones they can learn.
TEST_F(CreatureCatalogue, StageSkillsAreLearnable) {
  const std::vector<std::pair<int, std::vector<i32>>> given = {
      {36, {1, 72}},         // 雪ん子
      {24, {3, 206, 53}},    // スルト
      {73, {3, 118, 6}},     // 麒麟
      {40, {72}},            // ウェンディゴ
      {6, {3, 7, 91, 117}},  // ネビロス
  };
  for (const auto& [id, skills] : given) {
    std::vector<i32> list = entry(id).Sk.toVector();
    for (i32 s : skills) {
      EXPECT_NE(std::find(list.begin(), list.end(), s), list.end()) << entry(id).Name << " cannot learn " << s;
    }
  }
}

// --- the new-game refill ---

TEST(CreatureRefill, RestoresTheTableAfterProgressAndSetsLevelTen) {
  std::unique_ptr<Tdeta> d = filledCatalogues();
  std::unique_ptr<Tdeta> fresh = filledCatalogues();

  // A played game: skills learned and forgotten, abilities learned and
  // forgotten, levels and experience gained.
  Tcst& kou = d->creatures[25];
  kou.SkL[0] = 1;  // learned 9
  kou.SkL[1] = 0;  // forgot 10
  d->creatures[61].SkL[20] = 1;
  Tcst& aliceWarrior = d->creatures[masterEntry(0, Warrior)];
  aliceWarrior.SkL[1] = 1;  // learned 202
  aliceWarrior.SkL[0] = 0;  // forgot 201
  aliceWarrior.AbL[0] = 2;  // forgot the starting ability
  aliceWarrior.AbL[2] = 1;  // learned another
  Tcst& enjuKnight = d->creatures[masterEntry(3, Knight)];
  enjuKnight.AbL[3] = 1;
  enjuKnight.SkL[5] = 1;
  for (Tcst& e : d->creatures) {
    e.Lv = 37;
    e.Exp = 55;
  }

  d->RefillCreaturesForNewGame();

  for (int i = 0; i < kCreatureCount; ++i) {
    SCOPED_TRACE(i);
    const Tcst& got = d->creatures[i];
    const Tcst& want = fresh->creatures[i];
    EXPECT_EQ(got.Lv, 10) << "every entry, even unused ones";
    EXPECT_EQ(got.Exp, want.Exp);
    EXPECT_EQ(got.Name, want.Name);
    EXPECT_EQ(got.Sk.toVector(), want.Sk.toVector());
    EXPECT_EQ(got.SkL.toVector(), want.SkL.toVector());
    EXPECT_EQ(got.Ab.toVector(), want.Ab.toVector());
    EXPECT_EQ(got.AbL.toVector(), want.AbL.toVector());
  }
  for (int job = 0; job < 7; ++job) {
    EXPECT_TRUE(d->creatures[masterEntry(10, job)].Sk.sharesWith(d->creatures[masterEntry(0, job)].Sk))
        << "the job lists are shared again after the refill";
  }
}

}  // namespace
}  // namespace sorvane
