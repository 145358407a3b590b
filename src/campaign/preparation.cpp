#include "campaign/preparation.h"

#include <vector>

#include "campaign/flow.h"
#include "campaign/scenes.h"
#include "data/stages/stage_definition.h"

namespace sorvane::prep {

namespace {

enum AbilityState : i32 { Innate = 0, Learned = 1, Learnable = 2 };

constexpr int kJobs = 7;
constexpr int kCharacters = 11;

// Copies a list before changing one value, so that a copy of the game state
// (a snapshot, an undo) keeps the list it had.
template <class T>
void setListValue(SharedArray<T>& list, std::size_t i, T value) {
  std::vector<T> items = list.toVector();
  items[i] = value;
  list = SharedArray<T>(std::move(items));
}

int learnedSkills(const Tcst& entry) {
  int n = 0;
  for (std::size_t i = 0; i < entry.SkL.size(); ++i) n += entry.SkL[i] != 0 && entry.Sk.at(i) != 0;
  return n;
}

int heldAbilities(const Tcst& entry) {
  int n = entry.TU != 0 ? 1 : 0;
  for (std::size_t i = 0; i < entry.AbL.size(); ++i) n += entry.AbL[i] == Innate || entry.AbL[i] == Learned;
  return n;
}

bool validCircle(int slot) { return slot >= 1 && slot <= kCircles; }

}  // namespace

i32 acquirePrice(const Tcst& entry) { return (entry.SumT + entry.SumC - 1) * 5; }

Result Preparation::refuse(const std::string& text) {
  screen_.SE(Sound::Open);
  screen_.message(text);
  screen_.SE(Sound::Cancel);
  return Result::refused(text);
}

bool Preparation::ask(const std::string& text) {
  if (screen_.question(text)) return true;
  screen_.SE(Sound::Cancel);
  return false;
}

bool Preparation::shownEntry(i32 entry) const {
  const Tdeta& d = *s_.D;
  if (entry == d.k[kPlayerMaster].Type && entry >= kFirstMaster) return true;
  return entry >= 1 && entry <= kLastCreatureType && d.acquired[entry] != 0;
}

Result Preparation::acquire(i32 type) {
  Tdeta& d = *s_.D;
  if (type < 1 || type > kLastCreatureType) return Result::refused("creature types are 1..103");
  if (d.acquired[type] != 0) return Result::refused(d.creatures[type].Name + " is already acquired");
  if (d.defeated[type] == 0) return Result::refused(d.creatures[type].Name + " has not been defeated yet");
  Tcst& entry = d.creatures[type];
  const i32 price = acquirePrice(entry);
  const std::string priceText = std::to_string(price);
  screen_.SE(Sound::Open);
  if (c_.BP < price) {
    const std::string text = "[" + entry.Name + "]を取得するには[" + priceText + "]のBPが必要です。";
    screen_.message(text);
    screen_.SE(Sound::Cancel);
    return Result::refused(text);
  }
  if (!ask("BPを[" + priceText + "]消費して[" + entry.Name + "]を取得します。")) return Result::cancelled();
  c_.BP -= price;
  d.acquired[type] = 1;
  entry.Lv = d.creatures[d.k[kPlayerMaster].Type].Lv;
  screen_.SE(Sound::Success);
  return Result::ok();
}

Result Preparation::place(int slot, i32 type) {
  Tdeta& d = *s_.D;
  if (!validCircle(slot)) return Result::refused("circles are 1..6");
  if (type < 0 || type > kLastCreatureType) return Result::refused("creature types are 0..103");
  if (type > 0) {
    for (int i = 1; i <= kCircles; ++i)
      if (d.k[i].Type == type)
        return Result::refused(d.creatures[type].Name + " already sits in circle " + std::to_string(i));
  }
  if (type > 0 && d.acquired[type] != 0) screen_.SE(Sound::Place);
  s_.SetK(slot, type, 0);
  return Result::ok();
}

Result Preparation::remove(int slot) {
  if (!validCircle(slot)) return Result::refused("circles are 1..6");
  if (s_.D->k[slot].Type == 0) {
    screen_.SE(Sound::Cancel);
    return Result::refused("circle " + std::to_string(slot) + " is empty");
  }
  screen_.SE(Sound::Remove);
  s_.SetK(slot, 0, 0);
  return Result::ok();
}

Result Preparation::learnSkill(i32 entryNo, int row) {
  Tdeta& d = *s_.D;
  if (!shownEntry(entryNo))
    return Result::refused("entry " + std::to_string(entryNo) + " is neither the master's nor an acquired creature");
  Tcst& entry = d.creatures[entryNo];
  if (row < 0 || std::size_t(row) >= entry.Sk.size() || entry.Sk[row] == 0)
    return Result::refused(entry.Name + " has no skill in row " + std::to_string(row));
  const Twst& skill = d.skills[entry.Sk[row]];
  if (entry.SkL.at(row) != 0) return Result::refused(entry.Name + " already knows " + skill.Name);
  const bool master = entryNo >= kFirstMaster;
  if (!master && learnedSkills(entry) >= kCreatureSkillLimit)
    return refuse("クリーチャーが覚えられる技は5つまでです。");
  if (master && learnedSkills(entry) >= kMasterSkillLimit) return refuse("マスターが覚えられる技は8つまでです。");
  const i32 price = skill.Cost;
  if (c_.BP < price) return refuse("BPが足りません。");
  screen_.SE(Sound::Open);
  if (!ask("[" + entry.Name + "]がBPを[" + std::to_string(price) + "]消費して[" + skill.Name + "]を覚えます。"))
    return Result::cancelled();
  c_.BP -= price;
  setListValue(entry.SkL, std::size_t(row), byte{1});
  screen_.SE(Sound::Success);
  return Result::ok();
}

Result Preparation::forgetSkill(i32 entryNo, int row) {
  Tdeta& d = *s_.D;
  if (!shownEntry(entryNo))
    return Result::refused("entry " + std::to_string(entryNo) + " is neither the master's nor an acquired creature");
  Tcst& entry = d.creatures[entryNo];
  if (row < 0 || std::size_t(row) >= entry.Sk.size() || entry.Sk[row] == 0)
    return Result::refused(entry.Name + " has no skill in row " + std::to_string(row));
  const Twst& skill = d.skills[entry.Sk[row]];
  if (entry.SkL.at(row) == 0) return Result::refused(entry.Name + " does not know " + skill.Name);
  screen_.SE(Sound::Open);
  if (!ask("[" + entry.Name + "]が[" + skill.Name + "]を忘れます。")) return Result::cancelled();
  setListValue(entry.SkL, std::size_t(row), byte{0});  // no BP comes back
  screen_.SE(Sound::Confirm);
  return Result::ok();
}

Result Preparation::toggleAbility(i32 entryNo, int row) {
  Tdeta& d = *s_.D;
  if (!shownEntry(entryNo))
    return Result::refused("entry " + std::to_string(entryNo) + " is neither the master's nor an acquired creature");
  Tcst& entry = d.creatures[entryNo];
  if (row < 0 || std::size_t(row) >= entry.Ab.size())
    return Result::refused(entry.Name + " has no ability in row " + std::to_string(row));
  const std::string& name = d.abilityName(entry.Ab[row]);
  switch (entry.AbL[row]) {
    case Learned:
      screen_.SE(Sound::Open);
      if (!ask(name + "を忘れます。")) return Result::cancelled();
      setListValue(entry.AbL, std::size_t(row), i32{Learnable});
      screen_.SE(Sound::Confirm);
      return Result::ok();
    case Learnable:
      if (heldAbilities(entry) >= kAbilityLimit) return refuse("マスターが覚えられる特殊能力は2つまでです。");
      if (c_.BP < kAbilityPrice) return refuse("BPが足りません。");
      screen_.SE(Sound::Open);
      if (!ask("BPを5消費して" + name + "を覚えます。")) return Result::cancelled();
      c_.BP -= kAbilityPrice;
      setListValue(entry.AbL, std::size_t(row), i32{Learned});
      screen_.SE(Sound::Success);
      return Result::ok();
    default: return Result::refused(name + " is innate");
  }
}

Result Preparation::setMethod(i32 method) {
  if (method != MagicStone && method != MagicCircle)
    return Result::refused("summoning methods are 1 (魔石召喚) and 2 (魔法円召喚)");
  screen_.SE(Sound::Filter);
  s_.D->k[kPlayerMaster].SH = method;
  return Result::ok();
}

Result Preparation::chooseMaster(i32 job, i32 character) {
  Tdeta& d = *s_.D;
  if (s_.storyStage < flow::kFirstExtraStage)
    return Result::refused("the job and character are chosen in the extra stages");
  if (job < 0 || job >= kJobs || character < 0 || character >= kCharacters)
    return Result::refused("jobs are 0..6, characters 0..10");
  const i32 current = d.k[kPlayerMaster].Type;
  const bool currentJob = current >= kFirstMaster && jobOf(current) == job;
  if (d.jobOpen[job] == 0 && !currentJob) {
    screen_.SE(Sound::Cancel);
    return Result::refused("job " + std::to_string(job) + " has not cleared the campaign");
  }
  if (d.charOpen[character] == 0) {
    screen_.SE(Sound::Cancel);
    return Result::refused("character " + std::to_string(character) + " is not open");
  }
  screen_.SE(Sound::Filter);
  s_.SetK(kPlayerMaster, masterEntry(character, job), 0);
  return Result::ok();
}

Result Preparation::chooseExtraStage(i32 n) {
  if (s_.storyStage < flow::kFirstExtraStage) return Result::refused("extra stages are chosen in the extra stages");
  if (s_.D->extraOpen == 0) return Result::refused("the extra stages are chosen once the last one has been won");
  if (n < 1 || n > flow::kLastExtraStage - flow::kFirstExtraStage + 1) return Result::refused("extra stages are 1..20");
  screen_.SE(Sound::Filter);
  s_.storyStage = flow::kFirstExtraStage + n - 1;
  return Result::ok();
}

Result Preparation::newGame(i32 job, i32 character) {
  if (job < 0 || job >= kJobs || character < 0 || character >= kCharacters)
    return Result::refused("jobs are 0..6, characters 0..10");
  if (character != 0 && s_.D->charOpen[character] == 0)
    return Result::refused("character " + std::to_string(character) + " is not open");
  screen_.SE(Sound::Success);
  s_.SetK(kPlayerMaster, masterEntry(character, job), 0);
  AAA(s_, c_);
  c_.scene(scene::Prologue);
  screen_.BGM(Music::preparation());
  screen_.showPage(Page::Preparation);
  return Result::ok();
}

Result Preparation::enterExtraStages() {
  const auto& open = s_.D->jobOpen;
  bool any = false;
  for (byte j : open) any = any || j != 0;
  if (!any) return Result::refused("the extra stages open once the campaign has been cleared");
  screen_.SE(Sound::Open);
  if (!ask("うらめんに入ります。よろしいですか？")) return Result::cancelled();
  screen_.SE(Sound::Success);
  UUU(s_, c_);
  screen_.BGM(Music::preparation());
  screen_.showPage(Page::Preparation);
  return Result::ok();
}

Result Preparation::nextStage(Battle& b) {
  if (!stages::FindStoryStage(s_.storyStage)) return Result::refused("no story stage " + std::to_string(s_.storyStage));
  screen_.SE(Sound::Open);
  if (!ask("次のステージに進みます。よろしいですか？")) return Result::cancelled();
  screen_.BGM(Music::stop());
  screen_.SE(Sound::Confirm);
  s_.storyBattle = 1;
  c_.scene(flow::openingScene(s_.storyStage));
  s_.StageSetup();
  b.startBattle(s_.winCondition == 4 ? 2 : 1);
  return Result::ok();
}

Result Preparation::freeBattle(Battle& b, i32 stageNo) {
  if (stageNo != -1 && (stageNo < 100 || !stages::FindParty(stageNo / 100, stageNo % 100)))
    return Result::refused("no free-battle party " + std::to_string(stageNo));
  screen_.SE(Sound::Open);
  if (!ask("[フリーバトル]に入ります。よろしいですか？")) return Result::cancelled();
  screen_.BGM(Music::stop());
  screen_.SE(Sound::Confirm);
  s_.storyBattle = 0;
  s_.stageNo = stageNo;
  s_.mapNo = -1;
  s_.StageSetup();
  b.startBattle(s_.Random(2) + 1);
  return Result::ok();
}

}  // namespace sorvane::prep
