// What a story scene asks of the sound system: music on its channel, and the
// two story effect channels (1 plays once, 2 loops).
#pragma once

#include "rules/presentation.h"

namespace sorvane::story {

class StorySound {
 public:
  virtual ~StorySound() = default;
  virtual void playMusic(Music track) = 0;  // looping
  virtual void stopMusic(bool fade) = 0;
  virtual void playEffect(int channel, Sound effect, bool loop) = 0;
  virtual void stopEffect(int channel, bool fade) = 0;
  // How long the scene holds still after an effect played once on channel 1:
  // its length while the music streams, 0 when it is preloaded.
  virtual int effectHoldMs(Sound effect) = 0;
};

// For tests and for playing a scene without sound.
class SilentStorySound : public StorySound {
 public:
  void playMusic(Music) override {}
  void stopMusic(bool) override {}
  void playEffect(int, Sound, bool) override {}
  void stopEffect(int, bool) override {}
  int effectHoldMs(Sound) override { return 0; }
};

}  // namespace sorvane::story
