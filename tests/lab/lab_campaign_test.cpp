// The lab's commands over the player's files, with the files in a scratch folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "lab_script.h"

namespace sorvane::lab {
namespace {

namespace fs = std::filesystem;

class LabFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "sorvane-lab-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    ::setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
  }
  void TearDown() override {
    ::unsetenv("XDG_DATA_HOME");
    ::unsetenv("XDG_CONFIG_HOME");
    fs::remove_all(root_);
  }
  fs::path root_;
};

TEST_F(LabFiles, ADamagedSlotIsRefusedWithItsNumberAndTheGameGoesOn) {
  std::vector<std::string> out = lines(runScript(
      "global storyStage 4\n"
      "save 2\n"
      "global storyStage 9\n"
      "slotline 2 330 12345\n"
      "load 2\n"
      "print state\n"
      "slotline 2 1 x\n"
      "load 2\n"
      "load 8\n"));
  ASSERT_GE(out.size(), 3u);
  EXPECT_EQ(out[0], "saved slot 2");
  EXPECT_EQ(out[1], "error: セーブデータに問題がありました。 読み込みに失敗しました。 エラー番号[90]");
  EXPECT_NE(std::find(out.begin(), out.end(), "storyStage=9"), out.end());
  EXPECT_EQ(out[out.size() - 2], "error: セーブデータに問題がありました。 読み込みに失敗しました。 エラー番号[1]");
  EXPECT_EQ(out.back(), "error: [8] データがありません");
  EXPECT_TRUE(fs::exists(root_ / "config/sorvane/config.ini"));
}

TEST_F(LabFiles, ADamagedProgressFileComesBackFromItsCopy) {
  std::vector<std::string> out = lines(runScript(
      "global recWins 7\n"
      "progress save\n"
      "progressline 104 1\n"
      "global recWins 0\n"
      "progress load\n"
      "print records\n"));
  ASSERT_GE(out.size(), 4u);
  EXPECT_EQ(out[0], "progress saved");
  EXPECT_TRUE(out[1].starts_with("error: er20")) << out[1];
  EXPECT_EQ(out[2], "progress restored from save.dat.bak");
  EXPECT_NE(std::find(out.begin(), out.end(), "勝利回数：7"), out.end());
  EXPECT_TRUE(fs::exists(root_ / "data/sorvane/save/save.dat.damaged"));
}

TEST_F(LabFiles, AFormationBringsThePartyBack) {
  std::vector<std::string> out = lines(runScript(
      "setk 1 25 0\n"
      "formation save 3\n"
      "setk 1 0 0\n"
      "formation load 3\n"
      "print unit 1\n"
      "formation load 20\n"));
  ASSERT_GE(out.size(), 2u);
  EXPECT_EQ(out[0], "formation 3 saved");
  EXPECT_EQ(out[1], "formation 3 loaded");
  EXPECT_NE(std::find(out.begin(), out.end(), "Type=25"), out.end());
  EXPECT_EQ(out.back(), "error: usage: formation save|load N (0..19)");
}

}  // namespace
}  // namespace sorvane::lab
