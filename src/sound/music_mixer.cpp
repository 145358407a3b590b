#include "sound/music_mixer.h"

#include <algorithm>

namespace sorvane::sound {

MusicMixer::MusicMixer() : sum_(kBlockFrames * 2), block_(kBlockFrames * 2) {}

void MusicMixer::assign(int track, MusicSource* source) {
  std::lock_guard guard(control_);
  for (Track& t : tracks_)
    if (t.source == source && source) {
      t.source = nullptr;
      t.playing = false;
      ++t.changes;
    }
  tracks_.at(track).source = source;
  ++tracks_.at(track).changes;
}

void MusicMixer::play(int track, bool loop) {
  std::lock_guard guard(control_);
  Track& t = tracks_.at(track);
  t.loop = loop;
  t.playing = true;
  ++t.changes;
}

void MusicMixer::stop(int track) {
  std::lock_guard guard(control_);
  Track& t = tracks_.at(track);
  t.loop = t.playing = false;
  ++t.changes;
}

void MusicMixer::setVolume(int track, int volume) {
  std::lock_guard guard(control_);
  tracks_.at(track).volume = std::clamp(volume, 0, 255);
}

void MusicMixer::setMaster(int track, int master) {
  std::lock_guard guard(control_);
  tracks_.at(track).master = std::clamp(master, 0, 255);
}

void MusicMixer::setLevel(int track, double level, double seconds) {
  std::lock_guard guard(control_);
  Track& t = tracks_.at(track);
  t.level.set(level, seconds);
  ++t.changes;
}

bool MusicMixer::playing(int track) const {
  std::lock_guard guard(control_);
  return tracks_.at(track).playing;
}

MusicSource* MusicMixer::source(int track) const {
  std::lock_guard guard(control_);
  return tracks_.at(track).source;
}

void MusicMixer::mix(int16_t* out, int frames) {
  while (frames > 0) {
    int n = std::min(frames, kBlockFrames);
    mixBlock(out, n);
    out += 2 * n;
    frames -= n;
  }
}

void MusicMixer::mixBlock(int16_t* out, int frames) {
  std::array<Track, kTracks> snapshot;
  {
    std::lock_guard guard(control_);
    for (Track& t : tracks_)
      if (t.playing && t.level.faded()) t.playing = t.loop = false;  // a fade has ended
    snapshot = tracks_;
  }
  std::fill_n(sum_.begin(), frames * 2, 0);
  for (Track& t : snapshot) {
    if (!t.source || !t.playing) continue;
    {
      std::lock_guard sourceGuard(t.source->lock);
      decodeBlock(*t.source, block_.data(), frames, t.loop, t.playing);
    }
    for (int f = 0; f < frames; ++f) {
      t.level.advance();
      int64_t gain = trackGain(t.volume, t.master, t.level.value);
      sum_[2 * f] += applyGain(gain, block_[2 * f]);
      sum_[2 * f + 1] += applyGain(gain, block_[2 * f + 1]);
    }
  }
  for (int i = 0; i < frames * 2; ++i) out[i] = clipSample(sum_[i]);

  // Keep what the block moved on: the level's ramp, and a track that ended.
  std::lock_guard guard(control_);
  for (int i = 0; i < kTracks; ++i) {
    Track& t = tracks_[i];
    const Track& mixed = snapshot[i];
    if (t.changes != mixed.changes || !mixed.source) continue;
    t.level = mixed.level;
    t.loop = mixed.loop;
    t.playing = mixed.playing;
  }
}

}  // namespace sorvane::sound
