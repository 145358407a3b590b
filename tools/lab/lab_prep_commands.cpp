// The lab's preparation-screen commands (`prep ...`), the party export,
// `print party`, and `campaign autoplay`: a whole campaign played by the
// computer.
#include <cstdio>
#include <ostream>

#include "campaign/campaign_autoplay.h"
#include "campaign/enemy_export.h"
#include "campaign/preparation.h"
#include "lab.h"
#include "lab_parse.h"

namespace sorvane::lab {

namespace {

constexpr int kDefaultRetries = 3;

bool parseAll(const std::vector<std::string>& words, std::size_t from, std::vector<i32>& values) {
  values.clear();
  for (std::size_t i = from; i < words.size(); ++i) {
    i32 v = 0;
    if (!parseInt(words[i], v)) return false;
    values.push_back(v);
  }
  return true;
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

std::string hex(std::uint64_t v) {
  char text[32];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(v));
  return text;
}

}  // namespace

std::string Lab::cmdPrep(const Args& a) {
  static const char* kUsage =
      "usage: prep acquire T | place SLOT T | remove SLOT | learn T POS | forget T POS | ability T POS | method M | "
      "job J C | stage N | next | free [GROUP PARTY] | newgame J C | extra";
  std::vector<i32> n;
  if (a.empty() || !parseAll(a, 1, n)) return kUsage;
  const std::string& what = a[0];
  auto args = [&](std::size_t count) { return n.size() == count; };
  prep::Preparation p(*state_, campaign_, presenter_);
  prep::Result r;
  bool battleStarts = false;
  if (what == "acquire" && args(1)) r = p.acquire(n[0]);
  else if (what == "place" && args(2)) r = p.place(n[0], n[1]);
  else if (what == "remove" && args(1)) r = p.remove(n[0]);
  else if (what == "learn" && args(2)) r = p.learnSkill(n[0], n[1]);
  else if (what == "forget" && args(2)) r = p.forgetSkill(n[0], n[1]);
  else if (what == "ability" && args(2)) r = p.toggleAbility(n[0], n[1]);
  else if (what == "method" && args(1)) r = p.setMethod(n[0]);
  else if (what == "job" && args(2)) r = p.chooseMaster(n[0], n[1]);
  else if (what == "stage" && args(1)) r = p.chooseExtraStage(n[0]);
  else if (what == "newgame" && args(2)) r = p.newGame(n[0], n[1]);
  else if (what == "extra" && args(0)) r = p.enterExtraStages();
  else if (what == "next" && args(0)) {
    r = p.nextStage(battle());
    battleStarts = true;
  } else if (what == "free" && (args(0) || args(2))) {
    if (args(2) && (n[0] < 1 || n[1] < 0 || n[1] > 99)) return "no free-battle party " + a[1] + " " + a[2];
    r = p.freeBattle(battle(), args(0) ? -1 : n[0] * 100 + n[1]);
    battleStarts = true;
  } else {
    return kUsage;
  }
  if (r.outcome == prep::Outcome::Refused) return r.message;
  if (r.outcome == prep::Outcome::Cancelled) {
    out_ << "cancelled\n";
    return {};
  }
  if (battleStarts) {
    commands_->newBattle();
    endBattleIfDecided();
  }
  return {};
}

std::string Lab::cmdExport(const Args& a) {
  if (a.size() != 1) return "usage: export FILE";
  exportPartyTo(a[0], *state_);
  out_ << "exported " << a[0] << "\n";
  return {};
}

// print party: BP, the summoning method, and the master and circles 1..6 with
// their level and learned skills.
std::string Lab::printParty(const Args& a) {
  if (a.size() != 1) return "usage: print party";
  const Tdeta& d = *state_->D;
  out_ << "BP=" << campaign_.BP << " SH=" << d.k[kPlayerMaster].SH << " storyStage=" << state_->storyStage << "\n";
  for (int i = 0; i <= 6; ++i) {
    const Tkst& u = d.k[i];
    const Tcst& e = d.creatures[u.Type >= 0 && u.Type < kCreatureCount ? u.Type : 0];
    std::vector<i32> learned;
    for (std::size_t s = 0; s < e.Sk.size(); ++s)
      if (e.SkL.at(s) != 0) learned.push_back(e.Sk[s]);
    out_ << i << " " << u.Type << " " << u.N.str() << " Lv=" << e.Lv << " Exp=" << e.Exp
         << " skills=" << joinList(learned.begin(), learned.end())
         << " abilities=" << joinList(e.AbL.begin(), e.AbL.end()) << "\n";
  }
  return {};
}

// campaign autoplay SEED [JOB [CHARACTER]]: a new game played through by the
// computer; one line per battle, `scene N` for every story scene, a summary.
std::string Lab::cmdCampaign(const Args& a) {
  static const char* kUsage = "usage: campaign autoplay SEED [JOB [CHARACTER]]";
  std::vector<i32> n;
  if (a.size() < 2 || a.size() > 4 || a[0] != "autoplay" || !parseAll(a, 1, n)) return kUsage;
  const i32 job = n.size() > 1 ? n[1] : 0;
  const i32 character = n.size() > 2 ? n[2] : 0;
  if (job < 0 || job > 6 || character < 0 || character > 10) return "jobs are 0..6, characters 0..10";

  CampaignAutoplay options;
  options.retries = kDefaultRetries;
  options.onBattle = [this](const CampaignBattle& f) {
    out_ << (f.free ? "free" : "battle") << " stage=" << f.stage << " attempt=" << f.attempt
         << " result=" << resultName(f.result) << " turns=" << f.turns << " lv=" << f.masterLv << " bp=" << f.BP
         << "\n";
  };
  auto scenesBefore = campaign_.playScene;
  campaign_.playScene = [this](i32 scene) { out_ << "scene " << scene << "\n"; };
  battle_.reset();  // the run plays on its own battle
  commands_.reset();
  CampaignRun run;
  try {
    run = playCampaign(*state_, campaign_, static_cast<std::uint32_t>(n[0]), job, character, options);
  } catch (...) {
    campaign_.playScene = scenesBefore;
    throw;
  }
  campaign_.playScene = scenesBefore;
  std::string retried;
  for (i32 s : run.retriedStages) retried += (retried.empty() ? "" : ",") + std::to_string(s);
  out_ << "campaign job=" << run.job << " battles=" << run.battles << " won=" << run.won << " lost=" << run.lost
       << " retries=" << run.retries << " reached=" << run.reached << " completed=" << (run.completed ? "yes" : "no")
       << " bp=" << run.BP << " hash=" << hex(run.hash) << "\n";
  if (!retried.empty()) out_ << "retried stages=" << retried << "\n";
  out_ << "training free=" << run.freeBattles << " won=" << run.freeWon << "\n";
  return {};
}

}  // namespace sorvane::lab

