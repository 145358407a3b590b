#include "text/cp932.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sorvane::text {
namespace {

struct KnownBytes {
  std::string utf8;
  std::string cp932;
};

// Characters whose CP932 bytes the game's files depend on.
const KnownBytes kKnownBytes[] = {
    {"", ""},
    {"map1.dat", "map1.dat"},
    {"あ", "\x82\xA0"},
    {"ア", "\x83\x41"},                 // trail byte is 'A'
    {"ソ", "\x83\x5C"},                 // trail byte is '\'
    {"ｱ", "\xB1"},                      // half-width katakana: one byte
    {"ｶﾞ", "\xB6\xDE"},
    {"～", "\x81\x60"},                 // FULLWIDTH TILDE, as Windows writes it
    {"①", "\x87\x40"},                  // NEC special character
    {"\\", "\\"},
    {"はじめ1.bmp", "\x82\xCD\x82\xB6\x82\xDF" "1.bmp"},
    {"戦士\r\n騎士", "\x90\xED\x8E\x6D\r\n\x8B\x52\x8E\x6D"},
};

TEST(Cp932, KnownCharactersConvertBothWays) {
  for (const KnownBytes& c : kKnownBytes) {
    EXPECT_EQ(toCp932(c.utf8), c.cp932) << c.utf8;
    EXPECT_EQ(fromCp932(c.cp932), c.utf8) << c.utf8;
  }
}

TEST(Cp932, JapaneseTextRoundTrips) {
  const std::string story =
      "「召喚士よ、目を覚ませ。」\r\n"
      "精霊使いは静かに頷いた──ドラゴンＬｖ３、ｽﾗｲﾑ、暗殺者。\r\n"
      "炎・氷・木・地・雷・水、そして無。①②③";
  EXPECT_EQ(fromCp932(toCp932(story)), story);
  const std::string withNul("a\0b", 3);
  EXPECT_EQ(fromCp932(withNul), withNul);
}

struct BadInput {
  std::string bytes;
  std::string offset;  // what the message must name
};

TEST(Cp932, InvalidBytesNameTheirOffset) {
  const BadInput cases[] = {
      {"\x80", "offset 0"},
      {"ab\xA0", "offset 2"},
      {"abc\xFF", "offset 3"},
      {"\x82\xA0\xFD", "offset 2"},
      {"\x82\xA0\x82\x20", "offset 2"},  // lead byte with an invalid trail byte
      {"abc\x82", "offset 3"},           // text ends after a lead byte
  };
  for (const BadInput& c : cases) {
    try {
      fromCp932(c.bytes);
      ADD_FAILURE() << "no error for " << c.offset;
    } catch (const EncodingError& e) {
      EXPECT_NE(std::string(e.what()).find(c.offset), std::string::npos) << e.what();
    }
  }
}

TEST(Cp932, UnmappableOrMalformedUtf8IsAnError) {
  const BadInput cases[] = {
      {"ok\xC3", "offset 2"},              // truncated sequence
      {"\xFF", "offset 0"},                // never valid in UTF-8
      {"a\xED\xA0\x80", "offset 1"},       // surrogate
      {"\xC0\xAF", "offset 0"},            // overlong '/'
      {"ab😀", "offset 2"},                // no CP932 form
      {"caf\xC3\xA9", "offset 3"},         // é has no CP932 form
  };
  for (const BadInput& c : cases) {
    try {
      toCp932(c.bytes);
      ADD_FAILURE() << "no error for " << c.offset;
    } catch (const EncodingError& e) {
      EXPECT_NE(std::string(e.what()).find(c.offset), std::string::npos) << e.what();
    }
  }
  try {
    toCp932("ab😀");
  } catch (const EncodingError& e) {
    EXPECT_NE(std::string(e.what()).find("U+1F600"), std::string::npos) << e.what();
  }
}

TEST(Cp932, LengthCountsBytesOnDisk) {
  const std::pair<std::string, std::size_t> cases[] = {
      {"", 0}, {"abc", 3}, {"あいう", 6}, {"ｶﾞ", 2}, {"戦士Lv1", 7}, {"ドラゴン", 8}, {"①", 2},
  };
  for (const auto& [text, bytes] : cases) EXPECT_EQ(cp932Length(text), bytes) << text;
  EXPECT_THROW(cp932Length("😀"), EncodingError);
}

TEST(Cp932, LeadBytes) {
  EXPECT_TRUE(isCp932LeadByte(0x81));
  EXPECT_TRUE(isCp932LeadByte(0x9F));
  EXPECT_TRUE(isCp932LeadByte(0xE0));
  EXPECT_TRUE(isCp932LeadByte(0xFC));
  EXPECT_FALSE(isCp932LeadByte(0x80));
  EXPECT_FALSE(isCp932LeadByte(0xA0));
  EXPECT_FALSE(isCp932LeadByte(0xB1));  // half-width katakana stand alone
  EXPECT_FALSE(isCp932LeadByte(0xDF));
  EXPECT_FALSE(isCp932LeadByte(0xFD));
  EXPECT_FALSE(isCp932LeadByte('A'));
}

struct SplitCase {
  std::string text;
  std::vector<std::string> lines;
};

TEST(Cp932, SplitLinesLikeTheGameReadsFiles) {
  const SplitCase cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rb\nc", {"a", "b", "c"}},
      {"a\r", {"a"}},
      {"a\n", {"a"}},
      {"\r\n", {""}},
      {"\r\n\r\n", {"", ""}},
      {"a\r\n\r\n", {"a", ""}},
      {"a\n\rb", {"a", "", "b"}},    // LF then CR: two line ends
      {"a\r\r\nb", {"a", "", "b"}},
      {"a\n\nb", {"a", "", "b"}},
      {"\x83\x5C\r\n\x83\x41", {"\x83\x5C", "\x83\x41"}},  // CP932 bytes pass through
      {std::string("a\0b\r\nc", 6), {std::string("a\0b", 3), "c"}},
  };
  for (const SplitCase& c : cases) EXPECT_EQ(splitLines(c.text), c.lines) << testing::PrintToString(c.text);
}

}  // namespace
}  // namespace sorvane::text
