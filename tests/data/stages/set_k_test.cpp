// SetK: one unit record from one catalogue entry.
#include <gtest/gtest.h>

#include "stage_fixture.h"

namespace sorvane::testing_stages {
namespace {

class SetK : public StageFixture {};

constexpr int kSatori = 1;      // 覚: HPg 50
constexpr int kBasilisk = 3;    // バジリスク: HPg 25
constexpr int kKoh = 25;        // コウ, owned after a new game
constexpr int kYeti = 39;       // イエティ, not owned

TEST_F(SetK, APlayerSlotTakesOnlyOwnedCreatures) {
  s->SetK(3, kYeti, 40);
  EXPECT_EQ(k(3).Type, 0);
  EXPECT_EQ(k(3).State, Waiting);
  EXPECT_EQ(k(3).N, "無し");
  EXPECT_EQ(k(3).Lv, s->D->creatures[0].Lv) << "the player's slots take the catalogue level, whatever the argument";

  s->SetK(3, kKoh, 40);
  EXPECT_EQ(k(3).Type, kKoh);
  EXPECT_EQ(k(3).Lv, 10);
  EXPECT_EQ(k(3).State, Waiting);

  // An opponent's slot takes anything, at the level asked for.
  s->SetK(19, kYeti, 40);
  EXPECT_EQ(k(19).Type, kYeti);
  EXPECT_EQ(k(19).Lv, 40);
}

TEST_F(SetK, EntriesWithoutACollectionFlagNeverFillAPlayerSlot) {
  s->SetK(1, 205, 5);  // a familiar
  EXPECT_EQ(k(1).Type, 0);
  s->SetK(2, 300, 5);  // a master entry
  EXPECT_EQ(k(2).Type, 0);
  s->SetK(2, 5000, 5);  // no entry at all
  EXPECT_EQ(k(2).Type, 0);
  s->SetK(20, -3, 5);
  EXPECT_EQ(k(20).Type, 0);
}

TEST_F(SetK, KindMasterAndStateFollowTheSlot) {
  struct Case {
    int i, kind, master, state;
  } cases[] = {
      {16, KindMaster, 16, OnField},   {17, KindCreature, 16, Waiting}, {22, KindCreature, 16, Waiting},
      {23, KindFamiliar, 16, Waiting}, {31, KindFamiliar, 16, Waiting}, {32, KindMaster, 32, OnField},
      {38, KindCreature, 32, Waiting}, {55, KindFamiliar, 48, Waiting}, {48, KindMaster, 48, OnField},
  };
  for (const Case& c : cases) {
    s->SetK(c.i, kBasilisk, 12);
    EXPECT_EQ(k(c.i).Kind, c.kind) << c.i;
    EXPECT_EQ(k(c.i).Master, c.master) << c.i;
    EXPECT_EQ(k(c.i).State, c.state) << c.i;
  }
  s->SetK(48, 0, 12);
  EXPECT_EQ(k(48).State, Waiting) << "an empty master slot is not on the field";
}

TEST_F(SetK, SPStartsAt16ForAMasterAndFullOtherwise) {
  s->SetK(16, 253, 20);
  EXPECT_EQ(k(16).SP, 16);
  EXPECT_EQ(k(16).SPMax, 50);
  s->SetK(17, kBasilisk, 20);
  EXPECT_EQ(k(17).SP, 14);
  EXPECT_EQ(k(17).SPMax, 14);
}

TEST_F(SetK, UnitsCopyTeamAndCommanderFromTheirMasterAsItIsNow) {
  // The previous battle left side 3 with the other team and the player in command.
  k(48).Team = 1;
  k(48).AI.Auto = 0;
  s->SetK(52, kBasilisk, 15);
  EXPECT_EQ(k(52).Team, 1) << "initialising a unit before its master copies the old values";
  EXPECT_EQ(k(52).AI.Auto, 0);
  s->SetK(48, 253, 15);
  s->SetK(52, kBasilisk, 15);
  EXPECT_EQ(k(52).Team, 2);
  EXPECT_EQ(k(52).AI.Auto, 1);

  // A stage that hands side 2 to the computer writes its master after SetK.
  s->SetK(32, 253, 15);
  k(32).Team = 2;
  k(32).AI.Auto = 1;
  s->SetK(33, kBasilisk, 15);
  EXPECT_EQ(k(33).Team, 2);
  EXPECT_EQ(k(33).AI.Auto, 1);
}

TEST_F(SetK, SideTwoComesBackToThePlayerAtItsNextInitialisation) {
  k(32).AI.Auto = 1;
  s->SetK(32, 0, 0);
  EXPECT_EQ(k(32).AI.Auto, 0);
  EXPECT_EQ(k(32).Team, 1);
  s->SetK(16, 0, 0);
  EXPECT_EQ(k(16).AI.Auto, 1);
}

TEST_F(SetK, HPMastersAddTheirLevelOthersHalfOfIt) {
  s->SetK(16, kSatori, 15);
  EXPECT_EQ(k(16).HPMax, 30);  // 15 × 50 × 2 div 100 + 15
  EXPECT_EQ(k(16).HP, 30);
  s->SetK(17, kSatori, 15);
  EXPECT_EQ(k(17).HPMax, 22);  // 15 + 15 div 2
  s->SetK(17, kBasilisk, 25);
  EXPECT_EQ(k(17).HPMax, 12 + 12);  // 1250 div 100, plus 25 div 2
}

TEST_F(SetK, StatsDropTheirFractions) {
  Tcst& e = s->D->creatures[kBasilisk];
  e.Atkg = 99;
  e.Defg = 25;
  e.Magg = 1;
  s->SetK(17, kBasilisk, 13);
  EXPECT_EQ(k(17).Atk, 25);  // 2574 div 100
  EXPECT_EQ(k(17).Def, 6);   // 650 div 100
  EXPECT_EQ(k(17).Mag, 0);   // 26 div 100
}

TEST_F(SetK, CopiesTheEntryAndResetsTheAiButLeavesBattleStateAlone) {
  Tkst& u = k(20);
  u.AI.Ip = 104;
  u.AI.MasterW = 0;
  u.AI.ReachSkill = 77;
  u.Poison = 3;
  u.AtkB = 20;
  u.TU = 4;
  u.SH = 2;
  u.SumTC = 5;
  u.W = SharedArray<i32>{9, 9, 9, 9, 9};
  s->SetK(20, 27, 30);  // 紅葉
  const Tcst& e = s->D->creatures[27];
  EXPECT_EQ(u.N.str(), e.Name);
  EXPECT_EQ(u.G, 27);
  EXPECT_EQ(u.Elem, Fire);
  EXPECT_EQ(u.Mov, e.Mov);
  EXPECT_EQ(u.SumT, e.SumT);
  EXPECT_EQ(u.SumC, e.SumC);
  EXPECT_EQ(u.SumK, e.SumK);
  EXPECT_EQ(u.ZOC, e.ZOC);
  EXPECT_EQ(u.SumTC, 0);
  EXPECT_EQ(u.AI.Ip, 1);
  EXPECT_EQ(u.AI.MasterW, 15);
  EXPECT_EQ(u.AI.SummonLate, 1);
  EXPECT_EQ(u.AI.ReachSkill, 77) << "a working value of the AI";
  EXPECT_EQ(u.Poison, 3);
  EXPECT_EQ(u.AtkB, 20);
  EXPECT_EQ(u.TU, 4);
  EXPECT_EQ(u.SH, 2);
  EXPECT_EQ(u.W[0], 9);
}

}  // namespace
}  // namespace sorvane::testing_stages