namespace sorvane::lab {

// flag NAME I 0|1: one of the collection and unlock flags (defeated, acquired,
// summoned: creature types 0..103; jobOpen 0..6; charOpen 0..10; extraOpen 0).
std::string Lab::cmdFlag(const Args& a) {
  i32 i = 0, v = 0;
  if (a.size() != 3 || !parseInt(a[1], i) || !parseInt(a[2], v) || (v != 0 && v != 1))
    return "usage: flag defeated|acquired|summoned|jobOpen|charOpen|extraOpen I 0|1";
  Tdeta& d = *state_->D;
  auto set = [&](auto& flags) -> std::string {
    if (i < 0 || std::size_t(i) >= flags.size()) return a[0] + " has no index " + a[1];
    flags[std::size_t(i)] = static_cast<byte>(v);
    return {};
  };
  if (a[0] == "defeated") return set(d.defeated);
  if (a[0] == "acquired") return set(d.acquired);
  if (a[0] == "summoned") return set(d.summoned);
  if (a[0] == "jobOpen") return set(d.jobOpen);
  if (a[0] == "charOpen") return set(d.charOpen);
  if (a[0] == "extraOpen") {
    if (i != 0) return "extraOpen has only index 0";
    d.extraOpen = static_cast<byte>(v);
    return {};
  }
  return "no flag called " + a[0];
}

}  // namespace sorvane::lab
