// The battle engine. A Battle works on the game state (Tsyori) and carries the
// fields that belong to a running battle: whose phase it is, the turn, the
// result, and the context of the skill being resolved. Every rule operation
// keeps the name the game has always used for it (moveA, skillA, Tchange...).
//
// Rule operations take no arguments: they read the selection fields of the
// game state (selUnit, selSkill, dstX/dstY, tgtX/tgtY, sumUnit, sumX/sumY,
// sacrifice, selSpecial, spTgtX/spTgtY) and report through the game state,
// battleResult and the Presenter.
//
// Source files, one per rule area:
//   effective_stats.cpp   setHosei, selectUnit, effective values
//   reach.cpp             the six reach and area floods
//   movement.cpp          moveA, abilityIG
//   skill_resolution.cpp  skillA, skillA_s1, skillA_s1_t, skillA_s1_t_MD
//   side_effects.cpp      ailments, cures, stat and status changes, special
//                         effects, damage/kill abilities, skill types 2/3/4/6
//   feedback.cpp          LAnime, KAnime, DLAnime: the rule side of the
//                         animations (records, state changes, death)
//   death.cpp             the death rule and the battle result
//   summon.cpp            summonA, kikanA, summon time and cost
//   special_abilities.cpp abilitySK, abilitySI, abilitySI_AI, useA, useA_s
//   phase_cycle.cpp       Tchange, changeTenki, setZokuseiti
//   battle_start.cpp      startBattle, restartBattle, surrender
//   commands.cpp          which commands the menu offers (setPM's rules)
#pragma once

#include <array>
#include <functional>
#include <string>

#include "data/syori.h"
#include "rules/mode_scopes.h"
#include "rules/presenter.h"

namespace sorvane {

class Battle;

// The computer's side of a phase: plays every unit of `phaseTeam` whose
// AI.Auto is set. Installed by the opponent AI; without one, the computer's
// phases pass without actions.
using OpponentPhase = std::function<void(Battle&)>;

// A summon as the command menu predicts it (time and cost clamped at 0).
struct SummonPrediction {
  bool allowed = false;
  i32 time = 0;
  i32 cost = 0;
};

class Battle {
 public:
  Battle(Tsyori& state, Presenter& presenter);

  Tsyori& s;
  Tdeta& d;
  Presenter* view;
  OpponentPhase opponentPhase;

  // --- Battle fields -------------------------------------------------------
  i32 phaseTeam = 0;
  i32 firstTeam = 0;
  i32 turn = 0;
  i32 battleResult = Running;
  i32 pickMode = 0;     // battlefield input state; cleared at each phase change
  i32 pickCommand = 0;
  // Set once the battle end after a result has run (rewards paid); cleared
  // when a battle starts.
  byte endHandled = 0;
  // Above 0 while a player's order or a computer phase runs: a window that
  // keeps handling events during animations must not start another.
  int busy = 0;
  // A result is on the board and its battle end has not run yet: the caller
  // at the top of the stack runs it (rewards, retry, what comes next).
  bool resultPending() const { return battleResult != Running && !endHandled; }

  // --- Resolution context (valid during one skillA or useA) ----------------
  i32 curSkill = 0;
  i32 curUser = 0;
  i32 userX = 0, userY = 0;
  i32 curTarget = -1;
  i32 targetX = 0, targetY = 0;
  i32 hitRate = 0, critRate = 0, procRate = 0;
  i32 evaRate = 0;  // 1000 = the skill cannot touch the current target
  // The odds a trial use worked out for each unit it reached (percent; -1:
  // not reached), for the forecast the player sees before confirming.
  struct Odds {
    i32 hit = -1, crit = -1;
  };
  std::array<Odds, kUnitCount> trialOdds{};
  i32 power = 0;
  i32 atkValue = 0, defValue = 0;       // effective attack of the user, defence of the target
  i32 userMagic = 0, targetMagic = 0;   // effective magic of user and target
  byte resolving = 0;                   // 1 while the working copy is in use (see Resolution)
  i32 killCount = 0;
  i32 creatureBalance = 0;
  // The rules change two values of the skill being used for the length of a
  // use (its element for weather/terrain skills, its area for ZOC-area
  // skills); they live here so the catalogue itself never changes.
  i32 skillElem = 0;
  i32 skillAreaValue = 0;

