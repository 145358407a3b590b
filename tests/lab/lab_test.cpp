#include <gtest/gtest.h>

#include <sstream>

#include "lab_script.h"

namespace sorvane::lab {
namespace {


TEST(Lab, BadCommandsReportAndTheScriptGoesOn) {
  std::string out = runScript(
      "frobnicate 1\n"
      "set 64 HP 3\n"
      "set 0 Nope 3\n"
      "set 0 HP many\n"
      "terrain 18 0 1\n"
      "terrain 0 0 14\n"
      "global nothing 1\n"
      "map 999\n"
      "set 0 HP 7   # a comment\n"
      "print unit 0\n");
  std::vector<std::string> l = lines(out);
  ASSERT_GE(l.size(), 8u);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(l[i].rfind("error: ", 0), 0u) << l[i];
  EXPECT_NE(out.find("\nHP=7\n"), std::string::npos);
}

TEST(Lab, PrintsAUnitInRecordOrder) {
  std::vector<std::string> l = lines(runScript(
      "set 3 N 大天使 ミカ\n"
      "set 3 Poison 2\n"
      "set 3 W 1,2,0\n"
      "set 3 AI.MasterW 15\n"
      "print unit 3\n"));
  ASSERT_FALSE(l.empty());
  EXPECT_EQ(l.front(), "N=大天使 ミカ");
  EXPECT_EQ(l[1], "G=0");
  auto at = [&](const std::string& prefix) {
    for (std::size_t i = 0; i < l.size(); ++i)
      if (l[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
    return -1;
  };
  EXPECT_EQ(l[at("Poison=")], "Poison=2");
  EXPECT_EQ(l[at("W=")], "W=1,2,0");
  EXPECT_EQ(l[at("TN=")], "TN=0,0,0,0");
  EXPECT_EQ(l[at("AI.MasterW=")], "AI.MasterW=15");
  EXPECT_LT(at("State="), at("Poison="));
  EXPECT_LT(at("StatusShield="), at("CritB="));
  EXPECT_LT(at("ProcP="), at("W="));
  EXPECT_LT(at("TNS="), at("TU="));
  EXPECT_EQ(l.back(), "AI.ReturnW=0");
}

TEST(Lab, PlaceMovesAUnitAndPrintsTheGrid) {
  std::vector<std::string> l = lines(runScript(
      "place 5 0 0\n"
      "place 5 17 13\n"
      "print grid unitAt\n"));
  ASSERT_EQ(l.size(), 14u);
  EXPECT_EQ(l[0].substr(0, 3), "-1 ");
  EXPECT_EQ(l[13].substr(l[13].size() - 2), " 5");
  std::istringstream row(l[13]);
  int cells = 0;
  for (std::string c; row >> c;) ++cells;
  EXPECT_EQ(cells, 18);
}

TEST(Lab, StringGridsPrintDotsForEmptyCells) {
  std::vector<std::string> l = lines(runScript("print grid reachPath\n"));
  ASSERT_EQ(l.size(), 14u);
  EXPECT_EQ(l[0], ". . . . . . . . . . . . . . . . . .");
}

TEST(Lab, MapAndTerrainCommands) {
  std::vector<std::string> l = lines(runScript(
      "mapline " + std::string(252, '5') + "2\n"
      "terrain 1 0 13\n"
      "print grid terrain\n"
      "mapline 9\n"
      "print grid terrain\n"
      "print state\n"));
  ASSERT_GE(l.size(), 28u);
  EXPECT_EQ(l[0], "5 13 5 5 5 5 5 5 5 5 5 5 5 5 5 5 5 5");
  EXPECT_EQ(l[14], "9 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1");
  std::string rest;
  for (std::size_t i = 28; i < l.size(); ++i) rest += l[i] + "\n";
  EXPECT_NE(rest.find("maxX=17\n"), std::string::npos);
  EXPECT_NE(rest.find("climate=1\n"), std::string::npos) << "the map line had no climate";
  EXPECT_NE(rest.find("mapNo=-1\n"), std::string::npos) << "a map line is not a numbered map";
}

TEST(Lab, MapLoadsALineOfTheBuiltMapFile) {
  std::string out = runScript("map 0\nprint state\n");
  EXPECT_EQ(out.find("error"), std::string::npos) << out;
  EXPECT_NE(out.find("mapNo=0\n"), std::string::npos);
}

TEST(Lab, GlobalSetsStateFields) {
  std::string out = runScript("global weather 4\nglobal storyBattle 1\nglobal lastUnit 63\nprint state\n");
  EXPECT_NE(out.find("weather=4\n"), std::string::npos);
  EXPECT_NE(out.find("storyBattle=1\n"), std::string::npos);
  EXPECT_NE(out.find("lastUnit=63\n"), std::string::npos);
}

// What the records and the game state cannot hold is refused, and the old
// value stays: indices must name something that exists, cells must lie on the
// map, and numbers stay far enough inside 32 bits for the rules' sums.
TEST(Lab, ValuesOutsideWhatTheRecordsHoldAreRefused) {
  struct Case {
    const char* command;
    const char* error;
    const char* unchanged;  // a line of the printout that must still be there
  } cases[] = {
      {"set 3 Master 64", "error: Master must be 0..63", "Master=0"},
      {"set 3 Master -1", "error: Master must be 0..63", "Master=0"},
      {"set 3 Type 328", "error: Type must be 0..327", "Type=0"},
      {"set 3 State 4", "error: State must be 0..3", "State=0"},
      {"set 3 Lv 1000", "error: Lv must be 0..999", "Lv=0"},
      {"set 3 Atk 2147483647", "error: Atk must be -99999..99999", "Atk=0"},
      {"set 3 W 1,319", "error: skill ids are 0..318", "W="},
      {"set 3 TN 407", "error: ability ids are 0..406", "TN=0,0,0,0"},
      {"set 3 AI.Retreat 256", "error: AI.Retreat must be 0..255", "AI.Retreat=0"},
      {"setk 3 25 1000", "error: level 0..999: 1000", "Lv=0"},
      {"global lastUnit 64", "error: lastUnit must be 0..63", "lastUnit=0"},
      {"global lastUnit -1", "error: lastUnit must be 0..63", "lastUnit=0"},
      {"global maxX 18", "error: maxX must be 0..17", "maxX=17"},
      {"global maxY 14", "error: maxY must be 0..13", "maxY=13"},
      {"global selUnit 99", "error: selUnit must be 0..63", "selUnit=0"},
      {"global tgtX -1", "error: tgtX must be 0..17", "tgtX=0"},
      {"global curTarget 64", "error: curTarget must be -1..63", "curTarget=-1"},
      {"global recWins -1", "error: recWins must be 0..2147483647", "recWins=0"},
      {"global BP 1000", "error: BP must be 0..999", "BP=0"},
  };
  for (const Case& c : cases) {
    const std::string out = runScript(std::string(c.command) + "\nprint unit 3\nprint state\nprint battle\n");
    EXPECT_EQ(lines(out).front(), c.error) << c.command;
    EXPECT_NE(("\n" + out).find("\n" + std::string(c.unchanged) + "\n"), std::string::npos) << c.command;
  }
  EXPECT_EQ(runScript("set 3 Master 63\nglobal lastUnit 0\nglobal maxX 0\nglobal recWins 2147483647\n"), "");
}

TEST(Lab, HashFollowsTheState) {
  std::string a = runScript("seed 4\nnewgame\nmap 0\nset 2 HP 9\nhash\n");
  std::string b = runScript("seed 4\nnewgame\nmap 0\nset 2 HP 9\nhash\n");
  std::string c = runScript("seed 4\nnewgame\nmap 0\nset 2 HP 8\nhash\n");
  std::string d = runScript("seed 5\nnewgame\nmap 0\nset 2 HP 9\nhash\n");
  EXPECT_EQ(a.size(), 17u);
  EXPECT_EQ(a, b);
  EXPECT_NE(a, c);
  EXPECT_NE(a, d) << "the generator is part of the state";
}

TEST(Lab, NewGameStartsOver) {
  std::string out = runScript("set 5 HP 50\nglobal weather 3\nnewgame\nprint unit 5\nprint state\n");
  EXPECT_NE(out.find("\nHP=0\n"), std::string::npos);
  EXPECT_NE(out.find("weather=0\n"), std::string::npos);
}

}  // namespace
}  // namespace sorvane::lab
