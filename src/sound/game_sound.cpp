#include "sound/game_sound.h"

#include <iostream>

#include "sound/levels.h"
#include "sound/sound_files.h"
#include "sound/wav_file.h"

namespace sorvane {

using namespace sound;

namespace {
constexpr int kMusicTrack = 0;
constexpr double kStopFade = 2.0;   // seconds
constexpr double kStoryFade = 3.0;  // seconds
}  // namespace

GameSound::GameSound(const std::filesystem::path& gameDir) : gameDir_(gameDir) {
  stream_ = std::make_unique<MusicStream>(mixer_);
  output_.open(stream_.get());
  setMusicVolume(musicVolume_);
  setEffectVolume(effectVolume_);
  for (int channel = kFirstEffectChannel; channel < kChannels; ++channel) {
    std::string file = effectFile(channel);
    try {
      std::vector<uint8_t> bytes = readSoundFile(gameDir_ / "wav" / file);
      parseWav(file, bytes);
      if (output_.isOpen() && !output_.loadEffect(channel, bytes))
        std::cerr << "sound: " << file << " could not be prepared for playing\n";
    } catch (const SoundFileError& e) {
      std::cerr << "sound: " << e.what() << '\n';
    }
  }
}

GameSound::~GameSound() {
  if (preloader_.joinable()) preloader_.join();
}

void GameSound::effect(int channel) {
  if (channel < kFirstEffectChannel || channel >= kChannels) {
    std::cerr << "sound: channel " << channel << " is not an effect channel\n";
    return;
  }
  output_.playEffect(channel, channelVolume(effectVolume_));
}

std::filesystem::path GameSound::oggPath(const std::string& name) const {
  std::string file = name;
  if (file.size() < 4 || file.compare(file.size() - 4, 4, ".ogg") != 0) file += ".ogg";
  return gameDir_ / "ogg" / file;
}

bool GameSound::loadInto(OggData& data, const std::string& file) {
  std::lock_guard guard(data.lock);
  try {
    if (data.load(oggPath(file))) return true;
    std::cerr << "sound: " << file << " not found\n";
  } catch (const SoundFileError& e) {
    std::cerr << "sound: " << file << ": " << e.what() << '\n';
  }
  return false;
}

PcmBuffer* GameSound::preloadedMusic(const std::string& file) {
  if (!preloadDone_) return nullptr;
  std::lock_guard guard(preloadLock_);
  auto it = preloadedMusic_.find(file);
  return it == preloadedMusic_.end() ? nullptr : it->second.get();
}

void GameSound::music(Music music) {
  if (music.track == Music::kStop) {
    if (preloaded_) mixer_.stop(kMusicTrack);
    else mixer_.setLevel(kMusicTrack, 0.0, kStopFade);
    return;
  }
  std::string file = musicFile(music.track);
  if (PcmBuffer* buffer = preloaded_ && !file.empty() ? preloadedMusic(file) : nullptr) {
    std::lock_guard guard(buffer->lock);
    buffer->seek(0);
    buffer->uses = {};
    mixer_.assign(kMusicTrack, buffer);
  } else if (!file.empty()) {
    if (loadInto(bgm_, file)) mixer_.assign(kMusicTrack, &bgm_);
  } else if (preloaded_) {
    // A number without music: the music in place starts over.
    if (MusicSource* source = mixer_.source(kMusicTrack)) {
      std::lock_guard guard(source->lock);
      source->seek(0);
    }
  }
  // A number without music in the streamed mode plays on whatever was loaded, from where it was.
  mixer_.setLevel(kMusicTrack, 1.0, 0);
  if (mixer_.source(kMusicTrack)) mixer_.play(kMusicTrack, true);
  mixer_.setVolume(kMusicTrack, trackVolume(musicVolume_));
}

void GameSound::setMusicVolume(int step) {
  musicVolume_ = validVolumeStep(step);
  mixer_.setVolume(kMusicTrack, trackVolume(musicVolume_));
}

void GameSound::setEffectVolume(int step) {
  effectVolume_ = validVolumeStep(step);
  for (int storyChannel : {1, 2}) output_.setChannelVolume(storyChannel, channelVolume(effectVolume_));
}

void GameSound::setMusicMethod(bool preloaded) {
  preloaded_ = preloaded;
  if (preloaded_) preloadStandardMusic();
}

void GameSound::preloadStandardMusic() {
  if (preloader_.joinable() || preloadDone_) return;
  preloader_ = std::thread([this] {
    for (const char* file : standardMusicFiles()) {
      std::shared_ptr<PcmBuffer> buffer;
      try {
        buffer = PcmBuffer::decode(oggPath(file));
      } catch (const SoundFileError& e) {
        std::cerr << "sound: " << file << ": " << e.what() << '\n';
        buffer = std::make_shared<PcmBuffer>();
      }
      std::lock_guard guard(preloadLock_);
      preloadedMusic_[file] = std::move(buffer);
    }
    preloadDone_ = true;
  });
}

void GameSound::playMusicFile(const std::string& name) {
  if (!loadInto(bgm_, name)) return;
  mixer_.assign(kMusicTrack, &bgm_);
  mixer_.setLevel(kMusicTrack, 1.0, 0);
  mixer_.play(kMusicTrack, true);
  mixer_.setVolume(kMusicTrack, trackVolume(musicVolume_));
}

int GameSound::playStoryEffect(int channel, int effect, bool loop) {
  if ((channel != 1 && channel != 2) || effect < kFirstEffectChannel || effect >= kChannels) return 0;
  return output_.playEffectOn(channel, effect, channelVolume(effectVolume_), loop);
}

int GameSound::storyEffect(int channel, Sound effect, bool loop) {
  const int ms = playStoryEffect(channel, static_cast<int>(effect), loop);
  return preloaded_ ? 0 : ms;
}

void GameSound::stopStoryChannel(int channel, bool fade) {
  const bool atOnce = preloaded_ || !fade;
  if (channel == kMusicTrack) {
    if (atOnce) mixer_.stop(kMusicTrack);
    else mixer_.setLevel(kMusicTrack, 0.0, kStoryFade);
  } else if (channel == 1 || channel == 2) {
    output_.stopChannel(channel, atOnce ? 0 : static_cast<int>(kStoryFade * 1000));
  }
}

}  // namespace sorvane
