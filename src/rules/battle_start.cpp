// The start of a battle that stage setup has prepared, a retried battle, and
// the surrender button. What follows a result (the battle end) is run by the
// caller at the top of the stack, never from inside a rule.
#include "rules/battle.h"

namespace sorvane {

void Battle::surrender() {
  view->SE(Sound::Open);
  if (!view->question("降参しますか？")) {
    view->SE(Sound::Cancel);
    return;
  }
  view->SE(Sound::Open);
  view->BGM(Music::stop());
  view->EnabledCheck(false);
  view->wait(2000);
  battleResult = Surrendered;
  DLAnime(Banner::result(Surrendered), 3300);
}

void Battle::startBattle(i32 first) {
  FlagScope<int> running(busy, busy + 1);
  view->MapPaint();
  view->miniMapPaint();
  view->sidePanels();
  setZokuseiti();
  firstTeam = first;
  phaseTeam = first == 1 ? 2 : 1;
  turn = 0;
  battleResult = Running;
  endHandled = 0;
  view->unitPanel(first == 1 ? kPlayerMaster : kEnemyMaster);
  view->showPage(Page::Battle);
  view->EnabledCheck(false);
  Tchange();
}

void Battle::restartBattle() {
  FlagScope<int> running(busy, busy + 1);
  view->MapPaint();
  view->miniMapPaint();
  view->sidePanels();
  setZokuseiti();
  phaseTeam = firstTeam == 1 ? 2 : 1;
  turn = 0;
  battleResult = Running;
  endHandled = 0;
  Tchange();
}

}  // namespace sorvane
