// The game's main paths through the window: a new game to its first battle,
// saving and loading, a damaged save, and the settings kept across a restart.
#include <cstdlib>

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "app/preparation_page.h"
#include "app/settings_dialog.h"
#include "campaign/settings.h"
#include "campaign/user_files.h"
#include "shell_fixture.h"

namespace sorvane::testing {
namespace {

using ShellTest = ShellFixture;

TEST_F(ShellTest, NewGameLeadsThroughPreparationIntoTheFirstBattle) {
  EXPECT_EQ(window->page(), Page::Title);
  shell->newGame(2, 0);  // 狩人
  EXPECT_EQ(window->page(), Page::Preparation);
  EXPECT_EQ(s().D->k[0].Type, masterEntry(0, 2));
  EXPECT_EQ(s().D->k[1].Type, 25);
  EXPECT_EQ(s().D->k[2].Type, 92);
  EXPECT_EQ(shell->preparation().shownEntry(), masterEntry(0, 2));

  shell->preparation().button(QStringLiteral("進む"))->click();
  EXPECT_EQ(window->page(), Page::Battle);
  EXPECT_EQ(s().storyBattle, 1);
  EXPECT_EQ(session->battle().battleResult, 0);
  EXPECT_TRUE(std::filesystem::exists(folders.saveFolder / "autosave.dat"));
}

TEST_F(ShellTest, LoadingASaveBringsBackThePreparationScreen) {
  shell->newGame(0, 0);
  PreparationPage& prep = shell->preparation();
  prep.methodBox()->setCurrentIndex(1);  // 魔法円召喚
  session->campaign().BP = 321;
  prep.refreshAll();
  shell->saveTo(3);
  const QString bp = prep.bpLabel()->text();

  session->campaign().BP = 5;
  prep.methodBox()->setCurrentIndex(0);
  s().SetK(1, 0, 0);
  prep.refreshAll();
  shell->loadFrom(3);

  EXPECT_EQ(prep.bpLabel()->text(), bp);
  EXPECT_EQ(prep.methodBox()->currentIndex(), 1);
  EXPECT_EQ(s().D->k[1].Type, 25);
  EXPECT_EQ(session->campaign().currentSlot, 3);
  EXPECT_EQ(window->page(), Page::Preparation);
}

TEST_F(ShellTest, ADamagedSaveShowsItsNumberAndChangesNothing) {
  shell->newGame(0, 0);
  shell->saveTo(2);
  // Level field of entry 1 no longer a multiple of its factor.
  auto lines = fileLines(*readUserFile(folders.slotFile(2)));
  lines[1] = "7" + lines[1].substr(1);
  writeUserFileAtomically(folders.slotFile(2), joinFileLines(lines));

  session->campaign().BP = 77;
  s().SetK(2, 0, 0);
  PreparationPage& prep = shell->preparation();
  prep.refreshAll();
  const QString bp = prep.bpLabel()->text();
  shell->loadFrom(2);

  EXPECT_TRUE(keeper.saw(QStringLiteral("エラー番号[")));
  EXPECT_EQ(prep.bpLabel()->text(), bp);
  EXPECT_EQ(s().D->k[2].Type, 0);
  EXPECT_EQ(s().D->k[1].Type, 25);
}

// Clicks option `option` of the settings dialog's box titled `title`.
void pick(QWidget* dialog, const QString& title, int option) {
  for (QGroupBox* box : dialog->findChildren<QGroupBox*>())
    if (box->title() == title) {
      const auto buttons = box->findChildren<QRadioButton*>();
      ASSERT_LT(option, buttons.size()) << title.toStdString();
      buttons[option]->click();
      return;
    }
  FAIL() << "no box " << title.toStdString();
}

TEST_F(ShellTest, TheSettingsDialogWritesConfigIniAndARestartReadsItBack) {
  QTimer::singleShot(50, [] {
    auto* dialog = qobject_cast<SettingsDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    const auto sliders = dialog->findChildren<QSlider*>();
    ASSERT_EQ(sliders.size(), 2);
    sliders[0]->setValue(20);
    sliders[1]->setValue(3);
    pick(dialog, QStringLiteral("フレーム色"), 3);    // 青
    pick(dialog, QStringLiteral("文字の速さ"), 2);    // 速い
    pick(dialog, QStringLiteral("オート送り"), 1);    // する
    pick(dialog, QStringLiteral("Ctrlの早送り"), 1);  // 未読も
    dialog->accept();
  });
  keeper.answerYes = true;
  shell->openSettings();
  EXPECT_EQ(loadSettings(folders.configFile).settings.musicVolume, 20);
  open();
  EXPECT_EQ(session->campaign().settings.musicVolume, 20);
  EXPECT_EQ(session->campaign().settings.effectVolume, 3);
  EXPECT_EQ(session->campaign().settings.frameColour, 3);
  // How the story is read reaches the story page after the restart too.
  const story::StorySettings& reading = shell->story().readerSettings();
  EXPECT_EQ(reading.bytesPerTick, 4);
  EXPECT_TRUE(reading.autoAdvance);
  EXPECT_TRUE(reading.ctrlSkipsUnread);
  EXPECT_TRUE(reading.skipStory);  // as the fixture left it
}

}  // namespace
}  // namespace sorvane::testing

namespace sorvane::testing {
namespace {

TEST_F(ShellTest, WinningTheLastStageRollsTheCreditsAndReturnsToTheTitle) {
  window->show();  // pages hidden and shown again let their pictures go and read them back
  const QPoint onBackdrop(700, 360);
  // The name fading in over it may differ by a step between the two looks.
  auto near = [](QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= 8 && std::abs(qGreen(a) - qGreen(b)) <= 8 && std::abs(qBlue(a) - qBlue(b)) <= 8;
  };
  const QRgb backdrop = window->grab().toImage().pixel(onBackdrop);
  shell->newGame(0, 0);
  s().storyStage = 14;
  shell->preparation().button(QStringLiteral("進む"))->click();
  ASSERT_EQ(window->page(), Page::Battle);
  session->battle().battleResult = 1;  // the stage is won with the next order
  session->run([] {});
  settle(50);
  EXPECT_EQ(window->page(), Page::Story);  // the credits roll until the player ends them
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&shell->story(), &escape);
  settle(50);
  EXPECT_EQ(window->page(), Page::Title);
  EXPECT_TRUE(near(window->grab().toImage().pixel(onBackdrop), backdrop)) << "the title's pictures are read again";
  EXPECT_EQ(s().D->jobOpen[0], 1);
  // The progress file holds the cleared job for the next start.
  open();
  EXPECT_EQ(s().D->jobOpen[0], 1);
}

}  // namespace
}  // namespace sorvane::testing
