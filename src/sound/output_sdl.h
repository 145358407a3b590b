// The audio device, through SDL2 and SDL2_mixer: 50 effect channels and the
// music stream hooked in beneath them. Without a sound card it opens SDL's
// dummy driver, so the game runs silently. The only file that talks to SDL.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct Mix_Chunk;

namespace sorvane::sound {

class MusicStream;

class SdlOutput {
 public:
  SdlOutput() = default;
  ~SdlOutput();
  SdlOutput(const SdlOutput&) = delete;
  SdlOutput& operator=(const SdlOutput&) = delete;

  // Opens 16-bit stereo 44,100 Hz output and feeds `stream` into it; false
  // (and a logged reason) when not even the dummy driver opens.
  bool open(MusicStream* stream);
  bool isOpen() const { return open_; }
  std::string driver() const;

  // Takes a checked WAV file for a channel; false when SDL cannot convert it.
  bool loadEffect(int channel, std::span<const uint8_t> wavFile);
  // Plays a channel's effect once from the start at a volume 0..128.
  void playEffect(int channel, int volume);
  // Plays effect `effectChannel`'s sound on mixer channel `onChannel` (the
  // story's own channels 1 and 2), once or looping; its length in
  // milliseconds, 0 when there is nothing to play.
  int playEffectOn(int onChannel, int effectChannel, int volume, bool loop);
  // Stops a mixer channel, fading out over `fadeMs` (0: at once).
  void stopChannel(int channel, int fadeMs);
  // Volume 0..128 of a mixer channel that is playing.
  void setChannelVolume(int channel, int volume);

 private:
  void close();

  bool open_ = false;
  std::array<Mix_Chunk*, 50> chunks_{};
  // Each chunk's samples in the device's format, held here at their exact size.
  std::array<std::vector<uint8_t>, 50> samples_{};
};

}  // namespace sorvane::sound
