// The streaming music mixer: eight tracks, each playing a music source with
// its own volume, master gain, level ramp and loop flag, summed into 16-bit
// stereo. The window thread changes the tracks; the refill thread mixes.
#pragma once

#include <array>
#include <cstdint>
#include <mutex>
#include <vector>

#include "sound/levels.h"
#include "sound/music_source.h"

namespace sorvane::sound {

class MusicMixer {
 public:
  static constexpr int kTracks = 8;
  static constexpr int kBlockFrames = 8192;  // the most one mix call works on at once

  MusicMixer();

  // Puts a source on a track, taking it off any other track first.
  void assign(int track, MusicSource* source);
  void play(int track, bool loop);
  void stop(int track);
  void setVolume(int track, int volume);  // 0..255
  void setMaster(int track, int master);  // 0..255
  void setLevel(int track, double level, double seconds);
  bool playing(int track) const;
  MusicSource* source(int track) const;

  // Mixes the next `frames` frames (interleaved stereo) into `out`.
  void mix(int16_t* out, int frames);

 private:
  struct Track {
    MusicSource* source = nullptr;
    int volume = 255, master = 255;
    Level level;
    bool loop = false, playing = false;
    unsigned changes = 0;  // counts the window thread's changes, so a mix does not undo one
  };
  void mixBlock(int16_t* out, int frames);

  mutable std::mutex control_;  // guards tracks_; never held while decoding
  std::array<Track, kTracks> tracks_;
  std::vector<int32_t> sum_;
  std::vector<int16_t> block_;
};

}  // namespace sorvane::sound
