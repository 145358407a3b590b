// The story page (page 1 of the window): plays a story scene, and the credits
// roll, which shares the page. A scene runs from the 30 ms frame timer; the
// left button, Enter or Space turn the page, the wheel pages through the log
// (up) and on (down), Ctrl held hurries through pages already read, and
// Escape or "スキップ" asks whether to skip the rest. The page only reports
// what the scene's header says follows; the caller moves the story on.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include <QElapsedTimer>
#include <QWidget>

#include "app/story_painter.h"
#include "app/story_pictures.h"
#include "app/story_sound_output.h"
#include "sound/sound_output.h"
#include "story/scene_variants.h"
#include "story/story_player.h"

class QPushButton;
class QTimer;

namespace sorvane {

class CreditsRoll;

class StoryPage : public QWidget {
  Q_OBJECT

 public:
  // Reads its scenes, pictures and credits from `gameDir` (the game's data folder when empty).
  StoryPage(QWidget* parent, SoundOutput& sound, std::string gameDir = {});
  ~StoryPage() override;

  // Plays scene `scene` as the player master `who` sees it: its variant for
  // that master when dat.qda holds one, else "story<scene>.dat". `done`
  // receives what its header says follows. A scene that cannot be read is
  // reported and ends at once with the follow-up its place in the story has.
  void playScene(int scene, story::ScenePlayer who, std::function<void(story::FollowUp)> done);
  // The plain scene, as `sorvane --scene N` shows it.
  void playScene(int scene, std::function<void(story::FollowUp)> done);
  // The credits roll with its music; a click or Escape ends it early.
  void playCredits(std::function<void()> done);

  // Message window colour 0..4 (赤, 黄, 緑, 青, 灰); other values read as 0.
  void setFrameColour(int colour);
  void setReaderSettings(const story::StorySettings& settings);
  const story::StorySettings& readerSettings() const { return settings_; }
  // Where the pages read are kept between runs (read from it at once).
  void setReadPagesFile(std::filesystem::path file);

  // "コンフィグ" opens the settings over the page; the label is hidden while unset.
  void setOpenSettings(std::function<void()> open);
  // The game's dialogs: a question (true: yes) or a message. Tests answer here.
  std::function<bool(const QString& text, bool question)> dialog;

  // What the review path and the tests look at.
  const story::StoryPlayer* player() const { return player_.get(); }
  bool playingCredits() const { return roll_ != nullptr; }
  const story::ReadPages& readPages() const { return read_; }
  // One step of whichever timer drives the page now.
  void advanceFrame();
  // The longest time one paint of the page took, and how many paints there were.
  double paintMsMax() const { return paintNsMax_ / 1e6; }
  double paintMsMean() const { return paints_ ? paintNsAll_ / 1e6 / paints_ : 0.0; }
  int paints() const { return paints_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void frameTick();
  void ctrlTick();
  void creditsTick();
  // After any input: the picture of the new state, the timer, the end.
  void sync();
  void finishScene();
  void finishCredits();
  void stopScene();
  void askSkip();
  void settingsClicked();
  void setCtrl(bool held);
  void showLabels(bool sceneOn);
  bool ask(const QString& text, bool question);
  void keepReadPages();

  std::string gameDir_;
  SoundOutput& sound_;
  StorySoundOutput storySound_;
  StoryPictures pictures_;
  StoryPainter painter_;
  story::StorySettings settings_;
  story::ReadPages read_;
  std::filesystem::path readFile_;
  std::size_t readSaved_ = 0;  // pages in the file when it was last written or read

  std::unique_ptr<story::StoryPlayer> player_;
  std::function<void(story::FollowUp)> sceneDone_;
  story::StoryFrame frame_;
  int wheelRest_ = 0;
  bool ctrlHeld_ = false;
  bool asking_ = false;

  std::unique_ptr<CreditsRoll> roll_;
  std::function<void()> creditsDone_;
  QElapsedTimer creditsClock_;
  double creditsOffset_ = 0;

  qint64 paintNsMax_ = 0, paintNsAll_ = 0;
  int paints_ = 0;

  QTimer* frameTimer_;
  QTimer* ctrlTimer_;
  QTimer* creditsTimer_;
  QPushButton* configLabel_;
  QPushButton* skipLabel_;
  std::function<void()> openSettings_;
};

}  // namespace sorvane
