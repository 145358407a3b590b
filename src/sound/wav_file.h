// Effect files: RIFF WAVE with PCM samples. Every size and offset is checked
// against the file; a damaged file gives an error naming it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace sorvane::sound {

// A sound file that cannot be played; the message names the file.
class SoundFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct WavSound {
  int channels = 0;                  // 1 or 2
  int bitsPerSample = 0;             // 8 or 16
  int rate = 0;                      // frames per second
  std::span<const uint8_t> samples;  // inside the bytes given to parseWav
};

// Checks, in this order: a RIFF WAVE file, a "fmt " chunk, the whole format
// chunk inside the file and describing PCM we can play, a "data" chunk after
// it. A data chunk running past the end of the file keeps what is there.
WavSound parseWav(const std::string& name, std::span<const uint8_t> file);
// Reads a file whole; a file that cannot be opened gives "が、見つかりません".
std::vector<uint8_t> readSoundFile(const std::filesystem::path& path);

}  // namespace sorvane::sound
