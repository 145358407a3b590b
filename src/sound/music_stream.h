// The streaming buffer between the music mixer and the audio device: two
// halves of 8,192 frames (about 186 ms each). While the device plays one half
// the refill thread mixes the other, so decoding never runs on the window's
// thread or inside the device callback.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <semaphore>
#include <thread>
#include <vector>

#include "sound/music_mixer.h"

namespace sorvane::sound {

class MusicStream {
 public:
  static constexpr int kHalfFrames = 8192;

  explicit MusicStream(MusicMixer& mixer);
  ~MusicStream();
  MusicStream(const MusicStream&) = delete;
  MusicStream& operator=(const MusicStream&) = delete;

  // Called by the device for every piece of output: copies from the half being
  // played, never waits; a half not yet refilled plays as silence.
  void pull(int16_t* out, int frames);
  // Halves that were not ready in time.
  int underruns() const { return underruns_.load(); }

 private:
  void refillLoop();

  MusicMixer& mixer_;
  std::array<std::vector<int16_t>, 2> halves_;
  std::array<std::atomic<bool>, 2> ready_{};
  int playing_ = 0;   // the half the device reads (device thread only)
  int position_ = 0;  // frames of it already read
  std::atomic<int> underruns_{0};
  std::atomic<bool> running_{true};
  std::counting_semaphore<64> wake_{0};
  std::thread refill_;
};

}  // namespace sorvane::sound
