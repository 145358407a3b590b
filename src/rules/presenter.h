// What the battle shows the player. The rules decide everything; a presenter
// only draws, plays sounds, waits and asks. The game window implements it
// with Qt; tests and the lab use the headless and recording presenters.
//
// The engine calls these in the order the rules give, and only when it is not
// simulating: an AI trial never reaches the presenter.
#pragma once

#include <string>

#include "data/types.h"
#include "rules/presentation.h"

namespace sorvane {

// Thrown by a presenter from inside a wait, a question or any other call when
// the game must stop now (the window is closing). It unwinds whatever rule or
// computer phase is running; the engine is left between orders, in a defined
// state: no trial mode, no working copy in use, no order half counted.
struct BattleAborted {};

class Presenter {
 public:
  virtual ~Presenter() = default;

  // A floating text over unit u, which stands on (x, y): an amount or one of
  // the kinds of text (death, statuses, misses, ability names...).
  virtual void LAnime(int /*u*/, const FloatingText& /*text*/, int /*x*/, int /*y*/) {}

  // The frames of a cell animation of unit u on (x, y). The state changes of
  // each kind are made by the engine around this call.
  virtual void KAnime(int /*u*/, CellAnim /*kind*/, int /*x*/, int /*y*/) {}

  // A banner across the battlefield, up for `ms` milliseconds.
  virtual void DLAnime(const Banner& /*banner*/, int /*ms*/) {}

  virtual void MapPaint() {}
  virtual void miniMapPaint() {}
  virtual void scrollTo(int /*x*/, int /*y*/) {}  // bring a cell into view
  virtual void unitPanel(int /*u*/) {}            // status panel of a unit
  virtual void skillPanel(int /*skill*/) {}       // skill panel; 0 hides it
  virtual void sidePanels() {}                    // the panels of both sides
  virtual void weatherLabel() {}                  // the weather label changed
  virtual void elementFieldLabels() {}            // the element-field labels changed
  virtual void phaseLabel() {}                    // "自フェイズ n" / "敵フェイズ n"

  virtual void SE(Sound /*effect*/) {}
  virtual void BGM(Music /*music*/) {}  // Music::stop() fades the music out
  // Waits while the window keeps painting and handling events; may throw
  // BattleAborted.
  virtual void wait(int /*ms*/) {}

  // Locks (false) or unlocks (true) the player's controls around long rules.
  virtual void EnabledCheck(bool /*on*/) {}

  // A modal Yes/No (OK/Cancel) question; a headless presenter answers no.
  virtual bool question(const std::string& /*text*/) { return false; }
  // A modal message box.
  virtual void message(const std::string& /*text*/) {}

  // The window moves to another page (the preparation screen, the credits...).
  virtual void showPage(Page /*page*/) {}
};

}  // namespace sorvane
