#include <gtest/gtest.h>

#include "lab_script.h"

namespace sorvane::lab {
namespace {

TEST(LabStory, PlaysASceneFromTheArchive) {
  const std::string out = runScript("story 0\nstory 999\nstory\n");
  const auto l = lines(out);
  ASSERT_GE(l.size(), 6u) << out;
  EXPECT_EQ(l[0], "music fade");  // the scene opens in silence, on black
  EXPECT_EQ(l[1], "background haikei0");
  EXPECT_EQ(l[2], "music 2");
  EXPECT_EQ(l[3], "background haikei2");
  EXPECT_NE(out.find("portraits 0:くらたん/1 4:ルエリア/0\n"), std::string::npos) << out;
  EXPECT_NE(
      out.find(
          "[ルエリア] 来ましたわね、新米さん。 わたくしはルエリア。学院始まって以来の 才女と呼ばれておりますの。\n"),
      std::string::npos);
  EXPECT_NE(
      out.find("followup=battle\nerror: アーカイブ内には指定されたID 'story999.dat' を持つデータが見つかりません\n"
               "error: usage: story N\n"),
      std::string::npos)
      << out;
  EXPECT_EQ(out.find("problem"), std::string::npos);
}

}  // namespace
}  // namespace sorvane::lab
