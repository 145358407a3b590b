#include "app/battle_page.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include "app/command_popup.h"
#include "app/damage_preview.h"
#include "app/game_session.h"
#include "rules/labels.h"
#include "view/battle_art.h"
#include "view/battlefield_view.h"
#include "view/banner_view.h"
#include "view/creature_list.h"
#include "view/floating_text.h"
#include "view/map_painter.h"
#include "view/minimap_view.h"
#include "view/skill_panel.h"
#include "view/status_panel.h"
#include "view/view_style.h"

namespace sorvane {

namespace {

// Where everything sits on the 800 x 600 page.
constexpr QPoint kMinimapAt{619, 6};
constexpr QPoint kStatusAt{605, 140};
constexpr QPoint kListAt{112, 482};
constexpr int kSwitchLeft = 80;
constexpr int kScrollStep = 60, kWheelStep = 90;

const char* kButtonStyle =
    "QPushButton { color: #e8e4d8; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3a4558, stop:1 #2a3342);"
    " border: 1px solid #d8b45a; border-radius: 3px; }"
    "QPushButton:hover { background: #46536a; }"
    "QPushButton:pressed { background: #222a36; }"
    "QPushButton:disabled { color: #6a707a; border-color: #5a5240; background: #262e3b; }"
    "QToolButton { color: #d8b45a; background: #2a3342; border: 1px solid #5a5240; border-radius: 2px; }"
    "QToolButton:checked { background: #4a4030; border-color: #d8b45a; color: #f4e2b0; }"
    "QToolButton:hover { background: #3a4558; }"
    "QToolTip { color: #e8e4d8; background: #262e3b; border: 1px solid #d8b45a; padding: 3px; }";

QLabel* makeLabel(QWidget* parent, QRect at, int pixels) {
  auto* label = new QLabel(parent);
  label->setGeometry(at);
  label->setFont(style::font(pixels, true));
  label->setAttribute(Qt::WA_TransparentForMouseEvents, false);
  return label;
}

void setLabel(QLabel* label, const QString& text, QColor colour, const QString& hint = {}) {
  label->setText(text);
  label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour.name()));
  label->setToolTip(hint);
}

}  // namespace

