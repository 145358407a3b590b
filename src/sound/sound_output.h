// Where the window sends its sounds and music. The battle page, its
// presenter and the story page talk only to this interface; tests and review
// runs play through the silent one.
#pragma once

#include "rules/presentation.h"

namespace sorvane {

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  virtual void effect(Sound sound) = 0;
  virtual void effect(int channel) = 0;  // the floating texts' own effects, by channel
  virtual void music(Music music) = 0;

  // The story scenes' two effect channels: 1 plays an effect once, 2 loops
  // it until stopped. Returns how long the scene should hold still for it
  // (its length while the music streams; 0 when the music is in memory or
  // the output cannot tell). An output without the channels plays it once.
  virtual int storyEffect(int channel, Sound effect, bool loop) {
    (void)channel;
    (void)loop;
    this->effect(effect);
    return 0;
  }
  virtual void stopStoryEffect(int channel, bool fade) {
    (void)channel;
    (void)fade;
  }
};

// Plays nothing.
class SilentSound : public SoundOutput {
 public:
  void effect(Sound) override {}
  void effect(int) override {}
  void music(Music) override {}
};

}  // namespace sorvane
