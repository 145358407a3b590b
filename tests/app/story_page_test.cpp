// The story page: scenes played through to their follow-up by clicks, Ctrl
// hurrying only through pages already read, skipping, the looping effect,
// what a page looks like, and the credits roll ending on a click or Escape.
#include "app/story_page.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <gtest/gtest.h>

#include "app/credits_roll.h"
#include "app/outlined_text.h"
#include "app/read_pages_file.h"
#include "app/story_pictures.h"
#include "data/game_dir.h"
#include "story/characters.h"
#include "story/scene_variants.h"

namespace sorvane::testing {
namespace {

struct RecordingOutput : SoundOutput {
  std::vector<int> tracks, effects;
  std::vector<std::string> storyChannels;  // "play 2 22 loop", "stop 2 fade", ...
  void effect(Sound s) override { effects.push_back(static_cast<int>(s)); }
  void effect(int channel) override { effects.push_back(channel); }
  void music(Music m) override { tracks.push_back(m.track); }
  int storyEffect(int channel, Sound effect, bool loop) override {
    storyChannels.push_back("play " + std::to_string(channel) + " " + std::to_string(static_cast<int>(effect)) +
                            (loop ? " loop" : " once"));
    return 0;
  }
  void stopStoryEffect(int channel, bool fade) override {
    storyChannels.push_back("stop " + std::to_string(channel) + (fade ? " fade" : " now"));
  }
};

class StoryPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    readFile = std::filesystem::temp_directory_path() /
               ("sorvane-read-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt");
    std::filesystem::remove(readFile);
    page = std::make_unique<StoryPage>(nullptr, sound);
    page->setReadPagesFile(readFile);
    page->dialog = [this](const QString& text, bool question) {
      asked.push_back(text.toStdString());
      return question && answer;
    };
  }
  void TearDown() override {
    page.reset();
    std::filesystem::remove(readFile);
  }

  void play(int scene) {
    ended = false;
    page->playScene(scene, [this](story::FollowUp f) {
      ended = true;
      followUp = f;
    });
  }
  void click() {
    const QPointF at(400, 300);
    QMouseEvent e(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(page.get(), &e);
  }
  void key(int k, QEvent::Type type = QEvent::KeyPress) {
    QKeyEvent e(type, k, Qt::NoModifier);
    QCoreApplication::sendEvent(page.get(), &e);
  }
  // One press and release of Ctrl: one hurried step.
  void tapCtrl() {
    key(Qt::Key_Control);
    key(Qt::Key_Control, QEvent::KeyRelease);
  }
  // Runs the frame timer's steps until it would stop (bounded).
  void settle() {
    for (int i = 0; i < 400 && page->player() && page->player()->ticking(); ++i) page->advanceFrame();
  }
  // Clicks through until the scene ends; false when it does not.
  bool clickThrough() {
    for (int i = 0; i < 2000 && !ended; ++i) {
      settle();
      if (!ended) click();
    }
    return ended;
  }
  // Clicks until a page of text stands complete with its "▼".
  void toTextPage(int pages) {
    int seen = 0, counted = -1;
    for (int i = 0; i < 500 && !ended; ++i) {
      settle();
      const story::StoryPlayer* p = page->player();
      const int textLine = p->pages()[p->pageIndex()].textLine;
      if (p->state() == story::StoryState::PageShown && textLine >= 0 && textLine != counted) {
        counted = textLine;
        if (++seen == pages) return;
      }
      click();
    }
    FAIL() << "no text page " << pages;
  }
  QImage shot() { return page->grab().toImage().convertToFormat(QImage::Format_RGB32); }

  RecordingOutput sound;
  std::unique_ptr<StoryPage> page;
  std::filesystem::path readFile;
  std::vector<std::string> asked;
  bool answer = false;
  bool ended = false;
  story::FollowUp followUp = story::FollowUp::None;
};

// Light pixels with a dark neighbour right of them: outlined letters.
int outlinedTextPixels(const QImage& image, QRect area) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x < area.right(); ++x) {
      const QRgb p = image.pixel(x, y), q = image.pixel(x + 1, y);
      if (qGray(p) > 235 && qGray(q) < 120) ++n;
    }
  return n;
}

