// Skill resolution: the damage formula and its order of truncation, the
// element table, hits, critical hits, evasion, the use's bookkeeping and the
// AI's trial resolution on the working copy.
#include <algorithm>
#include <cstring>
#include <functional>
#include <ostream>
#include <utility>
#include <vector>

#include "skill_fixture.h"

namespace sorvane::testing {
namespace {

constexpr int kRockMountain = 9, kPlain = 1;

// Every number of a unit record, and whether its names and skill list are the same.
std::vector<i32> snapshot(const Tkst& u) {
  std::vector<i32> v = {u.G, u.Type, u.Team, u.Kind, u.Master, u.Elem, u.Lv, u.Exp, u.HPMax, u.HP, u.SPMax, u.SP,
                        u.Atk, u.AtkB, u.AtkP, u.Def, u.DefB, u.DefP, u.Mag, u.MagB, u.MagP, u.Mov, u.MovB, u.MovP,
                        u.SH, u.SumT, u.SumTC, u.SumC, u.SumK, u.ZOC, u.MoveN, u.SkillN, u.SummonN, u.SpecialN,
                        u.State, u.CritB, u.CritP, u.HitB, u.HitP, u.EvaB, u.EvaP, u.ProcB, u.ProcP, u.TU, u.TUN,
                        u.HealRes, u.AI.HpW, u.AI.Axis};
  for (int i = 0; i < kStatusCount; ++i) v.push_back(u.status(i));
  for (i32 id : u.TN) v.push_back(id);
  for (i32 id : u.W) v.push_back(id);
  v.push_back(static_cast<i32>(std::hash<std::string>{}(u.TNS.str() + "|" + u.N.str())));
  return v;
}

class SkillTest : public SkillFixture {
 protected:
  // Both masters on an empty field.
  void standardSides() {
    fillGrid(state.unitAt, i32{-1});
    plain(0, masterEntry(0, Warrior), 2, 2);
    plain(16, masterEntry(1, Mage), 16, 12);
  }

  // What the AI does for one trial: a fresh working copy and skillA_s1 with
  // `simulating` set.
  void simulate(int user, int skillId, std::initializer_list<std::pair<int, int>> cells) {
    state.simulating = 1;
    battle.curSkill = skillId;
    battle.curUser = user;
    ASSERT_TRUE(battle.findCell(state.unitAt, user, battle.userX, battle.userY));
    aim(cells);
    state.copyToWork();
    battle.skillA_s1();
  }

  std::vector<std::string> hpLines(int u) { return presenter.matching("LAnime " + std::to_string(u) + " "); }
};

// ---------------------------------------------------------------------------
// Base damage: ((Lv × power) / 100 × A) / D, each division truncating in
// that order, then terrain, element and clamps.

struct DamageCase {
  const char* what;
  i32 lv, power, userElem, skillElem, atk, def, terrain, targetElem;
  i32 damage;
};

void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.what; }

class DamageFormula : public SkillTest, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamageFormula, TakesTheRightHp) {
  const DamageCase& c = GetParam();
  standardSides();
  Tkst& user = plain(1, kPlainCreature, 5, 5, c.lv);
  user.Elem = c.userElem;
  user.Atk = c.atk;
  Tkst& target = plain(17, kPlainCreature, 6, 5);
  target.Def = c.def;
  target.Elem = c.targetElem;
  target.HPMax = target.HP = 2000;
  state.terrain[6][5] = c.terrain;
  testSkill(c.power, c.skillElem);

  use(1, kTestSkill, {{6, 5}});

