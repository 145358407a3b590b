#include "rules/orders.h"

#include <charconv>
#include <sstream>

namespace sorvane {

namespace {

std::string unitName(int u) { return "unit " + std::to_string(u); }
std::string cellName(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
std::string outOfReach(int x, int y) { return "cell " + cellName(x, y) + " is out of reach"; }
bool onGrid(const Tsyori& s, int x, int y) { return x >= 0 && x <= s.maxX && y >= 0 && y <= s.maxY; }

// The acting unit of an order, when the player could give it one now: it
// stands on the field in its team's phase.
std::string actingUnit(Battle& b, int u) {
  if (!validUnitIndex(u)) return "no unit " + std::to_string(u);
  const Tkst& unit = b.d.k[u];
  if (unit.State != OnField) return unitName(u) + " is not on the field";
  if (unit.Team != b.phaseTeam) return unitName(u) + " is not of the team whose phase it is";
  return {};
}

std::string checkMove(Battle& b, const Order& o) {
  if (!b.canMove(o.unit)) return unitName(o.unit) + " cannot move now";
  b.selectUnit(o.unit);
  b.moveReach();
  if (!onGrid(b.s, o.x, o.y) || b.s.reachPath[o.x][o.y].empty()) return outOfReach(o.x, o.y);
  b.s.dstX = o.x;
  b.s.dstY = o.y;
  return {};
}

std::string checkSkill(Battle& b, const Order& o) {
  const Tkst& unit = b.d.k[o.unit];
  int slot = -1;
  for (std::size_t i = 0; i < unit.W.size() && slot < 0; ++i)
    if (o.skill != 0 && unit.W[i] == o.skill) slot = static_cast<int>(i);
  const std::string skillName = "skill " + std::to_string(o.skill);
  if (slot < 0) return unitName(o.unit) + " has no " + skillName;
  if (!b.canUseSkills(o.unit)) return unitName(o.unit) + " cannot use skills now";
  if (!b.canUseSkill(o.unit, slot)) return skillName + " cannot be chosen now";
  b.selectUnit(o.unit);
  b.s.selSkill = o.skill;
  b.skillReach();
  if (!onGrid(b.s, o.x, o.y) || b.s.reachPath[o.x][o.y].empty()) return outOfReach(o.x, o.y);
  b.s.tgtX = o.x;
  b.s.tgtY = o.y;
  b.skillArea();
  if (!b.skillTargetAccepted()) return skillName + " has nothing to act on at " + cellName(o.x, o.y);
  return {};
}

std::string checkSummon(Battle& b, const Order& o) {
  const Tkst& master = b.d.k[o.unit];
  if (o.slot < kFirstCreatureSlot || o.slot > kLastCreatureSlot) return "no creature slot " + std::to_string(o.slot);
  if (master.Kind != KindMaster) return unitName(o.unit) + " is not a master";
  if (!b.canSummon(o.unit)) return unitName(o.unit) + " cannot summon now";
  if (!b.predictSummon(o.unit, o.slot).allowed) return "creature slot " + std::to_string(o.slot) + " cannot be summoned now";
  if (master.SH == Sacrifice) {
    if (o.sacrifice >= 0) {
      if (!validUnitIndex(o.sacrifice)) return "no unit " + std::to_string(o.sacrifice);
      const Tkst& victim = b.d.k[o.sacrifice];
      const bool offerable = victim.State == OnField && (victim.Kind == KindCreature || victim.Kind == KindFamiliar) &&
                             victim.Team == master.Team;
      if (!offerable) return unitName(o.sacrifice) + " cannot be offered";
    }
  } else if (o.sacrifice != -1) {
    return "only a sacrifice summoner offers a sacrifice";
  }
  b.selectUnit(o.unit);
  b.s.sumUnit = o.unit + o.slot;
  b.s.sacrifice = o.sacrifice;
  b.summonReach();
  if (!onGrid(b.s, o.x, o.y) || b.s.reachPath[o.x][o.y].empty()) return outOfReach(o.x, o.y);
  b.s.sumX = o.x;
  b.s.sumY = o.y;
  return {};
}

std::string checkUse(Battle& b, const Order& o) {
  const Tkst& unit = b.d.k[o.unit];
  if (unit.TU == 0) return unitName(o.unit) + " has no usable ability";
  if (!b.canUseSpecial(o.unit)) return unitName(o.unit) + " cannot use its ability now";
  b.selectUnit(o.unit);
  b.s.selSpecial = unit.TU;
  b.specialReach();
  if (!onGrid(b.s, o.x, o.y) || b.s.reachPath[o.x][o.y].empty()) return outOfReach(o.x, o.y);
  b.s.spTgtX = o.x;
  b.s.spTgtY = o.y;
  b.specialArea();
  if (!b.specialTargetAccepted()) return "the ability has nothing to act on at " + cellName(o.x, o.y);
  return {};
}

constexpr std::pair<OrderKind, std::string_view> kWords[] = {
    {OrderKind::Move, "move"},     {OrderKind::Skill, "skill"},          {OrderKind::Summon, "summon"},
    {OrderKind::Return, "return"}, {OrderKind::Use, "use"},              {OrderKind::EndPhase, "end"},
    {OrderKind::Surrender, "surrender"}, {OrderKind::Undo, "undo"},
};

// How many numbers each kind of order carries on its line.
int numberCount(OrderKind k) {
  switch (k) {
    case OrderKind::Move: return 3;
    case OrderKind::Skill: return 4;
    case OrderKind::Summon: return 5;
    case OrderKind::Return: return 1;
    case OrderKind::Use: return 3;
    default: return 0;
  }
}

}  // namespace

std::string Order::text() const {
  std::string line;
  for (const auto& [k, word] : kWords)
    if (k == kind) line = word;
  auto add = [&](i32 v) { line += " " + std::to_string(v); };
  switch (kind) {
    case OrderKind::Move: add(unit); add(x); add(y); break;
    case OrderKind::Skill: add(unit); add(skill); add(x); add(y); break;
    case OrderKind::Summon: add(unit); add(slot); add(x); add(y); add(sacrifice); break;
    case OrderKind::Return: add(unit); break;
    case OrderKind::Use: add(unit); add(x); add(y); break;
    default: break;
  }
  return line;
}

std::optional<Order> Order::parse(std::string_view line, std::string& error) {
  std::istringstream words{std::string(line)};
  std::string word;
  words >> word;
  Order o;
  bool known = false;
  for (const auto& [k, w] : kWords)
    if (w == word) {
      o.kind = k;
      known = true;
    }
  if (!known) {
    error = "not an order: " + std::string(line);
    return std::nullopt;
  }
  std::vector<i32> n;
  for (std::string v; words >> v;) {
    i32 value = 0;
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), value);
    if (ec != std::errc() || end != v.data() + v.size()) {
      error = "not a number: " + v;
      return std::nullopt;
    }
    n.push_back(value);
  }
  if (static_cast<int>(n.size()) != numberCount(o.kind)) {
    error = "wrong number of values: " + std::string(line);
    return std::nullopt;
  }
  switch (o.kind) {
    case OrderKind::Move: o = move(n[0], n[1], n[2]); break;
    case OrderKind::Skill: o = useSkill(n[0], n[1], n[2], n[3]); break;
    case OrderKind::Summon: o = summon(n[0], n[1], n[2], n[3], n[4]); break;
    case OrderKind::Return: o = returnHome(n[0]); break;
    case OrderKind::Use: o = useAbility(n[0], n[1], n[2]); break;
    default: break;
  }
  return o;
}

