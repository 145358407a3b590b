// Turns a stage definition into unit records: SetK for every row, then the
// row's overrides and placement, in the order the rows are written.
#include <algorithm>

#include "data/stages/stage_definition.h"
#include "data/syori.h"

namespace sorvane::stages {

namespace {

constexpr int kSideOneMaster = 16;
constexpr int kChainProxy = 23;    // stands for side 1 while its creatures come one by one
constexpr int kChainLast = 22;
constexpr i32 kPlacedUnitSP = 15;  // a unit on the field from the start fights like a small master

bool isMasterIndex(int i) { return i % kSideSize == 0; }
int sideOf(int slot) { return slot / kSideSize; }

void setAi(TAI& a, const AiSet& s) {
  const i32 v = s.value;
  switch (s.field) {
    case AiField::WTurn: a.WTurn = v; break;
    case AiField::Ip: a.Ip = v; break;
    case AiField::Axis: a.Axis = v; break;
    case AiField::Retreat: a.Retreat = static_cast<byte>(v); break;
    case AiField::Margin: a.Margin = static_cast<byte>(v); break;
    case AiField::ElemW: a.ElemW = v; break;
    case AiField::GuardW: a.GuardW = v; break;
    case AiField::LossW: a.LossW = v; break;
    case AiField::HpW: a.HpW = v; break;
    case AiField::SpW: a.SpW = v; break;
    case AiField::BadW: a.BadW = v; break;
    case AiField::GoodW: a.GoodW = v; break;
    case AiField::AtkW: a.AtkW = v; break;
    case AiField::DefW: a.DefW = v; break;
    case AiField::MagW: a.MagW = v; break;
    case AiField::MovW: a.MovW = v; break;
    case AiField::RateW: a.RateW = v; break;
    case AiField::SummonW: a.SummonW = v; break;
    case AiField::WeatherW: a.WeatherW = v; break;
    case AiField::MasterW: a.MasterW = v; break;
    case AiField::CreatureW: a.CreatureW = v; break;
    case AiField::FamiliarW: a.FamiliarW = v; break;
    case AiField::AllyW: a.AllyW = v; break;
    case AiField::EnemyW: a.EnemyW = v; break;
    case AiField::SummonLate: a.SummonLate = static_cast<byte>(v); break;
    case AiField::SummonFar: a.SummonFar = static_cast<byte>(v); break;
    case AiField::SummonTurn: a.SummonTurn = v; break;
    case AiField::SpecialLate: a.SpecialLate = static_cast<byte>(v); break;
    case AiField::ReturnW: a.ReturnW = v; break;
  }
}

bool matches(const PlayerIs& when, const Tkst& player) {
  if (when.by == PlayerIs::Portrait) return player.G == when.value;
  return player.Type >= kFirstMaster && jobOf(player.Type) == when.value;
}

// A fresh skill list of the length the slot holds, filled from the row.
SharedArray<i32> skillList(int slot, const std::vector<i32>& skills) {
  std::vector<i32> w(isMasterIndex(slot) ? 8 : 5, 0);
  std::copy_n(skills.begin(), std::min(skills.size(), w.size()), w.begin());
  return SharedArray<i32>(std::move(w));
}

// Puts unit i on (x, y), taking it off the cell it stood on before.
void place(Tsyori& s, int i, Cell at) {
  for (auto& column : s.unitAt)
    for (i32& cell : column)
      if (cell == i) cell = -1;
  s.unitAt[at.x][at.y] = i;
}

void applyRow(Tsyori& s, const UnitDef& r) {
  s.SetK(r.slot, r.entry, r.lv);
  Tkst& u = s.D->k[r.slot];
  if (r.N) u.N = r.N;
  if (r.G != kKeep) u.G = r.G;
  if (r.SH != kKeep) u.SH = r.SH;
  if (!r.W.empty()) u.W = skillList(r.slot, r.W);
  for (std::size_t t = 0; t < r.TN.size() && t < u.TN.size(); ++t) u.TN[t] = r.TN[t];
  for (const AiSet& a : r.ai) setAi(u.AI, a);
  if (r.HP != kKeep) u.HPMax = r.HP;
  if (r.HP != kKeep || r.HPLess != 0) {
    u.HPMax -= r.HPLess;
    u.HP = u.HPMax;
  }
  if (r.Atk != kKeep) u.Atk = r.Atk;
  if (r.Def != kKeep) u.Def = r.Def;
  if (r.Mag != kKeep) u.Mag = r.Mag;
  if (r.SP != kKeep) u.SP = u.SPMax = r.SP;
  if (r.SumC != kKeep) u.SumC = r.SumC;
  if (r.Team != kKeep) u.Team = r.Team;
  if (r.Auto != kKeep) u.AI.Auto = static_cast<byte>(r.Auto);

  if (!r.at.set()) return;
  if (!isMasterIndex(r.slot)) {
    // Units on the field from the start count as masters of their team.
    u.State = OnField;
    u.Kind = KindMaster;
    if (r.SP == kKeep) u.SP = u.SPMax = kPlacedUnitSP;
  }
  place(s, r.slot, r.at);
}

// Victory kind 3: side 1's creature in slot 16 fights first, the next slot
// takes its cell when it dies, and slot 23 is an off-map master that keeps
// side 1 alive until the last one falls.
void applyChain(Tsyori& s) {
  Tdeta& d = *s.D;
  Tkst& head = d.k[kSideOneMaster];
  head.Kind = KindCreature;
  head.SPMax = d.creatures[head.Type].SP;
  head.SP = head.SPMax;
  for (int i = kSideOneMaster; i <= kChainLast; ++i) {
    d.k[i].Master = kChainProxy;
    d.k[i].AI.Ip = 1;
  }
  s.SetK(kChainProxy, 0, 50);
  Tkst& proxy = d.k[kChainProxy];
  proxy.W = skillList(kChainProxy, {});
  proxy.AI.Ip = 1;
  proxy.Kind = KindMaster;
  proxy.SP = proxy.SPMax = kPlacedUnitSP;
  proxy.State = OnField;
  proxy.SH = Chant;  // its units copy it; nothing is ever summoned in a chain
}

}  // namespace

std::vector<UnitDef> ChosenRows(const StageDef& def, const Tsyori& s) {
  std::vector<UnitDef> rows = def.units;
  std::vector<bool> sideDone(4, false);
  for (const SideVariant& v : def.variants) {
    if (v.side < 1 || v.side > 3 || sideDone[v.side] || !matches(v.when, s.D->k[0])) continue;
    sideDone[v.side] = true;
    auto first = std::find_if(rows.begin(), rows.end(), [&](const UnitDef& r) { return sideOf(r.slot) == v.side; });
    std::size_t at = static_cast<std::size_t>(first - rows.begin());
    std::erase_if(rows, [&](const UnitDef& r) { return sideOf(r.slot) == v.side; });
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(std::min(at, rows.size())), v.units.begin(), v.units.end());
  }
  return rows;
}

