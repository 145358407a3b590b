// A story scene's sound cues played through the window's sound output: music
// by track number, effects by number. The output has one music channel and
// plays each effect once, so an effect asked to loop plays once and the stops
// of the effect channels have nothing to stop; the scene never holds still
// for an effect.
#pragma once

#include "sound/sound_output.h"
#include "story/story_sound.h"

namespace sorvane {

class StorySoundOutput : public story::StorySound {
 public:
  explicit StorySoundOutput(SoundOutput& out) : out_(out) {}
  void playMusic(Music track) override { out_.music(track); }
  void stopMusic(bool) override { out_.music(Music::stop()); }
  void playEffect(int, Sound effect, bool) override { out_.effect(effect); }
  void stopEffect(int, bool) override {}
  int effectHoldMs(Sound) override { return 0; }

 private:
  SoundOutput& out_;
};

}  // namespace sorvane
