// The rule side of the three animations. LAnime keeps the player's damage and
// healing records, KAnime makes the state changes of a cell animation (and
// runs the death rule inside the death fade), DLAnime ends the battle after
// the result banner. The drawing itself is the presenter's.
#include "rules/battle.h"

namespace sorvane {

namespace {

constexpr int kDeath = 0, kSummoned = 1, kVanish = 2, kSummonStarts = 3, kFamiliarArrives = 4, kWarp = 5;

constexpr int kSoundArrival = 21, kSoundSummonStarts = 23, kSoundWarp = 25;
constexpr int kSoundWin = 45, kSoundLoss = 46;

bool isBattleEndKey(const std::string& key) { return key == "win" || key == "lose" || key == "draw" || key == "give"; }

}  // namespace

void Battle::LAnime(int u, i32 value, const std::string& text) {
  if (s.simulating) return;

  // Only the hit points a skill or usable ability moves count for the records.
  if ((resolving || onLiveRecords) && text == "HP") {
    RecordCounters& r = d.records;
    bool actorOfPlayer = unit(s.selUnit).Team == 1;
    if (value < 0) {
      if (actorOfPlayer) {
        r.recDamageDealt += -value;
        if (-value > r.recMaxDamage) r.recMaxDamage = -value;
      }
      if (unit(u).Team == 1) r.recDamageTaken += -value;
    }
    if (value > 0 && value < 999 && actorOfPlayer) r.recHealed += value;
  }

  view->MapPaint();
  if (value == 0) return;

  int x = 0, y = 0;
  if (!findCell(s.unitAt, u, x, y)) return;
  view->scrollTo(x, y);
  view->LAnime(u, value, text, x, y);
}

void Battle::KAnime(int u, int kind) {
  if (s.simulating) return;

  // The animation and its rule part see and change the live records.
  const byte wasResolving = resolving;
  const byte wasOnLive = onLiveRecords;
  if (wasResolving) {
    commitWork();
    resolving = 0;
    onLiveRecords = 1;
  }
  auto backToWork = [&] {
    if (!wasResolving) return;
    onLiveRecords = wasOnLive;
    resolving = 1;
    reloadWork();
  };

  int x = 0, y = 0;
  if (!findCell(s.unitAt, u, x, y)) {
    backToWork();
    return;
  }
  view->scrollTo(x, y);

  Tkst& v = d.k[u];
  switch (kind) {
    case kDeath:
      LAnime(u, 1000, "死亡");
      view->KAnime(u, kind, x, y);
      deathRule(u, x, y);
      break;
    case kSummoned:
      view->SE(kSoundArrival);
      view->KAnime(u, kind, x, y);
      v.State = OnField;
      LAnime(u, 1001, "");
      setZokuseiti();
      abilitySK(u);
      if (v.Kind == KindCreature && v.Team == 1 && v.Type > 0 && v.Type < kCollectable) d.summoned[v.Type] = 1;
      break;
    case kVanish:
      LAnime(u, 1002, "");
      view->KAnime(u, kind, x, y);
      v.State = Waiting;
      s.unitAt[x][y] = -1;
      if (v.Kind == KindFamiliar) s.SetK(u, 0, 0);
      setZokuseiti();
      break;
    case kSummonStarts:
      view->MapPaint();
      view->SE(kSoundSummonStarts);
      view->KAnime(u, kind, x, y);
      v.State = BeingSummoned;
      break;
    case kFamiliarArrives:
      view->MapPaint();
      view->SE(kSoundArrival);
      view->KAnime(u, kind, x, y);
      v.State = OnField;
      abilitySK(u);
      break;
    case kWarp:
      view->SE(kSoundWarp);
      s.unitAt[x][y] = -1;
      view->MapPaint();
      view->KAnime(u, kind, x, y);
      s.unitAt[x][y] = u;
      break;
    default:  // 6, the hop before a unit acts: frames only
      view->KAnime(u, kind, x, y);
      break;
  }

  backToWork();
  view->MapPaint();
  view->miniMapPaint();

  // A fallen master whose ally master fights on takes its creatures with it;
  // its familiars stay.
  if (kind == kDeath && d.k[u].Kind == KindMaster && battleResult == Running) {
    for (int i = 0; i <= s.lastUnit; ++i) {
      const Tkst& c = d.k[i];
      if (c.Kind == KindCreature && c.Master == u && (c.State == OnField || c.State == BeingSummoned)) KAnime(i, kVanish);
    }
  }
}

void Battle::DLAnime(const std::string& key, int ms) {
  if (s.simulating) return;
  if (key == "win") view->SE(kSoundWin);
  else if (key == "lose" || key == "draw" || key == "give") view->SE(kSoundLoss);
  view->DLAnime(key, ms);
  if (isBattleEndKey(key)) BMend();
}

void Battle::commitWork() { s.copyFromWork(); }

void Battle::reloadWork() { s.copyToWork(); }

void Battle::showResult() {
  static constexpr const char* kBanner[] = {"", "win", "lose", "draw"};
  if (battleResult < Won || battleResult > Draw) return;
  view->BGM(0);
  view->wait(2000);
  DLAnime(kBanner[battleResult], 2300);
}

}  // namespace sorvane
