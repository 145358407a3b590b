#include <algorithm>
#include <functional>
#include <vector>

#include "battle_fixture.h"
#include "rules/labels.h"

namespace sorvane::testing {
namespace {

constexpr int kFireCreature = 22;  // ウコバク
constexpr int kIceCreature = 36;   // 雪ん子
constexpr int kWindGod = 14, kThunderGod = 85;
constexpr int kSkeleton = 204;

constexpr i32 kAtkUp = 83;
constexpr i32 kDragonScale = 61, kGodSpeed = 62, kDoubleSpeed = 64, kRampage = 65, kNaturalHeal = 66;
constexpr i32 kSpRecovery = 67, kSleepingBeauty = 68, kPollution = 69, kAllySpRecovery = 70, kGreening = 71;
constexpr i32 kMasterSpDrain = 72, kWindThunder = 343, kTimedSummon = 350, kWardCircle = 403;

class PhaseTest : public BattleFixture {
 public:
  using BattleFixture::k;
  using BattleFixture::state;

 protected:
  PhaseTest() {
    put(0, masterEntry(0, Mage), 10, 2, 2);
    abilities(0, {});
    put(16, masterEntry(0, Warrior), 10, 15, 11);
    abilities(16, {});
    for (int m : {0, 16}) {
      k(m).SPMax = 40;
      k(m).SP = 20;
    }
  }

  Tkst& unit(int i, int type, int x, int y, std::initializer_list<i32> ids = {}) {
    Tkst& u = put(i, type, 10, x, y);
    abilities(i, ids);
    return u;
  }

  // A creature with round numbers: 100 HP of which 50 left, 10 SP of 30.
  Tkst& worn(int i, int x, int y, std::initializer_list<i32> ids = {}) {
    Tkst& u = unit(i, kFireCreature, x, y, ids);
    u.HPMax = 100;
    u.HP = 50;
    u.SPMax = 30;
    u.SP = 10;
    return u;
  }

  // Ends the player's phase; the computer's phase passes and the player's opens again.
  void endOwnPhase() {
    battle.phaseTeam = 1;
    battle.Tchange();
  }
  // Ends the computer's phase and opens the player's.
  void openOwnPhase() {
    battle.phaseTeam = 2;
    battle.Tchange();
  }

