// Skill side effects: ailments with their chances and resistances, cures,
// stat and status changes, the user's own effects, the special-effect kinds,
// the abilities of damaging and finishing hits, and the skills that summon
// familiars, reshape terrain, change the weather or teleport.
#include <utility>
#include <vector>

#include "skill_fixture.h"

namespace sorvane::testing {
namespace {


class SideEffectTest : public SkillFixture {
 protected:
  // A special skill without damage (unless given power) that always hits one unit.
  Twst& testSkill(i32 power = 0) { return SkillFixture::testSkill(power, None, 1); }

  Tkst& plain(int i, int type, int x, int y, i32 lv = 20) { return SkillFixture::plain(i, type, x, y, lv, 200); }

  // Both masters, the user (creature 1 on (5, 5)) and the target (creature 17 on (6, 5)).
  void duel() {
    fillGrid(state.unitAt, i32{-1});
    presenter.calls.clear();
    plain(0, masterEntry(0, Warrior), 2, 2);
    plain(16, masterEntry(1, Mage), 16, 12);
    plain(1, kPlainCreature, 5, 5);
    plain(17, kPlainCreature, 6, 5);
  }

  void hitTarget() { use(1, kTestSkill, {{6, 5}}); }

  // One AI trial of `skillId` by `user`: fresh working copy, simulating set.
  void simulate(int user, int skillId, std::initializer_list<std::pair<int, int>> cells, void (Battle::*step)() = &Battle::skillA_s1) {
    state.simulating = 1;
    battle.curSkill = skillId;
    battle.curUser = user;
    ASSERT_TRUE(battle.findCell(state.unitAt, user, battle.userX, battle.userY));
    aim(cells);
    state.copyToWork();
    (battle.*step)();
  }

