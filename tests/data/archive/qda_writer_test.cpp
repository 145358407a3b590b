#include "data/archive/qda_writer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>

#include "data/archive/qda.h"

namespace sorvane::qda {
namespace {

Bytes bytes(std::string_view s) { return Bytes(s.begin(), s.end()); }

std::uint32_t u32At(const Bytes& b, std::size_t at) {
  return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8 | std::uint32_t{b[at + 2]} << 16 |
         std::uint32_t{b[at + 3]} << 24;
}

Bytes randomBytes(std::size_t n, std::uint32_t seed) {
  std::mt19937 rng(seed);
  Bytes out(n);
  for (auto& b : out) b = static_cast<std::uint8_t>(rng() & 0xFF);
  return out;
}

Bytes everyByteValue() {
  Bytes out;
  for (int t = 0; t < 3; ++t)
    for (int b = 255; b >= 0; --b) out.push_back(static_cast<std::uint8_t>(b));
  return out;
}

Bytes mapText() {
  std::string text;
  for (int m = 0; m < 40; ++m) {
    text += "18,14,";
    for (int cell = 0; cell < 18 * 14; ++cell) text += std::to_string((cell * 7 + m) % 14) + ",";
    text += "\r\n";
  }
  return bytes(text);
}

// Entries of every kind the archives hold, in one archive.
std::vector<ArchiveEntry> sampleEntries() {
  return {
      {"empty.dat", {}},
      {"map1.dat", mapText()},
      {"bytes.bin", everyByteValue()},
      {"zeros.bmp", Bytes(200000, 0)},
      {"run.bmp", Bytes(9000, 0xAB)},
      {"random.png", randomBytes(40000, 2024)},
      {"はじめ1.bmp", bytes("\x42\x4D japanese name")},
      {"one.txt", {0x0A}},
  };
}

class QdaRoundTrip : public testing::TestWithParam<bool> {};

TEST_P(QdaRoundTrip, EveryEntryReadsBack) {
  const bool compressed = GetParam();
  const std::vector<ArchiveEntry> entries = sampleEntries();
  const Bytes archive = WriteArchive(entries, compressed);
  EXPECT_EQ(u32At(archive, 0), compressed ? 1u : 0u);
  EXPECT_EQ(u32At(archive, 8), entries.size());
  for (const ArchiveEntry& entry : entries) {
    EXPECT_EQ(LoadEntryFromMemory(archive, entry.name), entry.data) << entry.name;
  }
}

TEST_P(QdaRoundTrip, EmptyArchiveHasNoEntries) {
  const Bytes archive = WriteArchive({}, GetParam());
  EXPECT_EQ(archive.size(), 256u);
  EXPECT_THROW(LoadEntryFromMemory(archive, "a"), EQDAError);
}

INSTANTIATE_TEST_SUITE_P(RawAndBytePairs, QdaRoundTrip, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "Compressed" : "Raw"; });

TEST(QdaWriter, RawLayoutMatchesTheIndex) {
  const Bytes archive = WriteArchive({{"a.txt", bytes("hello")}, {"B.txt", {}}}, false);
  EXPECT_EQ(std::memcmp(archive.data() + 4, "QDA0", 4), 0);
  const std::size_t first = 256;
  const std::size_t second = 256 + 268;
  EXPECT_EQ(u32At(archive, first), 256u + 2 * 268);  // data right after the index
  EXPECT_EQ(u32At(archive, first + 4), 5u);
  EXPECT_EQ(u32At(archive, first + 8), 5u);
  EXPECT_STREQ(reinterpret_cast<const char*>(archive.data() + first + 12), "a.txt");
  EXPECT_EQ(u32At(archive, second), archive.size());  // empty data still has a real offset
  EXPECT_EQ(u32At(archive, second + 4), 0u);
  EXPECT_STREQ(reinterpret_cast<const char*>(archive.data() + second + 12), "B.txt");
}

TEST(QdaWriter, CompressionShrinksRepetitiveEntries) {
  const std::vector<ArchiveEntry> entries = {{"map1.dat", mapText()}, {"zeros.bmp", Bytes(200000, 0)}};
  EXPECT_LT(WriteArchive(entries, true).size() * 4, WriteArchive(entries, false).size());
}

TEST(QdaWriter, NamesAreLimitedTo255Cp932Bytes) {
  std::string longest;
  for (int i = 0; i < 127; ++i) longest += "あ";
  longest += "a";  // 255 bytes
  const Bytes archive = WriteArchive({{longest, bytes("ok")}}, false);
  EXPECT_EQ(LoadEntryFromMemory(archive, longest), bytes("ok"));
  EXPECT_THROW(WriteArchive({{longest + "b", {}}}, false), std::invalid_argument);
  EXPECT_THROW(WriteArchive({{std::string(256, 'x'), {}}}, true), std::invalid_argument);
  EXPECT_THROW(WriteArchive({{std::string("a\0b", 3), {}}}, false), std::invalid_argument);
}

class QdaArchiveFile : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::path(testing::TempDir()) /
           ("qda_writer_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
};

TEST_F(QdaArchiveFile, ReplacesTheFileAndLeavesNoTemporary) {
  const std::string path = (dir_ / "dat.qda").string();
  WriteArchiveFile(path, {{"map1.dat", bytes("old")}}, true);
  WriteArchiveFile(path, {{"map1.dat", bytes("new")}}, true);
  EXPECT_EQ(LoadEntry(path, "map1.dat"), bytes("new"));
  int files = 0;
  for ([[maybe_unused]] const auto& f : std::filesystem::directory_iterator(dir_)) ++files;
  EXPECT_EQ(files, 1);
}

TEST_F(QdaArchiveFile, MissingDirectoryIsAnError) {
  const std::string path = (dir_ / "no" / "dat.qda").string();
  EXPECT_THROW(WriteArchiveFile(path, {{"a", {}}}, false), EFOpenError);
}

TEST_F(QdaArchiveFile, BadNameLeavesTheOldFile) {
  const std::string path = (dir_ / "dat.qda").string();
  WriteArchiveFile(path, {{"a", bytes("kept")}}, false);
  EXPECT_THROW(WriteArchiveFile(path, {{std::string(300, 'x'), {}}}, false), std::invalid_argument);
  EXPECT_EQ(LoadEntry(path, "a"), bytes("kept"));
}

}  // namespace
}  // namespace sorvane::qda
