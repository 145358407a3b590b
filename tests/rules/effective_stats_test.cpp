// Effective values, the effective-stat pass and the acting unit's selection.
#include "battle_fixture.h"

namespace sorvane::testing {
namespace {

// Ability ids used below.
constexpr i32 kGuardFire = 1, kAllyStatsUp = 7, kUndeadUp = 8, kUndeadDown = 9, kForestNymph = 10,
              kNymphBlessing = 13, kMasterHitUp = 15, kMasterStatsUp = 16, kLimiter = 41, kRooted = 42,
              kBinding = 43, kPoisonAtkUp = 45, kAilmentStatsUp = 47, kDyingAtkUp = 48, kDyingDefUp = 49,
              kAirFusion = 50, kSoilFusion = 51, kPoisonImmune = 301, kGravityImmune = 303, kActionImmune = 307,
              kAilmentImmune = 310, kStatsFixed = 321, kTotalImmune = 323, kAntiGravity = 341, kEvilEye = 342,
              kAutoFollow = 344, kFate = 399, kLastStand = 402;

// --- effective() ---------------------------------------------------------------

struct EffectiveCase {
  i32 base, buff, passive, expected;
};

TEST(EffectiveValue, ClampsTheSumAtMinus75TruncatesAndKeepsAtLeastOne) {
  const EffectiveCase cases[] = {
      {100, -60, -40, 25},  // -100 % clamps to -75 %
      {1, -50, 0, 1},       // never below 1
      {1, 0, -10, 1},
      {33, 10, 0, 36},      // 33 * 10 / 100 = 3, truncated
      {33, 5, 5, 36},       // the sum first, then one division
      {7, -10, 0, 7},       // -70 / 100 truncates toward zero, to 0
      {10, -75, -10, 3},    // 10 - 7
      {40, 300, 0, 160},    // no upper limit
      {0, 50, 0, 1},
  };
  for (const EffectiveCase& c : cases)
    EXPECT_EQ(Battle::effective(c.base, c.buff, c.passive), c.expected)
        << c.base << " " << c.buff << " " << c.passive;
}

// --- setHosei ------------------------------------------------------------------

class HoseiTest : public BattleFixture {
 protected:
  // A unit of the given element with no abilities, on (x, y).
  Tkst& unit(int i, int x, int y, i32 elem = 0, i32 type = 25) {
    Tkst& u = put(i, type, 10, x, y);
    u.Team = i < 16 ? 1 : 2;
    u.Elem = elem;
    abilities(i, {});
    return u;
  }
  struct Passives {
    i32 atk, def, mag, mov;
  };
  Passives passives(int i) { return {k(i).AtkP, k(i).DefP, k(i).MagP, k(i).MovP}; }
};

TEST_F(HoseiTest, FireOnMagmaDuringHeatWaveWithItsOwnFireField) {
  unit(1, 4, 4, Fire);
  state.terrain[4][4] = 3;  // マグマ
  state.weather = HeatWave;
  state.zokuseiti1 = 3;  // 炎3
  battle.setHosei();
  EXPECT_EQ(k(1).AtkP, 25 + 10 + 10);
  EXPECT_EQ(k(1).DefP, 15 + 20);
  EXPECT_EQ(k(1).MagP, 15 + 10);
}

struct TerrainCase {
  i32 elem, terrain;
  i32 atk, def, mag, proc;
};

TEST_F(HoseiTest, TerrainFavoursAndWeakensByElement) {
  const TerrainCase cases[] = {
      {Fire, 2, 10, 10, 10, 0},     {Fire, 12, -5, -5, -5, 0},     {Fire, 13, -10, -10, -10, 0},
      {Ice, 5, 15, 15, 15, 20},     {Ice, 3, -10, -10, -10, 0},    {Wood, 7, 15, 15, 15, 0},
      {Wood, 4, -5, -5, -5, 0},     {Earth, 9, 15, 25, 15, 0},     {Earth, 7, -10, -10, -10, 0},
      {Thunder, 11, 10, 10, 10, 0}, {Thunder, 9, -10, -10, -10, 0}, {Water, 13, 15, 15, 25, 0},
      {Water, 11, -10, -10, -10, 0}, {None, 3, 0, 0, 0, 0},       {Fire, 1, 0, 0, 0, 0},
  };
  for (const TerrainCase& c : cases) {
    unit(1, 4, 4, c.elem);
    state.terrain[4][4] = c.terrain;
    battle.setHosei();
    EXPECT_EQ(k(1).AtkP, c.atk) << c.elem << " on " << c.terrain;
    EXPECT_EQ(k(1).DefP, c.def) << c.elem << " on " << c.terrain;
    EXPECT_EQ(k(1).MagP, c.mag) << c.elem << " on " << c.terrain;
    EXPECT_EQ(k(1).ProcP, c.proc) << c.elem << " on " << c.terrain;
  }
}

TEST_F(HoseiTest, WeatherFavoursItsOwnElementOnly) {
  unit(1, 4, 4, Earth);
  unit(2, 5, 4, Fire);
  state.weather = Clear;  // 快晴 favours wood
  k(1).Elem = Wood;
  battle.setHosei();
  EXPECT_EQ(k(1).MovP, 1);
  EXPECT_EQ(k(1).AtkP, 10);
  EXPECT_EQ(k(2).AtkP, 0);

  state.weather = Thunderstorm;
  k(1).Elem = Thunder;
  battle.setHosei();
  EXPECT_EQ(k(1).HitP, 20);
  EXPECT_EQ(k(1).MovP, 0);

  state.weather = Cloudy;  // 曇り favours nobody, not even element 0
  k(1).Elem = None;
  battle.setHosei();
  EXPECT_EQ(k(1).AtkP, 0);
}

TEST_F(HoseiTest, ElementFieldsOwnAndOther) {
  unit(1, 4, 4, Thunder);
  unit(17, 9, 9, Fire);
  state.zokuseiti1 = 17;  // 雷5
  state.zokuseiti2 = 8;   // 氷5 hurts the other team
  battle.setHosei();
  EXPECT_EQ(k(1).MovP, -1 - 1);
  EXPECT_EQ(k(1).AtkP, -10 - 15);
  EXPECT_EQ(k(17).AtkP, 0);  // team 2's own ice field does nothing for fire

  state.zokuseiti1 = 14;  // 地5: the other team is pulled down
  state.zokuseiti2 = 0;
  battle.setHosei();
  EXPECT_EQ(k(17).Gravity, 1);
  EXPECT_EQ(k(1).Gravity, 0);
}

TEST_F(HoseiTest, AirFusionTakesTheWeatherUnlessItsSideHasAField) {
  struct Case {
    i32 weather, field, expected;
  };
  const Case cases[] = {{Sunny, 0, 0}, {Cloudy, 0, 0}, {Thunderstorm, 0, Thunder}, {Rain, 3, Fire}};
  for (const Case& c : cases) {
    unit(1, 4, 4, Fire);
    abilities(1, {kAirFusion});
    state.weather = c.weather;
    state.zokuseiti1 = c.field;
    battle.setHosei();
    EXPECT_EQ(k(1).Elem, c.expected) << "weather " << c.weather << " field " << c.field;
  }
}

TEST_F(HoseiTest, SoilFusionTakesTheGroundBeforeTheTerrainBonus) {
  unit(1, 4, 4, Fire);
  abilities(1, {kSoilFusion});
  state.terrain[4][4] = 9;  // 岩山
  battle.setHosei();
  EXPECT_EQ(k(1).Elem, Earth);
  EXPECT_EQ(k(1).DefP, 25);
  // The element stays after the ability stops applying.
  abilities(1, {});
  state.terrain[4][4] = 1;
  battle.setHosei();
  EXPECT_EQ(k(1).Elem, Earth);
}

TEST_F(HoseiTest, NymphPairsRaiseEveryAlly) {
  unit(0, 0, 0);  // the side's master
  unit(1, 1, 0, Water, 93);  // ナイアス
  unit(2, 2, 0, Wood, 52);   // ドリュアス
  unit(3, 3, 0, Wood, 52);
  unit(4, 4, 0, Earth, 65);  // オレイアス
  unit(17, 9, 9);
  abilities(1, {kNymphBlessing});
  battle.setHosei();
  EXPECT_EQ(k(0).AtkP, 70);
  EXPECT_EQ(k(0).MovP, 4);
  EXPECT_EQ(k(1).MagP, 70);
  EXPECT_EQ(k(17).AtkP, 0);

  // Only a ナイアス gives it.
  abilities(1, {});
  abilities(2, {kNymphBlessing});
  battle.setHosei();
  EXPECT_EQ(k(0).AtkP, 0);

  // The single nymphs raise their partners.
  abilities(2, {kForestNymph});  // オレイアス and ナイアス
  battle.setHosei();
  EXPECT_EQ(k(4).AtkP, 20);
  EXPECT_EQ(k(1).AtkP, 20);
  EXPECT_EQ(k(3).AtkP, 0);
}

TEST_F(HoseiTest, AllyAndEnemyAbilities) {
  unit(0, 0, 0);
  unit(1, 1, 0, Fire);
  unit(7, 2, 0, 0, 204);  // スケルトン, a familiar
  unit(17, 9, 9, Fire);
  unit(18, 9, 8, 0, 205);  // ワイト
  abilities(1, {kGuardFire, kAllyStatsUp, kUndeadUp, kUndeadDown});
  battle.setHosei();
  EXPECT_EQ(k(1).AtkP, 5 + 10);
  EXPECT_EQ(k(0).AtkP, 10);
  EXPECT_EQ(k(7).AtkP, 10 + 50);
  EXPECT_EQ(k(7).MovP, 1);
  EXPECT_EQ(k(17).AtkP, 0);
  EXPECT_EQ(k(18).AtkP, -25);
  EXPECT_EQ(k(18).MovP, -1);

  k(7).State = BeingSummoned;  // only on-field allies count
  battle.setHosei();
  EXPECT_EQ(k(7).AtkP, 0);
}

TEST_F(HoseiTest, MasterAbilitiesOfCreaturesRaiseTheirMaster) {
  unit(0, 0, 0);
  unit(1, 1, 0);
  abilities(1, {kMasterHitUp, kMasterStatsUp});
  battle.setHosei();
  EXPECT_EQ(k(0).HitP, 25);
  EXPECT_EQ(k(0).AtkP, 30);
  EXPECT_EQ(k(0).MovP, 1);
  EXPECT_EQ(k(1).AtkP, 0);
}

TEST_F(HoseiTest, ForcedStatusesAndBindings) {
  unit(1, 1, 1);
  abilities(1, {kLimiter, kRooted, kBinding, kAntiGravity});
  k(1).Gravity = 3;
  battle.setHosei();
  EXPECT_EQ(k(1).SkillSeal, 2);
  EXPECT_EQ(k(1).Immobile, 2);
  EXPECT_EQ(k(1).AtkP, -25);
  EXPECT_EQ(k(1).MovP, -2);
  EXPECT_EQ(k(1).Flight, 1);
  EXPECT_EQ(k(1).Gravity, 0);

  unit(2, 2, 1);
  abilities(2, {kAutoFollow, kActionImmune});  // the immunity wins in the last pass
  battle.setHosei();
  EXPECT_EQ(k(2).Immobile, 0);
}

TEST_F(HoseiTest, QuarterHpBoundary) {
  unit(0, 0, 0);
  Tkst& u = unit(1, 1, 0);
  unit(17, 9, 9);
  unit(18, 9, 8);
  abilities(1, {kDyingAtkUp, kDyingDefUp, kLastStand});
  u.HPMax = 100;
  u.HP = 25;  // exactly a quarter
  battle.setHosei();
  // No dying bonus, but the last stand (one creature against two) applies.
  EXPECT_EQ(k(1).AtkP, 60);
  EXPECT_EQ(k(1).DefP, 60);
  EXPECT_EQ(k(1).MovP, 3);
  EXPECT_EQ(k(1).HitP, 30);
  EXPECT_EQ(k(1).EvaP, 30);

  u.HP = 24;
  battle.setHosei();
  EXPECT_EQ(k(1).AtkP, 60 + 40);
  EXPECT_EQ(k(1).DefP, 60 + 40);

  k(18).State = Waiting;  // one against one: the last stand turns against it
  battle.setHosei();
  EXPECT_EQ(k(1).AtkP, 40 - 20);
  EXPECT_EQ(k(1).DefP, 40 - 20);
  EXPECT_EQ(k(1).MovP, 0);
}

TEST_F(HoseiTest, FateRaisesCriticalHitAndEffectRates) {
  unit(1, 1, 0);
  abilities(1, {kFate});
  battle.setHosei();
  EXPECT_EQ(k(1).CritP, 100);
  EXPECT_EQ(k(1).HitP, 100);
  EXPECT_EQ(k(1).ProcP, 100);
}

TEST_F(HoseiTest, MasterCurseIsClearedButACreatureKeepsIt) {
  unit(0, 0, 0).Kind = KindMaster;
  k(0).Curse = 2;
  unit(1, 1, 0).Curse = 2;
  battle.setHosei();
  EXPECT_EQ(k(0).Curse, 0);
  EXPECT_EQ(k(1).Curse, 2);
}

struct ImmunityCase {
  i32 ability;
  int status;  // index in the status order
};

TEST_F(HoseiTest, ImmunitiesClearTheirStatus) {
  const ImmunityCase cases[] = {{301, 0}, {302, 1}, {303, 2}, {304, 3}, {305, 4}, {306, 5}, {307, 6},
                                {307, 7}, {308, 8}, {309, 9}, {341, 2}, {342, 3}};
  for (const ImmunityCase& c : cases) {
    unit(1, 1, 0);
    abilities(1, {c.ability});
    for (int i = 0; i < kAilmentCount; ++i) k(1).status(i) = 2;
    battle.setHosei();
    EXPECT_EQ(k(1).status(c.status), 0) << "ability " << c.ability;
    EXPECT_EQ(k(1).status(10), 2) << "ability " << c.ability;  // the curse stays
  }
}

TEST_F(HoseiTest, EvilEyeClearsDarknessAndRaisesHit) {
  unit(1, 1, 0).Darkness = 3;
  abilities(1, {kEvilEye});
  battle.setHosei();
  EXPECT_EQ(k(1).Darkness, 0);
  EXPECT_EQ(k(1).HitP, 35);  // and no darkness penalty
}

TEST_F(HoseiTest, AilmentImmunityClearsTheFourteenAilmentsOnly) {
  unit(1, 1, 0);
  abilities(1, {kAilmentImmune});
  for (int i = 0; i < kStatusCount; ++i) k(1).status(i) = 1;
  battle.setHosei();
  for (int i = 0; i < kAilmentCount; ++i) EXPECT_EQ(k(1).status(i), 0) << i;
  for (int i = kAilmentCount; i < kStatusCount; ++i) EXPECT_EQ(k(1).status(i), 1) << i;
}

TEST_F(HoseiTest, FixedStatsLoseModifiersButKeepStatusPenalties) {
  unit(1, 4, 4, Fire);
  state.terrain[4][4] = 3;
  abilities(1, {kStatsFixed, kPoisonAtkUp});
  k(1).AtkB = 30;
  k(1).Frostbite = 2;
  k(1).Poison = 1;
  battle.setHosei();
  EXPECT_EQ(k(1).AtkB, 0);
  EXPECT_EQ(k(1).AtkP, 30);   // only the poisoned bonus after the clearing
  EXPECT_EQ(k(1).DefP, 0);
  EXPECT_EQ(k(1).MovP, -1);   // frostbite
  EXPECT_EQ(k(1).Frostbite, 2);

  abilities(1, {kTotalImmune, kPoisonAtkUp, kAilmentStatsUp});
  k(1).AtkB = 30;
  k(1).Darkness = 1;
  k(1).PhysShield = 1;
  battle.setHosei();
  EXPECT_EQ(k(1).AtkB, 0);
  EXPECT_EQ(k(1).AtkP, 0);
  EXPECT_EQ(k(1).MovP, 0);
  EXPECT_EQ(k(1).HitP, 0);
  EXPECT_EQ(k(1).Frostbite, 0);
  EXPECT_EQ(k(1).PhysShield, 0);
}

TEST_F(HoseiTest, StatusBonusesAndPenalties) {
  unit(1, 1, 0);
  abilities(1, {kAilmentStatsUp});
  k(1).Parasite = 1;
  k(1).LockOn = 2;
  k(1).Darkness = 1;
  battle.setHosei();
  EXPECT_EQ(k(1).AtkP, 20);
  EXPECT_EQ(k(1).MagP, 20);
  EXPECT_EQ(k(1).EvaP, -25);
  EXPECT_EQ(k(1).HitP, -35);
}

TEST_F(HoseiTest, UnitsOffTheFieldOnlyHaveTheirPassivesReset) {
  Tkst& u = unit(1, 4, 4, Fire);
  state.terrain[4][4] = 3;
  abilities(1, {kAllyStatsUp, kLimiter});
  u.State = Waiting;
  u.AtkP = 99;
  u.HitP = 5;
  battle.setHosei();
  EXPECT_EQ(k(1).AtkP, 0);
  EXPECT_EQ(k(1).HitP, 0);
  EXPECT_EQ(k(1).SkillSeal, 0);
}

TEST_F(HoseiTest, RunningTwiceGivesTheSameResult) {
  unit(0, 0, 0);
  unit(1, 4, 4, Ice);
  unit(7, 5, 4, 0, 204);
  unit(17, 9, 9, Water);
  state.terrain[4][4] = 5;
  state.weather = Blizzard;
  state.zokuseiti1 = 7;
  state.zokuseiti2 = 19;
  abilities(1, {kAllyStatsUp, kUndeadUp});
  abilities(17, {kUndeadDown, kGravityImmune, kPoisonImmune});
  battle.setHosei();
  std::vector<std::array<i32, 8>> first;
  for (int i = 0; i < 32; ++i)
    first.push_back({k(i).AtkP, k(i).DefP, k(i).MagP, k(i).MovP, k(i).CritP, k(i).HitP, k(i).EvaP, k(i).ProcP});
  battle.setHosei();
  for (int i = 0; i < 32; ++i) {
    const std::array<i32, 8> again = {k(i).AtkP, k(i).DefP, k(i).MagP, k(i).MovP,
                                      k(i).CritP, k(i).HitP, k(i).EvaP, k(i).ProcP};
    EXPECT_EQ(again, first[i]) << i;
  }
}

// --- selectUnit ----------------------------------------------------------------

TEST_F(HoseiTest, SelectUnitTakesTheLastCellAndKeepsTheOldOneWhenAbsent) {
  unit(1, 2, 3);
  state.unitAt[7][1] = 1;  // a second cell, later in column order
  battle.selectUnit(1);
  EXPECT_EQ(state.selUnit, 1);
  EXPECT_EQ(state.selX, 7);
  EXPECT_EQ(state.selY, 1);

  battle.selectUnit(5);
  EXPECT_EQ(state.selUnit, 5);
  EXPECT_EQ(state.selX, 7);
  EXPECT_EQ(state.selY, 1);
}

}  // namespace
}  // namespace sorvane::testing
