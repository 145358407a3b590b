// sorvane-lab: a text console over the engine. Each line is one command;
// `#` starts a comment; a bad command prints "error: <reason>" and the script
// goes on.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "campaign/campaign.h"
#include "rules/orders.h"
#include "data/syori.h"
#include "rules/battle.h"
#include "rules/recording_presenter.h"

namespace sorvane::lab {

class Lab {
 public:
  // `gameDir` is where the archives are (ends in a path separator).
  Lab(std::ostream& out, std::string gameDir);

  void run(std::istream& script);
  void execute(std::string_view line);

  Tsyori& state() { return *state_; }

 private:
  using Args = std::vector<std::string>;
  // Each command returns an error text, empty on success.
  std::string cmdSeed(const Args& a);
  std::string cmdNewGame(const Args& a);
  std::string cmdMap(const Args& a);
  std::string cmdMapLine(const Args& a);
  std::string cmdTerrain(const Args& a);
  std::string cmdSet(const Args& a);
  std::string cmdPlace(const Args& a);
  std::string cmdGlobal(const Args& a);
  std::string cmdPrint(const Args& a);
  std::string cmdHash(const Args& a);
  std::string cmdSetK(const Args& a);   // lab_stage_commands.cpp
  std::string cmdStage(const Args& a);
  std::string printUnits(const Args& a);

  std::string printUnit(const Args& a);
  std::string printGrid(const Args& a);
  std::string printState();
  std::string printCatalogue(const Args& a);  // skill, ability, special, creature

  // Battle commands (lab_battle_commands.cpp).
  std::string cmdSelect(const Args& a);
  std::string cmdHosei(const Args& a);
  std::string cmdMoveReach(const Args& a);
  std::string cmdSummonReach(const Args& a);
  std::string cmdSkillReach(const Args& a);
  std::string cmdSkillArea(const Args& a);
  std::string cmdSpecialReach(const Args& a);
  std::string cmdSpecialArea(const Args& a);
  std::string cmdMove(const Args& a);
  std::string cmdSkill(const Args& a);
  std::string cmdSummon(const Args& a);
  std::string cmdReturn(const Args& a);
  std::string cmdUse(const Args& a);
  std::string cmdStart(const Args& a);
  std::string cmdTchange(const Args& a);
  std::string cmdSurrender(const Args& a);
  std::string cmdAnswer(const Args& a);
  std::string cmdFeedback(const Args& a);
  std::string cmdUndo(const Args& a);
  // order TEXT: one order as a replay writes it ("move 3 5 7", "end", ...).
  std::string cmdOrder(const Args& a);
  // orders save FILE | orders replay FILE (lab_replay.cpp).
  std::string cmdOrders(const Args& a);
  std::string cmdRngState(const Args& a);  // rngstate HEX: the generator continues from that state
  // Gives an order through the game's command interface, then runs the
  // battle end when the order decided the battle.
  std::string give(const Order& order);
  void endBattleIfDecided();
  std::string cmdAi(const Args& a);
  std::string printBattle(const Args& a);
  std::string printProgress(const Args& a);
  // Opponent commands (lab_ai_commands.cpp): `ai U` (and `ai on|off` through cmdAi), autoplay, battle.
  std::string cmdAiCheck(const Args& a);
  std::string cmdAutoplay(const Args& a);
  std::string cmdBattle(const Args& a);
  // The player's files (lab_campaign_commands.cpp).
  std::string cmdSave(const Args& a);
  std::string cmdLoad(const Args& a);
  std::string cmdSlotLine(const Args& a);
  std::string cmdProgress(const Args& a);
  std::string cmdProgressLine(const Args& a);
  std::string cmdFormation(const Args& a);
  std::string printRecords(const Args& a);
  // story N: plays a story scene headless and prints it (lab_story_commands.cpp).
  std::string cmdStory(const Args& a);
  // The preparation screen, the export and the campaign played through (lab_prep_commands.cpp).
  std::string cmdPrep(const Args& a);
  std::string cmdExport(const Args& a);
  std::string printParty(const Args& a);
  std::string cmdCampaign(const Args& a);
  std::string cmdFlag(const Args& a);
  // The battle over the current game state, made when first needed.
  Battle& battle();

  std::ostream& out_;
  std::string gameDir_;
  std::unique_ptr<Tsyori> state_;
  std::string restOfLine_;  // the text after the command word, for commands that take free text
  Campaign campaign_;
  RecordingPresenter presenter_;   // what the battle showed, until `feedback` prints it
  std::unique_ptr<Battle> battle_;  // dropped with the game state it works on
  std::unique_ptr<Commands> commands_;  // the player's orders to battle_
  // Every line that set up or played the game since `newgame`, orders
  // included, in the order they ran: what `orders save` writes.
  std::vector<std::string> journal_;
  bool opponentPlays_ = true;       // the computer plays its phases (`ai on|off`)
  bool autoplay_ = false;           // the computer plays every side (`autoplay on|off`)
};

}  // namespace sorvane::lab
