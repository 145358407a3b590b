#include "app/command_flow.h"

#include <cstdlib>

#include "data/ability_ids.h"

namespace sorvane {

namespace {

// pickMode values.
constexpr i32 kIdle = 0, kChoosing = 1, kConfirming = 2, kMenuOpen = 3;
// pickCommand values.
constexpr i32 kMove = 1, kSummon = 2, kSkill = 3, kSacrifice = 4, kReturn = 5, kThreat = 6, kSpecial = 7,
              kMoveRings = 8;
constexpr int kSacrificeMethod = 3;
constexpr int kLastRing = 15;

bool team1HasWisdom(const Battle& b) {
  for (int i = 0; i <= b.s.lastUnit && i < kUnitCount; ++i)
    if (b.d.k[i].Team == 1 && b.d.hasAbility(b.d.k[i], ability::Wisdom)) return true;
  return false;
}

}  // namespace

void makeThreatRings(Grid<i32>& g) {
  auto neighbourHas = [&](int x, int y, i32 value) {
    return (y >= 2 && g[x][y - 1] == value) || (y <= 11 && g[x][y + 1] == value) || (x >= 2 && g[x - 1][y] == value) ||
           (x <= 15 && g[x + 1][y] == value);
  };
  auto reachedNeighbour = [&](int x, int y) {
    return (y >= 2 && g[x][y - 1] >= 0) || (y <= 11 && g[x][y + 1] >= 0) || (x >= 2 && g[x - 1][y] >= 0) ||
           (x <= 15 && g[x + 1][y] >= 0);
  };
  Grid<i32> next = g;
  for (int x = 1; x <= 16; ++x)
    for (int y = 1; y <= 12; ++y)
      if (g[x][y] == -1 && !reachedNeighbour(x, y)) next[x][y] = -2;
  g = next;
  for (i32 k = -2; k >= -15; --k) {
    next = g;
    for (int x = 1; x <= 16; ++x)
      for (int y = 1; y <= 12; ++y)
        if (g[x][y] <= k && !(g[x][y] == k && neighbourHas(x, y, k + 1))) next[x][y] = k - 1;
    g = next;
  }
}

CommandFlow::CommandFlow(Battle& battle, Commands& commands, BoardMarks& marks)
    : b_(battle), commands_(commands), marks_(marks) {
  sound = [](Sound) {};
  redraw = [] {};
  skillPanel = [](int) {};
  cellPanel = [](int, int) {};
  openMenu = [](int) {};
  afterOrder = [] {};
}

bool CommandFlow::acting() const { return b_.busy > 0 || b_.battleResult != Running; }

void CommandFlow::frame(int x, int y, const char* picture) {
  marks_.framed = true;
  marks_.frameX = x;
  marks_.frameY = y;
  marks_.confirmation = picture;
}

void CommandFlow::unframe() {
  marks_.framed = false;
  marks_.confirmation.clear();
}

void CommandFlow::showCellPanel(int x, int y, bool wisdomCounts) {
  const i32 u = b_.s.unitAt[x][y];
  if (u < 0) {
    cellPanel(-1, b_.s.terrain[x][y]);
    return;
  }
  const Tkst& unit = b_.d.k[u];
  if ((wisdomCounts && team1HasWisdom(b_)) || unit.State == OnField || (unit.State == BeingSummoned && unit.Team == 1))
    cellPanel(u, 0);
}

void CommandFlow::cancel() {
  b_.pickMode = kIdle;
  b_.pickCommand = 0;
  marks_.pickIndex = 0;
  unframe();
  skillPanel(0);
  redraw();
}

void CommandFlow::leftPress(int x, int y) {
  if (acting()) return;
  if (b_.pickMode == kIdle) skillPanel(0);
  showCellPanel(x, y, true);
  switch (b_.pickMode) {
    case kChoosing:
      if (!b_.s.reachPath[x][y].empty()) chooseCell(x, y);
      break;
    case kConfirming: confirm(); break;
    case kMenuOpen:
      sound(Sound::Cancel);
      b_.pickMode = kIdle;
      break;
    default: break;
  }
}

void CommandFlow::rightPress(int x, int y) {
  if (acting()) return;
  switch (b_.pickMode) {
    case kIdle: {
      showCellPanel(x, y, false);
      const i32 u = b_.s.unitAt[x][y];
      if (u < 0 || b_.d.k[u].State != OnField) return;
      if (b_.d.k[u].Team == b_.phaseTeam) {
        openUnitMenu(u);
      } else {
        sound(Sound::Open);
        b_.pickMode = kChoosing;
        b_.pickCommand = kThreat;
        b_.selectUnit(u);
        b_.moveReach();
        marks_.pickIndex = 0;
        threatRings();
        redraw();
      }
      return;
    }
    case kChoosing: cancel(), sound(Sound::Cancel); return;
    case kConfirming:
      if (b_.pickCommand == kReturn) {
        sound(Sound::Confirm);
        b_.pickMode = kIdle;
        b_.pickCommand = 0;
        unframe();
      } else if (b_.pickCommand == kMoveRings) {
        sound(Sound::Cancel);
        marks_.pickIndex = 0;
        b_.pickCommand = kMove;
        frame(b_.s.dstX, b_.s.dstY, "BFmi");
      } else {
        sound(Sound::Cancel);
        b_.pickMode = kChoosing;
        unframe();
      }
      redraw();
      return;
    case kMenuOpen:
      sound(Sound::Cancel);
      b_.pickMode = kIdle;
      return;
    default: return;
  }
}

void CommandFlow::threatRings() { makeThreatRings(b_.s.reachLeft); }

bool CommandFlow::wheel(bool up) {
  if (b_.phaseTeam != 1) return false;
  if (up && b_.pickCommand == kMove && b_.pickMode == kConfirming) b_.pickCommand = kMoveRings;
  const bool rings = (b_.pickCommand == kThreat && b_.pickMode == kChoosing) ||
                     (b_.pickCommand == kMoveRings && b_.pickMode == kConfirming);
  if (!rings) return false;
  marks_.pickIndex = up ? std::min(marks_.pickIndex + 1, kLastRing) : std::max(marks_.pickIndex - 1, 0);
  if (b_.pickCommand == kMoveRings) unframe();
  redraw();
  return true;
}

void CommandFlow::openUnitMenu(int u) {
  if (acting()) return;
  if (b_.pickMode != kIdle) cancel();
  const Tkst& unit = b_.d.k[u];
  if (unit.State != OnField || unit.Team != b_.phaseTeam) return;
  b_.pickMode = kMenuOpen;
  b_.selectUnit(u);
  sound(Sound::Open);
  openMenu(u);
}

void CommandFlow::menuClosed() {
  if (b_.pickMode == kMenuOpen) b_.pickMode = kIdle;
}

void CommandFlow::chooseMove() {
  if (!b_.canMove(b_.s.selUnit)) return;
  sound(Sound::Confirm);
  b_.moveReach();
  b_.pickMode = kChoosing;
  b_.pickCommand = kMove;
  redraw();
}

void CommandFlow::chooseSkill(int slot) {
  const int u = b_.s.selUnit;
  if (!b_.canUseSkills(u) || !b_.canUseSkill(u, slot)) return;
  sound(Sound::Confirm);
  b_.s.selSkill = b_.d.k[u].W[static_cast<std::size_t>(slot)];
  b_.skillReach();
  b_.pickMode = kChoosing;
  b_.pickCommand = kSkill;
  redraw();
  skillPanel(b_.s.selSkill);
}

void CommandFlow::chooseCreature(int n) {
  const int master = b_.s.selUnit;
  if (!b_.canSummon(master) || !b_.predictSummon(master, n).allowed) return;
  sound(Sound::Confirm);
  b_.s.sumUnit = master + n;
  b_.s.sacrifice = -1;
  if (b_.d.k[master].SH != kSacrificeMethod) {
    b_.summonReach();
    b_.pickCommand = kSummon;
  } else {
    for (int x = 0; x < kMapW; ++x)
      for (int y = 0; y < kMapH; ++y) {
        const i32 u = b_.s.unitAt[x][y];
        const bool own = u >= 0 && b_.d.k[u].State == OnField && b_.d.k[u].Team == b_.d.k[master].Team &&
                         (b_.d.k[u].Kind == KindCreature || b_.d.k[u].Kind == KindFamiliar);
        b_.s.reachPath[x][y] = (u < 0 || own) ? "1" : "";
      }
    b_.pickCommand = kSacrifice;
  }
  b_.pickMode = kChoosing;
  redraw();
  cellPanel(master + n, 0);
}

void CommandFlow::chooseReturn() {
  const int u = b_.s.selUnit;
  if (!b_.canReturn(u)) return;
  sound(Sound::Confirm);
  frame(b_.s.selX, b_.s.selY, "BFmk");
  b_.pickMode = kConfirming;
  b_.pickCommand = kReturn;
  redraw();
}

void CommandFlow::chooseSpecial() {
  const int u = b_.s.selUnit;
  if (!b_.canUseSpecial(u)) return;
  sound(Sound::Confirm);
  b_.s.selSpecial = b_.d.k[u].TU;
  b_.specialReach();
  b_.pickMode = kChoosing;
  b_.pickCommand = kSpecial;
  redraw();
}

void CommandFlow::chooseCell(int x, int y) {
  Tsyori& s = b_.s;
  switch (b_.pickCommand) {
    case kMove:
      sound(Sound::Open);
      frame(x, y, "BFmi");
      b_.pickMode = kConfirming;
      s.dstX = x;
      s.dstY = y;
      marks_.pickIndex = 0;
      for (int cx = 0; cx < kMapW; ++cx)
        for (int cy = 0; cy < kMapH; ++cy) s.reachLeft[cx][cy] = -(std::abs(cx - x) + std::abs(cy - y));
      break;
    case kSummon:
      sound(Sound::Open);
      frame(x, y, "BFms");
      b_.pickMode = kConfirming;
      s.sumX = x;
      s.sumY = y;
      break;
    case kSkill: {
      s.tgtX = x;
      s.tgtY = y;
      b_.skillArea();
      const bool accepted = b_.skillTargetAccepted();
      sound(accepted ? Sound::Open : Sound::Cancel);
      frame(x, y, accepted ? "BFmw" : "BFmx");
      if (accepted) b_.pickMode = kConfirming;
      break;
    }
    case kSacrifice: {
      const i32 u = s.unitAt[x][y];
      sound(Sound::Open);
      frame(x, y, u < 0 ? "BFmsx" : "BFmsi");
      b_.pickMode = kConfirming;
      s.sacrifice = u;
      break;
    }
    case kSpecial: {
      s.spTgtX = x;
      s.spTgtY = y;
      b_.specialArea();
      const bool accepted = b_.specialTargetAccepted();
      sound(accepted ? Sound::Open : Sound::Cancel);
      frame(x, y, accepted ? "BFmh" : "BFmhx");
      if (accepted) b_.pickMode = kConfirming;
      break;
    }
    default: return;
  }
  redraw();
}

void CommandFlow::confirm() {
  const Tsyori& s = b_.s;
  const int u = s.selUnit;
  switch (b_.pickCommand) {
    case kMove: give(Order::move(u, s.dstX, s.dstY)); break;
    case kSummon: give(Order::summon(u, s.sumUnit - u, s.sumX, s.sumY, s.sacrifice)); break;
    case kSkill: give(Order::useSkill(u, s.selSkill, s.tgtX, s.tgtY)); break;
    case kSacrifice:
      sound(Sound::Confirm);
      unframe();
      b_.summonReach();
      b_.pickMode = kChoosing;
      b_.pickCommand = kSummon;
      redraw();
      break;
    case kReturn: give(Order::returnHome(u)); break;
    case kSpecial: give(Order::useAbility(u, s.spTgtX, s.spTgtY)); break;
    default: break;
  }
}

std::string CommandFlow::give(const Order& order) {
  if (b_.busy > 0) return lastRefusal_ = "busy";
  sound(Sound::Confirm);
  b_.pickMode = kIdle;
  b_.pickCommand = 0;
  marks_.pickIndex = 0;
  unframe();
  skillPanel(0);
  lastRefusal_ = commands_.give(order);
  if (!lastRefusal_.empty()) sound(Sound::Cancel);
  redraw();
  afterOrder();
  return lastRefusal_;
}

std::string CommandFlow::endPhase() {
  if (acting()) return "busy";
  return give(Order::endPhase());
}

std::string CommandFlow::surrender() {
  if (acting()) return "busy";
  return give(Order::surrender());
}

std::string CommandFlow::undo() {
  if (acting() || !commands_.canUndo()) return "nothing to take back";
  return give(Order::undo());
}

}  // namespace sorvane
