// Turning a song into a looping music file, and effect recipes into WAV files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "song.h"

namespace soundgen {

// Stereo float samples at 44,100 Hz, interleaved.
struct Audio {
  std::vector<float> samples;
  int64_t frames() const { return static_cast<int64_t>(samples.size() / 2); }
};

// Plays the song through the soundfont. The result holds the intro and one
// pass of the looping part, plus the start of the next pass; `loopFrom` and
// `loopTo` (frames) are where playback jumps from and to.
struct Rendered {
  Audio audio;
  int64_t loopFrom = 0, loopTo = 0;
};
Rendered renderSong(const Song& song, const std::string& soundfont);

// Scales to a common loudness with the peaks held under full scale.
void normalise(Audio& audio, double targetRms, double peakLimit);

// An Ogg Vorbis file with the loop header in front.
std::vector<uint8_t> encodeMusic(const Rendered& music, float quality);

}  // namespace soundgen
