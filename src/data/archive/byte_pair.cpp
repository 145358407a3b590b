// Byte-pair encoding, block by block. A block is a pair table in run form, a
// 4-byte little-endian count m and m packed bytes. In the table a code either
// stands for itself (a literal) or for a pair of codes, which may be pairs too.
#include "data/archive/byte_pair.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <string>

namespace sorvane::qda {
namespace {

// Pending codes while one packed byte is expanded. Deep enough for every
// table our compressor writes; a table that nests deeper is corrupt.
constexpr std::size_t kStackSize = 256;

// `what` continues "圧縮データ…", so the reader can put the entry in front.
[[noreturn]] void corrupt(const std::string& what) { throw EQDAError("圧縮データ" + what); }

// Reads the packed input front to back; running out of bytes is corruption.
class BlockReader {
 public:
  BlockReader(const std::uint8_t* data, std::size_t size) : data_(data), left_(size) {}

  bool atEnd() const { return left_ == 0; }
  std::size_t remaining() const { return left_; }

  std::uint8_t byte(const char* what) {
    if (left_ == 0) corrupt(std::string(what) + "が途中で切れています");
    --left_;
    return *data_++;
  }

  std::uint32_t u32(const char* what) {
    if (left_ < 4) corrupt(std::string(what) + "が途中で切れています");
    std::uint32_t v = std::uint32_t{data_[0]} | std::uint32_t{data_[1]} << 8 | std::uint32_t{data_[2]} << 16 |
                      std::uint32_t{data_[3]} << 24;
    data_ += 4;
    left_ -= 4;
    return v;
  }

