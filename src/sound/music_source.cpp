#include "sound/music_source.h"

#include <algorithm>

namespace sorvane::sound {

namespace {
// A chain of loop points a frame apart would seek for every frame; beyond this
// many jumps in one block the points wait for the next block.
constexpr int kMaxJumpsPerBlock = 16;

int readFully(MusicSource& source, int16_t* out, int frames) {
  int got = 0;
  while (got < frames) {
    int n = source.read(out + 2 * got, frames - got);
    if (n <= 0) break;
    got += n;
  }
  return got;
}
}  // namespace

void decodeBlock(MusicSource& source, int16_t* out, int frames, bool& loop, bool& playing) {
  resetPassedLoops(source.loops, source.uses, source.tell());
  int filled = 0, jumps = 0;
  bool emptyPass = false;  // a restart that gave nothing: the music is empty
  while (filled < frames) {
    int want = frames - filled;
    std::optional<LoopJump> jump;
    if (jumps < kMaxJumpsPerBlock) jump = findLoopJump(source.loops, source.uses, source.tell(), want);
    if (jump) want = static_cast<int>(jump->before);
    int got = readFully(source, out + 2 * filled, want);
    filled += got;
    resetPassedLoops(source.loops, source.uses, source.tell());
    if (got < want) {
      source.seek(0);
      if (!loop || (emptyPass && got == 0)) {
        loop = playing = false;
        break;
      }
      emptyPass = true;
      continue;
    }
    emptyPass = false;
    if (jump) {
      source.seek(jump->target);
      countLoopJump(source.loops, source.uses, jump->point);
      ++jumps;
    }
  }
  std::fill(out + 2 * filled, out + 2 * frames, int16_t{0});
}

}  // namespace sorvane::sound
