// CP932 <-> UTF-8 through glibc iconv. glibc's "CP932" follows the Windows
// table (0x5C is the backslash, 0x8160 is U+FF5E, NEC and IBM extensions), so
// text written by the game and by Windows tools read back alike.
#include "text/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace sorvane::text {
namespace {

// One conversion direction, opened once per thread and reset before each use.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw EncodingError(std::string("iconv cannot convert from ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts all of `input`. On a bad sequence returns the offset of its first byte.
  struct Result {
    std::string output;
    std::optional<std::size_t> badOffset;
    bool truncated = false;  // the input ends inside a multi-byte sequence
  };

  Result convert(std::string_view input) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    Result result;
    result.output.resize(input.size() * 2 + 16);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    std::size_t written = 0;
    while (inLeft > 0) {
      char* out = result.output.data() + written;
      std::size_t outLeft = result.output.size() - written;
      std::size_t rc = iconv(cd_, &in, &inLeft, &out, &outLeft);
      written = result.output.size() - outLeft;
      if (rc != static_cast<std::size_t>(-1)) break;
      if (errno == E2BIG) {
        result.output.resize(result.output.size() * 2);
        continue;
      }
      result.badOffset = static_cast<std::size_t>(in - input.data());
      result.truncated = errno == EINVAL;
      break;
    }
    result.output.resize(written);
    return result;
  }

 private:
  iconv_t cd_;
};

std::string hexByte(unsigned char b) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "0x%02X", b);
  return buf;
}

// Decodes the UTF-8 sequence at `pos`; nullopt when it is malformed.
std::optional<std::uint32_t> decodeUtf8At(std::string_view s, std::size_t pos) {
  unsigned char b0 = static_cast<unsigned char>(s[pos]);
  std::size_t len = b0 < 0x80 ? 1 : (b0 >> 5) == 0x6 ? 2 : (b0 >> 4) == 0xE ? 3 : (b0 >> 3) == 0x1E ? 4 : 0;
  if (len == 0 || pos + len > s.size()) return std::nullopt;
  std::uint32_t cp = len == 1 ? b0 : len == 2 ? (b0 & 0x1F) : len == 3 ? (b0 & 0x0F) : (b0 & 0x07);
  for (std::size_t i = 1; i < len; ++i) {
    unsigned char b = static_cast<unsigned char>(s[pos + i]);
    if ((b & 0xC0) != 0x80) return std::nullopt;
    cp = (cp << 6) | (b & 0x3F);
  }
  static constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kSmallest[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
  return cp;
}

}  // namespace

std::string fromCp932(std::string_view bytes) {
  thread_local Converter converter("UTF-8", "CP932");
  Converter::Result r = converter.convert(bytes);
  if (r.badOffset) {
    std::size_t at = *r.badOffset;
    unsigned char b = static_cast<unsigned char>(bytes[at]);
    if (r.truncated) {
      throw EncodingError("CP932 text ends inside a double-byte character (lead byte " + hexByte(b) +
                          " at offset " + std::to_string(at) + ")");
    }
    std::string what = "invalid CP932 byte " + hexByte(b);
    if (isCp932LeadByte(b) && at + 1 < bytes.size()) {
      what = "invalid CP932 character " + hexByte(b) + " " + hexByte(static_cast<unsigned char>(bytes[at + 1]));
    }
    throw EncodingError(what + " at offset " + std::to_string(at));
  }
  return std::move(r.output);
}

std::string toCp932(std::string_view utf8) {
  thread_local Converter converter("CP932", "UTF-8");
  Converter::Result r = converter.convert(utf8);
  if (r.badOffset) {
    std::size_t at = *r.badOffset;
    std::optional<std::uint32_t> cp = r.truncated ? std::nullopt : decodeUtf8At(utf8, at);
    if (!cp) {
      throw EncodingError("malformed UTF-8 at offset " + std::to_string(at) + " (byte " +
                          hexByte(static_cast<unsigned char>(utf8[at])) + ")");
    }
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(*cp));
    throw EncodingError(std::string("character ") + buf + " at offset " + std::to_string(at) +
                        " has no CP932 form");
  }
  return std::move(r.output);
}

std::size_t cp932Length(std::string_view utf8) { return toCp932(utf8).size(); }

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (c != '\r' && c != '\n') {
      ++i;
      continue;
    }
    lines.emplace_back(text.substr(start, i - start));
    ++i;
    if (c == '\r' && i < text.size() && text[i] == '\n') ++i;
    start = i;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

}  // namespace sorvane::text