  EXPECT_EQ(k(17).HP, 2000 - c.damage) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Skills, DamageFormula,
    ::testing::Values(
        DamageCase{"level 20, power 60, attack 50 against 25", 20, 60, None, None, 50, 25, kPlain, None, 24},
        // 20 × 48 / 100 = 9 before the attack is applied; 20 × 48 × 50 / 100 / 25 would be 19
        DamageCase{"another element: power 48", 20, 60, Fire, None, 50, 25, kPlain, None, 18},
        // 15 × 50 / 100 = 7, × 33 / 10 = 23; without the first truncation it would be 24
        DamageCase{"the level-power product is truncated first", 15, 50, None, None, 33, 10, kPlain, None, 23},
        DamageCase{"never above 999", 50, 160, None, None, 999, 1, kPlain, None, 999},
        DamageCase{"never below 1", 1, 1, None, None, 1, 999, kPlain, None, 1},
        DamageCase{"rocky ground takes 85 %", 41, 100, None, None, 50, 50, kRockMountain, None, 34},
        DamageCase{"strong element 160", 20, 60, Fire, Fire, 50, 25, kPlain, Ice, 38},
        DamageCase{"resisted element 70", 20, 60, Fire, Fire, 50, 25, kPlain, Water, 16},
        // 45 × 85 / 100 = 38 first, then × 160 / 100 = 60; the other way round it would be 61
        DamageCase{"terrain is truncated before the element", 45, 100, Fire, Fire, 50, 50, kRockMountain, Ice, 60}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST_F(SkillTest, CriticalOnRockyGroundIsTruncatedBeforeTheTerrain) {
  standardSides();
  Tkst& user = plain(1, kPlainCreature, 5, 5, 41);
  user.Atk = 50;
  Tkst& target = plain(17, kPlainCreature, 6, 5);
  target.Def = 50;
  state.terrain[6][5] = kRockMountain;
  testSkill(100).Crit = 100;

  use(1, kTestSkill, {{6, 5}});

  // G = 41; 41 × 3 / 2 = 61; 61 × 85 / 100 = 51
  EXPECT_EQ(k(17).HP, 500 - 51);
  EXPECT_EQ(presenter.matching("LAnime 17 5000").size(), 1u);
}

TEST_F(SkillTest, CriticalComesBeforeTheTerrain) {
  standardSides();
  Tkst& user = plain(1, kPlainCreature, 5, 5, 45);
  user.Atk = 50;
  Tkst& target = plain(17, kPlainCreature, 6, 5);
  target.Def = 50;
  state.terrain[6][5] = kRockMountain;
  testSkill(100).Crit = 100;

  use(1, kTestSkill, {{6, 5}});

  // 45 × 3 / 2 = 67, × 85 / 100 = 56; terrain first would give 38 × 3 / 2 = 57
  EXPECT_EQ(k(17).HP, 500 - 56);
}

TEST_F(SkillTest, ElementTableInFull) {
  // rows: skill element 無 炎 氷 木 地 雷 水; columns: target element in the same order
  const i32 expected[7][7] = {
      {100, 100, 100, 100, 100, 100, 100},  // 無
      {100, 70, 160, 100, 100, 100, 70},    // 炎: strong against 氷, resisted by 炎 and 水
      {100, 70, 70, 160, 100, 100, 100},    // 氷
      {100, 100, 70, 70, 160, 100, 100},    // 木
      {100, 100, 100, 70, 70, 160, 100},    // 地
      {100, 100, 100, 100, 70, 70, 160},    // 雷
      {100, 160, 100, 100, 100, 70, 70},    // 水
  };
  for (i32 s = 0; s < 7; ++s)
    for (i32 t = 0; t < 7; ++t)
      EXPECT_EQ(Battle::elementMultiplier(s, t), expected[s][t]) << kElementNames[s] << " against " << kElementNames[t];
}

TEST_F(SkillTest, ElementNotesOnTheFirstHitOnly) {
  standardSides();
  Tkst& user = plain(1, kPlainCreature, 5, 5);
  user.Elem = Fire;
  plain(17, kPlainCreature, 6, 5).Elem = Ice;
  testSkill(60, Fire).Hits = 3;

  use(1, kTestSkill, {{6, 5}});

  EXPECT_EQ(presenter.matching("LAnime 17 7000 弱点属性").size(), 1u);
  EXPECT_EQ(presenter.matching("LAnime 17 -").size(), 3u);
}

TEST_F(SkillTest, MasterTakesLessForEachOwnUnitOnTheField) {
  // Same number of creatures on both sides: 160 − 3 × 8 − 1 × 2 = 134.
  plain(0, masterEntry(0, Warrior), 2, 2);
  Tkst& master = plain(16, masterEntry(1, Mage), 10, 5);
  master.Elem = Ice;
  master.HPMax = master.HP = 2000;
  master.Def = 50;
  for (int i = 17; i <= 19; ++i) plain(i, kPlainCreature, 14, i - 10);
  plain(23, 204, 15, 1);  // a familiar of the enemy master
  ASSERT_EQ(k(23).Kind, KindFamiliar);
  for (int i = 1; i <= 3; ++i) plain(i, kPlainCreature, 3, i + 5, 50);
  Tkst& user = k(1);
  user.Elem = Fire;
  user.Atk = 100;
  user.HPMax = user.HP = 500;
  state.unitAt[3][6] = -1;
  state.unitAt[9][5] = 1;
  testSkill(100, Fire);

  use(1, kTestSkill, {{10, 5}});

  // G = 50 × 100 / 100 × 100 / 50 = 100
  EXPECT_EQ(k(16).HP, 2000 - 134);
}

TEST_F(SkillTest, SideWithFewerCreaturesHitsHarder) {
  standardSides();
  Tkst& user = plain(1, kPlainCreature, 5, 5, 50);
  user.Atk = 100;
  Tkst& target = plain(17, kPlainCreature, 6, 5);
  target.Def = 50;
  plain(18, kPlainCreature, 10, 10);
  plain(19, kPlainCreature, 10, 11);
  testSkill(100);

  use(1, kTestSkill, {{6, 5}});

  // one creature against three: balance −2, multiplier 100 + 16
  EXPECT_EQ(battle.creatureBalance, -2);
  EXPECT_EQ(k(17).HP, 500 - 116);
}

TEST_F(SkillTest, WaterAbsorberHealsTheDamageItWouldTake) {
  standardSides();
  Tkst& user = plain(1, kPlainCreature, 5, 5, 1);
  user.Elem = Water;
  Tkst& target = plain(17, kPlainCreature, 6, 5);
  target.Def = 999;
  target.HP = 400;
  abilities(17, {284});
  testSkill(1, Water);

  use(1, kTestSkill, {{6, 5}});

  // clamped to 1, then turned into a 1-HP heal
  EXPECT_EQ(k(17).HP, 401);
  EXPECT_EQ(k(17).HealRes, 10);
  EXPECT_EQ(presenter.matching("LAnime 17 1 HP").size(), 1u);
}

TEST_F(SkillTest, DestinyIsNeverTouchedBelowCertainHit) {
  standardSides();
  plain(1, kPlainCreature, 5, 5);
  plain(17, kPlainCreature, 6, 5);
  abilities(17, {399});
  testSkill(60).Hit = 99;
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    state.rng.Seed(seed);
    k(1).SkillN = 1;
    use(1, kTestSkill, {{6, 5}});
  }
  EXPECT_EQ(k(17).HP, 500);
}

TEST_F(SkillTest, DestinyTakesNoCriticalBelowCertainCritical) {
  standardSides();
  Tkst& user = plain(1, kPlainCreature, 5, 5);
  user.Atk = 50;
  plain(17, kPlainCreature, 6, 5).Def = 25;
  abilities(17, {399});
  testSkill(60).Crit = 99;
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    state.rng.Seed(seed);
    use(1, kTestSkill, {{6, 5}});
  }
  EXPECT_EQ(k(17).HP, 500 - 20 * 24);
  EXPECT_TRUE(presenter.matching("LAnime 17 5000").empty());
}

