// Stage definitions: who the player fights in each story stage and in each
// free-battle party, written as data a designer can read, one block per stage
// or party. stage_apply.cpp turns a block into unit records.
//
// A story stage lists its units in the order they are set up: each side's
// master first (its team and commander may be changed there, before its
// creatures copy them), then the side's units by slot. A unit row names its
// slot in k, its catalogue entry and level, and only what differs from what
// SetK and the AI defaults give it.
#pragma once

#include <vector>

#include "data/types.h"

namespace sorvane {
class Tsyori;
}

namespace sorvane::stages {

inline constexpr i32 kKeep = -1;  // leave the value SetK wrote

struct Cell {
  i32 x = kKeep;
  i32 y = kKeep;
  constexpr bool set() const { return x >= 0; }
  constexpr bool operator==(const Cell&) const = default;
};

// The opponent AI's settings a unit row may change (their meaning is the AI's).
enum class AiField : i32 {
  WTurn, Ip, Axis, Retreat, Margin, ElemW, GuardW, LossW, HpW, SpW, BadW, GoodW, AtkW, DefW, MagW,
  MovW, RateW, SummonW, WeatherW, MasterW, CreatureW, FamiliarW, AllyW, EnemyW, SummonLate,
  SummonFar, SummonTurn, SpecialLate, ReturnW,
};

struct AiSet {
  AiField field;
  i32 value;
};

// Short names for the rows: {Ip(104), Axis(1)}.
namespace ai {
constexpr AiSet WTurn(i32 v) { return {AiField::WTurn, v}; }
constexpr AiSet Ip(i32 v) { return {AiField::Ip, v}; }
constexpr AiSet Axis(i32 v) { return {AiField::Axis, v}; }
constexpr AiSet Retreat(i32 v = 1) { return {AiField::Retreat, v}; }
constexpr AiSet Margin(i32 v = 1) { return {AiField::Margin, v}; }
constexpr AiSet ElemW(i32 v) { return {AiField::ElemW, v}; }
constexpr AiSet GuardW(i32 v) { return {AiField::GuardW, v}; }
constexpr AiSet LossW(i32 v) { return {AiField::LossW, v}; }
constexpr AiSet HpW(i32 v) { return {AiField::HpW, v}; }
constexpr AiSet SpW(i32 v) { return {AiField::SpW, v}; }
constexpr AiSet BadW(i32 v) { return {AiField::BadW, v}; }
constexpr AiSet GoodW(i32 v) { return {AiField::GoodW, v}; }
constexpr AiSet AtkW(i32 v) { return {AiField::AtkW, v}; }
constexpr AiSet DefW(i32 v) { return {AiField::DefW, v}; }
constexpr AiSet MagW(i32 v) { return {AiField::MagW, v}; }
constexpr AiSet MovW(i32 v) { return {AiField::MovW, v}; }
constexpr AiSet RateW(i32 v) { return {AiField::RateW, v}; }
constexpr AiSet SummonW(i32 v) { return {AiField::SummonW, v}; }
constexpr AiSet MasterW(i32 v) { return {AiField::MasterW, v}; }
constexpr AiSet CreatureW(i32 v) { return {AiField::CreatureW, v}; }
constexpr AiSet FamiliarW(i32 v) { return {AiField::FamiliarW, v}; }
constexpr AiSet AllyW(i32 v) { return {AiField::AllyW, v}; }
constexpr AiSet EnemyW(i32 v) { return {AiField::EnemyW, v}; }
constexpr AiSet WeatherW(i32 v) { return {AiField::WeatherW, v}; }
constexpr AiSet SummonLate(i32 v) { return {AiField::SummonLate, v}; }
constexpr AiSet SummonFar(i32 v = 1) { return {AiField::SummonFar, v}; }
constexpr AiSet SummonTurn(i32 v) { return {AiField::SummonTurn, v}; }
constexpr AiSet SpecialLate(i32 v = 1) { return {AiField::SpecialLate, v}; }
constexpr AiSet ReturnW(i32 v) { return {AiField::ReturnW, v}; }
}  // namespace ai

// One unit a stage sets up. Written with designated initialisers, so a row
// names only what it changes.
struct UnitDef {
  i32 slot = 0;              // index in k: 16 side 1's master, 17..22 its creatures, ...
  i32 entry = 0;             // catalogue entry
  i32 lv = 0;                // level
  const char* N = nullptr;   // own name instead of the catalogue's
  i32 G = kKeep;             // own portrait
  i32 SH = kKeep;            // summoning method of a master
  std::vector<i32> W = {};   // skills (up to 8 for a master, 5 for any other unit)
  std::vector<i32> TN = {};  // passive abilities of a master or a unit placed on the field
  std::vector<AiSet> ai = {};
  Cell at = {};              // a master's cell; any other unit starts on the field there
  i32 HP = kKeep;            // HPMax and HP
  i32 HPLess = 0;            // HPMax lowered by this much, HP := HPMax
  i32 Atk = kKeep, Def = kKeep, Mag = kKeep;
  i32 SP = kKeep;            // SP and SPMax
  i32 SumC = kKeep;          // a cheaper summon
  i32 Team = kKeep;          // a side master: its side's team...
  i32 Auto = kKeep;          // ...and commander (1 computer), copied by the side's units
};

// Which player master a variant is for: by the job of its entry or by its portrait.
struct PlayerIs {
  enum By { Job, Portrait } by;
  i32 value;
};

// A side set up differently for a particular player master.
struct SideVariant {
  PlayerIs when;
  i32 side;                     // 1..3
  std::vector<UnitDef> units;   // replace every row of that side
};

struct StageDef {
  i32 stage = 0;
  i32 win = 0;                  // victory-condition kind
  Cell player = {2, 2};         // the player's master's cell
  bool chain = false;           // kind 3: side 1's units come one at a time, 16 first
  std::vector<UnitDef> units = {};
  std::vector<SideVariant> variants = {};
  void (*finish)(Tsyori&) = nullptr;  // story logic the rows cannot say, run last
};

const std::vector<StageDef>& mainStoryStages();   // stages 0..14
const std::vector<StageDef>& extraStoryStages();  // stages 50..69

// --- Free battles: one master ("ガーディアン" or "ゼロット") on side 1 with
// two to six creatures in slots 17.., every unit at the base level or one above.

struct CreatureDef {
  i32 entry = 0;
  std::vector<i32> W = {};
  std::vector<AiSet> ai = {};
  i32 SumC = kKeep;
};

struct PartyDef {
  i32 party = 0;
  const char* N = "";
  i32 G = 0;
  i32 entry = 0;    // 251..257: the first character in one of the seven jobs
  i32 lvUp = 0;     // 1: every unit one level above the base level
  i32 SH = 0;
  std::vector<i32> W = {};
  std::vector<i32> TN = {};
  std::vector<AiSet> ai = {};
  std::vector<CreatureDef> creatures = {};
};

struct FreeGroup {
  i32 group;
  std::vector<PartyDef> parties;  // in party order 0..n-1
};

const std::vector<FreeGroup>& freeBattleGroups();  // groups 1..8 in order

// --- Applying definitions (stage_apply.cpp).

// The story definition of `stage`, or null when the story has none there.
const StageDef* FindStoryStage(int stage);
// Number of parties of free-battle group g (1..8), 0 for any other group.
int PartyCount(int group);
const PartyDef* FindParty(int group, int party);

// Sets up a story stage (its side rows, the variant for the player's master,
// placements, victory kind, stageNo). Returns false when there is none.
bool SetUpStoryStage(Tsyori& s, int stage);
// Sets up party `party` of group `group` with every unit at baseLevel (+1 for
// the parties that say so). Returns false for a party that does not exist.
bool SetUpParty(Tsyori& s, int group, int party, i32 baseLevel);

// Sets up unit rows as a story stage writes them, in order (a party pasted
// from the preparation screen's export, for instance).
void ApplyUnitRows(Tsyori& s, const std::vector<UnitDef>& rows);

// The rows a story stage sets up for the player master k[0] of `s`, after
// its variants are chosen (the rows of sides without a variant stay as written).
std::vector<UnitDef> ChosenRows(const StageDef& def, const Tsyori& s);

}  // namespace sorvane::stages
