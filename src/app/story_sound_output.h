// A story scene's sound cues played through the window's sound output: music
// by track number, effects by number on the story's two effect channels (the
// first plays once and may hold the scene for its length, the second loops
// until it is stopped or the scene ends).
#pragma once

#include "sound/sound_output.h"
#include "story/story_sound.h"

namespace sorvane {

class StorySoundOutput : public story::StorySound {
 public:
  explicit StorySoundOutput(SoundOutput& out) : out_(out) {}
  void playMusic(Music track) override { out_.music(track); }
  void stopMusic(bool) override { out_.music(Music::stop()); }
  void playEffect(int channel, Sound effect, bool loop) override {
    holdMs_ = out_.storyEffect(channel, effect, loop);
  }
  void stopEffect(int channel, bool fade) override { out_.stopStoryEffect(channel, fade); }
  // Asked right after the effect on channel 1 started.
  int effectHoldMs(Sound) override { return holdMs_; }

 private:
  SoundOutput& out_;
  int holdMs_ = 0;
};

}  // namespace sorvane
