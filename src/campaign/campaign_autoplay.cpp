#include "campaign/campaign_autoplay.h"

#include <algorithm>
#include <memory>

#include "ai/auto_battle.h"
#include "ai/opponent.h"
#include "campaign/flow.h"
#include "campaign/preparation.h"

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
  for (int slot = 1; slot <= prep::kCircles && std::size_t(slot) <= owned.size(); ++slot) p.place(slot, owned[slot - 1]);
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

void autoPrepareWith(Tsyori& s, Campaign& c, Presenter& answers) {
  prep::Preparation p(s, c, answers);
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

// Plays the battle `b` has started to its end and runs the battle end,
// again for every retry the answers allow. Returns what followed.
class Runner {
 public:
  Runner(Tsyori& s, Campaign& c, const CampaignAutoplay& o, CampaignRun& run, AutoAnswers& answers, Battle& b)
      : s_(s), c_(c), o_(o), run_(run), answers_(answers), b_(b) {}

  AfterBattle play(CampaignBattle fought, int retries) {
    AfterBattle next = AfterBattle::Retry;
    int attempt = 0;
    while (next == AfterBattle::Retry) {
      std::uint64_t h = kFnvOffset;
      while (!b_.resultPending() && b_.battleResult == Running && b_.turn < o_.maxTurns) {
        b_.Tchange();
        h = positionHash(b_, h);
      }
      fought.result = b_.battleResult;
      fought.turns = b_.turn;
      if (fought.free) fought.stage = s_.stageNo;
      if (b_.battleResult == Running) b_.surrender();  // undecided: given up
      mix(run_.hash, h);
      answers_.retryAllowed = attempt < retries;
      next = c_.BMend(b_);
      fought.BP = c_.BP;
      if (o_.onBattle) o_.onBattle(fought);
      if (next == AfterBattle::Retry) ++attempt, ++fought.attempt;
      count(fought, next == AfterBattle::Retry);
    }
    return next;
  }

 private:
  void count(const CampaignBattle& f, bool retried) {
    if (f.free) {
      ++run_.freeBattles;
      run_.freeWon += f.result == Won;
      return;
    }
    ++run_.battles;
    if (f.result == Won) ++run_.won;
    else ++run_.lost;
    if (retried) ++run_.retries;
    if (retried && std::find(run_.retriedStages.begin(), run_.retriedStages.end(), f.stage) == run_.retriedStages.end())
      run_.retriedStages.push_back(f.stage);
  }

  Tsyori& s_;
  Campaign& c_;
  const CampaignAutoplay& o_;
  CampaignRun& run_;
  AutoAnswers& answers_;
  Battle& b_;
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
  Battle b(s, answers);
  std::shared_ptr<Opponent> opponent = installOpponent(b);
  opponent->everyUnit = true;
  prep::Preparation p(s, c, answers);
  if (!p.newGame(job, character).done()) return run;
  Runner runner(s, c, options, run, answers, b);

  auto masterLv = [&] { return s.D->creatures[s.D->k[kPlayerMaster].Type].Lv; };
  bool stop = false;
  while (!stop) {
    const i32 stage = s.storyStage;
    run.reached = stage;
    AfterBattle next = AfterBattle::Preparation;
    for (int round = 0; round < options.rounds && next == AfterBattle::Preparation; ++round) {
      if (round > 0) {
        ++run.retries;  // the stage once more after training
        for (int t = 0; t < options.training; ++t) {
          autoPrepareWith(s, c, answers);
          if (!p.freeBattle(b).done()) break;
          runner.play({.free = true, .masterLv = masterLv()}, 0);
        }
      }
      autoPrepareWith(s, c, answers);
      const CampaignBattle fought{.stage = stage, .masterLv = masterLv()};
      if (!p.nextStage(b).done()) {
        stop = true;
        break;
      }
      next = runner.play(fought, options.retries);
    }
    if (stop || next == AfterBattle::Preparation) break;  // still not won
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
