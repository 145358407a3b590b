// The creature list along the bottom of the battle page: the master and the
// six creatures of one side, each with its picture, name and three lines of
// values in one of three modes (HP/SP/state, attack/defence/magic bars,
// statuses). The side switch skips sides without units. The spent-action
// quarters and the HP/SP bars over the portraits are the player's choice.
#pragma once

#include <vector>

#include <QWidget>

#include "view/battle_art.h"
#include "view/panel_text.h"

namespace sorvane {

class Battle;

class CreatureList : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kSlots = 7;
  static constexpr int kSlotStep = 70;

  CreatureList(const Battle& battle, const BattleArt& art, QWidget* parent = nullptr);

  void refresh() { update(); }
  int listBase() const { return listBase_; }
  int listMode() const { return listMode_; }
  void nextSide();
  void setListMode(int mode);
  // Whether a unit's slot is shown (enemy creatures in hand stay secret).
  bool slotShown(int u) const;

  // The marks the settings ask for over the portraits (both off by default).
  void setMarks(bool spent, bool hpSp);
  // Whether u's portrait carries its spent-action quarters (a unit on the
  // field whose side is in its phase) and its HP/SP bars (a unit on the field).
  bool marksSpent(int u) const;
  bool showsBars(int u) const;

 signals:
  void unitPressed(Qt::MouseButton button, int u);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void paintSlot(QPainter& p, int slot, int u);

  const Battle& battle_;
  const BattleArt& art_;
  int listBase_ = 0;
  int listMode_ = 0;
  bool listSpent_ = false, listHpSp_ = false;
};

// The text bar of list mode 1: "攻_45llll".
QString statBar(const QString& letter, i32 value);

}  // namespace sorvane