  bool called(const std::string& call) const {
    return std::find(presenter.calls.begin(), presenter.calls.end(), call) != presenter.calls.end();
  }
  int indexOf(const std::string& call) const {
    auto it = std::find(presenter.calls.begin(), presenter.calls.end(), call);
    return it == presenter.calls.end() ? -1 : int(it - presenter.calls.begin());
  }
};

// --- End of phase ---------------------------------------------------------------

struct CountdownCase {
  i32 Tkst::*field;
  i32 before;
  i32 after;
  const char* shown;  // "" when nothing is shown
};

const CountdownCase kCountdownCases[] = {
    {&Tkst::Frostbite, 1, 0, "LAnime 1 3000 凍傷"},   {&Tkst::Frostbite, 3, 2, ""},
    {&Tkst::Darkness, 1, 0, "LAnime 1 3000 暗闇"},    {&Tkst::Paralysis, 1, 0, "LAnime 1 3000 麻痺"},
    {&Tkst::Flinch, 1, 0, "LAnime 1 3000 怯み"},      {&Tkst::Immobile, 1, 0, "LAnime 1 3000 移動不能"},
    {&Tkst::SkillSeal, 1, 0, "LAnime 1 3000 技不能"}, {&Tkst::Stone, 1, 0, "LAnime 1 3000 石化"},
    {&Tkst::SummonSeal, 1, 0, "LAnime 1 3000 封魔"},  {&Tkst::Parasite, 1, 0, "LAnime 1 3000 寄生"},
    {&Tkst::HPHeal, 1, 0, "LAnime 1 4500 HPヒール"},  {&Tkst::SPHeal, 1, 0, "LAnime 1 4500 SPヒール"},
    {&Tkst::PhysShield, 1, 0, "LAnime 1 4500 物理シールド"},
    {&Tkst::SpecShield, 1, 0, "LAnime 1 4500 特殊シールド"},
    {&Tkst::StatusShield, 2, 1, ""},
    {&Tkst::Curse, 1, 2, ""},
    {&Tkst::Gravity, 2, 2, ""},  // lasts until cured
    {&Tkst::LockOn, 1, 1, ""},
};

class CountdownTest : public PhaseTest, public ::testing::WithParamInterface<CountdownCase> {};

TEST_P(CountdownTest, TheEndOfTheOwnPhaseCountsTheStatusDown) {
  const CountdownCase& c = GetParam();
  Tkst& u = worn(1, 5, 5);
  u.*c.field = c.before;
  endOwnPhase();
  EXPECT_EQ(u.*c.field, c.after);
  if (*c.shown) {
    EXPECT_TRUE(called(c.shown));
  }
}

INSTANTIATE_TEST_SUITE_P(Statuses, CountdownTest, ::testing::ValuesIn(kCountdownCases));

TEST_F(PhaseTest, OnlyTheTeamWhosePhaseEndsCountsDown) {
  Tkst& own = worn(1, 5, 5);
  Tkst& enemy = worn(17, 9, 9);
  own.Frostbite = 3;
  enemy.Frostbite = 3;
  openOwnPhase();
  EXPECT_EQ(own.Frostbite, 3);
  EXPECT_EQ(enemy.Frostbite, 2);
}

TEST_F(PhaseTest, SleepWearsOffFasterForMastersAndWakesByDraw) {
  Tkst& creature = worn(1, 5, 5);
  int woke = 0, slept = 0;
  for (std::uint64_t seed = 1; seed <= 64; ++seed) {
    state.rng.Seed(seed);
    RandomGenerator replay = state.rng;
    const i32 masterDraw = replay.Random(16);
    const i32 creatureDraw = replay.Random(16);
    k(0).Sleep = 16;
    creature.Sleep = 16;
    presenter.calls.clear();
    endOwnPhase();
    EXPECT_EQ(k(0).Sleep, masterDraw > 10 ? 0 : 10) << seed;
    EXPECT_EQ(creature.Sleep, creatureDraw > 12 ? 0 : 12) << seed;
    EXPECT_EQ(called("LAnime 0 3000 睡眠"), masterDraw > 10) << seed;
    (masterDraw > 10 ? woke : slept) += 1;
  }
  EXPECT_GT(woke, 0);
  EXPECT_GT(slept, 0);
}

TEST_F(PhaseTest, ACurseKillsAtTheEndOfTheThirdOwnPhase) {
  Tkst& u = worn(1, 5, 5);
  u.Curse = 1;  // cursed during the opponent's phase
  endOwnPhase();
  EXPECT_EQ(u.Curse, 2);
  endOwnPhase();
  EXPECT_EQ(u.Curse, 3);
  EXPECT_EQ(u.State, OnField);
  endOwnPhase();
  EXPECT_EQ(u.State, Dead);
  EXPECT_EQ(state.unitAt[5][5], -1);
}

TEST_F(PhaseTest, SleepingBeautyFallsAsleepFreeOfAilmentsByDraw) {
  Tkst& u = worn(1, 5, 5, {kSleepingBeauty});
  int asleep = 0;
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    state.rng.Seed(seed);
    RandomGenerator replay = state.rng;
    const bool falls = replay.Random(100) < 35;
    u.HP = 50;
    u.Sleep = 0;
    u.Poison = 1;
    u.Stone = 0;
    u.Curse = 2;
    endOwnPhase();
    EXPECT_EQ(u.Sleep, falls ? 12 : 0) << seed;
    EXPECT_EQ(u.Poison, falls ? 0 : 1) << seed;
    EXPECT_EQ(u.Curse, falls ? 0 : 3) << seed;
    asleep += falls;
  }
  EXPECT_GT(asleep, 0);
}

TEST_F(PhaseTest, ATimedCreatureGoesHomeAtTheEndOfItsFourthOwnPhase) {
  Tkst& u = worn(1, 5, 5, {kTimedSummon});
  battle.abilitySK(1);
  const char* expected[] = {"[召喚時間制限3]", "[召喚時間制限2]", "[召喚時間制限1]"};
  for (const char* names : expected) {
    endOwnPhase();
    EXPECT_EQ(u.State, OnField);
    EXPECT_EQ(u.TNS, names);
  }
  endOwnPhase();
  EXPECT_EQ(u.State, Waiting);
  EXPECT_EQ(u.TNS, "[召喚時間制限]");
  EXPECT_EQ(u.TN[0], kTimedSummon);
  EXPECT_EQ(state.unitAt[5][5], -1);
  EXPECT_TRUE(called("LAnime 1 9000 [召喚時間制限1]"));
  EXPECT_EQ(state.D->records.recReturns, 1);
}

TEST_F(PhaseTest, GreeningSpreadsGrassWithItsDraws) {
  abilities(0, {kGreening});
  for (std::uint64_t seed = 1; seed <= 10; ++seed) {
    fillGrid(state.terrain, i32{0});
    state.terrain[5][5] = 6;
    state.terrain[2][2] = 1;
    state.terrain[15][11] = 1;
    state.rng.Seed(seed);
    RandomGenerator replay = state.rng;
    Grid<i32> expected = state.terrain;
    if (replay.Random(95) < 50) expected[5][5] = 7;
    const int nx[] = {5, 6, 5, 4}, ny[] = {4, 5, 6, 5};  // up, right, down, left
    for (int n = 0; n < 4; ++n)
      if (replay.Random(90) < 67 && expected[nx[n]][ny[n]] != 7) expected[nx[n]][ny[n]] = 6;
    endOwnPhase();
    EXPECT_EQ(state.terrain, expected) << seed;
  }
}

TEST_F(PhaseTest, AGreenMapStopsTurningIntoForest) {
  abilities(0, {kGreening});
  for (int x = 0; x < 5; ++x)
    for (int y = 0; y < kMapH; ++y) state.terrain[x][y] = 7;  // 70 forests
  state.terrain[10][5] = 6;
  for (std::uint64_t seed = 1; seed <= 10; ++seed) {
    state.rng.Seed(seed);
    endOwnPhase();
    EXPECT_EQ(state.terrain[10][5], 6);
    EXPECT_EQ(state.terrain[0][0], 7);
  }
}

// --- Start of phase ----------------------------------------------------------------

TEST_F(PhaseTest, BattleStartRunsTheSecondTeamsEndAndOpensTurnOne) {
  state.storyBattle = 1;
  state.storyStage = 3;
  state.winCondition = 2;
  Tkst& own = worn(1, 5, 5, {kAtkUp});
  Tkst& enemy = worn(17, 9, 9);
  enemy.Frostbite = 2;
  k(0).SP = 10;
  battle.turn = 0;
  battle.firstTeam = 1;
  battle.phaseTeam = 2;
  battle.Tchange();

  EXPECT_EQ(battle.turn, 1);
  EXPECT_EQ(battle.phaseTeam, 1);
  EXPECT_EQ(own.AtkB, 15);
  EXPECT_EQ(enemy.Frostbite, 1);
  EXPECT_EQ(k(0).SP, 10);  // no SP in the battle's first phase
  EXPECT_TRUE(called("BGM 13"));
  EXPECT_LT(indexOf("DLAnime ステージ 800"), indexOf("DLAnime 勝利条件 1200"));
  EXPECT_LT(indexOf("DLAnime 勝利条件 1200"), indexOf("DLAnime 自フェイズ 500"));
  EXPECT_EQ(battle.battleResult, Running);
}

TEST_F(PhaseTest, MastersGainFourSpAtLaterPhases) {
  k(0).SP = 28;
  k(0).SPMax = 30;
  openOwnPhase();
  EXPECT_EQ(k(0).SP, 30);
  EXPECT_TRUE(called("LAnime 0 2 SP"));
}

struct StartCase {
  const char* name;
  std::vector<i32> abilities;
  std::function<void(PhaseTest&, Tkst&)> arrange;
  i32 hp, sp, atkB;
};

const StartCase kStartCases[] = {
    {"poison takes ten percent", {}, [](PhaseTest&, Tkst& u) { u.Poison = 1; }, 40, 10, 0},
    {"pollution makes it fifteen", {}, [](PhaseTest& t, Tkst& u) {
       u.Poison = 1;
       t.k(16).TN = {kPollution};
       t.k(16).TNS = t.state.D->buildTNS(t.k(16).TN);
     }, 35, 10, 0},
    {"poison and natural healing cancel out", {kNaturalHeal}, [](PhaseTest&, Tkst& u) { u.Poison = 1; }, 50, 10, 0},
    {"natural healing", {kNaturalHeal}, [](PhaseTest&, Tkst&) {}, 60, 10, 0},
    {"SP recovery", {kSpRecovery}, [](PhaseTest&, Tkst&) {}, 50, 11, 0},
    {"HP and SP heal", {}, [](PhaseTest&, Tkst& u) { u.HPHeal = 2; u.SPHeal = 2; }, 55, 11, 0},
    {"rampage", {kRampage}, [](PhaseTest&, Tkst&) {}, 40, 10, 5},
    {"a sleeping beauty asleep", {kSleepingBeauty}, [](PhaseTest&, Tkst& u) { u.Sleep = 4; }, 60, 12, 0},
    {"the master's ally SP recovery", {}, [](PhaseTest& t, Tkst&) {
       t.k(0).TN = {kAllySpRecovery};
       t.k(0).TNS = t.state.D->buildTNS(t.k(0).TN);
     }, 50, 11, 0},
    {"a parasite eats the stats", {}, [](PhaseTest&, Tkst& u) { u.Parasite = 2; }, 50, 10, -5},
    {"a wood unit on forest", {}, [](PhaseTest& t, Tkst& u) {
       u.Elem = Wood;
       t.state.terrain[5][5] = 7;
     }, 55, 10, 0},
    {"a fire unit on forest", {}, [](PhaseTest& t, Tkst&) { t.state.terrain[5][5] = 7; }, 50, 10, 0},
};

class StartOfPhaseTest : public PhaseTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartOfPhaseTest, AddsUpPercentAndSp) {
  const StartCase& c = GetParam();
  Tkst& u = worn(1, 5, 5);
  u.TN = {};
  for (std::size_t i = 0; i < c.abilities.size(); ++i) u.TN[i] = c.abilities[i];
  u.TNS = state.D->buildTNS(u.TN);
  c.arrange(*this, u);
  openOwnPhase();
  EXPECT_EQ(u.HP, c.hp) << c.name;
  EXPECT_EQ(u.SP, c.sp) << c.name;
  EXPECT_EQ(u.AtkB, c.atkB) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Rules, StartOfPhaseTest, ::testing::ValuesIn(kStartCases),
                         [](const ::testing::TestParamInfo<StartCase>& info) { return "case" + std::to_string(info.index); });

