#include "sound/output_sdl.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <iostream>

#include "sound/music_stream.h"

namespace sorvane::sound {

namespace {
void feedMusic(void* stream, Uint8* out, int bytes) {
  static_cast<MusicStream*>(stream)->pull(reinterpret_cast<int16_t*>(out), bytes / 4);
}

bool openDevice() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  if (Mix_OpenAudioDevice(44100, AUDIO_S16LSB, 2, 2048, nullptr, 0) == 0) return true;
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  return false;
}
}  // namespace

bool SdlOutput::open(MusicStream* stream) {
  if (!openDevice()) {
    std::cerr << "sound: no audio device (" << SDL_GetError() << "), playing silently\n";
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);  // over SDL_AUDIODRIVER too
    if (!openDevice()) {
      std::cerr << "sound: the dummy audio driver did not open either (" << SDL_GetError() << ")\n";
      return false;
    }
  }
  open_ = true;
  Mix_AllocateChannels(static_cast<int>(chunks_.size()));
  Mix_HookMusic(feedMusic, stream);
  return true;
}

std::string SdlOutput::driver() const {
  const char* name = open_ ? SDL_GetCurrentAudioDriver() : nullptr;
  return name ? name : "";
}

bool SdlOutput::loadEffect(int channel, std::span<const uint8_t> wavFile) {
  if (!open_ || channel < 0 || channel >= static_cast<int>(chunks_.size())) return false;
  Mix_Chunk* converted = Mix_LoadWAV_RW(SDL_RWFromConstMem(wavFile.data(), static_cast<int>(wavFile.size())), 1);
  if (!converted) return false;
  // SDL converts through a buffer several times the result's size and keeps
  // all of it; the samples are copied out at their size instead.
  std::vector<uint8_t> samples(converted->abuf, converted->abuf + converted->alen);
  Mix_FreeChunk(converted);
  Mix_Chunk* chunk = Mix_QuickLoad_RAW(samples.data(), static_cast<Uint32>(samples.size()));
  if (!chunk) return false;
  if (chunks_[channel]) Mix_FreeChunk(chunks_[channel]);  // stops the channel playing it
  chunks_[channel] = chunk;
  samples_[channel] = std::move(samples);  // the vector's buffer moves with it
  return true;
}

void SdlOutput::playEffect(int channel, int volume) {
  if (!open_ || channel < 0 || channel >= static_cast<int>(chunks_.size()) || !chunks_[channel]) return;
  Mix_Volume(channel, volume);
  Mix_HaltChannel(channel);
  Mix_PlayChannel(channel, chunks_[channel], 0);
}

int SdlOutput::playEffectOn(int onChannel, int effectChannel, int volume, bool loop) {
  const int channels = static_cast<int>(chunks_.size());
  if (!open_ || onChannel < 0 || onChannel >= channels || effectChannel < 0 || effectChannel >= channels) return 0;
  Mix_Chunk* chunk = chunks_[effectChannel];
  if (!chunk) return 0;
  Mix_HaltChannel(onChannel);
  Mix_Volume(onChannel, volume);
  Mix_PlayChannel(onChannel, chunk, loop ? -1 : 0);
  // The chunk holds the device's format: 16-bit stereo at 44,100 Hz.
  return static_cast<int>(chunk->alen / 4 * 1000LL / 44100);
}

void SdlOutput::stopChannel(int channel, int fadeMs) {
  if (!open_ || channel < 0 || channel >= static_cast<int>(chunks_.size())) return;
  if (fadeMs > 0) Mix_FadeOutChannel(channel, fadeMs);
  else Mix_HaltChannel(channel);
}

void SdlOutput::setChannelVolume(int channel, int volume) {
  if (open_ && channel >= 0 && channel < static_cast<int>(chunks_.size())) Mix_Volume(channel, volume);
}

void SdlOutput::close() {
  if (!open_) return;
  Mix_HookMusic(nullptr, nullptr);  // waits for the device callback, so the stream can go
  Mix_HaltChannel(-1);
  for (Mix_Chunk*& chunk : chunks_) {
    if (chunk) Mix_FreeChunk(chunk);
    chunk = nullptr;
  }
  for (std::vector<uint8_t>& samples : samples_) samples = {};
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  open_ = false;
}

SdlOutput::~SdlOutput() { close(); }

}  // namespace sorvane::sound
