// The battlefield: the 1080 x 840 picture of the map seen through a 600 x 480
// view at the top left of the battle page. Scrolls with the minimap, by
// dragging with the left button and with the wheel; carries the overlays of
// the animations (a cell being animated, a floating text, a banner). The
// picture is let go while the battle page is hidden and made again by the
// next refresh.
#pragma once

#include <QImage>
#include <QPoint>
#include <QStringList>
#include <QWidget>

#include "view/battle_art.h"
#include "view/board_marks.h"
#include "view/banner_view.h"
#include "view/floating_text.h"

namespace sorvane {

class Battle;

class BattlefieldView : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kViewWidth = 600, kViewHeight = 480;

  BattlefieldView(const Battle& battle, const BattleArt& art, const BoardMarks& marks, QWidget* parent = nullptr);

  // Paints the picture again from the state (MapPaint).
  void refresh();
  const QImage& picture() const { return picture_; }

  QPoint scrollPos() const { return scroll_; }
  void setScrollPos(QPoint pos);
  static QPoint maxScroll() { return {1080 - kViewWidth, 840 - kViewHeight}; }
  // Where the view goes to show cell (x, y): centred, clamped at the edges.
  static QPoint scrollTarget(int x, int y);
  // The cell lies comfortably inside the view (or touches the edge of a fully scrolled view).
  bool comfortablyVisible(int x, int y) const;

  // Animation overlays, in picture coordinates; an empty image clears.
  void setCellOverlay(QPoint at, const QImage& image);
  void setFloatingText(const FloatingLabel& label);  // an empty text clears
  void setBanner(const BannerLabel& label);          // an empty text clears
  // The forecast box of the confirmation step, one line per unit touched; empty hides it.
  void setPreview(const QStringList& lines);

 signals:
  void cellPressed(Qt::MouseButton button, int x, int y);
  void wheelTurned(bool up);
  void scrolled();  // the player dragged the picture

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void paintPreview(QPainter& p);

  const Battle& battle_;
  const BattleArt& art_;
  const BoardMarks& marks_;
  QImage picture_;
  QPoint scroll_;
  QPoint dragAnchor_;  // press position in picture coordinates
  QPoint overlayAt_;
  QImage overlay_;
  FloatingLabel floating_;
  BannerLabel banner_;
  QStringList preview_;
};

}  // namespace sorvane
