#include "campaign/padded_fields.h"

#include <charconv>

namespace sorvane {

void padTo(std::string& line, std::size_t width) {
  if (line.size() < width) line.append(width - line.size(), '.');
}

std::optional<i32> parseNumber(std::string_view text) {
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  i32 value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<i32> fieldNumber(std::string_view line, std::size_t start, std::size_t width) {
  std::string digits;
  if (start < line.size()) {
    for (char c : line.substr(start, width))
      if (c != '.') digits += c;
  }
  return parseNumber(digits);
}

}  // namespace sorvane