  size_t shown(const std::string& line) { return presenter.matching(line).size(); }
};

// ---------------------------------------------------------------------------
// Ailments.

TEST_F(SideEffectTest, PoisonChanceAddsTheAddedEffectRate) {
  // Poison 30 % from a user with an added-effect rate of 25: drawn with 55.
  int poisoned = 0, spared = 0;
  for (std::uint64_t seed = 1; seed <= 60; ++seed) {
    duel();
    k(1).ProcB = 25;
    Twst& sk = testSkill();
    sk.AilV[0] = 1;
    sk.AilC[0] = 30;
    state.rng.Seed(seed);
    RandomGenerator expected(seed);
    expected.Random(100);  // the hit
    const bool lands = expected.Random(100) < 55;

    hitTarget();

    EXPECT_EQ(k(17).Poison, lands ? 1 : 0) << seed;
    (lands ? poisoned : spared)++;
  }
  EXPECT_GT(poisoned, 0);
  EXPECT_GT(spared, 0);
}

TEST_F(SideEffectTest, TrialAlwaysPoisonsWithoutDrawing) {
  duel();
  Twst& sk = testSkill();
  sk.AilV[0] = 1;
  sk.AilC[0] = 1;
  const auto rng = state.rng.state();
  simulate(1, kTestSkill, {{6, 5}});
  EXPECT_EQ(state.D->kw[17].Poison, 1);
  EXPECT_EQ(k(17).Poison, 0);
  EXPECT_EQ(state.rng.state(), rng);
}

TEST_F(SideEffectTest, StatusShieldStopsTheFirstAilmentOnly) {
  duel();
  k(17).StatusShield = 2;
  Twst& sk = testSkill();
  sk.AilV[0] = 1;  // poison
  sk.AilC[0] = 100;
  sk.AilV[4] = 3;  // paralysis
  sk.AilC[4] = 100;

  hitTarget();

  EXPECT_EQ(k(17).Poison, 0);
  EXPECT_EQ(k(17).Paralysis, 3);
  EXPECT_EQ(k(17).StatusShield, 0);
  EXPECT_EQ(presenter.matching("LAnime 17"),
            (std::vector<std::string>{"LAnime 17 4500 状態シールド", "LAnime 17 2000 麻痺"}));
}

TEST_F(SideEffectTest, AilmentOnlyRaisesAStatus) {
  duel();
  k(17).Frostbite = 4;
  Twst& sk = testSkill();
  sk.AilV[1] = 3;
  sk.AilC[1] = 100;
  hitTarget();
  EXPECT_EQ(k(17).Frostbite, 4);
  EXPECT_EQ(shown("LAnime 17 2000"), 0u);
}

TEST_F(SideEffectTest, CureNeedsNoHit) {
  duel();
  k(17).Poison = 1;
  Twst& sk = testSkill();
  sk.Hit = 0;
  sk.AilC[0] = 100;  // a chance without a value cures
  hitTarget();
  EXPECT_EQ(k(17).Poison, 0);
  EXPECT_EQ(shown("LAnime 17 3000 毒"), 1u);
  EXPECT_EQ(shown("LAnime 17 6000"), 0u);  // nothing to miss
}

TEST_F(SideEffectTest, EveryAilmentAndItsResistance) {
  struct Case {
    int ailment;
    int resistance;
  } cases[] = {
      {0, 301}, {1, 302}, {2, 303}, {2, 341}, {3, 304}, {3, 342}, {4, 305},
      {5, 306}, {6, 307}, {7, 307}, {8, 308}, {9, 309},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(kStatusNames[c.ailment]) + " " + state.D->abilityName(c.resistance));
    duel();
    Twst& sk = testSkill();
    sk.AilV[c.ailment] = 2;
    sk.AilC[c.ailment] = 100;
    abilities(17, {c.resistance});
    hitTarget();
    EXPECT_EQ(k(17).status(c.ailment), 0);
    EXPECT_EQ(shown("LAnime 17 9000 " + state.D->abilityName(c.resistance)), 1u);

    // Without the resistance it lands.
    duel();
    hitTarget();
    EXPECT_EQ(k(17).status(c.ailment), 2);
    EXPECT_EQ(shown("LAnime 17 2000 " + std::string(kStatusNames[c.ailment])), 1u);
  }
}

TEST_F(SideEffectTest, AilmentsWithoutTheirOwnResistance) {
  // Curse spares only masters; seal, lock-on and parasite have no resistance of their own.
  for (int ailment : {10, 11, 12, 13}) {
    SCOPED_TRACE(kStatusNames[ailment]);
    duel();
    Twst& sk = testSkill();
    sk.AilV[ailment] = 1;
    sk.AilC[ailment] = 100;
    abilities(17, {301, 302, 305, 309});
    hitTarget();
    EXPECT_EQ(k(17).status(ailment), 1);
  }
  duel();
  Twst& sk = testSkill();
  sk.AilV[10] = 1;
  sk.AilC[10] = 100;
  use(1, kTestSkill, {{16, 12}});
  EXPECT_EQ(k(16).Curse, 0);
  EXPECT_EQ(shown("LAnime 16 9000 呪い無効"), 1u);
}

TEST_F(SideEffectTest, FullResistancesStopEveryAilmentWithOneName) {
  for (int ability : {310, 323}) {
    duel();
    Twst& sk = testSkill(10);
    sk.Hits = 2;
    sk.AilV[0] = 1;
    sk.AilC[0] = 100;
    sk.AilV[12] = 1;
    sk.AilC[12] = 100;
    abilities(17, {ability});
    hitTarget();
    EXPECT_EQ(k(17).Poison, 0);
    EXPECT_EQ(k(17).LockOn, 0);
    EXPECT_EQ(shown("LAnime 17 9000 " + state.D->abilityName(ability)), 1u);  // first hit only
  }
}

TEST_F(SideEffectTest, DestinyRefusesUncertainAilments) {
  for (i32 chance : {99, 100}) {
    duel();
    Twst& sk = testSkill();
    sk.AilV[0] = 1;
    sk.AilC[0] = chance;
    abilities(17, {399});
    hitTarget();
    EXPECT_EQ(k(17).Poison, chance >= 100 ? 1 : 0) << chance;
  }
}

TEST_F(SideEffectTest, AilmentCopyGivesTheUserTheSame) {
  duel();
  Twst& sk = testSkill();
  sk.AilV[3] = 4;  // darkness
  sk.AilC[3] = 100;
  abilities(17, {285});
  hitTarget();
  EXPECT_EQ(k(17).Darkness, 4);
  EXPECT_EQ(k(1).Darkness, 4);
  EXPECT_EQ(shown("LAnime 17 9000 [状態異常コピー]"), 1u);
}

// ---------------------------------------------------------------------------
// Stat and status changes.

TEST_F(SideEffectTest, LoweredAndRaisedStats) {
  duel();
  k(17).Atk = 40;
  Twst& sk = testSkill();
  sk.TgtAtkV = -10;
  sk.TgtAtkC = 100;
  sk.TgtMovV = -1;
  sk.TgtMovC = 100;
  hitTarget();
  EXPECT_EQ(k(17).AtkB, -10);
  EXPECT_EQ(k(17).MovB, -1);
  EXPECT_EQ(shown("LAnime 17 -4 攻撃力"), 1u);
  EXPECT_EQ(shown("LAnime 17 -1 移動"), 1u);

  // [ステータス耐性] stops the lowering but not the raising; raising needs no hit.
  duel();
  abilities(17, {322});
  sk = testSkill();
  sk.TgtAtkV = -10;
  sk.TgtAtkC = 100;
  hitTarget();
  EXPECT_EQ(k(17).AtkB, 0);
  sk.TgtAtkV = 20;
  sk.Hit = 0;
  hitTarget();
  EXPECT_EQ(k(17).AtkB, 20);
}

TEST_F(SideEffectTest, StatusChangesAreGivenAndTakenWithoutARoll) {
  duel();
  k(17).SpecShield = 1;
  Twst& sk = testSkill();
  sk.ChgV[4] = 2;  // physical shield
  sk.ChgC[4] = 100;
  sk.ChgC[5] = 100;  // removes the special shield
  hitTarget();
  EXPECT_EQ(k(17).PhysShield, 2);
  EXPECT_EQ(k(17).SpecShield, 0);
  EXPECT_EQ(shown("LAnime 17 4000 物理シールド"), 1u);
  EXPECT_EQ(shown("LAnime 17 4500 特殊シールド"), 1u);

  duel();
  abilities(17, {323});
  hitTarget();
  EXPECT_EQ(k(17).PhysShield, 0);
  EXPECT_EQ(shown("LAnime 17 9000 [完全耐性]"), 1u);
}

TEST_F(SideEffectTest, UsersOwnEffects) {
  duel();
  Twst& sk = testSkill();
  sk.SelfAtkV = 10;
  sk.SelfAtkC = 100;
  sk.SelfHPV = 50;
  sk.SelfHPC = 100;
  k(1).HP = 50;
  k(1).HealRes = 20;
  hitTarget();
  EXPECT_EQ(k(1).AtkB, 10);
  EXPECT_EQ(k(1).HP, 50 + 100 * 80 / 100);
  EXPECT_EQ(k(1).HealRes, 30);

  // A skill that costs the user all its HP kills it after the skill.
  duel();
  sk = testSkill();
  sk.SelfHPV = -100;
  sk.SelfHPC = 100;
  hitTarget();
  EXPECT_EQ(k(1).State, Dead);
}

TEST_F(SideEffectTest, ZocGrowPaysTwiceTheZocInSp) {
  struct Case {
    i32 sp, zoc, spAfter, zocAfter;
  } cases[] = {{30, 2, 30 - 4 - 2, 3}, {6, 2, 6 - 2, 2}};
  for (const Case& c : cases) {
    duel();
    k(1).SP = c.sp;
    k(1).ZOC = c.zoc;
    Twst& sk = testSkill();
    sk.Cost = 2;
    sk.Effect = 21;
    use(1, kTestSkill, {{5, 5}});
    EXPECT_EQ(k(1).SP, c.spAfter) << c.sp;
    EXPECT_EQ(k(1).ZOC, c.zocAfter) << c.sp;
  }
}

// ---------------------------------------------------------------------------
// Special-effect kinds.

TEST_F(SideEffectTest, HealingIsCutByHealingResistance) {
  duel();
  k(17).HP = 100;
  k(17).HealRes = 30;
  Twst& sk = testSkill();
  sk.Effect = 12;
  sk.Param = 15;
  hitTarget();
  // 200 × 15 / 100 = 30, × 70 / 100 = 21
  EXPECT_EQ(k(17).HP, 121);
  EXPECT_EQ(k(17).HealRes, 40);
  EXPECT_EQ(shown("LAnime 17 21 HP"), 1u);
}

TEST_F(SideEffectTest, HpKindsCanKill) {
  duel();
  Twst& sk = testSkill();
  sk.Effect = 12;
  sk.Param = -100;
  hitTarget();
  EXPECT_EQ(k(17).State, Dead);

  duel();
  k(17).HP = 80;
  sk = testSkill();
  sk.Effect = 2;
  sk.Param = -25;
  hitTarget();
  EXPECT_EQ(k(17).HP, 60);
}

TEST_F(SideEffectTest, SpKindLeavesAMasterOneSpAndKillsACreature) {
  duel();
  k(16).SP = 3;
  use(1, 185, {{16, 12}});  // 精神攻撃: SP −5
  EXPECT_EQ(k(16).SP, 1);
  EXPECT_EQ(k(16).State, OnField);

  duel();
  k(17).SP = 3;
  use(1, 185, {{6, 5}});
  EXPECT_EQ(k(17).SP, 0);
  EXPECT_EQ(k(17).State, Dead);
}

TEST_F(SideEffectTest, BuffResetAndNaturalize) {
  duel();
  k(17).AtkB = 20;
  k(17).HealRes = 30;
  k(17).Poison = 1;
  testSkill().Effect = 9;
  hitTarget();
  EXPECT_EQ(k(17).AtkB, 0);
  EXPECT_EQ(k(17).HealRes, 0);
  EXPECT_EQ(k(17).Poison, 1);
  EXPECT_EQ(presenter.matching("LAnime 17"),
            (std::vector<std::string>{"LAnime 17 4500 攻撃力変化", "LAnime 17 4500 回復耐性変化"}));

  duel();
  k(17).AtkB = 20;
  k(17).Poison = 1;
  k(17).Flight = 1;
  testSkill().Effect = 28;
  hitTarget();
  EXPECT_EQ(k(17).AtkB, 0);
  EXPECT_EQ(k(17).Poison, 0);
  EXPECT_EQ(k(17).Flight, 0);
  EXPECT_EQ(presenter.matching("LAnime 17"),
            (std::vector<std::string>{"LAnime 17 3000 毒", "LAnime 17 4500 飛行", "LAnime 17 4500 攻撃力変化"}));
}

TEST_F(SideEffectTest, RatesActionsAndEnchantments) {
  struct Case {
    i32 effect, param;
    i32 Tkst::*field;
    i32 gain;
  } cases[] = {
      {1, 1, &Tkst::HitB, 10}, {1, 2, &Tkst::EvaB, 5},  {1, 3, &Tkst::ProcB, 15}, {1, 4, &Tkst::CritB, 15},
      {10, 0, &Tkst::SummonN, 1}, {20, 1, &Tkst::Atk, 10}, {20, 3, &Tkst::Mag, 10},
  };
  for (const Case& c : cases) {
    duel();
    const i32 before = k(17).*c.field;
    Twst& sk = testSkill();
    sk.Effect = c.effect;
    sk.Param = c.param;
    hitTarget();
    EXPECT_EQ(k(17).*c.field - before, c.gain) << c.effect << "/" << c.param;
  }
}

TEST_F(SideEffectTest, SummonTimeCanCompleteASummon) {
  duel();
  Tkst& t = k(17);
  t.State = BeingSummoned;
  t.SumT = 3;
  t.SumTC = 1;
  Twst& sk = testSkill();
  sk.Effect = 14;
  sk.Param = -1;
  sk.Target = 9;
  hitTarget();
  EXPECT_EQ(k(17).SumT, 2);
  EXPECT_EQ(k(17).State, OnField);
  EXPECT_EQ(shown("KAnime 17 1"), 1u);
  EXPECT_EQ(battle.curTarget, -1);  // an enemy's summon is not shown in the panel
}

TEST_F(SideEffectTest, ElementKinds) {
  duel();
  k(1).Elem = Fire;
  testSkill().Effect = 24;
  hitTarget();
  EXPECT_EQ(k(17).Elem, Fire);
  EXPECT_EQ(shown("LAnime 17 10001 炎"), 1u);
  hitTarget();  // the same element again fails
  EXPECT_EQ(shown("LAnime 17 6000"), 1u);

  duel();
  k(17).Elem = Water;
  testSkill().Effect = 25;
  hitTarget();
  EXPECT_EQ(k(1).Elem, Water);
}

TEST_F(SideEffectTest, ZocKinds) {
  duel();
  k(17).ZOC = 3;
  testSkill().Effect = 26;
  hitTarget();
  EXPECT_EQ(k(17).ZOC, 0);
  EXPECT_EQ(k(1).SP, 30 - 6);

  struct Case {
    i32 zoc, after;
    bool fails;
  } cases[] = {{2, 1, false}, {0, 0, true}};
  for (const Case& c : cases) {
    duel();
    k(17).ZOC = c.zoc;
    Twst& sk = testSkill();
    sk.Effect = 27;
    sk.Param = -1;
    hitTarget();
    EXPECT_EQ(k(17).ZOC, c.after);
    EXPECT_EQ(shown("LAnime 17 6000"), c.fails ? 1u : 0u);
  }
}

TEST_F(SideEffectTest, AbilitySwapSparesMasters) {
  duel();
  abilities(1, {81});
  abilities(17, {301, 302});
  k(17).TU = 3;
  k(17).TUN = 2;
  testSkill().Effect = 17;
  hitTarget();
  EXPECT_EQ(k(1).TNS, "[毒耐性][凍傷耐性]");
  EXPECT_EQ(k(17).TNS, "[飛行]");
  EXPECT_EQ(k(1).TU, 3);
  EXPECT_EQ(k(1).TUN, 2);

  use(1, kTestSkill, {{16, 12}});
  EXPECT_EQ(shown("LAnime 16 6000"), 1u);
}

// ---------------------------------------------------------------------------
// Abilities of damaging and finishing hits.

TEST_F(SideEffectTest, DamageReceivedAbilities) {
  duel();
  k(1).Atk = 50;
  k(17).Def = 25;
  testSkill(60).Special = 0;  // physical: attack 50 against defence 25, 24 damage
  abilities(17, {147});  // [カウンター]
  hitTarget();
  EXPECT_EQ(k(17).HP, 200 - 24);
  EXPECT_EQ(k(1).HP, 200 - 6);

  duel();
  k(1).Atk = 50;
  k(17).Def = 25;
  k(17).HP = 70;
  abilities(17, {146});  // [再生]: at a quarter or less it heals a quarter
  hitTarget();
  EXPECT_EQ(k(17).HP, 70 - 24 + 50);
}

TEST_F(SideEffectTest, CounterAilmentsLandOnTheUserInATrial) {
  duel();
  testSkill(10);
  abilities(17, {152, 158});  // poison and sleep counters
  simulate(1, kTestSkill, {{6, 5}});
  EXPECT_EQ(state.D->kw[1].Poison, 1);
  EXPECT_EQ(state.D->kw[1].Sleep, 16);
  EXPECT_EQ(k(1).Poison, 0);

  duel();
  abilities(1, {310});
  abilities(17, {152});
  simulate(1, kTestSkill, {{6, 5}});
  EXPECT_EQ(state.D->kw[1].Poison, 0);
}

TEST_F(SideEffectTest, DamageDealtAbilitiesGrowWithEveryHit) {
  duel();
  abilities(1, {121});
  testSkill(10).Hits = 3;
  hitTarget();
  EXPECT_EQ(k(1).AtkB, 15);
}

TEST_F(SideEffectTest, FinishingBlowAbilities) {
  struct Case {
    const char* what;
    i32 userAbility, victimAbility;
    bool userIsMaster;
    i32 hp, curse, atkB;
  } cases[] = {
      {"[死亡ダメージ] halves the killer's HP", 0, 195, false, 100, 0, 0},
      {"[怨念] curses a creature", 0, 199, false, 200, 1, 0},
      {"[怨念] spares a master", 0, 199, true, 200, 0, 0},
      {"[トドメHP回復] heals a quarter", 171, 0, false, 150, 0, 0},
      {"[トドメ攻撃アップ]", 172, 0, false, 200, 0, 25},
      {"[死亡攻撃ダウン] unless [ステータス耐性]", 322, 191, false, 200, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    duel();
    const int user = c.userIsMaster ? 0 : 1;
    if (c.userIsMaster) {
      state.unitAt[2][2] = -1;
      state.unitAt[5][5] = 0;
      state.unitAt[4][4] = 1;
    }
    k(user).HP = c.hp == 150 ? 100 : 200;
    abilities(user, {c.userAbility});
    abilities(17, {c.victimAbility});
    k(17).HP = 1;
    testSkill(10);
    use(user, kTestSkill, {{6, 5}});
    EXPECT_EQ(k(17).State, Dead);
    EXPECT_EQ(k(user).HP, c.hp);
    EXPECT_EQ(k(user).Curse, c.curse);
    EXPECT_EQ(k(user).AtkB, c.atkB);
  }
}

// ---------------------------------------------------------------------------
// Familiars, terrain, weather and teleport.

TEST_F(SideEffectTest, FamiliarSummoningFillsTheFirstFreeSlot) {
  struct Case {
    int skill;
    i32 type;
    const char* abilities;
    i32 TAI::*weight;
    i32 TAI::*second;
  } cases[] = {
      {39, 204, "", &TAI::HpW, nullptr},
      {41, 206, "[霊体][反重力]", &TAI::MagW, nullptr},
      {300, 209, "[飛行]", &TAI::AtkW, &TAI::DefW},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    duel();
    for (int i = 7; i <= 15; ++i) state.SetK(i, 0, 0);
    k(0).Lv = 17;
    use(0, c.skill, {{3, 2}});
    const Tkst& f = k(7);
    EXPECT_EQ(f.Type, c.type);
    EXPECT_EQ(f.Kind, KindFamiliar);
    EXPECT_EQ(f.Team, 1);
    EXPECT_EQ(f.Lv, 17);
    EXPECT_EQ(f.State, OnField);
    EXPECT_EQ(state.unitAt[3][2], 7);
    EXPECT_EQ(f.TNS, c.abilities);
    const Tcst& entry = state.D->creatures[c.type];
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(f.W.at(i), entry.Sk.at(i)) << i;
    EXPECT_EQ(f.AI.*c.weight, 10);
    if (c.second) {
      EXPECT_EQ(f.AI.*c.second, 10);
    }
    EXPECT_GE(f.AI.Axis, 0);
    EXPECT_LT(f.AI.Axis, 3);
    EXPECT_EQ(shown("KAnime 7 4"), 1u);
    EXPECT_EQ(shown("SE 21"), 1u);
  }
}

TEST_F(SideEffectTest, DecoyWearsItsMastersPicture) {
  duel();
  for (int i = 7; i <= 15; ++i) state.SetK(i, 0, 0);
  use(0, 281, {{3, 2}});
  EXPECT_EQ(k(7).Type, 207);
  EXPECT_EQ(k(7).G, k(0).G);
}

TEST_F(SideEffectTest, FamiliarsGetTheirOwnSkillLists) {
  duel();
  for (int i = 7; i <= 15; ++i) state.SetK(i, 0, 0);
  use(0, 39, {{3, 2}, {3, 3}});
  EXPECT_EQ(k(7).Type, 204);
  EXPECT_EQ(k(8).Type, 204);
  EXPECT_EQ(state.unitAt[3][3], 8);
  EXPECT_FALSE(k(7).W.sharesWith(k(8).W));
}

TEST_F(SideEffectTest, FamiliarSummoningFailsWithNineFamiliars) {
  duel();
  for (int i = 7; i <= 15; ++i) state.SetK(i, 204, 10);
  use(0, 39, {{3, 2}});
  EXPECT_EQ(state.unitAt[3][2], -1);
  EXPECT_EQ(shown("LAnime 0 6000"), 1u);
}

TEST_F(SideEffectTest, TrialSummonPlacesOneFamiliarOnTheWorkingCopyOnly) {
  duel();
  for (int i = 7; i <= 15; ++i) state.SetK(i, 0, 0);
  const auto live = state.D->k;
  const auto rng = state.rng.state();
  simulate(0, 39, {{3, 2}, {3, 3}}, &Battle::skillA_s2);
  EXPECT_EQ(state.D->kw[7].Type, 204);
  EXPECT_EQ(state.D->kw[7].State, OnField);
  EXPECT_EQ(state.unitAtW[3][2], 7);
  EXPECT_EQ(state.D->kw[8].Type, 0);
  EXPECT_EQ(state.unitAtW[3][3], -1);
  for (int i = 0; i < kUnitCount; ++i) {
    EXPECT_EQ(k(i).Type, live[i].Type) << i;
    EXPECT_EQ(k(i).State, live[i].State) << i;
  }
  EXPECT_EQ(state.unitAt[3][2], -1);
  EXPECT_EQ(state.rng.state(), rng);
  EXPECT_TRUE(presenter.calls.empty());
}

TEST_F(SideEffectTest, TerrainSkills) {
  struct Case {
    int skill;
    i32 before, after;
  } cases[] = {
      {67, 1, 2}, {67, 2, 3}, {67, 3, 3}, {67, 0, 2}, {67, 9, 2},  // 炎の渦: 焼野原, deepening into マグマ
      {289, 1, 3}, {289, 2, 3},                                    // 地形操作炎: マグマ
  };
  for (const Case& c : cases) {
    duel();
    state.terrain[8][8] = c.before;
    use(0, c.skill, {{8, 8}});
    EXPECT_EQ(state.terrain[8][8], c.after) << c.skill << " on " << c.before;
  }
}

TEST_F(SideEffectTest, WeatherSkill) {
  duel();
  use(0, 66, {{2, 2}});  // 熱波
  EXPECT_EQ(state.weather, HeatWave);
  EXPECT_EQ(shown("DLAnime 天気:熱波 700"), 1u);
  presenter.calls.clear();
  use(0, 66, {{2, 2}});
  EXPECT_TRUE(presenter.matching("DLAnime").empty());
}

TEST_F(SideEffectTest, TeleportSwapsTheUserWithTheCell) {
  duel();
  use(1, 282, {{6, 5}});
  EXPECT_EQ(state.unitAt[6][5], 1);
  EXPECT_EQ(state.unitAt[5][5], 17);
  EXPECT_EQ(presenter.matching("KAnime"), (std::vector<std::string>{"KAnime 1 5", "KAnime 17 5"}));

  duel();
  use(1, 282, {{9, 9}});
  EXPECT_EQ(state.unitAt[9][9], 1);
  EXPECT_EQ(state.unitAt[5][5], -1);
}

}  // namespace
}  // namespace sorvane::testing
