// One game in the window: the game state, the campaign, the battle engine
// with its command interface and opponent, and the presenter that shows it.
// Every call into the engine goes through run(), which is the top of the
// stack: after an order it runs the battle end (rewards, the retry question,
// the way on), and a close request that unwinds the engine ends here.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/window_presenter.h"
#include "campaign/campaign.h"
#include "rules/orders.h"
#include "sound/sound_output.h"

namespace sorvane {

class Opponent;

class GameSession {
 public:
  // Without a sound output the game plays silently (tests, review runs).
  explicit GameSession(std::string gameDir, std::unique_ptr<SoundOutput> sound = nullptr);
  ~GameSession();

  Tsyori& state() { return *state_; }
  Battle& battle() { return battle_; }
  Commands& commands() { return commands_; }
  Campaign& campaign() { return campaign_; }
  WindowPresenter& presenter() { return presenter_; }
  SoundOutput& sound() { return *sound_; }
  Opponent& opponent() { return *opponent_; }

  // A new game; with `starters`, its creatures are put into the party's
  // circles (the lab's new game leaves them in hand).
  void newGame(bool starters = true);
  // Sets up a story stage (0..14, 50..69) or a free battle (GROUP * 100 +
  // PARTY) with a seed; the battle itself starts with startBattle().
  void setUpStage(i32 stage, std::uint32_t seed);
  // Opens the first phase of the battle set up (the computer may play first).
  // False when the window closed meanwhile.
  bool startBattle();

  // Runs `call` at the top of the stack: then the battle end when a result
  // is on the board. False when the window is closing (the engine was
  // unwound); `onAborted` has run then.
  bool run(const std::function<void()>& call);
  // Set by the window: the engine unwound because the window closes.
  std::function<void()> onAborted;
  // The way on after a battle end (the page shown is already switched).
  std::function<void(AfterBattle)> onBattleEnded;

  // Whether any engine call is running now (a close must unwind it first).
  bool running() const { return depth_ > 0; }

 private:
  std::unique_ptr<Tsyori> state_;
  Campaign campaign_;
  std::unique_ptr<SoundOutput> sound_;
  WindowPresenter presenter_;
  Battle battle_;
  Commands commands_;
  std::shared_ptr<Opponent> opponent_;
  int depth_ = 0;
};

// The story stages and free battles a window can be started into.
bool stageExists(i32 stage);

}  // namespace sorvane
