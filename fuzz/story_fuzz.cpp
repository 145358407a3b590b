// Feeds arbitrary bytes to the story script reader and plays the result: the
// checker and the player must take anything without crashing, keep the log
// consistent, and a skipped scene must always reach its end.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "story/characters.h"
#include "story/script.h"
#include "story/story_player.h"

namespace {

using namespace sorvane::story;

void check(bool ok) {
  if (!ok) std::abort();
}

void checkPlayer(const StoryPlayer& p) {
  if (p.ended()) return;
  check(p.pageIndex() >= 0 && p.pageIndex() < static_cast<int>(p.pages().size()));
  const StoryFrame f = p.frame();
  for (const PortraitDraw& d : f.portraits) {
    check(d.character >= 0 && d.character < static_cast<int>(StoryCharacters().size()));
    check(d.expression >= 0 && d.expression < StoryCharacters()[d.character].expressions);
    check(d.alpha >= 0 && d.alpha <= 255);
  }
}

void runTimer(StoryPlayer& p, int limit) {
  for (int i = 0; i < limit && p.ticking(); ++i) {
    p.tick();
    checkPlayer(p);
  }
}

}  // namespace

// Effects hold the scene for a moment, as they do while the music streams.
struct HoldingSound : SilentStorySound {
  int effectHoldMs(sorvane::Sound) override { return 60; }
};

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The first byte picks the reader's settings and how input arrives; the rest is the script.
  const std::uint8_t knobs = size > 0 ? data[0] : 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + (size > 0), size - (size > 0));
  const Script script = LoadScript(bytes);
  CheckScript(script);

  StorySettings settings;
  settings.bytesPerTick = knobs & 3;
  settings.autoAdvance = knobs & 4;
  settings.ctrlSkipsUnread = knobs & 8;
  const bool ctrlInput = knobs & 16;
  HoldingSound sound;
  ReadPages read;
  StoryPlayer p(1, script, sound, settings, &read);
  p.setCtrlHeld(ctrlInput);
  p.start();
  for (int step = 0; step < 40 && !p.ended(); ++step) {
    runTimer(p, 100);
    switch (step % 5) {
      case 3: p.wheelUp(); break;
      case 4: p.wheelDown(); break;
      default: ctrlInput ? p.ctrl() : p.click();
    }
    checkPlayer(p);
  }
  if (!p.ended() && !p.inputLocked()) {
    check(p.skip());
    runTimer(p, 200);
    check(p.ended());
  }
  return 0;
}
