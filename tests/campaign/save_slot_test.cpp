#include "campaign/save_slot.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "campaign/padded_fields.h"
#include "campaign/settings.h"
#include "campaign_fixture.h"
#include "state_hash.h"

namespace sorvane {
namespace {

constexpr int kMaster = 251 + 2 + 7 * 1;  // character 1 as a hunter

// The first entry in first..last whose lists have at least the given sizes.
int entryWith(const Tdeta& d, int first, int last, std::size_t skills, std::size_t abilities) {
  for (int t = first; t <= last; ++t)
    if (d.creatures[t].SkL.size() >= skills && d.creatures[t].AbL.size() >= abilities) return t;
  return -1;
}

// A game in progress: levels, experience, skills and abilities learned, a party, a method and a stage.
void playSome(Tsyori& s) {
  Tdeta& d = *s.D;
  for (int t : {1, 25, 92, 103}) {
    d.creatures[t].Lv = 10 + t % 41;
    d.creatures[t].Exp = t % 100;
  }
  d.creatures[kMaster].Lv = 50;
  d.creatures[kMaster].Exp = 100;
  d.creatures[25].SkL[0] = 1;
  d.creatures[kMaster].SkL[1] = 1;
  d.creatures[kMaster].SkL[3] = 1;
  for (std::size_t a = 0; a < d.creatures[kMaster].AbL.size(); ++a)
    if (d.creatures[kMaster].AbL[a] == 2) {
      d.creatures[kMaster].AbL[a] = 1;
      break;
    }
  d.charOpen[1] = 1;
  s.SetK(0, kMaster, 0);
  for (int i = 1; i <= 6; ++i) s.SetK(i, i == 1 ? 25 : i == 4 ? 92 : 0, 0);
  for (int i = 0; i <= 6; ++i) d.k[i].SH = MagicCircle;
  s.storyStage = 7;
}

// Replaces field `index` (20 characters) of line `line` with `value`.
void setField(std::vector<std::string>& lines, int line, int index, const std::string& value) {
  std::string& l = lines[std::size_t(line)];
  padTo(l, std::size_t(20 * (index + 1)));
  std::string field = value;
  padTo(field, 20);
  l.replace(std::size_t(20 * index), 20, field);
}
i32 fieldValue(const std::vector<std::string>& lines, int line, int index) {
  return fieldNumber(lines[std::size_t(line)], std::size_t(20 * index), 20).value();
}

class SaveSlots : public CampaignFilesTest {};

TEST_F(SaveSlots, SavingAndLoadingGivesBackTheGame) {
  playSome(*state);
  saveSlot(3, *state, campaign, folders);
  const std::uint64_t saved = lab::stateHash(*state);
  EXPECT_EQ(campaign.currentSlot, 3);
  EXPECT_EQ(readSlotStages(folders.configFile)[3], 7);

  auto other = newGame(99);
  Campaign otherCampaign;
  SlotLoad load = loadSlot(3, *other, otherCampaign, folders);
  ASSERT_EQ(load.error, 0) << load.message;
  EXPECT_EQ(otherCampaign.currentSlot, 3);
  // Same levels, experience, skills, abilities, party, method, stage and (from
  // the progress file) flags; the generators were seeded apart.
  other->rng = state->rng;
  EXPECT_EQ(lab::stateHash(*other), saved);
  EXPECT_EQ(other->D->k[0].Type, kMaster);
  EXPECT_EQ(other->D->k[4].Type, 92);
  EXPECT_EQ(other->D->k[6].SH, MagicCircle);
  EXPECT_EQ(other->storyStage, 7);
}

TEST_F(SaveSlots, ChecksumAndFieldsWorkedByHand) {
  // A new game: 180 stored entries at level 10 with no experience, stage 0,
  // master 251: S = 1800 + 0 + 251 = 2051, K = 6 * 2051 + 2862 = 15168.
  for (std::size_t j = 0; j < state->D->creatures[1].SkL.size(); ++j) state->D->creatures[1].SkL[j] = 0;
  EXPECT_EQ(slotChecksum(*state), 2051);
  std::vector<std::string> l = slotLines(*state, 1234);
  ASSERT_EQ(l.size(), 331u);
  EXPECT_EQ(l[0], "11515168" "1234");
  // Entry 1: A = 12 * (2051 - 2) = 24588, B = 4 * (2051 - 3) = 8192,
  // C = (2051 div 4283 + 2) * (0 - 1603193) + 22 = -3206364.
  EXPECT_EQ(l[1], "24588..............." "8192................" "-3206364............" "....................");
  // Method line: (0 + 41) * (251 + 2051 + 20); stage line: (0 + 47) * (251 + 2051 - 44).
  EXPECT_EQ(l[329], "95202");
  EXPECT_EQ(l[330], "106126");
  // Party: master (251 + 34) * 2051, empty circle i (0 + 34) * (24i + 2051).
  EXPECT_EQ(l[328].substr(0, 40), "584535.............." "70550...............");
}

TEST_F(SaveSlots, ANoiseChangeStillLoads) {
  saveSlot(0, *state, campaign, folders);
  auto l = lines(folders.slotFile(0));
  l[0] = l[0].substr(0, 8) + "987";
  write(folders.slotFile(0), l);
  EXPECT_EQ(loadSlot(0, *state, campaign, folders).error, 0);
}

// Each damaged field gives its number, and the running game stays as it was.
TEST_F(SaveSlots, EveryCheckRejectsTheSlotAndLeavesTheGameAsItWas) {
  const Tdeta& d = *state->D;
  const int manySkills = entryWith(d, 1, 103, 6, 0);
  const int richMaster = entryWith(d, 251, 327, 9, 3);
  ASSERT_GT(manySkills, 0);
  ASSERT_GT(richMaster, 0);
  saveSlot(5, *state, campaign, folders);
  const std::vector<std::string> good = lines(folders.slotFile(5));
  const i32 s = slotChecksum(*state);
  const i32 master = kFirstMaster;
  auto str = [](std::int64_t v) { return std::to_string(v); };

  struct Case {
    const char* what;
    int line, field;
    std::string value;
    int code;
  };
  const std::vector<Case> cases = {
      {"level field not a number", 5, 0, "12a", 1},
      {"level field off its factor", 1, 0, str(fieldValue(good, 1, 0) + 1), 20},
      {"level 9", 1, 0, str((9 + 2) * (s - 2)), 21},
      {"level 51", 1, 0, str((51 + 2) * (s - 2)), 21},
      {"experience off its factor", 2, 1, str(fieldValue(good, 2, 1) + 1), 30},
      {"experience 101", 2, 1, str((101 + 4) * (s - 6)), 31},
      {"skills off their factor", 3, 2, str(fieldValue(good, 3, 2) + 1), 40},
      {"six skills for a creature", manySkills, 2, str(2 * (63 - 1603193) + 22 * manySkills), 42},
      {"nine skills for a master", richMaster, 2, str(2 * (511 - 1603193) + 22 * richMaster), 43},
      {"abilities off their factor", 251, 3, str(fieldValue(good, 251, 3) + 1), 50},
      {"three abilities for a master", richMaster, 3, str((7 + 14) * (s * 61) - 46 * richMaster), 51},
      {"party off its factor", 328, 2, str(fieldValue(good, 328, 2) + 1), 60},
      {"master type 250", 328, 0, str((250 + 34) * s), 62},
      {"creature type 104", 328, 1, str((104 + 34) * (24 + s)), 63},
      {"method off its factor", 329, 0, str(fieldValue(good, 329, 0) + 1), 80},
      {"method 4", 329, 0, str((4 + 41) * (master + s + 20)), 81},
      {"stage off its factor", 330, 0, str(fieldValue(good, 330, 0) + 1), 90},
      {"stage -1", 330, 0, str((-1 + 47) * (master + s - 44)), 91},
      {"level 11 that the checksum does not hold", 1, 0, str((11 + 2) * (s - 2)), 100},
  };

  // The running game differs from the slot, so a partial take-over would show.
  playSome(*state);
  campaign.currentSlot = 2;
  const std::uint64_t before = lab::stateHash(*state);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> damaged = good;
    setField(damaged, c.line, c.field, c.value);
    write(folders.slotFile(5), damaged);
    SlotLoad load = loadSlot(5, *state, campaign, folders);
    EXPECT_EQ(load.error, c.code);
    EXPECT_EQ(load.message, "セーブデータに問題がありました。\n読み込みに失敗しました。\nエラー番号[" + str(c.code) + "]");
    EXPECT_EQ(lab::stateHash(*state), before);
    EXPECT_EQ(campaign.currentSlot, 2);
  }
}

TEST_F(SaveSlots, AMissingOrShortFileIsAnErrorThatChangesNothing) {
  const std::uint64_t before = lab::stateHash(*state);
  EXPECT_THROW(loadSlot(4, *state, campaign, folders), UserFileError);
  saveSlot(4, *state, campaign, folders);
  auto l = lines(folders.slotFile(4));
  l.resize(330);
  write(folders.slotFile(4), l);
  playSome(*state);
  const std::uint64_t played = lab::stateHash(*state);
  EXPECT_THROW(loadSlot(4, *state, campaign, folders), UserFileError);
  EXPECT_EQ(lab::stateHash(*state), played);
  EXPECT_NE(played, before);
}

TEST_F(SaveSlots, TheFileIsCrLfLinesWithTheSaveFolderMadeWhenMissing) {
  ASSERT_FALSE(std::filesystem::exists(folders.saveFolder));
  saveSlot(9, *state, campaign, folders);
  const std::string bytes = read(folders.slotFile(9));
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 331);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 331);
  std::size_t crlf = 0;
  for (std::size_t at = 0; (at = bytes.find("\r\n", at)) != std::string::npos; at += 2) ++crlf;
  EXPECT_EQ(crlf, 331u);
  EXPECT_TRUE(bytes.ends_with("\r\n"));
}

