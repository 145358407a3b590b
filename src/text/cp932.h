// Shift-JIS (Windows code page 932) at the file boundary. Inside the game all
// text is UTF-8; every file the game reads or writes is CP932 with CR LF.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace sorvane::text {

// Raised when bytes are not valid in the source encoding, or a character has
// no equivalent in the target one.
class EncodingError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// CP932 bytes to UTF-8. Throws EncodingError naming the offset of the first bad byte.
std::string fromCp932(std::string_view bytes);

// UTF-8 to CP932 bytes. Throws EncodingError on malformed UTF-8 or an unmappable character.
std::string toCp932(std::string_view utf8);

// Length of a UTF-8 text in CP932 bytes (a full-width character counts 2), as
// fixed-width fields and menus count it. Throws EncodingError like toCp932.
std::size_t cp932Length(std::string_view utf8);

// True for a CP932 lead byte (the first byte of a double-byte character).
constexpr bool isCp932LeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// Splits text into lines: CR LF, a lone CR and a lone LF each end a line; a
// final line end does not start another line.
std::vector<std::string> splitLines(std::string_view text);

}  // namespace sorvane::text
