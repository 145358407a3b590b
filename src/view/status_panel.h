// The right-hand panel: the portrait and values of one unit (name, element or
// job, level, HP, SP, stats with their modifiers, summon values, abilities,
// statuses with their hints), or the picture and values of one terrain.
#pragma once

#include <vector>

#include <QImage>
#include <QWidget>

#include "view/battle_art.h"
#include "view/panel_text.h"

namespace sorvane {

class Battle;
struct Tkst;

// The status codes of the panel, "[毒][凍2]…", with its line breaks.
QString statusCodes(const Tkst& unit);
// One hint line per status the unit has.
QString statusHints(const Tkst& unit);

class StatusPanel : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 195, kHeight = 432;

  StatusPanel(const Battle& battle, const BattleArt& art, QWidget* parent = nullptr);

  void showUnit(int u);          // a unit
  void showTerrain(int terrain); // the terrain of an empty cell
  void refresh() { update(); }   // the values shown changed
  int shownUnit() const { return unit_; }
  // The picture area, where the skill panel goes while a skill is chosen.
  static QRect pictureArea() { return {0, 0, kWidth, 206}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void paintUnit(QPainter& p);
  void paintTerrain(QPainter& p);

  const Battle& battle_;
  const BattleArt& art_;
  int unit_ = -1;
  int terrain_ = -1;
  QImage picture_;
  std::vector<HintRegion> hints_;
};

}  // namespace sorvane
