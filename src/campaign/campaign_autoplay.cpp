#include "campaign/campaign_autoplay.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

#include "ai/auto_battle.h"
#include "ai/opponent.h"
#include "campaign/flow.h"
#include "campaign/preparation.h"
#include "data/stages/stage_definition.h"

namespace sorvane {

namespace {

constexpr std::uint64_t kFnvOffset = 14695981039346656037ULL;
constexpr std::uint64_t kFnvPrime = 1099511628211ULL;
const char* const kRetryQuestion = "もう一度挑戦しますか？";

// Answers every question yes, but the retry question only while retries are left.
class AutoAnswers : public Presenter {
 public:
  bool retryAllowed = false;
  bool question(const std::string& text) override { return text != kRetryQuestion || retryAllowed; }
};

i32 growth(const Tcst& e) { return e.HPg + e.Atkg + e.Defg + e.Magg; }

void acquireAffordable(Tsyori& s, prep::Preparation& p) {
  const Tdeta& d = *s.D;
  std::vector<i32> wanted;
  for (i32 t = 1; t <= prep::kLastCreatureType; ++t)
    if (d.defeated[t] != 0 && d.acquired[t] == 0) wanted.push_back(t);
  std::stable_sort(wanted.begin(), wanted.end(),
                   [&](i32 a, i32 b) { return growth(d.creatures[a]) > growth(d.creatures[b]); });
  for (i32 t : wanted) p.acquire(t);  // one the BP does not pay for is refused and skipped
}

void placeStrongest(Tsyori& s, prep::Preparation& p) {
  const Tdeta& d = *s.D;
  std::vector<i32> owned;
  for (i32 t = 1; t <= prep::kLastCreatureType; ++t)
    if (d.acquired[t] != 0) owned.push_back(t);
  auto power = [&](i32 t) { return d.creatures[t].Lv * growth(d.creatures[t]); };
  std::stable_sort(owned.begin(), owned.end(), [&](i32 a, i32 b) { return power(a) > power(b); });
  for (int slot = 1; slot <= prep::kCircles; ++slot)
    if (d.k[slot].Type != 0) p.remove(slot);
  for (int slot = 1; slot <= prep::kCircles && std::size_t(slot) <= owned.size(); ++slot)
    p.place(slot, owned[slot - 1]);
}

void learnStrongestSkills(Tsyori& s, prep::Preparation& p, i32 entryNo) {
  const Tdeta& d = *s.D;
  const Tcst& entry = d.creatures[entryNo];
  std::vector<int> rows;
  for (std::size_t r = 0; r < entry.Sk.size(); ++r)
    if (entry.Sk[r] != 0 && entry.SkL.at(r) == 0) rows.push_back(int(r));
  std::stable_sort(rows.begin(), rows.end(),
                   [&](int a, int b) { return d.skills[entry.Sk[a]].Power > d.skills[entry.Sk[b]].Power; });
  for (int r : rows) p.learnSkill(entryNo, r);  // refused at the limit or without BP
}

// How the player's master moves when the computer plays it. Left at the
// defaults (advance on the enemy master) it walks into the enemy's reach and
// falls within a few turns; it keeps out of the enemies' reach instead and
// falls back when hurt, and lets its creatures fight. The computer has no
// notion of a stage won by reaching the rightmost column (only the player's
// master wins that way): advancing there runs the master into the defenders'
// line, so it hangs back and the stage is won by defeating the defenders.
void masterTactics(Tsyori& s) {
  constexpr i32 kEvade = 2, kHangBack = 8;
  constexpr i32 kReachTheLastColumn = 1;
  const stages::StageDef* stage = stages::FindStoryStage(s.storyStage);
  TAI& ai = s.D->k[kPlayerMaster].AI;
  ai.Ip = stage && stage->win == kReachTheLastColumn ? kHangBack : kEvade;
  ai.Retreat = 1;
}

void autoPrepareWith(Tsyori& s, Campaign& c, Presenter& answers) {
  prep::Preparation p(s, c, answers);
  masterTactics(s);
  acquireAffordable(s, p);
  placeStrongest(s, p);
  learnStrongestSkills(s, p, s.D->k[kPlayerMaster].Type);
  for (int slot = 1; slot <= prep::kCircles; ++slot)
    if (s.D->k[slot].Type != 0) learnStrongestSkills(s, p, s.D->k[slot].Type);
}

void mix(std::uint64_t& h, std::uint64_t v) {
  for (int shift = 0; shift < 64; shift += 8) {
    h ^= (v >> shift) & 0xFF;
    h *= kFnvPrime;
  }
}

}  // namespace

void autoPrepare(Tsyori& s, Campaign& c) {
  AutoAnswers yes;
  autoPrepareWith(s, c, yes);
}

namespace {

// Plays the battles of one campaign run: each one started from the
// preparation screen, played by the computer to its end, and its battle end.
class Runner {
 public:
  Runner(Tsyori& s, Campaign& c, const CampaignAutoplay& o, CampaignRun& run, AutoAnswers& answers)
      : s_(s), c_(c), o_(o), run_(run), answers_(answers), battle_(s, answers), p_(s, c, answers) {
    installOpponent(battle_)->everyUnit = true;
  }