const StageDef* FindStoryStage(int stage) {
  const auto& table = stage < 50 ? mainStoryStages() : extraStoryStages();
  auto it = std::find_if(table.begin(), table.end(), [&](const StageDef& d) { return d.stage == stage; });
  return it == table.end() ? nullptr : &*it;
}

int PartyCount(int group) {
  for (const FreeGroup& g : freeBattleGroups())
    if (g.group == group) return static_cast<int>(g.parties.size());
  return 0;
}

const PartyDef* FindParty(int group, int party) {
  for (const FreeGroup& g : freeBattleGroups())
    if (g.group == group && party >= 0 && party < static_cast<int>(g.parties.size())) return &g.parties[party];
  return nullptr;
}

bool SetUpStoryStage(Tsyori& s, int stage) {
  const StageDef* def = FindStoryStage(stage);
  if (!def) return false;
  if (!(def->player == Cell{2, 2})) place(s, 0, def->player);
  bool extraSides = false;
  for (const UnitDef& row : ChosenRows(*def, s)) {
    applyRow(s, row);
    extraSides = extraSides || row.slot >= 2 * kSideSize;
  }
  if (def->chain) applyChain(s);
  if (def->finish) def->finish(s);
  if (extraSides) s.lastUnit = kUnitCount - 1;
  if (def->win != 0) s.winCondition = def->win;
  s.stageNo = stage;
  return true;
}

void ApplyUnitRows(Tsyori& s, const std::vector<UnitDef>& rows) {
  for (const UnitDef& row : rows) applyRow(s, row);
}

bool SetUpParty(Tsyori& s, int group, int party, i32 baseLevel) {
  const PartyDef* p = FindParty(group, party);
  if (!p) return false;
  const i32 lv = baseLevel + p->lvUp;
  applyRow(s, UnitDef{.slot = kSideOneMaster, .entry = p->entry, .lv = lv, .N = p->N, .G = p->G, .SH = p->SH,
                      .W = p->W, .TN = p->TN, .ai = p->ai});
  int slot = kSideOneMaster + 1;
  for (const CreatureDef& c : p->creatures)
    applyRow(s, UnitDef{.slot = slot++, .entry = c.entry, .lv = lv, .W = c.W, .ai = c.ai, .SumC = c.SumC});
  s.stageNo = 100 * group + party;
  return true;
}

}  // namespace sorvane::stages
