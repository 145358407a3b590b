// A music file streamed from memory through libvorbisfile: the whole file is
// read at load, the optional loop header taken off its front, and the Ogg
// stream decoded a block at a time. 22,050 Hz sources are doubled and mono
// ones copied to both sides; any other rate stops the music.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "sound/music_source.h"

namespace sorvane::sound {

class OggData : public MusicSource {
 public:
  OggData();
  ~OggData() override;
  OggData(const OggData&) = delete;
  OggData& operator=(const OggData&) = delete;

  // False, with nothing changed, when the file does not exist; a file that is
  // not a playable Ogg Vorbis stream throws SoundFileError
  // ("ファイルの読み込みに失敗") and leaves the decoder empty.
  // The caller holds `lock`.
  bool load(const std::filesystem::path& path);
  void loadBytes(std::vector<uint8_t> bytes);
  void clear();
  bool loaded() const;

  int read(int16_t* out, int frames) override;
  void seek(int64_t frame) override;
  int64_t tell() const override;
  int64_t length() const override;
  double seconds() const { return static_cast<double>(length()) / 44100.0; }

 private:
  struct Stream;
  std::unique_ptr<Stream> stream_;
};

// A music file decoded whole, from its start to its end, without the loop
// jumps; it keeps the loop points for the track that plays it.
class PcmBuffer : public MusicSource {
 public:
  // Empty (silent) when the file does not exist; SoundFileError when it cannot be decoded.
  static std::shared_ptr<PcmBuffer> decode(const std::filesystem::path& path);

  int read(int16_t* out, int frames) override;
  void seek(int64_t frame) override;
  int64_t tell() const override { return pos_; }
  int64_t length() const override { return static_cast<int64_t>(pcm_.size() / 2); }

 private:
  std::vector<int16_t> pcm_;
  int64_t pos_ = 0;
};

}  // namespace sorvane::sound
