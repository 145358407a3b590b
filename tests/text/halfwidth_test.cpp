#include "text/halfwidth.h"

#include <gtest/gtest.h>

#include <string>

#include "text/cp932.h"

namespace sorvane::text {
namespace {

struct HalfWidthCase {
  std::string in;
  std::string out;
};

TEST(HalfWidth, MapsLikeJapaneseMenus) {
  const HalfWidthCase cases[] = {
      {"", ""},
      {"ＡＢＣｘｙｚ０１９", "ABCxyz019"},
      {"！＃＄％＆（）＝～｛｝", "!#$%&()=~{}"},
      {"＼", "\\"},
      {"　", " "},
      {"ガ", "ｶﾞ"},
      {"パ", "ﾊﾟ"},
      {"ヴ", "ｳﾞ"},
      {"ヲン", "ｦﾝ"},
      {"ァィゥェォッャュョ", "ｧｨｩｪｫｯｬｭｮ"},
      {"。「」、・ー゛゜", "｡｢｣､･ｰﾞﾟ"},
      {"ドラゴンＬｖ３", "ﾄﾞﾗｺﾞﾝLv3"},
      {"スケルトン・ナイト", "ｽｹﾙﾄﾝ･ﾅｲﾄ"},
      {"ｶﾞｰｺﾞｲﾙ", "ｶﾞｰｺﾞｲﾙ"},        // already half-width
      {"ひらがな漢字", "ひらがな漢字"},  // no half-width form
      {"ヵヶヮヰヱ", "ヵヶヮヰヱ"},
      {"￥￠【】※", "￥￠【】※"},
      {"Lv 10", "Lv 10"},
      {"a\xFF\xE3\x82", "a\xFF\xE3\x82"},  // broken UTF-8 passes through
      // A lead byte without its continuation bytes must not swallow the ASCII
      // after it: these once read as U+3000, U+FF01 and ィ and came out as " ", "!" and "ｨ".
      {std::string("\xE3\x00\x00x", 4), std::string("\xE3\x00\x00x", 4)},
      {"\xEF\x3C\x81", "\xEF\x3C\x81"},
      {"\xE3\x82ガ", "\xE3\x82ｶﾞ"},
  };
  for (const HalfWidthCase& c : cases) EXPECT_EQ(toHalfWidth(c.in), c.out) << c.in;
}

// Every full-width katakana that has a half-width form must come out as
// single-byte CP932: a missing table row shows up here.
TEST(HalfWidth, EveryKatakanaWithAHalfWidthFormShrinks) {
  const std::string katakana =
      "ァアィイゥウェエォオカガキギクグケゲコゴサザシジスズセゼソゾタダチヂッツヅテデトド"
      "ナニヌネノハバパヒビピフブプヘベペホボポマミムメモャヤュユョヨラリルレロワヲンヴ";
  const std::string voiced = "ガギグゲゴザジズゼゾダヂヅデドバビブベボパピプペポヴ";
  for (std::size_t i = 0; i < katakana.size(); i += 3) {
    const std::string ch = katakana.substr(i, 3);
    const std::string half = toCp932(toHalfWidth(ch));
    const bool isVoiced = voiced.find(ch) != std::string::npos;
    EXPECT_EQ(half.size(), isVoiced ? 2u : 1u) << ch;
    for (char b : half) EXPECT_FALSE(isCp932LeadByte(static_cast<unsigned char>(b))) << ch;
  }
}

}  // namespace
}  // namespace sorvane::text
