// The music mixer run headless into memory: the game's own music files through
// the real decoder, loop points and level ramps; the tracks' bookkeeping with
// a counting source; and the streaming buffer between the mixer and a device.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <thread>
#include <vector>

#include "counting_source.h"
#include "rules/presentation.h"
#include "sound/music_mixer.h"
#include "sound/music_stream.h"
#include "sound/ogg_data.h"
#include "sound/sound_files.h"
#include "sound/wav_file.h"

namespace sorvane::sound {
namespace {

const std::filesystem::path kGame = SORVANE_GAME_DIR;

struct Stats {
  double rms = 0;
  int peak = 0;
  int maxStep = 0;  // the largest jump between neighbouring samples of one side
};

Stats measure(const std::vector<int16_t>& pcm, size_t from, size_t to) {
  Stats s;
  double sum = 0;
  for (size_t i = from; i < to; ++i) {
    sum += static_cast<double>(pcm[i]) * pcm[i];
    s.peak = std::max(s.peak, std::abs(int{pcm[i]}));
    if (i >= from + 2) s.maxStep = std::max(s.maxStep, std::abs(pcm[i] - pcm[i - 2]));
  }
  s.rms = std::sqrt(sum / static_cast<double>(to - from));
  return s;
}

std::vector<int16_t> mixFrames(MusicMixer& mixer, int frames) {
  std::vector<int16_t> pcm(static_cast<size_t>(frames) * 2);
  mixer.mix(pcm.data(), frames);
  return pcm;
}

std::vector<std::string> allMusicFiles() {
  std::vector<std::string> files;
  for (int track = 1; track < 80; ++track)
    if (std::string file = musicFile(track);
        !file.empty() && std::find(files.begin(), files.end(), file) == files.end())
      files.push_back(file);
  return files;
}

void load(OggData& ogg, const std::string& file) {
  std::lock_guard guard(ogg.lock);
  ASSERT_TRUE(ogg.load(kGame / "ogg" / file)) << file;
}

TEST(GameMusic, EveryTrackLoadsWithALoopPointBackIntoItself) {
  for (int track = 1; track < 80; ++track) {
    std::string file = musicFile(track);
    if (file.empty()) continue;
    OggData ogg;
    load(ogg, file);
    const LoopPoint& loop = ogg.loops.points[0];
    EXPECT_EQ(loop.count, -1) << file;
    EXPECT_GT(loop.jump, 3.0f) << file;
    EXPECT_GT(loop.trigger - loop.jump, 20.0f) << file << ": a loop this short would tire quickly";
    EXPECT_LE(frameAt(loop.trigger), ogg.length()) << file;
  }
  EXPECT_EQ(allMusicFiles().size(), 10u);
  EXPECT_EQ(musicFile(4), "");
  EXPECT_EQ(musicFile(24), musicFile(69));
}

TEST(GameMusic, EveryBattleTheGameCanChooseHasMusic) {
  for (int stage = 0; stage < 15; ++stage) EXPECT_NE(musicFile(Music::storyBattle(stage).track), "") << stage;
  for (int stage = 50; stage < 70; ++stage) EXPECT_NE(musicFile(Music::storyBattle(stage).track), "") << stage;
  for (int draw = 0; draw < 5; ++draw) EXPECT_NE(musicFile(Music::extraFreeBattle(draw).track), "") << draw;
  for (int track : {5, 6, 7}) EXPECT_NE(musicFile(track), "") << "free battle " << track;
  EXPECT_EQ(musicFile(Music::storyBattle(14).track), "final_battle.ogg");
  EXPECT_EQ(musicFile(Music::storyBattle(69).track), "extra_final.ogg");
  EXPECT_EQ(musicFile(Music::title().track), "title.ogg");
}

TEST(GameMusic, AFewSecondsThroughTheMixerAreNeitherSilentNorClipped) {
  for (const std::string& file : allMusicFiles()) {
    OggData ogg;
    load(ogg, file);
    MusicMixer mixer;
    mixer.assign(0, &ogg);
    mixer.play(0, true);
    auto pcm = mixFrames(mixer, 3 * 44100);
    Stats s = measure(pcm, 44100, pcm.size());  // past any fade-in of the first notes
    EXPECT_GT(s.rms, 1000) << file;
    EXPECT_LT(s.peak, 32767) << file;
  }
}

TEST(GameMusic, TheLoopSeamIsContinuous) {
  for (const std::string& file : allMusicFiles()) {
    OggData ogg;
    load(ogg, file);
    const int64_t trigger = frameAt(ogg.loops.points[0].trigger);
    const int64_t target = frameAt(ogg.loops.points[0].jump);
    ogg.seek(trigger - 44100);
    MusicMixer mixer;
    mixer.assign(0, &ogg);
    mixer.play(0, true);
    auto pcm = mixFrames(mixer, 2 * 44100);  // one second either side of the jump
    const size_t seam = 2 * 44100;
    Stats before = measure(pcm, 0, seam), after = measure(pcm, seam, pcm.size());
    EXPECT_GT(after.rms, 500) << file;
    // Across the seam the wave moves no more than it does anywhere near it.
    for (int side = 0; side < 2; ++side) {
      int step = std::abs(pcm[seam + side] - pcm[seam - 2 + side]);
      EXPECT_LE(step, std::max(before.maxStep, after.maxStep)) << file;
    }
    // And what follows the seam is the music at the jump target.
    OggData plain;
    load(plain, file);
    plain.seek(target);
    std::vector<int16_t> expected(64 * 2);
    for (int got = 0, n = 1; got < 64 && n > 0; got += n) n = plain.read(expected.data() + 2 * got, 64 - got);
    for (int i = 0; i < 128; ++i) EXPECT_EQ(pcm[seam + i], applyGain(trackGain(255, 255, kLevelOne), expected[i]));
  }
}

TEST(GameEffects, EveryChannelHasAPlayableEffectThatIsShortAndUnclipped) {
  for (int channel = kFirstEffectChannel; channel < kChannels; ++channel) {
    std::string file = effectFile(channel);
    auto bytes = readSoundFile(kGame / "wav" / file);
    WavSound wav = parseWav(file, bytes);
    ASSERT_EQ(wav.bitsPerSample, 16) << file;
    std::vector<int16_t> pcm(wav.samples.size() / 2);
    std::memcpy(pcm.data(), wav.samples.data(), pcm.size() * 2);
    Stats s = measure(pcm, 0, pcm.size());
    EXPECT_GT(s.peak, 8000) << file;
    EXPECT_LT(s.peak, 32767) << file;
    EXPECT_LT(pcm.size(), 3u * 44100) << file;
    EXPECT_LT(std::abs(pcm.back()), 64) << file << " ends on a click";
  }
}

TEST(MixerTracks, TheStopFadeEndsInSilenceAndStopsTheTrack) {
  CountingSource source(1 << 20);
  MusicMixer mixer;
  mixer.assign(0, &source);
  mixer.play(0, true);
  mixer.setLevel(0, 0.0, 2.0);
  auto pcm = mixFrames(mixer, 2 * 44100 + 8192);
  // Frame f is heard at the level after f + 1 steps of -8,192:
  // frame 1000: 714,334,208 div 2,822,400 = 253, gain 254 x 253 = 64,262, (251 x 1000) / 256 = 980;
  // frame 22050: 541,892,608 div 2,822,400 = 191, gain 48,514, (189 x 22,050) / 256 = 16,279.
  EXPECT_EQ(pcm[2 * 1000], 980);
  EXPECT_EQ(pcm[2 * 22050 + 1], 16279);
  EXPECT_EQ(pcm[2 * 88200 + 100], 0);
  mixFrames(mixer, 16);
  EXPECT_FALSE(mixer.playing(0));
}

TEST(MixerTracks, ADecoderPutOnAnotherTrackLeavesItsOldOne) {
  CountingSource source(100000);
  MusicMixer mixer;
  mixer.assign(1, &source);
  mixer.play(1, true);
  mixer.assign(2, &source);
  EXPECT_EQ(mixer.source(1), nullptr);
  EXPECT_FALSE(mixer.playing(1));
  EXPECT_EQ(mixer.source(2), &source);
}

TEST(MixerTracks, TracksAreSummedWithTheirOwnVolumes) {
  CountingSource a(100000), b(100000);
  MusicMixer mixer;
  mixer.assign(0, &a);
  mixer.assign(1, &b);
  mixer.play(0, true);
  mixer.play(1, true);
  mixer.setVolume(1, 128);
  auto pcm = mixFrames(mixer, 2000);
  // 1000 x 254/256 + 1000 x 127/256 (volume 128 with master 255: 127)
  EXPECT_EQ(pcm[2 * 1000], 992 + 496);
}

TEST(MusicStreamBuffer, TheDevicePullsTheMixersOutputHalfByHalfWithoutWaiting) {
  CountingSource source(1 << 20);
  MusicMixer mixer;
  mixer.assign(0, &source);
  mixer.play(0, true);
  MusicStream stream(mixer);
  std::vector<int16_t> piece(2 * 512);
  // The refill thread fills the first half in the background; until then the device hears silence.
  int waited = 0;
  do {
    stream.pull(piece.data(), 1);
    if (piece[0] == 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  } while (piece[0] == 0 && ++waited < 1000);
  // Frame 0 may have been the silent one; from then on the frames follow in order.
  int16_t last = piece[0];
  for (int n = 0; n < 40; ++n) {
    stream.pull(piece.data(), 512);
    for (int i = 0; i < 512; ++i) {
      if (piece[2 * i] == 0) continue;  // a half not refilled yet
      EXPECT_GE(piece[2 * i], last);
      last = piece[2 * i];
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  EXPECT_GT(last, 0);
}

}  // namespace
}  // namespace sorvane::sound
