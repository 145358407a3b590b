// The mixer's integer arithmetic against values worked out by hand.
#include "sound/levels.h"

#include <gtest/gtest.h>

namespace sorvane::sound {
namespace {

TEST(VolumeSteps, TrackVolumesAreFourPercentStepsOf255) {
  struct Case {
    int step, volume;
  };
  for (Case c : {Case{0, 0}, Case{1, 10}, Case{12, 122}, Case{13, 133}, Case{25, 255}})
    EXPECT_EQ(trackVolume(c.step), c.volume) << "step " << c.step;
}

TEST(VolumeSteps, ChannelAttenuationIsPointEightDecibelsAStepAndNeverSilence) {
  EXPECT_EQ(channelCentibels(25), 0);
  EXPECT_EQ(channelCentibels(24), -80);
  EXPECT_EQ(channelCentibels(1), -1920);
  EXPECT_EQ(channelCentibels(0), -5000);  // -50 dB, not the -2000 of the formula
  EXPECT_EQ(channelVolume(25), 128);
  EXPECT_EQ(channelVolume(12), 39);  // 128 x 10^(-10.4/20)
  EXPECT_EQ(channelVolume(0), 0);    // -50 dB is below SDL's smallest step
}

TEST(VolumeSteps, ValuesOutsideTheScaleReadAsTheDefault) {
  EXPECT_EQ(validVolumeStep(26), 12);
  EXPECT_EQ(validVolumeStep(-1), 12);
  EXPECT_EQ(validVolumeStep(0), 0);
  EXPECT_EQ(validVolumeStep(25), 25);
}

TEST(LevelRamp, TheMusicStopFadeFallsFromOneToZeroInExactlyTwoSeconds) {
  Level level;
  level.set(0.0, 2.0);
  EXPECT_EQ(level.step, -8192);  // 722,534,400 / 88,200 frames
  EXPECT_EQ(level.value, kLevelOne);
  for (int i = 0; i < kRate; ++i) level.advance();
  EXPECT_EQ(level.value, kLevelOne / 2);
  for (int i = 0; i < kRate; ++i) level.advance();
  EXPECT_EQ(level.value, 0);
  level.advance();
  EXPECT_EQ(level.value, 0);
  EXPECT_EQ(level.step, 0);
  EXPECT_TRUE(level.faded());
}

TEST(LevelRamp, ARampThatDoesNotDivideEvenlyStopsOnItsTarget) {
  Level level;
  level.set(0.3, 0.5);  // 216,760,320 - 722,534,400 over 22,050 frames: step -22,937.6 -> -22,938
  EXPECT_EQ(level.step, -22938);
  for (int i = 0; i < 22100; ++i) level.advance();
  EXPECT_EQ(level.value, level.target);
  EXPECT_EQ(level.target, 216760320);
  EXPECT_FALSE(level.faded());
}

TEST(LevelRamp, ShortDurationsJumpAndTargetsAreClamped) {
  Level level;
  level.set(0.25, 0.005);
  EXPECT_EQ(level.value, kLevelOne / 4);
  EXPECT_EQ(level.step, 0);
  level.set(3.0, 0);
  EXPECT_EQ(level.value, 2 * kLevelOne);
  level.set(-1.0, 0);
  EXPECT_EQ(level.value, 0);
}

TEST(TrackGain, SamplesThroughTheGainMatchHandComputedValues) {
  struct Case {
    int volume, master;
    int64_t level;
    int16_t in;
    int32_t out;
  };
  // clang-format off
  const Case cases[] = {
    {255, 255, kLevelOne,     1000,   992},    // 254/256 of the sample at full volume
    {255, 255, kLevelOne,    -1000,  -992},    // truncated toward zero
    {255, 255, kLevelOne,    32767, 32511},
    {122, 255, kLevelOne,    32767, 15487},    // volume step 12: gain 121 x 256
    {255, 255, kLevelOne / 2, 1000,   496},    // level 0.5: (127 x 1000) / 256
    {255, 255, 2 * kLevelOne, 20000, 32766},   // above unity the result is held in range
    {255, 255, 2 * kLevelOne, -20000, -32766},
    {255, 255, 2 * kLevelOne, 1000,  1984},
    {0,   255, kLevelOne,    32767,     0},
    {255, 255, 2822399,      32767,     0},    // a level below one step of its integer part
  };
  // clang-format on
  for (const Case& c : cases)
    EXPECT_EQ(applyGain(trackGain(c.volume, c.master, c.level), c.in), c.out)
        << c.volume << " " << c.master << " " << c.level << " " << c.in;
}

TEST(TrackGain, TheSumOfTracksIsClippedToTheSymmetricRange) {
  EXPECT_EQ(clipSample(40000), 32767);
  EXPECT_EQ(clipSample(-40000), -32767);
  EXPECT_EQ(clipSample(-32768), -32767);
  EXPECT_EQ(clipSample(1234), 1234);
}

}  // namespace
}  // namespace sorvane::sound
