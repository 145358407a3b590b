// The lab's stage commands: setk, stage and print units, and the new game
// they start from.
#include <gtest/gtest.h>

#include <sstream>

#include "lab_script.h"

namespace sorvane::lab {
namespace {

TEST(LabStage, ANewGameHasItsMasterAndThreeOwnedEntries) {
  std::ostringstream out;
  Lab lab(out, SORVANE_GAME_DIR);
  const Tsyori& s = lab.state();
  const Tkst& master = s.D->k[0];
  EXPECT_EQ(master.Type, 251);
  EXPECT_EQ(master.N, "アリス");
  EXPECT_EQ(master.Lv, 10);
  EXPECT_EQ(master.HPMax, 10 * 140 * 2 / 100 + 10);
  EXPECT_EQ(master.State, OnField);
  EXPECT_EQ(s.D->charOpen[0], 1);
  for (int c = 0; c < kCollectable; ++c) EXPECT_EQ(s.D->acquired[c], c == 0 || c == 25 || c == 92 ? 1 : 0) << c;
  for (const Tcst& e : s.D->creatures) EXPECT_EQ(e.Lv, 10);
}

TEST(LabStage, SetKInitialisesAUnit) {
  std::string out = runScript(
      "setk 3 39 40\n"   // イエティ is not owned: 無し
      "setk 2 25 40\n"   // コウ is: at its catalogue level
      "setk 17 3 25\n"
      "global lastUnit 31\n"
      "print unit 17\n");
  EXPECT_EQ(out.find("error"), std::string::npos) << out;
  EXPECT_NE(out.find("\nHPMax=24\n"), std::string::npos) << out;  // 12 + 25 div 2
  EXPECT_NE(out.find("\nLv=25\n"), std::string::npos);
}

TEST(LabStage, SetKRefusesWhatIsNotThere) {
  std::vector<std::string> l = lines(runScript("setk 64 1 1\nsetk 1 328 1\nsetk 1 1\nsetk 1 1 x\n"));
  ASSERT_EQ(l.size(), 4u);
  for (const std::string& line : l) EXPECT_EQ(line.rfind("error: ", 0), 0u) << line;
}

TEST(LabStage, StageSetsUpAStoryBattleAndListsTheUnits) {
  std::vector<std::string> l = lines(runScript(
      "setk 1 25 0\n"
      "global storyStage 0\n"
      "global storyBattle 1\n"
      "global stageNo -1\n"
      "global mapNo -1\n"
      "stage\n"
      "print units\n"
      "print state\n"));
  ASSERT_GE(l.size(), 5u);
  EXPECT_EQ(l[0], "0 アリス 251 1 1 1 10 3 3");
  EXPECT_EQ(l[1], "1 コウ 25 1 2 3 10 - -");
  EXPECT_EQ(l[2], "16 ルエリア 257 2 1 1 10 14 10");
  EXPECT_EQ(l[3], "17 雪ん子 36 2 2 3 9 - -");
  EXPECT_EQ(l[4], "18 スルト 24 2 2 3 9 - -");
  std::string rest;
  for (const std::string& line : l) rest += line + "\n";
  EXPECT_NE(rest.find("\nmapNo=100\n"), std::string::npos);
  EXPECT_NE(rest.find("\nstageNo=0\n"), std::string::npos);
}

TEST(LabStage, AChainStageListsItsHiddenMaster) {
  std::string out = runScript("global storyStage 61\nglobal storyBattle 1\nglobal stageNo -1\nglobal mapNo -1\nstage\nprint units\n");
  EXPECT_NE(out.find("\n16 ティアマト 21 2 2 1 50 15 11\n"), std::string::npos) << out;
  EXPECT_NE(out.find("\n23 無し 0 2 1 1 50 - -\n"), std::string::npos) << out;
}

TEST(LabStage, SeededFreeBattlesRepeat) {
  const std::string script = "seed 11\nnewgame\nglobal stageNo -1\nglobal mapNo -1\nstage\nprint units\nprint state\nhash\n";
  std::string a = runScript(script);
  EXPECT_EQ(a, runScript(script));
  EXPECT_EQ(a.find("error"), std::string::npos) << a;
  EXPECT_NE(a.find("\nstageNo=1"), std::string::npos) << "a group-1 party" << a;
  EXPECT_NE(a.find("\n16 "), std::string::npos) << a;
}

TEST(LabStage, ARetryUsesTheGivenStageAndMap) {
  std::string out = runScript("global stageNo 841\nglobal mapNo 12\nstage\nprint state\nprint units\n");
  EXPECT_NE(out.find("\nstageNo=841\n"), std::string::npos) << out;
  EXPECT_NE(out.find("\nmapNo=12\n"), std::string::npos);
  EXPECT_NE(out.find("\n16 ガーディアン 251 2 1 1 "), std::string::npos) << "party 41 of group 8";
  EXPECT_NE(out.find("\n22 ウコバク 22 2 2 3 "), std::string::npos);
}

}  // namespace
}  // namespace sorvane::lab
