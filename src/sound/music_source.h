// Something a mixer track plays: a decoder streaming a file, or music decoded
// whole into memory. Both deliver 16-bit stereo frames at 44,100 Hz and carry
// the file's loop points.
#pragma once

#include <cstdint>
#include <mutex>

#include "sound/loop_header.h"

namespace sorvane::sound {

class MusicSource {
 public:
  virtual ~MusicSource() = default;
  // Up to `frames` frames into `out` (interleaved left, right); fewer only at
  // the end of the music. A source that cannot go on returns 0.
  virtual int read(int16_t* out, int frames) = 0;
  virtual void seek(int64_t frame) = 0;
  virtual int64_t tell() const = 0;
  virtual int64_t length() const = 0;  // frames

  // Taken by the mixer for each block and by the window thread for loading
  // and seeking.
  std::mutex lock;
  LoopHeader loops;
  LoopUses uses{};
};

// Fills a block for a mixer track, following the loop points; at the end of
// the music it starts again when `loop` is set, else it stops (both flags
// cleared, back at the start) and the rest of the block is silence.
// The caller holds the source's lock.
void decodeBlock(MusicSource& source, int16_t* out, int frames, bool& loop, bool& playing);

}  // namespace sorvane::sound
