// The whole game in an offscreen window, from the title, with the player's
// files in a scratch folder and every question answered by a dialog keeper.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/game_dialog.h"
#include "app/game_session.h"
#include "app/main_window.h"
#include "app/shell.h"
#include "app/story_page.h"
#include "view/battle_art.h"

namespace sorvane::testing {

// Answers the modal dialogs that open while a test runs, remembering their texts.
class DialogKeeper {
 public:
  bool answerYes = true;
  std::vector<QString> texts;

  DialogKeeper() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
    timer_.start();
  }
  void answer() {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    auto* dialog = qobject_cast<GameDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) return;
    QString text;
    for (const QLabel* l : dialog->findChildren<QLabel*>()) text += l->text();
    texts.push_back(text);
    if (answerYes) dialog->accept();
    else dialog->reject();
  }
  bool saw(const QString& part) const {
    for (const QString& t : texts)
      if (t.contains(part)) return true;
    return false;
  }

 private:
  QTimer timer_;
};

class ShellFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    root = std::filesystem::temp_directory_path() /
           ("sorvane-shell-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(root);
    folders = UserFolders::inside(root);
    art = std::make_unique<BattleArt>(SORVANE_GAME_DIR);
    open();
  }
  // A fresh program over the same files, as a restart.
  void open() {
    shell.reset();
    window.reset();
    session = std::make_unique<GameSession>(SORVANE_GAME_DIR);
    settings = WindowSettings{};
    settings.speed = AnimationSpeed::Instant;
    settings.story.skipStory = true;  // these tests walk the campaign, not its scenes
    window = std::make_unique<MainWindow>(*session, *art, settings);
    shell = std::make_unique<Shell>(*window, *session, *art, settings, folders, SORVANE_GAME_DIR);
    shell->start();
  }
  void TearDown() override {
    shell.reset();
    window.reset();
    session.reset();
    std::filesystem::remove_all(root);
  }
  Tsyori& s() { return session->state(); }
  // Lets the window handle what is queued for `ms` milliseconds.
  static void settle(int ms = 30) {
    QTimer t;
    t.setSingleShot(true);
    QEventLoop loop;
    QObject::connect(&t, &QTimer::timeout, &loop, &QEventLoop::quit);
    t.start(ms);
    loop.exec();
  }

  std::filesystem::path root;
  UserFolders folders;
  DialogKeeper keeper;
  std::unique_ptr<BattleArt> art;
  std::unique_ptr<GameSession> session;
  WindowSettings settings;
  std::unique_ptr<MainWindow> window;
  std::unique_ptr<Shell> shell;
};

}  // namespace sorvane::testing
