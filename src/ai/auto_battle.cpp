#include "ai/auto_battle.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "ai/opponent.h"
#include "data/stages/stage_definition.h"

namespace sorvane {

namespace {

constexpr std::uint64_t kFnvOffset = 14695981039346656037ULL;
constexpr std::uint64_t kFnvPrime = 1099511628211ULL;

void mix(std::uint64_t& h, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) {
    h ^= (v >> shift) & 0xFF;
    h *= kFnvPrime;
  }
}
void mix(std::uint64_t& h, std::string_view text) {
  for (unsigned char c : text) {
    h ^= c;
    h *= kFnvPrime;
  }
  h ^= 0xFF;
  h *= kFnvPrime;
}

void mixUnit(std::uint64_t& h, const Tkst& u) {
  mix(h, u.N);
  for (const i32* f = &u.G; f <= &u.ProcP; ++f) mix(h, static_cast<std::uint32_t>(*f));
  mix(h, static_cast<std::uint32_t>(u.W.size()));
  for (i32 id : u.W) mix(h, static_cast<std::uint32_t>(id));
  for (i32 id : u.TN) mix(h, static_cast<std::uint32_t>(id));
  mix(h, u.TNS);
  for (i32 v : {u.TU, u.TUN, u.HealRes}) mix(h, static_cast<std::uint32_t>(v));
}

}  // namespace

bool isStoryStage(i32 stage) {
  for (const auto* table : {&stages::mainStoryStages(), &stages::extraStoryStages()})
    for (const stages::StageDef& def : *table)
      if (def.stage == stage) return true;
  return false;
}

DecisionFigures decisionFigures(std::vector<double> ms) {
  DecisionFigures f;
  if (ms.empty()) return f;
  std::sort(ms.begin(), ms.end());
  const std::size_t n = ms.size();
  f.median = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
  f.p95 = ms[static_cast<std::size_t>(std::ceil(0.95 * static_cast<double>(n))) - 1];
  f.max = ms.back();
  return f;
}

std::vector<i32> autoBattleStages() {
  std::vector<i32> list;
  for (const auto* table : {&stages::mainStoryStages(), &stages::extraStoryStages()})
    for (const stages::StageDef& def : *table) list.push_back(def.stage);
  for (const stages::FreeGroup& g : stages::freeBattleGroups())
    if (!g.parties.empty()) list.push_back(g.group * 100);
  return list;
}

bool autoBattleStageExists(i32 stage) {
  return isStoryStage(stage) || (stage >= 100 && stages::FindParty(stage / 100, stage % 100) != nullptr);
}

std::uint64_t positionHash(const Battle& b, std::uint64_t h) {
  const Tsyori& s = b.s;
  for (int i = 0; i <= s.lastUnit && i < kUnitCount; ++i) mixUnit(h, b.d.k[i]);
  for (int x = 0; x < kMapW; ++x)
    for (int y = 0; y < kMapH; ++y) {
      mix(h, static_cast<std::uint32_t>(s.unitAt[x][y]));
      mix(h, static_cast<std::uint32_t>(s.terrain[x][y]));
    }
  for (i32 v : {s.weather, s.zokuseiti1, s.zokuseiti2, b.turn, b.phaseTeam, b.battleResult})
    mix(h, static_cast<std::uint32_t>(v));
  mix(h, static_cast<std::uint32_t>(s.rng.state()));
  mix(h, static_cast<std::uint32_t>(s.rng.state() >> 32));
  return h;
}

int ruleViolations(const Battle& b, std::string& first) {
  const Tsyori& s = b.s;
  int found = 0;
  auto report = [&](const std::string& what) {
    if (found++ == 0) first = what;
  };
  std::array<int, kUnitCount> cells{};
  for (int x = 0; x <= s.maxX; ++x)
    for (int y = 0; y <= s.maxY; ++y) {
      const i32 u = s.unitAt[x][y];
      if (u < 0) continue;
      const std::string where = std::to_string(x) + "," + std::to_string(y);
      if (u >= kUnitCount) {
        report("cell " + where + " holds unit " + std::to_string(u));
        continue;
      }
      ++cells[u];
      const i32 state = b.d.k[u].State;
      if (state != OnField && state != BeingSummoned)
        report("unit " + std::to_string(u) + " in State " + std::to_string(state) + " stands on " + where);
    }
  for (int u = 0; u <= s.lastUnit && u < kUnitCount; ++u) {
    const Tkst& k = b.d.k[u];
    const std::string who = "unit " + std::to_string(u);
    if (cells[u] > 1) report(who + " stands on " + std::to_string(cells[u]) + " cells");
    if (k.HP > k.HPMax) report(who + " has HP " + std::to_string(k.HP) + " above its maximum " + std::to_string(k.HPMax));
    // Every action, and the either-or charge of a flinch or [鈍足], takes
    // only a counter that is left: none may go below 0.
    if (k.MoveN < 0 || k.SkillN < 0 || k.SummonN < 0 || k.SpecialN < 0)
      report(who + " acted without an action left (MoveN " + std::to_string(k.MoveN) + ", SkillN " +
             std::to_string(k.SkillN) + ", SummonN " + std::to_string(k.SummonN) + ", SpecialN " +
             std::to_string(k.SpecialN) + ")");
  }
  return found;
}

AutoBattle playAutoBattle(Battle& b, i32 stage, std::uint32_t seed, i32 maxTurns, const BattleEnd& battleEnd) {
  AutoBattle run;
  run.stage = stage;
  Tsyori& s = b.s;

  s.rng.Seed(seed);
  const bool story = isStoryStage(stage);
  s.storyBattle = story ? 1 : 0;
  if (story) s.storyStage = stage;
  s.stageNo = stage;
  s.mapNo = -1;
  s.StageSetup();

  // The battle's own opponent plays, told to command every side; a battle
  // without one gets one for this battle only.
  OpponentPhase before = b.opponentPhase;
  Opponent* op = installedOpponent(b);
  std::shared_ptr<Opponent> own;
  if (!op) {
    own = installOpponent(b);
    op = own.get();
  }
  const bool everyUnitBefore = op->everyUnit;
  op->everyUnit = true;
  op->recordTimes = true;
  op->decisionMs.clear();
  op->afterUnit = [&](int) {
    std::string what;
    const int n = ruleViolations(b, what);
    if (n > 0 && run.violations == 0) run.firstViolation = what;
    run.violations += n;
  };

  const i32 first = story ? (s.winCondition == 4 ? 2 : 1) : s.Random(2) + 1;
  std::uint64_t hash = kFnvOffset;
  // The battle end runs where the window runs it: once the order that
  // decided the battle has returned.
  auto endIfDecided = [&] {
    if (b.resultPending() && battleEnd) battleEnd(b);
  };
  b.startBattle(first);
  endIfDecided();
  hash = positionHash(b, hash);
  while (b.battleResult == Running && b.turn < maxTurns) {
    b.Tchange();
    endIfDecided();
    hash = positionHash(b, hash);
  }
  std::string what;
  const int atEnd = ruleViolations(b, what);
  if (atEnd > 0 && run.violations == 0) run.firstViolation = what;
  run.violations += atEnd;

  run.result = b.battleResult;
  run.turns = b.turn;
  run.decisionMs = op->decisionMs;
  run.hash = hash;

  op->afterUnit = nullptr;
  op->recordTimes = false;
  op->everyUnit = everyUnitBefore;
  b.opponentPhase = before;
  return run;
}

}  // namespace sorvane
