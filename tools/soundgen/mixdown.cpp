// sorvane-mixdown: plays a music file through the game's own mixer, loop
// points and all, into a WAV file, so a track can be heard (or checked)
// without a sound card.
//   sorvane-mixdown IN.ogg OUT.wav SECONDS
#include <cmath>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "sound/music_mixer.h"
#include "sound/ogg_data.h"
#include "sound/wav_file.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: sorvane-mixdown IN.ogg OUT.wav SECONDS\n";
    return 2;
  }
  using namespace sorvane::sound;
  OggData ogg;
  try {
    std::lock_guard guard(ogg.lock);
    if (!ogg.load(argv[1])) {
      std::cerr << argv[1] << " not found\n";
      return 1;
    }
  } catch (const SoundFileError& e) {
    std::cerr << argv[1] << ": " << e.what() << '\n';
    return 1;
  }
  MusicMixer mixer;
  mixer.assign(0, &ogg);
  mixer.play(0, true);
  const int frames = static_cast<int>(std::stod(argv[3]) * 44100);
  std::vector<int16_t> pcm(static_cast<size_t>(frames) * 2);
  mixer.mix(pcm.data(), frames);

  std::ofstream out(argv[2], std::ios::binary);
  auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  uint32_t bytes = static_cast<uint32_t>(pcm.size() * 2);
  out.write("RIFF", 4);
  u32(36 + bytes);
  out.write("WAVEfmt ", 8);
  u32(16);
  u16(1);
  u16(2);
  u32(44100);
  u32(44100 * 4);
  u16(4);
  u16(16);
  out.write("data", 4);
  u32(bytes);
  out.write(reinterpret_cast<const char*>(pcm.data()), bytes);
  return out ? 0 : 1;
}
