// The lab's computer-played battles: a seed gives the same battle whatever
// ran before it in the same lab, and the battles keep the rules.
#include <gtest/gtest.h>

#include <sstream>

#include "lab_script.h"

namespace sorvane::lab {
namespace {

// The result line of the last battle a script played, without its timings.
std::string lastBattle(const std::string& script) {
  std::string last;
  for (const std::string& l : lines(runScript(script)))
    if (l.rfind("stage=", 0) == 0) last = l;
  std::istringstream words(last);
  std::string kept;
  for (std::string w; words >> w;)
    if (w.rfind("ai_ms_", 0) != 0) kept += w + " ";
  return kept;
}

// Stage 9 stops without the battle end (the lab plays no rewards), leaving
// statuses, counters and summoning methods on records stage 7 does not name.
TEST(LabAutoBattle, ABattleDoesNotDependOnTheOnesBefore) {
  const std::string alone = lastBattle("battle 7 1\n");
  ASSERT_FALSE(alone.empty());
  EXPECT_EQ(lastBattle("battle 9 2\nbattle 7 1\n"), alone);
  EXPECT_EQ(lastBattle("battle 9 2 3\nbattle 52 4 2\nbattle 7 1\n"), alone);
}

// The computer's master, flinched, has two moves and one skill use: the first
// move takes the skill use with it, the second has none left to take.
TEST(LabAutoBattle, AFlinchedUnitWithTwoMovesKeepsItsCountsAtZero) {
  const std::string out = lastBattle(
      "setk 0 253 0\nset 0 Lv 45\nset 0 HPMax 162\nset 0 HP 162\nset 0 SPMax 50\n"
      "set 0 Atk 112\nset 0 Def 108\nset 0 Mag 103\nglobal storyStage 14\nbattle 700 2001\n");
  EXPECT_NE(out.find(" violations=0 "), std::string::npos) << out;
}

}  // namespace
}  // namespace sorvane::lab
