#include "app/placeholder_page.h"

#include <QPainter>
#include <QPushButton>

#include "view/view_style.h"

namespace sorvane {

PlaceholderPage::PlaceholderPage(const QString& title, const QString& note, QWidget* parent)
    : QWidget(parent), title_(title), note_(note) {
  setFixedSize(800, 600);
}

void PlaceholderPage::setAction(const QString& caption, std::function<void()> action) {
  action_ = std::move(action);
  if (!button_) {
    button_ = new QPushButton(this);
    button_->setGeometry(300, 380, 200, 36);
    button_->setFont(style::font(16, true));
    button_->setStyleSheet(QStringLiteral(
        "QPushButton { color: #f4e2b0; background: #2f3848; border: 1px solid #d8b45a; border-radius: 4px; }"
        "QPushButton:hover { background: #46536a; }"));
    connect(button_, &QPushButton::clicked, this, [this] {
      if (action_) action_();
    });
  }
  button_->setText(caption);
  button_->show();
}

void PlaceholderPage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QLinearGradient sky(0, 0, 0, height());
  sky.setColorAt(0, QColor(0x1b, 0x21, 0x2b));
  sky.setColorAt(1, QColor(0x2a, 0x22, 0x1c));
  p.fillRect(rect(), sky);
  p.setPen(QPen(style::kGold, 1));
  p.drawRect(rect().adjusted(12, 12, -13, -13));
  p.setFont(style::font(40, true));
  p.drawText(QRect(0, 200, width(), 60), Qt::AlignCenter, title_);
  p.setPen(style::kDim);
  p.setFont(style::font(15));
  p.drawText(QRect(0, 280, width(), 60), Qt::AlignCenter, note_);
}

}  // namespace sorvane
