// The game window: one 800 x 600 scene holding the title, story, preparation
// and battle pages, of which one is shown. It owns the game and switches
// pages; closing it unwinds whatever the game is doing and ends the program.
#pragma once

#include <functional>
#include <memory>

#include <QWidget>

#include "app/window_settings.h"

class QStackedWidget;

namespace sorvane {

class BattleArt;
class BattlePage;
class GameSession;
class PlaceholderPage;
class StoryPage;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  MainWindow(GameSession& session, const BattleArt& art, WindowSettings& settings, QWidget* parent = nullptr);
  ~MainWindow() override;

  void showPage(Page page);
  Page page() const;
  BattlePage& battlePage() { return *battle_; }
  StoryPage& storyPage() { return *story_; }

  // Starts `stage` in the battle page (its first phase runs from the event loop).
  void openBattle(i32 stage, std::uint32_t seed);
  // Runs once the first phase of a battle opened by openBattle has been played.
  std::function<void()> onBattleStarted;
  // Applies the speed and marking choices of the settings, and the creature
  // list's marks and tab from the campaign's settings.
  void applySettings();
  // Puts `widget` in place of the page shown for `which` (the window owns it).
  void setPage(Page which, QWidget* widget);
  // Runs after every page switch.
  std::function<void(Page)> onPageShown;
  // Asked before the window closes; false keeps it open.
  std::function<bool()> confirmClose;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void settingsMenu(QPoint at);

  GameSession& session_;
  WindowSettings& settings_;
  QStackedWidget* pages_;
  PlaceholderPage* title_;
  StoryPage* story_;
  PlaceholderPage* preparation_;
  BattlePage* battle_;
  std::uint32_t seed_ = 1;
};

}  // namespace sorvane
