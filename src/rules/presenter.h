// What the battle shows the player. The rules decide everything; a presenter
// only draws, plays sounds, waits and asks. The game window implements it
// with Qt; tests and the lab use the headless and recording presenters.
//
// The engine calls these in the order the rules give, and only when it is not
// simulating: an AI trial never reaches the presenter.
#pragma once

#include <string>

#include "data/types.h"

namespace sorvane {

class Presenter {
 public:
  virtual ~Presenter() = default;

  // Floating text over unit u, which stands on (x, y). `value` is an amount
  // (shown as text + value) or a kind code: 1000 death, 1001 summoned, 1002
  // vanished, 2000 status inflicted, 3000 cured, 4000 change gained, 4500
  // change lost, 5000 critical, 6000 miss, 7000 element note, 8000 name
  // reveal, 9000 message or ability name, 9001 usable ability name,
  // 10000 + element a skill or element name in that element's colour.
  virtual void LAnime(int /*u*/, i32 /*value*/, const std::string& /*text*/, int /*x*/, int /*y*/) {}

  // The frames of a cell animation of unit u on (x, y): 0 death, 1 summoning
  // complete, 2 vanish, 3 summoning starts, 4 familiar arrives, 5 warp, 6 hop.
  // The state changes of each kind are made by the engine around this call.
  virtual void KAnime(int /*u*/, int /*kind*/, int /*x*/, int /*y*/) {}

  // A banner across the battlefield: "win", "lose", "draw", "give",
  // "自フェイズ", "敵フェイズ", "ステージ", "勝利条件", weather and element-field
  // label texts. `ms` is how long it stays up.
  virtual void DLAnime(const std::string& /*key*/, int /*ms*/) {}

  virtual void MapPaint() {}
  virtual void miniMapPaint() {}
  virtual void scrollTo(int /*x*/, int /*y*/) {}  // bring a cell into view
  virtual void unitPanel(int /*u*/) {}            // status panel of a unit
  virtual void skillPanel(int /*skill*/) {}       // skill panel; 0 hides it
  virtual void sidePanels() {}                    // the panels of both sides
  virtual void weatherLabel() {}                  // the weather label changed
  virtual void elementFieldLabels() {}            // the element-field labels changed
  virtual void phaseLabel() {}                    // "自フェイズ n" / "敵フェイズ n"

  virtual void SE(int /*n*/) {}   // sound effect n (5..49)
  virtual void BGM(int /*n*/) {}  // music track n; 0 stops the music
  virtual void wait(int /*ms*/) {}

  // Locks (false) or unlocks (true) the player's controls around long rules.
  virtual void EnabledCheck(bool /*on*/) {}

  // A modal Yes/No (OK/Cancel) question; a headless presenter answers no.
  virtual bool question(const std::string& /*text*/) { return false; }
  // A modal message box.
  virtual void message(const std::string& /*text*/) {}

  // The battle is over and its rewards are paid: the window moves on to the
  // preparation screen or the credits.
  virtual void showPage(int /*page*/) {}
};

}  // namespace sorvane
