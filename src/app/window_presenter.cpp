#include "app/window_presenter.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPainter>
#include <QTimer>

#include "app/battle_page.h"
#include "app/game_dialog.h"
#include "rules/battle.h"
#include "view/banner_view.h"
#include "view/battlefield_view.h"
#include "view/creature_list.h"
#include "view/floating_text.h"
#include "view/map_painter.h"
#include "view/minimap_view.h"
#include "view/skill_panel.h"
#include "view/status_panel.h"
#include "view/view_style.h"

namespace sorvane {

namespace {

constexpr int kFrameMs = 30, kHopMs = 16, kScrollStepMs = 16;
constexpr int kFrames = 13, kHopFrames = 11;
constexpr int kScrollSteps = 15, kScrollWeight = 1240;

}  // namespace

void WindowPresenter::abort() {
  aborting_ = true;
  if (loop_) loop_->quit();
  if (dialog_) dialog_->reject();
}

void WindowPresenter::checkAbort() const {
  if (aborting_) throw BattleAborted{};
}

bool WindowPresenter::instant() const {
  if (speed == AnimationSpeed::Instant) return true;
  return skipComputerAnimations && page_ && page_->battle().phaseTeam != 1;
}

int WindowPresenter::scaled(int ms) const {
  if (instant()) return 0;
  return speed == AnimationSpeed::Fast ? ms / 2 : ms;
}

void WindowPresenter::wait(int ms) {
  checkAbort();
  sinceEvents_.start();
  const int t = scaled(ms);
  if (t <= 0) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  } else {
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(t);
    QEventLoop* outer = loop_;
    loop_ = &loop;
    loop.exec();
    loop_ = outer;
  }
  checkAbort();
}

void WindowPresenter::breathe() {
  constexpr int kEveryMs = 8;
  if (sinceEvents_.isValid() && sinceEvents_.elapsed() < kEveryMs) return;
  sinceEvents_.start();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  checkAbort();
}

void WindowPresenter::LAnime(int, const FloatingText& text, int x, int y) {
  checkAbort();
  if (!page_) return;
  BattlefieldView& field = page_->battlefield();
  if (instant()) {
    for (int channel : floatingTextSounds(text)) sound_.effect(channel);
    wait(0);
    return;
  }
  FloatingLabel label = floatingLabel(text);
  const int width = QFontMetrics(style::font(kFloatingTextPixels, true)).horizontalAdvance(label.text);
  label.at = QPoint(x * kCell - (width - kCell) / 2, y * kCell + 3);
  int step = 0;
  for (const FloatStep& s : kFloatSteps) {
    if (step++ == 2)  // between the second step and the third
      for (int channel : floatingTextSounds(text)) sound_.effect(channel);
    label.at.ry() += s.dy;
    field.setFloatingText(label);
    wait(s.waitMs);
  }
  if (floatingTextLingers(text)) wait(kLingerMs);
  field.setFloatingText({});
}

void WindowPresenter::KAnime(int u, CellAnim kind, int x, int y) {
  checkAbort();
  if (!page_) return;
  if (instant()) {
    wait(0);
    return;
  }
  const Battle& b = page_->battle();
  const BattleArt& art = page_->art();
  const Tkst& unit = b.d.k[u];
  BattlefieldView& field = page_->battlefield();
  const QImage& picture = art.bitmap(unit.G);
  const QImage& circle = art.circle(unit.SH, unit.Elem);

  if (kind == CellAnim::Hop) {
    // The unit rises 36 pixels above its cell and comes back down.
    const int top = std::max(0, y - 1);
    for (int i = 1; i <= kHopFrames; ++i) {
      const int m = fast() ? 2 * i : i;
      QImage cells(kCell, kCell * (y - top + 1), QImage::Format_ARGB32_Premultiplied);
      QPainter p(&cells);
      p.drawImage(0, (y - top) * kCell, art.chip(b.s.terrain[x][y]));
      if (y > 0) {
        p.drawImage(0, 0, art.chip(b.s.terrain[x][top]));
        const i32 w = b.s.unitAt[x][top];
        if (w >= 0 && w != u) {
          if (b.d.k[w].State == OnField) p.drawImage(0, 0, art.bitmap(b.d.k[w].G));
          else if (b.d.k[w].State == BeingSummoned) p.drawImage(0, 0, art.circle(b.d.k[w].SH, b.d.k[w].Elem));
        }
      }
      p.drawImage(0, (y - top) * kCell - 36 + 6 * std::abs(m - 6), picture);
      p.end();
      field.setCellOverlay(QPoint(x * kCell, top * kCell), cells);
      wait(kHopMs);
      if (m > 10) break;
    }
    field.setCellOverlay({}, {});
    return;
  }

  for (int s = 0; s < kFrames; s += fast() ? 2 : 1) {
    QImage cell(kCell, kCell, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&cell);
    p.drawImage(0, 0, art.chip(b.s.terrain[x][y]));
    auto blend = [&p](const QImage& image, int alpha) {
      p.setOpacity(std::clamp(alpha, 0, 255) / 255.0);
      p.drawImage(0, 0, image);
    };
    switch (kind) {
      case CellAnim::Death:
      case CellAnim::Vanish: blend(picture, 255 - 20 * s); break;
      case CellAnim::Summoned:
        blend(circle, 255 - 20 * s);
        blend(picture, 20 * s);
        break;
      case CellAnim::SummonStarts: blend(circle, 20 * s); break;
      case CellAnim::FamiliarArrives: blend(picture, 20 * s); break;
      case CellAnim::Warp: blend(unit.State == BeingSummoned ? circle : picture, 20 * s); break;
      default: break;
    }
    p.end();
    field.setCellOverlay(QPoint(x * kCell, y * kCell), cell);
    wait(kFrameMs);
  }
  field.setCellOverlay({}, {});
}

