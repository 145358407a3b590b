#include <gtest/gtest.h>

#include "data/syori.h"

namespace sorvane {
namespace {

TEST(GameState, StartsZeroFilled) {
  Tsyori s;
  for (const Tkst& u : s.D->k) {
    EXPECT_EQ(u.State, Dead);
    EXPECT_EQ(u.Type, 0);
    EXPECT_TRUE(u.N.empty());
    EXPECT_TRUE(u.W.empty());
    EXPECT_TRUE(u.TNS.empty());
    EXPECT_EQ(u.AI.MasterW, 0) << "AI defaults are written by unit initialisation, not by creation";
  }
  EXPECT_EQ(s.lastUnit, 0);
  EXPECT_EQ(s.maxX, 0);
  EXPECT_EQ(s.terrain[17][13], 0);
  EXPECT_EQ(s.D->acquired[25], 0);
}

TEST(GameState, AIDefaultsAreThoseOfUnitInitialisation) {
  TAI ai = TAI::defaults();
  EXPECT_EQ(ai.Auto, 0);
  EXPECT_EQ(ai.Ip, 1);
  EXPECT_EQ(ai.ElemW, 5);
  EXPECT_EQ(ai.MasterW, 15);
  EXPECT_EQ(ai.FamiliarW, 2);
  EXPECT_EQ(ai.SummonLate, 1);
  EXPECT_EQ(ai.SummonFar, 0);
  EXPECT_EQ(ai.ReturnW, 5);
}

TEST(GameState, StatusesInSkillColumnOrder) {
  Tkst u;
  u.Poison = 1;
  u.Parasite = 14;
  u.Spirit = 15;
  u.StatusShield = 21;
  EXPECT_EQ(u.status(0), 1);
  EXPECT_EQ(u.status(kAilmentCount - 1), 14);
  EXPECT_EQ(u.status(kAilmentCount), 15);
  EXPECT_EQ(u.status(kStatusCount - 1), 21);
  u.status(10) = 3;
  EXPECT_EQ(u.Curse, 3);
}

class CopyBank : public ::testing::Test {
 protected:
  void SetUp() override {
    s.lastUnit = 31;
    for (int i = 0; i < kUnitCount; ++i) {
      s.D->k[i].HP = 100 + i;
      s.D->k[i].W = SharedArray<i32>{1, 2, 3, 4, 5};
    }
    fillGrid(s.unitAt, i32{-1});
    s.unitAt[3][4] = 7;
  }
  Tsyori s;
};

TEST_F(CopyBank, CopiesRecordsUpToLastUnitAndTheUnitGrid) {
  s.copyToWork();
  EXPECT_EQ(s.D->kw[31].HP, 131);
  EXPECT_EQ(s.D->kw[32].HP, 0) << "sides 2 and 3 are not in play with lastUnit 31";
  EXPECT_EQ(s.unitAtW[3][4], 7);

  s.D->kw[5].HP = 1;
  s.unitAtW[3][4] = -1;
  s.copyFromWork();
  EXPECT_EQ(s.D->k[5].HP, 1);
  EXPECT_EQ(s.unitAt[3][4], -1);
}

TEST_F(CopyBank, SkillListIsSharedNotDuplicated) {
  s.copyToWork();
  EXPECT_TRUE(s.D->kw[0].W.sharesWith(s.D->k[0].W));
  s.D->kw[0].W[2] = 99;  // writing an element reaches the live record too
  EXPECT_EQ(s.D->k[0].W[2], 99);
  s.D->kw[1].W = SharedArray<i32>{7, 0, 0, 0, 0};  // replacing the list does not
  EXPECT_EQ(s.D->k[1].W[0], 1);
}

TEST(AbilityTest, EmptyAbilitiesNeverMatch) {
  Tdeta d;
  d.abilities[81].Name = "[飛行]";
  Tkst u;
  u.TNS = d.buildTNS({0, 0, 0, 0});
  EXPECT_TRUE(u.TNS.empty());
  EXPECT_FALSE(d.hasAbility(u, 81));
  EXPECT_FALSE(d.hasAbility(u, 0)) << "the empty name of id 0 must not count as held";
}

TEST(AbilityTest, TheNameInTNSDecidesNotTheId) {
  Tdeta d;
  d.abilities[81].Name = "[飛行]";
  d.abilities[83].Name = "[攻撃強化]";
  Tkst u;
  u.TN = {81, 0, 83, 0};
  u.TNS = d.buildTNS(u.TN);
  EXPECT_EQ(u.TNS, "[飛行][攻撃強化]");
  EXPECT_TRUE(d.hasAbility(u, 83));
  u.TNS = Name("[攻撃強化]");  // an ability taken away in battle
  EXPECT_FALSE(d.hasAbility(u, 81));
}

TEST(Names, EqualTextsShareOneString) {
  Name a(std::string("アリス"));
  Name b("アリス");
  EXPECT_EQ(a, b);
  EXPECT_EQ(&a.str(), &b.str());
  EXPECT_FALSE(a == Name("リリィ"));
  EXPECT_TRUE(Name().empty());
}

}  // namespace
}  // namespace sorvane
