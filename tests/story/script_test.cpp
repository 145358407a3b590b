// Reading story scripts: byte positions in Shift-JIS, header, commands, and
// what the checker reports.
#include "story/script.h"

#include <gtest/gtest.h>

#include "story/characters.h"
#include "text/cp932.h"

namespace sorvane::story {
namespace {

std::string sj(std::string_view utf8) { return text::toCp932(utf8); }
std::string utf(std::string_view cp932) { return text::fromCp932(cp932); }

TEST(StoryFields, ArgumentsAreBytesSixToFifteenInWholeCharacters) {
  struct Case {
    const char* line;
    const char* argument;
  };
  // clang-format off
  const Case cases[] = {
      {"#txt@くらたん",         "くらたん"},        // 8 bytes
      {"#txt@ナイアスさん",     "ナイアスさ"},      // exactly 10 bytes: bytes 6..15
      {"#txt@aくらたんだ",      "aくらたん"},       // "だ" would be bytes 15..16: left out whole
      {"#txt@",                 ""},                // a page of narration
      {"#hai@haikei12345678",   "haikei1234"},      // background names are cut at 10 bytes too
      {"#BGM@13",               ""},                // not a page: no argument kept
  };
  // clang-format on
  for (const Case& c : cases) {
    const ScriptLine line = ParseLine(sj(c.line));
    EXPECT_EQ(utf(line.argument), c.argument) << c.line;
  }
  EXPECT_EQ(ParseLine(sj("#BGM@13")).sounds.at(0).argument, "13");
}

TEST(StoryFields, FieldAndPrefixNeverSplitACharacter) {
  const std::string line = sj("aあいう");  // a=1, あ=2..3, い=4..5, う=6..7
  EXPECT_EQ(utf(Field(line, 2, 2)), "あ");
  EXPECT_EQ(utf(Field(line, 3, 4)), "い");  // starts inside あ: あ left out, う cut at 7
  EXPECT_EQ(utf(Prefix(line, 4)), "aあ");   // い would be cut in half
  EXPECT_EQ(Field(line, 0, 5), "");
  EXPECT_EQ(Field(line, 20, 5), "");
  // A lead byte at the very end is one byte of its own, never read past.
  EXPECT_EQ(Field("ab\x82", 3, 1), "\x82");
  // A name found only across two characters does not count.
  EXPECT_EQ(FindAligned(sj("あい"), "\xa0\x82"), 0u);
  EXPECT_EQ(FindAligned(sj("xあい"), sj("い")), 4u);
}

TEST(StoryHeader, KeywordsAndDeclarations) {
  struct Case {
    const char* line;
    FollowUp followUp;
    std::vector<std::string_view> characters;
  };
  // clang-format off
  const Case cases[] = {
      {"#sentou@くらたん@ナイアス", FollowUp::Battle,      {"くらたん", "ナイアス"}},
      {"@ナイアス#settei",          FollowUp::Preparation, {"ナイアス"}},
      {"#roll#sentou",              FollowUp::Battle,      {}},           // tested in that order
      {"@リリィ@くらたん#roll",     FollowUp::Credits,     {"くらたん", "リリィ"}},  // table order
      {"@くらたん@くらたん",        FollowUp::None,        {"くらたん"}}, // one set per name
      {"@だれか@ナイアス",          FollowUp::None,        {"ナイアス"}},
      {"",                          FollowUp::None,        {}},
  };
  // clang-format on
  for (const Case& c : cases) {
    const Header h = ParseHeader(sj(c.line));
    EXPECT_EQ(h.followUp, c.followUp) << c.line;
    std::vector<std::string_view> names;
    for (int i : h.characters) names.push_back(StoryCharacters()[i].name);
    EXPECT_EQ(names, c.characters) << c.line;
  }
}

TEST(StoryCommands, EachCommandAndItsFirstMatch) {
  struct Case {
    const char* line;
    Command command;
    size_t sounds;
    bool problem;
  };
  // clang-format off
  const Case cases[] = {
      {"#hai@haikei2",          Command::Backdrop,     0, false},
      {"#BGM@13#hai",           Command::Backdrop,     1, false},  // both, each from byte 6
      {"#coall",                Command::AllOut,       0, false},
      {"#co@くらたん",          Command::CharacterOut, 0, false},
      {"#txt@",                 Command::Page,         0, false},
      {"#end",                  Command::End,          0, false},
      {"#wait@300",             Command::Wait,         0, false},
      {"#BGMs",                 Command::None,         1, false},
      {"#SE1@21#SE2@22",        Command::None,         2, false},
      {"#BGM@",                 Command::None,         1, true},   // missing argument
      {"#wait@",                Command::Wait,         0, true},
      {"#wait@3x0",             Command::Wait,         0, true},
      {"#wait@99999999999",     Command::Wait,         0, true},   // does not fit
      {"#hai",                  Command::Backdrop,     0, true},
      {"#ci@0_00",              Command::CharacterIn,  0, true},   // names nobody
      {"#co@",                  Command::CharacterOut, 0, true},
      {"#dance",                Command::None,         0, true},   // unknown command
      {"テキスト",               Command::None,         0, false},  // a text line
  };
  // clang-format on
  for (const Case& c : cases) {
    const ScriptLine line = ParseLine(sj(c.line));
    EXPECT_EQ(line.command, c.command) << c.line;
    EXPECT_EQ(line.sounds.size(), c.sounds) << c.line;
    EXPECT_EQ(!line.problems.empty(), c.problem) << c.line;
  }
  EXPECT_EQ(ParseLine(sj("#wait@300")).waitMs, 300);
  EXPECT_EQ(ParseLine(sj("#wait@3x0")).waitMs, 0);
}

TEST(StoryCommands, CharacterInReadsDigitsInFrontOfEachName) {
  // Slot: the byte 4 before the name; expression: the 2 bytes just before it.
  const ScriptLine both = ParseLine(sj("#ci@0_00くらたん4_02ナイアス"));
  ASSERT_EQ(both.placements.size(), 2u);
  EXPECT_EQ(both.placements[0].character, FindStoryCharacter("くらたん"));
  EXPECT_EQ(both.placements[0].slot, 0);
  EXPECT_EQ(both.placements[0].expression, 0);
  EXPECT_EQ(both.placements[1].character, FindStoryCharacter("ナイアス"));
  EXPECT_EQ(both.placements[1].slot, 4);
  EXPECT_EQ(both.placements[1].expression, 2);

  for (const char* bad : {"#ci@5_00くらたん", "#ci@x_00くらたん", "#ci@0_0xくらたん", "くらたん#ci@"}) {
    const ScriptLine line = ParseLine(sj(bad));
    EXPECT_TRUE(line.placements.empty()) << bad;
    EXPECT_FALSE(line.problems.empty()) << bad;
  }
}

TEST(StoryCheck, ReportsWhatTheAuthorGotWrong) {
  const auto problemsOf = [](std::string_view utf8) {
    std::vector<std::string> out;
    for (const Problem& p : CheckScript(LoadScript(sj(utf8)))) out.push_back(std::to_string(p.line) + " " + p.message);
    return out;
  };
  EXPECT_TRUE(problemsOf("#sentou@くらたん\r\n#ci@1_01くらたん\r\n#txt@くらたん\r\nいち\r\nに\r\n#end\r\n").empty());

  // A fourth text line is not taken by the page.
  const auto extra = problemsOf("#sentou\r\n#txt@\r\n1\r\n2\r\n3\r\n4\r\n#end");
  ASSERT_EQ(extra.size(), 1u);
  EXPECT_EQ(extra[0].substr(0, 2), "5 ");

  // An undeclared character, a face it lacks, a speaker cut short, no "#end".
  const auto wrong = problemsOf("#sentou@くらたん\n#ci@0_00ナイアス\n#ci@0_07くらたん\n#txt@くらたんとナイアス");
  ASSERT_EQ(wrong.size(), 4u) << ::testing::PrintToString(wrong);
  EXPECT_EQ(wrong[0].substr(0, 2), "1 ");
  EXPECT_EQ(wrong[1].substr(0, 2), "2 ");
  EXPECT_EQ(wrong[2].substr(0, 2), "3 ");
  EXPECT_EQ(wrong[3], "4 no #end");
}

}  // namespace
}  // namespace sorvane::story
