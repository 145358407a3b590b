#include "app/story_page.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <utility>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QWheelEvent>

#include "app/credits_roll.h"
#include "app/game_dialog.h"
#include "app/outlined_text.h"
#include "app/read_pages_file.h"
#include "data/game_dir.h"
#include "story/scene_numbers.h"
#include "view/view_style.h"

namespace sorvane {
namespace {

constexpr int kWheelStep = 120;      // one notch of an ordinary wheel
constexpr int kCreditsFrameMs = 16;  // the roll rises smoothly
constexpr char kCreditsBackdrop[] = "haikei13.png";

const QString kSkipQuestion = QStringLiteral("お話を飛ばします。よろしいですか？");

// What follows a scene at its place in the story, for a scene that cannot be read.
story::FollowUp followUpOfPlace(int scene) {
  for (const story::scenes::SceneUse& use : story::scenes::AllScenes())
    if (use.scene == scene) return use.followUp;
  return story::FollowUp::None;
}

std::string readWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

QPushButton* makeLabel(const QString& caption, QWidget* parent) {
  auto* label = new QPushButton(caption, parent);
  label->setFocusPolicy(Qt::NoFocus);
  label->setCursor(Qt::PointingHandCursor);
  label->setFont(style::font(14, true));
  label->setStyleSheet(QStringLiteral(
      "QPushButton { color: #e8e4d8; background: rgba(20, 24, 32, 110); border: 1px solid rgba(216, 180, 90, 150);"
      " border-radius: 4px; padding: 1px 8px; }"
      "QPushButton:hover { color: #ffffff; background: rgba(216, 180, 90, 120); border-color: #d8b45a; }"
      "QPushButton:pressed { background: rgba(216, 180, 90, 180); }"));
  return label;
}

}  // namespace

StoryPage::StoryPage(QWidget* parent, SoundOutput& sound, std::string gameDir)
    : QWidget(parent),
      gameDir_(gameDir.empty() ? findGameDir() : std::move(gameDir)),
      sound_(sound),
      storySound_(sound),
      pictures_(gameDir_),
      painter_(pictures_),
      readFile_(defaultReadPagesFile()),
      frameTimer_(new QTimer(this)),
      ctrlTimer_(new QTimer(this)),
      creditsTimer_(new QTimer(this)) {
  setFixedSize(800, 600);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  frame_.blank = true;
  pictures_.setFrameColour(0);
  read_ = loadReadPages(readFile_);
  readSaved_ = read_.size();

  frameTimer_->setInterval(story::StoryPlayer::kTickMs);
  frameTimer_->setTimerType(Qt::PreciseTimer);
  connect(frameTimer_, &QTimer::timeout, this, &StoryPage::frameTick);
  ctrlTimer_->setInterval(story::StoryPlayer::kCtrlMs);
  connect(ctrlTimer_, &QTimer::timeout, this, &StoryPage::ctrlTick);
  creditsTimer_->setInterval(kCreditsFrameMs);
  creditsTimer_->setTimerType(Qt::PreciseTimer);
  connect(creditsTimer_, &QTimer::timeout, this, &StoryPage::creditsTick);

  // In the message window's upper right corner, clear of the speaker's name.
  configLabel_ = makeLabel(QStringLiteral("コンフィグ"), this);
  configLabel_->setGeometry(604, 392, 88, 26);
  skipLabel_ = makeLabel(QStringLiteral("スキップ"), this);
  skipLabel_->setGeometry(698, 392, 76, 26);
  connect(configLabel_, &QPushButton::clicked, this, &StoryPage::settingsClicked);
  connect(skipLabel_, &QPushButton::clicked, this, &StoryPage::askSkip);
  showLabels(false);
}

StoryPage::~StoryPage() {
  stopScene();  // a scene still open takes its looping effect along
  keepReadPages();
}

// --- Scenes --------------------------------------------------------------------------

void StoryPage::playScene(int scene, std::function<void(story::FollowUp)> done) {
  playScene(scene, story::ScenePlayer{}, std::move(done));
}

void StoryPage::playScene(int scene, story::ScenePlayer who, std::function<void(story::FollowUp)> done) {
  stopScene();
  if (roll_) {
    creditsTimer_->stop();
    roll_.reset();
    creditsDone_ = nullptr;
  }
  story::SceneScript loaded;
  try {
    loaded = story::LoadSceneScript(gameDir_ + "dat.qda", scene, who);
  } catch (const std::exception& e) {
    frame_ = {};
    frame_.blank = true;
    update();
    ask(QString::fromUtf8(e.what()), false);
    if (done) done(followUpOfPlace(scene));
    return;
  }
  pictures_.openScene(loaded.script);
  sceneDone_ = std::move(done);
  player_ = std::make_unique<story::StoryPlayer>(loaded.entry.readKey, std::move(loaded.script), storySound_, settings_,
                                                 &read_);
  player_->start();
  wheelRest_ = 0;
  showLabels(true);
  setFocus();
  sync();
}

void StoryPage::stopScene() {
  frameTimer_->stop();
  setCtrl(false);
  if (!player_) return;
  keepReadPages();
  if (!player_->ended()) storySound_.stopEffect(2, false);  // a looping effect ends with its scene
  player_.reset();
  sceneDone_ = nullptr;
  pictures_.release();
}

void StoryPage::sync() {
  if (!player_) return;
  frame_ = player_->frame();
  update();
  if (player_->ended()) {
    finishScene();
    return;
  }
  if (player_->ticking() && !asking_ && !frameTimer_->isActive()) frameTimer_->start();
}

void StoryPage::frameTick() {
  if (!player_ || asking_) {
    frameTimer_->stop();
    return;
  }
  frame_ = player_->tick();
  update();
  if (player_->ended()) {
    finishScene();
    return;
  }
  if (!player_->ticking()) frameTimer_->stop();
}

void StoryPage::finishScene() {
  const story::FollowUp followUp = player_->followUp();
  auto done = std::exchange(sceneDone_, nullptr);
  stopScene();
  showLabels(false);
  frame_ = {};
  frame_.blank = true;
  update();
  if (done) done(followUp);
}

void StoryPage::keepReadPages() {
  if (read_.size() == readSaved_) return;
  // A page read but not written down only costs the reader a slower Ctrl next time.
  if (saveReadPages(readFile_, read_)) readSaved_ = read_.size();
}

void StoryPage::setFrameColour(int colour) {
  pictures_.setFrameColour(colour);
  update();
}

void StoryPage::setReaderSettings(const story::StorySettings& settings) {
  settings_ = settings;
  if (player_) {
    player_->setSettings(settings);
    sync();
  }
}

void StoryPage::setReadPagesFile(std::filesystem::path file) {
  keepReadPages();
  readFile_ = std::move(file);
  read_ = loadReadPages(readFile_);
  readSaved_ = read_.size();
}

void StoryPage::setOpenSettings(std::function<void()> open) {
  openSettings_ = std::move(open);
  showLabels(player_ != nullptr);
}

void StoryPage::showLabels(bool sceneOn) {
  skipLabel_->setVisible(sceneOn);
  configLabel_->setVisible(sceneOn && openSettings_);
}

bool StoryPage::ask(const QString& text, bool question) {
  if (dialog) return dialog(text, question);
  GameDialog box(text, question, window());
  return box.exec() == QDialog::Accepted;
}

void StoryPage::askSkip() {
  if (!player_ || player_->ended() || player_->inputLocked() || asking_) return;
  const story::StoryPlayer* asked = player_.get();
  setCtrl(false);
  sound_.effect(Sound::Open);
  asking_ = true;
  frameTimer_->stop();  // the page holds still while the question is open
  const bool yes = ask(kSkipQuestion, true);
  asking_ = false;
  if (player_.get() != asked) return;  // the page moved on meanwhile
  sound_.effect(yes ? Sound::Confirm : Sound::Cancel);
  if (yes) player_->skip();
  sync();
}

void StoryPage::settingsClicked() {
  if (!player_ || !openSettings_) return;
  sound_.effect(Sound::Open);
  setCtrl(false);
  player_->settingsOpening();
  sync();
  openSettings_();
  sync();
}

// --- Input -----------------------------------------------------------------------------

void StoryPage::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (roll_) {
    finishCredits();
    return;
  }
  if (!player_ || event->button() != Qt::LeftButton) return;
  player_->click();
  sync();
}

