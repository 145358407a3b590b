// The formation lists (編成セーブ / 編成ロード) over the preparation page's
// board: twenty rows with each stored party's seven icons; a left click
// stores into or loads from that row, a right click closes the list.
#pragma once

#include <functional>

#include <QScrollArea>

#include "campaign/formations.h"
#include "data/deta.h"

namespace sorvane {

class BattleArt;

class FormationPanel : public QScrollArea {
  Q_OBJECT

 public:
  FormationPanel(const Tdeta& d, const BattleArt& art, QWidget* parent);
  // Draws the list for storing (or loading) from the file's formations.
  void refresh(bool storing, const std::array<Formation, kFormationCount>& formations);
  bool storing() const { return storing_; }

  std::function<void(int row)> onRow;
  std::function<void()> onClose;

 private:
  const Tdeta& d_;
  const BattleArt& art_;
  bool storing_ = true;
};

}  // namespace sorvane
