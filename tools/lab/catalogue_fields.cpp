#include "catalogue_fields.h"

#include "lab_parse.h"

namespace sorvane::lab {

namespace {

// Descriptions keep their line breaks visible on one output line.
std::string oneLine(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\r') out += "\\r";
    else out += c;
  }
  return out;
}

template <class Container>
std::string list(const Container& values) {
  return joinList(values.begin(), values.end());
}

}  // namespace

Fields describeSkill(const Twst& w) {
  auto n = [](i32 v) { return std::to_string(v); };
  return {
      {"Name", w.Name},         {"Id", n(w.Id)},          {"Elem", n(w.Elem)},
      {"Special", n(w.Special)}, {"Power", n(w.Power)},   {"Hit", n(w.Hit)},
      {"Crit", n(w.Crit)},      {"Range", n(w.Range)},    {"SelfOK", n(w.SelfOK)},
      {"Area", n(w.Area)},      {"ZocArea", n(w.ZocArea)}, {"Cost", n(w.Cost)},
      {"Desc", oneLine(w.Desc)}, {"Cat", n(w.Cat)},       {"Line", n(w.Line)},
      {"Target", n(w.Target)},  {"Effect", n(w.Effect)},  {"Hits", n(w.Hits)},
      {"AilV", list(w.AilV)},   {"AilC", list(w.AilC)},   {"ChgV", list(w.ChgV)},
      {"ChgC", list(w.ChgC)},   {"SelfAtkV", n(w.SelfAtkV)}, {"SelfAtkC", n(w.SelfAtkC)},
      {"SelfDefV", n(w.SelfDefV)}, {"SelfDefC", n(w.SelfDefC)}, {"SelfMagV", n(w.SelfMagV)},
      {"SelfMagC", n(w.SelfMagC)}, {"SelfMovV", n(w.SelfMovV)}, {"SelfMovC", n(w.SelfMovC)},
      {"SelfHPV", n(w.SelfHPV)}, {"SelfHPC", n(w.SelfHPC)}, {"TgtAtkV", n(w.TgtAtkV)},
      {"TgtAtkC", n(w.TgtAtkC)}, {"TgtDefV", n(w.TgtDefV)}, {"TgtDefC", n(w.TgtDefC)},
      {"TgtMagV", n(w.TgtMagV)}, {"TgtMagC", n(w.TgtMagC)}, {"TgtMovV", n(w.TgtMovV)},
      {"TgtMovC", n(w.TgtMovC)}, {"Param", n(w.Param)},
  };
}

Fields describeAbility(const Ttst& t) {
  return {{"Name", t.Name}, {"Id", std::to_string(t.Id)}, {"Desc", oneLine(t.Desc)}};
}

Fields describeSpecial(const Thst& h) {
  auto n = [](i32 v) { return std::to_string(v); };
  return {{"Name", h.Name},         {"Id", n(h.Id)},     {"Range", n(h.Range)},
          {"SelfOK", n(h.SelfOK)},  {"Area", n(h.Area)}, {"Uses", n(h.Uses)},
          {"TargetKind", n(h.TargetKind)}, {"Desc", oneLine(h.Desc)}};
}

Fields describeCreature(const Tcst& c) {
  auto n = [](i32 v) { return std::to_string(v); };
  return {{"Name", c.Name}, {"G", n(c.G)},       {"Elem", n(c.Elem)},   {"Lv", n(c.Lv)},
          {"Exp", n(c.Exp)}, {"HPg", n(c.HPg)},  {"SP", n(c.SP)},       {"Atkg", n(c.Atkg)},
          {"Defg", n(c.Defg)}, {"Magg", n(c.Magg)}, {"Mov", n(c.Mov)},  {"SumT", n(c.SumT)},
          {"SumC", n(c.SumC)}, {"SumK", n(c.SumK)}, {"ZOC", n(c.ZOC)},  {"Sk", list(c.Sk)},
          {"SkL", list(c.SkL)}, {"Ab", list(c.Ab)}, {"AbL", list(c.AbL)}, {"TU", n(c.TU)}};
}

}  // namespace sorvane::lab