  // --- Unit helpers --------------------------------------------------------
  // The bank the rules are working on: kw while resolving, else k.
  Tkst& unit(int i) { return resolving ? d.kw[i] : d.k[i]; }
  Grid<i32>& grid() { return resolving ? s.unitAtW : s.unitAt; }
  bool has(const Tkst& u, int abilityId) const { return d.hasAbility(u, abilityId); }
  static bool onField(const Tkst& u) { return u.State == OnField; }
  static bool flying(const Tkst& u) { return u.Flight > 0 && u.Gravity < 1; }
  // The last cell (column by column) of `g` that holds unit i; false when none.
  bool findCell(const Grid<i32>& g, int i, int& x, int& y) const;
  const Twst& skill(int id) const { return d.skills[id]; }

  // One use of a skill or usable ability on the working copy: the records and
  // the unit grid are copied in at the start and back at commit(). Left by an
  // abort, the working copy is dropped and the engine leaves resolving mode.
  class Resolution {
   public:
    explicit Resolution(Battle& b);
    ~Resolution();
    void commit();
    Resolution(const Resolution&) = delete;
    Resolution& operator=(const Resolution&) = delete;

   private:
    Battle& b_;
    byte before_;
    bool committed_ = false;
  };

  // --- Effective stats and selection (effective_stats.cpp) -----------------
  void setHosei();
  void selectUnit(int u);
  // Base value with its buff and passive percentages (never below -75 %),
  // at least 1.
  static i32 effective(i32 base, i32 buff, i32 passive);
  static i32 effAtk(const Tkst& u) { return effective(u.Atk, u.AtkB, u.AtkP); }
  static i32 effDef(const Tkst& u) { return effective(u.Def, u.DefB, u.DefP); }
  static i32 effMag(const Tkst& u) { return effective(u.Mag, u.MagB, u.MagP); }
  static i32 movementPoints(const Tkst& u) { return u.Mov + u.MovB + u.MovP; }

  // --- Reach and area (reach.cpp) ------------------------------------------
  void moveReach();
  void summonReach();
  void skillReach();
  void skillArea();
  void specialReach();
  void specialArea();
  // True when no on-field unit stands on the straight line from (fx, fy) to (tx, ty).
  bool lineOfSightClear(int fx, int fy, int tx, int ty) const;
  // The last cell before (tx, ty) on the line walk from (fx, fy).
  void lastCellBefore(int fx, int fy, int tx, int ty, int& cx, int& cy) const;

  // --- Movement (movement.cpp) ---------------------------------------------
  void moveA();
  void abilityIG(int mover, int x, int y);
  // Terrain erosion of (x, y) by the [地形侵食..] abilities of unit u.
  void erodeTerrain(const Tkst& u, int x, int y);

  // --- Skill resolution (skill_resolution.cpp) -----------------------------
  void skillA();
  void skillA_s1();
  void skillA_s1_t();
  void skillA_s1_t_MD(int e);
  // Working copy and curUser while resolving or simulating; else live records and selUnit.
  bool targetRulePasses(i32 rule, int u) const;
  static i32 elementMultiplier(i32 skillElement, i32 targetElement);

