// The game from the title to the credits: builds the title, story and
// preparation pages into the window and leads from one to the next — the
// settings read at start and written at the end, the new game with its job
// dialog, the story scenes, the battles started from the preparation page
// (each after an autosave), what follows each battle, the save and load
// menus, the records and formation lists, the settings dialog and the credits.
#pragma once

#include <functional>
#include <string>

#include <QObject>
#include <QPoint>

#include "app/window_settings.h"
#include "campaign/settings.h"
#include "campaign/user_files.h"

namespace sorvane {

class BattleArt;
class FormationPanel;
class GameSession;
class MainWindow;
class PreparationPage;
class RecordsPanel;
class StoryPage;
class TitlePage;

class Shell : public QObject {
  Q_OBJECT

 public:
  Shell(MainWindow& window, GameSession& session, const BattleArt& art, WindowSettings& windowSettings,
        UserFolders folders, std::string gameDir);
  ~Shell() override;

  // Reads the settings and the progress file, places the window and shows the title.
  void start();
  // Writes the settings (the window's position included).
  void shutDown();

  // Filled by the audio: applies the volumes and music method of the settings.
  std::function<void(const Settings&)> applySound;
  // Filled by the audio when the music can be decoded up front.
  std::function<void()> preloadMusic;

  // What the player would do, for tests and the monkey.
  void newGame(int job, int character);
  void saveTo(int slot);
  void loadFrom(int slot);  // -1: the autosave
  void openSettings();
  void backToTitle();
  TitlePage& title() { return *title_; }
  PreparationPage& preparation() { return *prep_; }
  StoryPage& story() { return *story_; }
  const UserFolders& folders() const { return folders_; }
  // Set when the program ends on its own: no question before closing.
  bool quitting = false;
  // Whether there is progress since the last save or load.
  bool unsaved() const { return unsaved_; }

 private:
  void wire();
  void showTitle();
  void chooseJob();
  void playScene(int scene);
  void nextBattle(bool free);
  void afterBattle(int next);
  void slotMenu(bool saving, QPoint at);
  void toggleRecords();
  void toggleFormations(bool storing);
  void formationRow(int row);
  void closeOverlays();
  void applySettings();
  std::filesystem::path windowFile() const;
  void exportParty();
  void reportLoad(int error, const std::string& message, const std::string& progressMessage);

  MainWindow& window_;
  GameSession& session_;
  const BattleArt& art_;
  WindowSettings& windowSettings_;
  UserFolders folders_;
  std::string gameDir_;
  TitlePage* title_;
  StoryPage* story_;
  PreparationPage* prep_;
  RecordsPanel* records_;
  FormationPanel* formations_;
  bool unsaved_ = false;
  bool musicLoaded_ = false;
};

}  // namespace sorvane
