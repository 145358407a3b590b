// Loop points: the header's bytes, when a jump is due, and how a block is
// decoded around a jump and at the end of the music.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "counting_source.h"
#include "sound/loop_header.h"

namespace sorvane::sound {
namespace {

LoopHeader oneLoop(float jump, float trigger, int32_t count) {
  LoopHeader h;
  h.points[0] = {jump, trigger, count};
  return h;
}

TEST(LoopHeaderBytes, WrittenHeadersReadBackAndOtherBytesAreNoHeader) {
  LoopHeader h = oneLoop(12.5f, 60.25f, -1);
  h.points[15] = {1.0f, 2.0f, 3};
  std::vector<uint8_t> bytes = writeLoopHeader(h);
  ASSERT_EQ(bytes.size(), kLoopHeaderSize);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), "ALPHAOGG");
  // The first record right after the magic: jump, trigger, count, little-endian.
  EXPECT_EQ(bytes[8 + 8], 0xFF);
  auto back = readLoopHeader(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->points[0].jump, 12.5f);
  EXPECT_EQ(back->points[0].trigger, 60.25f);
  EXPECT_EQ(back->points[0].count, -1);
  EXPECT_EQ(back->points[15].count, 3);

  EXPECT_FALSE(readLoopHeader(std::vector<uint8_t>(bytes.begin(), bytes.end() - 1)));  // cut short
  bytes[0] = 'O';                                                                      // an Ogg stream starts "OggS"
  EXPECT_FALSE(readLoopHeader(bytes));
}

TEST(LoopJumps, AJumpIsDueWhenItsTriggerFallsInsideTheBlock) {
  // Frame 882 is 0.02 s, frame 441 is 0.01 s.
  struct Case {
    const char* what;
    int64_t pos, frames;
    int32_t count, uses;
    bool due;
    int64_t before;
  };
  // clang-format off
  const Case cases[] = {
    {"inside",                    0,   1000, -1, 0, true,  882},
    {"at the block's last frame", 0,    882, -1, 0, true,  882},
    {"after the block",           0,    881, -1, 0, false, 0},
    {"at the block's start",    882,   1000, -1, 0, false, 0},
    {"already passed",          900,   1000, -1, 0, false, 0},
    {"count 0 never jumps",       0,   1000,  0, 0, false, 0},
    {"uses left",                 0,   1000,  2, 1, true,  882},
    {"count used up",             0,   1000,  2, 2, false, 0},
  };
  // clang-format on
  for (const Case& c : cases) {
    LoopHeader h = oneLoop(0.01f, 0.02f, c.count);
    LoopUses uses{};
    uses[0] = c.uses;
    auto jump = findLoopJump(h, uses, c.pos, c.frames);
    ASSERT_EQ(jump.has_value(), c.due) << c.what;
    if (jump) {
      EXPECT_EQ(jump->before, c.before) << c.what;
      EXPECT_EQ(jump->target, 441) << c.what;
    }
  }
}

TEST(LoopJumps, TheEarliestTriggerGoesFirstAndPassingATriggerCountsItAfresh) {
  LoopHeader h = oneLoop(0.0f, 0.02f, 1);
  h.points[1] = {0.0f, 0.01f, 1};
  LoopUses uses{};
  auto jump = findLoopJump(h, uses, 0, 1000);
  ASSERT_TRUE(jump);
  EXPECT_EQ(jump->point, 1);
  countLoopJump(h, uses, 1);
  EXPECT_EQ(uses[1], 1);
  resetPassedLoops(h, uses, 441);  // on the trigger, not beyond it
  EXPECT_EQ(uses[1], 1);
  resetPassedLoops(h, uses, 442);
  EXPECT_EQ(uses[1], 0);
}

TEST(LoopJumps, SecondsBecomeFramesAndNonsenseStartsFromTheBeginning) {
  EXPECT_EQ(frameAt(1.0), 44100);
  EXPECT_EQ(frameAt(0.5), 22050);
  EXPECT_EQ(frameAt(-3.0), 0);
  EXPECT_EQ(frameAt(std::nan("")), 0);
}

std::vector<int16_t> decode(MusicSource& source, int frames, bool& loop, bool& playing) {
  std::vector<int16_t> out(static_cast<size_t>(frames) * 2, -1);
  decodeBlock(source, out.data(), frames, loop, playing);
  return out;
}

TEST(DecodeBlock, ABlockIsSplitAtTheTriggerAndGoesOnFromTheJumpTarget) {
  CountingSource source(2000);
  source.loops = oneLoop(0.01f, 0.02f, -1);
  bool loop = true, playing = true;
  auto out = decode(source, 1000, loop, playing);
  EXPECT_EQ(out[2 * 881], 881);
  EXPECT_EQ(out[2 * 882], 441);  // the frame after the trigger is the jump target
  EXPECT_EQ(out[2 * 882 + 1], 441);
  EXPECT_EQ(out[2 * 999], 441 + 117);
  EXPECT_EQ(source.tell(), 441 + 118);
  EXPECT_TRUE(playing);
}

TEST(DecodeBlock, ACountedLoopPlaysThroughOnceUsedUpAndCountsAgainOncePassed) {
  CountingSource source(1000);
  source.loops = oneLoop(0.01f, 0.02f, 1);
  bool loop = true, playing = true;
  auto first = decode(source, 900, loop, playing);  // jumps once at 882
  EXPECT_EQ(first[2 * 882], 441);
  auto second = decode(source, 600, loop, playing);  // 459 .. 999 without a jump, then the start again
  EXPECT_EQ(second[2 * (882 - 459)], 882);
  EXPECT_EQ(second[2 * (1000 - 459)], 0);
  EXPECT_EQ(source.uses[0], 0);                      // it went beyond the trigger
  auto third = decode(source, 1000, loop, playing);  // so it jumps again, from 59
  EXPECT_EQ(third[2 * 822], 881);
  EXPECT_EQ(third[2 * 823], 441);
  EXPECT_EQ(source.uses[0], 1);
  EXPECT_TRUE(playing);
}

TEST(DecodeBlock, TheEndOfTheMusicLoopsOrStopsWithSilence) {
  CountingSource source(300);
  bool loop = true, playing = true;
  auto looped = decode(source, 400, loop, playing);
  EXPECT_EQ(looped[2 * 299], 299);
  EXPECT_EQ(looped[2 * 300], 0);
  EXPECT_EQ(looped[2 * 399], 99);
  EXPECT_TRUE(playing);

  source.seek(250);
  loop = false;
  auto stopped = decode(source, 100, loop, playing);
  EXPECT_EQ(stopped[2 * 49], 299);
  EXPECT_EQ(stopped[2 * 50], 0);
  EXPECT_EQ(stopped[2 * 99 + 1], 0);
  EXPECT_FALSE(playing);
  EXPECT_FALSE(loop);
  EXPECT_EQ(source.tell(), 0);
}

TEST(DecodeBlock, EmptyMusicAndRunsOfOneFrameJumpsDoNotHang) {
  CountingSource empty(0);
  bool loop = true, playing = true;
  auto out = decode(empty, 100, loop, playing);
  EXPECT_FALSE(playing);
  EXPECT_EQ(out[0], 0);

  // Each point jumps back one frame after its target: the block still fills.
  CountingSource source(1000);
  for (int i = 0; i < kLoopPoints; ++i) source.loops.points[i] = {0.01f, static_cast<float>(442.0 / 44100), -1};
  loop = playing = true;
  decode(source, 8192, loop, playing);
  EXPECT_TRUE(playing);
}

}  // namespace
}  // namespace sorvane::sound
