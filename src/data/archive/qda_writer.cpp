// Writing QDA archives: header, index, then each entry's data in index order.
#include "data/archive/qda_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <system_error>

#include "data/archive/byte_pair.h"
#include "text/cp932.h"

namespace sorvane::qda {
namespace {

constexpr std::size_t kHeaderSize = 256;
constexpr std::size_t kIndexEntrySize = 268;
constexpr std::size_t kMaxNameBytes = 255;  // the 256-byte field keeps its zero terminator

void putU32(Bytes& out, std::size_t at, std::size_t value) {
  if (value > std::numeric_limits<std::uint32_t>::max()) {
    throw std::length_error("QDA archive larger than 4 GiB");
  }
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::string storedName(const std::string& name) {
  std::string cp932 = text::toCp932(name);
  if (cp932.size() > kMaxNameBytes) {
    throw std::invalid_argument("QDA entry name '" + name + "' is " + std::to_string(cp932.size()) +
                                " bytes in CP932; at most 255 fit");
  }
  if (cp932.find('\0') != std::string::npos) {
    throw std::invalid_argument("QDA entry name '" + name + "' contains a zero byte");
  }
  return cp932;
}

[[noreturn]] void fileError(const std::string& what, const std::string& path, int err) {
  throw std::system_error(err, std::generic_category(), what + " " + path);
}

}  // namespace

Bytes WriteArchive(const std::vector<ArchiveEntry>& entries, bool compressed) {
  std::vector<std::string> names;
  names.reserve(entries.size());
  for (const ArchiveEntry& entry : entries) names.push_back(storedName(entry.name));

  Bytes out(kHeaderSize + entries.size() * kIndexEntrySize, 0);
  putU32(out, 0, compressed ? 1 : 0);
  std::memcpy(out.data() + 4, "QDA0", 4);
  putU32(out, 8, entries.size());

  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Bytes& data = entries[i].data;
    const std::size_t record = kHeaderSize + i * kIndexEntrySize;
    const std::size_t offset = out.size();
    if (compressed) {
      Bytes packed = CompressBytePairs(data);
      out.insert(out.end(), packed.begin(), packed.end());
    } else {
      out.insert(out.end(), data.begin(), data.end());
    }
    putU32(out, record, offset);
    putU32(out, record + 4, out.size() - offset);
    putU32(out, record + 8, data.size());
    std::memcpy(out.data() + record + 12, names[i].data(), names[i].size());
  }
  return out;
}

void WriteArchiveFile(const std::string& path, const std::vector<ArchiveEntry>& entries, bool compressed) {
  const Bytes archive = WriteArchive(entries, compressed);

  // Write beside the target and rename over it, so a reader never sees half an archive.
  std::string temp = path + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) throw EFOpenError("ファイル \"" + path + "\" を作成できません: " + std::strerror(errno));
  auto fail = [&](const char* what) {
    const int err = errno;
    ::close(fd);
    ::unlink(temp.c_str());
    fileError(what, path, err);
  };
  std::size_t written = 0;
  while (written < archive.size()) {
    const ssize_t n = ::write(fd, archive.data() + written, archive.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      fail("cannot write");
    }
    written += static_cast<std::size_t>(n);
  }
  if (::fchmod(fd, 0644) != 0) fail("cannot set permissions of");
  if (::fsync(fd) != 0) fail("cannot flush");
  if (::close(fd) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    fileError("cannot close", path, err);
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    fileError("cannot replace", path, err);
  }
}

}  // namespace sorvane::qda
