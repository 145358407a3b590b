// The rule side of the animations: the records LAnime keeps, the state
// changes KAnime makes around its frames (on the live records, committing
// and reloading the working copy while a skill resolves), and the result
// banner that ends the battle.
#include <cstring>
#include <limits>
#include <vector>

#include "skill_fixture.h"

namespace sorvane::testing {
namespace {


class FeedbackTest : public BattleFixture {
 protected:
  FeedbackTest() {
    put(0, masterEntry(0, Warrior), 10, 2, 2);
    put(16, masterEntry(1, Mage), 10, 15, 11);
    put(1, kPlainCreature, 10, 3, 3);
    put(17, kPlainCreature, 10, 14, 11);
    for (int i : {0, 1, 16, 17}) abilities(i, {});
  }

  const RecordCounters& records() const { return state.D->records; }

  // The calls that are not redraws.
  std::vector<std::string> shownCalls() const {
    std::vector<std::string> out;
    for (const std::string& c : presenter.calls)
      if (c.rfind("LAnime", 0) == 0 || c.rfind("KAnime", 0) == 0 || c.rfind("SE", 0) == 0 || c.rfind("DLAnime", 0) == 0)
        out.push_back(c);
    return out;
  }
};

// ---------------------------------------------------------------------------
// LAnime

TEST_F(FeedbackTest, HpTextsKeepTheRecordsWhileASkillResolves) {
  struct Case {
    const char* what;
    int actor, unit;
    i32 value;
    const char* text;
    bool resolving;
    i32 dealt, maxDamage, taken, healed;
  } cases[] = {
      {"the player's unit deals damage", 0, 17, -37, "HP", true, 37, 37, 0, 0},
      {"the player's unit takes damage", 16, 1, -37, "HP", true, 0, 0, 37, 0},
      {"the player hits its own unit", 0, 1, -37, "HP", true, 37, 37, 37, 0},
      {"no skill is resolving", 0, 17, -37, "HP", false, 0, 0, 0, 0},
      {"SP is not counted", 0, 17, -37, "SP", true, 0, 0, 0, 0},
      {"the player heals", 0, 1, 20, "HP", true, 0, 0, 0, 20},
      {"a heal of 999 or more is not counted", 0, 1, 999, "HP", true, 0, 0, 0, 0},
      {"the enemy heals", 16, 17, 20, "HP", true, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    state.D->records = RecordCounters{};
    presenter.calls.clear();
    state.selUnit = c.actor;
    state.copyToWork();
    battle.resolving = c.resolving ? 1 : 0;

    battle.LAnime(c.unit, c.value, c.text);

    EXPECT_EQ(records().recDamageDealt, c.dealt);
    EXPECT_EQ(records().recMaxDamage, c.maxDamage);
    EXPECT_EQ(records().recDamageTaken, c.taken);
    EXPECT_EQ(records().recHealed, c.healed);
    EXPECT_EQ(presenter.matching("LAnime").size(), 1u);  // shown whatever the records
  }
}

TEST_F(FeedbackTest, MaxDamageKeepsTheLargestHit) {
  state.selUnit = 0;
  state.copyToWork();
  battle.resolving = 1;
  for (i32 hit : {-10, -25, -5}) battle.LAnime(17, hit, "HP");
  EXPECT_EQ(records().recDamageDealt, 40);
  EXPECT_EQ(records().recMaxDamage, 25);
}

// Totals a long campaign has brought near the top stay there instead of
// wrapping round to a negative record.
TEST_F(FeedbackTest, RecordTotalsStopAtTheirLimit) {
  constexpr i32 kTop = std::numeric_limits<i32>::max();
  state.D->records.recDamageDealt = kTop - 5;
  state.D->records.recDamageTaken = kTop - 5;
  state.D->records.recHealed = kTop - 5;
  state.selUnit = 0;
  state.copyToWork();
  battle.resolving = 1;
  battle.LAnime(1, -40, "HP");  // the player hits its own unit: dealt and taken
  battle.LAnime(1, 40, "HP");
  EXPECT_EQ(records().recDamageDealt, kTop);
  EXPECT_EQ(records().recDamageTaken, kTop);
  EXPECT_EQ(records().recHealed, kTop);
}

TEST_F(FeedbackTest, TextIsShownOnTheLiveCellAfterARedraw) {
  presenter.recordRedraws = true;
  battle.LAnime(17, -37, "HP");
  EXPECT_EQ(presenter.calls, (std::vector<std::string>{"MapPaint", "scrollTo 14 11", "LAnime 17 -37 HP"}));

  // While resolving, the working grid may differ: the text goes where the
  // live grid shows the unit.
  presenter.calls.clear();
  state.copyToWork();
  battle.resolving = 1;
  state.unitAtW[14][11] = -1;
  state.unitAtW[13][11] = 17;
  battle.LAnime(17, 1000, "死亡");
  EXPECT_EQ(presenter.matching("scrollTo"), std::vector<std::string>{"scrollTo 14 11"});
}

TEST_F(FeedbackTest, NothingShownForZeroOrForAUnitOffTheMap) {
  presenter.recordRedraws = true;
  battle.LAnime(17, 0, "HP");
  EXPECT_EQ(presenter.calls, std::vector<std::string>{"MapPaint"});

  presenter.calls.clear();
  state.unitAt[14][11] = -1;
  state.selUnit = 0;
  state.copyToWork();
  battle.resolving = 1;
  battle.LAnime(17, -12, "HP");
  EXPECT_EQ(presenter.calls, std::vector<std::string>{"MapPaint"});
  EXPECT_EQ(records().recDamageDealt, 12);  // the records are still kept
}

TEST_F(FeedbackTest, NothingAtAllWhileSimulating) {
  presenter.recordRedraws = true;
  state.simulating = 1;
  state.selUnit = 0;
  battle.resolving = 1;
  battle.LAnime(17, -37, "HP");
  battle.KAnime(17, CellAnim{0});
  EXPECT_TRUE(presenter.calls.empty());
  EXPECT_EQ(records().recDamageDealt, 0);
  EXPECT_EQ(k(17).State, OnField);
}

// ---------------------------------------------------------------------------
// KAnime

TEST_F(FeedbackTest, EachKindMakesItsStateChanges) {
  struct Case {
    int kind;
    int unit;
    i32 stateBefore, stateAfter;
    std::vector<std::string> calls;
    bool cellEmptied;
  } cases[] = {
      {1, 1, BeingSummoned, OnField, {"SE 21", "KAnime 1 1", "LAnime 1 1001"}, false},
      {2, 1, OnField, Waiting, {"LAnime 1 1002", "KAnime 1 2"}, true},
      {3, 1, Waiting, BeingSummoned, {"SE 23", "KAnime 1 3"}, false},
      {4, 1, Waiting, OnField, {"SE 21", "KAnime 1 4"}, false},
      {5, 1, OnField, OnField, {"SE 25", "KAnime 1 5"}, false},
      {6, 1, OnField, OnField, {"KAnime 1 6"}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    presenter.calls.clear();
    state.unitAt[3][3] = 1;
    k(1).State = c.stateBefore;

    battle.KAnime(c.unit, CellAnim{c.kind});

    EXPECT_EQ(shownCalls(), c.calls);
    EXPECT_EQ(k(1).State, c.stateAfter);
    EXPECT_EQ(state.unitAt[3][3], c.cellEmptied ? -1 : 1);
  }
}

TEST_F(FeedbackTest, SummonCompletionMarksThePlayersCreatureSummoned) {
  k(1).State = BeingSummoned;
  k(17).State = BeingSummoned;
  battle.KAnime(1, CellAnim{1});
  battle.KAnime(17, CellAnim{1});
  EXPECT_EQ(state.D->summoned[k(1).Type], 1);
  state.D->summoned = {};
  battle.KAnime(17, CellAnim{1});
  EXPECT_EQ(state.D->summoned[k(17).Type], 0);
}

TEST_F(FeedbackTest, VanishingFamiliarFreesItsSlot) {
  put(7, 204, 10, 4, 4);
  ASSERT_EQ(k(7).Kind, KindFamiliar);
  battle.KAnime(7, CellAnim{2});
  EXPECT_EQ(k(7).Type, 0);
  EXPECT_EQ(state.unitAt[4][4], -1);
}

TEST_F(FeedbackTest, UnitOffTheMapIsNotAnimated) {
  state.unitAt[3][3] = -1;
  k(1).State = BeingSummoned;
  battle.KAnime(1, CellAnim{1});
  EXPECT_TRUE(presenter.calls.empty());
  EXPECT_EQ(k(1).State, BeingSummoned);
}

TEST_F(FeedbackTest, DeathOrder) {
  presenter.recordRedraws = true;
  battle.KAnime(17, CellAnim{0});
  EXPECT_EQ(presenter.calls.front(), "scrollTo 14 11");
  EXPECT_EQ(presenter.calls.back(), "miniMapPaint");
  EXPECT_EQ(shownCalls().at(0), "LAnime 17 1000 死亡");
  EXPECT_EQ(shownCalls().at(1), "KAnime 17 0");
  EXPECT_EQ(k(17).State, Dead);
}

TEST_F(FeedbackTest, AnimationDuringResolutionCommitsAndReloadsTheWorkingCopy) {
  state.copyToWork();
  battle.resolving = 1;
  state.D->kw[1].HP = 7;    // a change the resolution has made so far
  state.D->kw[17].HP = -3;  // the unit dying now

  battle.KAnime(17, CellAnim{0});

  EXPECT_EQ(k(1).HP, 7);  // committed to the live records
  EXPECT_EQ(k(17).State, Dead);
  EXPECT_EQ(k(17).HP, 0);
  EXPECT_EQ(state.D->kw[17].State, Dead);  // and the resolution goes on with the result
  EXPECT_EQ(state.unitAtW[14][11], -1);
  EXPECT_EQ(battle.resolving, 1);
}

TEST_F(FeedbackTest, DeathAbilitiesActOnTheLiveRecordsDuringResolution) {
  // A revival made by the death rule must survive the reload of the working copy.
  abilities(17, {215});  // [不死]
  k(17).SP = 5;
  state.copyToWork();
  battle.resolving = 1;
  state.D->kw[17].HP = 0;

  battle.KAnime(17, CellAnim{0});

  EXPECT_EQ(state.D->kw[17].State, OnField);
  EXPECT_EQ(state.D->kw[17].HP, state.D->kw[17].HPMax);
  EXPECT_EQ(state.unitAtW[14][11], 17);
}

TEST_F(FeedbackTest, RulesSeeTheLiveBankWhileAnAnimationPlays) {
  // A presenter that asks, during the frames, which bank the rules work on.
  struct BankWatcher : RecordingPresenter {
    Battle* battle = nullptr;
    bool live = false;
    void KAnime(int u, CellAnim kind, int x, int y) override {
      live = &battle->unit(u) == &battle->d.k[u] && &battle->grid() == &battle->s.unitAt;
      RecordingPresenter::KAnime(u, kind, x, y);
    }
  } watcher;
  watcher.battle = &battle;
  battle.view = &watcher;
  state.copyToWork();
  battle.resolving = 1;
  k(1).State = BeingSummoned;
  state.D->kw[1].State = BeingSummoned;

  battle.KAnime(1, CellAnim{1});

  EXPECT_TRUE(watcher.live);
  EXPECT_EQ(battle.resolving, 1);
  EXPECT_EQ(&battle.unit(1), &state.D->kw[1]);
  battle.view = &presenter;
}

// ---------------------------------------------------------------------------
// DLAnime and the result display

TEST_F(FeedbackTest, ResultBannersPlayTheirSoundAndLeaveTheBattleEndToTheCaller) {
  struct Case {
    Banner banner;
    const char* sound;
  } cases[] = {
      {Banner::result(Won), "SE 45"},          {Banner::result(Lost), "SE 46"},
      {Banner::result(Draw), "SE 46"},         {Banner::result(Surrendered), "SE 46"},
      {Banner::phase(1), nullptr},             {{BannerKind::Weather, "天気:雨"}, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.banner.text);
    presenter.calls.clear();
    battle.battleResult = c.sound ? Lost : Running;
    battle.DLAnime(c.banner, 2300);
    const std::string banner = "DLAnime " + c.banner.text + " 2300";
    if (c.sound) {
      ASSERT_GE(presenter.calls.size(), 2u);
      EXPECT_EQ(presenter.calls[0], c.sound);
      EXPECT_EQ(presenter.calls[1], banner);
    } else {
      EXPECT_EQ(presenter.calls, std::vector<std::string>{banner});
    }
    EXPECT_TRUE(presenter.matching("PAGE").empty()) << "the battle end runs after the order returns";
  }
}

TEST_F(FeedbackTest, ShowResultStopsTheMusicWaitsAndShowsTheBanner) {
  struct Case {
    i32 result;
    const char* banner;
  } cases[] = {{Won, "DLAnime win 2300"}, {Lost, "DLAnime lose 2300"}, {Draw, "DLAnime draw 2300"}};
  for (const Case& c : cases) {
    presenter.calls.clear();
    presenter.recordRedraws = true;
    battle.battleResult = c.result;
    battle.showResult();
    ASSERT_GE(presenter.calls.size(), 4u);
    EXPECT_EQ(presenter.calls[0], "BGM 0");
    EXPECT_EQ(presenter.calls[1], "wait 2000");
    EXPECT_EQ(presenter.calls[3], c.banner);
  }
  presenter.calls.clear();
  battle.battleResult = Running;
  battle.showResult();
  EXPECT_TRUE(presenter.calls.empty());
}

}  // namespace
}  // namespace sorvane::testing