  prep::Preparation& screen() { return p_; }

  // A story battle of the current stage, after the preparer; what followed it.
  std::optional<AfterBattle> storyBattle(int attempt) {
    autoPrepareWith(s_, c_, answers_);
    CampaignBattle fought{.stage = s_.storyStage, .attempt = attempt, .masterLv = masterLv()};
    if (!p_.nextStage(battle_).done()) return std::nullopt;
    return play(fought);
  }

  // A training battle: the party the game draws for this point of the story.
  void freeBattle() {
    autoPrepareWith(s_, c_, answers_);
    CampaignBattle fought{.free = true, .masterLv = masterLv()};
    if (p_.freeBattle(battle_).done()) play(fought);
  }

 private:
  i32 masterLv() const { return s_.D->creatures[s_.D->k[kPlayerMaster].Type].Lv; }

  AfterBattle play(CampaignBattle fought) {
    Battle& b = battle_;
    std::uint64_t h = kFnvOffset;
    while (!b.resultPending() && b.battleResult == Running && b.turn < o_.maxTurns) {
      b.Tchange();
      h = positionHash(b, h);
    }
    fought.result = b.battleResult;
    fought.turns = b.turn;
    if (fought.free) fought.stage = s_.stageNo;
    if (b.battleResult == Running) b.surrender();  // undecided: given up
    mix(run_.hash, h);
    answers_.retryAllowed = false;  // the run retries from the preparation screen
    // The ending scene the battle end calls is passed on once the battle is
    // reported, so that a log reads in the order things happened.
    std::vector<i32> scenes;
    auto playScene = std::exchange(c_.playScene, [&](i32 n) { scenes.push_back(n); });
    const AfterBattle next = c_.BMend(b);
    c_.playScene = playScene;
    fought.BP = c_.BP;
    if (o_.onBattle) o_.onBattle(fought);
    count(fought);
    for (i32 n : scenes) c_.scene(n);
    return next;
  }

  void count(const CampaignBattle& f) {
    if (f.free) {
      ++run_.freeBattles;
      run_.freeWon += f.result == Won;
      return;
    }
    ++run_.battles;
    if (f.result == Won) ++run_.won;
    else ++run_.lost;
    if (f.attempt > 0) {
      ++run_.retries;
      if (std::find(run_.retriedStages.begin(), run_.retriedStages.end(), f.stage) == run_.retriedStages.end())
        run_.retriedStages.push_back(f.stage);
    }
  }

  Tsyori& s_;
  Campaign& c_;
  const CampaignAutoplay& o_;
  CampaignRun& run_;
  AutoAnswers& answers_;
  Battle battle_;
  prep::Preparation p_;
};

}  // namespace

CampaignRun playCampaign(Tsyori& s, Campaign& c, std::uint32_t seed, i32 job, i32 character,
                         const CampaignAutoplay& options) {
  CampaignRun run;
  run.job = job;
  run.character = character;
  run.hash = kFnvOffset;
  s.rng.Seed(seed);

  AutoAnswers answers;
  Runner runner(s, c, options, run, answers);
  prep::Preparation& p = runner.screen();
  if (!p.newGame(job, character).done()) return run;

  while (true) {
    const i32 stage = s.storyStage;
    run.reached = stage;
    std::optional<AfterBattle> next = AfterBattle::Preparation;
    int attempt = 0;
    for (int round = 0; round < options.rounds && next == AfterBattle::Preparation; ++round) {
      for (int t = 0; round > 0 && t < options.training; ++t) runner.freeBattle();
      for (int r = 0; r <= options.retries && next == AfterBattle::Preparation; ++r)
        next = runner.storyBattle(attempt++);
    }
    if (next != AfterBattle::NextStage && next != AfterBattle::Credits) break;  // still not won
    if (next == AfterBattle::Credits) {
      if (stage == flow::kLastExtraStage) {
        run.completed = true;
        break;
      }
      if (!p.enterExtraStages().done() || !p.chooseMaster(job, character).done()) break;
    }
  }
  run.BP = c.BP;
  mix(run.hash, std::uint64_t(c.BP));
  return run;
}

}  // namespace sorvane
