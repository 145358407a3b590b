// The preparation screen's operations, without the screen: acquiring,
// placing and removing creatures, learning and forgetting skills and
// abilities with BP, the summoning method, the master's job and character,
// the new game and the extra stages, and starting the next battle.
//
// Each operation plays its sounds, asks its questions and shows its messages
// through the presenter the screen implements (a headless presenter answers
// every question no). A refusal shows its message and changes nothing; a
// question answered no changes nothing either.
#pragma once

#include <string>

#include "campaign/campaign.h"
#include "campaign/new_game.h"

namespace sorvane::prep {

enum class Outcome {
  Done,
  Refused,    // the game refuses (its message is in `message`) or there is nothing to do
  Cancelled,  // the question was answered no
};

struct Result {
  Outcome outcome = Outcome::Done;
  std::string message;  // why it was refused

  bool done() const { return outcome == Outcome::Done; }
  static Result ok() { return {}; }
  static Result refused(std::string why) { return {Outcome::Refused, std::move(why)}; }
  static Result cancelled() { return {Outcome::Cancelled, {}}; }
};

inline constexpr int kCircles = 6;  // creature slots 1..6
inline constexpr i32 kLastCreatureType = 103;
inline constexpr i32 kAbilityPrice = 5;
inline constexpr int kCreatureSkillLimit = 5;
inline constexpr int kMasterSkillLimit = 8;
inline constexpr int kAbilityLimit = 2;  // innate and learned abilities, a usable ability counted

// BP a defeated creature costs: (summon time + summon cost - 1) * 5.
i32 acquirePrice(const Tcst& entry);

class Preparation {
 public:
  Preparation(Tsyori& s, Campaign& c, Presenter& screen) : s_(s), c_(c), screen_(screen) {}

  // A defeated creature type (1..103) becomes acquired for its price.
  Result acquire(i32 type);
  // Creature type `type` (0 empties) into circle `slot` (1..6); a type that is
  // not acquired empties the circle, as the header row of the list does.
  Result place(int slot, i32 type);
  Result remove(int slot);
  // Row `row` (0-based) of the skill list of catalogue entry `entry`: the
  // master's entry or an acquired creature type.
  Result learnSkill(i32 entry, int row);
  Result forgetSkill(i32 entry, int row);
  // Row `row` of the ability list: a learned ability is forgotten, a
  // learnable one learned for 5 BP, an innate one stays.
  Result toggleAbility(i32 entry, int row);
  // The master's summoning method: MagicStone or MagicCircle.
  Result setMethod(i32 method);
  // The master's job (0..6) and character (0..10), in the extra stages only.
  Result chooseMaster(i32 job, i32 character);
  // The extra stage to fight next, 1..20 ("裏1面".."裏20面"), once every extra stage has been won.
  Result chooseExtraStage(i32 n);
  // A new game with this job and character: AAA, the prologue, the preparation screen.
  Result newGame(i32 job, i32 character);
  // The extra stages (asks first): UUU and the preparation screen.
  Result enterExtraStages();
  // "進む": the story battle of storyStage, after its scene. The battle has
  // started when this returns Done (the computer's first phase may already
  // have decided it: the caller checks resultPending()).
  Result nextStage(Battle& b);
  // "ﾌﾘｰﾊﾞﾄﾙ": a free battle, party `stageNo` (GROUP * 100 + PARTY), or -1
  // for the party the game draws for this point of the story.
  Result freeBattle(Battle& b, i32 stageNo = -1);

 private:
  // Shows `text` as a refusal (SE 6, message, SE 8) and returns it.
  Result refuse(const std::string& text);
  // Asks `text`; on no plays SE 8.
  bool ask(const std::string& text);
  // The entry the skill and ability lists can show: the master's or an acquired creature's.
  bool shownEntry(i32 entry) const;

  Tsyori& s_;
  Campaign& c_;
  Presenter& screen_;
};

}  // namespace sorvane::prep
