// What a battle shows and plays, by name: floating texts, cell animations,
// banners, sound effects, music and pages. The rules use these names; the
// presenter receives them typed, and only the recording presenter turns them
// back into the numbers the game writes in its logs.
#pragma once

#include <string>

#include "data/types.h"

namespace sorvane {

// --- Floating texts ---------------------------------------------------------
// The value of a floating text is an amount (HP or SP moved) or, from 1000
// up, a code telling what kind of text it is.
namespace shown {
constexpr i32 Death = 1000;
constexpr i32 Summoned = 1001;
constexpr i32 Vanished = 1002;
constexpr i32 Inflicted = 2000;    // a status was inflicted
constexpr i32 Cured = 3000;        // a status ran out or was cured
constexpr i32 Gained = 4000;       // a beneficial change was gained
constexpr i32 Lost = 4500;         // a beneficial change ran out or broke
constexpr i32 Critical = 5000;
constexpr i32 Miss = 6000;
constexpr i32 ElementNote = 7000;  // "抵抗属性" / "弱点属性"
constexpr i32 NameReveal = 8000;
constexpr i32 Ability = 9000;      // a message or a passive ability's name
constexpr i32 Usable = 9001;       // a usable ability's name
constexpr i32 ElementName = 10000; // + element: a name in that element's colour
constexpr i32 FirstCode = 1000;
}  // namespace shown

enum class FloatKind {
  Amount,  // an HP or SP change: `amount` with the text ("HP", "SP")
  Death, Summoned, Vanished, Inflicted, Cured, Gained, Lost, Critical, Miss,
  ElementNote, NameReveal, Ability, Usable, ElementName,
};

struct FloatingText {
  FloatKind kind = FloatKind::Amount;
  i32 amount = 0;   // FloatKind::Amount only
  i32 element = 0;  // FloatKind::ElementName only
  std::string text;
  i32 code = 0;     // the value as the rules gave it

  // The typed form of a value as the rules give it.
  static FloatingText decode(i32 value, std::string text);
};

// --- Cell animations --------------------------------------------------------
enum class CellAnim : int {
  Death = 0,
  Summoned = 1,        // summoning complete: the creature appears
  Vanish = 2,
  SummonStarts = 3,    // the circle is drawn; the creature is on its way
  FamiliarArrives = 4,
  Warp = 5,
  Hop = 6,             // the little hop before a computer unit acts
};

// --- Banners across the battlefield ------------------------------------------
enum class BannerKind {
  Win, Lose, Draw, Give,          // the result of the battle
  PlayerPhase, EnemyPhase,        // "自フェイズ", "敵フェイズ"
  Stage, WinCondition,            // at the start of a story battle
  Weather,                        // the weather changed (its label text)
  ElementField,                   // an element field rose (its label text)
};

struct Banner {
  BannerKind kind;
  std::string text;  // the key the game shows: "win", "自フェイズ", "天気:晴れ", ...

  static Banner result(i32 battleResult);  // Won, Lost, Draw, Surrendered
  static Banner phase(i32 team) { return team == 1 ? Banner{BannerKind::PlayerPhase, "自フェイズ"} : Banner{BannerKind::EnemyPhase, "敵フェイズ"}; }
  bool endsBattle() const {
    return kind == BannerKind::Win || kind == BannerKind::Lose || kind == BannerKind::Draw || kind == BannerKind::Give;
  }
};

// --- Sound effects ------------------------------------------------------------
// Effect channels 5..49; each one is one short sound.
enum class Sound : int {
  Open = 6,          // a question or dialog opens
  Confirm = 7,       // a confirmed action
  Cancel = 8,        // cancel, refusal
  Filter = 9,        // a filter or combo choice
  Select = 10,
  Place = 11,        // a creature placed in a circle
  Remove = 12,       // a creature taken out of a circle
  Success = 13,      // success, purchase, new game
  Swing = 15,
  Step = 16,         // a unit moves
  Arrival = 21,      // a creature or familiar arrives
  SummonStarts = 23,
  Warp = 25,
  Fanfare = 45,      // the battle is won
  Defeat = 46,       // the battle is lost, drawn or given up
};
constexpr int kFirstSoundChannel = 5;
constexpr int kLastSoundChannel = 49;

// --- Music --------------------------------------------------------------------
// Music by track number; battles choose theirs from the stage.
struct Music {
  int track = 0;
  static constexpr int kStop = 0, kTitle = 1, kPreparation = 2, kCredits = 3;
  static Music stop() { return {kStop}; }
  static Music title() { return {kTitle}; }
  static Music preparation() { return {kPreparation}; }
  static Music credits() { return {kCredits}; }
  static Music storyBattle(i32 storyStage) { return {10 + storyStage}; }  // 10..24, 60..79
  static Music extraFreeBattle(i32 draw) { return {30 + draw}; }          // 30..34
  bool operator==(const Music&) const = default;
};

// --- Pages of the window -------------------------------------------------------
enum class Page : int { Title = 0, Story = 1, Preparation = 2, Battle = 3 };
constexpr Page kCreditsPage = Page::Story;  // the credits roll on the story page

}  // namespace sorvane
