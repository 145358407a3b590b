// The effect loader's checks: each kind of damage gives its own message,
// naming the file; good files give their samples.
#include "sound/wav_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace sorvane::sound {
namespace {

using Bytes = std::vector<uint8_t>;

void put32(Bytes& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void putId(Bytes& b, const char* id) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(id[i]));
}
void chunk(Bytes& b, const char* id, const Bytes& body, uint32_t size) {
  putId(b, id);
  put32(b, size);
  b.insert(b.end(), body.begin(), body.end());
  if (body.size() % 2) b.push_back(0);
}
Bytes fmtBody(uint16_t format, uint16_t channels, uint32_t rate, uint16_t bits) {
  Bytes b;
  auto put16 = [&](uint16_t v) { b.push_back(static_cast<uint8_t>(v)), b.push_back(static_cast<uint8_t>(v >> 8)); };
  put16(format);
  put16(channels);
  put32(b, rate);
  put32(b, rate * channels * bits / 8);
  put16(static_cast<uint16_t>(channels * bits / 8));
  put16(bits);
  return b;
}
Bytes riff(const Bytes& chunks) {
  Bytes b;
  putId(b, "RIFF");
  put32(b, static_cast<uint32_t>(chunks.size() + 4));
  putId(b, "WAVE");
  b.insert(b.end(), chunks.begin(), chunks.end());
  return b;
}
const Bytes kSamples = {1, 0, 2, 0, 3, 0, 4, 0};  // four 16-bit mono frames

std::string errorOf(const Bytes& file) {
  try {
    parseWav("08cancel.wav", file);
  } catch (const SoundFileError& e) {
    return e.what();
  }
  return "";
}

TEST(WavFile, EachDamagedHeaderGivesItsMessage) {
  Bytes fmt16 = fmtBody(1, 1, 44100, 16);
  struct Case {
    const char* what;
    Bytes file;
    const char* message;
  };
  Bytes goodFmt, noFmt, shortFmt, pastEnd, floatFmt, noData, dataFirst, threeChannels, badAlign;
  chunk(goodFmt, "fmt ", fmt16, 16);
  chunk(noFmt, "LIST", {1, 2, 3}, 3);
  chunk(noFmt, "data", kSamples, 8);
  chunk(shortFmt, "fmt ", Bytes(fmt16.begin(), fmt16.begin() + 14), 14);
  chunk(shortFmt, "data", kSamples, 8);
  chunk(pastEnd, "fmt ", fmt16, 40);  // claims more than the file holds
  chunk(floatFmt, "fmt ", fmtBody(3, 1, 44100, 16), 16);
  chunk(floatFmt, "data", kSamples, 8);
  chunk(threeChannels, "fmt ", fmtBody(1, 3, 44100, 16), 16);
  chunk(threeChannels, "data", kSamples, 8);
  Bytes align = fmt16;
  align[12] = 7;
  chunk(badAlign, "fmt ", align, 16);
  chunk(badAlign, "data", kSamples, 8);
  noData = goodFmt;
  chunk(noData, "LIST", {1, 2, 3}, 3);
  chunk(dataFirst, "data", kSamples, 8);
  chunk(dataFirst, "fmt ", fmt16, 16);
  Bytes notWave = riff(goodFmt);
  std::memcpy(&notWave[8], "AVI ", 4);
  // clang-format off
  const Case cases[] = {
    {"empty file",          {},                   "08cancel.wavは、WAVEファイルではありません"},
    {"not RIFF",            Bytes(40, 'x'),       "08cancel.wavは、WAVEファイルではありません"},
    {"RIFF but not WAVE",   notWave,              "08cancel.wavは、WAVEファイルではありません"},
    {"no fmt chunk",        riff(noFmt),          "08cancel.wavには、fmtチャンクが有りません"},
    {"fmt chunk too short", riff(shortFmt),       "08cancel.wavのfmtチャンクが不正です"},
    {"fmt past the end",    riff(pastEnd),        "08cancel.wavのfmtチャンクが不正です"},
    {"not PCM",             riff(floatFmt),       "08cancel.wavのfmtチャンクが不正です"},
    {"three channels",      riff(threeChannels),  "08cancel.wavのfmtチャンクが不正です"},
    {"block size wrong",    riff(badAlign),       "08cancel.wavのfmtチャンクが不正です"},
    {"no data chunk",       riff(noData),         "08cancel.wavには、dataチャンクが有りません"},
    {"data before fmt",     riff(dataFirst),      "08cancel.wavには、dataチャンクが有りません"},
  };
  // clang-format on
  for (const Case& c : cases) EXPECT_EQ(errorOf(c.file), c.message) << c.what;
}

TEST(WavFile, AMissingFileIsNotFound) {
  try {
    readSoundFile("/nonexistent/wav/07confirm.wav");
    FAIL();
  } catch (const SoundFileError& e) {
    EXPECT_STREQ(e.what(), "07confirm.wavが、見つかりません");
  }
}

TEST(WavFile, AGoodFileGivesItsFormatAndSamplesPastOtherChunks) {
  Bytes chunks;
  chunk(chunks, "fmt ", fmtBody(1, 1, 22050, 16), 16);
  chunk(chunks, "LIST", {9, 9, 9}, 3);  // odd size: a pad byte follows
  chunk(chunks, "data", kSamples, 8);
  Bytes file = riff(chunks);
  WavSound wav = parseWav("x.wav", file);
  EXPECT_EQ(wav.channels, 1);
  EXPECT_EQ(wav.bitsPerSample, 16);
  EXPECT_EQ(wav.rate, 22050);
  ASSERT_EQ(wav.samples.size(), 8u);
  EXPECT_EQ(wav.samples[0], 1);
  EXPECT_EQ(wav.samples[6], 4);
}

TEST(WavFile, DataRunningPastTheEndKeepsTheWholeFramesThatAreThere) {
  Bytes chunks;
  chunk(chunks, "fmt ", fmtBody(1, 2, 44100, 16), 16);
  putId(chunks, "data");
  put32(chunks, 1000);
  chunks.insert(chunks.end(), {1, 0, 2, 0, 3, 0, 4, 0, 5, 0});  // two and a half stereo frames
  Bytes file = riff(chunks);
  WavSound wav = parseWav("x.wav", file);
  EXPECT_EQ(wav.samples.size(), 8u);
}

}  // namespace
}  // namespace sorvane::sound
