// A battle played in the lab, saved as its set-up and orders, and replayed in
// a fresh lab reaches the same game, hash for hash.
#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include <fstream>

#include "lab_script.h"

namespace sorvane::lab {
namespace {

class LabReplay : public ::testing::Test {
 protected:
  ~LabReplay() override { std::filesystem::remove(file); }
  std::string file = (std::filesystem::temp_directory_path() / ("sorvane_replay_" + std::to_string(::getpid()))).string();
};

TEST_F(LabReplay, ASavedBattleReplaysToTheSameHash) {
  const std::vector<std::string> out = lines(runScript(
      "seed 11\nsetk 1 25 0\nglobal storyStage 0\nglobal storyBattle 1\nstage\nstart 1\n"
      "select 0\nmove 3 5\nundo\nmove 3 6\nsummon 1 4 6\n"
      "move 9 9\n"  // refused: not taken into the replay
      "tchange\ntchange\nselect 0\nmove 3 8\n"
      "hash\norders save " + file + "\norders replay " + file + "\n"));
  ASSERT_EQ(out.size(), 4u) << runScript("");
  EXPECT_EQ(out[0], "error: unit 0 cannot move now");
  EXPECT_EQ(out[2], "orders=7");
  EXPECT_EQ(out[3], "hash=" + out[1]);
}

TEST_F(LabReplay, AReplayThatGoesAnotherWaySaysWhere) {
  const std::vector<std::string> out = lines(runScript(
      "seed 11\nglobal storyStage 0\nglobal storyBattle 1\nstage\nstart 1\nselect 0\nmove 3 5\n"
      "orders save " + file + "\n"));
  ASSERT_EQ(out, std::vector<std::string>{"orders=1"});
  {
    std::ofstream add(file, std::ios::app);
    add << "order move 0 3 4\n";  // a second move in the same phase
  }
  EXPECT_EQ(lines(runScript("orders replay " + file + "\n")),
            std::vector<std::string>{"error: replay: unit 0 cannot move now"});
  EXPECT_EQ(lines(runScript("orders replay /nonexistent/replay\n")),
            std::vector<std::string>{"error: cannot read /nonexistent/replay"});
}

}  // namespace
}  // namespace sorvane::lab
