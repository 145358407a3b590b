// A music source whose frame i holds the sample i on both sides, so a test can
// read from the output exactly which frames were played.
#pragma once

#include <algorithm>

#include "sound/music_source.h"

namespace sorvane::sound {

class CountingSource : public MusicSource {
 public:
  explicit CountingSource(int64_t frames) : frames_(frames) {}
  int read(int16_t* out, int frames) override {
    int n = static_cast<int>(std::clamp<int64_t>(frames_ - pos_, 0, frames));
    for (int i = 0; i < n; ++i) out[2 * i] = out[2 * i + 1] = static_cast<int16_t>(pos_ + i);
    pos_ += n;
    return n;
  }
  void seek(int64_t frame) override { pos_ = std::clamp<int64_t>(frame, 0, frames_); }
  int64_t tell() const override { return pos_; }
  int64_t length() const override { return frames_; }

 private:
  int64_t frames_, pos_ = 0;
};

}  // namespace sorvane::sound
