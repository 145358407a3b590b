// Usable abilities: tried on every target cell, used when the best value
// clears the ability's threshold.
#include "ai_fixture.h"

namespace sorvane::testing {
namespace {

constexpr int kMaster = 251, kEnemyMaster = 252, kCreature = 25;
constexpr i32 kHealingAura = 1;   // ■癒しのオーラ: the own cell, area 3, 10 %; used from 250
constexpr i32 kMiasma = 6;        // ■瘴気: the whole map, poison; used from 450
constexpr i32 kDoubleMove = 8;    // ■連続移動: never worth anything to the computer

class Ability : public AiFixture {
 protected:
  // Creature 1 of team 1 on (5, 5) holding ability `id`.
  Tkst& user(i32 id) {
    unit(16, kEnemyMaster, 15, 13);
    Tkst& u = unit(1, kCreature, 5, 5);
    u.TU = id;
    u.TUN = 5;
    u.SpecialN = 1;
    return u;
  }
  void decide(int u) {
    state.simulating = 1;
    op.AICheck_T(u);
    state.simulating = 0;
  }
};

TEST_F(Ability, AHealWorthTwoHundredIsNotEnough) {
  unit(0, kMaster, 0, 0);
  Tkst& u = user(kHealingAura);
  Tkst& ally = unit(2, kCreature, 6, 5);
  ally.HPMax = 100;
  ally.HP = 50;  // -100, x 2 below 60 %: worth 200
  decide(1);
  EXPECT_EQ(ally.HP, 50);
  EXPECT_EQ(u.TUN, 5);
  EXPECT_TRUE(presenter.matching("LAnime 1 9001").empty());
}

TEST_F(Ability, AMasterNearItsEndIsHealed) {
  Tkst& m = unit(0, kMaster, 5, 6);
  m.HPMax = 100;
  m.HP = 25;  // -100 x 3 x 2 x 2, x 15 / 5 for a master: worth 3600
  Tkst& u = user(kHealingAura);
  Tkst& ally = unit(2, kCreature, 6, 5);
  ally.HPMax = 100;
  ally.HP = 50;
  decide(1);
  EXPECT_EQ(m.HP, 35);
  EXPECT_EQ(ally.HP, 60);
  EXPECT_EQ(u.TUN, 4);
  EXPECT_EQ(u.SpecialN, 0);
  EXPECT_EQ(presenter.matching("LAnime 1 9001").size(), 1u);
  EXPECT_EQ(state.simulating, 0);
}

TEST_F(Ability, MiasmaIsSpreadOnlyWhenItHurtsTheOtherSideEnough) {
  Tkst& m = unit(0, kMaster, 0, 0);
  m.Poison = 1;  // nothing to lose on the own side
  Tkst& u = user(kMiasma);
  u.Poison = 1;
  Tkst& a = unit(17, kCreature, 10, 10);
  Tkst& b = unit(18, kCreature, 11, 10);
  abilities(16, {301});
  abilities(17, {301});
  abilities(18, {301});
  decide(1);
  EXPECT_EQ(u.TUN, 5);  // every enemy resists

  abilities(17, {});
  abilities(18, {});
  const Tcst& c = cat(kCreature);
  const i32 worth = 2 * (c.HPg + c.Defg + c.Magg / 2 + (c.SumT + c.SumC) * 10);
  decide(1);
  EXPECT_EQ(u.TUN == 4, worth >= 450) << worth;
  if (worth >= 450) {
    EXPECT_EQ(a.Poison, 1);
    EXPECT_EQ(b.Poison, 1);
  }
}

TEST_F(Ability, AbilitiesTheComputerCannotValueAreNeverUsed) {
  unit(0, kMaster, 0, 0);
  Tkst& u = user(kDoubleMove);
  u.SkillN = 1;
  decide(1);
  EXPECT_EQ(u.TUN, 5);
  EXPECT_EQ(u.SkillN, 1);
}

TEST_F(Ability, NothingIsTriedWithoutUsesLeft) {
  unit(0, kMaster, 5, 6).HP = 1;
  Tkst& u = user(kHealingAura);
  u.TUN = 0;
  decide(1);
  EXPECT_EQ(k(0).HP, 1);
  u.TUN = 5;
  u.Sleep = 4;
  decide(1);
  EXPECT_EQ(k(0).HP, 1);
}

}  // namespace
}  // namespace sorvane::testing
