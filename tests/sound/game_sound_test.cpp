// The game's sound output on SDL's dummy driver: it opens where there is no
// sound card, plays effects and music, and a missing game folder only means
// silence.
#include "sound/game_sound.h"
#include "sound/wav_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace sorvane {
namespace {

TEST(GameSound, PlaysOnTheDummyDriverWithoutASoundCard) {
  GameSound sound(SORVANE_GAME_DIR);
  EXPECT_TRUE(sound.deviceOpen());
  EXPECT_EQ(sound.driver(), "dummy");  // the tests run with SDL_AUDIODRIVER=dummy
  sound.effect(Sound::Confirm);
  sound.effect(31);
  sound.effect(4);  // not an effect channel: logged, nothing else
  sound.effect(50);
  sound.music(Music::title());
  sound.music(Music::storyBattle(14));
  sound.music({9});  // a number without music keeps the track in place
  sound.setMusicVolume(25);
  sound.setEffectVolume(0);
  EXPECT_EQ(sound.musicVolume(), 25);
  EXPECT_EQ(sound.effectVolume(), 0);
  sound.setMusicVolume(26);
  EXPECT_EQ(sound.musicVolume(), 12);
  // Story effects play an effect's sound on channels 1 (once) and 2 (looping).
  // Its length is the file's, whatever format the file keeps its samples in.
  const std::vector<uint8_t> file = sound::readSoundFile(std::string(SORVANE_GAME_DIR) + "wav/38inflicted.wav");
  const sound::WavSound wav = sound::parseWav("38inflicted.wav", file);
  const int frames = int(wav.samples.size()) / (wav.channels * wav.bitsPerSample / 8);
  EXPECT_EQ(sound.playStoryEffect(1, 38, false), frames * 1000LL / wav.rate);
  EXPECT_GT(sound.storyEffect(2, Sound::Confirm, true), 0);  // streamed music: the scene holds for it
  EXPECT_EQ(sound.playStoryEffect(3, 38, false), 0);          // no such story channel
  EXPECT_EQ(sound.playStoryEffect(1, 4, false), 0);           // not an effect
  sound.stopStoryChannel(1);
  sound.stopStoryChannel(2, false);
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  sound.music(Music::stop());
}

TEST(GameSound, ThePreloadedMethodDecodesTheStandardTracksInTheBackground) {
  GameSound sound(SORVANE_GAME_DIR);
  sound.setMusicMethod(true);
  for (int i = 0; i < 3000 && !sound.standardMusicReady(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_TRUE(sound.standardMusicReady());
  sound.music(Music::preparation());
  sound.music(Music::credits());  // not one of the seven: streamed
  EXPECT_EQ(sound.storyEffect(1, Sound::Confirm, false), 0);  // music in memory: the scene does not hold
  sound.stopStoryChannel(0);
}

TEST(GameSound, AMissingGameFolderIsSilenceNotAFailure) {
  GameSound sound("/nonexistent/sorvane/");
  sound.effect(Sound::Fanfare);
  sound.music(Music::title());
  sound.playMusicFile("nothing");
  EXPECT_EQ(sound.playStoryEffect(2, 38, true), 0);
  sound.music(Music::stop());
}

}  // namespace
}  // namespace sorvane
