// The player's orders: checked like the command menu and refused without a
// trace, taken back with undo, written and read as replay lines, and cut off
// cleanly when the window closes in the middle of one.
#include <gtest/gtest.h>

#include "ai/auto_battle.h"
#include "rules/orders.h"
#include "skill_fixture.h"

namespace sorvane::testing {
namespace {

// A presenter that aborts, as a closing window does, at a chosen moment.
struct ClosingPresenter : RecordingPresenter {
  int animationsLeft = -1;  // abort at this floating text or cell animation (counting from 0)
  int waitsLeft = -1;       // abort at this wait
  bool closeOnQuestion = false;
  std::function<void()> duringWait;  // what the player does while a wait pumps events

  void LAnime(int u, const FloatingText& f, int x, int y) override {
    RecordingPresenter::LAnime(u, f, x, y);
    if (animationsLeft-- == 0) throw BattleAborted{};
  }
  void KAnime(int u, CellAnim kind, int x, int y) override {
    RecordingPresenter::KAnime(u, kind, x, y);
    if (animationsLeft-- == 0) throw BattleAborted{};
  }
  void wait(int ms) override {
    RecordingPresenter::wait(ms);
    if (duringWait) duringWait();
    if (waitsLeft-- == 0) throw BattleAborted{};
  }
  bool question(const std::string& text) override {
    if (closeOnQuestion) throw BattleAborted{};
    return RecordingPresenter::question(text);
  }
};

class Orders : public SkillFixture {
 protected:
  Orders() {
    battle.view = &closing;
    plain(0, masterEntry(0, Mage), 2, 2);
    plain(16, masterEntry(0, Warrior), 15, 11);
    plain(1, kPlainCreature, 5, 5);
    k(1).Team = 1;
    Twst& sk = testSkill(40);
    sk.Range = 3;
    k(1).W = SharedArray<i32>(std::vector<i32>{kTestSkill, 0, 0, 0, 0});
    k(1).TU = 0;
  }

  // An enemy creature two cells from unit 1 that the test skill kills.
  void weakEnemyNextTo() {
    plain(17, kPlainCreature, 5, 7, 20, 5);
    k(17).Team = 2;
  }

  std::uint64_t position() const { return positionHash(battle, 0); }

  // The engine between orders: no trial, no working copy, nothing running.
  void expectDefinedState() {
    EXPECT_EQ(state.simulating, 0);
    EXPECT_EQ(battle.resolving, 0);
    EXPECT_EQ(battle.onLiveRecords, 0);
    EXPECT_EQ(battle.busy, 0);
  }

