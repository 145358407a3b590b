// The records view (戦歴) over the preparation page's board: the lifetime
// counters, the cleared jobs, the creature collection and the master
// characters with how each is unlocked. A right click closes it.
#pragma once

#include <functional>

#include <QScrollArea>

#include "data/deta.h"

namespace sorvane {

class BattleArt;
class RecordsSheet;

class RecordsPanel : public QScrollArea {
  Q_OBJECT

 public:
  RecordsPanel(const Tdeta& d, const BattleArt& art, QWidget* parent);
  // Draws the records as they stand now and scrolls to the top.
  void refresh();
  std::function<void()> onClose;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  const Tdeta& d_;
  RecordsSheet* sheet_;
};

}  // namespace sorvane
