#include "app/records_panel.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include "app/shell_art.h"
#include "campaign/records_view.h"
#include "view/battle_art.h"
#include "view/view_style.h"

namespace sorvane {

namespace {

constexpr int kWidth = 343;
constexpr int kMarkPicture = 120;  // three 30 x 30 marks: defeated, acquired, summoned

}  // namespace

// The tall sheet inside the scroll box. It paints the records as it is
// exposed instead of keeping a picture of all of them, which would be
// several megabytes for a view the player opens now and then.
class RecordsSheet : public QWidget {
 public:
  RecordsSheet(const Tdeta& d, const BattleArt& art) : d_(d), art_(art) {}
  std::function<void()> onRight;

  void show(RecordsView view) {
    view_ = std::move(view);
    const int rows = int(view_.creatures.size()) + 1 + int(view_.characters.size());
    setFixedSize(kWidth, 480 + rows * 60 + 20);
    update();
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::RightButton && onRight) onRight();
  }
  void paintEvent(QPaintEvent* event) override;

 private:
  const Tdeta& d_;
  const BattleArt& art_;
  RecordsView view_;
};

void RecordsSheet::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.fillRect(event->rect(), shell::kCream);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const RecordsView& view = view_;
  const QColor grey(128, 128, 128);
  p.setPen(grey);
  p.setFont(style::font(16));
  for (const CounterRow& c : view.counters)
    p.drawText(QPoint(c.x, c.y + 17), style::text(c.label) + QString::number(c.value));
  p.setFont(style::font(14, true));
  p.drawText(QPoint(0, 423 + 16), QStringLiteral("全ｸﾘ職業"));
  for (const JobRow& j : view.jobs) {
    p.setPen(j.cleared ? QColor(200, 120, 40) : grey);
    p.drawText(QPoint(j.x, j.y + 16), style::text(j.text));
  }
  int y = 480;
  const QImage& marks = art_.bitmap(kMarkPicture);
  auto mark = [&](int which, int x, int at) {
    p.drawImage(QRect(x, at + 15, 30, 30), marks, QRect(which * 30 % 60, which / 2 * 30, 30, 30));
  };
  // Only the rows the exposed part of the sheet crosses.
  auto exposed = [&](int top) { return event->rect().intersects(QRect(0, top, kWidth, 60)); };
  for (const CollectionRow& c : view.creatures) {
    if (exposed(y)) {
      p.setOpacity(c.iconAlpha / 255.0);
      p.drawImage(QRect(0, y, 60, 60), art_.bitmap(d_.creatures[std::size_t(c.type)].G));
      p.setOpacity(1);
      if (!c.name.empty()) {
        p.setPen(style::element(c.element).darker(130));
        QFont f = style::font(19, true);
        p.setFont(f);
        QString name = style::text(c.name);
        p.drawText(QRect(60, y + 16, 150, 28), Qt::AlignLeft | Qt::AlignVCenter,
                   QFontMetrics(f).elidedText(name, Qt::ElideRight, 150));
      }
      if (c.defeated) mark(0, 215, y);
      if (c.acquired) mark(1, 255, y);
      if (c.summoned) mark(2, 295, y);
    }
    y += 60;
  }
  p.setFont(style::font(16, true));
  const std::pair<const char*, QColor> totals[] = {{"倒した", QColor(246, 140, 196)},
                                                   {"取得した", QColor(141, 219, 246)},
                                                   {"召喚した", QColor(138, 238, 180)}};
  const int counts[] = {view.defeatedCount, view.acquiredCount, view.summonedCount};
  for (int i = 0; i < 3; ++i) {
    p.setPen(totals[i].second);
    p.drawText(QPoint(i * 114, y + 22), QString::fromUtf8(totals[i].first));
    mark(i, i * 114 + 50, y + 10);
    p.drawText(QPoint(i * 114 + 82, y + 48), QStringLiteral("X%1").arg(counts[i]));
  }
  y += 60;
  for (const CharacterRow& c : view.characters) {
    if (exposed(y)) {
      p.setOpacity(c.unlocked ? 1.0 : 17 / 255.0);
      p.drawImage(QRect(0, y, 60, 60), art_.bitmap(170 + c.character));
      p.setOpacity(1);
      if (c.unlocked) {
        p.setPen(QColor(90, 70, 40));
        p.setFont(style::font(18, true));
        p.drawText(QPoint(60, y + 24), style::text(c.name));
      }
      p.setPen(grey);
      p.setFont(style::font(13));
      p.drawText(QPoint(60, y + 48), style::text(c.condition));
    }
    y += 60;
  }
}

RecordsPanel::RecordsPanel(const Tdeta& d, const BattleArt& art, QWidget* parent) : QScrollArea(parent), d_(d) {
  sheet_ = new RecordsSheet(d, art);
  sheet_->onRight = [this] {
    if (onClose) onClose();
  };
  setWidget(sheet_);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setStyleSheet(QStringLiteral("QScrollArea { border: 2px solid #d8b45a; background: #fffbf0; }"));
}

void RecordsPanel::refresh() {
  sheet_->show(recordsView(d_));
  verticalScrollBar()->setValue(0);
}

void RecordsPanel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton && onClose) onClose();
}

void RecordsPanel::wheelEvent(QWheelEvent* event) {
  // A notch scrolls a whole view.
  verticalScrollBar()->setValue(verticalScrollBar()->value() - (event->angleDelta().y() > 0 ? 480 : -480));
  event->accept();
}

}  // namespace sorvane
