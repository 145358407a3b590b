// Which commands the menu offers, and which chosen targets it accepts.
#include <functional>
#include <ostream>

#include "battle_fixture.h"

namespace sorvane::testing {
namespace {

constexpr i32 kFullControl = 14;
constexpr i32 kScratchSkill = 1;

class CommandsTest : public BattleFixture {
 protected:
  void SetUp() override {
    k(0) = Tkst{};
    k(1) = Tkst{};
    Tkst& master = put(0, masterEntry(0, Mage), 10, 2, 2, {kScratchSkill, 0, 0, 0, 0, 0, 0, 0});
    master.SP = 16;
    master.TU = 2;
    master.TUN = 3;
    readyAll(master);
    Tkst& creature = put(1, 25, 10, 5, 5, {kScratchSkill, 0, 0, 0, 0});
    creature.Team = 1;
    creature.TU = 0;
    readyAll(creature);
    abilities(0, {});
    abilities(1, {});
    skill().Cost = 4;
  }
  static void readyAll(Tkst& u) { u.MoveN = u.SkillN = u.SummonN = u.SpecialN = 1; }
  Twst& skill() { return state.D->skills[kScratchSkill]; }

  struct Offer {
    bool move, skills, summon, special;
    bool operator==(const Offer&) const = default;
    friend void PrintTo(const Offer& o, std::ostream* os) {
      *os << "move " << o.move << " skills " << o.skills << " summon " << o.summon << " special " << o.special;
    }
  };
  Offer offer(int u) {
    return {battle.canMove(u), battle.canUseSkills(u), battle.canSummon(u), battle.canUseSpecial(u)};
  }
};

struct StatusCase {
  const char* what;
  std::function<void(Tkst&)> change;
  bool move, skills, summon, special;
};

TEST_F(CommandsTest, StatusesAndCountersCloseCommands) {
  const StatusCase cases[] = {
      {"nothing", [](Tkst&) {}, true, true, true, true},
      {"immobile", [](Tkst& u) { u.Immobile = 1; }, false, true, true, true},
      {"skill seal", [](Tkst& u) { u.SkillSeal = 2; }, true, false, true, true},
      {"summon seal", [](Tkst& u) { u.SummonSeal = 1; }, true, true, false, true},
      {"asleep", [](Tkst& u) { u.Sleep = 5; }, false, false, false, false},
      {"petrified", [](Tkst& u) { u.Stone = 1; }, false, false, false, false},
      {"poisoned", [](Tkst& u) { u.Poison = 1; }, true, true, true, true},
      {"moved", [](Tkst& u) { u.MoveN = 0; }, false, true, true, true},
      {"acted", [](Tkst& u) { u.SkillN = 0; }, true, false, true, true},
      {"summoned", [](Tkst& u) { u.SummonN = 0; }, true, true, false, true},
      {"used its ability", [](Tkst& u) { u.SpecialN = 0; }, true, true, true, false},
      {"no uses left", [](Tkst& u) { u.TUN = 0; }, true, true, true, false},
      {"no usable ability", [](Tkst& u) { u.TU = 0; }, true, true, true, false},
  };
  for (const StatusCase& c : cases) {
    SetUp();
    c.change(k(0));
    EXPECT_EQ(offer(0), (Offer{c.move, c.skills, c.summon, c.special})) << c.what;
  }
}

TEST_F(CommandsTest, APetrifiedCreatureCanStillReturn) {
  k(1).Stone = 1;
  EXPECT_EQ(offer(1), (Offer{false, false, false, false}));
  EXPECT_TRUE(battle.canReturn(1));
  EXPECT_FALSE(battle.canReturn(0));
}

TEST_F(CommandsTest, OnlyMastersSummon) { EXPECT_FALSE(battle.canSummon(1)); }

TEST_F(CommandsTest, FullControlTakesTheMastersMovesAndSkills) {
  abilities(1, {kFullControl});
  EXPECT_EQ(offer(0), (Offer{false, false, true, true}));
  EXPECT_EQ(offer(1), (Offer{true, true, false, false}));

  k(1).State = Waiting;  // a servant off the field controls nothing
  EXPECT_EQ(offer(0), (Offer{true, true, true, true}));

  k(1).State = OnField;
  k(1).Master = 16;  // someone else's servant
  EXPECT_EQ(offer(0), (Offer{true, true, true, true}));
}

TEST_F(CommandsTest, AMasterCannotSpendItsLastSpOnASkillButACreatureMay) {
  k(0).SP = 8;
  skill().Cost = 8;
  EXPECT_FALSE(battle.canUseSkill(0, 0));
  skill().Cost = 7;
  EXPECT_TRUE(battle.canUseSkill(0, 0));

  k(1).SP = 3;
  skill().Cost = 5;
  EXPECT_TRUE(battle.canUseSkill(1, 0));
}

TEST_F(CommandsTest, EmptyOrMissingSkillSlotsAreClosed) {
  EXPECT_FALSE(battle.canUseSkill(0, 1));
  EXPECT_FALSE(battle.canUseSkill(0, 8));
  EXPECT_FALSE(battle.canUseSkill(1, 5));
  EXPECT_FALSE(battle.canUseSkill(1, -1));
  k(1).W = SharedArray<i32>{};
  EXPECT_FALSE(battle.canUseSkill(1, 0));
}

// --- Targets ---------------------------------------------------------------------

class TargetTest : public CommandsTest {
 protected:
  // The player's flow: choose the skill, then a cell of its range.
  bool aimSkill(int user, int x, int y) {
    battle.selectUnit(user);
    state.selSkill = kScratchSkill;
    battle.skillReach();
    state.tgtX = x;
    state.tgtY = y;
    battle.skillArea();
    return battle.skillTargetAccepted();
  }
  bool aimSpecial(int user, i32 ability, int x, int y) {
    battle.selectUnit(user);
    state.selSpecial = ability;
    battle.specialReach();
    state.spTgtX = x;
    state.spTgtY = y;
    battle.specialArea();
    return battle.specialTargetAccepted();
  }
};

TEST_F(TargetTest, AUnitSkillNeedsAUnitItMayTouchInItsArea) {
  Twst& w = skill();
  w.Cat = 1;
  w.Range = 1;
  w.SelfOK = 1;
  w.Area = 1;
  w.Target = 1;  // not the user
  EXPECT_FALSE(aimSkill(1, 5, 5));  // only the user in the area
  EXPECT_FALSE(aimSkill(1, 5, 6));  // nobody

  Tkst& enemy = put(17, 25, 10, 5, 6);
  enemy.Team = 2;
  EXPECT_TRUE(aimSkill(1, 5, 6));
  enemy.State = BeingSummoned;  // not on the field
  EXPECT_FALSE(aimSkill(1, 5, 6));

  w.Target = 9;  // on the field or being summoned
  EXPECT_TRUE(aimSkill(1, 5, 6));

  w.Target = 0;  // anyone on the field: the user itself counts
  EXPECT_TRUE(aimSkill(1, 5, 5));
}

TEST_F(TargetTest, AFamiliarSkillNeedsAnEmptyCellOtherKindsAlwaysPass) {
  Twst& w = skill();
  w.Range = 1;
  w.SelfOK = 1;
  w.Area = 1;
  w.Cat = 2;
  EXPECT_FALSE(aimSkill(1, 5, 5));
  EXPECT_TRUE(aimSkill(1, 5, 6));
  w.Area = 2;
  EXPECT_TRUE(aimSkill(1, 5, 5));

  for (i32 cat : {3, 4, 6}) {
    w.Cat = cat;
    w.Area = 1;
    EXPECT_TRUE(aimSkill(1, 5, 5)) << cat;
  }
  w.Cat = 0;
  EXPECT_FALSE(aimSkill(1, 5, 6));
}

TEST_F(TargetTest, UsableAbilityTargetKinds) {
  EXPECT_TRUE(aimSpecial(1, 11, 5, 5));  // kind 0: anything

  EXPECT_TRUE(aimSpecial(1, 10, 5, 6));   // kind 1: an empty cell
  put(2, 25, 10, 5, 6).Team = 1;
  EXPECT_FALSE(aimSpecial(1, 10, 5, 6));

  EXPECT_TRUE(aimSpecial(1, 2, 5, 6));    // kind 2: a unit on the field
  EXPECT_FALSE(aimSpecial(1, 2, 6, 6));
  k(2).State = BeingSummoned;
  EXPECT_FALSE(aimSpecial(1, 2, 5, 6));
  k(2).State = OnField;

  EXPECT_FALSE(aimSpecial(1, 4, 5, 6));   // kind 3: the user's own master
  fillGrid(state.unitAt, i32{-1});
  state.unitAt[5][5] = 1;
  state.unitAt[4][5] = 0;
  EXPECT_TRUE(aimSpecial(1, 4, 4, 5));
  k(0).State = BeingSummoned;
  EXPECT_FALSE(aimSpecial(1, 4, 4, 5));
  k(0).State = OnField;

  Tkst& golem = put(7, 201, 10, 6, 5);   // kind 4: a golem of the user's team
  golem.Team = 1;
  EXPECT_TRUE(aimSpecial(1, 9, 6, 5));
  golem.Team = 2;
  EXPECT_FALSE(aimSpecial(1, 9, 6, 5));
  golem.Team = 1;
  golem.Type = 204;
  EXPECT_FALSE(aimSpecial(1, 9, 6, 5));
}

}  // namespace
}  // namespace sorvane::testing
