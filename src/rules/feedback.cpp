// The rule side of the three animations. LAnime keeps the player's damage and
// healing records, KAnime makes the state changes of a cell animation (and
// runs the death rule inside the death fade), DLAnime plays the banners and
// the result's sound. The drawing itself is the presenter's.
#include <algorithm>
#include <exception>

#include "data/saturating.h"
#include "rules/battle.h"

namespace sorvane {

namespace {

// A cell animation mid-resolution shows, and changes, the live records: the
// working copy is committed before it and taken up again after it. An abort
// leaves only the flags to put back; the order is being dropped anyway.
class LiveRecords {
 public:
  explicit LiveRecords(Battle& b) : b_(b), wasResolving_(b.resolving), wasOnLive_(b.onLiveRecords) {
    if (!wasResolving_) return;
    b_.commitWork();
    b_.resolving = 0;
    b_.onLiveRecords = 1;
  }
  ~LiveRecords() {
    if (!wasResolving_) return;
    b_.onLiveRecords = wasOnLive_;
    b_.resolving = 1;
    if (std::uncaught_exceptions() == 0) b_.reloadWork();
  }
  LiveRecords(const LiveRecords&) = delete;
  LiveRecords& operator=(const LiveRecords&) = delete;

 private:
  Battle& b_;
  const byte wasResolving_;
  const byte wasOnLive_;
};

}  // namespace

void Battle::LAnime(int u, i32 value, const std::string& text) {
  if (s.simulating) return;

  // Only the hit points a skill or usable ability moves count for the records.
  if ((resolving || onLiveRecords) && text == "HP") {
    RecordCounters& r = d.records;
    bool actorOfPlayer = unit(s.selUnit).Team == 1;
    if (value < 0) {
      if (actorOfPlayer) {
        addClamped(r.recDamageDealt, -std::int64_t{value});
        r.recMaxDamage = std::max(r.recMaxDamage, clampToI32(-std::int64_t{value}));
      }
      if (unit(u).Team == 1) addClamped(r.recDamageTaken, -std::int64_t{value});
    }
    if (value > 0 && value < 999 && actorOfPlayer) addClamped(r.recHealed, value);
  }

  view->MapPaint();
  if (value == 0) return;

  int x = 0, y = 0;
  if (!findCell(s.unitAt, u, x, y)) return;
  view->scrollTo(x, y);
  view->LAnime(u, FloatingText::decode(value, text), x, y);
}

void Battle::KAnime(int u, CellAnim kind) {
  if (s.simulating) return;

  {
    LiveRecords live(*this);
    int x = 0, y = 0;
    if (!findCell(s.unitAt, u, x, y)) return;
    view->scrollTo(x, y);

    Tkst& v = d.k[u];
    switch (kind) {
      case CellAnim::Death:
        LAnime(u, shown::Death, "死亡");
        view->KAnime(u, kind, x, y);
        deathRule(u, x, y);
        break;
      case CellAnim::Summoned:
        view->SE(Sound::Arrival);
        view->KAnime(u, kind, x, y);
        v.State = OnField;
        LAnime(u, shown::Summoned, "");
        setZokuseiti();
        abilitySK(u);
        if (v.Kind == KindCreature && v.Team == 1 && v.Type > 0 && v.Type < kCollectable) d.summoned[v.Type] = 1;
        break;
      case CellAnim::Vanish:
        LAnime(u, shown::Vanished, "");
        view->KAnime(u, kind, x, y);
        v.State = Waiting;
        s.unitAt[x][y] = -1;
        if (v.Kind == KindFamiliar) s.SetK(u, 0, 0);
        setZokuseiti();
        break;
      case CellAnim::SummonStarts:
        view->MapPaint();
        view->SE(Sound::SummonStarts);
        view->KAnime(u, kind, x, y);
        v.State = BeingSummoned;
        break;
      case CellAnim::FamiliarArrives:
        view->MapPaint();
        view->SE(Sound::Arrival);
        view->KAnime(u, kind, x, y);
        v.State = OnField;
        abilitySK(u);
        break;
      case CellAnim::Warp:
        view->SE(Sound::Warp);
        s.unitAt[x][y] = -1;
        view->MapPaint();
        view->KAnime(u, kind, x, y);
        s.unitAt[x][y] = u;
        break;
      case CellAnim::Hop:  // frames only
        view->KAnime(u, kind, x, y);
        break;
    }
  }
  view->MapPaint();
  view->miniMapPaint();

  // A fallen master whose ally master fights on takes its creatures with it;
  // its familiars stay.
  if (kind == CellAnim::Death && d.k[u].Kind == KindMaster && battleResult == Running) {
    for (int i = 0; i <= s.lastUnit; ++i) {
      const Tkst& c = d.k[i];
      if (c.Kind == KindCreature && c.Master == u && (c.State == OnField || c.State == BeingSummoned))
        KAnime(i, CellAnim::Vanish);
    }
  }
}

void Battle::DLAnime(const Banner& banner, int ms) {
  if (s.simulating) return;
  if (banner.kind == BannerKind::Win) view->SE(Sound::Fanfare);
  else if (banner.endsBattle()) view->SE(Sound::Defeat);
  view->DLAnime(banner, ms);
}

void Battle::commitWork() { s.copyFromWork(); }

void Battle::reloadWork() { s.copyToWork(); }

void Battle::showResult() {
  if (battleResult < Won || battleResult > Draw) return;
  view->BGM(Music::stop());
  view->wait(2000);
  DLAnime(Banner::result(battleResult), 2300);
}

bool Battle::masterOnLastColumn() const {
  for (int y = 0; y <= s.maxY; ++y)
    if (s.unitAt[s.maxX][y] == kPlayerMaster) return true;
  return false;
}

bool Battle::lastColumnReached() {
  if (s.winCondition != 1 || battleResult != Running || !masterOnLastColumn()) return false;
  view->BGM(Music::stop());
  view->wait(2000);
  battleResult = Won;
  DLAnime(Banner::result(Won), 2300);
  return true;
}

Battle::Resolution::Resolution(Battle& b) : b_(b), before_(b.resolving) {
  b_.s.copyToWork();
  b_.resolving = 1;
}

Battle::Resolution::~Resolution() {
  if (!committed_) b_.resolving = before_;
}

void Battle::Resolution::commit() {
  b_.s.copyFromWork();
  b_.resolving = before_;
  committed_ = true;
}

}  // namespace sorvane
