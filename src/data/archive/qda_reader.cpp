// Reading one entry of a QDA archive. The whole file is read at once, closed,
// and parsed from memory; every offset and size in it is checked against the
// file's length before use, so a damaged archive is an EQDAError, not a crash.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

std::uint32_t readU32(const Bytes& file, std::size_t offset) {
  return std::uint32_t{file[offset]} | std::uint32_t{file[offset + 1]} << 8 | std::uint32_t{file[offset + 2]} << 16 |
         std::uint32_t{file[offset + 3]} << 24;
}

std::string notFoundMessage(std::string_view entryName) {
  return "アーカイブ内には指定されたID '" + std::string(entryName) + "' を持つデータが見つかりません";
}

[[noreturn]] void damaged(const std::string& what) { throw EQDAError("アーカイブが壊れています: " + what); }

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
std::string_view storedName(const Bytes& file, std::size_t fieldOffset) {
  const char* field = reinterpret_cast<const char*>(file.data() + fieldOffset);
  std::size_t len = 0;
  while (len < kNameFieldSize && field[len] != '\0') ++len;
  return {field, len};
}

}  // namespace

Bytes LoadEntryFromMemory(const Bytes& archive, std::string_view entryName) {
  if (archive.size() < 8 || std::memcmp(archive.data() + 4, "QDA0", 4) != 0) throw EQDAError(kBadSignatureMessage);
  if (archive.size() < kHeaderSize) damaged("ヘッダーが途中で切れています");
  const std::uint32_t flag = readU32(archive, 0);
  const std::uint32_t count = readU32(archive, 8);
  if ((archive.size() - kHeaderSize) / kIndexEntrySize < count) {
    damaged("索引 (" + std::to_string(count) + " 件) がファイルの終わりを越えています");
  }

  // A name with no CP932 form cannot be stored in the archive, so it is simply not there.
  std::string wanted;
  try {
    wanted = lowerCp932(text::toCp932(entryName));
  } catch (const text::EncodingError&) {
    throw EQDAError(notFoundMessage(entryName));
  }

  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t record = kHeaderSize + std::size_t{i} * kIndexEntrySize;
    if (lowerCp932(storedName(archive, record + 12)) != wanted) continue;

    // Only the first match counts; real data always lies after the index,
    // so an offset of 0 means the entry is absent.
    const std::size_t offset = readU32(archive, record);
    const std::size_t storedSize = readU32(archive, record + 4);
    const std::size_t expandedSize = readU32(archive, record + 8);
    if (offset == 0) throw EQDAError(notFoundMessage(entryName));

    const std::string id = "ID '" + std::string(entryName) + "' ";
    const bool packed = flag == kFlagBytePairs;
    // Raw entries are read with their expanded size, as they always have been.
    const std::size_t bytesInFile = packed ? storedSize : expandedSize;
    if (offset > archive.size() || bytesInFile > archive.size() - offset) {
      damaged(id + "のデータがファイルの終わりを越えています");
    }
    if (!packed) return Bytes(archive.begin() + offset, archive.begin() + offset + bytesInFile);
    if (expandedSize > kMaxExpandedSize) {
      damaged(id + "の展開後のサイズ " + std::to_string(expandedSize) + " バイトは大きすぎます");
    }
    try {
      return ExpandBytePairs(archive.data() + offset, storedSize, expandedSize);
    } catch (const EQDAError& e) {
      damaged(id + "の" + e.what());
    }
  }
  throw EQDAError(notFoundMessage(entryName));
}

Bytes LoadEntry(const std::string& archivePath, std::string_view entryName) {
  const int fd = ::open(archivePath.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    throw EFOpenError("ファイル \"" + archivePath + "\" を開けません: " + std::strerror(errno));
  }
  // Read straight into the buffer; the size from fstat is only a first guess,
  // the loop reads until the end of the file.
  Bytes file;
  struct stat st{};
  std::size_t capacity = 65536;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) capacity = static_cast<std::size_t>(st.st_size) + 1;
  std::size_t used = 0;
  file.resize(capacity);
  for (;;) {
    if (used == file.size()) file.resize(file.size() * 2);
    const ssize_t got = ::read(fd, file.data() + used, file.size() - used);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      ::close(fd);
      throw EFOpenError("ファイル \"" + archivePath + "\" を読み込めません: " + std::strerror(err));
    }
    used += static_cast<std::size_t>(got);
  }
  file.resize(used);
  ::close(fd);
  return LoadEntryFromMemory(file, entryName);
}

}  // namespace sorvane::qda
