// Names in the command menu: padded when short, half-width when long,
// counted in bytes of the game's text encoding.
#include <gtest/gtest.h>

#include "app/command_menu.h"

namespace sorvane {
namespace {

TEST(MenuName, PadsShortNamesAndNarrowsLongOnes) {
  struct Case {
    const char* name;
    const char* shown;
  } cases[] = {
      {"ゴブリン", "ゴブリン     "},            // 8 bytes: padded to 13
      {"スラッシュ", "スラッシュ"},              // 10 bytes: as it is
      {"ハードスラッシュ", "ﾊｰﾄﾞｽﾗｯｼｭ    "},    // 16 bytes: half-width (9 bytes), padded
      {"アイウエオカキクケ", "ｱｲｳｴｵｶｷｸｹ    "},  // 18 bytes: half-width, 9 bytes, padded
      {"", "             "},
  };
  for (const Case& c : cases) EXPECT_EQ(menuName(c.name), c.shown) << c.name;
}

}  // namespace
}  // namespace sorvane
