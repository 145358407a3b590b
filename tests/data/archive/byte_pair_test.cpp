#include "data/archive/byte_pair.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace sorvane::qda {
namespace {

Bytes bytes(std::string_view s) { return Bytes(s.begin(), s.end()); }

void appendU32(Bytes& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// One block: the pair table bytes, the packed count, the packed bytes.
Bytes block(const Bytes& table, const Bytes& packed) {
  Bytes out = table;
  appendU32(out, static_cast<std::uint32_t>(packed.size()));
  out.insert(out.end(), packed.begin(), packed.end());
  return out;
}

// A table that lists all 256 codes explicitly (no literal runs), in two
// groups of 128: a pair is `left right`, a literal is its own code.
Bytes explicitTable(const std::vector<std::pair<int, int>>& codes) {
  Bytes out;
  for (int c = 0; c < 256; ++c) {
    if (c % 128 == 0) out.push_back(127);
    out.push_back(static_cast<std::uint8_t>(codes[c].first));
    if (codes[c].first != c) out.push_back(static_cast<std::uint8_t>(codes[c].second));
  }
  return out;
}

std::vector<std::pair<int, int>> allLiterals() {
  std::vector<std::pair<int, int>> codes;
  for (int c = 0; c < 256; ++c) codes.emplace_back(c, 0);
  return codes;
}

Bytes expand(const Bytes& packed, std::size_t expandedSize) {
  return ExpandBytePairs(packed.data(), packed.size(), expandedSize);
}

// 255: skip 128 literals; 128: code 128 read as itself; 254: skip 127 more.
const Bytes kAllLiteralTable = {255, 128, 254};
// Codes 0..127 literal, 128 = "ab", 129 = (128, 128), 130..255 literal.
const Bytes kTwoPairTable = {255, 'a', 'b', 0, 128, 128, 253};

TEST(BytePairExpand, LiteralTableCopiesPackedBytes) {
  const Bytes packed = {0x00, 0x80, 0xFF, 'Q', 0x81};
  EXPECT_EQ(expand(block(kAllLiteralTable, packed), packed.size()), packed);
}

TEST(BytePairExpand, PairsExpandLeftFirstAndNest) {
  EXPECT_EQ(expand(block(kTwoPairTable, {129, 'c', 128}), 7), bytes("ababcab"));
}

TEST(BytePairExpand, ExplicitTableWithoutLiteralRuns) {
  auto codes = allLiterals();
  codes[200] = {'x', 'y'};
  codes[201] = {200, 'z'};
  EXPECT_EQ(expand(block(explicitTable(codes), {201, 'w', 200}), 6), bytes("xyzwxy"));
}

TEST(BytePairExpand, EachBlockStartsWithAFreshTable) {
  Bytes packed = block(kTwoPairTable, {128});
  Bytes second = block(kAllLiteralTable, {128, 129});
  packed.insert(packed.end(), second.begin(), second.end());
  EXPECT_EQ(expand(packed, 4), (Bytes{'a', 'b', 128, 129}));
}

TEST(BytePairExpand, EmptyInputAndShortDataAreZeroFilled) {
  EXPECT_EQ(expand({}, 0), Bytes{});
  EXPECT_EQ(expand({}, 3), Bytes(3, 0));
  EXPECT_EQ(expand(block(kTwoPairTable, {128, 'c'}), 6), (Bytes{'a', 'b', 'c', 0, 0, 0}));
}

// Code k stands for (k - 1, 0) for every k >= 1: expanding 255 walks a chain
// that fills the 256-entry stack exactly.
TEST(BytePairExpand, ChainFillingTheWholeStackExpands) {
  auto codes = allLiterals();
  for (int c = 1; c < 256; ++c) codes[c] = {c - 1, 0};
  EXPECT_EQ(expand(block(explicitTable(codes), {255}), 256), Bytes(256, 0));
}

struct CorruptCase {
  const char* what;
  Bytes packed;
  std::size_t expandedSize;
};

std::vector<CorruptCase> corruptCases() {
  auto cycle = allLiterals();
  cycle[1] = {2, 0};  // 1 -> 2 0, 2 -> 1 0: the stack grows without end
  cycle[2] = {1, 0};
  auto selfRight = allLiterals();
  selfRight[1] = {'x', 1};  // "xxxx..." forever
  Bytes twoBlocks = block(kAllLiteralTable, {'a', 'b'});
  twoBlocks.push_back(255);  // a second block cut inside its table
  return {
      {"table cut short", {255}, 10},
      {"table cut inside a pair", {255, 'a'}, 10},
      {"count missing", {255, 128, 254, 1, 0}, 10},
      {"packed bytes missing", [] {
         Bytes b = block(kAllLiteralTable, {'a', 'b'});
         b.pop_back();
         return b;
       }(), 10},
      {"entries run past code 255", {255, 128, 127}, 10},
      {"skip runs past code 256", {255, 128, 255}, 10},
      {"expands past the size", block(kTwoPairTable, {129, 129}), 7},
      {"literals past the size", block(kAllLiteralTable, {'a', 'b', 'c'}), 2},
      {"nesting deeper than the stack", block(explicitTable(cycle), {1}), 100000},
      {"endless pair", block(explicitTable(selfRight), {1}), 1000},
      {"second block truncated", twoBlocks, 10},
  };
}

TEST(BytePairExpand, CorruptBlocksAreErrors) {
  for (const CorruptCase& c : corruptCases()) {
    EXPECT_THROW(expand(c.packed, c.expandedSize), EQDAError) << c.what;
  }
}

Bytes randomBytes(std::size_t n, std::uint32_t seed) {
  std::mt19937 rng(seed);
  Bytes out(n);
  for (auto& b : out) b = static_cast<std::uint8_t>(rng() & 0xFF);
  return out;
}

Bytes repeated(std::string_view pattern, std::size_t n) {
  Bytes out;
  while (out.size() < n) out.push_back(static_cast<std::uint8_t>(pattern[out.size() % pattern.size()]));
  return out;
}

Bytes everyByteValue(int times) {
  Bytes out;
  for (int t = 0; t < times; ++t)
    for (int b = 0; b < 256; ++b) out.push_back(static_cast<std::uint8_t>(b));
  return out;
}

struct RoundTripCase {
  const char* name;
  Bytes data;
  bool shrinks;  // a working compressor must make it smaller
};

std::vector<RoundTripCase> roundTripCases() {
  return {
      {"empty", {}, false},
      {"one byte", {0x42}, false},
      {"text", repeated("0123456789ABCDEFGH..++==\r\n", 20000), true},
      {"every byte value once", everyByteValue(1), false},
      {"every byte value 40 times", everyByteValue(40), false},
      {"long run of zeros", Bytes(100000, 0), true},
      {"long run of 0xFF", Bytes(70001, 0xFF), true},
      {"block size - 1", repeated("ab", 8191), true},
      {"block size", repeated("abc", 8192), true},
      {"block size + 1", repeated("abcd", 8193), true},
      {"random", randomBytes(50000, 12345), false},
      {"random small alphabet", [] {
         Bytes b = randomBytes(30000, 99);
         for (auto& x : b) x = static_cast<std::uint8_t>('a' + x % 4);
         return b;
       }(), true},
  };
}

TEST(BytePairCompress, RoundTripsAnyData) {
  for (const RoundTripCase& c : roundTripCases()) {
    const Bytes packed = CompressBytePairs(c.data);
    EXPECT_EQ(expand(packed, c.data.size()), c.data) << c.name;
    if (c.shrinks) {
      EXPECT_LT(packed.size(), c.data.size() / 2) << c.name;
    }
  }
}

TEST(BytePairCompress, AllLiteralBlockUsesTheShortTable) {
  // Too short for any pair to pay off: the table is the three-byte "all literals" form.
  EXPECT_EQ(CompressBytePairs(bytes("xy")), block(kAllLiteralTable, bytes("xy")));
}

}  // namespace
}  // namespace sorvane::qda