TEST(SlotStageLabels, CampaignAndExtraStagesAndEverythingElse) {
  struct Case {
    i32 stage;
    std::string label;
  };
  for (const Case& c : std::vector<Case>{{0, "   01面  "},
                                         {14, "   15面  "},
                                         {15, "           "},
                                         {49, "           "},
                                         {50, "裏01面  "},
                                         {69, "裏20面  "},
                                         {70, "           "},
                                         {-1, "           "},
                                         {kNoSlotStage, "           "}})
    EXPECT_EQ(slotStageLabel(c.stage), c.label) << c.stage;
}

// A writer killed between writing the new file and putting it in place: the
// old save stays loadable and the leftover is never taken for a save.
TEST_F(SaveSlots, AWriterKilledMidSaveLeavesTheOldSaveLoadable) {
  saveSlot(6, *state, campaign, folders);
  const std::uint64_t old = lab::stateHash(*state);

  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::close(ready[0]);
    setAtomicWriteHookForTests([&](const std::filesystem::path&) {
      char byte = 1;
      (void)!::write(ready[1], &byte, 1);
      for (;;) ::pause();
    });
    playSome(*state);
    try {
      saveSlot(6, *state, campaign, folders);
    } catch (...) {
    }
    ::_exit(0);
  }
  ::close(ready[1]);
  char byte = 0;
  ASSERT_EQ(::read(ready[0], &byte, 1), 1) << "the writer never reached the rename";
  ::close(ready[0]);
  ::kill(child, SIGKILL);
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));

  int leftovers = 0;
  for (const auto& e : std::filesystem::directory_iterator(folders.saveFolder))
    if (e.path().filename().string().find(kTemporaryMarker) != std::string::npos) ++leftovers;
  EXPECT_EQ(leftovers, 1);
  std::array<bool, kSlotCount> present = slotsPresent(folders);
  EXPECT_EQ(std::count(present.begin(), present.end(), true), 1);
  EXPECT_TRUE(present[6]);

  auto fresh = newGame(5);
  Campaign freshCampaign;
  ASSERT_EQ(loadSlot(6, *fresh, freshCampaign, folders).error, 0);
  fresh->rng = state->rng;
  EXPECT_EQ(lab::stateHash(*fresh), old);

  // The next save clears what the killed writer left.
  saveSlot(7, *fresh, freshCampaign, folders);
  for (const auto& e : std::filesystem::directory_iterator(folders.saveFolder))
    EXPECT_EQ(e.path().filename().string().find(kTemporaryMarker), std::string::npos) << e.path();
}

}  // namespace
}  // namespace sorvane
