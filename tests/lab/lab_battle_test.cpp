// The lab's battle commands: orders and their refusals, the flow of phases,
// surrender, answers, feedback, and the battle fields of `global` and `print`.
#include <gtest/gtest.h>

#include <sstream>

#include "lab_script.h"

namespace sorvane::lab {
namespace {

// Story stage 0, begun with the player first: アリス on (3, 3) with コウ in
// slot 1, ルエリア on (14, 10) with two creatures waiting. The computer's
// phases pass without actions.
const std::string kStoryZero =
    "ai off\n"
    "seed 7\n"
    "setk 1 25 0\n"
    "global storyStage 0\n"
    "global storyBattle 1\n"
    "stage\n"
    "start 1\n"
    "feedback\n";

// What `script` prints after the set-up has run.
std::string after(const std::string& setup, const std::string& script) {
  std::string before = runScript(setup);
  std::string all = runScript(setup + script);
  EXPECT_EQ(all.substr(0, before.size()), before);
  return all.substr(before.size());
}

bool has(const std::string& out, const std::string& line) { return ("\n" + out).find("\n" + line + "\n") != std::string::npos; }

TEST(LabBattle, StartOpensTheFirstPhase) {
  std::vector<std::string> l = lines(runScript(
      "seed 7\nsetk 1 25 0\nglobal storyStage 0\nglobal storyBattle 1\nstage\nstart 1\nfeedback\nprint battle\n"));
  ASSERT_GE(l.size(), 8u);
  EXPECT_EQ(std::vector<std::string>(l.begin(), l.begin() + 8),
            (std::vector<std::string>{"PAGE 3", "DLAnime ステージ 800", "BGM 10", "DLAnime 自フェイズ 500", "phaseTeam=1",
                                      "firstTeam=1", "turn=1", "battleResult=0"}));
  EXPECT_EQ(runScript("start 3\nstart\n"), "error: usage: start 1|2\nerror: usage: start 1|2\n");
}

TEST(LabBattle, MoveGoesWhereTheReachAllows) {
  std::string out = after(kStoryZero, "select 0\nmove 3 5\nprint units\nmove 3 6\n");
  EXPECT_TRUE(has(out, "0 アリス 251 1 1 1 10 3 5")) << out;
  EXPECT_TRUE(has(out, "error: unit 0 cannot move now")) << out;

  EXPECT_EQ(after(kStoryZero, "select 0\nmove 17 13\nmove 18 0\n"),
            "error: cell 17,13 is out of reach\nerror: no cell 18,0\n");
}

TEST(LabBattle, OnlyUnitsOnTheFieldInTheirPhaseTakeOrders) {
  EXPECT_EQ(after(kStoryZero, "select 1\nmove 4 4\nselect 16\nmove 13 10\nreturn\n"),
            "error: unit 1 is not on the field\n"
            "error: unit 16 is not of the team whose phase it is\n"
            "error: unit 16 is not of the team whose phase it is\n");
}

TEST(LabBattle, SummonRefusesWhatTheMenuDisables) {
  std::string out = after(kStoryZero,
                          "select 0\n"
                          "summon 3 4 4\n"    // empty slot
                          "summon 7 4 4\n"    // no such slot
                          "summon 1 17 13\n"  // too far
                          "summon 1 4 4 5\n"  // a chanting master offers nobody
                          "summon 1 4 4\n"
                          "feedback\n"
                          "print units\n"
                          "summon 1 4 5\n");
  EXPECT_EQ(lines(out)[0], "error: creature slot 3 cannot be summoned now");
  EXPECT_EQ(lines(out)[1], "error: creature slot 1..6: 7");
  EXPECT_EQ(lines(out)[2], "error: cell 17,13 is out of reach");
  EXPECT_EQ(lines(out)[3], "error: only a sacrifice summoner offers a sacrifice");
  EXPECT_TRUE(has(out, "KAnime 1 3")) << out;
  EXPECT_TRUE(has(out, "1 コウ 25 1 2 2 10 4 4")) << out;
  EXPECT_EQ(lines(out).back(), "error: unit 0 cannot summon now");
}

TEST(LabBattle, ReturnSendsACreatureBack) {
  std::string out = after(kStoryZero,
                          "select 0\nreturn\n"
                          "set 1 State 1\nplace 1 4 4\nselect 1\nreturn\nfeedback\nprint units\n");
  EXPECT_EQ(lines(out)[0], "error: unit 0 cannot return");
  EXPECT_TRUE(has(out, "SE 7")) << out;
  EXPECT_TRUE(has(out, "KAnime 1 2")) << out;
  EXPECT_TRUE(has(out, "1 コウ 25 1 2 3 10 - -")) << out;
}

TEST(LabBattle, UseNeedsAUsableAbility) {
  EXPECT_EQ(after(kStoryZero, "select 0\nuse 3 4\nuse 3\n"),
            "error: unit 0 has no usable ability\nerror: usage: use X Y\n");
}

TEST(LabBattle, SkillRefusals) {
  EXPECT_EQ(after(kStoryZero,
                  "select 0\n"
                  "skill 999 3 4\n"  // not one of its skills
                  "skill 201 9 9\n"  // スラッシュ reaches one cell
                  "skill 201 3 4\n"  // nobody there
                  "set 0 SP 2\n"
                  "skill 201 3 4\n"  // a master keeps its last SP
                  "set 0 SP 16\n"
                  "set 0 SkillSeal 2\n"
                  "skill 201 3 4\n"),
            "error: unit 0 has no skill 999\n"
            "error: cell 9,9 is out of reach\n"
            "error: skill 201 has nothing to act on at 3,4\n"
            "error: skill 201 cannot be chosen now\n"
            "error: unit 0 cannot use skills now\n");
}

TEST(LabBattle, ASkillThatFellsTheLastEnemyMasterWinsTheBattle) {
  std::string out = after(kStoryZero,
                          "place 16 3 4\n"
                          "set 16 HP 1\n"
                          "set 16 EvaP -100\n"
                          "select 0\n"
                          "skill 201 3 4\n"
                          "feedback\n"
                          "print battle\n"
                          "print state\n");
  EXPECT_EQ(out.find("error"), std::string::npos) << out;
  EXPECT_TRUE(has(out, "DLAnime win 2300")) << out;
  EXPECT_TRUE(has(out, "battleResult=1")) << out;
  EXPECT_TRUE(has(out, "recWins=1")) << out;
  EXPECT_TRUE(has(out, "storyStage=1")) << out;
  EXPECT_TRUE(has(out, "PAGE 2")) << out;
}

TEST(LabBattle, TchangePassesThePhaseOn) {
  std::string out = after(kStoryZero, "tchange\nfeedback\nfeedback\nprint battle\n");
  std::vector<std::string> l = lines(out);
  ASSERT_GE(l.size(), 3u);
  EXPECT_EQ(l[0], "SE 7");
  EXPECT_EQ(l[1], "DLAnime 敵フェイズ 500");
  EXPECT_TRUE(has(out, "turn=2")) << out;
  EXPECT_TRUE(has(out, "phaseTeam=1")) << out;
}

TEST(LabBattle, SurrenderAsksAndTheAnswersComeInOrder) {
  EXPECT_EQ(after(kStoryZero, "surrender\nfeedback\n"), "SE 6\nQUESTION 降参しますか？\nSE 8\n");

  std::string out = after(kStoryZero,
                          "set 17 State 0\n"  // a fallen enemy creature pays 5 experience and 1 BP
                          "answer yes\nanswer no\n"
                          "surrender\nfeedback\nprint battle\nsurrender\ntchange\nanswer maybe\n");
  EXPECT_TRUE(has(out, "DLAnime give 3300")) << out;
  EXPECT_TRUE(has(out, "MESSAGE アリスは5の経験値を得ました。\\n\\nコウは5の経験値を得ました。\\n\\n1のBPを得ました。")) << out;
  EXPECT_TRUE(has(out, "QUESTION もう一度挑戦しますか？")) << out;
  EXPECT_TRUE(has(out, "battleResult=4")) << out;
  EXPECT_TRUE(has(out, "recBattles=0")) << out;
  EXPECT_TRUE(has(out, "BP=1")) << out;
  std::vector<std::string> l = lines(out);
  ASSERT_GE(l.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(l.end() - 3, l.end()),
            (std::vector<std::string>{"error: the battle is over", "error: the battle is over",
                                      "error: usage: answer yes|no"}));
}

TEST(LabBattle, GlobalSetsBattleFieldsRecordsAndBattlePoints) {
  std::string out = runScript(
      "global phaseTeam 2\n"
      "global turn x\n"
      "global BP 50\n"
      "global recWins 3\n"
      "global pickMode 1\n"
      "global weather 4\n"
      "print battle\n"
      "print state\n");
  EXPECT_EQ(lines(out)[0], "error: not a number: x");
  for (const char* line : {"phaseTeam=2", "BP=50", "recWins=3", "weather=4", "pickMode=1", "curTarget=-1"})
    EXPECT_TRUE(has(out, line)) << line << "\n" << out;
}

TEST(LabBattle, PrintBattleListsItsFieldsInOrder) {
  std::vector<std::string> l = lines(runScript("print battle\n"));
  ASSERT_EQ(l.size(), 8u + 23u);
  const char* first[] = {"phaseTeam", "firstTeam", "turn", "battleResult", "weather", "zokuseiti1", "zokuseiti2", "BP",
                         "recBattles"};
  for (std::size_t i = 0; i < std::size(first); ++i) EXPECT_EQ(l[i].substr(0, l[i].find('=')), first[i]);
  EXPECT_EQ(l.back(), "recMaxKills=0");
}

TEST(LabBattle, NewGameStartsANewBattleButKeepsTheBattlePoints) {
  std::string out = runScript("global turn 5\nglobal BP 40\nnewgame\nprint battle\n");
  EXPECT_TRUE(has(out, "turn=0")) << out;
  EXPECT_TRUE(has(out, "BP=40")) << out;
}

TEST(LabBattle, ReachCommandsSetTheirSelectionFields) {
  std::string out = after(kStoryZero,
                          "select 0\n"
                          "skillReach 201\n"
                          "skillArea 3 4\n"
                          "summonReach 2\n"
                          "specialArea 5 6\n"
                          "summonReach 0\n"
                          "skillReach 400\n"
                          "print state\n"
                          "print grid areaPath\n");
  std::vector<std::string> l = lines(out);
  EXPECT_EQ(l[0], "error: creature slot 1..6: 0");
  EXPECT_EQ(l[1], "error: skill id 0..318: 400");
  for (const char* line : {"selSkill=201", "tgtX=3", "tgtY=4", "sumUnit=2", "spTgtX=5", "spTgtY=6"})
    EXPECT_TRUE(has(out, line)) << line;
}

TEST(LabBattle, AiSwitch) {
  std::vector<std::string> l = lines(runScript("ai on\nai off\nai maybe\nai\n"));
  ASSERT_EQ(l.size(), 2u);
  for (const std::string& line : l) EXPECT_EQ(line.rfind("error: usage: ai", 0), 0u) << line;
}

TEST(LabBattle, PrintProgress) {
  std::string out = runScript("print progress\n");
  EXPECT_EQ(out,
            "jobOpen=0,0,0,0,0,0,0\n"
            "extraOpen=0\n"
            "charOpen=1,0,0,0,0,0,0,0,0,0,0\n"
            "defeated=\n"
            "acquired=25,92\n"
            "summoned=\n");
}

}  // namespace
}  // namespace sorvane::lab