std::string refusal(Battle& b, const Order& o) {
  if (b.busy > 0) return "a rule is still running";
  if (o.kind == OrderKind::Undo) return {};  // Commands knows whether there is a move to take back
  if (b.battleResult != Running) return "the battle is over";
  switch (o.kind) {
    case OrderKind::EndPhase:
    case OrderKind::Surrender:
      return {};
    case OrderKind::Move:
      if (auto e = actingUnit(b, o.unit); !e.empty()) return e;
      return checkMove(b, o);
    case OrderKind::Skill:
      if (auto e = actingUnit(b, o.unit); !e.empty()) return e;
      return checkSkill(b, o);
    case OrderKind::Summon:
      if (auto e = actingUnit(b, o.unit); !e.empty()) return e;
      return checkSummon(b, o);
    case OrderKind::Return:
      if (auto e = actingUnit(b, o.unit); !e.empty()) return e;
      if (!b.canReturn(o.unit)) return unitName(o.unit) + " cannot return";
      b.selectUnit(o.unit);
      return {};
    case OrderKind::Use:
      if (auto e = actingUnit(b, o.unit); !e.empty()) return e;
      return checkUse(b, o);
    default:
      return {};
  }
}

Commands::Position Commands::take() const {
  return {b_.s, b_.phaseTeam, b_.firstTeam, b_.turn, b_.battleResult, b_.pickMode, b_.pickCommand, b_.endHandled};
}