void WindowPresenter::DLAnime(const Banner& banner, int ms) {
  checkAbort();
  if (!page_) return;
  const Battle& b = page_->battle();
  const BannerLabel label = bannerLabel(banner, b.turn, b.s.storyStage, lastBanner_);
  lastBanner_ = label.colour;
  BattlefieldView& field = page_->battlefield();
  MapPaint();
  field.setBanner(label);
  wait(ms);
  field.setBanner({});
  if (banner.kind == BannerKind::WinCondition && b.s.winCondition > 0) {
    field.setBanner({winConditionText(b.s.winCondition, style::text(b.d.k[0].N.str())), label.colour});
    wait(kConditionMs);
    field.setBanner({});
  }
}

void WindowPresenter::MapPaint() {
  if (page_) page_->battlefield().refresh();
}

void WindowPresenter::miniMapPaint() {
  if (page_) page_->minimap().refresh();
}

void WindowPresenter::scrollView(QPoint target) {
  BattlefieldView& field = page_->battlefield();
  const QPoint start = field.scrollPos();
  if (start == target) return;
  if (instant()) {
    field.setScrollPos(target);
    page_->viewMoved();
    return;
  }
  SE(Sound::Swing);
  int weight = 0;
  for (int n = 1; n <= kScrollSteps; ++n) {
    weight += (16 - n) * (16 - n);
    field.setScrollPos(start + (target - start) * weight / kScrollWeight);
    page_->viewMoved();
    wait(kScrollStepMs);
  }
}

void WindowPresenter::scrollTo(int x, int y) {
  checkAbort();
  if (!page_ || page_->battlefield().comfortablyVisible(x, y)) return;
  scrollView(BattlefieldView::scrollTarget(x, y));
}

void WindowPresenter::unitPanel(int u) {
  if (page_) page_->statusPanel().showUnit(u);
}

void WindowPresenter::skillPanel(int skill) {
  if (page_) page_->skillPanel().showSkill(skill);
}

void WindowPresenter::sidePanels() {
  if (page_) {
    page_->creatureList().refresh();
    page_->statusPanel().refresh();
  }
}

void WindowPresenter::weatherLabel() {
  if (page_) page_->refreshLabels();
}

void WindowPresenter::elementFieldLabels() {
  if (page_) page_->refreshLabels();
}

void WindowPresenter::phaseLabel() {
  if (page_) page_->refreshLabels();
}

void WindowPresenter::SE(Sound effect) { sound_.effect(effect); }

void WindowPresenter::BGM(Music music) { sound_.music(music); }

void WindowPresenter::EnabledCheck(bool on) {
  if (page_) page_->setInputLocked(!on);
}

int WindowPresenter::showDialog(const std::string& text, bool question) {
  checkAbort();
  GameDialog dialog(style::lines(text), question, page_ ? page_->window() : nullptr);
  dialog_ = &dialog;
  const int answer = dialog.exec();
  dialog_ = nullptr;
  checkAbort();
  return answer;
}

bool WindowPresenter::question(const std::string& text) {
  if (autoAnswer) return false;
  SE(Sound::Open);
  return showDialog(text, true) == QDialog::Accepted;
}

void WindowPresenter::message(const std::string& text) {
  if (autoAnswer) return;
  showDialog(text, false);
}

void WindowPresenter::showPage(Page page) {
  if (onShowPage) onShowPage(page);
}

}  // namespace sorvane
