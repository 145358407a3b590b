#include "state_fields.h"

#include <variant>

#include "lab_parse.h"

namespace sorvane::lab {

namespace {

struct StateField {
  std::string_view name;
  std::variant<i32 Tsyori::*, byte Tsyori::*> member;
};

// Game-state scalars in the order the game state lists them.
const StateField kStateFields[] = {
    {"lastUnit", &Tsyori::lastUnit},   {"maxX", &Tsyori::maxX},
    {"maxY", &Tsyori::maxY},           {"selUnit", &Tsyori::selUnit},
    {"selX", &Tsyori::selX},           {"selY", &Tsyori::selY},
    {"selSkill", &Tsyori::selSkill},   {"selSpecial", &Tsyori::selSpecial},
    {"dstX", &Tsyori::dstX},           {"dstY", &Tsyori::dstY},
    {"tgtX", &Tsyori::tgtX},           {"tgtY", &Tsyori::tgtY},
    {"spTgtX", &Tsyori::spTgtX},       {"spTgtY", &Tsyori::spTgtY},
    {"sumUnit", &Tsyori::sumUnit},     {"sumX", &Tsyori::sumX},
    {"sumY", &Tsyori::sumY},           {"sacrifice", &Tsyori::sacrifice},
    {"simulating", &Tsyori::simulating}, {"reachMode", &Tsyori::reachMode},
    {"lostForest", &Tsyori::lostForest}, {"climate", &Tsyori::climate},
    {"weather", &Tsyori::weather},     {"zokuseiti1", &Tsyori::zokuseiti1},
    {"zokuseiti2", &Tsyori::zokuseiti2}, {"storyStage", &Tsyori::storyStage},
    {"storyBattle", &Tsyori::storyBattle}, {"stageNo", &Tsyori::stageNo},
    {"mapNo", &Tsyori::mapNo},         {"winCondition", &Tsyori::winCondition},
};

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
  out.emplace_back("gameDir", state.gameDir);
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
    std::visit([&](auto member) { state.*member = static_cast<std::remove_reference_t<decltype(state.*member)>>(number); },
               f.member);
    return {};
  }
  return "no game-state field " + name;
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
