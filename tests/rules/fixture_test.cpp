#include "battle_fixture.h"

namespace sorvane::testing {
namespace {

TEST_F(BattleFixture, PutsUnitsOnTheFieldWithTheirSidesTeam) {
  put(0, masterEntry(0, Warrior), 10, 2, 2);
  put(16, masterEntry(0, Mage), 10, 15, 11);
  Tkst& creature = put(17, 25, 12, 14, 11);
  EXPECT_EQ(creature.Team, 2);
  EXPECT_EQ(creature.Kind, KindCreature);
  EXPECT_EQ(creature.State, OnField);
  EXPECT_EQ(state.unitAt[14][11], 17);
  EXPECT_FALSE(creature.W.empty());
  int x = -1, y = -1;
  ASSERT_TRUE(battle.findCell(state.unitAt, 17, x, y));
  EXPECT_EQ(x, 14);
  EXPECT_EQ(y, 11);
}

}  // namespace
}  // namespace sorvane::testing
