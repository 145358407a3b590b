#include "app/formation_panel.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "app/shell_art.h"
#include "view/battle_art.h"
#include "view/view_style.h"

namespace sorvane {

namespace {

constexpr int kRow = 70;

class RowPicker : public QLabel {
 public:
  std::function<void(int row)> onLeft;
  std::function<void()> onRight;

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::RightButton && onRight) onRight();
    if (event->button() == Qt::LeftButton && onLeft) onLeft(int(event->position().y()) / kRow);
  }
};

}  // namespace

FormationPanel::FormationPanel(const Tdeta& d, const BattleArt& art, QWidget* parent)
    : QScrollArea(parent), d_(d), art_(art) {
  auto* page = new RowPicker;
  page->onLeft = [this](int row) {
    if (row >= 0 && row < kFormationCount && onRow) onRow(row);
  };
  page->onRight = [this] {
    if (onClose) onClose();
  };
  setWidget(page);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setStyleSheet(QStringLiteral("QScrollArea { border: 2px solid #d8b45a; background: #fffbf0; }"));
}

void FormationPanel::refresh(bool storing, const std::array<Formation, kFormationCount>& formations) {
  storing_ = storing;
  QImage image(344, kRow * kFormationCount, QImage::Format_ARGB32_Premultiplied);
  image.fill(shell::kCream);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor band = storing ? QColor(235, 245, 255) : QColor(255, 235, 245);
  for (int k = 0; k < kFormationCount / 2; ++k) p.fillRect(QRect(0, 140 * k + 65, 344, 70), band);
  p.setFont(style::font(18, true));
  p.setPen(storing ? QColor(141, 219, 246).darker(120) : QColor(246, 140, 196).darker(115));
  for (int r = 0; r < kFormationCount; ++r) {
    p.drawText(QPoint(0, kRow * r + 38), QString::number(r));
    const Formation shown = shownFormation(formations[std::size_t(r)], d_);
    for (int i = 0; i < 7; ++i) {
      const i32 entry = shown.units[std::size_t(i)];
      const QImage& icon = art_.bitmap(d_.creatures[std::size_t(entry)].G);
      p.drawImage(QRect(46 * i + 22, kRow * r + 5, 46, 60), icon, QRect(7, 0, 46, 60));
    }
  }
  p.end();
  auto* page = static_cast<QLabel*>(widget());
  page->setPixmap(QPixmap::fromImage(image));
  page->resize(image.size());
  verticalScrollBar()->setValue(0);
}

}  // namespace sorvane
