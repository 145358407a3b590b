// Small parsing helpers for lab commands.
#pragma once

#include <charconv>
#include <string>
#include <string_view>
#include <vector>

#include "data/types.h"

namespace sorvane::lab {

inline bool parseInt(std::string_view text, i32& value) {
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

// "a,b,c" -> {a, b, c}; the empty text is the empty list.
inline bool parseList(std::string_view text, std::vector<i32>& values) {
  values.clear();
  if (text.empty()) return true;
  std::size_t start = 0;
  while (true) {
    std::size_t comma = text.find(',', start);
    i32 v = 0;
    if (!parseInt(text.substr(start, comma - start), v)) return false;
    values.push_back(v);
    if (comma == std::string_view::npos) return true;
    start = comma + 1;
  }
}

template <class It>
std::string joinList(It begin, It end) {
  std::string out;
  for (It it = begin; it != end; ++it) {
    if (it != begin) out += ',';
    out += std::to_string(+*it);
  }
  return out;
}

}  // namespace sorvane::lab
