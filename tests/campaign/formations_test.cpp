#include "campaign/formations.h"

#include <gtest/gtest.h>

#include "campaign_fixture.h"

namespace sorvane {
namespace {

constexpr i32 kHunterOfCharacter1 = 251 + 2 + 7;

class Formations : public CampaignFilesTest {
 protected:
  void SetUp() override {
    Tdeta& d = *state->D;
    for (int t : {3, 5, 25, 57, 92}) d.acquired[t] = 1;
  }
  std::array<i32, 7> party() const {
    std::array<i32, 7> types{};
    for (int i = 0; i < 7; ++i) types[i] = state->D->k[i].Type;
    return types;
  }
};

TEST_F(Formations, TheLineIsSevenPaddedFieldsAndTheMethod) {
  Formation f{{251, 25, 0, 92, 0, 0, 103}, 1};
  EXPECT_EQ(formationLine(f), "251......." "25........" "0........." "92........" "0........." "0........." "103......." "1");
  Formation back = parseFormationLine(formationLine(f));
  EXPECT_EQ(back.units, f.units);
  EXPECT_EQ(back.method, 1);
  // Not numbers read as 0; a short line has empty circles.
  Formation odd = parseFormationLine("25x.......25");
  EXPECT_EQ(odd.units, (std::array<i32, 7>{0, 25, 0, 0, 0, 0, 0}));
  EXPECT_EQ(odd.method, 0);
}

TEST_F(Formations, PlacingFollowsTheLoadingRules) {
  struct Case {
    const char* what;
    i32 storyStage;
    std::array<byte, 2> charOpen;  // characters 0 and 1
    Formation stored;
    std::array<i32, 7> placed;
    i32 SH;
  };
  const std::vector<Case> cases = {
      {"the campaign keeps the master", 3, {1, 1}, {{kHunterOfCharacter1, 25, 92, 0, 0, 0, 0}, 0},
       {251, 25, 92, 0, 0, 0, 0}, MagicStone},
      {"an extra stage takes an unlocked master", 50, {1, 1}, {{kHunterOfCharacter1, 25, 0, 0, 0, 0, 0}, 1},
       {kHunterOfCharacter1, 25, 0, 0, 0, 0, 0}, MagicCircle},
      {"an extra stage keeps the master for a locked character", 55, {1, 0}, {{kHunterOfCharacter1, 0, 0, 0, 0, 0, 0}, 0},
       {251, 0, 0, 0, 0, 0, 0}, MagicStone},
      {"an extra stage keeps the master for an entry that is no master", 60, {1, 1}, {{103, 0, 0, 0, 0, 0, 0}, 0},
       {251, 0, 0, 0, 0, 0, 0}, MagicStone},
      {"a creature twice goes only to its first circle", 3, {1, 0}, {{251, 5, 25, 5, 25, 3, 5}, 7},
       {251, 5, 25, 0, 0, 3, 0}, MagicCircle},
      {"creature 57 is never placed", 3, {1, 0}, {{251, 57, 57, 3, 0, 0, 0}, 0}, {251, 0, 0, 3, 0, 0, 0}, MagicStone},
      {"creatures not acquired, familiars and masters are left out", 3, {1, 0}, {{251, 4, 201, 260, -1, 104, 92}, 0},
       {251, 0, 0, 0, 0, 0, 92}, MagicStone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    state->storyStage = c.storyStage;
    state->D->charOpen[0] = c.charOpen[0];
    state->D->charOpen[1] = c.charOpen[1];
    state->SetK(0, 251, 0);
    placeFormation(c.stored, *state);
    EXPECT_EQ(party(), c.placed);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(state->D->k[i].SH, c.SH) << i;
  }
}

TEST_F(Formations, StoringAndLoadingThroughTheFile) {
  createFormationsFileIfMissing(folders);
  EXPECT_EQ(read(folders.formationsFile()),
            [] {
              std::string all;
              for (int r = 0; r < 20; ++r) all += "0.........0.........0.........0.........0.........0.........0.........0\r\n";
              return all;
            }());
  state->SetK(1, 25, 0);
  state->SetK(3, 92, 0);
  for (int i = 0; i < 7; ++i) state->D->k[i].SH = MagicCircle;
  saveFormation(7, *state, folders);
  const auto stored = party();

  for (int i = 1; i < 7; ++i) state->SetK(i, 0, 0);
  for (int i = 0; i < 7; ++i) state->D->k[i].SH = MagicStone;
  loadFormation(7, *state, folders);
  EXPECT_EQ(party(), stored);
  EXPECT_EQ(state->D->k[5].SH, MagicCircle);
  EXPECT_EQ(lines(folders.formationsFile()).size(), 20u);
  // The list shows a creature that is no longer acquired as empty.
  state->D->acquired[92] = 0;
  Formation shown = shownFormation(parseFormations(read(folders.formationsFile()))[7], *state->D);
  EXPECT_EQ(shown.units, (std::array<i32, 7>{251, 25, 0, 0, 0, 0, 0}));
}

TEST_F(Formations, LoadingWithoutAFileChangesNothingAndStoringCreatesIt) {
  state->SetK(1, 25, 0);
  const auto before = party();
  EXPECT_THROW(loadFormation(0, *state, folders), UserFileError);
  EXPECT_EQ(party(), before);
  saveFormation(19, *state, folders);
  auto l = lines(folders.formationsFile());
  ASSERT_EQ(l.size(), 20u);
  EXPECT_TRUE(l[19].starts_with("251.......25........"));
  EXPECT_EQ(l[0], formationLine(Formation{}));
}

}  // namespace
}  // namespace sorvane
