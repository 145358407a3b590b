// The death rule: what a death clears, the records it keeps, the SP a fallen
// creature leaves its master, the battle result it recomputes, and a fallen
// master's creatures leaving the field.
#include <algorithm>
#include <vector>

#include "skill_fixture.h"

namespace sorvane::testing {
namespace {


// A presenter that also notes the master's SP at the moment its gain is shown.
class SpWatchingPresenter : public RecordingPresenter {
 public:
  const Tkst* master = nullptr;
  i32 spWhenShown = -1;
  void LAnime(int u, const FloatingText& f, int x, int y) override {
    if (f.text == "SP" && master) spWhenShown = master->SP;
    RecordingPresenter::LAnime(u, f, x, y);
  }
};

class DeathTest : public BattleFixture {
 protected:
  Tkst& plain(int i, int type, int x, int y) {
    Tkst& u = put(i, type, 20, x, y);
    abilities(i, {});
    u.HPMax = u.HP = 100;
    u.SPMax = 30;
    u.SP = 20;
    return u;
  }

  void standardSides() {
    plain(0, masterEntry(0, Warrior), 2, 2);
    plain(16, masterEntry(1, Mage), 15, 11);
  }

  const RecordCounters& records() const { return state.D->records; }
};

TEST_F(DeathTest, DeathClearsTheRecordAndTheCell) {
  standardSides();
  Tkst& u = plain(17, kPlainCreature, 10, 10);
  u.HP = -8;
  u.AtkB = 20;
  u.MovB = -1;
  u.HitB = 5;
  u.HealRes = 30;
  u.Poison = 1;
  u.Sleep = 12;
  u.PhysShield = 2;
  u.MoveN = u.SkillN = u.SummonN = 0;

  battle.KAnime(17, CellAnim{0});

  EXPECT_EQ(u.HP, 0);
  EXPECT_EQ(u.State, Dead);
  EXPECT_EQ(state.unitAt[10][10], -1);
  EXPECT_EQ(u.AtkB, 0);
  EXPECT_EQ(u.MovB, 0);
  EXPECT_EQ(u.HitB, 0);
  EXPECT_EQ(u.HealRes, 0);
  for (int i = 0; i < kStatusCount; ++i) EXPECT_EQ(u.status(i), 0) << kStatusNames[i];
  EXPECT_EQ(u.MoveN, 1);
  EXPECT_EQ(u.SkillN, 1);
  EXPECT_EQ(u.SummonN, 1);
}

TEST_F(DeathTest, RecordsByTeamAndKind) {
  struct Case {
    const char* what;
    int unit;
    i32 type;
    i32 RecordCounters::*counter;
  } cases[] = {
      {"own creature", 1, kPlainCreature, &RecordCounters::recOwnCreatureDeaths},
      {"own familiar", 7, 204, &RecordCounters::recOwnFamiliarDeaths},
      {"enemy creature", 17, kPlainCreature, &RecordCounters::recEnemyCreatureDeaths},
      {"enemy familiar", 23, 205, &RecordCounters::recEnemyFamiliarDeaths},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    standardSides();
    plain(c.unit, c.type, 9, 9);
    state.D->records = RecordCounters{};
    battle.killCount = 0;
    battle.KAnime(c.unit, CellAnim{0});
    EXPECT_EQ(records().*c.counter, 1);
    EXPECT_EQ(battle.killCount, 1);
  }
  // the defeated enemy creature is remembered; a familiar's slot is freed
  EXPECT_EQ(state.D->defeated[kPlainCreature], 1);
  EXPECT_EQ(k(7).Type, 0);
  EXPECT_EQ(k(23).Type, 0);
}

TEST_F(DeathTest, FallenCreatureHandsSpToItsMaster) {
  struct Case {
    i32 creatureSp, masterSp, masterMax;
    i32 shown;  // 0: nothing shown
    i32 after;
  } cases[] = {
      {24, 10, 30, 5, 15},  // 24 / 5 + 1
      {12, 20, 30, 3, 23},
      {12, 29, 30, 1, 30},  // only up to the maximum
      {12, 30, 30, 0, 30},
      {0, 10, 30, 0, 10},   // nothing left to hand on
      {12, 35, 30, 0, 35},  // a master above its maximum keeps its SP
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.creatureSp * 100 + c.masterSp);
    SpWatchingPresenter watcher;
    battle.view = &watcher;
    standardSides();
    plain(17, kPlainCreature, 9, 9).SP = c.creatureSp;
    k(16).SP = c.masterSp;
    k(16).SPMax = c.masterMax;
    watcher.master = &k(16);

    battle.KAnime(17, CellAnim{0});

    EXPECT_EQ(k(16).SP, c.after);
    if (c.shown) {
      EXPECT_EQ(watcher.matching("LAnime 16"), std::vector<std::string>{"LAnime 16 " + std::to_string(c.shown) + " SP"});
      EXPECT_EQ(watcher.spWhenShown, c.masterSp);  // shown before the SP changes
    } else {
      EXPECT_TRUE(watcher.matching("LAnime 16").empty());
    }
    battle.view = &presenter;
  }
}

TEST_F(DeathTest, RevivedCreatureHandsNothingOn) {
  standardSides();
  plain(17, kPlainCreature, 9, 9).SP = 20;
  abilities(17, {211});  // [復活]
  k(16).SP = 10;
  battle.KAnime(17, CellAnim{0});
  EXPECT_EQ(k(17).State, OnField);
  EXPECT_EQ(k(16).SP, 10);
}

TEST_F(DeathTest, BattleResultFromTheMastersOnTheField) {
  struct Case {
    bool team1, team2;
    i32 result;
  } cases[] = {{true, true, Running}, {true, false, Won}, {false, true, Lost}, {false, false, Draw}};
  for (const Case& c : cases) {
    standardSides();
    k(0).State = c.team1 ? OnField : Dead;
    k(16).State = c.team2 ? OnField : Dead;
    battle.updateBattleResult();
    EXPECT_EQ(battle.battleResult, c.result) << c.team1 << c.team2;
  }

  // A second master keeps its team in the battle.
  state.lastUnit = 63;
  standardSides();
  plain(32, masterEntry(2, Knight), 3, 3);
  k(0).State = Dead;
  battle.updateBattleResult();
  EXPECT_EQ(battle.battleResult, Running);
}

TEST_F(DeathTest, BothMastersFallingToOneSkillIsADraw) {
  standardSides();
  k(0).HP = 1;
  k(16).HP = 1;
  plain(17, kPlainCreature, 8, 5);
  state.unitAt[2][2] = state.unitAt[15][11] = -1;
  state.unitAt[5][5] = 0;
  state.unitAt[6][5] = 16;
  Twst& sk = state.D->skills[kTestSkill];
  sk = Twst{};
  sk.Power = 100;
  sk.Hit = 100;
  sk.Area = 2;
  sk.Cat = 1;
  for (auto& column : state.areaPath)
    for (auto& cell : column) cell.clear();
  state.areaPath[5][5] = "1";
  state.areaPath[6][5] = "0";
  state.selUnit = 17;
  state.selX = 8;
  state.selY = 5;
  state.selSkill = kTestSkill;

  battle.skillA();

  // (the battle end has rebuilt the records since)
  EXPECT_EQ(presenter.matching("KAnime"), (std::vector<std::string>{"KAnime 0 0", "KAnime 16 0"}));
  EXPECT_EQ(battle.battleResult, Draw);
  EXPECT_EQ(records().recOwnMasterDeaths, 1);
  EXPECT_EQ(records().recEnemyMasterDeaths, 1);
  const auto& calls = presenter.calls;
  const auto banner = std::find(calls.begin(), calls.end(), "DLAnime draw 2300");
  ASSERT_NE(banner, calls.end());
  EXPECT_EQ(*(banner - 1), "SE 46");
  EXPECT_EQ(presenter.matching("DLAnime win").size() + presenter.matching("DLAnime lose").size(), 0u);
}

TEST_F(DeathTest, FallenAllyMasterTakesItsCreaturesButNotItsFamiliars) {
  state.lastUnit = 63;
  standardSides();
  plain(32, masterEntry(2, Knight), 3, 3);
  plain(33, kPlainCreature, 4, 3);
  plain(34, kPlainCreature, 5, 3).State = BeingSummoned;
  plain(35, kPlainCreature, 0, 0);
  state.unitAt[0][0] = -1;
  k(35).State = Waiting;
  plain(39, 204, 6, 3);
  ASSERT_EQ(k(39).Kind, KindFamiliar);
  ASSERT_EQ(k(33).Team, 1);

  battle.kill(32);

  EXPECT_EQ(battle.battleResult, Running);
  EXPECT_EQ(presenter.matching("KAnime"),
            (std::vector<std::string>{"KAnime 32 0", "KAnime 33 2", "KAnime 34 2"}));
  EXPECT_EQ(presenter.matching("LAnime 33"), std::vector<std::string>{"LAnime 33 1002"});
  EXPECT_EQ(k(33).State, Waiting);
  EXPECT_EQ(k(34).State, Waiting);
  EXPECT_EQ(k(35).State, Waiting);
  EXPECT_EQ(k(39).State, OnField);
  EXPECT_EQ(state.unitAt[4][3], -1);
  EXPECT_EQ(state.unitAt[6][3], 39);
  EXPECT_EQ(records().recOwnMasterDeaths, 1);
}

TEST_F(DeathTest, LastMasterFallingEndsTheBattleWithItsCreaturesInPlace) {
  standardSides();
  plain(17, kPlainCreature, 9, 9);
  battle.kill(16);
  EXPECT_EQ(battle.battleResult, Won);
  EXPECT_EQ(k(17).State, OnField);
  EXPECT_TRUE(presenter.matching("KAnime 17").empty());
}

TEST_F(DeathTest, KillClampsWhatRanOut) {
  standardSides();
  Tkst& u = plain(17, kPlainCreature, 9, 9);
  u.HP = 12;
  u.SP = -3;
  battle.kill(17);
  EXPECT_EQ(u.SP, 0);
  EXPECT_EQ(u.HP, 12);
  EXPECT_EQ(u.State, Dead);
  EXPECT_EQ(presenter.matching("KAnime"), std::vector<std::string>{"KAnime 17 0"});
}

}  // namespace
}  // namespace sorvane::testing