  // --- Side effects (side_effects.cpp) -------------------------------------
  void skillA_s1_t_MX(int e);  // ailments after a landed hit
  void skillA_s1_t_MS(int e);  // lowered stats after a landed hit
  void skillA_s1_t_HX();       // cures
  void skillA_s1_t_HS();       // raised stats
  void skillA_s1_t_HJ();       // status changes
  void skillSpecialEffects();  // the special-effect kinds applied to the target after its hits
  void skillSelfEffects();     // the user's own effects, once per use
  void abilityWM(i32 damage, int e);  // damage-dealt abilities (user) after every damage step
  void abilityWT(i32 damage, int e);  // damage-received abilities of a surviving target
  void abilityWS();                   // finishing-blow and victim abilities, before the death
  void skillA_s2();  // familiar summoning
  void skillA_s3();  // terrain
  void skillA_s4();  // weather
  void skillA_s6();  // teleport
  // Puts familiar `type` into the first free familiar slot of `user`'s side
  // on (x, y) of the working copy; returns the slot or -1 when all nine are taken.
  int placeFamiliar(int user, int type, int x, int y);
  // The skill list and abilities a familiar type arrives with, built once per
  // type so that trial summons of the AI allocate nothing.
  struct FamiliarKit {
    bool built = false;
    SharedArray<i32> W;
    std::array<i32, 4> TN{};
    Name TNS;
  };
  std::array<FamiliarKit, 9> familiarKits;  // types 201..209

  // --- Feedback: the rule side of the animations (feedback.cpp) ------------
  // `value` is an amount or one of the codes of `shown`.
  void LAnime(int u, i32 value, const std::string& text);
  void KAnime(int u, CellAnim kind);
  void DLAnime(const Banner& banner, int ms);
  // Copies the working copy into the live records (kw -> k, unitAtW -> unitAt)
  // and back; used when a rule must act on the live records mid-resolution.
  void commitWork();
  void reloadWork();
  // Music off, wait 2000 ms and the result banner, when battleResult is 1..3.
  // The battle end itself runs afterwards, from the top of the stack.
  void showResult();
  // The master of team 1 stands on the last column: a win where the stage's
  // victory condition is to reach it. Sets the result and shows it; true
  // when the battle is won so.
  bool lastColumnReached();
  bool masterOnLastColumn() const;
  // 1 while KAnime runs the rule part of an animation on the committed live
  // records (resolving is 0 then, so unit() and grid() give the live bank).
  byte onLiveRecords = 0;

  // --- Death and battle result (death.cpp) ---------------------------------
  // The death rule of unit u on cell (x, y): run by KAnime kind 0 on the live records.
  void deathRule(int u, int x, int y);
  // 3, minus 2 when team 1 keeps a master on the field, minus 1 for team 2.
  void updateBattleResult();
  // Kills u: HP (or SP) clamped at 0, then the death animation and rule.
  void kill(int u);

  // --- Summon and return (summon.cpp) --------------------------------------
  void summonA();
  void kikanA();
  // The SP a summon of `creature` costs `master` (may be below 0; only a
  // positive cost is paid).
  i32 summonCost(int master, int creature) const;
  // The menu's prediction for creature slot `slot` (1..6) of `master`: time
  // (without sacrifice and destination) and cost, both clamped at 0, and
  // whether the summon rules allow it now.
  SummonPrediction predictSummon(int master, int slot) const;

  // --- Special abilities (special_abilities.cpp) ---------------------------
  void abilitySK(int u);
  void abilitySI(int u, int x, int y);
  void abilitySI_AI(int u);
  void useA();
  void useA_s();

  // --- Phase cycle, weather and element fields (phase_cycle.cpp) -----------
  void Tchange();
  void changeTenki();
  void setZokuseiti();

  // --- Start and surrender (battle_start.cpp) -------------------------------
  // The "降参" button: asks, then the battle is given up.
  void surrender();
  // Starts a battle that stage setup has just prepared.
  void startBattle(i32 first);
  // The same stage once more from turn 0, with the same team first; stage
  // setup has just prepared it again.
  void restartBattle();

  // --- Command availability (commands.cpp) ---------------------------------
  bool canMove(int u) const;
  bool canUseSkills(int u) const;
  bool canUseSkill(int u, int slot) const;
  bool canSummon(int master) const;
  bool canReturn(int u) const;
  bool canUseSpecial(int u) const;
  // After skillArea / specialArea: does the area hold something to act on?
  bool skillTargetAccepted() const;
  bool specialTargetAccepted() const;
};

}  // namespace sorvane
