// The story player: runs one scene script, driven by the window's 30 ms frame
// timer, clicks, the wheel and Ctrl, and says what to paint (StoryFrame) and
// what to play (StorySound). It holds no pictures and no window.
//
// The window: calls tick() every 30 ms while ticking() and paints what it
// returns; calls ctrl() every 120 ms while Ctrl is held (and setCtrlHeld on
// press and release); forwards clicks and wheel turns; asks "お話を飛ばします。
// よろしいですか？" before skip(); and, once ended(), does what followUp() says.
#pragma once

#include <array>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "story/script.h"
#include "story/story_frame.h"
#include "story/story_sound.h"

namespace sorvane::story {

enum class StoryState : int {
  PageShown = 0,     // the page is complete and waits for input
  Typing = 1,        // the text appears character by character
  BackdropFade = 2,  // 26 frames of cross-fade to a new background
  PortraitIn = 3,    // 13 frames of portraits fading in
  PortraitOut = 4,   // 13 frames of portraits fading out
  Backlog = 8,       // an earlier page; storyTick is the page shown
  SceneEnded = 10,   // "#end" ran; the follow-up is the caller's
};

// One page of the scene's log.
struct StoryPage {
  std::string speaker;                              // Shift-JIS; empty for narration
  std::array<std::string, 3> lines;                 // Shift-JIS
  std::array<int, 5> portrait{-1, -1, -1, -1, -1};  // set index (declaration order), -1 = empty slot
  std::array<int, 5> expression{};
  int textLine = -1;  // line of the "#txt@" that wrote the text, -1 for none
};

// Pages already read, by scene and by the line of their "#txt@"; a variant
// of a scene has a number of its own (SceneEntry::readKey). The caller keeps
// it across scenes (and may save it).
using ReadPages = std::set<std::pair<int, int>>;

struct StorySettings {
  int bytesPerTick = 2;          // text speed in Shift-JIS bytes per frame; 0 shows a page at once
  bool autoAdvance = false;      // turn complete pages by themselves
  int autoHoldMs = 1200;         // how long a complete page stays in auto mode ...
  int autoHoldMsPerByte = 40;    // ... and a little longer for every byte of text
  bool ctrlSkipsUnread = false;  // Ctrl also hurries through pages never read before
  bool skipStory = false;        // scenes end as soon as they start
};

class StoryPlayer {
 public:
  static constexpr int kTickMs = 30;   // frame timer
  static constexpr int kCtrlMs = 120;  // Ctrl repeat
  static constexpr int kSlidePx = 36;  // how far a portrait slides while it fades

  // `scene` is the number its pages read are kept under. `sound` and `read`
  // (may be null) must outlive the player.
  StoryPlayer(int scene, Script script, StorySound& sound, StorySettings settings = {}, ReadPages* read = nullptr);

  // Opens the scene: stops the music, one empty page, waiting for the first click.
  void start();

  // One frame: the picture to paint now, then the state moves on.
  StoryFrame tick();
  // The picture of the current state without moving on (for repaints).
  StoryFrame frame() const;
  // Whether the frame timer should run.
  bool ticking() const;

  void click();
  void wheelDown();
  void wheelUp();
  void ctrl();
  void setCtrlHeld(bool held) { ctrlHeld_ = held; }
  // Ends the scene by its short way: portraits out, fade to black, 300 ms, "#end".
  // The caller asks for confirmation first. False when input is locked or the scene is over.
  bool skip();
  void setSettings(const StorySettings& settings) { settings_ = settings; }
  // The settings dialog opens over the page: a background cross-fade in
  // progress gives way to the page's typing, so the dialog opens on a still picture.
  void settingsOpening();

  bool ended() const { return state_ == StoryState::SceneEnded; }
  FollowUp followUp() const { return script_.header.followUp; }
  bool inputLocked() const { return waitLeftMs_ > 0; }

  StoryState state() const { return state_; }
  int storyTick() const { return storyTick_; }
  int lineIndex() const { return lineIndex_; }
  int pageIndex() const { return pageIndex_; }
  const std::vector<StoryPage>& pages() const { return pages_; }
  const std::vector<std::string>& scriptLines() const { return script_.lines; }
  int scene() const { return scene_; }
  // StoryCharacters() index of portrait set `set`.
  int characterOfSet(int set) const;

 private:
  void storyCheck();
  bool runSounds(const ScriptLine& line);   // false: hold for a sound first
  bool runCommand(const ScriptLine& line);  // false: the line needs display time or ended the scene
  void appendPage(bool keepText);
  void endScene();
  void advanceFromInput();  // state 0 (or a fade) -> next lines
  bool currentPageUnread() const;
  void composeLayer(StoryFrame& f, const StoryPage& page, const StoryPage* other, int alpha, int slideSign,
                    int slideBy) const;
  void composeMessage(StoryFrame& f, const StoryPage& page, int visibleBytes) const;

  int scene_;
  Script script_;
  StorySound& sound_;
  StorySettings settings_;
  ReadPages* read_;

  StoryState state_ = StoryState::PageShown;
  int storyTick_ = 0;
  int lineIndex_ = 0;
  int pageIndex_ = 0;
  std::vector<StoryPage> pages_;
  std::string backdrop_ = "haikei0", oldBackdrop_;
  bool timerOn_ = false;
  bool ctrlHeld_ = false;
  int waitLeftMs_ = 0;
  bool resumeCommand_ = false;  // a sound hold interrupted the current line before its command
  int autoMs_ = 0;
};

}  // namespace sorvane::story