void StoryPage::wheelEvent(QWheelEvent* event) {
  event->accept();
  if (!player_) return;
  wheelRest_ += event->angleDelta().y();
  while (player_ && wheelRest_ >= kWheelStep) {
    wheelRest_ -= kWheelStep;
    player_->wheelUp();
    sync();
  }
  while (player_ && wheelRest_ <= -kWheelStep) {
    wheelRest_ += kWheelStep;
    player_->wheelDown();
    sync();
  }
}

void StoryPage::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (roll_) {
    if (key == Qt::Key_Escape) finishCredits();
    return;
  }
  if (!player_) {
    QWidget::keyPressEvent(event);
    return;
  }
  switch (key) {
    case Qt::Key_Control:
      if (!event->isAutoRepeat()) setCtrl(true);
      break;
    case Qt::Key_Escape:
      if (player_->state() == story::StoryState::Backlog) {
        player_->click();  // back to the page being read
        sync();
      } else {
        askSkip();
      }
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      player_->click();
      sync();
      break;
    default: QWidget::keyPressEvent(event);
  }
}

void StoryPage::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Control && !event->isAutoRepeat()) setCtrl(false);
  QWidget::keyReleaseEvent(event);
}

void StoryPage::focusOutEvent(QFocusEvent* event) {
  setCtrl(false);  // its release would go elsewhere
  QWidget::focusOutEvent(event);
}

