#include "campaign/progress_file.h"

#include <gtest/gtest.h>

#include "campaign_fixture.h"

namespace sorvane {
namespace {

bool operator==(const RecordCounters& a, const RecordCounters& b) {
  for (const ProgressCounter& c : progressCounters())
    if (c.field && a.*c.field != b.*c.field) return false;
  return true;
}
// Creature flags 1..103: flag 0 (the empty circle) is not progress.
bool sameFlags(const std::array<byte, kCollectable>& a, const std::array<byte, kCollectable>& b) {
  return std::equal(a.begin() + 1, a.end(), b.begin() + 1);
}
bool sameValues(const ProgressValues& a, const ProgressValues& b) {
  return sameFlags(a.defeated, b.defeated) && sameFlags(a.acquired, b.acquired) &&
         sameFlags(a.reservedFlags, b.reservedFlags) && sameFlags(a.summoned, b.summoned) &&
         a.records == b.records && a.BP == b.BP && a.jobOpen == b.jobOpen &&
         a.charOpen == b.charOpen && a.extraOpen == b.extraOpen;
}

// A career: some of everything, every counter inside its range.
ProgressValues career() {
  ProgressValues v;
  for (int i = 1; i < kCollectable; i += 3) v.defeated[i] = 1;
  for (int i = 2; i < kCollectable; i += 5) v.acquired[i] = 1;
  v.reservedFlags[103] = 1;
  for (int i = 1; i < kCollectable; i += 7) v.summoned[i] = 1;
  i32 n = 1;
  for (const ProgressCounter& c : progressCounters()) {
    i32& value = c.field ? v.records.*c.field : v.BP;
    value = std::min(c.top, n * 37);
    n += 3;
  }
  v.jobOpen = {1, 0, 1, 0, 0, 0, 1};
  v.charOpen = {1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1};
  v.extraOpen = 1;
  return v;
}

TEST(ProgressFile, WritingAndReadingGivesEveryValueBackThoughTheFilesDiffer) {
  const ProgressValues v = career();
  RandomGenerator rng(3);
  auto first = progressLines(v, rng);
  auto second = progressLines(v, rng);
  EXPECT_NE(first, second);
  ASSERT_EQ(first.size(), 131u);
  for (const auto& lines : {first, second}) {
    ProgressParse p = parseProgressLines(lines);
    ASSERT_TRUE(p.ok()) << p.errors;
    EXPECT_TRUE(sameValues(p.values, v));
  }
}

TEST(ProgressFile, ChecksumAndLinesWorkedByHand) {
  ProgressValues v;
  v.defeated[3] = 1;         // 3
  v.acquired[2] = 1;         // 2 * 2
  v.records.recWins = 5;     // 5
  v.records.recDamageDealt = 800;  // not in P
  v.BP = 7;                  // 7
  v.jobOpen[1] = 1;          // 10 * 1 + 10
  v.charOpen[0] = 1;         // 20 * 0 + 20
  EXPECT_EQ(progressChecksum(v), 59);
  RandomGenerator rng(1);
  auto l = progressLines(v, rng);
  EXPECT_TRUE(l[0].starts_with("2241684"));      // K = 2 * 59 + 1566
  EXPECT_EQ(l[104 + 3], std::to_string(5 * 47 + 59 + 23171));  // recWins
  EXPECT_EQ(l[127], "7019");                     // BP: 7 * 87 + 59 + 6351
  // Creature 3 defeated: F1 = 349 * 3 + 4 * 59 + 172500.
  EXPECT_TRUE(l[3].starts_with("173783."));
  // Job 1 cleared: 387 + 9 * 59 + 189000, the second field of line 128.
  EXPECT_EQ(l[128].substr(20, 20), "189918..............");
}

TEST(ProgressFile, ACounterAboveItsRangeIsRejectedWithItsCodeAndClearsEverything) {
  ProgressValues v = career();
  v.records.recMaxDamage = 1000;
  RandomGenerator rng(2);
  ProgressParse p = parseProgressLines(progressLines(v, rng));
  EXPECT_EQ(p.errors, "er131");
  EXPECT_TRUE(sameValues(p.values, ProgressValues{}));
}

TEST(ProgressFile, DamagedLinesGiveTheirCodes) {
  RandomGenerator rng(4);
  const auto good = progressLines(career(), rng);
  auto bump = [](std::string line, int by) {
    std::size_t end = line.find('.');
    std::string digits = line.substr(0, end);
    return std::to_string(std::stoll(digits) + by) + (end == std::string::npos ? "" : line.substr(end));
  };
  struct Case {
    int line;
    int by;
    std::string errors;
  };
  // Changing a line also breaks the checksum of the values read, except where the change is itself a whole value.
  for (const Case& c : std::vector<Case>{{1, 1, "er11"}, {104, 1, "er20"}, {127, 1, "er250"}, {128, 1, "er260"}}) {
    auto damaged = good;
    damaged[std::size_t(c.line)] = bump(damaged[std::size_t(c.line)], c.by);
    ProgressParse p = parseProgressLines(damaged);
    EXPECT_TRUE(p.errors.starts_with(c.errors)) << c.line << ": " << p.errors;
    EXPECT_FALSE(p.ok());
  }
  // One more battle in its own line: consistent value, but P no longer matches line 0.
  auto moreBattles = good;
  moreBattles[104] = bump(moreBattles[104], 34);
  ProgressParse p = parseProgressLines(moreBattles);
  EXPECT_NE(p.errors.find(":er300:"), std::string::npos) << p.errors;
  // The damage totals are not in P: a consistent change is accepted.
  auto moreDamage = good;
  moreDamage[104 + 12] = bump(moreDamage[104 + 12], 6);
  p = parseProgressLines(moreDamage);
  EXPECT_TRUE(p.ok()) << p.errors;
  EXPECT_EQ(p.values.records.recDamageDealt, career().records.recDamageDealt + 1);
}

TEST(ProgressFile, AFileWithoutLine130LoadsWithTheSelectorClosed) {
  RandomGenerator rng(5);
  auto lines = progressLines(career(), rng);
  lines.pop_back();
  ProgressParse p = parseProgressLines(lines);
  ASSERT_TRUE(p.ok()) << p.errors;
  EXPECT_EQ(p.values.extraOpen, 0);
  lines.pop_back();
  EXPECT_FALSE(parseProgressLines(lines).readable);
}

class ProgressFiles : public CampaignFilesTest {};

TEST_F(ProgressFiles, ADamagedFileIsMovedAsideAndTheKeptCopyTakesItsPlace) {
  applyProgress(career(), *state, campaign);
  rcsave(*state, campaign, folders);
  auto lines = this->lines(folders.progressFile());
  lines[104] = std::to_string(std::stoll(lines[104]) + 1);
  write(folders.progressFile(), lines);
  const std::string damagedBytes = read(folders.progressFile());

  auto other = newGame();
  Campaign otherCampaign;
  ProgressLoad load = rcload(*other, otherCampaign, folders);
  EXPECT_EQ(load.outcome, ProgressLoad::Outcome::RestoredFromBackup);
  EXPECT_TRUE(load.message.starts_with("er20")) << load.message;
  EXPECT_TRUE(sameValues(captureProgress(*other, otherCampaign), career()));
  EXPECT_EQ(read(folders.progressFile().string() + ".damaged"), damagedBytes);
  EXPECT_EQ(read(folders.progressFile()), read(folders.progressFile().string() + ".bak"));
  // The restored file is good again.
  EXPECT_EQ(rcload(*other, otherCampaign, folders).outcome, ProgressLoad::Outcome::Loaded);
}

TEST_F(ProgressFiles, ADamagedFileWithoutAGoodCopyClearsTheProgress) {
  applyProgress(career(), *state, campaign);
  rcsave(*state, campaign, folders);
  std::filesystem::remove(folders.progressFile().string() + ".bak");
  auto lines = this->lines(folders.progressFile());
  lines.resize(20);
  write(folders.progressFile(), lines);
  ProgressLoad load = rcload(*state, campaign, folders);
  EXPECT_EQ(load.outcome, ProgressLoad::Outcome::Cleared);
  EXPECT_FALSE(load.message.empty());
  EXPECT_TRUE(sameValues(captureProgress(*state, campaign), ProgressValues{}));
}

TEST_F(ProgressFiles, AMissingFileClearsAndCreatesTheFormations) {
  applyProgress(career(), *state, campaign);
  ProgressLoad load = rcload(*state, campaign, folders);
  EXPECT_EQ(load.outcome, ProgressLoad::Outcome::Missing);
  EXPECT_TRUE(sameValues(captureProgress(*state, campaign), ProgressValues{}));
  EXPECT_EQ(lines(folders.formationsFile()).size(), 20u);
}

TEST_F(ProgressFiles, LifetimeCountersStopAtTheTopOfTheirRange) {
  state->D->records.recMoves = 250000;
  state->D->records.recDamageDealt = 99999999;
  campaign.BP = 1500;
  rcsave(*state, campaign, folders);
  EXPECT_EQ(state->D->records.recMoves, 100000);
  EXPECT_EQ(campaign.BP, 999);
  Campaign loaded;
  auto other = newGame();
  EXPECT_EQ(rcload(*other, loaded, folders).outcome, ProgressLoad::Outcome::Loaded);
  EXPECT_EQ(other->D->records.recMoves, 100000);
  EXPECT_EQ(other->D->records.recDamageDealt, 10000000);
  EXPECT_EQ(loaded.BP, 999);
}

}  // namespace
}  // namespace sorvane
