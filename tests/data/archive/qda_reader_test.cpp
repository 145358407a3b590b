#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "data/archive/qda.h"
#include "text/cp932.h"

namespace sorvane::qda {
namespace {

constexpr std::size_t kHeaderSize = 256;
constexpr std::size_t kRecordSize = 268;

std::size_t recordAt(std::size_t i) { return kHeaderSize + i * kRecordSize; }

void poke(Bytes& archive, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) archive[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

Bytes bytes(std::string_view s) { return Bytes(s.begin(), s.end()); }

struct HandEntry {
  std::string cp932Name;
  Bytes stored;
  std::uint32_t expandedSize;
};

// Lays out an archive byte by byte, independent of the writer.
Bytes handArchive(std::uint32_t flag, const std::vector<HandEntry>& entries) {
  Bytes out(recordAt(entries.size()), 0);
  poke(out, 0, flag);
  std::memcpy(out.data() + 4, "QDA0", 4);
  poke(out, 8, static_cast<std::uint32_t>(entries.size()));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    poke(out, recordAt(i), static_cast<std::uint32_t>(out.size()));
    poke(out, recordAt(i) + 4, static_cast<std::uint32_t>(entries[i].stored.size()));
    poke(out, recordAt(i) + 8, entries[i].expandedSize);
    std::memcpy(out.data() + recordAt(i) + 12, entries[i].cp932Name.data(), entries[i].cp932Name.size());
    out.insert(out.end(), entries[i].stored.begin(), entries[i].stored.end());
  }
  return out;
}

HandEntry rawEntry(std::string cp932Name, std::string_view data) {
  return {std::move(cp932Name), bytes(data), static_cast<std::uint32_t>(data.size())};
}

// One byte-pair block: table, packed count, packed bytes.
Bytes block(const Bytes& table, const Bytes& packed) {
  Bytes out = table;
  out.resize(out.size() + 4);
  poke(out, table.size(), static_cast<std::uint32_t>(packed.size()));
  out.insert(out.end(), packed.begin(), packed.end());
  return out;
}

const Bytes kAllLiteralTable = {255, 128, 254};
// Codes 0..127 literal, 128 = "ab", 129 = (128, 128), 130..255 literal.
const Bytes kTwoPairTable = {255, 'a', 'b', 0, 128, 128, 253};

std::string notFound(std::string_view name) {
  return "アーカイブ内には指定されたID '" + std::string(name) + "' を持つデータが見つかりません";
}

std::string errorOf(const std::function<void()>& load) {
  try {
    load();
  } catch (const EQDAError& e) {
    return e.what();
  }
  return "(no error)";
}

std::string loadText(const Bytes& archive, std::string_view name) {
  Bytes b = LoadEntryFromMemory(archive, name);
  return std::string(b.begin(), b.end());
}

struct LookupCase {
  std::string storedCp932;
  std::string requested;  // UTF-8, as callers pass it
  bool found;
};

TEST(QdaReader, LooksUpNamesIgnoringAsciiCaseOnly) {
  // ヂ is 0x83 0x61: what ア (0x83 0x41) would become if its trail byte were lowered.
  const std::string di = text::fromCp932("\x83\x61");
  const LookupCase cases[] = {
      {"title.png", "TITLE.PNG", true},
      {"BFmk.bmp", "bfmk.BMP", true},
      {"map1.dat", "map1.da", false},
      {"map1.dat", "map1.dat ", false},
      {"\x83\x41.bmp", "ア.BMP", true},
      {"\x83\x41.bmp", di + ".bmp", false},   // matches only if a trail byte were lowered
      {"\x83\x61.bmp", "ア.bmp", false},       // the same, from the requested side
      {"\xB1" "A.bmp", "ｱa.bmp", true},         // half-width ｱ is one byte; the 'A' after it is a letter
      {"\x82\xCD\x82\xB6\x82\xDF" "1.bmp", "はじめ1.bmp", true},
      {"\x82\xCD\x82\xB6\x82\xDF" "1.bmp", "はじめ2.bmp", false},
      {"\x82\x60.png", "ａ.png", false},        // full-width Ａ is not lowered to ａ
  };
  for (const LookupCase& c : cases) {
    const Bytes archive = handArchive(0, {rawEntry("other", "no"), rawEntry(c.storedCp932, "yes")});
    if (c.found) {
      EXPECT_EQ(loadText(archive, c.requested), "yes") << c.requested;
    } else {
      EXPECT_EQ(errorOf([&] { LoadEntryFromMemory(archive, c.requested); }), notFound(c.requested));
    }
  }
}

TEST(QdaReader, FirstOfTwoNamesDifferingInCaseWins) {
  const Bytes upperFirst = handArchive(0, {rawEntry("Fa.png", "first"), rawEntry("fa.png", "second")});
  EXPECT_EQ(loadText(upperFirst, "fa.png"), "first");
  EXPECT_EQ(loadText(upperFirst, "FA.PNG"), "first");
  const Bytes lowerFirst = handArchive(0, {rawEntry("fa.png", "first"), rawEntry("Fa.png", "second")});
  EXPECT_EQ(loadText(lowerFirst, "Fa.png"), "first");
}

TEST(QdaReader, FirstMatchWithOffsetZeroIsAbsent) {
  Bytes archive = handArchive(0, {rawEntry("s1.png", "gone"), rawEntry("s1.png", "later")});
  poke(archive, recordAt(0), 0);
  EXPECT_EQ(errorOf([&] { LoadEntryFromMemory(archive, "s1.png"); }), notFound("s1.png"));
}

TEST(QdaReader, WrongSignatureMessage) {
  const Bytes good = handArchive(0, {rawEntry("a", "x")});
  std::vector<Bytes> bad = {Bytes{}, Bytes(good.begin(), good.begin() + 7), good, good, good};
  bad[2][7] = '1';
  bad[3][4] = 'q';
  bad[4][0] = 'Q';  // signature moved to offset 0
  std::memcpy(bad[4].data() + 4, "\0\0\0\0", 4);
  for (const Bytes& archive : bad) {
    EXPECT_EQ(errorOf([&] { LoadEntryFromMemory(archive, "a"); }),
              "Quadruple D Archiveの扱えるデータではありません");
  }
  EXPECT_STREQ(kBadSignatureMessage, "Quadruple D Archiveの扱えるデータではありません");
}

TEST(QdaReader, MissingEntryMessageKeepsTheRequestedName) {
  const Bytes archive = handArchive(0, {rawEntry("title.png", "x")});
  for (std::string name : {"Nothing.PNG", "うらめん1.bmp", "", "😀.png"}) {
    EXPECT_EQ(errorOf([&] { LoadEntryFromMemory(archive, name); }), notFound(name));
  }
  EXPECT_EQ(notFound("Nothing.PNG"), "アーカイブ内には指定されたID 'Nothing.PNG' を持つデータが見つかりません");
  EXPECT_EQ(errorOf([&] { LoadEntryFromMemory(handArchive(1, {}), "x"); }), notFound("x"));
}

TEST(QdaReader, OnlyFlagOneMeansBytePairs) {
  const Bytes packed = block(kAllLiteralTable, bytes("abc"));
  for (std::uint32_t flag : {0u, 2u, 0x100u, 0xFFFFFFFFu}) {
    const Bytes archive = handArchive(flag, {{"e", packed, static_cast<std::uint32_t>(packed.size())}});
    EXPECT_EQ(LoadEntryFromMemory(archive, "e"), packed) << flag;
  }
  EXPECT_EQ(loadText(handArchive(1, {{"e", packed, 3}}), "e"), "abc");
}

TEST(QdaReader, RawEntriesAreReadWithTheirExpandedSize) {
  Bytes archive = handArchive(0, {rawEntry("a", "12345")});
  poke(archive, recordAt(0) + 4, 2);  // the stored size plays no part
  EXPECT_EQ(loadText(archive, "a"), "12345");
}

TEST(QdaReader, ExpandsPairsAndZeroFillsShortData) {
  const Bytes archive = handArchive(1, {{"pairs", block(kTwoPairTable, {129, 'c', 128}), 7},
                                        {"short", block(kTwoPairTable, {128}), 5},
                                        {"empty", {}, 0}});
  EXPECT_EQ(loadText(archive, "pairs"), "ababcab");
  EXPECT_EQ(LoadEntryFromMemory(archive, "short"), (Bytes{'a', 'b', 0, 0, 0}));
  EXPECT_EQ(LoadEntryFromMemory(archive, "empty"), Bytes{});
}

TEST(QdaReader, NameFieldWithoutTerminatorIsBounded) {
  Bytes archive = handArchive(0, {rawEntry("x", "data")});
  std::memset(archive.data() + recordAt(0) + 12, 'n', 256);
  EXPECT_EQ(loadText(archive, std::string(256, 'N')), "data");
}

struct CorruptCase {
  const char* what;
  std::function<Bytes()> make;
};

Bytes twoRaw() { return handArchive(0, {rawEntry("a", "aaaa"), rawEntry("b", "bbbbbb")}); }
Bytes twoPacked() {
  return handArchive(1, {{"a", block(kAllLiteralTable, bytes("aaaa")), 4}, {"b", block(kTwoPairTable, {129}), 4}});
}
Bytes patched(Bytes archive, std::size_t at, std::uint32_t value) {
  poke(archive, at, value);
  return archive;
}
Bytes cut(Bytes archive, std::size_t size) {
  archive.resize(size);
  return archive;
}

TEST(QdaReader, DamagedArchivesAreErrors) {
  const std::size_t rawSize = twoRaw().size();
  const std::size_t packedSize = twoPacked().size();
  Bytes cycle = {127};  // codes 0..127 explicit: 1 -> (2, 0), 2 -> (1, 0), the rest literal
  for (int c = 0; c < 128; ++c) {
    if (c == 1 || c == 2) {
      cycle.insert(cycle.end(), {static_cast<std::uint8_t>(3 - c), 0});
    } else {
      cycle.push_back(static_cast<std::uint8_t>(c));
    }
  }
  cycle.push_back(255);  // skip 128: codes 128..255 literal
  const CorruptCase cases[] = {
      {"header cut", [] { return cut(twoRaw(), 100); }},
      {"index cut", [] { return cut(twoRaw(), recordAt(1) + 20); }},
      {"count past the end", [] { return patched(twoRaw(), 8, 3); }},
      {"count huge", [] { return patched(twoRaw(), 8, 0xFFFFFFFF); }},
      {"data cut", [&] { return cut(twoRaw(), rawSize - 1); }},
      {"offset past the end", [&] { return patched(twoRaw(), recordAt(1), static_cast<std::uint32_t>(rawSize + 1)); }},
      {"offset huge", [] { return patched(twoRaw(), recordAt(1), 0xFFFFFFFF); }},
      {"raw size past the end", [] { return patched(twoRaw(), recordAt(1) + 8, 7); }},
      {"raw size huge", [] { return patched(twoRaw(), recordAt(1) + 8, 0xFFFFFFFF); }},
      {"packed data cut", [&] { return cut(twoPacked(), packedSize - 1); }},
      {"stored size past the end", [] { return patched(twoPacked(), recordAt(1) + 4, 100); }},
      {"stored size huge", [] { return patched(twoPacked(), recordAt(1) + 4, 0xFFFFFFFF); }},
      {"expanded size huge", [] { return patched(twoPacked(), recordAt(1) + 8, 0xFFFFFFFF); }},
      {"expands past its size", [] { return patched(twoPacked(), recordAt(1) + 8, 3); }},
      {"nesting deeper than the stack", [&] { return handArchive(1, {{"b", block(cycle, {1}), 1000}}); }},
  };
  for (const CorruptCase& c : cases) {
    const Bytes archive = c.make();
    const std::string message = errorOf([&] { LoadEntryFromMemory(archive, "b"); });
    EXPECT_NE(message, "(no error)") << c.what;
    EXPECT_NE(message, kBadSignatureMessage) << c.what;
    EXPECT_NE(message, notFound("b")) << c.what;
  }
}

class QdaFile : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::path(testing::TempDir()) /
           ("qda_reader_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
};

TEST_F(QdaFile, LoadEntryReadsTheFile) {
  const Bytes archive = handArchive(1, {{"map1.dat", block(kTwoPairTable, {129}), 4}});
  const std::string path = (dir_ / "dat.qda").string();
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(archive.data()),
                                              static_cast<std::streamsize>(archive.size()));
  EXPECT_EQ(LoadEntry(path, "MAP1.DAT"), bytes("abab"));
  EXPECT_THROW(LoadEntry(path, "map2.dat"), EQDAError);
}

TEST_F(QdaFile, MissingFileIsAnOpenErrorNamingThePath) {
  for (const std::string& path : {(dir_ / "png.qda").string(), dir_.string()}) {
    try {
      LoadEntry(path, "title.png");
      ADD_FAILURE() << path;
    } catch (const EFOpenError& e) {
      EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace sorvane::qda

namespace sorvane::qda {
namespace {

TEST(QdaReaderFile, ADirectoryIsNotAnArchive) {
  EXPECT_THROW(LoadEntry(std::filesystem::temp_directory_path().string(), "map1.dat"), EFOpenError);
}

}  // namespace
}  // namespace sorvane::qda
