#include "unit_fields.h"

#include <array>
#include <variant>

#include "lab_parse.h"

namespace sorvane::lab {

namespace {

// What a field may be set to. Indices must name something that exists;
// every other value stays far enough inside 32 bits that the rules' products
// (level x power x attack, HP plus a heal) cannot wrap round.
struct Range {
  i32 lo, hi;
};
constexpr Range kValue{-99999, 99999};
constexpr Range kLevel{0, 999};
constexpr Range kUnitIndex{0, kUnitCount - 1};

// Integer fields from G to State, in record order.
struct IntField {
  std::string_view name;
  i32 Tkst::*member;
  Range range = kValue;
};
constexpr IntField kLeadingFields[] = {
    {"G", &Tkst::G},
    {"Type", &Tkst::Type, {0, kCreatureCount - 1}},
    {"Team", &Tkst::Team, {0, 2}},
    {"Kind", &Tkst::Kind, {0, KindFamiliar}},
    {"Master", &Tkst::Master, kUnitIndex},
    {"Elem", &Tkst::Elem, {0, NoElement}},
    {"Lv", &Tkst::Lv, kLevel},
    {"Exp", &Tkst::Exp},
    {"HPMax", &Tkst::HPMax}, {"HP", &Tkst::HP}, {"SPMax", &Tkst::SPMax}, {"SP", &Tkst::SP},
    {"Atk", &Tkst::Atk}, {"AtkB", &Tkst::AtkB}, {"AtkP", &Tkst::AtkP},
    {"Def", &Tkst::Def}, {"DefB", &Tkst::DefB}, {"DefP", &Tkst::DefP},
    {"Mag", &Tkst::Mag}, {"MagB", &Tkst::MagB}, {"MagP", &Tkst::MagP},
    {"Mov", &Tkst::Mov}, {"MovB", &Tkst::MovB}, {"MovP", &Tkst::MovP},
    {"SH", &Tkst::SH, {Chant, Sacrifice}},
    {"SumT", &Tkst::SumT}, {"SumTC", &Tkst::SumTC}, {"SumC", &Tkst::SumC}, {"SumK", &Tkst::SumK},
    {"ZOC", &Tkst::ZOC},
    {"MoveN", &Tkst::MoveN}, {"SkillN", &Tkst::SkillN}, {"SummonN", &Tkst::SummonN}, {"SpecialN", &Tkst::SpecialN},
    {"State", &Tkst::State, {Dead, Waiting}},
};
constexpr std::array<std::string_view, kStatusCount> kStatusFieldNames = {
    "Poison", "Frostbite", "Gravity", "Darkness", "Paralysis", "Flinch", "Immobile",
    "SkillSeal", "Sleep", "Stone", "Curse", "SummonSeal", "LockOn", "Parasite",
    "Spirit", "Flight", "HPHeal", "SPHeal", "PhysShield", "SpecShield", "StatusShield"};
constexpr IntField kRateFields[] = {
    {"CritB", &Tkst::CritB}, {"CritP", &Tkst::CritP}, {"HitB", &Tkst::HitB}, {"HitP", &Tkst::HitP},
    {"EvaB", &Tkst::EvaB},   {"EvaP", &Tkst::EvaP},   {"ProcB", &Tkst::ProcB}, {"ProcP", &Tkst::ProcP},
};
constexpr IntField kTrailingFields[] = {
    {"TU", &Tkst::TU, {0, kSpecialCount - 1}}, {"TUN", &Tkst::TUN}, {"HealRes", &Tkst::HealRes}};

struct AIField {
  std::string_view name;
  std::variant<byte TAI::*, i32 TAI::*> member;
};
const AIField kAIFields[] = {
    {"Auto", &TAI::Auto},           {"WTurn", &TAI::WTurn},         {"Ip", &TAI::Ip},
    {"Axis", &TAI::Axis},           {"Retreat", &TAI::Retreat},     {"Margin", &TAI::Margin},
    {"ElemW", &TAI::ElemW},         {"GuardW", &TAI::GuardW},       {"ReachSkill", &TAI::ReachSkill},
    {"LossW", &TAI::LossW},         {"HpW", &TAI::HpW},             {"SpW", &TAI::SpW},
    {"BadW", &TAI::BadW},           {"GoodW", &TAI::GoodW},         {"AtkW", &TAI::AtkW},
    {"DefW", &TAI::DefW},           {"MagW", &TAI::MagW},           {"MovW", &TAI::MovW},
    {"RateW", &TAI::RateW},         {"SummonW", &TAI::SummonW},     {"WeatherW", &TAI::WeatherW},
    {"MasterW", &TAI::MasterW},     {"CreatureW", &TAI::CreatureW}, {"FamiliarW", &TAI::FamiliarW},
    {"AllyW", &TAI::AllyW},         {"EnemyW", &TAI::EnemyW},       {"SummonLate", &TAI::SummonLate},
    {"SummonFar", &TAI::SummonFar}, {"SummonTurn", &TAI::SummonTurn}, {"SpecialLate", &TAI::SpecialLate},
    {"ReturnW", &TAI::ReturnW},
};

struct FoundInt {
  i32* field = nullptr;
  Range range = kValue;
};

FoundInt findInt(Tkst& unit, std::string_view name) {
  for (const IntField& f : kLeadingFields)
    if (f.name == name) return {&(unit.*f.member), f.range};
  for (int i = 0; i < kStatusCount; ++i)
    if (kStatusFieldNames[i] == name) return {&unit.status(i)};
  for (const IntField& f : kRateFields)
    if (f.name == name) return {&(unit.*f.member), f.range};
  for (const IntField& f : kTrailingFields)
    if (f.name == name) return {&(unit.*f.member), f.range};
  return {};
}

std::string outside(std::string_view name, Range r) {
  return std::string(name) + " must be " + std::to_string(r.lo) + ".." + std::to_string(r.hi);
}

// Every entry of a list of ids must name an entry of its catalogue.
bool idsWithin(const std::vector<i32>& ids, int count) {
  for (i32 id : ids)
    if (id < 0 || id >= count) return false;
  return true;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> describeUnit(const Tkst& unit) {
  std::vector<std::pair<std::string, std::string>> out;
  auto add = [&](std::string_view name, std::string value) { out.emplace_back(std::string(name), std::move(value)); };
  add("N", unit.N.str());
  for (const IntField& f : kLeadingFields) add(f.name, std::to_string(unit.*f.member));
  for (int i = 0; i < kStatusCount; ++i) add(kStatusFieldNames[i], std::to_string(unit.status(i)));
  for (const IntField& f : kRateFields) add(f.name, std::to_string(unit.*f.member));
  add("W", joinList(unit.W.begin(), unit.W.end()));
  add("TN", joinList(unit.TN.begin(), unit.TN.end()));
  add("TNS", unit.TNS.str());
  for (const IntField& f : kTrailingFields) add(f.name, std::to_string(unit.*f.member));
  for (const AIField& f : kAIFields) {
    std::string value = std::visit([&](auto member) { return std::to_string(+(unit.AI.*member)); }, f.member);
    add("AI." + std::string(f.name), value);
  }
  return out;
}

std::string setUnitField(Tkst& unit, const std::string& name, const std::string& value, const Tdeta& store) {
  if (name == "N") {
    unit.N = Name(value);
    return {};
  }
  if (name == "TNS") {
    unit.TNS = Name(value);
    return {};
  }
  if (name == "W") {
    std::vector<i32> list;
    if (!parseList(value, list)) return "W takes a comma list of skill ids";
    if (!idsWithin(list, kSkillCount)) return "skill ids are 0.." + std::to_string(kSkillCount - 1);
    unit.W = SharedArray<i32>(std::move(list));
    return {};
  }
  if (name == "TN") {
    std::vector<i32> list;
    if (!parseList(value, list) || list.size() > 4) return "TN takes up to four ability ids";
    if (!idsWithin(list, kAbilityCount)) return "ability ids are 0.." + std::to_string(kAbilityCount - 1);
    unit.TN = {};
    for (std::size_t i = 0; i < list.size(); ++i) unit.TN[i] = list[i];
    unit.TNS = store.buildTNS(unit.TN);
    return {};
  }
  i32 number = 0;
  if (name.rfind("AI.", 0) == 0) {
    std::string_view aiName = std::string_view(name).substr(3);
    for (const AIField& f : kAIFields) {
      if (f.name != aiName) continue;
      if (!parseInt(value, number)) return "not a number: " + value;
      const bool flag = std::holds_alternative<byte TAI::*>(f.member);
      const Range r = flag ? Range{0, 255} : kValue;
      if (number < r.lo || number > r.hi) return outside("AI." + std::string(aiName), r);
      std::visit([&](auto member) { unit.AI.*member = static_cast<std::remove_reference_t<decltype(unit.AI.*member)>>(number); },
                 f.member);
      return {};
    }
    return "no AI field " + std::string(aiName);
  }
  const FoundInt found = findInt(unit, name);
  if (!found.field) return "no unit field " + name;
  if (!parseInt(value, number)) return "not a number: " + value;
  if (number < found.range.lo || number > found.range.hi) return outside(name, found.range);
  *found.field = number;
  return {};
}

}  // namespace sorvane::lab
