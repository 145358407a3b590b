// The computer's side of a battle. For the unit whose turn it is the opponent
// values every cell it could stand on (AICheck_I), tries every skill from
// every reachable cell on every target on the working copy of the unit
// records and scores what changed (AICheck_W), then performs the best plan
// through the same rule operations as the player's clicks. Three smaller
// deciders summon and return creatures (AICheck_C, AICheck_K) and use the
// unit's usable ability (AICheck_T).
//
// The opponent draws no random numbers: the same position always gives the
// same decision. Its scratch tables (posValue, actValue, reachMark,
// rangeMark, threatMark) live in the game state; the few caches that make a
// trial cheap live here.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "ai/ai_common.h"
#include "rules/battle.h"

namespace sorvane {

class Opponent {
 public:
  explicit Opponent(Battle& battle);

  // The AI phase loop: two passes over the units of `phaseTeam` that the
  // computer commands. Tchange calls it through Battle::opponentPhase.
  void playPhase();

  void AICheck(int u);    // every action of unit u in this phase
  void AICheck_I(int u);  // position values of u (posValue)
  void AICheck_W(int u);  // action values of u's skills (actValue)
  void AICheck_C(int m);  // master m may summon
  void AICheck_K(int c);  // creature c may return
  void AICheck_T(int u);  // u may use its usable ability

  // Every unit of the acting team plays, whoever commands it (AI-vs-AI).
  bool everyUnit = false;

  // Wall time of every AICheck the phase loop ran, in milliseconds, while
  // `recordTimes` is set (the lab and the benchmark read it).
  bool recordTimes = false;
  std::vector<double> decisionMs;

  // Called after each unit's turn in the phase loop (checks in the lab and tests).
  std::function<void(int u)> afterUnit;

  // Called now and then while a decision is being worked out, so that a
  // window can handle its events; it changes nothing in the game. It may
  // throw to stop the decision (the window is closing).
  std::function<void()> breathe;

  // One action value written in the running cycle: destination, skill slot
  // (-1 move only), target. Values that nothing wrote take no part in the choice.
  struct Entry {
    std::uint8_t x, y, tx, ty;
    std::int8_t slot;
    i32 value;
  };
  // What AICheck_W wrote in the running cycle, destination by destination.
  const std::vector<Entry>& skillEntries() const { return entries_; }

 private:
  using Cell = ai::Cell;
  using CellSet = std::array<std::uint64_t, 4>;  // bit x * kMapH + y

  // A use being scored: who, which skill, from where and at what.
  struct Trial {
    int u;
    const Twst* skill;
    Cell own;     // the user's real cell
    Cell enemy;   // the nearest enemy master
    Cell target;  // the target cell
    bool emptiesSp;
  };

  // --- Turn driver --------------------------------------------------------
  void refreshReachSkills();
  void clearTables();
  void announce(int u);
  void scrollToUnit(int u);
  void showAndMove();
  bool stillActs(int u) const;

  // --- Positioning ------------------------------------------------------
  void threatZone(int w, int u, bool own);
  void approachPath(int u, Cell own, Cell enemy);
  void moveTriggerTerms(int u);

  // --- Skill choice -------------------------------------------------------
  // Working copy: made whole once per destination, then after each trial
  // only the records it changed are copied back.
  void syncWork();
  void restoreWork();
  bool filterPasses(i32 filter, int t, int u, bool centre) const;
  i32 evaluate(int u, int slot, i32 id, const Twst& sk, Cell at, Cell target, Cell own, Cell enemy, i32 base,
               bool emptiesSp, const CellSet& actsOn);
  i32 scoreUnits(const Trial& tr);
  std::int64_t scoreUnit(const Trial& tr, int t, const Tkst& L, const Tkst& S);
  std::int64_t statusTerms(const Trial& tr, int t, const Tkst& L, const Tkst& S, i32 hit);
  std::int64_t weatherWorth(int u, i32 newWeather) const;

  // --- Usable abilities ---------------------------------------------------
  std::int64_t abilityWorth(int u, i32 ability, Cell from, Cell c, Cell enemy);
  std::int64_t healWorth(int u, const Tkst& L, const Tkst& S) const;
  std::int64_t ailmentWorth(int status, const Tkst& L, const Tkst& S) const;

  Battle& b_;
  Tsyori& s_;
  Tdeta& d_;

  std::vector<Entry> entries_;   // AICheck_W's entries, per destination in scan order
  std::vector<Entry> moveOnly_;  // the driver's move-only entries
  std::array<std::array<i32, kMapH>, kMapW> cellBegin_{}, cellEnd_{};
  bool tableClean_ = false;
  bool announced_ = false;

  std::vector<Cell> targets_;  // scratch: target cells of one skill or ability
  CellSet occupied_{};         // cells holding a unit, with the user on its candidate cell
  // The area of each target cell of each skill slot, for shapes whose area
  // does not depend on the user's cell (every shape but the straight line).
  std::array<std::array<CellSet, kMapW * kMapH>, 8> areaOf_{};
  std::array<std::array<bool, kMapW * kMapH>, 8> areaKnown_{};
};

// Makes `battle` play the computer's phases with a new Opponent and returns it.
std::shared_ptr<Opponent> installOpponent(Battle& battle);
// The opponent installOpponent gave `battle`, or null when it has none.
Opponent* installedOpponent(Battle& battle);

}  // namespace sorvane
