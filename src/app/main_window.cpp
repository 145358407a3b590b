#include "app/main_window.h"

#include <QApplication>
#include <QActionGroup>
#include <QCloseEvent>
#include <QMenu>
#include <QStackedWidget>
#include <QTimer>

#include "app/battle_page.h"
#include "app/game_session.h"
#include "app/placeholder_page.h"
#include "app/story_page.h"
#include "view/view_style.h"

namespace sorvane {

MainWindow::MainWindow(GameSession& session, const BattleArt& art, WindowSettings& settings, QWidget* parent)
    : QWidget(parent), session_(session), settings_(settings) {
  setWindowTitle(QStringLiteral("Sorvane"));
  setFixedSize(800, 600);
  pages_ = new QStackedWidget(this);
  pages_->setGeometry(0, 0, 800, 600);
  title_ = new PlaceholderPage(QStringLiteral("Sorvane"), QStringLiteral("タイトル画面は準備中です"));
  story_ = new StoryPage(nullptr, session_.sound(), session_.state().gameDir);
  preparation_ = new PlaceholderPage(QStringLiteral("戦闘準備"), QStringLiteral("準備画面は準備中です"));
  battle_ = new BattlePage(session_, art, nullptr);
  for (QWidget* w : {static_cast<QWidget*>(title_), static_cast<QWidget*>(story_),
                     static_cast<QWidget*>(preparation_), static_cast<QWidget*>(battle_)})
    pages_->addWidget(w);

  // Until the preparation screen exists, it leads straight into the next battle.
  preparation_->setAction(QStringLiteral("次の戦闘へ"), [this] {
    const i32 stage = session_.state().storyStage;
    openBattle(stage, ++seed_);
  });
  title_->setAction(QStringLiteral("はじめから"), [this] {
    session_.newGame();
    openBattle(0, seed_);
  });

  WindowPresenter& presenter = session_.presenter();
  presenter.attach(battle_);
  presenter.onShowPage = [this](Page p) { showPage(p); };
  session_.onAborted = [] { QCoreApplication::quit(); };
  battle_->openSettings = [this](QPoint at) { settingsMenu(at); };
  applySettings();
  showPage(Page::Title);
}

MainWindow::~MainWindow() = default;

void MainWindow::applySettings() {
  WindowPresenter& presenter = session_.presenter();
  presenter.speed = settings_.speed;
  presenter.skipComputerAnimations = settings_.skipComputerAnimations;
  BoardMarks& marks = battle_->marks();
  marks.showSide = settings_.showSide;
  marks.showSpent = settings_.showSpent;
  marks.showHpSp = settings_.showHpSp;
  marks.fastDraw = settings_.speed != AnimationSpeed::Normal;
  battle_->applyListSettings(session_.campaign().settings);
  battle_->refreshAll();
}

void MainWindow::settingsMenu(QPoint at) {
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->setStyleSheet(QStringLiteral(
      "QMenu { background: #262e3b; border: 1px solid #d8b45a; padding: 3px; }"
      "QMenu::item { color: #e8e4d8; padding: 3px 14px 3px 24px; }"
      "QMenu::item:selected { background: #46536a; }"
      "QMenu::section { color: #d8b45a; padding: 3px 8px; }"));
  menu->setFont(style::font(13));
  auto choice = [&](QActionGroup* group, const QString& text, bool on, std::function<void()> set) {
    QAction* a = menu->addAction(text);
    a->setCheckable(true);
    a->setChecked(on);
    if (group) group->addAction(a);
    connect(a, &QAction::triggered, this, [this, set = std::move(set)] {
      set();
      applySettings();
    });
  };
  menu->addSection(QStringLiteral("演出の速さ"));
  auto* speed = new QActionGroup(menu);
  const std::pair<AnimationSpeed, const char*> speeds[] = {
      {AnimationSpeed::Normal, "通常"}, {AnimationSpeed::Fast, "高速"}, {AnimationSpeed::Instant, "省略"}};
  for (const auto& [value, name] : speeds)
    choice(speed, QString::fromUtf8(name), settings_.speed == value, [this, v = value] { settings_.speed = v; });
  choice(nullptr, QStringLiteral("敵フェイズの演出を省略"), settings_.skipComputerAnimations,
         [this] { settings_.skipComputerAnimations = !settings_.skipComputerAnimations; });
  menu->addSection(QStringLiteral("戦場の表示"));
  choice(nullptr, QStringLiteral("敵味方を識別する"), settings_.showSide, [this] { settings_.showSide = !settings_.showSide; });
  choice(nullptr, QStringLiteral("行動済みを表示する"), settings_.showSpent, [this] { settings_.showSpent = !settings_.showSpent; });
  choice(nullptr, QStringLiteral("HP・SPを表示する"), settings_.showHpSp, [this] { settings_.showHpSp = !settings_.showHpSp; });
  menu->popup(at - QPoint(0, menu->sizeHint().height()));
}

void MainWindow::showPage(Page page) {
  pages_->setCurrentIndex(static_cast<int>(page));
  if (page == Page::Battle) {
    battle_->refreshAll();
    battle_->setFocus();
  }
  if (onPageShown) onPageShown(page);
}

void MainWindow::setPage(Page which, QWidget* widget) {
  const int i = static_cast<int>(which);
  QWidget* old = pages_->widget(i);
  pages_->insertWidget(i, widget);
  pages_->removeWidget(old);
  if (old == title_) title_ = nullptr;
  if (old == story_) story_ = nullptr;
  if (old == preparation_) preparation_ = nullptr;
  old->deleteLater();
}

Page MainWindow::page() const { return static_cast<Page>(pages_->currentIndex()); }

void MainWindow::openBattle(i32 stage, std::uint32_t seed) {
  seed_ = seed;
  session_.setUpStage(stage, seed);
  battle_->centreOnMaster();
  showPage(Page::Battle);
  // The first phase plays its banners (and maybe the computer's phase) from the event loop.
  QTimer::singleShot(0, this, [this] {
    if (!session_.startBattle()) return;  // the window is closing
    battle_->refreshAll();
    if (onBattleStarted) onBattleStarted();
  });
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (confirmClose && !confirmClose()) {
    event->ignore();
    return;
  }
  event->accept();
  if (session_.running()) {
    // The engine unwinds first; the program ends once it is back at the top.
    session_.presenter().abort();
    return;
  }
  QCoreApplication::quit();
}

}  // namespace sorvane
