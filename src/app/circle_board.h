// The preparation page's board: the master in the middle and the six magic
// circles around it, each holding its creature's medallion; the selected
// circle glows. Over it the large picture of a unit can be shown. By keys the
// arrows walk the selection to the neighbouring circle, Enter or Space press
// the selected circle again and Delete empties it, as the mouse would.
#pragma once

#include <functional>

#include <QImage>
#include <QWidget>

#include "data/syori.h"

namespace sorvane {

class BattleArt;

class CircleBoard : public QWidget {
  Q_OBJECT

 public:
  CircleBoard(const Tsyori& s, const BattleArt& art, QWidget* parent = nullptr);

  void setSelected(int slot) { selected_ = slot; update(); }
  void setExtraMode(bool extra) { extra_ = extra; update(); }
  // The large picture over the board; a null picture hides it.
  void showPicture(const QImage& picture) { picture_ = picture; update(); }
  bool pictureShown() const { return !picture_.isNull(); }

  // A press on circle 1..6 (or 0, the master), or -1 on the board itself.
  std::function<void(int slot, Qt::MouseButton button)> onPress;

  // The centre of circle `slot` (0 the master).
  static QPoint centre(int slot);
  // The circle an arrow key leads to from `slot`, or -1 when none lies that way.
  static int neighbour(int slot, int arrowKey);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  const Tsyori& s_;
  const BattleArt& art_;
  int selected_ = 0;
  bool extra_ = false;
  QImage picture_;
};

}  // namespace sorvane
