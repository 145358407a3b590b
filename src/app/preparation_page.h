// The preparation page between battles: the circle board with the master and
// six creatures, the row of seven icons, the status of the entry shown, its
// skills and abilities, the creature list with its element filters, BP, the
// summoning method, the job/character/extra-stage choices of the extra
// stages, and the buttons that lead on. Every change goes through the
// preparation operations, which ask, refuse and play their sounds, whether
// the player uses the mouse or the keys (Tab walks the board, the lists, the
// choices and the buttons; the widget with the keys wears a blue ring).
#pragma once

#include <array>
#include <functional>
#include <string>

#include <QWidget>

#include "campaign/preparation.h"

class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTextEdit;

namespace sorvane {

class BattleArt;
class CircleBoard;
class Presenter;

class PreparationPage : public QWidget {
  Q_OBJECT

 public:
  PreparationPage(Tsyori& s, Campaign& c, Presenter& screen, const BattleArt& art, std::string gameDir,
                  QWidget* parent = nullptr);

  // Everything read again from the game: after a battle, a load, a new game.
  void refreshAll();
  // The master selected and shown, the large picture hidden (a load, a new game).
  void reset();
  // Shows catalogue entry `entry` in the status, skill and ability lists.
  void showEntry(i32 entry, bool force = false);
  int selectedSlot() const { return selected_; }
  i32 shownEntry() const { return shown_; }

  // The area over the board where the records and formation lists open.
  QRect sideArea() const { return QRect(10, 10, 360, 480); }
  // Hides the large picture and any list over the board.
  std::function<void()> onCloseOverlays;

  // Buttons the shell answers (the point is where a menu should open).
  std::function<void()> onNext, onFree, onSettings, onTitle, onRecords, onFormationSave, onFormationLoad, onExport;
  std::function<void(QPoint)> onSave, onLoad;

  // For tests: the widgets by their role.
  QListWidget* creatureList() const { return creatures_; }
  QListWidget* skillList() const { return skills_; }
  QListWidget* abilityList() const { return abilities_; }
  QComboBox* methodBox() const { return method_; }
  QLabel* bpLabel() const { return bp_; }
  QPushButton* button(const QString& caption) const;
  CircleBoard& board() { return *board_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build();
  void buildKeys();
  // The keys of the lists, each doing what its click, double click or right click does.
  bool listKey(QObject* watched, const QKeyEvent& key);
  // Whether a list over the board (records, formations) hides it from the keys.
  bool boardCovered() const;
  void fillCreatureList(int filter);
  void creatureClicked(int row);
  void creatureDoubleClicked(int row);
  void skillClicked(int row);
  void skillDoubleClicked(int row);
  void abilityDoubleClicked(int row);
  void slotPressed(int slot, Qt::MouseButton button, bool icon);
  void showLargePicture(int slot);
  void fillCombos();
  void refreshIcons();
  QImage largePicture(i32 picture) const;

  Tsyori& s_;
  Campaign& c_;
  Presenter& screen_;
  const BattleArt& art_;
  std::string gameDir_;
  prep::Preparation prep_;

  int selected_ = 0;
  i32 shown_ = -1;
  int filter_ = 7;
  bool filling_ = false;  // combos being filled: their signals are not choices

  CircleBoard* board_;
  QFrame* boardFocus_;  // the ring round the board while it has the keys
  std::array<QPushButton*, 7> icons_{};
  QLabel* name_;
  QLabel* element_;
  QLabel* level_;
  std::array<QLabel*, 12> stats_{};
  QListWidget* skills_;
  QLabel* skillDetail_;
  QTextEdit* skillText_;
  QListWidget* abilities_;
  std::array<QPushButton*, 8> filters_{};
  QListWidget* creatures_;
  QLabel* bp_;
  QComboBox* method_;
  QLabel* methodText_;
  QComboBox* job_;
  QComboBox* character_;
  QComboBox* extraStage_;
  std::vector<QPushButton*> buttons_;
};

}  // namespace sorvane
