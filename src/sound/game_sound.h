// The game's sound: effects on channels 5..49, the music on mixer track 0 and
// the story scenes' two effect sounds on SDL channels 1 and 2. Music is streamed
// from its file while it plays, or (the second music method) the standard
// tracks are decoded into memory once and played from there.
#pragma once

#include <atomic>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "sound/music_mixer.h"
#include "sound/music_stream.h"
#include "sound/ogg_data.h"
#include "sound/output_sdl.h"
#include "sound/sound_output.h"

namespace sorvane {

class GameSound : public SoundOutput {
 public:
  // Opens the device (or the dummy driver), starts the music stream and loads
  // the effects from gameDir/"wav". Missing or damaged files are logged and
  // stay silent.
  explicit GameSound(const std::filesystem::path& gameDir);
  ~GameSound() override;

  void effect(Sound sound) override { effect(static_cast<int>(sound)); }
  void effect(int channel) override;
  void music(Music music) override;  // Music::stop() fades out over 2 seconds
  int storyEffect(int channel, Sound effect, bool loop) override;
  void stopStoryEffect(int channel, bool fade) override { stopStoryChannel(channel, fade); }

  // The settings: volume steps 0..25 act at once; the music method
  // (false: streamed, true: decoded into memory).
  void setMusicVolume(int step);
  void setEffectVolume(int step);
  int musicVolume() const { return musicVolume_; }
  int effectVolume() const { return effectVolume_; }
  void setMusicMethod(bool preloaded);
  bool musicMethod() const { return preloaded_; }
  // Starts decoding the standard tracks on a worker thread, once per run.
  void preloadStandardMusic();
  bool standardMusicReady() const { return preloadDone_; }

  // Story scenes. File names are given without the folder; a name without
  // ".ogg" gets it added.
  void playMusicFile(const std::string& name);
  // A story effect (an effect channel 5..49) on story channel 1 (once) or 2
  // (looping); returns its length in milliseconds (0 if there is none).
  int playStoryEffect(int channel, int effect, bool loop);
  // Stops the music (0) or a story effect (1, 2): a 3-second fade when
  // streamed, at once when the music is in memory (or `fade` is false).
  void stopStoryChannel(int channel, bool fade = true);

  bool deviceOpen() const { return output_.isOpen(); }
  std::string driver() const { return output_.driver(); }

 private:
  std::filesystem::path oggPath(const std::string& name) const;
  bool loadInto(sound::OggData& data, const std::string& file);
  sound::PcmBuffer* preloadedMusic(const std::string& file);

  std::filesystem::path gameDir_;
  int musicVolume_ = 12, effectVolume_ = 12;
  bool preloaded_ = false;

  // Declared in the order that lets them go safely: the device stops pulling
  // first, then the stream's thread ends, then what it played goes.
  sound::MusicMixer mixer_;
  sound::OggData bgm_;
  std::mutex preloadLock_;
  std::map<std::string, std::shared_ptr<sound::PcmBuffer>> preloadedMusic_;
  std::atomic<bool> preloadDone_{false};
  std::thread preloader_;
  std::unique_ptr<sound::MusicStream> stream_;
  sound::SdlOutput output_;
};

}  // namespace sorvane
