// The minimap: the whole map at 9 pixels a cell, with team marks, the zones
// of control of both teams outlined, and the part the battlefield shows.
// A click or a drag scrolls the battlefield there.
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

#include "data/grid.h"
#include "view/battle_art.h"

class QPainter;

namespace sorvane {

class Battle;

// Cells within each team's zone of control (the units on the field, their
// ZOC capped at 5), as the minimap outlines them.
struct ZoneCells {
  Grid<byte> team1{}, team2{};
};
ZoneCells zonesOfControl(const Battle& b);

class MinimapView : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kMini = 9;

  MinimapView(const Battle& battle, const BattleArt& art, QWidget* parent = nullptr);
  // Paints the map again from the state (miniMapPaint).
  void refresh();
  // The battlefield's visible part, in battlefield pixels.
  void setVisiblePart(QRect part);

 signals:
  void cellPressed(Qt::MouseButton button, int x, int y);
  void cellDragged(int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void paintMap(QPainter& p);

  const Battle& battle_;
  const BattleArt& art_;
  QRect visible_;
  QImage picture_;
};

}  // namespace sorvane
