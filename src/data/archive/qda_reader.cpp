// Reading one entry of a QDA archive. Only the header, the index and the
// entry's own bytes are read (panels reload portraits often, and the picture
// archive is large); every offset and size is checked against the file's
// length before use, so a damaged archive is an EQDAError, not a crash.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#include "data/archive/byte_pair.h"
#include "data/archive/qda.h"
#include "text/cp932.h"

namespace sorvane::qda {
namespace {

constexpr std::size_t kHeaderSize = 256;
constexpr std::size_t kIndexEntrySize = 268;
constexpr std::size_t kNameFieldSize = 256;
constexpr std::uint32_t kFlagBytePairs = 1;
// No picture, map or script of the game comes near this; a larger expanded
// size in an index is damage, and must not make us allocate gigabytes.
constexpr std::size_t kMaxExpandedSize = std::size_t{64} << 20;

std::uint32_t readU32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}

std::string notFoundMessage(std::string_view entryName) {
  return "アーカイブ内には指定されたID '" + std::string(entryName) + "' を持つデータが見つかりません";
}

[[noreturn]] void damaged(const std::string& what) { throw EQDAError("アーカイブが壊れています: " + what); }

// Where the archive's bytes come from: memory, or an open file read piece by
// piece. `read` is only asked for ranges inside `size()`.
class Source {
 public:
  virtual ~Source() = default;
  virtual std::size_t size() const = 0;
  virtual Bytes read(std::size_t offset, std::size_t length) = 0;
};

class MemorySource : public Source {
 public:
  explicit MemorySource(const Bytes& bytes) : bytes_(bytes) {}
  std::size_t size() const override { return bytes_.size(); }
  Bytes read(std::size_t offset, std::size_t length) override {
    return Bytes(bytes_.begin() + offset, bytes_.begin() + offset + length);
  }

 private:
  const Bytes& bytes_;
};

class FileSource : public Source {
 public:
  explicit FileSource(const std::string& path) : path_(path) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) throw EFOpenError("ファイル \"" + path + "\" を開けません: " + std::strerror(errno));
    struct stat st{};
    if (::fstat(fd_, &st) != 0) {
      const int err = errno;
      ::close(fd_);
      throw EFOpenError("ファイル \"" + path + "\" を読み込めません: " + std::strerror(err));
    }
    if (!S_ISREG(st.st_mode)) {  // a directory or a device holds no archive
      ::close(fd_);
      throw EFOpenError("ファイル \"" + path + "\" を読み込めません: 通常のファイルではありません");
    }
    size_ = static_cast<std::size_t>(st.st_size);
  }
  ~FileSource() override { ::close(fd_); }
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  std::size_t size() const override { return size_; }
  Bytes read(std::size_t offset, std::size_t length) override {
    Bytes out(length);
    std::size_t done = 0;
    while (done < length) {
      const ssize_t got = ::pread(fd_, out.data() + done, length - done, static_cast<off_t>(offset + done));
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) throw EFOpenError("ファイル \"" + path_ + "\" を読み込めません: " + std::strerror(errno));
      if (got == 0) damaged("ファイルが読み込み中に短くなりました");
      done += static_cast<std::size_t>(got);
    }
    return out;
  }

 private:
  std::string path_;
  int fd_ = -1;
  std::size_t size_ = 0;
};

// Lower-cases A..Z only. A double-byte CP932 character is copied whole, since
// its trail byte may lie in 'A'..'Z' (ア is 0x83 0x41) and is not a letter.
std::string lowerCp932(std::string_view name) {
  std::string out(name);
  for (std::size_t i = 0; i < out.size(); ++i) {
    auto b = static_cast<unsigned char>(out[i]);
    if (text::isCp932LeadByte(b)) {
      ++i;
    } else if (b >= 'A' && b <= 'Z') {
      out[i] = static_cast<char>(b - 'A' + 'a');
    }
  }
  return out;
}

// The stored name: up to its zero byte, or the whole field if it has none.
std::string_view storedName(const std::uint8_t* nameField) {
  const char* field = reinterpret_cast<const char*>(nameField);
  std::size_t len = 0;
  while (len < kNameFieldSize && field[len] != '\0') ++len;
  return {field, len};
}

// Finds `entryName` in the archive and returns its expanded bytes.
Bytes loadEntry(Source& archive, std::string_view entryName) {
  const std::size_t fileSize = archive.size();
  const Bytes header = archive.read(0, std::min(fileSize, kHeaderSize));
  if (header.size() < 8 || std::memcmp(header.data() + 4, "QDA0", 4) != 0) throw EQDAError(kBadSignatureMessage);
  if (header.size() < kHeaderSize) damaged("ヘッダーが途中で切れています");
  const std::uint32_t flag = readU32(header.data());
  const std::uint32_t count = readU32(header.data() + 8);
  if ((fileSize - kHeaderSize) / kIndexEntrySize < count) {
    damaged("索引 (" + std::to_string(count) + " 件) がファイルの終わりを越えています");
  }

  // A name with no CP932 form cannot be stored in the archive, so it is simply not there.
  std::string wanted;
  try {
    wanted = lowerCp932(text::toCp932(entryName));
  } catch (const text::EncodingError&) {
    throw EQDAError(notFoundMessage(entryName));
  }

  const Bytes index = archive.read(kHeaderSize, std::size_t{count} * kIndexEntrySize);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint8_t* record = index.data() + std::size_t{i} * kIndexEntrySize;
    if (lowerCp932(storedName(record + 12)) != wanted) continue;

    // Only the first match counts; real data always lies after the index,
    // so an offset of 0 means the entry is absent.
    const std::size_t offset = readU32(record);
    const std::size_t storedSize = readU32(record + 4);
    const std::size_t expandedSize = readU32(record + 8);
    if (offset == 0) throw EQDAError(notFoundMessage(entryName));

    const std::string id = "ID '" + std::string(entryName) + "' ";
    const bool packed = flag == kFlagBytePairs;
    // An unpacked entry is as long as its expanded size; its stored size is not used.
    const std::size_t bytesInFile = packed ? storedSize : expandedSize;
    if (offset > fileSize || bytesInFile > fileSize - offset) {
      damaged(id + "のデータがファイルの終わりを越えています");
    }
    if (!packed) return archive.read(offset, bytesInFile);
    if (expandedSize > kMaxExpandedSize) {
      damaged(id + "の展開後のサイズ " + std::to_string(expandedSize) + " バイトは大きすぎます");
    }
    const Bytes stored = archive.read(offset, storedSize);
    try {
      return ExpandBytePairs(stored.data(), stored.size(), expandedSize);
    } catch (const EQDAError& e) {
      damaged(id + "の" + e.what());
    }
  }
  throw EQDAError(notFoundMessage(entryName));
}

}  // namespace

Bytes LoadEntryFromMemory(const Bytes& archive, std::string_view entryName) {
  MemorySource source(archive);
  return loadEntry(source, entryName);
}

Bytes LoadEntry(const std::string& archivePath, std::string_view entryName) {
  FileSource source(archivePath);
  return loadEntry(source, entryName);
}

}  // namespace sorvane::qda
