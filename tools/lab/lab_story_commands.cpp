// `story N [JOB [PORTRAIT]]`: plays scene N from dat.qda without a window,
// clicking through it, and prints what the story page would show and play.
// The variant is the one a player master of that job and portrait would see;
// what is not given comes from the lab's player master (unit record 0).
#include <map>
#include <ostream>
#include <sstream>

#include "data/archive/qda.h"
#include "lab.h"
#include "lab_parse.h"
#include "story/characters.h"
#include "story/scene_variants.h"
#include "story/story_player.h"

namespace sorvane::lab {
namespace {

using namespace story;

struct PrintingSound : StorySound {
  explicit PrintingSound(std::ostream& out) : out(out) {}
  std::ostream& out;
  void playMusic(Music m) override { out << "music " << m.track << "\n"; }
  void stopMusic(bool fade) override { out << (fade ? "music fade\n" : "music stop\n"); }
  void playEffect(int channel, Sound s, bool loop) override {
    out << "effect" << channel << " " << static_cast<int>(s) << (loop ? " loop\n" : "\n");
  }
  void stopEffect(int channel, bool fade) override { out << "effect" << channel << (fade ? " fade\n" : " stop\n"); }
  int effectHoldMs(Sound) override { return 0; }
};

std::string portraitsOf(const StoryFrame& f) {
  std::ostringstream s;
  for (const PortraitDraw& d : f.portraits)
    s << " " << d.slot << ":" << StoryCharacters()[d.character].name << "/" << d.expression;
  return s.str();
}

const char* followUpName(FollowUp f) {
  switch (f) {
    case FollowUp::Battle: return "battle";
    case FollowUp::Preparation: return "preparation";
    case FollowUp::Credits: return "credits";
    case FollowUp::None: break;
  }
  return "none";
}

}  // namespace

std::string Lab::cmdStory(const Args& a) {
  i32 scene = 0;
  ScenePlayer who = ScenePlayerOf(state().D->k[kPlayerMaster]);
  if (a.empty() || a.size() > 3 || !parseInt(a[0], scene) || (a.size() > 1 && !parseInt(a[1], who.job)) ||
      (a.size() > 2 && !parseInt(a[2], who.portrait)))
    return "usage: story N [JOB [PORTRAIT]]";
  SceneScript loaded = LoadSceneScript(gameDir_ + "dat.qda", scene, who);
  const Script& script = loaded.script;
  out_ << "entry " << loaded.entry.name << "\n";
  for (const Problem& p : CheckScript(script)) out_ << "problem line " << p.line << ": " << p.message << "\n";

  PrintingSound sound(out_);
  StoryPlayer player(loaded.entry.readKey, script, sound);
  player.start();
  std::string backdrop, portraits;
  int printedPage = -1;
  for (int step = 0; step < 5000 && !player.ended(); ++step) {
    while (player.ticking()) player.tick();
    const StoryFrame f = player.frame();
    if (f.blank) break;
    if (f.backdrop != backdrop) out_ << "background " << (backdrop = f.backdrop) << "\n";
    if (portraitsOf(f) != portraits)
      out_ << "portraits" << ((portraits = portraitsOf(f)).empty() ? " none" : portraits) << "\n";
    const StoryPage& page = player.pages()[player.pageIndex()];
    if (page.textLine >= 0 && page.textLine != printedPage) {
      printedPage = page.textLine;
      out_ << "[" << f.speaker << "]";
      for (const std::string& line : f.lines)
        if (!line.empty()) out_ << " " << line;
      out_ << "\n";
    }
    const int line = player.lineIndex(), pageIndex = player.pageIndex();
    player.click();
    if (!player.ended() && !player.ticking() && player.lineIndex() == line && player.pageIndex() == pageIndex) {
      out_ << "no #end: the last page waits\n";
      break;
    }
  }
  out_ << "followup=" << followUpName(player.followUp()) << "\n";
  return "";
}

}  // namespace sorvane::lab