TEST_F(PhaseTest, PoisonOnFiftyFiveHpTruncatesToFive) {
  Tkst& u = worn(1, 5, 5);
  u.HPMax = u.HP = 55;
  u.Poison = 1;
  openOwnPhase();
  EXPECT_EQ(u.HP, 50);
  EXPECT_TRUE(called("LAnime 1 -5 HP"));

  Tkst& polluter = unit(17, kIceCreature, 9, 9, {kPollution});
  (void)polluter;
  u.HP = 55;
  openOwnPhase();
  EXPECT_EQ(u.HP, 47);  // -825 / 100
}

TEST_F(PhaseTest, PoisonWithNaturalHealingShowsNothing) {
  Tkst& u = worn(1, 5, 5, {kNaturalHeal});
  u.Poison = 1;
  openOwnPhase();
  EXPECT_TRUE(presenter.matching("LAnime 1 ").empty());
}

TEST_F(PhaseTest, PoisonCanKill) {
  Tkst& u = worn(1, 5, 5);
  u.HP = 3;
  u.Poison = 1;
  openOwnPhase();
  EXPECT_EQ(u.State, Dead);
}

struct WoodCase {
  bool forest;
  i32 own, other;
  i32 hp, sp;
};

const WoodCase kWoodCases[] = {
    {true, 11, 9, 55, 13},   // 5 + 5 - 5 percent, 3 SP
    {false, 11, 0, 55, 13},  {false, 9, 0, 55, 10},  {false, 10, 0, 55, 12},
    {false, 10, 10, 50, 10}, {false, 11, 11, 50, 10}, {false, 11, 10, 50, 11},
    {false, 9, 11, 50, 10},  {false, 10, 9, 50, 12}, {true, 0, 0, 55, 10},
};

