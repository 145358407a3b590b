#include "state_fields.h"

#include <limits>
#include <variant>

#include "lab_parse.h"

namespace sorvane::lab {

namespace {

// What a field may be set to: indices and cells must name something that
// exists; other values stay far inside 32 bits.
struct Range {
  i32 lo, hi;
};
constexpr Range kValue{-99999, 99999};
constexpr Range kFlag{0, 1};
constexpr Range kUnit{0, kUnitCount - 1};
constexpr Range kUnitOrNone{-1, kUnitCount - 1};
constexpr Range kColumn{0, kMapW - 1};
constexpr Range kRow{0, kMapH - 1};
constexpr Range kCount{0, std::numeric_limits<i32>::max()};

struct StateField {
  std::string_view name;
  std::variant<i32 Tsyori::*, byte Tsyori::*> member;
  Range range = kValue;
};

// Game-state scalars in the order the game state lists them.
const StateField kStateFields[] = {
    {"lastUnit", &Tsyori::lastUnit, kUnit},
    {"maxX", &Tsyori::maxX, kColumn},
    {"maxY", &Tsyori::maxY, kRow},
    {"selUnit", &Tsyori::selUnit, kUnit},
    {"selX", &Tsyori::selX, kColumn},
    {"selY", &Tsyori::selY, kRow},
    {"selSkill", &Tsyori::selSkill, {0, kSkillCount - 1}},
    {"selSpecial", &Tsyori::selSpecial, {0, kSpecialCount - 1}},
    {"dstX", &Tsyori::dstX, kColumn},
    {"dstY", &Tsyori::dstY, kRow},
    {"tgtX", &Tsyori::tgtX, kColumn},
    {"tgtY", &Tsyori::tgtY, kRow},
    {"spTgtX", &Tsyori::spTgtX, kColumn},
    {"spTgtY", &Tsyori::spTgtY, kRow},
    {"sumUnit", &Tsyori::sumUnit, kUnit},
    {"sumX", &Tsyori::sumX, kColumn},
    {"sumY", &Tsyori::sumY, kRow},
    {"sacrifice", &Tsyori::sacrifice, kUnitOrNone},
    {"simulating", &Tsyori::simulating, kFlag},
    {"reachMode", &Tsyori::reachMode},
    {"lostForest", &Tsyori::lostForest, kFlag},
    {"climate", &Tsyori::climate, {0, 9}},
    {"weather", &Tsyori::weather, {Cloudy, Sunny}},
    {"zokuseiti1", &Tsyori::zokuseiti1, {0, 20}},
    {"zokuseiti2", &Tsyori::zokuseiti2, {0, 20}},
    {"storyStage", &Tsyori::storyStage},
    {"storyBattle", &Tsyori::storyBattle, kFlag},
    {"stageNo", &Tsyori::stageNo, {-1, 899}},
    {"mapNo", &Tsyori::mapNo, {-1, kValue.hi}},
    {"winCondition", &Tsyori::winCondition, {0, 4}},
};

struct BattleField {
  std::string_view name;
  std::variant<i32 Battle::*, byte Battle::*> member;
  Range range = kValue;
};

// The battle's scalars in the order the battle declares them.
const BattleField kBattleFields[] = {
    {"phaseTeam", &Battle::phaseTeam, {0, 2}},
    {"firstTeam", &Battle::firstTeam, {0, 2}},
    {"turn", &Battle::turn, {0, kValue.hi}},
    {"battleResult", &Battle::battleResult, {Running, Surrendered}},
    {"pickMode", &Battle::pickMode},
    {"pickCommand", &Battle::pickCommand},
    {"curSkill", &Battle::curSkill, {0, kSkillCount - 1}},
    {"curUser", &Battle::curUser, kUnit},
    {"userX", &Battle::userX, kColumn},
    {"userY", &Battle::userY, kRow},
    {"curTarget", &Battle::curTarget, kUnitOrNone},
    {"targetX", &Battle::targetX, kColumn},
    {"targetY", &Battle::targetY, kRow},
    {"hitRate", &Battle::hitRate},
    {"critRate", &Battle::critRate},
    {"procRate", &Battle::procRate},
    {"evaRate", &Battle::evaRate},
    {"power", &Battle::power},
    {"atkValue", &Battle::atkValue},
    {"defValue", &Battle::defValue},
    {"userMagic", &Battle::userMagic},
    {"targetMagic", &Battle::targetMagic},
    {"resolving", &Battle::resolving, kFlag},
    {"killCount", &Battle::killCount},
    {"creatureBalance", &Battle::creatureBalance},
    {"skillElem", &Battle::skillElem, {0, NoElement}},
    {"skillAreaValue", &Battle::skillAreaValue},
};

struct RecordField {
  std::string_view name;
  i32 RecordCounters::*member;
};

// The record counters in the order the records keep them.
const RecordField kRecordFields[] = {
    {"recBattles", &RecordCounters::recBattles},
    {"recEventBattles", &RecordCounters::recEventBattles},
    {"recFreeBattles", &RecordCounters::recFreeBattles},
    {"recWins", &RecordCounters::recWins},
    {"recLosses", &RecordCounters::recLosses},
    {"recDraws", &RecordCounters::recDraws},
    {"recMoves", &RecordCounters::recMoves},
    {"recSkills", &RecordCounters::recSkills},
    {"recSummons", &RecordCounters::recSummons},
    {"recReturns", &RecordCounters::recReturns},
    {"recSteps", &RecordCounters::recSteps},
    {"recDamageDealt", &RecordCounters::recDamageDealt},
    {"recDamageTaken", &RecordCounters::recDamageTaken},
    {"recHealed", &RecordCounters::recHealed},
    {"recOwnMasterDeaths", &RecordCounters::recOwnMasterDeaths},
    {"recOwnCreatureDeaths", &RecordCounters::recOwnCreatureDeaths},
    {"recOwnFamiliarDeaths", &RecordCounters::recOwnFamiliarDeaths},
    {"recEnemyMasterDeaths", &RecordCounters::recEnemyMasterDeaths},
    {"recEnemyCreatureDeaths", &RecordCounters::recEnemyCreatureDeaths},
    {"recEnemyFamiliarDeaths", &RecordCounters::recEnemyFamiliarDeaths},
    {"recReserved", &RecordCounters::recReserved},
    {"recMaxDamage", &RecordCounters::recMaxDamage},
    {"recMaxKills", &RecordCounters::recMaxKills},
};

std::string outside(std::string_view name, Range r) {
  return std::string(name) + " must be " + std::to_string(r.lo) + ".." + std::to_string(r.hi);
}

template <class T>
std::string cellText(const T& value) {
  if constexpr (std::is_same_v<T, std::string>) return value.empty() ? "." : value;
  else return std::to_string(+value);
}

}  // namespace

std::vector<std::pair<std::string, std::string>> describeState(const Tsyori& state) {
  std::vector<std::pair<std::string, std::string>> out;
  for (const StateField& f : kStateFields) {
    std::string value = std::visit([&](auto member) { return std::to_string(+(state.*member)); }, f.member);
    out.emplace_back(std::string(f.name), value);
  }
  // gameDir is where this copy of the game is installed, not part of a
  // position: it is left out so that printed states compare across machines.
  return out;
}

std::string setStateField(Tsyori& state, const std::string& name, const std::string& value) {
  if (name == "gameDir") {
    state.gameDir = value;
    return {};
  }
  for (const StateField& f : kStateFields) {
    if (f.name != name) continue;
    i32 number = 0;
    if (!parseInt(value, number)) return "not a number: " + value;
    if (number < f.range.lo || number > f.range.hi) return outside(name, f.range);
    std::visit([&](auto member) { state.*member = static_cast<std::remove_reference_t<decltype(state.*member)>>(number); },
               f.member);
    return {};
  }
  return "no game-state field " + name;
}

std::vector<std::pair<std::string, std::string>> describeBattle(const Battle& battle) {
  std::vector<std::pair<std::string, std::string>> out;
  for (const BattleField& f : kBattleFields) {
    std::string value = std::visit([&](auto member) { return std::to_string(+(battle.*member)); }, f.member);
    out.emplace_back(std::string(f.name), value);
  }
  return out;
}

std::vector<std::pair<std::string, std::string>> describeRecords(const RecordCounters& records) {
  std::vector<std::pair<std::string, std::string>> out;
  for (const RecordField& f : kRecordFields) out.emplace_back(std::string(f.name), std::to_string(records.*f.member));
  return out;
}

bool setBattleField(Battle& battle, Campaign& campaign, const std::string& name, const std::string& value,
                    std::string& error) {
  i32* target = nullptr;
  byte* flag = nullptr;
  Range range = kCount;
  if (name == "BP") {
    target = &campaign.BP;
    range = {0, 999};
  }
  for (const RecordField& f : kRecordFields)
    if (f.name == name) target = &(battle.d.records.*f.member);
  for (const BattleField& f : kBattleFields) {
    if (f.name != name) continue;
    range = f.range;
    if (auto* m = std::get_if<i32 Battle::*>(&f.member)) target = &(battle.**m);
    else flag = &(battle.*std::get<byte Battle::*>(f.member));
  }
  if (!target && !flag) return false;
  i32 number = 0;
  if (!parseInt(value, number)) {
    error = "not a number: " + value;
    return true;
  }
  if (number < range.lo || number > range.hi) {
    error = outside(name, range);
    return true;
  }
  if (target) *target = number;
  else *flag = static_cast<byte>(number);
  error.clear();
  return true;
}

bool gridCell(const Tsyori& state, const std::string& name, int x, int y, std::string& cell) {
  if (name == "terrain") cell = cellText(state.terrain[x][y]);
  else if (name == "unitAt") cell = cellText(state.unitAt[x][y]);
  else if (name == "unitAtW") cell = cellText(state.unitAtW[x][y]);
  else if (name == "zoc1") cell = cellText(state.zoc1(x, y));
  else if (name == "zoc2") cell = cellText(state.zoc2(x, y));
  else if (name == "warpZone") cell = cellText(state.warpZone[x][y]);
  else if (name == "reachPath") cell = cellText(state.reachPath[x][y]);
  else if (name == "areaPath") cell = cellText(state.areaPath[x][y]);
  else if (name == "reachLeft") cell = cellText(state.reachLeft[x][y]);
  else if (name == "reachTurns") cell = cellText(state.reachTurns[x][y]);
  else if (name == "posValue") cell = cellText(state.posValue[x][y]);
  else if (name == "reachMark") cell = cellText(state.reachMark[x][y]);
  else if (name == "rangeMark") cell = cellText(state.rangeMark[x][y]);
  else if (name == "threatMark") cell = cellText(state.threatMark[x][y]);
  else return false;
  return true;
}

}  // namespace sorvane::lab
