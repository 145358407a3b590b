// The opponent's turn: the phase loop over the computer's units and, for one
// unit, the action cycles. A cycle values every cell (AICheck_I) and every
// skill use from every reachable cell (AICheck_W), takes the best plan, shows
// it and performs it with the rule operations; the summon, return and
// usable-ability deciders run around each unit's action.
#include <chrono>

#include "ai/opponent.h"

namespace sorvane {

using namespace ai;

namespace {

// More cycles than any phase grants a unit (two from a thunder field, one
// each from a few abilities and partners); a record set by hand to a huge
// count still gets no more.
constexpr i32 kMaxActionCycles = 16;

bool hasSkills(const Tkst& u) {
  for (i32 id : u.W)
    if (id > 0) return true;
  return false;
}

}  // namespace

Opponent::Opponent(Battle& battle) : b_(battle), s_(battle.s), d_(battle.d) {
  entries_.reserve(std::size_t{kMapW} * kMapH * 16);
  moveOnly_.reserve(std::size_t{kMapW} * kMapH);
  targets_.reserve(std::size_t{kMapW} * kMapH);
  decisionMs.reserve(4096);
}

namespace {

// What installOpponent puts into Battle::opponentPhase; the battle keeps the
// opponent alive, and installedOpponent finds it there again.
struct OpponentCall {
  std::shared_ptr<Opponent> opponent;
  void operator()(Battle&) const { opponent->playPhase(); }
};

}  // namespace

std::shared_ptr<Opponent> installOpponent(Battle& battle) {
  auto opponent = std::make_shared<Opponent>(battle);
  battle.opponentPhase = OpponentCall{opponent};
  return opponent;
}

Opponent* installedOpponent(Battle& battle) {
  OpponentCall* call = battle.opponentPhase.target<OpponentCall>();
  return call ? call->opponent.get() : nullptr;
}

// ---------------------------------------------------------------------------
// The phase loop: two passes, so that a unit blocked in the first pass (a
// path another unit has since left) may spend what it has left.

void Opponent::playPhase() {
  if (b_.battleResult > Running) return;
  for (int pass = 0; pass < 2; ++pass)
    for (int u = 0; u <= s_.lastUnit; ++u) {
      const Tkst& unit = d_.k[u];
      if (unit.Team != b_.phaseTeam || unit.State != OnField) continue;
      if (unit.AI.Auto != 1 && !everyUnit) continue;
      if (b_.battleResult > Running) return;
      {
        Simulation trials(s_);
        if (unit.Kind == KindMaster && unit.AI.SummonLate == 0) AICheck_C(u);
        if (unit.AI.SpecialLate == 0) AICheck_T(u);

        if (recordTimes) {
          const auto start = std::chrono::steady_clock::now();
          AICheck(u);
          const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
          decisionMs.push_back(took.count());
        } else {
          AICheck(u);
        }

        if (b_.battleResult > Running) return;
        // A unit that fell during its own action decides nothing more: a dead
        // master cannot summon, and a dead creature must not be "returned" to
        // its master's hand.
        if (unit.State == OnField) {
          if (unit.Kind == KindMaster && unit.AI.SummonLate == 1) AICheck_C(u);
          if (unit.AI.SpecialLate == 1) AICheck_T(u);
          if (pass == 1 && unit.Kind == KindCreature) AICheck_K(u);
        }
      }
      if (afterUnit) afterUnit(u);
    }
}

// ---------------------------------------------------------------------------
// One unit's actions for this phase.

bool Opponent::stillActs(int u) const {
  const Tkst& k = d_.k[u];
  return k.State == OnField && k.Sleep <= 0 && k.Stone <= 0 && b_.battleResult <= Running;
}

void Opponent::refreshReachSkills() {
  for (int j = 0; j <= s_.lastUnit; ++j) {
    Tkst& unit = d_.k[j];
    i32 best = 0;
    for (i32 id : unit.W) {
      const Twst& w = skillOf(d_, id);
      if (w.Power > 0 && w.Area != kWholeMapArea && reachOf(d_, id) > reachOf(d_, best)) best = id;
    }
    unit.AI.ReachSkill = best;
  }
}

void Opponent::clearTables() {
  fillGrid(s_.posValue, i32{0});
  if (!tableClean_) {
    for (int x = 0; x < kMapW; ++x)
      for (int y = 0; y < kMapH; ++y)
        for (int sl = -1; sl < ActionValues::kSlots - 1; ++sl)
          for (int tx = 0; tx < kMapW; ++tx)
            for (int ty = 0; ty < kMapH; ++ty) s_.actValue(x, y, sl, tx, ty) = 0;
    tableClean_ = true;
  }
  for (const Entry& e : entries_) s_.actValue(e.x, e.y, e.slot, e.tx, e.ty) = 0;
  for (const Entry& e : moveOnly_) s_.actValue(e.x, e.y, e.slot, e.tx, e.ty) = 0;
  entries_.clear();
  moveOnly_.clear();
  for (auto& column : cellBegin_) column.fill(0);
  for (auto& column : cellEnd_) column.fill(0);
}

void Opponent::announce(int u) {
  if (announced_) return;
  b_.view->unitPanel(u);
  b_.KAnime(u, CellAnim::Hop);
  announced_ = true;
}

void Opponent::scrollToUnit(int u) {
  Cell c;
  if (cellOf(b_, s_.unitAt, u, c)) b_.view->scrollTo(c.x, c.y);
}

void Opponent::showAndMove() {
  s_.reachMode = 1;
  b_.pickMode = 1;
  b_.view->MapPaint();
  b_.view->SE(Sound::Open);
  b_.view->scrollTo(s_.dstX, s_.dstY);
  b_.view->wait(350);
  b_.pickMode = 0;
  b_.moveA();
}

void Opponent::AICheck(int u) {
  Tkst& unit = d_.k[u];
  if (unit.Sleep > 0 || unit.Stone > 0) return;
  // A creature with [完全操作] takes its master's moves and skills away.
  for (int i = 0; i <= s_.lastUnit; ++i)
    if (d_.k[i].State == OnField && d_.k[i].Master == u && b_.has(d_.k[i], ability::FullControl)) return;

  const i32 cycles = std::min(std::max(unit.MoveN, unit.SkillN), kMaxActionCycles);
  if (cycles <= 0) return;
  b_.setHosei();
  announced_ = false;

  for (i32 cycle = 0; cycle < cycles; ++cycle) {
    if ((unit.MoveN < 1 && unit.SkillN < 1) || !stillActs(u)) return;

    clearTables();
    Cell own;
    if (!cellOf(b_, s_.unitAt, u, own)) return;  // a unit that stands nowhere cannot act
    refreshReachSkills();

    if (unit.MoveN > 0 && unit.Immobile == 0 && Battle::movementPoints(unit) > 0) AICheck_I(u);
    if (unit.SkillN > 0 && unit.SkillSeal == 0 && b_.turn >= unit.AI.WTurn && hasSkills(unit)) AICheck_W(u);

    b_.selectUnit(u);
    for (auto& column : s_.reachPath)
      for (std::string& p : column) p.clear();
    if (unit.MoveN > 0) b_.moveReach();
    s_.reachPath[own.x][own.y].assign(1, '0');

    // The best plan: scanned destination by destination, move-only first,
    // then every skill slot and target. A later entry wins a tie when its
    // destination is no farther from the unit. Entries that nothing wrote
    // take no part.
    Cell dst = own, tgt{0, 0};
    int slot = -1;
    i32 best = s_.posValue[own.x][own.y];
    int bestDist = 0;
    auto consider = [&](int x, int y, int sl, int tx, int ty, i32 v) {
      const int dd = dist(x, y, own.x, own.y);
      if (v > best || (v == best && dd <= bestDist)) {
        best = v;
        bestDist = dd;
        dst = {x, y};
        tgt = {tx, ty};
        slot = sl;
      }
    };
    for (int x = 0; x <= s_.maxX; ++x)
      for (int y = 0; y <= s_.maxY; ++y) {
        if (!s_.reachPath[x][y].empty()) {
          const i32 v = s_.posValue[x][y];
          s_.actValue(x, y, -1, 0, 0) = v;
          moveOnly_.push_back({std::uint8_t(x), std::uint8_t(y), 0, 0, -1, v});
          consider(x, y, -1, 0, 0, v);
        }
        for (i32 e = cellBegin_[x][y]; e < cellEnd_[x][y]; ++e) {
          const Entry& en = entries_[e];
          consider(x, y, en.slot, en.tx, en.ty, en.value);
        }
      }

    // A flinched or sluggish unit may either move or act: it stays and acts
    // when acting in place is worth clearly more than standing still.
    if (unit.Flinch > 0 || b_.has(unit, ability::Sluggish)) {
      const i32 here = s_.posValue[own.x][own.y];
      i32 margin = 80;
      for (i32 e = cellBegin_[own.x][own.y]; e < cellEnd_[own.x][own.y]; ++e) {
        const Entry& en = entries_[e];
        if (en.value - here > margin) {
          dst = own;
          tgt = {en.tx, en.ty};
          slot = en.slot;
          margin = en.value - here;
        }
      }
    }

    // Nothing beats standing still. The next cycle would value the same
    // position the same way, so the unit is done.
    if (s_.posValue[own.x][own.y] >= best) return;
    bool acted = false;

    RealAction real(s_);
    const bool stays = dst.x == own.x && dst.y == own.y;
    if (!stays && unit.MoveN > 0 && unit.Immobile == 0) {
      announce(u);
      b_.selectUnit(u);
      b_.moveReach();
      s_.dstX = dst.x;
      s_.dstY = dst.y;
      if (!s_.reachPath[dst.x][dst.y].empty()) {
        showAndMove();
        acted = true;
      }
    }
    if (!stillActs(u)) return;

    if (slot >= 0 && static_cast<std::size_t>(slot) < unit.W.size() && unit.SkillN > 0 && unit.SkillSeal == 0) {
      announce(u);
      b_.selectUnit(u);
      scrollToUnit(u);
      s_.selSkill = unit.W[slot];
      b_.skillReach();
      s_.tgtX = tgt.x;
      s_.tgtY = tgt.y;
      b_.skillArea();
      s_.reachMode = 2;
      b_.pickMode = 1;
      b_.view->MapPaint();
      b_.view->SE(Sound::Open);
      b_.view->scrollTo((s_.tgtX + s_.selX) / 2, (s_.tgtY + s_.selY) / 2);
      b_.view->wait(350);
      const Twst& w = skillOf(d_, s_.selSkill);
      b_.LAnime(u, shown::ElementName + w.Elem, w.Name);
      b_.pickMode = 0;
      s_.reachMode = 0;
      b_.view->MapPaint();
      b_.skillA();
      acted = true;
    }
    if (!stillActs(u)) return;

    // Acting in place leaves the move for afterwards: to the best cell by
    // the values computed before the action.
    if (stays && unit.MoveN > 0) {
      b_.selectUnit(u);
      b_.moveReach();
      Cell pick = own;
      i32 pickValue = s_.posValue[own.x][own.y];
      int pickDist = 0;
      for (int x = 0; x <= s_.maxX; ++x)
        for (int y = 0; y <= s_.maxY; ++y) {
          if (s_.reachPath[x][y].empty()) continue;
          const i32 v = s_.posValue[x][y];
          const int dd = dist(x, y, own.x, own.y);
          if (v > pickValue || (v == pickValue && dd < pickDist)) {
            pick = {x, y};
            pickValue = v;
            pickDist = dd;
          }
        }
      if ((pick.x != own.x || pick.y != own.y) && unit.Immobile == 0) {
        announce(u);
        scrollToUnit(u);
        s_.dstX = pick.x;
        s_.dstY = pick.y;
        showAndMove();
        acted = true;
      }
    }
    // A plan the rules would not carry out (no path to the cell, no skill in
    // the slot) changed nothing, and the next cycle would make it again.
    if (!acted) return;
  }
}

}  // namespace sorvane
