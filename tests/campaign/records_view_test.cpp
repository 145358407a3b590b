#include "campaign/records_view.h"

#include <gtest/gtest.h>

#include "campaign_fixture.h"

namespace sorvane {
namespace {

TEST(RecordsView, RowsForCountersJobsCollectionAndCharacters) {
  auto state = newGame();
  Tdeta& d = *state->D;
  d.records.recWins = 12;
  d.records.recEnemyCreatureDeaths = 40;
  d.jobOpen[4] = 1;
  d.defeated[25] = 1;
  d.summoned[25] = 1;
  d.defeated[3] = 1;
  RecordsView v = recordsView(d);

  ASSERT_EQ(v.counters.size(), 22u);
  EXPECT_EQ(v.counters[3].label, "勝利回数：");
  EXPECT_EQ(v.counters[3].value, 12);
  EXPECT_EQ(v.counters[18].label, "ｸﾘｰﾁｬｰ：");
  EXPECT_EQ(v.counters[18].value, 40);
  EXPECT_EQ(v.counters[18].y, 327);

  EXPECT_EQ(v.jobs[0].text, "▲戦士");
  EXPECT_EQ(v.jobs[4].text, "◎魔術師");
  EXPECT_EQ(v.jobs[4].x, 85);
  EXPECT_EQ(v.jobs[4].y, 446);

  // Every creature once, by element then type; names only for the ones met.
  std::size_t withElement = 0;
  for (int t = 1; t <= 103; ++t) withElement += d.creatures[t].Elem >= 0 && d.creatures[t].Elem < 7;
  ASSERT_EQ(v.creatures.size(), withElement);
  for (std::size_t i = 1; i < v.creatures.size(); ++i) {
    const auto& a = v.creatures[i - 1];
    const auto& b = v.creatures[i];
    EXPECT_TRUE(a.element < b.element || (a.element == b.element && a.type < b.type));
  }
  for (const CollectionRow& c : v.creatures) {
    if (c.type == 25) {
      EXPECT_EQ(c.iconAlpha, 255);  // acquired at the start
      EXPECT_EQ(c.name, d.creatures[25].Name);
    } else if (c.type == 3) {
      EXPECT_EQ(c.iconAlpha, 70);
      EXPECT_FALSE(c.name.empty());
    } else if (c.type == 4) {
      EXPECT_EQ(c.iconAlpha, 17);
      EXPECT_TRUE(c.name.empty());
    }
  }
  EXPECT_EQ(v.defeatedCount, 2);
  EXPECT_EQ(v.acquiredCount, 2);  // 25 and 92
  EXPECT_EQ(v.summonedCount, 1);

  ASSERT_EQ(v.characters.size(), 11u);
  EXPECT_TRUE(v.characters[0].unlocked);
  EXPECT_EQ(v.characters[0].name, d.creatures[251].Name);
  EXPECT_EQ(v.characters[0].condition, "はじめから");
  EXPECT_FALSE(v.characters[10].unlocked);
  EXPECT_TRUE(v.characters[10].name.empty());
  EXPECT_EQ(v.characters[10].condition, "レベル32以下で全クリ");
}

}  // namespace
}  // namespace sorvane