class WoodFieldTest : public PhaseTest, public ::testing::WithParamInterface<WoodCase> {};

TEST_P(WoodFieldTest, WoodFieldsHealAndTheWeakerOneIsTakenBack) {
  const WoodCase& c = GetParam();
  Tkst& u = worn(1, 5, 5);
  u.Elem = Wood;
  if (c.forest) state.terrain[5][5] = 7;
  state.zokuseiti1 = c.own;
  state.zokuseiti2 = c.other;
  openOwnPhase();
  EXPECT_EQ(u.HP, c.hp);
  EXPECT_EQ(u.SP, c.sp);
}

INSTANTIATE_TEST_SUITE_P(Pairs, WoodFieldTest, ::testing::ValuesIn(kWoodCases));

TEST_F(PhaseTest, MasterSpDrainGoesBelowZero) {
  k(0).SP = 1;
  unit(1, kFireCreature, 5, 5, {kMasterSpDrain});
  unit(2, kIceCreature, 6, 5, {kMasterSpDrain});
  openOwnPhase();
  EXPECT_EQ(k(0).SP, -1);  // 4 - 6
  openOwnPhase();
  EXPECT_EQ(k(0).SP, -3);
}

TEST_F(PhaseTest, DragonScaleAndWardCircleDrawInOrder) {
  Tkst& u = worn(1, 5, 5, {kDragonScale, kWardCircle});
  std::array<int, 3> buffs{};
  std::array<int, 4> wards{};
  for (std::uint64_t seed = 1; seed <= 40; ++seed) {
    u.AtkB = u.DefB = u.MagB = 0;
    u.PhysShield = u.SpecShield = u.StatusShield = 0;
    state.rng.Seed(seed);
    RandomGenerator replay = state.rng;
    if (replay.Random(16) == 0) replay.Random(16);  // the weather comes first
    const i32 buff = replay.Random(3);
    const i32 ward = replay.Random(4);
    presenter.calls.clear();
    openOwnPhase();
    EXPECT_EQ(u.AtkB, buff == 0 ? 5 : 0) << seed;
    EXPECT_EQ(u.DefB, buff == 1 ? 5 : 0) << seed;
    EXPECT_EQ(u.MagB, buff == 2 ? 5 : 0) << seed;
    EXPECT_EQ(u.PhysShield, ward == 0 ? 2 : 0) << seed;
    EXPECT_EQ(u.SpecShield, ward == 1 ? 2 : 0) << seed;
    EXPECT_EQ(u.StatusShield, ward == 2 ? 2 : 0) << seed;
    EXPECT_TRUE(called("LAnime 1 9000 [竜の鱗]"));
    if (ward == 0) {
      EXPECT_TRUE(called("LAnime 1 4000 物理シールド"));
    }
    ++buffs[buff];
    ++wards[ward];
  }
  for (int n : buffs) EXPECT_GT(n, 0);
  for (int n : wards) EXPECT_GT(n, 0);
}