void StoryPage::showEvent(QShowEvent* event) {
  // The keys (Ctrl, Esc, Enter) come to the page whenever it is shown with something playing.
  if (player_ || roll_) setFocus();
  QWidget::showEvent(event);
}

void StoryPage::hideEvent(QHideEvent* event) {
  setCtrl(false);
  if (!event->spontaneous()) forgetOutlinedText();
  QWidget::hideEvent(event);
}

void StoryPage::setCtrl(bool held) {
  if (held == ctrlHeld_) return;
  ctrlHeld_ = held;
  if (player_) player_->setCtrlHeld(held);
  if (held) {
    ctrlTimer_->start();
    ctrlTick();  // the first step at once, then about eight a second
  } else {
    ctrlTimer_->stop();
  }
}

void StoryPage::ctrlTick() {
  if (!player_ || asking_) return;
  player_->ctrl();
  sync();
}

void StoryPage::advanceFrame() {
  if (roll_) creditsTick();
  else if (player_) frameTick();
}

// --- Credits ---------------------------------------------------------------------------

void StoryPage::playCredits(std::function<void()> done) {
  stopScene();
  showLabels(false);
  std::string file = readWholeFile(gameDir_ + "CREDITS.txt");
  roll_ = std::make_unique<CreditsRoll>(creditsLines(file), pictures_.load(kCreditsBackdrop));
  creditsDone_ = std::move(done);
  creditsOffset_ = 0;
  sound_.music(Music::credits());
  creditsClock_.start();
  creditsTimer_->start();
  setFocus();
  update();
}

void StoryPage::creditsTick() {
  if (!roll_) return;
  const qint64 ms = creditsClock_.elapsed();
  creditsOffset_ = roll_->offsetAt(ms);
  update();
  if (ms >= roll_->endMs()) finishCredits();
}

void StoryPage::finishCredits() {
  creditsTimer_->stop();
  roll_.reset();
  frame_ = {};
  frame_.blank = true;
  update();
  if (auto done = std::exchange(creditsDone_, nullptr)) done();
}

// --- Painting ---------------------------------------------------------------------------

void StoryPage::paintEvent(QPaintEvent*) {
  QElapsedTimer clock;
  clock.start();
  QPainter painter(this);
  if (roll_) roll_->paint(painter, creditsOffset_);
  else painter_.paint(painter, frame_);
  painter.end();
  paintNsMax_ = std::max(paintNsMax_, clock.nsecsElapsed());
  paintNsAll_ += clock.nsecsElapsed();
  ++paints_;
}

}  // namespace sorvane
