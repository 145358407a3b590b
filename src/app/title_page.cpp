#include "app/title_page.h"

#include <algorithm>
#include <array>
#include <iterator>

#include <QEvent>
#include <QHideEvent>
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
constexpr int kMainEntries = 3;  // はじめ, つづき, うらめん along the bottom; the rest in the corner

// The name comes up at a constant alpha of 12 per step, the menu's plates at 25 per step from 30.
qreal nameOpacity(int step) { return 12 * std::clamp(step, 0, kFadeSteps) / 255.0; }
qreal menuOpacity(int step) { return std::min(255, 25 * (step - kFadeSteps) + 5) / 255.0; }

// A title menu entry drawn from its three pictures: the base plate, the plate
// at rest and the lit plate. As the menu appears the plate at rest blends in
// over the base; afterwards the pointer or the focus lights it. Without its
// pictures it is a button in the shell's style.
class MenuPlate : public QPushButton {
 public:
  MenuPlate(const QString& caption, QWidget* parent) : QPushButton(caption, parent) { setAttribute(Qt::WA_Hover); }

  // A plate keeps its size and whether it had pictures while they are let go.
  void setStates(std::array<QImage, 3> states) {
    states_ = std::move(states);
    pictured_ = true;
    for (const QImage& s : states_) pictured_ = pictured_ && !s.isNull();
    if (pictured_) size_ = states_[0].size();
  }
  void releaseStates() { states_ = {}; }

  bool pictured() const { return pictured_; }
  QSize plateSize(QSize without) const { return pictured_ ? size_ : without; }
  void setBlend(qreal blend) {
    blend_ = blend;
    update();
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    if (!pictured_) {
      QPushButton::paintEvent(event);
      return;
    }
    QPainter p(this);
    const QImage& top = states_[underMouse() || hasFocus() ? 2 : 1];
    if (blend_ < 1) {
      p.drawImage(0, 0, states_[0]);
      p.setOpacity(blend_);
    }
    p.drawImage(0, isDown() ? 2 : 0, top);  // pressed, the plate sinks a little
  }

 private:
  std::array<QImage, 3> states_;
  bool pictured_ = false;
  QSize size_;
  qreal blend_ = 1;
};

const char* const kMenuCaptions[] = {"はじめ", "つづき", "うらめん", "設定", "終了"};

}  // namespace