void Commands::putBack(const Position& p) {
  b_.s = p.state;
  b_.phaseTeam = p.phaseTeam;
  b_.firstTeam = p.firstTeam;
  b_.turn = p.turn;
  b_.battleResult = p.battleResult;
  b_.pickMode = p.pickMode;
  b_.pickCommand = p.pickCommand;
  b_.endHandled = p.endHandled;
  b_.resolving = 0;
  b_.onLiveRecords = 0;
}

void Commands::newBattle() {
  log_.clear();
  undo_.reset();
}

std::string Commands::give(const Order& order) {
  if (order.kind == OrderKind::Undo) {
    if (b_.busy > 0) return "a rule is still running";
    if (!undo_) return "there is no move to take back";
    putBack(*undo_);
    undo_.reset();
    log_.push_back(order);
    b_.view->SE(Sound::Cancel);
    b_.view->MapPaint();
    b_.view->miniMapPaint();
    b_.view->sidePanels();
    return {};
  }

  // The checks compute reaches and selections; a refused order must not
  // leave even those behind.
  Position before = take();
  if (std::string why = refusal(b_, order); !why.empty()) {
    putBack(before);
    return why;
  }

  try {
    run(order);
  } catch (const BattleAborted&) {
    putBack(before);
    undo_.reset();
    throw;
  }
  log_.push_back(order);
  if (order.kind == OrderKind::Move && b_.battleResult == Running) undo_ = std::move(before);
  else undo_.reset();
  return {};
}

void Commands::run(const Order& order) {
  FlagScope<int> running(b_.busy, b_.busy + 1);
  auto confirmed = [&](void (Battle::*rule)()) {
    b_.view->SE(Sound::Confirm);
    b_.pickMode = 0;
    b_.pickCommand = 0;
    b_.view->EnabledCheck(false);
    (b_.*rule)();
    b_.view->EnabledCheck(true);
  };
  switch (order.kind) {
    case OrderKind::Move: confirmed(&Battle::moveA); break;
    case OrderKind::Skill: confirmed(&Battle::skillA); break;
    case OrderKind::Summon: confirmed(&Battle::summonA); break;
    case OrderKind::Return: confirmed(&Battle::kikanA); break;
    case OrderKind::Use: confirmed(&Battle::useA); break;
    case OrderKind::EndPhase:
      b_.view->SE(Sound::Confirm);
      b_.view->EnabledCheck(false);
      b_.Tchange();
      break;
    case OrderKind::Surrender: b_.surrender(); break;
    case OrderKind::Undo: break;
  }
}

}  // namespace sorvane
