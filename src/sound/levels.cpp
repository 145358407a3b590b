#include "sound/levels.h"

#include <algorithm>
#include <cmath>

namespace sorvane::sound {

int trackVolume(int step) {
  step = std::clamp(step, 0, kMaxVolumeStep);
  return static_cast<int>(std::lround(step * 4 / 100.0 * 255));
}

int channelCentibels(int step) {
  step = std::clamp(step, 0, kMaxVolumeStep);
  return step == 0 ? -5000 : step * 80 - 2000;
}

int channelVolume(int step) {
  return static_cast<int>(std::lround(128 * std::pow(10.0, channelCentibels(step) / 2000.0)));
}

void Level::set(double level, double seconds) {
  level = std::clamp(level, 0.0, 2.0);
  target = std::llround(level * kLevelOne);
  if (seconds < 0.01) {
    value = target;
    step = 0;
  } else {
    step = std::llround((target - value) / (seconds * kRate));
  }
}

}  // namespace sorvane::sound