TEST_F(PhaseTest, WaitingCreaturesOfTheActingTeamRegainSp) {
  Tkst& own = worn(1, 0, 0);
  state.unitAt[0][0] = -1;
  own.State = Waiting;
  Tkst& enemy = worn(17, 0, 1);
  state.unitAt[0][1] = -1;
  enemy.State = Waiting;
  openOwnPhase();
  EXPECT_EQ(own.SP, 14);
  EXPECT_EQ(enemy.SP, 10);
}

TEST_F(PhaseTest, SummonsInProgressArriveWhenTheirCountRunsOut) {
  Tkst& own = worn(1, 5, 5);
  own.State = BeingSummoned;
  own.SumTC = 2;
  Tkst& enemy = worn(17, 9, 9);
  enemy.State = BeingSummoned;
  enemy.SumTC = 5;
  openOwnPhase();
  EXPECT_EQ(own.SumTC, 1);
  EXPECT_EQ(own.State, BeingSummoned);
  EXPECT_EQ(enemy.SumTC, 5);
  openOwnPhase();
  EXPECT_EQ(own.State, OnField);
  EXPECT_TRUE(called("KAnime 1 1"));
}

TEST_F(PhaseTest, ActionCountersBelongToTheActingTeam) {
  Tkst& own = worn(1, 5, 5);
  Tkst& enemy = worn(17, 9, 9);
  own.MoveN = own.SkillN = 0;
  enemy.MoveN = enemy.SpecialN = 1;
  openOwnPhase();
  EXPECT_EQ(own.MoveN, 1);
  EXPECT_EQ(own.SkillN, 1);
  EXPECT_EQ(own.SummonN, 1);
  EXPECT_EQ(own.SpecialN, 1);
  EXPECT_EQ(enemy.MoveN, 0);
  EXPECT_EQ(enemy.SpecialN, 0);
}