TEST_F(SkillTest, LockOnDoublesTheCriticalChance) {
  standardSides();
  plain(1, kPlainCreature, 5, 5);
  plain(17, kPlainCreature, 6, 5).LockOn = 1;
  testSkill(60).Crit = 50;
  use(1, kTestSkill, {{6, 5}});
  EXPECT_EQ(presenter.matching("LAnime 17 5000").size(), 1u);
}

TEST_F(SkillTest, CriticalGuardOfTheMasterProtectsItsUnits) {
  standardSides();
  plain(1, kPlainCreature, 5, 5);
  plain(17, kPlainCreature, 6, 5);
  abilities(16, {289});
  testSkill(60).Crit = 100;
  use(1, kTestSkill, {{6, 5}});
  EXPECT_TRUE(presenter.matching("LAnime 17 5000").empty());
}

TEST_F(SkillTest, MultiHitStopsOnDeathAndTheAreaGoesOn) {
  standardSides();
  Tkst& user = plain(1, kPlainCreature, 5, 5, 50);
  user.Atk = 100;
  plain(17, kPlainCreature, 6, 5).HP = 5;
  plain(18, kPlainCreature, 6, 6);
  Twst& sk = testSkill(20);
  sk.Hits = 3;
  sk.Area = 2;

  use(1, kTestSkill, {{6, 5}, {6, 6}});

  EXPECT_EQ(k(17).State, Dead);
  EXPECT_EQ(presenter.matching("LAnime 17 -").size(), 1u);
  EXPECT_EQ(presenter.matching("LAnime 18 -").size(), 3u);
  EXPECT_EQ(battle.killCount, 1);
  EXPECT_EQ(state.D->records.recMaxKills, 1);
}

