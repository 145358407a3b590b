// SetK: one unit record initialised from one catalogue entry.
#include "data/syori.h"

namespace sorvane {

namespace {

constexpr int kPlayerCreatureFirst = 1;
constexpr int kPlayerCreatureLast = 6;

bool isMasterIndex(int i) { return i % kSideSize == 0; }

i32 kindOf(int i) {
  int slot = i % kSideSize;
  if (slot == 0) return KindMaster;
  return slot <= 6 ? KindCreature : KindFamiliar;
}

// Whether the player owns creature c. Only creature ids carry the flag, so a
// familiar or master entry can never be put into one of the player's slots.
bool ownedByPlayer(const Tdeta& d, int c) { return c >= 0 && c < kCollectable && d.acquired[c] != 0; }

}  // namespace

void Tsyori::SetK(int i, int c, int lv) {
  if (i < 0 || i >= kUnitCount) return;
  if (c < 0 || c >= kCreatureCount) c = 0;
  Tdeta& d = *D;
  if (i >= kPlayerCreatureFirst && i <= kPlayerCreatureLast && !ownedByPlayer(d, c)) c = 0;
  const Tcst& entry = d.creatures[c];
  Tkst& u = d.k[i];

  // The player's own units carry the level the catalogue keeps for them.
  u.Lv = i <= kPlayerCreatureLast ? entry.Lv : lv;
  u.Kind = kindOf(i);
  u.Master = i - i % kSideSize;

  if (i == 0 || i == 32) u.Team = 1;
  else if (i == 16 || i == 48) u.Team = 2;
  else u.Team = d.k[u.Master].Team;

  u.State = isMasterIndex(i) ? OnField : Waiting;
  if (c == 0) u.State = Waiting;

  u.SP = isMasterIndex(i) ? 16 : entry.SP;
  u.SPMax = entry.SP;

  // Masters 16 and 48 are the computer's; masters 0 and 32 are the player's
  // again at every initialisation, so a side that one stage handed to the
  // computer does not stay with it in the next battle. Every other unit follows
  // its side's master.
  if (i == 16 || i == 48) u.AI.Auto = 1;
  else if (i == 0 || i == 32) u.AI.Auto = 0;
  else u.AI.Auto = d.k[u.Master].AI.Auto;

  const byte keepAuto = u.AI.Auto;
  const i32 keepReachSkill = u.AI.ReachSkill;
  u.AI = TAI::defaults();
  u.AI.Auto = keepAuto;
  u.AI.ReachSkill = keepReachSkill;

  u.N = entry.Name;
  u.G = entry.G;
  u.Type = c;
  u.Elem = entry.Elem;
  u.Exp = entry.Exp;

  u.HPMax = u.Lv * entry.HPg * 2 / 100 + (isMasterIndex(i) ? u.Lv : u.Lv / 2);
  u.HP = u.HPMax;
  u.Atk = u.Lv * entry.Atkg * 2 / 100;
  u.Def = u.Lv * entry.Defg * 2 / 100;
  u.Mag = u.Lv * entry.Magg * 2 / 100;

  u.Mov = entry.Mov;
  u.SumT = entry.SumT;
  u.SumTC = 0;
  u.SumC = entry.SumC;
  u.SumK = entry.SumK;
  u.ZOC = entry.ZOC;
}

}  // namespace sorvane