TEST_F(PhaseTest, ExtraActionsFromThunderFieldsAndAbilities) {
  state.zokuseiti1 = 17;
  Tkst& thunder = worn(1, 5, 5);
  thunder.Elem = Thunder;
  Tkst& fast = worn(2, 6, 5, {kGodSpeed});
  Tkst& doubled = worn(3, 7, 5, {kDoubleSpeed});
  Tkst& wind = unit(4, kWindGod, 8, 5, {kWindThunder});
  Tkst& thunderGod = unit(5, kThunderGod, 9, 5, {kWindThunder});
  thunderGod.Elem = Water;
  openOwnPhase();
  EXPECT_EQ(thunder.MoveN, 2);
  EXPECT_EQ(thunder.SkillN, 2);
  EXPECT_EQ(fast.MoveN, 2);
  EXPECT_EQ(fast.SkillN, 1);
  EXPECT_EQ(doubled.MoveN, 2);
  EXPECT_EQ(doubled.SkillN, 2);
  EXPECT_EQ(wind.SkillN, 2);
  EXPECT_EQ(wind.MoveN, 1);
  EXPECT_EQ(thunderGod.MoveN, 2);
}

// --- Weather --------------------------------------------------------------------

// A seed whose first two draws of Random(16) are `first` and `second`.
std::uint64_t seedFor(i32 first, i32 second) {
  for (std::uint64_t seed = 1;; ++seed) {
    RandomGenerator g(seed);
    if (g.Random(16) == first && g.Random(16) == second) return seed;
  }
}

struct WeatherCase {
  i32 climate;
  i32 a;
  i32 weather;
};

const WeatherCase kWeatherCases[] = {
    {0, 0, Cloudy},  {0, 3, Clear},   {0, 6, Rain},   {0, 7, Sunny},    {0, 15, Sunny},
    {2, 0, Cloudy},  {2, 2, Sunny},   {2, 5, Thunderstorm}, {2, 7, Blizzard}, {2, 15, Blizzard},
    {7, 0, Sunny},   {7, 4, SandStorm}, {7, 8, Cloudy},
    {8, 0, Cloudy},  {8, 1, Cloudy},  {8, 2, HeatWave}, {8, 13, Rain},  {8, 14, Sunny},
    {9, 3, 99},
};

class WeatherTest : public PhaseTest, public ::testing::WithParamInterface<WeatherCase> {};

TEST_P(WeatherTest, ChangesByClimateWhenTheFirstDrawIsZero) {
  const WeatherCase& c = GetParam();
  state.climate = c.climate;
  state.weather = 99;
  state.rng.Seed(seedFor(0, c.a));
  battle.changeTenki();
  EXPECT_EQ(state.weather, c.weather);
}

INSTANTIATE_TEST_SUITE_P(Climates, WeatherTest, ::testing::ValuesIn(kWeatherCases));

TEST_F(PhaseTest, WeatherStaysUnlessTheFirstDrawIsZeroAndDrawsOnce) {
  state.climate = 2;
  state.weather = Sunny;
  for (std::uint64_t seed = 1; seed <= 50; ++seed) {
    RandomGenerator g(seed);
    if (g.Random(16) == 0) continue;
    state.rng.Seed(seed);
    battle.changeTenki();
    EXPECT_EQ(state.weather, Sunny);
    EXPECT_EQ(state.rng.state(), g.state());
  }
}

TEST_F(PhaseTest, AWeatherChangeAtThePhaseIsAnnounced) {
  state.climate = 2;
  state.weather = Sunny;
  state.rng.Seed(seedFor(0, 9));
  openOwnPhase();
  EXPECT_EQ(state.weather, Blizzard);
  EXPECT_TRUE(called("DLAnime 天気:吹雪 900"));

  state.rng.Seed(seedFor(3, 0));
  presenter.calls.clear();
  openOwnPhase();
  EXPECT_TRUE(presenter.matching("DLAnime 天気").empty());
}

// --- Element fields -------------------------------------------------------------

struct FieldCase {
  int side;  // 0 or 16
  i32 elem;
  int creatures;
  i32 field;
  const char* banner;  // "" when nothing is announced
};

