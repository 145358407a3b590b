#include "sound/music_stream.h"

#include <algorithm>

#include <pthread.h>

namespace sorvane::sound {

MusicStream::MusicStream(MusicMixer& mixer) : mixer_(mixer) {
  for (auto& half : halves_) half.assign(kHalfFrames * 2, 0);
  refill_ = std::thread([this] {
    pthread_setname_np(pthread_self(), "sorvane-music");  // so profilers and the timing output find it
    refillLoop();
  });
}

MusicStream::~MusicStream() {
  running_ = false;
  wake_.release();
  refill_.join();
}

void MusicStream::refillLoop() {
  int next = 0;
  while (running_) {
    if (ready_[next].load(std::memory_order_acquire)) {
      wake_.acquire();
      continue;
    }
    mixer_.mix(halves_[next].data(), kHalfFrames);
    ready_[next].store(true, std::memory_order_release);
    next ^= 1;
  }
}

void MusicStream::pull(int16_t* out, int frames) {
  while (frames > 0) {
    int n = std::min(frames, kHalfFrames - position_);
    if (ready_[playing_].load(std::memory_order_acquire)) {
      std::copy_n(halves_[playing_].data() + position_ * 2, n * 2, out);
    } else {
      std::fill_n(out, n * 2, int16_t{0});
      if (position_ == 0) ++underruns_;
    }
    out += n * 2;
    frames -= n;
    position_ += n;
    if (position_ == kHalfFrames) {
      bool wasReady = ready_[playing_].exchange(false, std::memory_order_acq_rel);
      position_ = 0;
      if (wasReady) {
        playing_ ^= 1;
        wake_.release();
      }
    }
  }
}

}  // namespace sorvane::sound
