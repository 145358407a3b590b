#include "sound/ogg_data.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>

#include "sound/levels.h"
#include "sound/wav_file.h"

namespace sorvane::sound {

namespace {
// libvorbisfile reads the stream through these, from the bytes after the header.
struct Memory {
  const uint8_t* data = nullptr;
  std::size_t size = 0;
  std::size_t pos = 0;
};

size_t memRead(void* dst, size_t size, size_t count, void* source) {
  auto* m = static_cast<Memory*>(source);
  if (size == 0) return 0;
  size_t n = std::min(count, (m->size - m->pos) / size);
  if (n == 0) return 0;  // an empty file has no data pointer to copy from
  std::memcpy(dst, m->data + m->pos, n * size);
  m->pos += n * size;
  return n;
}

int memSeek(void* source, ogg_int64_t offset, int whence) {
  auto* m = static_cast<Memory*>(source);
  ogg_int64_t base = whence == SEEK_SET   ? 0
                     : whence == SEEK_CUR ? static_cast<ogg_int64_t>(m->pos)
                                          : static_cast<ogg_int64_t>(m->size);
  ogg_int64_t to = base + offset;
  if (to < 0 || to > static_cast<ogg_int64_t>(m->size)) return -1;
  m->pos = static_cast<size_t>(to);
  return 0;
}

long memTell(void* source) { return static_cast<long>(static_cast<Memory*>(source)->pos); }

int memClose(void*) { return 0; }
}  // namespace

struct OggData::Stream {
  std::vector<uint8_t> bytes;
  Memory memory;
  OggVorbis_File file{};
  int channels = 0;
  int factor = 1;  // 2 for 22,050 Hz sources
  bool broken = false;
  int16_t held[2] = {0, 0};  // the second copy of a doubled frame still to give
  bool holding = false;
  std::vector<int16_t> scratch = std::vector<int16_t>(8192);

  ~Stream() { ov_clear(&file); }
};

OggData::OggData() = default;
OggData::~OggData() = default;

bool OggData::load(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  std::vector<uint8_t> bytes;
  try {
    bytes = readSoundFile(path);
  } catch (const SoundFileError&) {
    return false;
  }
  loadBytes(std::move(bytes));
  return true;
}

void OggData::loadBytes(std::vector<uint8_t> bytes) {
  stream_.reset();
  uses = {};
  auto header = readLoopHeader(bytes);
  loops = header.value_or(LoopHeader{});
  auto s = std::make_unique<Stream>();
  s->bytes = std::move(bytes);
  std::size_t skip = header ? kLoopHeaderSize : 0;
  s->memory = {s->bytes.data() + skip, s->bytes.size() - skip, 0};
  ov_callbacks callbacks{memRead, memSeek, memClose, memTell};
  if (ov_open_callbacks(&s->memory, &s->file, nullptr, 0, callbacks) != 0) {
    std::memset(&s->file, 0, sizeof s->file);  // nothing to clear
    throw SoundFileError("ファイルの読み込みに失敗");
  }
  vorbis_info* info = ov_info(&s->file, -1);
  s->channels = info ? info->channels : 0;
  s->factor = info && info->rate == 22050 ? 2 : 1;
  s->broken = !info || (info->rate != 44100 && info->rate != 22050) || (s->channels != 1 && s->channels != 2) ||
              ov_seekable(&s->file) == 0;
  if (s->broken) {
    throw SoundFileError("ファイルの読み込みに失敗");
  }
  stream_ = std::move(s);
}

void OggData::clear() {
  stream_.reset();
  loops = {};
  uses = {};
}

bool OggData::loaded() const { return stream_ != nullptr; }

int OggData::read(int16_t* out, int frames) {
  Stream* s = stream_.get();
  if (!s || s->broken || frames <= 0) return 0;
  int given = 0;
  if (s->holding) {
    out[0] = s->held[0];
    out[1] = s->held[1];
    s->holding = false;
    if (++given == frames) return given;
  }
  // Source frames wanted, at most a scratch buffer's worth.
  int wantFrames =
      std::min((frames - given + s->factor - 1) / s->factor, static_cast<int>(s->scratch.size()) / s->channels);
  int section = 0;
  long bytes = OV_HOLE;
  for (int tries = 0; bytes == OV_HOLE && tries < 8; ++tries)  // a gap in the stream: go on after it
    bytes =
        ov_read(&s->file, reinterpret_cast<char*>(s->scratch.data()), wantFrames * s->channels * 2, 0, 2, 1, &section);
  if (bytes <= 0) {
    if (bytes < 0) s->broken = true;
    return given;
  }
  int got = static_cast<int>(bytes / (2 * s->channels));
  for (int i = 0; i < got; ++i) {
    int16_t l = s->scratch[i * s->channels];
    int16_t r = s->channels == 2 ? s->scratch[i * 2 + 1] : l;
    for (int k = 0; k < s->factor; ++k) {
      if (given < frames) {
        out[2 * given] = l;
        out[2 * given + 1] = r;
        ++given;
      } else {
        s->held[0] = l;
        s->held[1] = r;
        s->holding = true;
      }
    }
  }
  return given;
}

void OggData::seek(int64_t frame) {
  Stream* s = stream_.get();
  if (!s) return;
  s->holding = false;
  frame = std::clamp<int64_t>(frame, 0, length());
  if (ov_pcm_seek(&s->file, frame / s->factor) != 0) s->broken = true;
}

int64_t OggData::tell() const {
  Stream* s = stream_.get();
  if (!s) return 0;
  int64_t pos = ov_pcm_tell(&s->file);
  return pos < 0 ? 0 : pos * s->factor - (s->holding ? 1 : 0);
}

int64_t OggData::length() const {
  Stream* s = stream_.get();
  if (!s) return 0;
  int64_t total = ov_pcm_total(&s->file, -1);
  return total < 0 ? 0 : total * s->factor;
}

std::shared_ptr<PcmBuffer> PcmBuffer::decode(const std::filesystem::path& path) {
  auto buffer = std::make_shared<PcmBuffer>();
  OggData ogg;
  std::lock_guard guard(ogg.lock);
  if (!ogg.load(path)) return buffer;
  buffer->loops = ogg.loops;
  buffer->pcm_.resize(static_cast<std::size_t>(ogg.length()) * 2);
  std::size_t filled = 0;
  while (filled < buffer->pcm_.size()) {
    int frames = static_cast<int>(std::min<std::size_t>((buffer->pcm_.size() - filled) / 2, 4096));
    int n = ogg.read(buffer->pcm_.data() + filled, frames);
    if (n <= 0) break;
    filled += static_cast<std::size_t>(n) * 2;
  }
  buffer->pcm_.resize(filled);
  return buffer;
}

int PcmBuffer::read(int16_t* out, int frames) {
  int64_t n = std::clamp<int64_t>(length() - pos_, 0, frames);
  std::copy_n(pcm_.data() + pos_ * 2, n * 2, out);
  pos_ += n;
  return static_cast<int>(n);
}

void PcmBuffer::seek(int64_t frame) { pos_ = std::clamp<int64_t>(frame, 0, length()); }

}  // namespace sorvane::sound
