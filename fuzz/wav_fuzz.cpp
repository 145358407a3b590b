// Feeds arbitrary bytes to the effect-file parser. A clear error is fine;
// crashes and reads outside the file are not, and the samples it finds must
// lie inside the file and hold whole frames.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "sound/wav_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::span<const std::uint8_t> file(data, size);
  try {
    sorvane::sound::WavSound wav = sorvane::sound::parseWav("fuzz.wav", file);
    if (wav.samples.data() < data || wav.samples.data() + wav.samples.size() > data + size) std::abort();
    if (wav.samples.size() % static_cast<std::size_t>(wav.channels * wav.bitsPerSample / 8) != 0) std::abort();
    volatile std::uint8_t sum = 0;
    for (std::uint8_t b : wav.samples) sum = sum + b;
  } catch (const sorvane::sound::SoundFileError&) {
  }
  return 0;
}
