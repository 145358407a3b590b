// The battle as the window shows it: floating texts, cell animations and
// banners on the battlefield, the panels and labels, sounds through the sound
// output, questions and messages as the game's dialogs. Every wait runs a
// local event loop, so the window keeps painting and answering while the
// rules or the computer play; a close request makes the running call throw
// BattleAborted.
#pragma once

#include <functional>

#include <QColor>
#include <QElapsedTimer>
#include <QPointer>

#include "rules/presenter.h"
#include "sound/sound_output.h"

class QEventLoop;
class QDialog;

namespace sorvane {

class BattlePage;

enum class AnimationSpeed { Normal, Fast, Instant };

class WindowPresenter : public Presenter {
 public:
  explicit WindowPresenter(SoundOutput& sound) : sound_(sound) {}
  void attach(BattlePage* page) { page_ = page; }

  AnimationSpeed speed = AnimationSpeed::Normal;
  bool skipComputerAnimations = false;
  bool autoAnswer = false;                 // questions answered no and messages skipped (autoplay)
  std::function<void(Page)> onShowPage;

  // The window is closing: the running call (or the next one) throws BattleAborted.
  void abort();
  bool aborting() const { return aborting_; }
  // The milliseconds a wait of `ms` lasts with the current settings.
  int scaled(int ms) const;

  void LAnime(int u, const FloatingText& text, int x, int y) override;
  void KAnime(int u, CellAnim kind, int x, int y) override;
  void DLAnime(const Banner& banner, int ms) override;
  void MapPaint() override;
  void miniMapPaint() override;
  void scrollTo(int x, int y) override;
  void unitPanel(int u) override;
  void skillPanel(int skill) override;
  void sidePanels() override;
  void weatherLabel() override;
  void elementFieldLabels() override;
  void phaseLabel() override;
  void SE(Sound effect) override;
  void BGM(Music music) override;
  void wait(int ms) override;
  void EnabledCheck(bool on) override;
  bool question(const std::string& text) override;
  void message(const std::string& text) override;
  void showPage(Page page) override;

  // Handles the window's events at most every few milliseconds while the
  // computer works out a decision; throws BattleAborted when the window closes.
  void breathe();

  // Scrolls the battlefield to `target` with the eased animation (15 steps).
  void scrollView(QPoint target);

 private:
  void checkAbort() const;
  bool fast() const { return speed != AnimationSpeed::Normal; }
  bool instant() const;
  int showDialog(const std::string& text, bool question);

  SoundOutput& sound_;
  BattlePage* page_ = nullptr;
  bool aborting_ = false;
  QEventLoop* loop_ = nullptr;
  QPointer<QDialog> dialog_;
  QColor lastBanner_{0xff, 0xf2, 0x80};
  QElapsedTimer sinceEvents_;
};

}  // namespace sorvane
