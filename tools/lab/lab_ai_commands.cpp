// The lab's opponent commands: one unit's AI turn, AI-vs-AI play, and whole
// battles played by the computer on both sides with the time every decision
// took and a fingerprint of the course of the battle.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <ostream>

#include "ai/opponent.h"
#include "campaign/trial_battle.h"
#include "lab.h"
#include "lab_parse.h"

namespace sorvane::lab {

namespace {

constexpr i32 kDefaultMaxTurns = 60;

std::string fixed2(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", v);
  return text;
}

std::string hex(std::uint64_t v) {
  char text[32];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(v));
  return text;
}

const char* resultName(i32 r) {
  switch (r) {
    case Won: return "won";
    case Lost: return "lost";
    case Draw: return "draw";
    case Surrendered: return "surrendered";
    default: return "undecided";
  }
}

std::string figuresText(const std::vector<double>& ms) {
  const DecisionFigures f = decisionFigures(ms);
  return "decisions=" + std::to_string(ms.size()) + " ai_ms_median=" + fixed2(f.median) + " ai_ms_p95=" +
         fixed2(f.p95) + " ai_ms_max=" + fixed2(f.max);
}

// The opponent the battle plays with (none while `ai off`), told whether it
// plays every side.
Opponent* labOpponent(Battle& b, bool autoplay) {
  Opponent* op = installedOpponent(b);
  if (op) op->everyUnit = autoplay;
  return op;
}

}  // namespace

// ai U: the computer plays unit U's turn now (AICheck); ai on|off: whether the
// computer plays its phases.
std::string Lab::cmdAiCheck(const Args& a) {
  if (a.size() == 1 && (a[0] == "on" || a[0] == "off")) {
    std::string error = cmdAi(a);
    labOpponent(battle(), autoplay_);
    return error;
  }
  i32 u = 0;
  if (a.size() != 1 || !parseInt(a[0], u) || u < 0 || u >= kUnitCount) return "usage: ai U | ai on|off";
  Battle& b = battle();
  std::unique_ptr<Opponent> own;
  Opponent* op = labOpponent(b, autoplay_);
  if (!op) {
    own = std::make_unique<Opponent>(b);
    op = own.get();
  }
  Simulation trials(*state_);
  op->AICheck(u);
  return {};
}

// autoplay on|off: the computer plays every side, the player's too.
std::string Lab::cmdAutoplay(const Args& a) {
  if (a.size() != 1 || (a[0] != "on" && a[0] != "off")) return "usage: autoplay on|off";
  autoplay_ = a[0] == "on";
  labOpponent(battle(), autoplay_);
  return {};
}

// battle STAGE SEED [MAXTURNS] | battle all SEED: set the stage up with the
// seed and the party the catalogue holds, let the computer play both sides
// until the battle ends or MAXTURNS turns have passed, and print
//   stage=S result=R turns=T decisions=N ai_ms_median=.. ai_ms_p95=.. ai_ms_max=.. violations=V hash=H
// The party's progress is put back afterwards, so a battle can be replayed.
std::string Lab::cmdBattle(const Args& a) {
  if (a.size() < 2 || a.size() > 3) return "usage: battle STAGE SEED [MAXTURNS] | battle all SEED";
  i32 seed = 0, maxTurns = kDefaultMaxTurns;
  if (!parseInt(a[1], seed)) return "not a number: " + a[1];
  if (a.size() == 3 && (!parseInt(a[2], maxTurns) || maxTurns < 1)) return "MAXTURNS 1 or more: " + a[2];

  std::vector<i32> stageList;
  if (a[0] == "all") {
    if (a.size() != 2) return "usage: battle all SEED";
    stageList = autoBattleStages();
  } else {
    i32 stage = 0;
    if (!parseInt(a[0], stage)) return "not a number: " + a[0];
    if (!autoBattleStageExists(stage))
      return "no stage " + a[0] + " (story stages 0..14, 50..69; free battles GROUP*100+PARTY)";
    stageList.push_back(stage);
  }

  Battle& b = battle();
  std::vector<double> everyDecision;
  int violations = 0;
  std::array<int, 5> results{};
  std::uint64_t all = 14695981039346656037ULL;
  for (i32 stage : stageList) {
    const AutoBattle run = playTrialBattle(b, campaign_, stage, static_cast<std::uint32_t>(seed), maxTurns);
    presenter_.calls.clear();
    out_ << "stage=" << stage << " result=" << resultName(run.result) << " turns=" << run.turns << " "
         << figuresText(run.decisionMs) << " violations=" << run.violations << " hash=" << hex(run.hash) << "\n";
    if (run.violations > 0) out_ << "violation: " << run.firstViolation << "\n";
    everyDecision.insert(everyDecision.end(), run.decisionMs.begin(), run.decisionMs.end());
    violations += run.violations;
    ++results[std::clamp<i32>(run.result, 0, 4)];
    all = (all ^ run.hash) * 1099511628211ULL;
  }
  labOpponent(b, autoplay_);

  if (stageList.size() > 1)
    out_ << "all stages=" << stageList.size() << " won=" << results[Won] << " lost=" << results[Lost]
         << " draw=" << results[Draw] << " undecided=" << results[Running] << " " << figuresText(everyDecision)
         << " violations=" << violations << " hash=" << hex(all) << "\n";
  return {};
}

}  // namespace sorvane::lab
