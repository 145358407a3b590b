// Which script a scene plays for the player's master: its portrait's variant,
// then its job's, then the plain scene; a variant the archive lacks gives way.
#include "story/scene_variants.h"

#include <gtest/gtest.h>

#include <map>

#include "campaign/new_game.h"
#include "data/archive/qda_writer.h"
#include "data/syori.h"
#include "data/tables/creature_table.h"
#include "story/scene_numbers.h"

namespace sorvane::story {
namespace {

qda::Bytes scriptBytes(const std::string& marker) {
  const std::string text = "#sentou\r\n#txt@\r\n" + marker + "\r\n#end\r\n";
  return qda::Bytes(text.begin(), text.end());
}

// A small archive: scene 5 with a knight's variant, scene 9 with リリィ's.
class SceneChoice : public ::testing::Test {
 protected:
  SceneChoice()
      : archive_(qda::WriteArchive({{"story5.dat", scriptBytes("plain5")},
                                    {"story5_j1.dat", scriptBytes("knight5")},
                                    {"story9.dat", scriptBytes("plain9")},
                                    {"story9_p172.dat", scriptBytes("lily9")}},
                                   true)) {}

  SceneScript load(int scene, ScenePlayer who) const {
    return LoadSceneScript(scene, who, [&](const std::string& e) { return qda::LoadEntryFromMemory(archive_, e); });
  }

  qda::Bytes archive_;
};

TEST_F(SceneChoice, TheMostParticularScriptTheArchiveHoldsPlays) {
  struct Case {
    int scene;
    ScenePlayer who;
    const char* entry;
    const char* text;
  };
  // clang-format off
  const Case cases[] = {
      {5, {1, 170},  "story5_j1.dat",   "knight5"},  // no portrait variant: the job's
      {5, {0, 170},  "story5.dat",      "plain5"},   // no variant for a warrior
      {5, {1, 172},  "story5_j1.dat",   "knight5"},  // リリィ's variant is scene 9's alone
      {9, {1, 172},  "story9_p172.dat", "lily9"},    // the portrait before the job
      {9, {5, 171},  "story9.dat",      "plain9"},
      {9, {},        "story9.dat",      "plain9"},   // no master: the plain scene
      {5, {-1, 172}, "story5.dat",      "plain5"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.entry) + " job " + std::to_string(c.who.job) + " portrait " +
                 std::to_string(c.who.portrait));
    const SceneScript loaded = load(c.scene, c.who);
    EXPECT_EQ(loaded.entry.name, c.entry);
    ASSERT_GE(loaded.script.lines.size(), 3u);
    EXPECT_EQ(loaded.script.lines[2], c.text);
  }
}

TEST_F(SceneChoice, AMissingPlainSceneIsTheArchivesErrorEvenWithVariantsToTry) {
  EXPECT_THROW(load(7, {1, 172}), qda::EQDAError);
}

TEST(SceneEntries, NameThePortraitThenTheJobThenThePlainScene) {
  const std::vector<SceneEntry> entries = SceneEntries(12, {3, 176});
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].name, "story12_p176.dat");
  EXPECT_EQ(entries[1].name, "story12_j3.dat");
  EXPECT_EQ(entries[2].name, "story12.dat");
  EXPECT_EQ(entries[2].readKey, 12);  // the pages read before variants existed stay read
}

// A variant's pages are kept apart from every other script's, or Ctrl would
// hurry through a page never read because another script has one on that line.
TEST(SceneEntries, EveryScriptKeepsItsPagesReadUnderAKeyOfItsOwn) {
  std::map<int, std::string> scriptOfKey;
  for (const scenes::SceneUse& use : scenes::AllScenes())
    for (int job = -1; job < tables::kJobCount; ++job)
      for (int portrait : {-1, 170, 172, 180, 186})
        for (const SceneEntry& e : SceneEntries(use.scene, {job, portrait})) {
          const auto [at, fresh] = scriptOfKey.emplace(e.readKey, e.name);
          EXPECT_EQ(at->second, e.name) << "key " << e.readKey;
        }
}

TEST(ScenePlayerOf, ReadsTheJobAndPortraitTheStageSetUpReads) {
  Tsyori s;
  SetUpNewGame(s);
  struct Case {
    int entry;
    ScenePlayer expected;
  };
  const Case cases[] = {
      {masterEntry(0, 0), {0, 170}},   // アリス the warrior, as a new game starts
      {masterEntry(2, 5), {5, 172}},   // リリィ the healer
      {masterEntry(10, 6), {6, 180}},  // ｱﾘｽ_ｴﾈﾙｹﾞｲｱ, the last character
      {25, {-1, 25}},                  // a creature is no master: no job
  };
  for (const Case& c : cases) {
    s.SetK(kPlayerMaster, c.entry, 0);
    const ScenePlayer who = ScenePlayerOf(s.D->k[kPlayerMaster]);
    EXPECT_EQ(who.job, c.expected.job) << c.entry;
    EXPECT_EQ(who.portrait, c.expected.portrait) << c.entry;
  }
}

}  // namespace
}  // namespace sorvane::story
