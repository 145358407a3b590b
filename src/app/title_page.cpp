#include "app/title_page.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadialGradient>
#include <QTimer>

#include "app/shell_art.h"
#include "view/view_style.h"

namespace sorvane {

namespace {
constexpr int kFadeSteps = 20, kMenuSteps = 10;
}

TitlePage::TitlePage(const std::string& gameDir, QWidget* parent) : QWidget(parent) {
  setFixedSize(800, 600);
  setStyleSheet(shell::widgetStyle());
  background_ = shell::archivePicture(gameDir, "png.qda", "haikei1.png");
  timer_ = new QTimer(this);
  timer_->setInterval(20);
  connect(timer_, &QTimer::timeout, this, &TitlePage::tick);

  const std::pair<const char*, std::function<void()> TitlePage::*> entries[] = {
      {"はじめ", &TitlePage::onNewGame}, {"つづき", &TitlePage::onContinue}, {"うらめん", &TitlePage::onExtra},
      {"設定", &TitlePage::onSettings},  {"終了", &TitlePage::onQuit}};
  for (const auto& [caption, action] : entries) {
    auto* b = new QPushButton(QString::fromUtf8(caption), this);
    b->setFont(style::font(22, true));
    b->setFocusPolicy(Qt::StrongFocus);
    b->hide();
    b->installEventFilter(this);
    connect(b, &QPushButton::clicked, this, [this, action] {
      if (step_ <= kFadeSteps) return;  // the menu is not there yet
      if (this->*action) (this->*action)();
    });
    menu_.push_back(b);
  }
  extra_ = menu_[2];
}

void TitlePage::showLoading() {
  loading_ = true;
  for (QPushButton* b : menu_) b->hide();
  repaint();
}

void TitlePage::start(bool extraOpen) {
  loading_ = false;
  extraOpen_ = extraOpen;
  step_ = 0;
  for (QPushButton* b : menu_) b->hide();
  timer_->start();
  update();
}

void TitlePage::tick() {
  ++step_;
  if (step_ == kFadeSteps + 1) {
    // Lay the menu out as one row along the bottom, as the fade ends.
    std::vector<QPushButton*> shown;
    for (QPushButton* b : menu_)
      if (b != extra_ || extraOpen_) shown.push_back(b);
    const int width = 140, gap = 14;
    int x = (800 - int(shown.size()) * width - (int(shown.size()) - 1) * gap) / 2;
    for (QPushButton* b : shown) {
      b->setGeometry(x, 505, width, 52);
      b->show();
      x += width + gap;
    }
    shown.front()->setFocus();
  }
  if (step_ >= kFadeSteps + kMenuSteps) timer_->stop();
  update();
}

void TitlePage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  if (loading_) {
    p.fillRect(rect(), shell::kCream);
    shell::outlinedText(p, QPointF(50, 330), QStringLiteral("BGM読み込み中…"), style::font(72, true), shell::kRose,
                        QColor(255, 255, 255), 2);
    return;
  }
  p.fillRect(rect(), QColor(0x10, 0x14, 0x1c));
  const qreal fade = std::min(1.0, step_ / qreal(kFadeSteps));
  if (!background_.isNull()) p.drawImage(rect(), background_);
  // A soft vignette keeps the name readable over any backdrop.
  QRadialGradient shade(QPointF(400, 260), 520);
  shade.setColorAt(0, QColor(10, 14, 24, 40));
  shade.setColorAt(1, QColor(10, 14, 24, 200));
  p.fillRect(rect(), shade);

  p.setOpacity(fade);
  QFont name = style::font(96, true);
  name.setLetterSpacing(QFont::AbsoluteSpacing, 6);
  const QString title = QStringLiteral("Sorvane");
  const int w = QFontMetrics(name).horizontalAdvance(title);
  shell::outlinedText(p, QPointF((800 - w) / 2.0 + 4, 254), title, name, QColor(0, 0, 0, 120), QColor(0, 0, 0, 90), 4);
  shell::outlinedText(p, QPointF((800 - w) / 2.0, 250), title, name, QColor(0xf6, 0xe3, 0xa8), QColor(0x5a, 0x3c, 0x12), 4);
  const QString sub = QStringLiteral("召喚の戦記");
  const QFont subFont = style::font(30, true);
  const int sw = QFontMetrics(subFont).horizontalAdvance(sub);
  shell::outlinedText(p, QPointF((800 - sw) / 2.0, 310), sub, subFont, QColor(255, 255, 255), QColor(0x26, 0x2e, 0x3b), 3);
  p.setOpacity(1);
  if (step_ > kFadeSteps) {
    // A band behind the menu.
    const qreal menu = std::min(1.0, (step_ - kFadeSteps) / qreal(kMenuSteps));
    p.setOpacity(menu);
    shell::panel(p, QRectF(30, 490, 740, 82));
    p.setOpacity(1);
  }
  if (onPainted) onPainted();
}

void TitlePage::keyPressEvent(QKeyEvent* event) {
  if (step_ <= kFadeSteps && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                              event->key() == Qt::Key_Space || event->key() == Qt::Key_Escape)) {
    step_ = kFadeSteps;  // skip the fade
    tick();
    return;
  }
  QWidget::keyPressEvent(event);
}

bool TitlePage::eventFilter(QObject* watched, QEvent* event) {
  auto* b = qobject_cast<QPushButton*>(watched);
  if (!b) return false;
  if (event->type() == QEvent::Enter && onHover) onHover();
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    std::vector<QPushButton*> shown;
    for (QPushButton* m : menu_)
      if (m->isVisible()) shown.push_back(m);
    const auto at = std::find(shown.begin(), shown.end(), b) - shown.begin();
    const int n = int(shown.size());
    switch (key->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter: b->click(); return true;
      case Qt::Key_Left:
      case Qt::Key_Up: shown[(at + n - 1) % n]->setFocus(); return true;
      case Qt::Key_Right:
      case Qt::Key_Down: shown[(at + 1) % n]->setFocus(); return true;
      default: break;
    }
  }
  return false;
}

}  // namespace sorvane
