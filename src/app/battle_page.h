// The battle page: the battlefield in its 600 x 480 view, the minimap, the
// unit and skill panels, the creature list with its switches, the phase,
// weather and element-field labels, and the buttons that end the phase,
// take back a move and give up. Mouse presses go to the command flow; the
// presenter draws the animations on the page's views.
#pragma once

#include <array>

#include <QWidget>

#include "app/command_flow.h"
#include "app/command_menu.h"
#include "view/board_marks.h"

class QLabel;
class QPushButton;
class QToolButton;
class QMenu;

namespace sorvane {

class BattleArt;
class BattlefieldView;
class CreatureList;
class GameSession;
class MinimapView;
class SkillPanel;
class StatusPanel;
struct Settings;

class BattlePage : public QWidget {
  Q_OBJECT

 public:
  BattlePage(GameSession& session, const BattleArt& art, QWidget* parent = nullptr);

  Battle& battle();
  const BattleArt& art() const { return art_; }
  BattlefieldView& battlefield() { return *field_; }
  MinimapView& minimap() { return *minimap_; }
  StatusPanel& statusPanel() { return *status_; }
  SkillPanel& skillPanel() { return *skillPanel_; }
  CreatureList& creatureList() { return *list_; }
  CommandFlow& flow() { return flow_; }
  BoardMarks& marks() { return marks_; }
  // The command menu shown last (null when none is open).
  QMenu* openMenu() const { return menu_; }

  // Everything painted again from the state (after a set-up or a page switch).
  void refreshAll();
  void refreshLabels();
  // Locks the player's controls while rules run.
  void setInputLocked(bool locked);
  bool inputLocked() const { return locked_; }
  // The view scrolled: the minimap shows the new visible part.
  void viewMoved();
  // The view jumps to the player's master (a battle is set up).
  void centreOnMaster();
  // The creature list's marks and tab as the settings hold them. The tab the
  // player picks is written back into the campaign's settings.
  void applyListSettings(const Settings& settings);
  // Shows list mode `tab` (0..2) with its switch pressed, without a sound.
  void showListTab(int tab);
  QToolButton* listTabButton(int tab) const { return tabButtons_[std::size_t(tab)]; }

  // The "設定" button: the window shows its choices at `at` (global position).
  std::function<void(QPoint at)> openSettings;

  // Keyboard and button actions (also bound to keys).
  void endPhase();
  void surrender();
  void undo();
  void cancel();          // as a right press
  void nextUnit();        // the next own unit that can still act
  void toggleThreats();   // every opponent's reach at once

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void fieldPressed(Qt::MouseButton button, int x, int y);
  void minimapPressed(Qt::MouseButton button, int x, int y);
  void listPressed(Qt::MouseButton button, int u);
  void popUpMenu(int u);
  void centreOn(int x, int y);
  void order(const std::function<void()>& call);
  void updateButtons();
  void updatePreview();
  void computeThreats();
  void warmUpFonts();
  QToolButton* switchButton(const QString& text, const QString& tip, int top);

  GameSession& session_;
  const BattleArt& art_;
  BoardMarks marks_;
  BattlefieldView* field_;
  MinimapView* minimap_;
  StatusPanel* status_;
  SkillPanel* skillPanel_;
  CreatureList* list_;
  QLabel* phase_;
  QLabel* weather_;
  QLabel* field1_;
  QLabel* field2_;
  QPushButton* endButton_;
  QPushButton* undoButton_;
  QPushButton* giveButton_;
  QPushButton* settingsButton_;
  std::array<QToolButton*, 3> tabButtons_{};
  QMenu* menu_ = nullptr;
  CommandFlow flow_;
  bool locked_ = false;
};

}  // namespace sorvane