int colourCount(const QImage& image) {
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); y += 3)
    for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
  return static_cast<int>(colours.size());
}

TEST_F(StoryPageTest, EachSceneClickedThroughEndsWithItsHeadersFollowUp) {
  struct Case {
    int scene;
    story::FollowUp followUp;
  };
  for (const Case c : {Case{100, story::FollowUp::Preparation}, Case{0, story::FollowUp::Battle},
                       Case{15, story::FollowUp::Credits}}) {
    sound.tracks.clear();
    play(c.scene);
    ASSERT_NE(page->player(), nullptr) << c.scene;
    ASSERT_TRUE(clickThrough()) << "scene " << c.scene;
    EXPECT_EQ(followUp, c.followUp) << "scene " << c.scene;
    EXPECT_EQ(page->player(), nullptr) << "the page lets the scene go";
    ASSERT_FALSE(sound.tracks.empty());
    EXPECT_EQ(sound.tracks.front(), Music::kStop) << "a scene opens in silence";
    EXPECT_GT(sound.tracks.size(), 1u) << "scene " << c.scene << " plays its music";
  }
  EXPECT_TRUE(asked.empty());
}

TEST_F(StoryPageTest, CtrlHurriesOnlyThroughPagesReadBefore) {
  play(100);
  for (int i = 0; i < 40; ++i) tapCtrl(), settle();
  ASSERT_NE(page->player(), nullptr);
  const story::StoryPlayer& first = *page->player();
  const int stuckAt = first.lineIndex();
  EXPECT_GE(first.pages()[first.pageIndex()].textLine, 0) << "Ctrl stops on the first unread page";
  EXPECT_FALSE(ended);

  ASSERT_TRUE(clickThrough());
  EXPECT_FALSE(page->readPages().empty());
  // Read once, the scene now goes by with Ctrl alone.
  play(100);
  for (int i = 0; i < 2000 && !ended; ++i) tapCtrl(), settle();
  EXPECT_TRUE(ended);
  EXPECT_EQ(followUp, story::FollowUp::Preparation);
  EXPECT_GT(stuckAt, 0);

  // The pages read are kept for the next run.
  StoryPage later(nullptr, sound);
  later.setReadPagesFile(readFile);
  EXPECT_EQ(later.readPages(), page->readPages());
}

TEST_F(StoryPageTest, SkipAsksFirstAndEndsTheSceneOnYes) {
  play(0);
  toTextPage(1);
  answer = false;
  key(Qt::Key_Escape);
  settle();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], "お話を飛ばします。よろしいですか？");
  EXPECT_FALSE(ended) << "no: the scene goes on";
  answer = true;
  key(Qt::Key_Escape);
  for (int i = 0; i < 400 && !ended; ++i) page->advanceFrame();
  EXPECT_TRUE(ended) << "yes: portraits out, fade to black, a pause, the end";
  EXPECT_EQ(followUp, story::FollowUp::Battle);
  const std::vector<int> answers(sound.effects.end() - 4, sound.effects.end());
  EXPECT_EQ(answers, (std::vector<int>{6, 8, 6, 7})) << "open, cancel; open, confirm";
}

TEST_F(StoryPageTest, ALoopingEffectPlaysOnTheSecondChannelUntilStoppedOrTheSceneGoes) {
  // Scene 7's wind loops from its "#SE2@22" until its "#SE2s".
  play(7);
  ASSERT_TRUE(clickThrough());
  const auto& c = sound.storyChannels;
  const auto loop = std::find(c.begin(), c.end(), "play 2 22 loop");
  ASSERT_NE(loop, c.end());
  EXPECT_NE(std::find(loop, c.end(), "stop 2 fade"), c.end()) << "the script's stop fades it";
  EXPECT_EQ(c.back(), "stop 2 now") << "the scene's end stops what still loops";

  // A scene left before its end (the window moves on) takes its loop along.
  play(7);
  for (int i = 0; i < 200 && std::count(c.begin(), c.end(), "play 2 22 loop") < 2; ++i) settle(), click();
  ASSERT_EQ(std::count(c.begin(), c.end(), "play 2 22 loop"), 2);
  page.reset();
  EXPECT_EQ(c.back(), "stop 2 now");
}

