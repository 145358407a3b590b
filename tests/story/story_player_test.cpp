// Playing a scene: pages and the log, typing, fades, input, skip, follow-ups,
// sound cues and the reader's settings.
#include "story/story_player.h"

#include <gtest/gtest.h>

#include "story/characters.h"
#include "text/cp932.h"

namespace sorvane::story {
namespace {

Script scriptOf(std::string_view utf8) { return LoadScript(text::toCp932(utf8)); }

// Records what the scene asked to play, one word each.
struct RecordingSound : StorySound {
  std::vector<std::string> calls;
  int holdMs = 0;
  void playMusic(Music m) override { calls.push_back("music " + std::to_string(m.track)); }
  void stopMusic(bool fade) override { calls.push_back(fade ? "music fade" : "music stop"); }
  void playEffect(int ch, Sound s, bool loop) override {
    calls.push_back("se" + std::to_string(ch) + " " + std::to_string(static_cast<int>(s)) + (loop ? " loop" : ""));
  }
  void stopEffect(int ch, bool fade) override {
    calls.push_back("se" + std::to_string(ch) + (fade ? " fade" : " stop"));
  }
  int effectHoldMs(Sound) override { return holdMs; }
};

// Ticks until the frame timer stops (or a bound, so a fault cannot hang the test).
int runTimer(StoryPlayer& p) {
  int ticks = 0;
  while (p.ticking() && ticks < 1000) p.tick(), ++ticks;
  return ticks;
}

// Clicks and ticks until the scene ends.
void playThrough(StoryPlayer& p) {
  for (int i = 0; i < 200 && !p.ended(); ++i) {
    runTimer(p);
    p.click();
  }
}

const char kScene[] =
    "#sentou@くらたん@ナイアス\r\n"
    "#BGM@13\r\n"
    "#hai@haikei2\r\n"
    "#txt@くらたん\r\n"
    "ここが森だよ。\r\n"
    "#ci@0_01くらたん\r\n"
    "#ci@4_02ナイアス\r\n"
    "#txt@ナイアス\r\n"
    "はじめまして。\r\n"
    "よろしくね。\r\n"
    "#co@くらたん\r\n"
    "#txt@ナイアス\r\n"
    "またね。\r\n"
    "#end\r\n";

TEST(StoryPlayer, FollowUpComesFromTheHeader) {
  struct Case {
    const char* header;
    FollowUp followUp;
  };
  const Case cases[] = {{"#sentou", FollowUp::Battle},
                        {"#settei", FollowUp::Preparation},
                        {"#roll", FollowUp::Credits},
                        // No keyword: the scene still ends, and the caller goes back where it was.
                        {"", FollowUp::None}};
  for (const Case& c : cases) {
    RecordingSound sound;
    StoryPlayer p(7, scriptOf(std::string(c.header) + "\n#txt@\nあ\n#end\n#txt@\nその先\n"), sound);
    p.start();
    playThrough(p);
    ASSERT_TRUE(p.ended()) << c.header;
    EXPECT_EQ(p.followUp(), c.followUp) << c.header;
    EXPECT_TRUE(p.pages().empty());
    EXPECT_TRUE(p.frame().blank);
    // Nothing moves once the scene is over.
    p.wheelUp();
    p.click();
    EXPECT_EQ(p.state(), StoryState::SceneEnded);
  }
}

TEST(StoryPlayer, PagesKeepTextAcrossPortraitChangesAndTheLogShowsThem) {
  RecordingSound sound;
  StoryPlayer p(1, scriptOf(kScene), sound);
  p.start();
  runTimer(p);
  EXPECT_EQ(p.frame().more, true);
  p.click();  // music, backdrop fade (then the first page by itself)
  EXPECT_EQ(p.state(), StoryState::BackdropFade);
  EXPECT_EQ(runTimer(p), 26 + 8 + 1);  // 26 fade frames, 7 characters typed at 2 bytes a frame, the shown page
  EXPECT_EQ(p.frame().lines[0], "ここが森だよ。");
  p.click();  // both portraits come in one after the other, the text staying; then the next page
  runTimer(p);
  EXPECT_EQ(p.pageIndex(), 4);
  p.click();  // くらたん leaves, and a last page
  runTimer(p);

  const auto& pages = p.pages();
  ASSERT_EQ(pages.size(), 7u);
  const int kura = 0, nai = 1;  // set indexes in declaration order
  EXPECT_EQ(pages[2].portrait[0], kura);
  EXPECT_EQ(pages[2].expression[0], 1);
  EXPECT_EQ(text::fromCp932(pages[2].lines[0]), "ここが森だよ。");  // a portrait change keeps the text
  EXPECT_EQ(pages[3].portrait[4], nai);
  EXPECT_EQ(pages[4].speaker, text::toCp932("ナイアス"));  // a text page keeps the portraits
  EXPECT_EQ(pages[4].portrait[0], kura);
  EXPECT_EQ(pages[4].lines[2], "");
  EXPECT_EQ(pages[5].portrait[0], -1);
  EXPECT_EQ(pages[5].portrait[4], nai);
  EXPECT_EQ(text::fromCp932(pages[5].lines[1]), "よろしくね。");
  EXPECT_EQ(pages[6].portrait[4], nai);
  EXPECT_EQ(text::fromCp932(pages[6].lines[0]), "またね。");

  // Backlog: up to the oldest page and no further, then down past the newest.
  for (int i = 0; i < 8; ++i) p.wheelUp(), runTimer(p);
  EXPECT_EQ(p.state(), StoryState::Backlog);
  EXPECT_EQ(p.storyTick(), 0);
  const StoryFrame oldest = p.frame();
  EXPECT_TRUE(oldest.log);
  EXPECT_EQ(oldest.windowAlpha, 160);
  p.wheelDown(), p.wheelDown(), p.wheelDown();
  runTimer(p);
  const StoryFrame third = p.frame();
  ASSERT_EQ(third.portraits.size(), 2u);  // page 3: くらたん in slot 0, ナイアス in slot 4
  EXPECT_EQ(third.portraits[1].character, FindStoryCharacter("ナイアス"));
  EXPECT_EQ(third.portraits[1].centreX, 680);
  for (int i = 0; i < 3; ++i) p.wheelDown(), runTimer(p);
  EXPECT_EQ(p.state(), StoryState::PageShown);
  EXPECT_EQ(p.frame().lines[0], "またね。");
  EXPECT_TRUE(p.frame().more);
  p.click();
  EXPECT_TRUE(p.ended());
  EXPECT_EQ(sound.calls, (std::vector<std::string>{"music fade", "music 13", "music stop", "se2 stop"}));
}

TEST(StoryPlayer, FadesAndSlides) {
  RecordingSound sound;
  StoryPlayer p(1, scriptOf("#sentou@くらたん\n#ci@2_00くらたん\n#ci@2_01くらたん\n#coall\n#end"), sound);
  p.start();
  runTimer(p);
  p.click();
  StoryFrame first = p.tick();  // coming in: transparent and off to the side
  ASSERT_EQ(first.portraits.size(), 1u);
  EXPECT_EQ(first.portraits[0].alpha, 0);
  EXPECT_EQ(first.portraits[0].dx, StoryPlayer::kSlidePx);
  for (int i = 0; i < 12; ++i) p.tick();  // 13 frames in all; the next line starts by itself
  EXPECT_EQ(p.state(), StoryState::PortraitIn);
  EXPECT_EQ(p.lineIndex(), 2);
  const StoryFrame change = p.tick();  // a new face fades in place
  ASSERT_EQ(change.portraits.size(), 2u);
  EXPECT_EQ(change.portraits[1].expression, 1);
  EXPECT_EQ(change.portraits[1].dx, 0);
  p.click();  // input cuts the fade short: the script goes on
  EXPECT_EQ(p.state(), StoryState::PortraitOut);
  p.tick();
  const StoryFrame leaving = p.tick();
  ASSERT_EQ(leaving.portraits.size(), 1u);
  EXPECT_EQ(leaving.portraits[0].alpha, 255 - 20);
  EXPECT_LT(leaving.portraits[0].dx, 0);
}

TEST(StoryPlayer, OpeningTheSettingsEndsACrossFade) {
  RecordingSound sound;
  StoryPlayer p(1, scriptOf("#sentou\n#hai@haikei2\n#txt@\nあ\n#end"), sound);
  p.start();
  runTimer(p);
  p.click();
  p.tick();
  ASSERT_EQ(p.state(), StoryState::BackdropFade);
  p.settingsOpening();
  EXPECT_EQ(p.state(), StoryState::Typing);
  EXPECT_TRUE(p.frame().fadingFrom.empty());
  runTimer(p);  // the page completes; the script waits for a click
  EXPECT_EQ(p.state(), StoryState::PageShown);
  EXPECT_EQ(p.lineIndex(), 1);
  p.settingsOpening();  // nothing to end
  EXPECT_EQ(p.state(), StoryState::PageShown);
}

TEST(StoryPlayer, TypingCountsBytes) {
  RecordingSound sound;
  StoryPlayer p(1, scriptOf("#sentou\n#txt@\nあいう\nab\n#end"), sound);
  p.start();
  runTimer(p);
  p.click();
  std::vector<std::string> seen;
  while (p.state() == StoryState::Typing) {
    const StoryFrame f = p.tick();
    seen.push_back(f.lines[0] + "|" + f.lines[1]);
  }
  // Two bytes a frame: one double-byte character, or two single-byte ones.
  EXPECT_EQ(seen, (std::vector<std::string>{"|", "あ|", "あい|", "あいう|", "あいう|ab"}));

  // Text speed 0 shows the page at once; a click completes typing too.
  StoryPlayer fast(1, scriptOf("#sentou\n#txt@\nあいう\n#end"), sound, StorySettings{.bytesPerTick = 0});
  fast.start();
  runTimer(fast);
  fast.click();
  EXPECT_EQ(fast.tick().lines[0], "あいう");
  EXPECT_EQ(fast.state(), StoryState::PageShown);
}

TEST(StoryPlayer, SkipRewritesTheNextFourLines) {
  for (int clicksFirst : {1, 2}) {  // on a page, and in the middle of a fade
    RecordingSound sound;
    StoryPlayer p(1, scriptOf("#roll@くらたん\n#txt@\nいち\n#ci@0_00くらたん\n#hai@haikei3\n#txt@\nに\n#end"), sound);
    p.start();
    runTimer(p);
    for (int i = 0; i < clicksFirst; ++i) {
      p.click();
      if (i + 1 < clicksFirst) runTimer(p);
    }
    const int at = p.lineIndex();
    ASSERT_TRUE(p.skip());
    const auto& lines = p.scriptLines();
    ASSERT_GE(lines.size(), static_cast<size_t>(at + 5));
    EXPECT_EQ(lines[at + 1], "#coall");
    EXPECT_EQ(lines[at + 2], "#hai@haikei0");
    EXPECT_EQ(lines[at + 3], "#wait@300");
    EXPECT_EQ(lines[at + 4], "#end");
    EXPECT_EQ(p.state(), StoryState::PortraitOut);
    runTimer(p);  // portraits out, fade to black, the wait: all without input
    EXPECT_TRUE(p.ended());
    EXPECT_EQ(p.followUp(), FollowUp::Credits);
  }
  // The script grows when fewer than four lines follow.
  RecordingSound sound;
  StoryPlayer p(1, scriptOf("#sentou\n#txt@\nいち"), sound);
  p.start();
  runTimer(p);
  p.click();
  ASSERT_TRUE(p.skip());
  EXPECT_EQ(p.scriptLines().size(), 7u);
  runTimer(p);
  EXPECT_TRUE(p.ended());
}

TEST(StoryPlayer, WaitsLockInputAndEffectsHold) {
  RecordingSound sound;
  sound.holdMs = 90;
  StoryPlayer p(1, scriptOf("#sentou\n#wait@100\n#SE1@45\n#txt@\nあ\n#SE2@22\n#SE2s\n#end"), sound);
  p.start();
  runTimer(p);
  p.click();
  EXPECT_TRUE(p.inputLocked());
  EXPECT_FALSE(p.skip());
  p.click();  // ignored
  EXPECT_EQ(p.lineIndex(), 1);
  for (int i = 0; i < 4; ++i) p.tick();  // 120 ms: the wait is over, the effect plays and holds
  EXPECT_EQ(p.lineIndex(), 2);
  EXPECT_TRUE(p.inputLocked());
  EXPECT_TRUE(p.pages().back().speaker.empty() && p.pageIndex() == 0);  // the page waits for the effect
  for (int i = 0; i < 3; ++i) p.tick();
  EXPECT_EQ(p.pageIndex(), 1);
  playThrough(p);
  EXPECT_EQ(sound.calls,
            (std::vector<std::string>{"music fade", "se1 45", "se2 22 loop", "se2 fade", "music stop", "se2 stop"}));
  // With Ctrl held the effect plays without holding the scene.
  StoryPlayer q(1, scriptOf("#sentou\n#SE1@45\n#txt@\nあ\n#end"), sound);
  q.start();
  runTimer(q);
  q.setCtrlHeld(true);
  q.ctrl();
  EXPECT_FALSE(q.inputLocked());
  EXPECT_EQ(q.state(), StoryState::Typing);
}

TEST(StoryPlayer, CtrlHurriesOnlyThroughPagesAlreadyRead) {
  const char script[] = "#sentou\n#txt@\nいち\n#txt@\nに\n#end";
  RecordingSound sound;
  ReadPages read;
  StoryPlayer first(3, scriptOf(script), sound, {}, &read);
  first.start();
  runTimer(first);
  first.ctrl();  // the empty opening page has no text: Ctrl goes on
  runTimer(first);
  EXPECT_EQ(first.pageIndex(), 1);
  first.ctrl();  // page 1 is new: Ctrl does nothing
  EXPECT_EQ(first.pageIndex(), 1);
  playThrough(first);
  EXPECT_EQ(read, (ReadPages{{3, 1}, {3, 3}}));

  StoryPlayer again(3, scriptOf(script), sound, {}, &read);
  again.start();
  runTimer(again);
  for (int i = 0; i < 6 && !again.ended(); ++i) again.ctrl();
  EXPECT_TRUE(again.ended());

  // Unless the reader allows it, or nobody keeps a read-set.
  StoryPlayer anyway(4, scriptOf(script), sound, StorySettings{.ctrlSkipsUnread = true}, &read);
  anyway.start();
  for (int i = 0; i < 6 && !anyway.ended(); ++i) anyway.ctrl();
  EXPECT_TRUE(anyway.ended());
}

TEST(StoryPlayer, AutoAdvanceAndSkipStory) {
  RecordingSound sound;
  StoryPlayer p(1, scriptOf("#settei\n#txt@\nいち\n#txt@\nに\n#end"), sound,
                StorySettings{.autoAdvance = true, .autoHoldMs = 300, .autoHoldMsPerByte = 0});
  p.start();
  int ticks = 0;
  while (!p.ended() && p.ticking() && ticks < 500) p.tick(), ++ticks;
  EXPECT_TRUE(p.ended());
  EXPECT_EQ(ticks, 3 * 10 + 3 + 2);  // three pages held 300 ms; 4 bytes typed in three frames, 2 in two

  StoryPlayer skipped(1, scriptOf("#settei\n#BGM@13\n#txt@\nいち\n#end"), sound, StorySettings{.skipStory = true});
  sound.calls.clear();
  skipped.start();
  EXPECT_TRUE(skipped.ended());
  EXPECT_EQ(skipped.followUp(), FollowUp::Preparation);
  EXPECT_EQ(std::count(sound.calls.begin(), sound.calls.end(), "music 13"), 0);
}

TEST(StoryPlayer, DamagedScriptsPlayHarmlessly) {
  // Undeclared characters, faces out of range, bad numbers, no "#end".
  RecordingSound sound;
  StoryPlayer p(
      1, scriptOf("#sentou@くらたん\n#ci@0_09くらたん\n#ci@3_00ナイアス\n#wait@x\n#BGM@999\n#SE1@nope\n#txt@\nあ"),
      sound);
  p.start();
  playThrough(p);
  EXPECT_FALSE(p.ended());  // no "#end": the last page waits
  EXPECT_EQ(p.state(), StoryState::PageShown);
  for (const StoryPage& page : p.pages())
    for (int slot : page.portrait) EXPECT_EQ(slot, -1);
  EXPECT_EQ(sound.calls, std::vector<std::string>{"music fade"});
  EXPECT_TRUE(p.skip());
  runTimer(p);
  EXPECT_TRUE(p.ended());
}

}  // namespace
}  // namespace sorvane::story
