// Where the window sends its sounds and music. The battle page and its
// presenter talk only to this interface; until the sound output is built,
// the game plays through the silent one.
#pragma once

#include "rules/presentation.h"

namespace sorvane {

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  virtual void effect(Sound sound) = 0;
  virtual void effect(int channel) = 0;  // the floating texts' own effects, by channel
  virtual void music(Music music) = 0;
};

// Plays nothing.
class SilentSound : public SoundOutput {
 public:
  void effect(Sound) override {}
  void effect(int) override {}
  void music(Music) override {}
};

}  // namespace sorvane