TEST_F(StoryPageTest, ASceneThatCannotBeReadIsReportedAndEnds) {
  play(9999);
  EXPECT_TRUE(ended);
  EXPECT_EQ(followUp, story::FollowUp::None);
  EXPECT_EQ(asked.size(), 1u) << "the archive's message is shown";
  EXPECT_EQ(page->player(), nullptr);
}

TEST_F(StoryPageTest, APagePaintsItsBackgroundBustsWindowAndOutlinedText) {
  const QImage empty = shot();
  EXPECT_EQ(outlinedTextPixels(empty, QRect(50, 440, 700, 130)), 0);
  play(100);
  toTextPage(2);  // くらたん has come in
  const QImage page2 = shot();
  EXPECT_GT(colourCount(page2), 500);
  EXPECT_GT(outlinedTextPixels(page2, QRect(50, 440, 690, 130)), 150) << "three lines of text";
  EXPECT_GT(outlinedTextPixels(page2, QRect(45, 385, 200, 40)), 20) << "the speaker's name";
  EXPECT_GT(outlinedTextPixels(page2, QRect(705, 530, 40, 40)), 3) << "▼";

  // The backlog shows the page before it under a lighter window, marked "log".
  QWheelEvent up(QPointF(400, 300), QPointF(400, 300), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                 Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(page.get(), &up);
  settle();
  EXPECT_EQ(page->player()->state(), story::StoryState::Backlog);
  const QImage log = shot();
  EXPECT_NE(log, page2);
  EXPECT_GT(outlinedTextPixels(log, QRect(695, 530, 70, 40)), 3) << "log";
  click();
  settle();
  EXPECT_EQ(shot(), page2) << "a click returns to the page being read";
}

TEST_F(StoryPageTest, TheFrameColourChangesTheMessageWindow) {
  play(100);
  toTextPage(1);
  const QRgb red = shot().pixel(400, 585);
  page->setFrameColour(3);
  const QRgb blue = shot().pixel(400, 585);
  EXPECT_GT(qRed(red), qBlue(red));
  EXPECT_GT(qBlue(blue), qRed(blue));
}

TEST_F(StoryPageTest, CreditsRollRisesWithItsMusicAndEndsOnClickOrEscape) {
  for (const bool byEscape : {false, true}) {
    bool done = false;
    sound.tracks.clear();
    page->playCredits([&] { done = true; });
    EXPECT_TRUE(page->playingCredits());
    EXPECT_EQ(sound.tracks, std::vector<int>{Music::kCredits});
    page->advanceFrame();
    EXPECT_GT(colourCount(shot()), 50) << "the background under the roll";
    EXPECT_FALSE(done);
    if (byEscape) key(Qt::Key_Escape);
    else click();
    EXPECT_TRUE(done);
    EXPECT_FALSE(page->playingCredits());
  }
}

TEST(CreditsLines, StaffThenTheCreditsFileThenTheEnd) {
  const auto lines = creditsLines(
      "Sorvane\r\n\r\n― 絵 / Art ―\r\n\r\nSilhouettes:\r\ngame-icons.net\r\n"
      "https://creativecommons.org/licenses/by/3.0/\r\n");
  ASSERT_GT(lines.size(), 10u);
  EXPECT_EQ(lines.front().text, QStringLiteral("Sorvane"));
  EXPECT_EQ(lines.back().text, QStringLiteral("おしまい"));
  std::vector<std::pair<RollKind, QString>> fromFile;
  bool inFile = false;
  for (const RollLine& l : lines) {
    if (l.text == QStringLiteral("素材")) inFile = true;
    else if (inFile && l.kind != RollKind::Gap && l.kind != RollKind::Title) fromFile.emplace_back(l.kind, l.text);
  }
  const std::vector<std::pair<RollKind, QString>> expected = {
      {RollKind::Heading, QStringLiteral("― 絵 / Art ―")},
      {RollKind::Label, QStringLiteral("Silhouettes:")},
      {RollKind::Text, QStringLiteral("game-icons.net")},
      {RollKind::Link, QStringLiteral("https://creativecommons.org/licenses/by/3.0/")}};
  EXPECT_EQ(fromFile, expected);
}

TEST(StoryPictures, MergeAlphaTakesTheMasksBlueAndLeavesWhatItDoesNotCoverClear) {
  QImage colour(3, 2, QImage::Format_RGB32);
  colour.fill(qRgb(200, 100, 50));
  QImage mask(2, 1, QImage::Format_RGB32);
  mask.setPixel(0, 0, qRgb(0, 0, 255));
  mask.setPixel(1, 0, qRgb(255, 255, 0));  // only the blue channel counts
  const QImage merged = mergeAlpha(colour, mask).convertToFormat(QImage::Format_ARGB32);
  EXPECT_EQ(merged.size(), colour.size());
  EXPECT_EQ(merged.pixel(0, 0), qRgba(200, 100, 50, 255));
  EXPECT_EQ(qAlpha(merged.pixel(1, 0)), 0);
  EXPECT_EQ(qAlpha(merged.pixel(2, 0)), 0) << "right of the mask";
  EXPECT_EQ(qAlpha(merged.pixel(0, 1)), 0) << "below the mask";
}

TEST(StoryPictures, ASceneReadsTheFacesItPlacesAndNoOthers) {
  // Scene 15 declares five characters of up to six faces and places eight of them.
  const std::string dir = findGameDir();
  const story::SceneScript scene = story::LoadSceneScript(dir + "dat.qda", 15, {});
  std::set<std::pair<int, int>> placed;
  for (const std::string& line : scene.script.lines)
    for (const story::Placement& p : story::ParseLine(line).placements) placed.insert({p.character, p.expression});
  ASSERT_FALSE(placed.empty());
  StoryPictures pictures(dir);
  pictures.openScene(scene.script);
  EXPECT_TRUE(pictures.problems().empty());
  int read = 0;
  for (int c : scene.script.header.characters)
    for (int e = 0; e < story::StoryCharacters()[std::size_t(c)].expressions; ++e) {
      const bool shown = placed.contains({c, e});
      EXPECT_EQ(!pictures.portrait(c, e).isNull(), shown) << "character " << c << " face " << e;
      read += shown;
    }
  EXPECT_GT(read, 1);
  pictures.release();
  EXPECT_TRUE(pictures.portrait(placed.begin()->first, placed.begin()->second).isNull());
}

TEST(OutlinedText, ALineDrawsTheSameAfterManyOthersHaveComeAndGone) {
  // More lines than the kept pictures hold, so the first is made again.
  const OutlinedStyle style{storyFont(28), Qt::white, QColor(80, 80, 80), 2};
  auto draw = [&](const QString& text) {
    QImage page(760, 60, QImage::Format_ARGB32_Premultiplied);
    page.fill(Qt::black);
    QPainter p(&page);
    drawOutlinedText(p, QPointF(4, 4), text, style);
    return page;
  };
  const QString first = QStringLiteral("一行目の長い台詞が、ここに書かれています。");
  const QImage before = draw(first);
  for (int i = 0; i < 120; ++i) draw(first + QString::number(i));
  EXPECT_EQ(draw(first), before);
  forgetOutlinedText();
  EXPECT_EQ(draw(first), before);
}

TEST(ReadPagesFile, KeepsWellFormedLinesAndPassesOverTheRest) {
  const story::ReadPages pages = parseReadPages("100 3\r\n0 12\r\nx 4\r\n5\r\n7 -2\r\n\r\n15 40 9\r\n");
  EXPECT_EQ(pages, (story::ReadPages{{100, 3}, {0, 12}}));
  EXPECT_EQ(parseReadPages(formatReadPages(pages)), pages);
}

}  // namespace
}  // namespace sorvane::testing
