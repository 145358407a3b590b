#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "data/random.h"

namespace sorvane {
namespace {

std::vector<std::int32_t> draws(std::uint64_t seed, std::int32_t n, int count) {
  RandomGenerator g(seed);
  std::vector<std::int32_t> out;
  for (int i = 0; i < count; ++i) out.push_back(g.Random(n));
  return out;
}

TEST(Random, SameSeedSameSequence) {
  EXPECT_EQ(draws(12345, 100, 50), draws(12345, 100, 50));
  EXPECT_NE(draws(12345, 100, 50), draws(12346, 100, 50));
}

TEST(Random, ReseedingRestartsTheSequence) {
  RandomGenerator g(7);
  std::int32_t first = g.Random(1000);
  g.Random(1000);
  g.Seed(7);
  EXPECT_EQ(g.Random(1000), first);
}

TEST(Random, StaysInRange) {
  for (std::int32_t n : {1, 2, 3, 7, 100, 1000, 150000000}) {
    for (std::int32_t v : draws(99, n, 2000)) {
      ASSERT_GE(v, 0);
      ASSERT_LT(v, n);
    }
  }
}

TEST(Random, EmptyRangeGivesZero) {
  RandomGenerator g(1);
  EXPECT_EQ(g.Random(0), 0);
  EXPECT_EQ(g.Random(-5), 0);
  EXPECT_EQ(g.Random(1), 0);
}

TEST(Random, EveryValueIsAboutEquallyLikely) {
  // Fixed seed: the counts are the same on every run.
  std::array<int, 6> counts{};
  for (std::int32_t v : draws(2024, 6, 60000)) ++counts[v];
  for (int c : counts) {
    EXPECT_GT(c, 9600);
    EXPECT_LT(c, 10400);
  }
}

TEST(Random, ChanceIsAPercentTest) {
  RandomGenerator g(3);
  int hits = 0;
  for (int i = 0; i < 10000; ++i) hits += g.Chance(30);
  EXPECT_NEAR(hits, 3000, 200);
  EXPECT_FALSE(g.Chance(0));
  EXPECT_TRUE(g.Chance(100));
}

}  // namespace
}  // namespace sorvane
