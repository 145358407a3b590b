// Feeds arbitrary bytes to the music loader as a whole music file (loop
// header, then the Ogg stream) and plays a few blocks of it with looping on;
// and plays the bytes' loop points over a plain source of a length the input
// picks, so every loop arithmetic path runs without needing a valid stream.
// Errors are fine; crashes, hangs and reads out of bounds are not.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "sound/ogg_data.h"
#include "sound/wav_file.h"

namespace {
using namespace sorvane::sound;

// A counting source: frame i holds the sample i.
class Counter : public MusicSource {
 public:
  explicit Counter(int64_t frames) : frames_(frames) {}
  int read(int16_t* out, int frames) override {
    int n = static_cast<int>(std::min<int64_t>(frames, frames_ - pos_));
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

// A damaged stream may run past the length its last page states, so only a
// plain source is held to its length.
void playBlocks(MusicSource& source, int blocks, bool exactLength) {
  std::vector<int16_t> block(2 * 2048);
  bool loop = true, playing = true;
  for (int i = 0; i < blocks && playing; ++i) {
    decodeBlock(source, block.data(), 2048, loop, playing);
    if (source.tell() < 0 || (exactLength && source.tell() > source.length())) std::abort();
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> bytes(data, data + size);
  OggData ogg;
  try {
    ogg.loadBytes(bytes);
    playBlocks(ogg, 4, false);
  } catch (const SoundFileError&) {
  }

  if (auto header = readLoopHeader(bytes)) {
    int64_t frames = 1;
    if (size >= kLoopHeaderSize + 3)
      frames += data[kLoopHeaderSize] | data[kLoopHeaderSize + 1] << 8 | (data[kLoopHeaderSize + 2] & 7) << 16;
    Counter counter(frames);
    counter.loops = *header;
    playBlocks(counter, 8, true);
  }
  return 0;
}
