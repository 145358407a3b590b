#include "sound/wav_file.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace sorvane::sound {

namespace {
uint32_t u32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}
uint16_t u16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

struct Chunk {
  std::size_t body = 0;  // offset of the chunk's data
  uint32_t size = 0;     // as the chunk header says
};

// The first chunk with this id at or after offset `from`, walking chunk by chunk.
bool findChunk(std::span<const uint8_t> file, std::size_t from, const char* id, Chunk& out) {
  std::size_t at = from;
  while (at + 8 <= file.size()) {
    uint32_t size = u32(&file[at + 4]);
    if (std::memcmp(&file[at], id, 4) == 0) {
      out = {at + 8, size};
      return true;
    }
    std::size_t next = at + 8 + std::size_t{size} + (size & 1);  // chunks are word aligned
    if (next <= at) return false;
    at = next;
  }
  return false;
}
}  // namespace

WavSound parseWav(const std::string& name, std::span<const uint8_t> file) {
  if (file.size() < 12 || std::memcmp(file.data(), "RIFF", 4) != 0 || std::memcmp(&file[8], "WAVE", 4) != 0)
    throw SoundFileError(name + "は、WAVEファイルではありません");
  Chunk fmt;
  if (!findChunk(file, 12, "fmt ", fmt)) throw SoundFileError(name + "には、fmtチャンクが有りません");
  if (fmt.size < 16 || fmt.size > file.size() - fmt.body) throw SoundFileError(name + "のfmtチャンクが不正です");
  const uint8_t* f = &file[fmt.body];
  WavSound sound;
  int format = u16(f);
  sound.channels = u16(f + 2);
  sound.rate = static_cast<int>(u32(f + 4));
  int blockAlign = u16(f + 12);
  sound.bitsPerSample = u16(f + 14);
  bool playable = format == 1 && (sound.channels == 1 || sound.channels == 2) &&
                  (sound.bitsPerSample == 8 || sound.bitsPerSample == 16) && sound.rate >= 4000 &&
                  sound.rate <= 192000 && blockAlign == sound.channels * sound.bitsPerSample / 8;
  if (!playable) throw SoundFileError(name + "のfmtチャンクが不正です");
  std::size_t afterFmt = fmt.body + fmt.size + (fmt.size & 1);
  Chunk data;
  if (afterFmt > file.size() || !findChunk(file, afterFmt, "data", data))
    throw SoundFileError(name + "には、dataチャンクが有りません");
  std::size_t size = std::min<std::size_t>(data.size, file.size() - data.body);
  size -= size % blockAlign;
  sound.samples = file.subspan(data.body, size);
  return sound;
}

std::vector<uint8_t> readSoundFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw SoundFileError(path.filename().string() + "が、見つかりません");
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace sorvane::sound