 private:
  const std::uint8_t* data_;
  std::size_t left_;
};

struct PairTable {
  std::array<std::uint8_t, 256> left{};
  std::array<std::uint8_t, 256> right{};
  PairTable() { std::iota(left.begin(), left.end(), 0); }
  bool isLiteral(unsigned code) const { return left[code] == code; }
};

// Run form: a count byte b > 127 skips b - 127 literal codes and is followed
// by one explicit entry; b <= 127 is followed by b + 1 explicit entries. An
// explicit entry is `left`, plus `right` when `left` differs from the code.
PairTable readPairTable(BlockReader& in) {
  PairTable table;
  unsigned code = 0;
  unsigned count = in.byte("のペア表");
  for (;;) {
    if (count > 127) {
      code += count - 127;
      count = 0;
    }
    if (code == 256) break;
    if (code > 256 || code + count > 255) corrupt("のペア表がコード 255 を越えています");
    for (unsigned i = 0; i <= count; ++i, ++code) {
      table.left[code] = in.byte("のペア表");
      if (!table.isLiteral(code)) table.right[code] = in.byte("のペア表");
    }
    if (code == 256) break;
    count = in.byte("のペア表");
  }
  return table;
}

void expandBlock(BlockReader& in, Bytes& out, std::size_t expandedSize) {
  const PairTable table = readPairTable(in);
  std::uint32_t packed = in.u32("の長さ");
  if (packed > in.remaining()) corrupt("が途中で切れています");

  std::array<std::uint8_t, kStackSize> stack;
  std::size_t depth = 0;
  for (;;) {
    unsigned code;
    if (depth > 0) {
      code = stack[--depth];
    } else if (packed == 0) {
      break;
    } else {
      code = in.byte("");
      --packed;
    }
    if (table.isLiteral(code)) {
      if (out.size() == expandedSize) {
        corrupt("を展開すると指定のサイズ " + std::to_string(expandedSize) + " バイトを越えます");
      }
      out.push_back(static_cast<std::uint8_t>(code));
    } else {
      if (depth + 2 > kStackSize) corrupt("のペアの入れ子がスタックの深さ 256 を越えます");
      stack[depth++] = table.right[code];
      stack[depth++] = table.left[code];  // popped first: `left` comes out first
    }
  }
}

// ---- compression -----------------------------------------------------------

constexpr std::size_t kBlockSize = 8192;
// A block stops growing when it holds this many distinct byte values, so at
// least 56 codes stay free to stand for pairs.
constexpr int kMaxDistinct = 200;
// A pair must occur this often to pay for its 2 or 3 table bytes.
constexpr int kMinPairCount = 3;

void writeU32(Bytes& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void writeEntry(Bytes& out, const PairTable& table, unsigned code) {
  out.push_back(table.left[code]);
  if (!table.isLiteral(code)) out.push_back(table.right[code]);
}

void writePairTable(Bytes& out, const PairTable& table) {
  unsigned code = 0;
  while (code < 256) {
    unsigned literals = 0;
    while (code + literals < 256 && literals < 128 && table.isLiteral(code + literals)) ++literals;
    if (literals > 0) {
      out.push_back(static_cast<std::uint8_t>(127 + literals));
      code += literals;
      if (code == 256) break;
      writeEntry(out, table, code++);  // a skip is always followed by one entry
      continue;
    }
    unsigned pairs = 0;
    while (code + pairs < 256 && pairs < 128 && !table.isLiteral(code + pairs)) ++pairs;
    out.push_back(static_cast<std::uint8_t>(pairs - 1));
    for (unsigned i = 0; i < pairs; ++i) writeEntry(out, table, code++);
  }
}

// Occurrences of each pair in a block; a block is short enough for 16 bits.
using PairCounts = std::array<std::uint16_t, 65536>;
static_assert(kBlockSize < 65536);

// Replaces the most frequent pair with a free code until no pair repeats
// often enough or no code is free, then writes the block. `pairCount` is all
// zeros on entry and is left that way.
void compressBlock(const std::uint8_t* data, std::size_t size, PairCounts& pairCount, Bytes& out) {
  std::vector<std::uint8_t> buf(data, data + size);
  PairTable table;
  std::array<bool, 256> taken{};  // occurs in the data, or already stands for a pair
  for (std::uint8_t b : buf) taken[b] = true;
  std::array<std::size_t, 256> stackNeed{};  // deepest stack while expanding the code

  for (;;) {
    int freeCode = 255;
    while (freeCode >= 0 && taken[freeCode]) --freeCode;
    if (freeCode < 0) break;

    // Count non-overlapping pairs: a run "aaaa" holds two "aa", not three.
    int best = -1;
    int bestCount = kMinPairCount - 1;
    bool previousCounted = false;
    for (std::size_t i = 0; i + 1 < buf.size(); ++i) {
      int pair = buf[i] << 8 | buf[i + 1];
      if (previousCounted && i > 0 && pair == (buf[i - 1] << 8 | buf[i])) {
        previousCounted = false;
        continue;
      }
      previousCounted = true;
      if (++pairCount[pair] > bestCount) {
        bestCount = pairCount[pair];
        best = pair;
      }
    }
    for (std::size_t i = 0; i + 1 < buf.size(); ++i) pairCount[buf[i] << 8 | buf[i + 1]] = 0;
    if (best < 0) break;

    auto a = static_cast<std::uint8_t>(best >> 8);
    auto b = static_cast<std::uint8_t>(best & 0xFF);
    std::size_t need = std::max({std::size_t{2}, 1 + stackNeed[a], stackNeed[b]});
    if (need > kStackSize) break;

    std::size_t kept = 0;
    for (std::size_t i = 0; i < buf.size();) {
      if (i + 1 < buf.size() && buf[i] == a && buf[i + 1] == b) {
        buf[kept++] = static_cast<std::uint8_t>(freeCode);
        i += 2;
      } else {
        buf[kept++] = buf[i++];
      }
    }
    buf.resize(kept);
    table.left[freeCode] = a;
    table.right[freeCode] = b;
    taken[freeCode] = true;
    stackNeed[freeCode] = need;
  }

  writePairTable(out, table);
  writeU32(out, static_cast<std::uint32_t>(buf.size()));
  out.insert(out.end(), buf.begin(), buf.end());
}

}  // namespace

Bytes ExpandBytePairs(const std::uint8_t* data, std::size_t size, std::size_t expandedSize) {
  Bytes out;
  // Reserve what the data can plausibly fill; a damaged size must not cost
  // a huge allocation before the blocks are even read.
  out.reserve(std::min(expandedSize, size * 64 + 4096));
  BlockReader in(data, size);
  while (!in.atEnd()) expandBlock(in, out, expandedSize);
  out.resize(expandedSize);  // data that ends early leaves zeros behind it
  return out;
}

Bytes CompressBytePairs(const Bytes& data) {
  Bytes out;
  thread_local PairCounts pairCount{};  // reused: clearing 128 KiB costs more than packing a small entry
  std::size_t pos = 0;
  while (pos < data.size()) {
    std::array<bool, 256> seen{};
    int distinct = 0;
    std::size_t end = pos;
    while (end < data.size() && end - pos < kBlockSize && distinct < kMaxDistinct) {
      if (!seen[data[end]]) {
        seen[data[end]] = true;
        ++distinct;
      }
      ++end;
    }
    compressBlock(data.data() + pos, end - pos, pairCount, out);
    pos = end;
  }
  return out;
}

}  // namespace sorvane::qda
