#include <gtest/gtest.h>

#include "lab_script.h"

namespace sorvane::lab {
namespace {

TEST(LabStory, PlaysASceneFromTheArchive) {
  const std::string out = runScript("story 0\nstory 999\nstory\n");
  const auto l = lines(out);
  ASSERT_GE(l.size(), 7u) << out;
  EXPECT_EQ(l[0], "entry story0.dat");  // the lab's master, アリス the warrior, has no variant of it
  EXPECT_EQ(l[1], "music fade");        // the scene opens in silence, on black
  EXPECT_EQ(l[2], "background haikei0");
  EXPECT_EQ(l[3], "music 2");
  EXPECT_EQ(l[4], "background haikei2");
  EXPECT_NE(out.find("portraits 0:くらたん/1 4:ルエリア/0\n"), std::string::npos) << out;
  EXPECT_NE(
      out.find(
          "[ルエリア] 来ましたわね、新米さん。 わたくしはルエリア。学院始まって以来の 才女と呼ばれておりますの。\n"),
      std::string::npos);
  EXPECT_NE(
      out.find("followup=battle\nerror: アーカイブ内には指定されたID 'story999.dat' を持つデータが見つかりません\n"
               "error: usage: story N [JOB [PORTRAIT]]\n"),
      std::string::npos)
      << out;
  EXPECT_EQ(out.find("problem"), std::string::npos);
}

// The variant follows the master given, else the lab's own player master.
TEST(LabStory, PlaysTheVariantOfTheMasterGivenOrOfTheLabsPlayer) {
  struct Case {
    const char* script;
    const char* entry;
  };
  const Case cases[] = {
      {"story 5 1\n", "entry story5_j1.dat\n"},                  // a knight meets the earth creatures
      {"story 9 5 172\n", "entry story9_p172.dat\n"},            // リリィ fights beside アリス
      {"story 9 5 171\n", "entry story9.dat\n"},                 // ルエリア has no variant of it
      {"prep newgame 1 0\nstory 5\n", "entry story5_j1.dat\n"},  // the lab's player is a knight now
      {"story 5 x\n", "error: usage: story N [JOB [PORTRAIT]]\n"},
  };
  for (const Case& c : cases) {
    const std::string out = runScript(std::string("answer yes\n") + c.script);
    EXPECT_NE(out.find(c.entry), std::string::npos) << c.script << out;
    EXPECT_EQ(out.find("problem"), std::string::npos) << c.script << out;
  }
}

}  // namespace
}  // namespace sorvane::lab
