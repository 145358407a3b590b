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

  while (true) {
    autoPrepareWith(s, c, answers);
    const i32 stage = s.storyStage;
    run.reached = stage;
    CampaignBattle fought{.stage = stage, .masterLv = s.D->creatures[s.D->k[kPlayerMaster].Type].Lv};
    if (!p.nextStage(b).done()) break;

    AfterBattle next = AfterBattle::Retry;
    while (next == AfterBattle::Retry) {
      std::uint64_t h = kFnvOffset;
      while (!b.resultPending() && b.battleResult == Running && b.turn < options.maxTurns) {
        b.Tchange();
        h = positionHash(b, h);
      }
      fought.result = b.battleResult;
      fought.turns = b.turn;
      if (b.battleResult == Running) b.surrender();  // undecided: given up
      mix(run.hash, h);
      answers.retryAllowed = fought.attempt < options.retries;
      next = c.BMend(b);

      ++run.battles;
      if (fought.result == Won) ++run.won;
      else ++run.lost;
      fought.BP = c.BP;
      if (options.onBattle) options.onBattle(fought);
      if (next == AfterBattle::Retry) {
        ++run.retries;
        if (fought.attempt == 0) run.retriedStages.push_back(stage);
        ++fought.attempt;
      }
    }

    if (next == AfterBattle::Preparation) break;  // still not won after its retries
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