TitlePage::TitlePage(const std::string& gameDir, QWidget* parent) : QWidget(parent), gameDir_(gameDir) {
  setFixedSize(800, 600);
  setStyleSheet(shell::widgetStyle());
  timer_ = new QTimer(this);
  timer_->setInterval(20);
  connect(timer_, &QTimer::timeout, this, &TitlePage::tick);

  const std::function<void()> TitlePage::*actions[] = {&TitlePage::onNewGame, &TitlePage::onContinue,
                                                        &TitlePage::onExtra, &TitlePage::onSettings, &TitlePage::onQuit};
  for (std::size_t i = 0; i < std::size(kMenuCaptions); ++i) {
    const auto action = actions[i];
    auto* b = new MenuPlate(QString::fromUtf8(kMenuCaptions[i]), this);
    b->setFont(style::font(menu_.size() < kMainEntries ? 22 : 16, true));
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

void TitlePage::loadPictures() {
  if (picturesLoaded_) return;
  picturesLoaded_ = true;
  background_ = shell::archivePicture(gameDir_, "png.qda", "haikei1.png");
  title_ = shell::archivePicture(gameDir_, "png.qda", "title.png");
  for (std::size_t i = 0; i < menu_.size(); ++i) {
    std::array<QImage, 3> states;
    for (int s = 0; s < 3; ++s)
      states[std::size_t(s)] =
          shell::archivePicture(gameDir_, "bmp.qda", kMenuCaptions[i] + std::to_string(s) + ".bmp");
    static_cast<MenuPlate*>(menu_[i])->setStates(std::move(states));
  }
}

void TitlePage::releasePictures() {
  picturesLoaded_ = false;
  background_ = {};
  title_ = {};
  for (QPushButton* b : menu_) static_cast<MenuPlate*>(b)->releaseStates();
}

void TitlePage::hideEvent(QHideEvent* event) {
  // Minimising the window is not leaving the title.
  if (!event->spontaneous()) releasePictures();
  QWidget::hideEvent(event);
}

void TitlePage::showLoading() {
  loading_ = true;
  for (QPushButton* b : menu_) b->hide();
  repaint();
}

void TitlePage::start(bool extraOpen) {
  loadPictures();
  loading_ = false;
  extraOpen_ = extraOpen;
  step_ = 0;
  for (QPushButton* b : menu_) b->hide();
  timer_->start();
  update();
}

void TitlePage::layOutMenu() {
  // The main entries side by side along the bottom edge, centred; the others
  // small in the top right corner.
  std::vector<MenuPlate*> row;
  for (int i = 0; i < kMainEntries; ++i)
    if (menu_[std::size_t(i)] != extra_ || extraOpen_) row.push_back(static_cast<MenuPlate*>(menu_[std::size_t(i)]));
  // Pictured plates carry their own margins; plain buttons get a gap.
  auto advance = [](MenuPlate* b) { return b->plateSize({140, 52}).width() + (b->pictured() ? 0 : 14); };
  int width = 0;
  for (MenuPlate* b : row) width += advance(b);
  int x = (800 - width + (row.back()->pictured() ? 0 : 14)) / 2;
  for (MenuPlate* b : row) {
    const QSize size = b->plateSize({140, 52});
    b->setGeometry(x, 600 - size.height() - (b->pictured() ? 0 : 40), size.width(), size.height());
    x += advance(b);
  }
  int right = 800 - 8;
  for (std::size_t i = menu_.size(); i-- > kMainEntries;) {
    auto* b = static_cast<MenuPlate*>(menu_[i]);
    const QSize size = b->plateSize({96, 34});
    b->setGeometry(right - size.width(), 8, size.width(), size.height());
    right -= size.width() + 2;
  }
}

void TitlePage::tick() {
  ++step_;
  if (step_ == kFadeSteps + 1) {
    layOutMenu();
    for (QPushButton* b : menu_)
      if (b != extra_ || extraOpen_) b->show();
    if (isVisible()) menu_.front()->setFocus();  // the title may already have given way to another page
  }
  if (step_ > kFadeSteps) {
    for (QPushButton* b : menu_) static_cast<MenuPlate*>(b)->setBlend(menuOpacity(step_));
  }
  if (step_ >= kFadeSteps + kMenuSteps) timer_->stop();
  update();
}

void TitlePage::paintNameWithoutPicture(QPainter& p, qreal opacity) {
  // A soft vignette keeps the name readable over any backdrop.
  QRadialGradient shade(QPointF(400, 260), 520);
  shade.setColorAt(0, QColor(10, 14, 24, 40));
  shade.setColorAt(1, QColor(10, 14, 24, 200));
  p.fillRect(rect(), shade);
  p.setOpacity(opacity);
  QFont name = style::font(96, true);
  name.setLetterSpacing(QFont::AbsoluteSpacing, 6);
  const QString title = QStringLiteral("Sorvane");
  const int w = QFontMetrics(name).horizontalAdvance(title);
  shell::outlinedText(p, QPointF((800 - w) / 2.0 + 4, 254), title, name, QColor(0, 0, 0, 120), QColor(0, 0, 0, 90), 4);
  shell::outlinedText(p, QPointF((800 - w) / 2.0, 250), title, name, QColor(0xf6, 0xe3, 0xa8), QColor(0x5a, 0x3c, 0x12),
                      4);
  const QString sub = QStringLiteral("召喚の戦記");
  const QFont subFont = style::font(30, true);
  const int sw = QFontMetrics(subFont).horizontalAdvance(sub);
  shell::outlinedText(p, QPointF((800 - sw) / 2.0, 310), sub, subFont, QColor(255, 255, 255), QColor(0x26, 0x2e, 0x3b),
                      3);
  p.setOpacity(1);
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
  if (!background_.isNull()) p.drawImage(rect(), background_);
  if (!title_.isNull()) {
    p.setOpacity(nameOpacity(step_));
    p.drawImage(0, 0, title_);
    p.setOpacity(1);
  } else {
    paintNameWithoutPicture(p, nameOpacity(step_) * 255 / 240);
  }
  // A band behind plain buttons, when the menu's pictures are missing.
  const bool plain = std::any_of(menu_.begin(), menu_.begin() + kMainEntries,
                                 [](QPushButton* b) { return !static_cast<MenuPlate*>(b)->pictured(); });
  if (step_ > kFadeSteps && plain) {
    p.setOpacity(menuOpacity(step_));
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
  if (event->type() == QEvent::Enter) {
    b->setFocus();  // the pointer and the keys light one plate, never two
    if (onHover) onHover();
  }
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
    // A plate still holding the keys while the title is hidden does nothing.
    if (!b->isVisible()) return true;
  }
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
