// How long the opponent takes to decide: every story stage and the first
// party of every free-battle group played by the computer on both sides, the
// wall time of every unit's AICheck collected, and its median, 95th
// percentile and maximum reported as counters (milliseconds).
//
//   party 0: the new game's party (the master alone), as `sorvane-lab` plays
//            `battle all 1` after `newgame` (bench/ai_battles.lab);
//   party 1: a level-30 master with six creatures, for longer, fuller battles.
//
// The battle maps are read from the game folder beside the build's programs
// (../game/ from this program), where the build puts the archives.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "ai/auto_battle.h"
#include "ai/opponent.h"
#include "campaign/trial_battle.h"
#include "rules/battle.h"

namespace {

using namespace sorvane;

std::string gameFolder() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return "./";
  return (exe.parent_path().parent_path() / "game").string() + "/";
}

struct Game {
  Tsyori s;
  Campaign campaign;
  Presenter presenter;  // shows nothing
  Battle battle{s, presenter};

  explicit Game(int party) {
    Tdeta& d = *s.D;
    d.InitSkills();
    d.InitAbilities();
    d.InitCreatures();
    s.gameDir = gameFolder();
    s.maxX = kMapW - 1;
    s.maxY = kMapH - 1;
    fillGrid(s.unitAt, i32{-1});
    fillGrid(s.unitAtW, i32{-1});
    const i32 level = party == 0 ? 10 : 30;
    for (Tcst& entry : d.creatures) entry.Lv = level;
    for (int owned : {0, 25, 92}) d.acquired[owned] = 1;
    d.charOpen[0] = 1;
    s.SetK(0, kFirstMaster, 0);
    if (party == 1) {
      const int creatures[6] = {25, 92, 36, 63, 80, 49};
      for (int i = 0; i < 6; ++i) {
        d.acquired[creatures[i]] = 1;
        s.SetK(i + 1, creatures[i], 0);
      }
    }
    s.stageNo = -1;
    s.mapNo = -1;
    installOpponent(battle);
  }
};

void BM_AutoBattles(benchmark::State& st) {
  const int party = static_cast<int>(st.range(0));
  std::vector<double> decisions;
  std::size_t battles = 0;
  for (auto _ : st) {
    Game game(party);
    for (i32 stage : autoBattleStages()) {
      const AutoBattle run = playTrialBattle(game.battle, game.campaign, stage, 1, 60);
      decisions.insert(decisions.end(), run.decisionMs.begin(), run.decisionMs.end());
      ++battles;
    }
  }
  const DecisionFigures f = decisionFigures(decisions);
  st.counters["battles"] = static_cast<double>(battles);
  st.counters["decisions"] = static_cast<double>(decisions.size());
  st.counters["ai_ms_median"] = f.median;
  st.counters["ai_ms_p95"] = f.p95;
  st.counters["ai_ms_max"] = f.max;
}
BENCHMARK(BM_AutoBattles)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

// One unit's decision, repeated on the same position: the masters of the
// first free-battle party's battle (unit 0 the player's, 16 the computer's)
// in the second turn, the unit given one move and one skill use.
void BM_OneDecision(benchmark::State& st) {
  Game game(1);
  Battle& b = game.battle;
  b.s.rng.Seed(1);
  b.s.stageNo = 100;
  b.s.storyBattle = 0;
  b.s.StageSetup();
  b.opponentPhase = nullptr;  // the phases pass without actions: the position stays
  b.startBattle(1);
  b.Tchange();
  Opponent op(b);
  const int u = static_cast<int>(st.range(0));
  b.phaseTeam = b.d.k[u].Team;
  b.d.k[u].MoveN = b.d.k[u].SkillN = 1;
  const auto units = b.d.k;
  const auto cells = b.s.unitAt;
  const auto terrain = b.s.terrain;
  const auto weather = b.s.weather;
  for (auto _ : st) {
    b.s.simulating = 1;
    op.AICheck(u);
    b.s.simulating = 0;
    st.PauseTiming();
    b.d.k = units;
    b.s.unitAt = cells;
    b.s.terrain = terrain;
    b.s.weather = weather;
    st.ResumeTiming();
  }
}
BENCHMARK(BM_OneDecision)->Arg(0)->Arg(16)->Unit(benchmark::kMillisecond);

}  // namespace
