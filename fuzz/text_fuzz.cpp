// Feeds arbitrary bytes to the Shift-JIS conversions and the half-width
// mapping. Bad bytes are errors, never crashes; what one direction produces
// the other must accept; the half-width mapping never loses an ASCII byte and
// keeps valid UTF-8 valid.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "text/cp932.h"
#include "text/halfwidth.h"

namespace {

using sorvane::text::EncodingError;

std::size_t asciiCount(std::string_view s) {
  std::size_t n = 0;
  for (unsigned char c : s) n += c < 0x80;
  return n;
}

// Well-formed UTF-8: shortest forms, no surrogates, nothing above U+10FFFF.
bool isUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const unsigned char b0 = static_cast<unsigned char>(s[i]);
    const std::size_t len = b0 < 0x80 ? 1 : (b0 >> 5) == 0x6 ? 2 : (b0 >> 4) == 0xE ? 3 : (b0 >> 3) == 0x1E ? 4 : 0;
    if (len == 0 || i + len > s.size()) return false;
    std::uint32_t cp = len == 1 ? b0 : len == 2 ? (b0 & 0x1F) : len == 3 ? (b0 & 0x0F) : (b0 & 0x07);
    for (std::size_t k = 1; k < len; ++k) {
      const unsigned char b = static_cast<unsigned char>(s[i + k]);
      if ((b & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (b & 0x3F);
    }
    static constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += len;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  // As a Shift-JIS file: what decodes must encode again to as many bytes as
  // cp932Length counts.
  try {
    const std::string utf8 = sorvane::text::fromCp932(bytes);
    const std::string back = sorvane::text::toCp932(utf8);
    if (sorvane::text::cp932Length(utf8) != back.size()) std::abort();
    if (sorvane::text::fromCp932(back) != utf8) std::abort();
    const std::string half = sorvane::text::toHalfWidth(utf8);
    // Half-width forms of CP932 text are CP932 text too, and never longer on disk.
    if (sorvane::text::toCp932(half).size() > back.size()) std::abort();
  } catch (const EncodingError&) {
  }

  // As UTF-8 text from inside the game.
  try {
    const std::string sjis = sorvane::text::toCp932(bytes);
    sorvane::text::fromCp932(sjis);
  } catch (const EncodingError&) {
  }

  const std::string half = sorvane::text::toHalfWidth(bytes);
  if (asciiCount(half) < asciiCount(bytes)) std::abort();
  if (sorvane::text::toHalfWidth(half) != half) std::abort();
  if (isUtf8(bytes) && !isUtf8(half)) std::abort();

  (void)sorvane::text::splitLines(bytes);
  return 0;
}
