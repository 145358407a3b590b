// The music decoder on small streams encoded here: 22,050 Hz and mono sources
// come out as 44,100 Hz stereo, other rates and broken streams are refused,
// and seeking lands on the frame asked for.
#include "sound/ogg_data.h"

#include <gtest/gtest.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "sound/wav_file.h"

namespace sorvane::sound {
namespace {

// `frames` frames of a slow ramp, as an Ogg Vorbis stream.
std::vector<uint8_t> encode(int channels, int rate, int frames) {
  vorbis_info vi;
  vorbis_info_init(&vi);
  EXPECT_EQ(vorbis_encode_init_vbr(&vi, channels, rate, 0.5f), 0);
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_dsp_state vd;
  vorbis_block vb;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, 1);
  ogg_packet h[3];
  vorbis_analysis_headerout(&vd, &vc, &h[0], &h[1], &h[2]);
  for (ogg_packet& p : h) ogg_stream_packetin(&os, &p);
  std::vector<uint8_t> out;
  ogg_page og;
  auto put = [&] {
    out.insert(out.end(), og.header, og.header + og.header_len);
    out.insert(out.end(), og.body, og.body + og.body_len);
  };
  while (ogg_stream_flush(&os, &og)) put();
  float** buf = vorbis_analysis_buffer(&vd, frames);
  for (int i = 0; i < frames; ++i)
    for (int c = 0; c < channels; ++c) buf[c][i] = static_cast<float>(0.5 * std::sin(i * 0.01));
  vorbis_analysis_wrote(&vd, frames);
  vorbis_analysis_wrote(&vd, 0);
  bool eos = false;
  while (!eos && vorbis_analysis_blockout(&vd, &vb) == 1) {
    vorbis_analysis(&vb, nullptr);
    vorbis_bitrate_addblock(&vb);
    ogg_packet op;
    while (vorbis_bitrate_flushpacket(&vd, &op)) {
      ogg_stream_packetin(&os, &op);
      while (ogg_stream_pageout(&os, &og)) {
        put();
        eos = eos || ogg_page_eos(&og);
      }
    }
  }
  while (ogg_stream_flush(&os, &og)) put();
  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  return out;
}

std::vector<int16_t> readAll(OggData& ogg) {
  std::vector<int16_t> pcm(static_cast<size_t>(ogg.length()) * 2 + 64);
  int64_t got = 0;
  for (int n = 1; n > 0; got += n)
    n = ogg.read(pcm.data() + 2 * got, static_cast<int>(std::min<int64_t>(333, ogg.length() + 32 - got)));
  pcm.resize(static_cast<size_t>(got) * 2);
  return pcm;
}

TEST(OggData, HalfRateMonoComesOutAsFullRateStereo) {
  OggData ogg;
  ogg.loadBytes(encode(1, 22050, 5000));
  EXPECT_EQ(ogg.length(), 10000);
  auto pcm = readAll(ogg);
  ASSERT_EQ(pcm.size(), 20000u);
  for (size_t f = 0; f + 1 < pcm.size() / 2; f += 2) {
    ASSERT_EQ(pcm[2 * f], pcm[2 * f + 1]) << "mono is copied to both sides, frame " << f;
    ASSERT_EQ(pcm[2 * f], pcm[2 * f + 2]) << "each frame is doubled, frame " << f;
  }
  EXPECT_GT(*std::max_element(pcm.begin(), pcm.end()), 10000);
}

TEST(OggData, SeekingLandsOnTheFrameAskedFor) {
  OggData ogg;
  ogg.loadBytes(encode(2, 44100, 20000));
  auto all = readAll(ogg);
  for (int64_t at : {0, 1, 4097, 15000}) {
    ogg.seek(at);
    EXPECT_EQ(ogg.tell(), at);
    std::vector<int16_t> piece(2 * 8);
    int got = 0;
    for (int n = 1; got < 8 && n > 0; got += n) n = ogg.read(piece.data() + 2 * got, 8 - got);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(piece[i], all[static_cast<size_t>(at) * 2 + i]) << at;
  }
}

TEST(OggData, OtherRatesAndBrokenStreamsAreRefused) {
  OggData ogg;
  EXPECT_THROW(ogg.loadBytes(encode(2, 32000, 1000)), SoundFileError);
  EXPECT_FALSE(ogg.loaded());
  auto bytes = encode(2, 44100, 1000);
  bytes.resize(200);  // cut inside the headers
  try {
    ogg.loadBytes(bytes);
    FAIL();
  } catch (const SoundFileError& e) {
    EXPECT_STREQ(e.what(), "ファイルの読み込みに失敗");
  }
  EXPECT_FALSE(ogg.load("/nonexistent/ogg/title.ogg"));  // a missing file: false, nothing thrown
}

}  // namespace
}  // namespace sorvane::sound