BattlePage::BattlePage(GameSession& session, const BattleArt& art, QWidget* parent)
    : QWidget(parent), session_(session), art_(art), flow_(session.battle(), session.commands(), marks_) {
  setFixedSize(800, 600);
  setFocusPolicy(Qt::StrongFocus);
  setStyleSheet(QString::fromLatin1(kButtonStyle));
  Battle& b = session_.battle();

  field_ = new BattlefieldView(b, art_, marks_, this);
  field_->move(0, 0);
  minimap_ = new MinimapView(b, art_, this);
  minimap_->move(kMinimapAt);
  status_ = new StatusPanel(b, art_, this);
  status_->move(kStatusAt);
  skillPanel_ = new SkillPanel(b, this);
  skillPanel_->setGeometry(StatusPanel::pictureArea().translated(kStatusAt));
  list_ = new CreatureList(b, art_, this);
  list_->move(kListAt);

  // The labels of the phase, the weather and both element fields, left of the list.
  phase_ = makeLabel(this, QRect(5, 484, 74, 18), 12);
  weather_ = makeLabel(this, QRect(6, 506, 72, 18), 12);
  field1_ = makeLabel(this, QRect(6, 530, 72, 18), 12);
  field2_ = makeLabel(this, QRect(6, 552, 72, 18), 12);

  QToolButton* side = switchButton(QStringLiteral("⇄"), QStringLiteral("次の陣営を表示"), 485);
  tabButtons_ = {switchButton(QStringLiteral("HP"), QStringLiteral("HP・SP・状態を表示"), 514),
                 switchButton(QStringLiteral("能"), QStringLiteral("攻撃力・防御力・魔力を表示"), 543),
                 switchButton(QStringLiteral("状"), QStringLiteral("状態異常を表示"), 572)};
  for (QToolButton* m : tabButtons_) m->setCheckable(true), m->setAutoExclusive(true);
  tabButtons_[0]->setChecked(true);
  connect(side, &QToolButton::clicked, this, [this] {
    session_.presenter().SE(Sound::Filter);
    list_->nextSide();
  });
  for (int tab = 0; tab < 3; ++tab)
    connect(tabButtons_[std::size_t(tab)], &QToolButton::clicked, this, [this, tab] {
      if (list_->listMode() != tab) session_.presenter().SE(Sound::Filter);
      list_->setListMode(tab);
      session_.campaign().settings.listTab = tab;  // the list opens on it next time
    });

  auto button = [this](const QString& text, const QString& tip, QRect at) {
    auto* bt = new QPushButton(text, this);
    bt->setGeometry(at);
    bt->setFont(style::font(12, true));
    bt->setToolTip(tip);
    bt->setFocusPolicy(Qt::NoFocus);
    return bt;
  };
  undoButton_ = button(QStringLiteral("戻す"), QStringLiteral("最後の移動を取り消す (Z)"), QRect(605, 575, 50, 23));
  endButton_ = button(QStringLiteral("ターンエンド"), QStringLiteral("フェイズを終了する (E)\n次に行動できるユニット: N\n全ての敵の移動範囲: T"), QRect(658, 575, 84, 23));
  giveButton_ = button(QStringLiteral("降参"), QStringLiteral("降参する"), QRect(745, 575, 52, 23));
  settingsButton_ = button(QStringLiteral("設定"),
                           QStringLiteral("演出の速さと表示の設定\n\n"
                                          "キー操作:\n"
                                          "E  ターンエンド\n"
                                          "Esc  ひとつ戻る (右クリック)\n"
                                          "N / Tab  次に行動できるユニット\n"
                                          "T  全ての敵の移動範囲\n"
                                          "Z  移動を取り消す\n"
                                          "矢印  画面のスクロール"),
                           QRect(6, 575, 70, 21));
  settingsButton_->setFont(style::font(11, true));
  connect(settingsButton_, &QPushButton::clicked, this, [this] {
    if (openSettings) openSettings(settingsButton_->mapToGlobal(QPoint(0, 0)));
  });
  connect(undoButton_, &QPushButton::clicked, this, &BattlePage::undo);
  connect(endButton_, &QPushButton::clicked, this, &BattlePage::endPhase);
  connect(giveButton_, &QPushButton::clicked, this, &BattlePage::surrender);

  connect(field_, &BattlefieldView::cellPressed, this, &BattlePage::fieldPressed);
  connect(field_, &BattlefieldView::wheelTurned, this, [this](bool up) {
    if (flow_.wheel(up)) return;
    field_->setScrollPos(field_->scrollPos() + QPoint(0, up ? -kWheelStep : kWheelStep));
    viewMoved();
  });
  connect(field_, &BattlefieldView::scrolled, this, &BattlePage::viewMoved);
  connect(minimap_, &MinimapView::cellPressed, this, &BattlePage::minimapPressed);
  connect(minimap_, &MinimapView::cellDragged, this, [this](int x, int y) {
    field_->setScrollPos(BattlefieldView::scrollTarget(x, y));
    viewMoved();
  });
  connect(list_, &CreatureList::unitPressed, this, &BattlePage::listPressed);

  // What the command flow asks of the page.
  flow_.sound = [this](Sound s) { session_.presenter().SE(s); };
  flow_.redraw = [this] {
    field_->refresh();
    updateButtons();
  };
  flow_.skillPanel = [this](int skill) { skillPanel_->showSkill(skill); };
  flow_.cellPanel = [this](int u, int terrain) {
    if (u < 0) status_->showTerrain(terrain);
    else status_->showUnit(u);
  };
  flow_.openMenu = [this](int u) { popUpMenu(u); };
  warmUpFonts();
}

// The first text in a new face or size makes the font system open and
// rasterise it, which can stall the window for a good part of a second: do
// it now, not in the middle of the first animation.
void BattlePage::warmUpFonts() {
  QImage scratch(64, 64, QImage::Format_ARGB32_Premultiplied);
  QPainter p(&scratch);
  const QString sample = QStringLiteral("自敵フェイズ勝ちました負け引き分け降参ステージ条件天気属性HP-+0123456789死亡召喚完了帰還ミスｸﾘﾃｨｶﾙ");
  for (const QFont& f : {style::font(kFloatingTextPixels, true), style::font(kBannerPixels, true), style::font(13, true),
                         style::font(10, true), style::monoFont(13), style::font(13)}) {
    p.setFont(f);
    p.drawText(0, 40, sample);
  }
}