  ClosingPresenter closing;
  Commands commands{battle};
};

TEST_F(Orders, ARefusedOrderSaysWhyAndChangesNothing) {
  k(1).MoveN = 1;
  const std::uint64_t before = position();
  const auto reachBefore = state.reachPath;
  struct Case {
    Order order;
    std::string why;
  };
  const Case cases[] = {
      {Order::move(1, 17, 13), "cell 17,13 is out of reach"},
      {Order::move(16, 15, 10), "unit 16 is not of the team whose phase it is"},
      {Order::move(40, 1, 1), "unit 40 is not on the field"},
      {Order::useSkill(1, 3, 5, 6), "unit 1 has no skill 3"},
      {Order::useSkill(1, kTestSkill, 5, 6), "skill 194 has nothing to act on at 5,6"},
      {Order::summon(1, 1, 5, 6), "unit 1 is not a master"},
      {Order::returnHome(0), "unit 0 cannot return"},
      {Order::useAbility(1, 5, 6), "unit 1 has no usable ability"},
      {Order::undo(), "there is no move to take back"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.order.text());
    EXPECT_EQ(commands.give(c.order), c.why);
    EXPECT_EQ(position(), before);
    EXPECT_EQ(state.reachPath, reachBefore) << "the checks leave no reach behind";
  }
  EXPECT_TRUE(commands.log().empty());
  battle.battleResult = Lost;
  EXPECT_EQ(commands.give(Order::endPhase()), "the battle is over");
}

TEST_F(Orders, UndoPutsTheMoveBackExactlyUntilAnythingElseIsDone) {
  weakEnemyNextTo();
  const std::uint64_t before = position();
  ASSERT_EQ(commands.give(Order::move(1, 6, 5)), "");
  EXPECT_NE(position(), before);
  EXPECT_TRUE(commands.canUndo());
  ASSERT_EQ(commands.give(Order::undo()), "");
  EXPECT_EQ(position(), before);
  EXPECT_EQ(state.unitAt[5][5], 1);
  EXPECT_FALSE(commands.canUndo()) << "one move, one undo";

  ASSERT_EQ(commands.give(Order::move(1, 6, 5)), "");
  ASSERT_EQ(commands.give(Order::useSkill(1, kTestSkill, 5, 7)), "");
  EXPECT_EQ(commands.give(Order::undo()), "there is no move to take back");
  EXPECT_EQ(commands.log().size(), 4u);
}

TEST_F(Orders, NoOrderIsTakenWhileARuleRuns) {
  weakEnemyNextTo();
  std::string refused;
  closing.duringWait = [&] {
    if (refused.empty()) refused = commands.give(Order::move(0, 2, 3));
  };
  battle.opponentPhase = [](Battle& b) { b.view->wait(100); };
  ASSERT_EQ(commands.give(Order::endPhase()), "");
  EXPECT_EQ(refused, "a rule is still running");
  EXPECT_EQ(battle.busy, 0);
}

TEST_F(Orders, ClosingInsideAnAnimationDropsTheWholeOrder) {
  weakEnemyNextTo();
  const std::uint64_t before = position();
  const Tkst masterBefore = k(1);
  // The test skill's hit, then the death of its target: close in the death.
  closing.animationsLeft = 1;
  EXPECT_THROW(commands.give(Order::useSkill(1, kTestSkill, 5, 7)), BattleAborted);
  expectDefinedState();
  EXPECT_EQ(position(), before);
  EXPECT_EQ(k(1).SP, masterBefore.SP) << "no half-paid skill";
  EXPECT_EQ(k(17).State, OnField);
  EXPECT_TRUE(commands.log().empty());

  closing.animationsLeft = -1;
  EXPECT_EQ(commands.give(Order::useSkill(1, kTestSkill, 5, 7)), "") << "the engine takes orders again";
  EXPECT_EQ(k(17).State, Dead);
}

TEST_F(Orders, ClosingInsideAQuestionLeavesTheBattleRunning) {
  const std::uint64_t before = position();
  closing.closeOnQuestion = true;
  EXPECT_THROW(commands.give(Order::surrender()), BattleAborted);
  expectDefinedState();
  EXPECT_EQ(position(), before);
  EXPECT_EQ(battle.battleResult, Running);
}

TEST_F(Orders, ClosingDuringTheComputersPhaseGoesBackToThePlayersPhase) {
  const std::uint64_t before = position();
  // A computer phase that has already changed the board when the window closes.
  battle.opponentPhase = [](Battle& b) {
    Simulation trials(b.s);
    b.d.k[16].HP -= 3;
    RealAction real(b.s);
    b.view->wait(350);
  };
  closing.waitsLeft = 0;
  EXPECT_THROW(commands.give(Order::endPhase()), BattleAborted);
  expectDefinedState();
  EXPECT_EQ(position(), before);
  EXPECT_EQ(battle.phaseTeam, 1);
}

TEST(OrderLines, EveryOrderReadsBackAsItWasWritten) {
  const Order orders[] = {
      Order::move(3, 5, 7),       Order::useSkill(3, 41, 6, 7), Order::summon(0, 2, 4, 5, 9),
      Order::summon(0, 6, 1, 2),  Order::returnHome(3),         Order::useAbility(3, 6, 7),
      Order::endPhase(),          Order::surrender(),           Order::undo(),
  };
  for (const Order& o : orders) {
    std::string why;
    const std::optional<Order> back = Order::parse(o.text(), why);
    ASSERT_TRUE(back.has_value()) << o.text() << ": " << why;
    EXPECT_EQ(*back, o) << o.text();
  }
  EXPECT_EQ(Order::summon(0, 2, 4, 5).text(), "summon 0 2 4 5 -1");
}

TEST(OrderLines, ALineThatIsNoOrderSaysWhy) {
  const std::pair<std::string, std::string> cases[] = {
      {"jump 1 2", "not an order: jump 1 2"},
      {"move 1 2", "wrong number of values: move 1 2"},
      {"end 3", "wrong number of values: end 3"},
      {"move 1 x 2", "not a number: x"},
  };
  for (const auto& [line, why] : cases) {
    std::string error;
    EXPECT_FALSE(Order::parse(line, error).has_value()) << line;
    EXPECT_EQ(error, why);
  }
}

}  // namespace
}  // namespace sorvane::testing
