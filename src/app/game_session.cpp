#include "app/game_session.h"

#include "ai/auto_battle.h"
#include "ai/opponent.h"
#include "campaign/new_game.h"
#include "data/stages/stage_definition.h"

namespace sorvane {

namespace {

// The creatures a new game owns, put into the first circles so that a battle
// can be fought before the preparation screen is used.
constexpr int kStarterCreatures[] = {25, 92};

}  // namespace

bool stageExists(i32 stage) { return autoBattleStageExists(stage); }

GameSession::GameSession(std::string gameDir, std::unique_ptr<SoundOutput> sound)
    : state_(std::make_unique<Tsyori>()),
      sound_(sound ? std::move(sound) : std::make_unique<SilentSound>()),
      presenter_(*sound_), battle_(*state_, presenter_), commands_(battle_) {
  state_->gameDir = std::move(gameDir);
  newGame();
  opponent_ = installOpponent(battle_);
  opponent_->breathe = [this] { presenter_.breathe(); };
}

GameSession::~GameSession() = default;

void GameSession::newGame(bool starters) {
  SetUpNewGame(*state_);
  if (!starters) return;
  int slot = kPlayerMaster + 1;
  for (int creature : kStarterCreatures) state_->SetK(slot++, creature, 0);
}

void GameSession::setUpStage(i32 stage, std::uint32_t seed) {
  Tsyori& s = *state_;
  s.rng.Seed(seed);
  const bool story = isStoryStage(stage);
  s.storyBattle = story ? 1 : 0;
  if (story) s.storyStage = stage;
  s.stageNo = stage;
  s.mapNo = -1;
  s.StageSetup();
  commands_.newBattle();
}

bool GameSession::startBattle() {
  const Tsyori& s = *state_;
  const i32 first = s.storyBattle ? (s.winCondition == 4 ? 2 : 1) : state_->Random(2) + 1;
  return run([this, first] { battle_.startBattle(first); });
}

bool GameSession::run(const std::function<void()>& call) {
  ++depth_;
  bool finished = true;
  try {
    call();
    if (depth_ == 1 && battle_.resultPending()) {
      const AfterBattle next = campaign_.finishBattle(battle_);
      if (next == AfterBattle::Retry) commands_.newBattle();
      if (onBattleEnded) onBattleEnded(next);
    }
  } catch (const BattleAborted&) {
    finished = false;
  }
  --depth_;
  if (!finished && depth_ == 0 && onAborted) onAborted();
  if (!finished && depth_ > 0) throw BattleAborted{};  // an inner run: the outer one unwinds too
  return finished;
}

}  // namespace sorvane
