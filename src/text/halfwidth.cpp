// Half-width mapping of Japanese text, for long names in menus and records: full-width ASCII
// variants and katakana shrink, voiced katakana split into base + ﾞ or ﾟ;
// hiragana, kanji and anything without a half-width form stay as they are.
#include "text/halfwidth.h"

#include <cstdint>
#include <string_view>
#include <unordered_map>

namespace sorvane::text {
namespace {

struct HalfWidthRow {
  std::string_view full;
  std::string_view half;
};

// One row per full-width character. Full-width ASCII variants (U+FF01..FF5E)
// and the ideographic space are computed, not listed.
constexpr HalfWidthRow kHalfWidthTable[] = {
    // punctuation and sound marks
    {"。", "｡"}, {"「", "｢"}, {"」", "｣"}, {"、", "､"}, {"・", "･"}, {"ー", "ｰ"}, {"゛", "ﾞ"}, {"゜", "ﾟ"},
    // small vowels, ッ, small ya/yu/yo
    {"ァ", "ｧ"}, {"ィ", "ｨ"}, {"ゥ", "ｩ"}, {"ェ", "ｪ"}, {"ォ", "ｫ"}, {"ッ", "ｯ"}, {"ャ", "ｬ"}, {"ュ", "ｭ"}, {"ョ", "ｮ"},
    // plain rows
    {"ア", "ｱ"}, {"イ", "ｲ"}, {"ウ", "ｳ"}, {"エ", "ｴ"}, {"オ", "ｵ"},
    {"カ", "ｶ"}, {"キ", "ｷ"}, {"ク", "ｸ"}, {"ケ", "ｹ"}, {"コ", "ｺ"},
    {"サ", "ｻ"}, {"シ", "ｼ"}, {"ス", "ｽ"}, {"セ", "ｾ"}, {"ソ", "ｿ"},
    {"タ", "ﾀ"}, {"チ", "ﾁ"}, {"ツ", "ﾂ"}, {"テ", "ﾃ"}, {"ト", "ﾄ"},
    {"ナ", "ﾅ"}, {"ニ", "ﾆ"}, {"ヌ", "ﾇ"}, {"ネ", "ﾈ"}, {"ノ", "ﾉ"},
    {"ハ", "ﾊ"}, {"ヒ", "ﾋ"}, {"フ", "ﾌ"}, {"ヘ", "ﾍ"}, {"ホ", "ﾎ"},
    {"マ", "ﾏ"}, {"ミ", "ﾐ"}, {"ム", "ﾑ"}, {"メ", "ﾒ"}, {"モ", "ﾓ"},
    {"ヤ", "ﾔ"}, {"ユ", "ﾕ"}, {"ヨ", "ﾖ"},
    {"ラ", "ﾗ"}, {"リ", "ﾘ"}, {"ル", "ﾙ"}, {"レ", "ﾚ"}, {"ロ", "ﾛ"},
    {"ワ", "ﾜ"}, {"ヲ", "ｦ"}, {"ン", "ﾝ"},
    // voiced (dakuten)
    {"ガ", "ｶﾞ"}, {"ギ", "ｷﾞ"}, {"グ", "ｸﾞ"}, {"ゲ", "ｹﾞ"}, {"ゴ", "ｺﾞ"},
    {"ザ", "ｻﾞ"}, {"ジ", "ｼﾞ"}, {"ズ", "ｽﾞ"}, {"ゼ", "ｾﾞ"}, {"ゾ", "ｿﾞ"},
    {"ダ", "ﾀﾞ"}, {"ヂ", "ﾁﾞ"}, {"ヅ", "ﾂﾞ"}, {"デ", "ﾃﾞ"}, {"ド", "ﾄﾞ"},
    {"バ", "ﾊﾞ"}, {"ビ", "ﾋﾞ"}, {"ブ", "ﾌﾞ"}, {"ベ", "ﾍﾞ"}, {"ボ", "ﾎﾞ"},
    {"ヴ", "ｳﾞ"}, {"ヷ", "ﾜﾞ"}, {"ヺ", "ｦﾞ"},
    // semi-voiced (handakuten)
    {"パ", "ﾊﾟ"}, {"ピ", "ﾋﾟ"}, {"プ", "ﾌﾟ"}, {"ペ", "ﾍﾟ"}, {"ポ", "ﾎﾟ"},
};

// Length of the UTF-8 sequence starting with `lead`, or 0 for a byte that
// cannot start one (such bytes are copied through unchanged).
std::size_t sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead >> 5) == 0x6) return 2;
  if ((lead >> 4) == 0xE) return 3;
  if ((lead >> 3) == 0x1E) return 4;
  return 0;
}

// Whether every byte is a continuation byte (10xxxxxx). A lead byte followed
// by anything else is broken text: it passes alone, and the bytes after it
// are read on their own, so no ASCII byte disappears into a bogus character.
bool continues(std::string_view tail) {
  for (char c : tail)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) return false;
  return true;
}

const std::unordered_map<std::string_view, std::string_view>& tableByFullWidth() {
  static const std::unordered_map<std::string_view, std::string_view> table = [] {
    std::unordered_map<std::string_view, std::string_view> map;
    for (const HalfWidthRow& row : kHalfWidthTable) map.emplace(row.full, row.half);
    return map;
  }();
  return table;
}

}  // namespace

std::string toHalfWidth(std::string_view utf8) {
  const auto& table = tableByFullWidth();
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    std::size_t len = sequenceLength(static_cast<unsigned char>(utf8[i]));
    if (len == 0 || i + len > utf8.size() || !continues(utf8.substr(i + 1, len - 1))) {
      out += utf8[i++];
      continue;
    }
    std::string_view ch = utf8.substr(i, len);
    i += len;
    if (len == 3) {
      const auto b0 = static_cast<unsigned char>(ch[0]);
      const auto b1 = static_cast<unsigned char>(ch[1]);
      const auto b2 = static_cast<unsigned char>(ch[2]);
      std::uint32_t cp = ((b0 & 0x0Fu) << 12) | ((b1 & 0x3Fu) << 6) | (b2 & 0x3Fu);
      if (cp >= 0xFF01 && cp <= 0xFF5E) {  // full-width ASCII variants
        out += static_cast<char>(cp - 0xFF01 + 0x21);
        continue;
      }
      if (cp == 0x3000) {  // ideographic space
        out += ' ';
        continue;
      }
      if (auto it = table.find(ch); it != table.end()) {
        out += it->second;
        continue;
      }
    }
    out += ch;
  }
  return out;
}

}  // namespace sorvane::text