TEST_F(SkillTest, ParalysedUseKeepsItsSpButLosesTheUse) {
  // Seeds whose first draw fails (below 30) and succeeds (30 or more).
  auto seedWhere = [](bool fails) {
    for (std::uint64_t seed = 1;; ++seed) {
      RandomGenerator g(seed);
      if ((g.Random(100) < 30) == fails) return seed;
    }
  };
  for (bool fails : {true, false}) {
    SCOPED_TRACE(fails ? "fails" : "acts");
    standardSides();
    Tkst& user = plain(1, kPlainCreature, 5, 5);
    user.Paralysis = 2;
    user.SkillN = 1;
    plain(17, kPlainCreature, 6, 5);
    testSkill(60).Cost = 3;
    state.rng.Seed(seedWhere(fails));
    presenter.calls.clear();

    use(1, kTestSkill, {{6, 5}});

    EXPECT_EQ(k(1).SkillN, 0);
    EXPECT_EQ(k(1).SP, fails ? 30 : 27);
    EXPECT_EQ(k(17).HP < 500, !fails);
    EXPECT_EQ(presenter.matching("LAnime 1 2000 麻痺").size(), fails ? 1u : 0u);
  }
}

TEST_F(SkillTest, UseSpendsSpAndActions) {
  struct Case {
    const char* what;
    i32 flinch;
    bool sluggish;
    i32 moveBefore;
    i32 moveLeft;
  } cases[] = {
      {"a plain use spends the skill only", 0, false, 1, 1},
      {"a flinching user also spends its move", 1, false, 1, 0},
      {"[鈍足] also spends the move", 0, true, 1, 0},
      {"flinch and [鈍足] spend the move once", 1, true, 1, 0},
      // A move already made leaves no move to take: the count stays at 0.
      {"a flinching user that has moved", 1, false, 0, 0},
      {"a [鈍足] user that has moved", 0, true, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    standardSides();
    Tkst& user = plain(1, kPlainCreature, 5, 5);
    user.MoveN = c.moveBefore;
    user.SkillN = 1;
    user.Flinch = c.flinch;
    if (c.sluggish) abilities(1, {345});
    plain(17, kPlainCreature, 6, 5);
    testSkill(10).Cost = 4;
    use(1, kTestSkill, {{6, 5}});
    EXPECT_EQ(k(1).SP, 26);
    EXPECT_EQ(k(1).SkillN, 0);
    EXPECT_EQ(k(1).MoveN, c.moveLeft);
  }
}

// Stats far beyond the game's must not wrap the damage round to its minimum:
// level x power x attack is formed in 64 bits and the damage held at 999.
TEST_F(SkillTest, HugeStatsDealTheMostDamageNotTheLeast) {
  standardSides();
  Tkst& user = plain(1, kPlainCreature, 5, 5, 999);
  user.Atk = 99999;
  user.AtkB = 99999;
  plain(17, kPlainCreature, 6, 5, 20, 5000);
  testSkill(200);
  use(1, kTestSkill, {{6, 5}});
  EXPECT_EQ(k(17).HP, 5000 - 999);
}

TEST_F(SkillTest, PayingTheLastSpKillsTheUserAfterTheSkill) {
  standardSides();
  Tkst& user = plain(1, kPlainCreature, 5, 5);
  user.SP = 4;
  plain(17, kPlainCreature, 6, 5);
  testSkill(10).Cost = 4;

  use(1, kTestSkill, {{6, 5}});

  EXPECT_LT(k(17).HP, 500);  // the skill resolved first
  EXPECT_EQ(k(1).SP, 0);
  EXPECT_EQ(k(1).State, Dead);
  EXPECT_EQ(state.unitAt[5][5], -1);
  EXPECT_EQ(presenter.matching("KAnime 1 0").size(), 1u);
}

TEST_F(SkillTest, SimpleHitFeedbackAndRecords) {
  standardSides();
  Tkst& user = plain(1, kPlainCreature, 5, 5);
  user.Atk = 50;
  plain(17, kPlainCreature, 6, 5).Def = 25;
  testSkill(60);
  presenter.recordRedraws = true;

  use(1, kTestSkill, {{6, 5}});

  const auto& calls = presenter.calls;
  auto at = [&](const std::string& line) { return std::find(calls.begin(), calls.end(), line) - calls.begin(); };
  const auto hit = at("LAnime 17 -24 HP");
  ASSERT_LT(hit, static_cast<long>(calls.size()));
  ASSERT_GE(hit, 2);
  EXPECT_EQ(calls[hit - 2], "MapPaint");
  EXPECT_EQ(calls[hit - 1], "scrollTo 6 5");
  EXPECT_GT(at("unitPanel 17"), hit);
  EXPECT_GT(at("skillPanel 194"), at("unitPanel 17"));
  EXPECT_EQ(presenter.matching("LAnime"), std::vector<std::string>{"LAnime 17 -24 HP"});

  const RecordCounters& r = state.D->records;
  EXPECT_EQ(r.recSkills, 1);
  EXPECT_EQ(r.recDamageDealt, 24);
  EXPECT_EQ(r.recMaxDamage, 24);
  EXPECT_EQ(r.recDamageTaken, 0);
}

TEST_F(SkillTest, EnemyHitCountsAsDamageTaken) {
  standardSides();
  plain(17, kPlainCreature, 6, 5).Atk = 50;
  plain(1, kPlainCreature, 5, 5).Def = 25;
  testSkill(60);
  use(17, kTestSkill, {{5, 5}});
  EXPECT_EQ(state.D->records.recDamageTaken, 24);
  EXPECT_EQ(state.D->records.recDamageDealt, 0);
  EXPECT_EQ(state.D->records.recSkills, 0);
}

TEST_F(SkillTest, MissIsShownForADamagingSkill) {
  standardSides();
  plain(1, kPlainCreature, 5, 5);
  plain(17, kPlainCreature, 6, 5);
  testSkill(60).Hit = 0;
  use(1, kTestSkill, {{6, 5}});
  EXPECT_EQ(k(17).HP, 500);
  EXPECT_EQ(presenter.matching("LAnime 17 6000").size(), 1u);
}

TEST_F(SkillTest, TargetRules) {
  struct Case {
    i32 rule;
    bool self, ally, enemy, flyingEnemy;
  } cases[] = {
      {0, true, true, true, true},   {1, false, true, true, true},  {2, true, true, true, false},
      {3, false, true, true, false}, {10, true, true, true, true},  {11, false, false, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    standardSides();
    plain(1, kPlainCreature, 5, 5);
    plain(2, kPlainCreature, 5, 6);
    plain(17, kPlainCreature, 6, 5);
    plain(18, kPlainCreature, 6, 6).Flight = 1;
    state.copyToWork();
    battle.resolving = 1;
    battle.curUser = 1;
    EXPECT_EQ(battle.targetRulePasses(c.rule, 1), c.self);
    EXPECT_EQ(battle.targetRulePasses(c.rule, 2), c.ally);
    EXPECT_EQ(battle.targetRulePasses(c.rule, 17), c.enemy);
    EXPECT_EQ(battle.targetRulePasses(c.rule, 18), c.flyingEnemy);
  }
  // 8: the user's own master only; 9: also units being summoned; 4: locked on
  standardSides();
  plain(1, kPlainCreature, 5, 5);
  plain(17, kPlainCreature, 6, 5).State = BeingSummoned;
  plain(18, kPlainCreature, 6, 6).LockOn = 2;
  state.copyToWork();
  battle.resolving = 1;
  battle.curUser = 1;
  EXPECT_TRUE(battle.targetRulePasses(8, 0));
  EXPECT_FALSE(battle.targetRulePasses(8, 16));
  EXPECT_FALSE(battle.targetRulePasses(0, 17));
  EXPECT_TRUE(battle.targetRulePasses(9, 17));
  EXPECT_TRUE(battle.targetRulePasses(4, 18));
  EXPECT_FALSE(battle.targetRulePasses(4, 1));

  // The command menu asks before anything resolves: live records, selected unit.
  battle.resolving = 0;
  battle.curUser = 17;
  state.selUnit = 1;
  state.D->kw[18].LockOn = 0;
  EXPECT_FALSE(battle.targetRulePasses(1, 1));
  EXPECT_TRUE(battle.targetRulePasses(4, 18));
}

TEST_F(SkillTest, CoverAndGuardTakeTheBlow) {
  // [かばう]: the enemy master within its ZOC takes the blow meant for its creature.
  standardSides();
  plain(1, kPlainCreature, 5, 5);
  Tkst& master = plain(16, masterEntry(1, Mage), 8, 5);
  master.ZOC = 2;
  abilities(16, {288});
  state.unitAt[16][12] = -1;
  plain(17, kPlainCreature, 7, 5);
  testSkill(60);
  use(1, kTestSkill, {{7, 5}});
  EXPECT_EQ(k(17).HP, 500);
  EXPECT_LT(k(16).HP, 500);

  // [守護]: a guard next to the targeted master takes the blow.
  presenter.calls.clear();
  abilities(16, {});
  k(16).HP = 500;
  abilities(17, {286});
  k(1).SkillN = 1;
  use(1, kTestSkill, {{8, 5}});
  EXPECT_EQ(k(16).HP, 500);
  EXPECT_LT(k(17).HP, 500);
  EXPECT_EQ(presenter.matching("LAnime 17 9000 [守護]").size(), 1u);
}

TEST_F(SkillTest, KnockBackPushesOneCellUnlessBlockedOrAtTheEdge) {
  struct Case {
    int targetX;
    bool blocker;
    int endX;
  } cases[] = {{6, false, 7}, {6, true, 6}, {17, false, 17}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.targetX);
    standardSides();
    plain(1, kPlainCreature, c.targetX - 1, 5);
    plain(17, kPlainCreature, c.targetX, 5);
    if (c.blocker) plain(18, kPlainCreature, c.targetX + 1, 5);
    testSkill(10).Effect = 7;
    use(1, kTestSkill, {{c.targetX, 5}});
    int x = -1, y = -1;
    ASSERT_TRUE(battle.findCell(state.unitAt, 17, x, y));
    EXPECT_EQ(x, c.endX);
  }
}

TEST_F(SkillTest, ChargeRushesNextToTheTargetOrMisses) {
  standardSides();
  plain(1, kPlainCreature, 2, 5);
  plain(17, kPlainCreature, 5, 5);
  testSkill(30).Effect = 13;
  use(1, kTestSkill, {{5, 5}});
  EXPECT_EQ(state.unitAt[4][5], 1);
  EXPECT_EQ(state.unitAt[2][5], -1);
  EXPECT_LT(k(17).HP, 500);

  // The cell before the target is taken: a miss, and the user stays.
  standardSides();
  plain(2, kPlainCreature, 2, 8);
  plain(18, kPlainCreature, 4, 8);
  plain(19, kPlainCreature, 5, 8);
  use(2, kTestSkill, {{5, 8}});
  EXPECT_EQ(state.unitAt[2][8], 2);
  EXPECT_EQ(k(19).HP, 500);
  EXPECT_EQ(presenter.matching("LAnime 19 6000").size(), 1u);
}

TEST_F(SkillTest, DrainAndRecoil) {
  for (i32 param : {100, -65}) {
    SCOPED_TRACE(param);
    standardSides();
    Tkst& user = plain(1, kPlainCreature, 5, 5);
    user.Atk = 50;
    user.HP = 300;
    plain(17, kPlainCreature, 6, 5).Def = 25;
    Twst& sk = testSkill(60);
    sk.Effect = 3;
    sk.Param = param;
    use(1, kTestSkill, {{6, 5}});
    EXPECT_EQ(k(1).HP, 300 + 24 * param / 100);
  }
}

TEST_F(SkillTest, TrialResolutionLeavesTheLiveStateAlone) {
  standardSides();
  Tkst& user = plain(1, kPlainCreature, 5, 5);
  user.Atk = 50;
  plain(17, kPlainCreature, 6, 5).HP = 3;
  plain(18, kPlainCreature, 6, 6).Def = 25;
  Twst& sk = testSkill(60);
  sk.Area = 2;
  sk.Crit = 100;
  sk.Hit = 50;
  sk.AilV[0] = 1;  // poison
  sk.AilC[0] = 1;
  sk.SelfHPV = -100;
  sk.SelfHPC = 1;

  const auto live = state.D->k;
  const auto liveGrid = state.unitAt;
  const RecordCounters records = state.D->records;
  const auto rng = state.rng.state();

  simulate(1, kTestSkill, {{6, 5}, {6, 6}});

  // Everything landed on the working copy, without a critical hit.
  EXPECT_LE(state.D->kw[17].HP, 0);
  EXPECT_EQ(state.D->kw[18].HP, 500 - 24 * 108 / 100);  // one creature against two
  EXPECT_EQ(state.D->kw[18].Poison, 1);
  EXPECT_LE(state.D->kw[1].HP, 0);
  EXPECT_EQ(battle.hitRate, 50);
  EXPECT_EQ(battle.critRate, 100);

  // ...and nothing anywhere else.
  for (int i = 0; i < kUnitCount; ++i) EXPECT_EQ(snapshot(state.D->k[i]), snapshot(live[i])) << i;
  EXPECT_EQ(state.unitAt, liveGrid);
  EXPECT_EQ(std::memcmp(&state.D->records, &records, sizeof records), 0);
  EXPECT_EQ(state.rng.state(), rng);
  EXPECT_TRUE(presenter.calls.empty());
}

TEST_F(SkillTest, TrialHitNeedsEvasionBelow500) {
  standardSides();
  plain(1, kPlainCreature, 5, 5);
  plain(17, kPlainCreature, 6, 5);
  abilities(17, {257});  // [近距離技回避]
  testSkill(60);
  simulate(1, kTestSkill, {{6, 5}});
  EXPECT_EQ(state.D->kw[17].HP, 500);
}

}  // namespace
}  // namespace sorvane::testing
