#include "campaign/settings.h"

#include <gtest/gtest.h>

#include "campaign/ini_file.h"
#include "campaign_fixture.h"
#include "text/cp932.h"

namespace sorvane {
namespace {

class SettingsFile : public CampaignFilesTest {};

TEST_F(SettingsFile, AMissingFileGivesTheDefaults) {
  SettingsLoad load = loadSettings(folders.configFile);
  EXPECT_EQ(load.settings, Settings{});
  EXPECT_TRUE(load.warning.empty());
  EXPECT_TRUE(load.settings.musicPreloaded);
  EXPECT_EQ(load.settings.fontFace, "HGS創英角ｺﾞｼｯｸUB");
  EXPECT_EQ(readSlotStages(folders.configFile), (std::array<i32, 10>{99, 99, 99, 99, 99, 99, 99, 99, 99, 99}));
}

TEST(SettingsKeys, ValuesAreReadAndCorrected) {
  struct Case {
    const char* line;
    Settings expected;
  };
  auto with = [](auto change) {
    Settings s;
    change(s);
    return s;
  };
  const std::vector<Case> cases = {
      {"OTO=0", with([](Settings& s) { s.musicPreloaded = false; })},
      {"oto = 0", with([](Settings& s) { s.musicPreloaded = false; })},  // names match in any case
      {"OTO=true", Settings{}},                                         // not a number: the default
      {"BFc=1", with([](Settings& s) { s.mapTeamColours = true; })},
      {"EFc=5", with([](Settings& s) { s.fastDrawing = true; })},
      {"BGMvo=25", with([](Settings& s) { s.musicVolume = 25; })},
      {"BGMvo=26", Settings{}},
      {"BGMvo=-1", Settings{}},
      {"SEvo=0", with([](Settings& s) { s.effectVolume = 0; })},
      {"SEvo=99", Settings{}},
      {"Framec=4", with([](Settings& s) { s.frameColour = 4; })},
      {"Framec=5", Settings{}},
      {"KLts=2", with([](Settings& s) { s.listTab = 2; })},
      {"KLts=3", Settings{}},
      {"Left=-1", Settings{}},
      {"Left=40", with([](Settings& s) { s.windowLeft = 40; })},
      {"Top=100", with([](Settings& s) { s.windowTop = 100; })},
      {"Fname=ＭＳ ゴシック", with([](Settings& s) { s.fontFace = "ＭＳ ゴシック"; })},
      {"Unknown=3", Settings{}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(settingsFromIni(IniFile::parse(std::string("[config]\r\n") + c.line + "\r\n")), c.expected);
  }
  // Keys of another section are not settings.
  EXPECT_EQ(settingsFromIni(IniFile::parse("[save]\r\nOTO=0\r\n")), Settings{});
}

TEST(SettingsKeys, AFaceThatReadingWouldTrimOrUnquoteIsWrittenInQuotes) {
  for (const char* face : {" spaced ", "\"quoted\"", "plain", ""}) {
    Settings s;
    s.fontFace = face;
    IniFile ini;
    settingsToIni(s, ini);
    EXPECT_EQ(settingsFromIni(IniFile::parse(ini.text())).fontFace, face);
  }
}

TEST_F(SettingsFile, WritingKeepsWhatTheGameDoesNotKnowAndUsesShiftJisWithCrLf) {
  const std::string original = "; comment\r\n[config]\r\nOTO=0\r\nMine=keep me\r\n\r\n[sorvane]\r\nscale=200\r\n";
  std::filesystem::create_directories(folders.configFile.parent_path());
  writeUserFileAtomically(folders.configFile, original);
  Settings s;
  s.musicVolume = 20;
  s.fontFace = "ＭＳ ゴシック";
  saveSettings(folders.configFile, s);
  writeSlotStage(folders.configFile, 4, 52);

  const std::string bytes = read(folders.configFile);
  EXPECT_NE(bytes.find("; comment\r\n[config]\r\nOTO=1\r\nMine=keep me\r\n"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("[sorvane]\r\nscale=200\r\n"), std::string::npos);
  EXPECT_NE(bytes.find(text::toCp932("Fname=ＭＳ ゴシック") + "\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("[save]\r\nsave4=52\r\n"), std::string::npos);
  EXPECT_EQ(bytes.find("\n\n"), std::string::npos);
  EXPECT_EQ(loadSettings(folders.configFile).settings, s);
  EXPECT_EQ(readSlotStages(folders.configFile)[4], 52);
  // The slot stage is replaced in place, not added again.
  writeSlotStage(folders.configFile, 4, 3);
  EXPECT_EQ(readSlotStages(folders.configFile)[4], 3);
  const std::string again = read(folders.configFile);
  EXPECT_EQ(again.find("save4="), again.rfind("save4="));
}

TEST_F(SettingsFile, AFileThatIsNotShiftJisGivesDefaultsAndIsKeptAside) {
  std::filesystem::create_directories(folders.configFile.parent_path());
  const std::string broken = "[config]\r\nBGMvo=3\r\nFname=\x81\r\n";
  writeUserFileAtomically(folders.configFile, broken);
  SettingsLoad load = loadSettings(folders.configFile);
  EXPECT_EQ(load.settings, Settings{});
  EXPECT_FALSE(load.warning.empty());
  saveSettings(folders.configFile, load.settings);
  EXPECT_EQ(read(folders.configFile.string() + ".damaged"), broken);
  EXPECT_EQ(loadSettings(folders.configFile).settings, Settings{});
}

}  // namespace
}  // namespace sorvane