Battle& BattlePage::battle() { return session_.battle(); }

QToolButton* BattlePage::switchButton(const QString& text, const QString& tip, int top) {
  auto* bt = new QToolButton(this);
  bt->setText(text);
  bt->setToolTip(tip);
  bt->setGeometry(kSwitchLeft, top, 30, 25);
  bt->setFont(style::font(12, true));
  bt->setFocusPolicy(Qt::NoFocus);
  return bt;
}

void BattlePage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), style::kPage);
  // The frames of the view, the minimap and the list.
  paintPanelFace(p, QRect(601, 0, 199, 137));
  paintPanelFace(p, QRect(0, 480, 110, 120));
  p.setPen(QPen(style::kGold, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(kMinimapAt.x() - 1, kMinimapAt.y() - 1, minimap_->width() + 1, minimap_->height() + 1);
  p.setPen(QPen(style::kPanelEdge, 1));
  p.drawLine(0, 480, 600, 480);
  p.drawLine(600, 0, 600, 600);
}

void BattlePage::refreshAll() {
  if (marks_.threatsShown) computeThreats();
  field_->refresh();
  minimap_->refresh();
  list_->refresh();
  status_->refresh();
  refreshLabels();
  viewMoved();
  updateButtons();
  updatePreview();
}

void BattlePage::refreshLabels() {
  const Battle& b = session_.battle();
  const Tsyori& s = b.s;
  if (b.turn > 0) {
    const bool own = b.phaseTeam == 1;
    setLabel(phase_, (own ? QStringLiteral("自フェイズ ") : QStringLiteral("敵フェイズ ")) + QString::number(b.turn),
             own ? QColor(0x80, 0x80, 0xff) : QColor(0xff, 0x80, 0x80));
  } else {
    setLabel(phase_, QStringLiteral("準備中"), style::kDim);
  }
  setLabel(weather_, style::text(weatherLabelText(s.weather)), style::colour(weatherColour(s.weather)),
           style::lines(weatherHint(s.weather)));
  setLabel(field1_, style::text(elementFieldLabelText(1, s.zokuseiti1)), style::colour(elementFieldColour(s.zokuseiti1)),
           style::lines(elementFieldHint(s.zokuseiti1)));
  setLabel(field2_, style::text(elementFieldLabelText(2, s.zokuseiti2)), style::colour(elementFieldColour(s.zokuseiti2)),
           style::lines(elementFieldHint(s.zokuseiti2)));
  updateButtons();
}

void BattlePage::setInputLocked(bool locked) {
  locked_ = locked;
  updateButtons();
}

// The forecast of the skill being confirmed.
void BattlePage::updatePreview() {
  const Battle& b = session_.battle();
  QStringList lines;
  if (b.pickMode == 2 && b.pickCommand == 3 && b.busy == 0) {
    for (const TargetPreview& t : previewSkill(b)) {
      const Tkst& unit = b.d.k[t.unit];
      QString line = style::text(unit.N.str()) + QStringLiteral("  ");
      if (t.hpAfter != t.hpBefore)
        line += QStringLiteral("HP %1→%2  ").arg(t.hpBefore).arg(t.hpAfter);
      if (t.spAfter != t.spBefore)
        line += QStringLiteral("SP %1→%2  ").arg(t.spBefore).arg(t.spAfter);
      if (t.dies) line += QStringLiteral("撃破  ");
      if (t.hpAfter < t.hpBefore) {
        line += QStringLiteral("命中%1%").arg(t.hitChance);
        if (t.critChance > 0) {
          const i32 critical = t.hpBefore - std::max<i32>(0, t.hpBefore - (t.hpBefore - t.hpAfter) * 3 / 2);
          line += QStringLiteral("  ｸﾘﾃｨｶﾙ%1% (約-%2)").arg(t.critChance).arg(critical);
        }
      }
      lines << line.trimmed();
    }
    if (lines.isEmpty()) lines << QStringLiteral("効果の予測はありません");
  }
  field_->setPreview(lines);
}

void BattlePage::updateButtons() {
  const Battle& b = session_.battle();
  const bool free = !locked_ && b.busy == 0 && b.battleResult == Running && b.phaseTeam == 1 && b.turn > 0;
  endButton_->setEnabled(free);
  giveButton_->setEnabled(free);
  undoButton_->setEnabled(free && session_.commands().canUndo());
}

void BattlePage::viewMoved() {
  minimap_->setVisiblePart(QRect(field_->scrollPos(), QSize(BattlefieldView::kViewWidth, BattlefieldView::kViewHeight)));
}

void BattlePage::centreOnMaster() {
  int x = 0, y = 0;
  if (session_.battle().findCell(session_.battle().s.unitAt, kPlayerMaster, x, y))
    field_->setScrollPos(BattlefieldView::scrollTarget(x, y));
  viewMoved();
}

void BattlePage::applyListSettings(const Settings& settings) {
  list_->setMarks(settings.listMarkActed, settings.listShowHpSp);
  showListTab(settings.listTab);
}

void BattlePage::showListTab(int tab) {
  if (tab < 0 || tab > 2) return;
  list_->setListMode(tab);
  tabButtons_[std::size_t(tab)]->setChecked(true);
}

void BattlePage::order(const std::function<void()>& call) {
  if (marks_.threatsShown) marks_.threatsShown = false;
  session_.run(call);
  refreshAll();
}

void BattlePage::fieldPressed(Qt::MouseButton button, int x, int y) {
  setFocus();
  if (locked_ || session_.battle().busy > 0) return;
  if (button == Qt::LeftButton) {
    const bool confirming = session_.battle().pickMode == 2;
    if (confirming) order([&] { flow_.leftPress(x, y); });
    else flow_.leftPress(x, y);
  } else if (button == Qt::RightButton) {
    flow_.rightPress(x, y);
  }
  updateButtons();
  updatePreview();
}

void BattlePage::minimapPressed(Qt::MouseButton button, int x, int y) {
  Battle& b = session_.battle();
  const i32 u = b.s.unitAt[x][y];
  if (button == Qt::LeftButton) flow_.showCell(x, y);
  centreOn(x, y);
  if (button == Qt::RightButton && u >= 0 && !locked_ && b.busy == 0) {
    const Tkst& unit = b.d.k[u];
    if (unit.State == OnField && unit.Team == b.phaseTeam) flow_.openUnitMenu(u);
  }
}

void BattlePage::listPressed(Qt::MouseButton button, int u) {
  Battle& b = session_.battle();
  const Tkst& unit = b.d.k[u];
  if (button == Qt::LeftButton) {
    status_->showUnit(u);
    int x = 0, y = 0;
    if ((unit.State == OnField || unit.State == BeingSummoned) && b.findCell(b.s.unitAt, u, x, y)) {
      const QPoint before = field_->scrollPos();
      centreOn(x, y);
      if (field_->scrollPos() == before) session_.presenter().SE(Sound::Open);
    }
  } else if (button == Qt::RightButton && !locked_ && b.busy == 0) {
    if (b.pickMode != 0) flow_.cancel();
    int x = 0, y = 0;
    if (unit.State == OnField && unit.Team == b.phaseTeam && b.findCell(b.s.unitAt, u, x, y)) {
      centreOn(x, y);
      flow_.openUnitMenu(u);
    }
  }
}

void BattlePage::centreOn(int x, int y) {
  const QPoint target = BattlefieldView::scrollTarget(x, y);
  if (session_.running()) {  // the rules are playing: no animation of our own in between
    field_->setScrollPos(target);
    viewMoved();
    return;
  }
  session_.run([&] { session_.presenter().scrollView(target); });
  viewMoved();
}

void BattlePage::popUpMenu(int u) {
  const CommandMenu menu = buildCommandMenu(session_.battle(), u);
  if (menu_) menu_->deleteLater();
  menu_ = makeCommandPopup(menu, flow_, art_, this);
  connect(menu_, &QMenu::aboutToHide, this, [this] {
    // A chosen entry runs after the menu hides: let it come first.
    QMetaObject::invokeMethod(this, [this] { flow_.menuClosed(); }, Qt::QueuedConnection);
  });
  int x = 0, y = 0;
  QPoint at = QCursor::pos();
  if (session_.battle().findCell(session_.battle().s.unitAt, u, x, y)) {
    const QPoint cell = QPoint(x * kCell + kCell, y * kCell + kCell / 2) - field_->scrollPos();
    if (QRect(field_->rect()).contains(cell)) at = field_->mapToGlobal(cell);
  }
  menu_->popup(at);
}

void BattlePage::endPhase() {
  if (!endButton_->isEnabled()) return;
  if (menu_) menu_->hide();
  order([this] { flow_.endPhase(); });
}

void BattlePage::surrender() {
  if (!giveButton_->isEnabled()) return;
  if (menu_) menu_->hide();
  order([this] { flow_.surrender(); });
}

void BattlePage::undo() {
  if (!undoButton_->isEnabled()) return;
  order([this] { flow_.undo(); });
}

void BattlePage::cancel() {
  Battle& b = session_.battle();
  if (locked_ || b.busy > 0 || b.pickMode == 0) return;
  flow_.rightPress(b.s.selX, b.s.selY);
  updateButtons();
  updatePreview();
}

void BattlePage::nextUnit() {
  Battle& b = session_.battle();
  if (locked_ || b.busy > 0 || b.phaseTeam != 1 || b.battleResult != Running) return;
  const int start = b.pickMode != 0 || b.s.selUnit < 0 ? 0 : b.s.selUnit + 1;
  for (int n = 0; n < kUnitCount; ++n) {
    const int u = (start + n) % kUnitCount;
    if (u > b.s.lastUnit) continue;
    const Tkst& unit = b.d.k[u];
    if (unit.Team != 1 || unit.State != OnField) continue;
    if (!(b.canMove(u) || b.canUseSkills(u) || (unit.Kind == KindMaster && b.canSummon(u)) || b.canUseSpecial(u)))
      continue;
    if (menu_) menu_->hide();
    if (b.pickMode != 0) flow_.cancel();
    int x = 0, y = 0;
    if (!b.findCell(b.s.unitAt, u, x, y)) continue;
    centreOn(x, y);
    status_->showUnit(u);
    flow_.openUnitMenu(u);
    return;
  }
}

void BattlePage::computeThreats() {
  Battle& b = session_.battle();
  // The reach floods write the selection fields: work on a copy and put them back.
  const Tsyori saved = b.s;
  const i32 pickMode = b.pickMode, pickCommand = b.pickCommand;
  fillGrid(marks_.threatened, byte{0});
  for (int u = 0; u <= b.s.lastUnit && u < kUnitCount; ++u) {
    const Tkst& unit = b.d.k[u];
    if (unit.State != OnField || unit.Team == 1) continue;
    b.selectUnit(u);
    b.moveReach();
    for (int x = 0; x < kMapW; ++x)
      for (int y = 0; y < kMapH; ++y)
        if (!b.s.reachPath[x][y].empty()) marks_.threatened[x][y] = 1;
  }
  b.s = saved;
  b.pickMode = pickMode;
  b.pickCommand = pickCommand;
}

void BattlePage::toggleThreats() {
  Battle& b = session_.battle();
  if (b.busy > 0) return;
  marks_.threatsShown = !marks_.threatsShown;
  if (marks_.threatsShown) computeThreats();
  session_.presenter().SE(marks_.threatsShown ? Sound::Open : Sound::Cancel);
  field_->refresh();
}

void BattlePage::keyPressEvent(QKeyEvent* event) {
  const QPoint scroll = field_->scrollPos();
  switch (event->key()) {
    case Qt::Key_E: endPhase(); break;
    case Qt::Key_Escape: cancel(); break;
    case Qt::Key_N:
    case Qt::Key_Tab: nextUnit(); break;
    case Qt::Key_T: toggleThreats(); break;
    case Qt::Key_Z: undo(); break;
    case Qt::Key_Left: field_->setScrollPos(scroll - QPoint(kScrollStep, 0)); break;
    case Qt::Key_Right: field_->setScrollPos(scroll + QPoint(kScrollStep, 0)); break;
    case Qt::Key_Up: field_->setScrollPos(scroll - QPoint(0, kScrollStep)); break;
    case Qt::Key_Down: field_->setScrollPos(scroll + QPoint(0, kScrollStep)); break;
    default: QWidget::keyPressEvent(event); return;
  }
  viewMoved();
}

}  // namespace sorvane
