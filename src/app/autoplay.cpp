#include "app/autoplay.h"

#include <chrono>
#include <cstdio>

#include <QTimer>

#include "app/game_session.h"
#include "app/thread_cpu.h"
#include "campaign/trial_battle.h"

namespace sorvane {

namespace {

const char* resultName(i32 r) {
  switch (r) {
    case Won: return "won";
    case Lost: return "lost";
    case Draw: return "draw";
    case Surrendered: return "surrendered";
    default: return "undecided";
  }
}

std::string fixed2(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", v);
  return buf;
}

}  // namespace

AutoplayReport autoplayBattle(GameSession& session, i32 stage, std::uint32_t seed, i32 maxTurns) {
  AutoplayReport report;
  // A timer that is always due fires whenever the window handles events;
  // the longest gap between two firings is the longest stall.
  using Clock = std::chrono::steady_clock;
  Clock::time_point last = Clock::now();
  QTimer heartbeat;
  heartbeat.setInterval(0);
  // Only stretches that lie wholly inside the phases count: the stage set-up
  // before the first phase and the battle end after the last are not phases.
  bool inPhases = false;
  const Battle& b = session.battle();
  QObject::connect(&heartbeat, &QTimer::timeout, [&] {
    const Clock::time_point now = Clock::now();
    const bool phasesNow = b.turn > 0 && b.battleResult == Running;
    if (inPhases && phasesNow)
      report.stallMsMax = std::max(report.stallMsMax, std::chrono::duration<double, std::milli>(now - last).count());
    inPhases = phasesNow;
    last = now;
  });
  heartbeat.start();

  WindowPresenter& presenter = session.presenter();
  const bool answerBefore = presenter.autoAnswer;
  presenter.autoAnswer = true;
  AutoBattle run;
  const Clock::time_point started = Clock::now();
  const double soundCpuBefore = soundThreadCpuSeconds();
  report.aborted = !session.run([&] {
    run = playTrialBattle(session.battle(), session.campaign(), stage, seed, maxTurns);
  });
  presenter.autoAnswer = answerBefore;
  heartbeat.stop();
  const double wall = std::chrono::duration<double>(Clock::now() - started).count();
  if (wall > 0) report.soundCpuPercent = 100.0 * (soundThreadCpuSeconds() - soundCpuBefore) / wall;

  const DecisionFigures f = decisionFigures(run.decisionMs);
  char hash[17];
  std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(run.hash));
  report.line = "stage=" + std::to_string(stage) + " result=" + resultName(run.result) + " turns=" +
                std::to_string(run.turns) + " decisions=" + std::to_string(run.decisionMs.size()) +
                " ai_ms_median=" + fixed2(f.median) + " ai_ms_p95=" + fixed2(f.p95) + " ai_ms_max=" + fixed2(f.max) +
                " violations=" + std::to_string(run.violations) + " hash=" + hash;
  report.violation = run.firstViolation;
  return report;
}

}  // namespace sorvane