const FieldCase kFieldCases[] = {
    {0, Fire, 3, 3, "DLAnime 自属性:炎3 900"},  {0, Ice, 4, 7, "DLAnime 自属性:氷4 900"},
    {0, Water, 5, 20, "DLAnime 自属性:水5 900"}, {16, Earth, 3, 12, "DLAnime 敵属性:地3 900"},
    {16, Water, 5, 20, "DLAnime 敵属性:水5 900"}, {0, Fire, 2, 0, ""},
};

class ElementFieldTest : public PhaseTest, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(ElementFieldTest, ThreeToFiveCreaturesOfAnElementMakeAField) {
  const FieldCase& c = GetParam();
  for (int n = 1; n <= c.creatures; ++n) unit(c.side + n, kFireCreature + n, 4 + n, c.side ? 9 : 5).Elem = c.elem;
  battle.setZokuseiti();
  EXPECT_EQ(c.side ? state.zokuseiti2 : state.zokuseiti1, c.field);
  EXPECT_EQ(c.side ? state.zokuseiti1 : state.zokuseiti2, 0);
  if (c.field > 0) {
    EXPECT_EQ(k(c.side).Elem, c.field / 3);
  }
  if (*c.banner) {
    EXPECT_TRUE(called(c.banner));
  } else {
    EXPECT_TRUE(presenter.matching("DLAnime").empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Fields, ElementFieldTest, ::testing::ValuesIn(kFieldCases));

TEST_F(PhaseTest, FamiliarsDoNotMakeAField) {
  for (int n = 1; n <= 2; ++n) unit(n, kFireCreature + n, 4 + n, 5).Elem = Fire;
  unit(7, kSkeleton, 9, 5).Elem = Fire;
  battle.setZokuseiti();
  EXPECT_EQ(state.zokuseiti1, 0);
}

TEST_F(PhaseTest, LosingAFieldResetsTheMasterWithoutAnnouncement) {
  for (int n = 1; n <= 3; ++n) unit(n, kFireCreature + n, 4 + n, 5).Elem = Fire;
  battle.setZokuseiti();
  ASSERT_EQ(state.zokuseiti1, 3);
  ASSERT_EQ(k(0).Elem, Fire);
  presenter.calls.clear();
  k(3).HP = 0;
  battle.KAnime(3, CellAnim{0});
  EXPECT_EQ(state.zokuseiti1, 0);
  EXPECT_EQ(k(0).Elem, None);
  EXPECT_TRUE(presenter.matching("DLAnime").empty());
  EXPECT_EQ(elementFieldLabelText(1, state.zokuseiti1), "自属性:無");
}

TEST_F(PhaseTest, ThunderFieldsGrantTheirActionsAtOnce) {
  for (int n = 1; n <= 3; ++n) unit(n, kFireCreature + n, 4 + n, 5).Elem = Thunder;
  battle.setZokuseiti();
  ASSERT_EQ(state.zokuseiti1, 15);
  EXPECT_EQ(k(1).MoveN, 1);

  unit(4, kFireCreature + 4, 8, 5).Elem = Thunder;
  battle.setZokuseiti();
  EXPECT_EQ(state.zokuseiti1, 16);
  EXPECT_EQ(k(1).MoveN, 2);
  EXPECT_EQ(k(4).MoveN, 2);
  EXPECT_EQ(k(0).MoveN, 2);  // the master has just become thunder too
  EXPECT_EQ(k(1).SkillN, 1);

  unit(5, kFireCreature + 5, 9, 5).Elem = Thunder;
  battle.setZokuseiti();
  EXPECT_EQ(state.zokuseiti1, 17);
  EXPECT_EQ(k(1).MoveN, 2);
  EXPECT_EQ(k(1).SkillN, 2);
}

struct LabelCase {
  i32 team, field;
  const char* text;
  Rgb colour;
};

const LabelCase kLabelCases[] = {
    {1, 0, "自属性:無", {128, 128, 128}},  {1, 3, "自属性:炎3", {255, 128, 128}},
    {2, 8, "敵属性:氷5", {128, 220, 220}}, {1, 10, "自属性:木4", {115, 220, 115}},
    {2, 16, "敵属性:雷4", {196, 128, 255}}, {2, 20, "敵属性:水5", {128, 128, 255}},
};

TEST(LabelTexts, ElementFieldLabelsNameTheElementAndTheCount) {
  for (const LabelCase& c : kLabelCases) {
    EXPECT_EQ(elementFieldLabelText(c.team, c.field), c.text);
    EXPECT_EQ(elementFieldColour(c.field), c.colour) << c.text;
  }
  EXPECT_EQ(elementFieldHint(0), "補正なし。");
  EXPECT_EQ(elementFieldHint(11), "マスターが[木属性]になる。\rフェイズ開始時に[木属性]のHP5%回復\rフェイズ開始時に[木属性]のSP3回復");
}

TEST(LabelTexts, WeatherLabels) {
  EXPECT_EQ(weatherLabelText(0), "天気:曇り");
  EXPECT_EQ(weatherLabelText(4), "天気:砂塵嵐");
  EXPECT_EQ(weatherLabelText(7), "天気:晴れ");
  EXPECT_EQ(weatherLabelText(8), "");
  EXPECT_EQ(weatherHint(6), "[水属性]の攻撃力、防御力、魔力10%アップ。\rクリティカル率20%アップ。");
  EXPECT_EQ(weatherColour(2), (Rgb{128, 220, 220}));
  EXPECT_EQ(weatherColour(7), (Rgb{128, 128, 128}));
}

// --- Victory by turns and the opponent's phase --------------------------------------

TEST_F(PhaseTest, SurvivingNineTurnsWinsWhenTurnTenBegins) {
  state.winCondition = 2;
  battle.turn = 8;
  openOwnPhase();
  EXPECT_EQ(battle.turn, 9);
  EXPECT_EQ(battle.battleResult, Running);
  openOwnPhase();
  EXPECT_EQ(battle.turn, 10);
  EXPECT_EQ(battle.battleResult, Won);
  EXPECT_LT(indexOf("BGM 0"), indexOf("DLAnime win 2300"));
}

TEST_F(PhaseTest, WinningQuicklyIsLostWhenTurnThreeBegins) {
  state.winCondition = 4;
  battle.firstTeam = 2;
  battle.turn = 1;
  endOwnPhase();  // opens turn 2 for the computer, then the player's phase
  EXPECT_EQ(battle.turn, 2);
  EXPECT_EQ(battle.battleResult, Running);
  endOwnPhase();
  EXPECT_EQ(battle.turn, 3);
  EXPECT_EQ(battle.battleResult, Lost);
  EXPECT_TRUE(called("DLAnime lose 2300"));
}

TEST_F(PhaseTest, ReachingTheLastColumnWins) {
  state.winCondition = 1;
  state.unitAt[2][2] = -1;
  state.unitAt[state.maxX][4] = 0;
  openOwnPhase();
  EXPECT_EQ(battle.battleResult, Won);
}

TEST_F(PhaseTest, TheOpponentPlaysBothTeamsPhasesAndControlReturnsToThePlayer) {
  std::vector<i32> phases;
  battle.opponentPhase = [&](Battle& b) { phases.push_back(b.phaseTeam); };
  presenter.recordRedraws = true;
  endOwnPhase();
  EXPECT_EQ(phases, (std::vector<i32>{2, 1}));
  EXPECT_EQ(battle.phaseTeam, 1);
  EXPECT_EQ(presenter.calls.back(), "EnabledCheck 1");
}

TEST_F(PhaseTest, ABattleDecidedByTheOpponentEndsTheCycle) {
  std::vector<i32> phases;
  battle.opponentPhase = [&](Battle& b) {
    phases.push_back(b.phaseTeam);
    b.battleResult = Lost;
  };
  endOwnPhase();
  EXPECT_EQ(phases, (std::vector<i32>{2}));
  EXPECT_EQ(battle.phaseTeam, 2);
}

TEST_F(PhaseTest, ADeathDuringThePhaseChangeShowsTheResult) {
  int opponentCalls = 0;
  battle.opponentPhase = [&](Battle&) { ++opponentCalls; };
  k(16).HP = 1;
  k(16).Poison = 1;
  endOwnPhase();
  EXPECT_EQ(battle.battleResult, Won);
  EXPECT_EQ(opponentCalls, 0);
  EXPECT_LT(indexOf("BGM 0"), indexOf("DLAnime win 2300"));
}

}  // namespace
}  // namespace sorvane::testing
