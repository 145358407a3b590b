// The music mixer's arithmetic: volume steps, fixed-point levels with their
// linear ramps, and the gain applied to each 16-bit sample. All integers, so
// a fade sounds the same on every machine.
#pragma once

#include <cstdint>

namespace sorvane::sound {

constexpr int kRate = 44100;                     // frames per second everywhere in the mixer
constexpr int64_t kLevelUnit = 2822400;          // one step of the level's integer part
constexpr int64_t kLevelOne = 256 * kLevelUnit;  // level 1.0
constexpr int kMaxVolumeStep = 25;               // the settings' volume scale is 0..25
constexpr int kDefaultVolumeStep = 12;

// A volume step 0..25 as a mixer track volume 0..255 (step * 4 %, to the nearest integer).
int trackVolume(int step);
// A volume step as an attenuation in hundredths of a decibel: 0 at 25, 0.8 dB per
// step, and -50 dB (not silence) at 0.
int channelCentibels(int step);
// That attenuation as an SDL_mixer channel volume 0..128.
int channelVolume(int step);
// A settings value outside 0..25 reads as the default.
inline int validVolumeStep(int step) { return step < 0 || step > kMaxVolumeStep ? kDefaultVolumeStep : step; }

// A track's level: a fixed-point value where kLevelOne is 1.0, moving toward
// its target by a fixed step per output frame.
struct Level {
  int64_t value = kLevelOne;
  int64_t target = kLevelOne;
  int64_t step = 0;

  // Target clamped to 0.0..2.0; under 0.01 s the level jumps there at once.
  void set(double level, double seconds);
  // One output frame.
  void advance() {
    if (step != 0 && (target > value ? target - value : value - target) < (step > 0 ? step : -step)) {
      value = target;
      step = 0;
    }
    value += step;
  }
  // Level and target both below 0.01: a fade has ended and the track stops.
  bool faded() const { return value < kLevelOne / 100 && target < kLevelOne / 100; }
};

// The gain of a track with volume and master 0..255 at a level.
inline int64_t trackGain(int volume, int master, int64_t level) {
  return (int64_t{volume} * master / 256) * (level / kLevelUnit);
}

// One sample through a gain; above unity the result is held inside -32766..32766.
inline int32_t applyGain(int64_t gain, int16_t sample) {
  int64_t out = (gain / 256) * sample / 256;
  if (gain >= 65536) {
    if (out > 32766) out = 32766;
    if (out < -32766) out = -32766;
  }
  return static_cast<int32_t>(out);
}

// The sum of all tracks, held inside the 16-bit range.
inline int16_t clipSample(int32_t sum) {
  return static_cast<int16_t>(sum > 32767 ? 32767 : sum < -32767 ? -32767 : sum);
}

}  // namespace sorvane::sound
