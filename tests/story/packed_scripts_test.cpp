// Every scene the game plays, as the build packed it, for every player master
// a new game can set up: it parses without a problem, leads where its place
// needs, every picture and sound it names exists, and a battle's scene names
// the masters and creatures that player's stage really fields.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "campaign/flow.h"
#include "campaign/new_game.h"
#include "data/archive/qda.h"
#include "data/syori.h"
#include "data/tables/creature_table.h"
#include "story/characters.h"
#include "story/cues.h"
#include "story/scene_numbers.h"
#include "story/scene_variants.h"
#include "story/script.h"
#include "text/cp932.h"

namespace sorvane::story {
namespace {

const std::string kDat = std::string(SORVANE_GAME_DIR) + "dat.qda";
const std::string kPng = std::string(SORVANE_GAME_DIR) + "png.qda";

bool hasPicture(const std::string& name) {
  try {
    return !qda::LoadEntry(kPng, name).empty();
  } catch (const std::exception&) {
    return false;
  }
}

// A new game's player master as every job and character, and as nobody.
struct Player {
  int entry = 0;  // master catalogue entry; 0 for nobody
  ScenePlayer who;
};

std::vector<Player> everyPlayer() {
  Tsyori s;
  SetUpNewGame(s);
  std::vector<Player> players{{}};
  for (int c = 0; c < tables::kMasterCharacters; ++c)
    for (int job = 0; job < tables::kJobCount; ++job) {
      s.SetK(kPlayerMaster, masterEntry(c, job), 0);
      players.push_back({masterEntry(c, job), ScenePlayerOf(s.D->k[kPlayerMaster])});
    }
  return players;
}

// Every script some player sees, with the place it plays at.
std::map<std::string, scenes::SceneUse> playedScripts() {
  std::map<std::string, scenes::SceneUse> played;
  for (const scenes::SceneUse& use : scenes::AllScenes())
    for (const Player& p : everyPlayer()) played.emplace(LoadSceneScript(kDat, use.scene, p.who).entry.name, use);
  return played;
}

TEST(PackedScripts, EveryScriptPlaysAndNamesOnlyWhatExists) {
  std::set<std::string> pictures;
  for (const auto& [entry, use] : playedScripts()) {
    SCOPED_TRACE(entry);
    const qda::Bytes bytes = qda::LoadEntry(kDat, entry);
    const std::string raw(bytes.begin(), bytes.end());
    EXPECT_NE(raw.find("\r\n"), std::string::npos);
    const Script script = LoadScript(raw);
    for (const Problem& p : CheckScript(script)) ADD_FAILURE() << "line " << p.line << ": " << p.message;
    EXPECT_EQ(script.header.followUp, use.followUp);

    for (int c : script.header.characters) {
      const StoryCharacter& who = StoryCharacters()[c];
      pictures.insert(std::string(who.stem) + "a.png");
      for (int e = 0; e < who.expressions; ++e) pictures.insert(std::string(who.stem) + std::to_string(e) + ".png");
    }
    for (std::size_t i = 1; i < script.lines.size(); ++i) {
      const ScriptLine line = ParseLine(script.lines[i]);
      if (line.command == Command::Backdrop) pictures.insert(text::fromCp932(line.argument) + ".png");
      for (const SoundCue& cue : line.sounds) {
        const bool music = cue.command == SoundCommand::PlayMusic;
        const bool effect = cue.command == SoundCommand::PlayEffect1 || cue.command == SoundCommand::PlayEffect2;
        if (music) {
          EXPECT_TRUE(MusicCue(cue.argument)) << "line " << i << ": no music track " << cue.argument;
        }
        if (effect) {
          EXPECT_TRUE(EffectCue(cue.argument)) << "line " << i << ": no effect " << cue.argument;
        }
      }
    }
  }
  // The skip command's background and the message window in every frame colour.
  pictures.insert(std::string(kEmptyBackdrop) + ".png");
  pictures.insert("fa.png");
  for (int c = 0; c < 5; ++c) pictures.insert("f" + std::to_string(c) + ".png");
  for (const std::string& name : pictures) EXPECT_TRUE(hasPicture(name)) << name;
}

// A variant whose name no player reaches ("story5_j7", "story9_g172") would never play.
TEST(PackedScripts, EveryScriptWrittenIsOneSomePlayerSees) {
  const std::map<std::string, scenes::SceneUse> played = playedScripts();
  int sources = 0;
  for (const auto& file : std::filesystem::directory_iterator(std::string(SORVANE_SOURCE_DIR) + "assets/story")) {
    if (file.path().extension() != ".txt") continue;
    ++sources;
    const std::string entry = file.path().stem().string() + ".dat";
    EXPECT_TRUE(played.contains(entry)) << file.path().filename().string() << " plays for no master";
  }
  EXPECT_GT(sources, 0);
}

// What the player reads: the speakers and the text lines, in UTF-8.
std::string readText(const Script& script) {
  std::string out;
  for (std::size_t i = 1; i < script.lines.size(); ++i) {
    const ScriptLine line = ParseLine(script.lines[i]);
    if (line.command == Command::Page) out += text::fromCp932(line.argument) + "\n";
    if (!line.hasHash) out += text::fromCp932(script.lines[i]) + "\n";
  }
  return out;
}

// The names of the masters and creatures the stage sets up against and beside the player.
std::set<std::string> fieldedNames(Tsyori& s, int stage, int playerEntry) {
  s.SetK(kPlayerMaster, playerEntry, 0);
  s.storyStage = stage;
  s.storyBattle = 1;
  s.stageNo = -1;
  s.mapNo = -1;
  s.StageSetup();
  std::set<std::string> names;
  for (int i = kEnemyMaster; i <= s.lastUnit; ++i)
    if (s.D->k[i].Type > 0) names.insert(s.D->k[i].N.str());
  return names;
}

// Stage 5's creatures follow the job and リリィ's place at the player's side
// goes to アリス when the player is リリィ: the scene a player sees names every
// unit its scripts name that this player's stage fields, and none that only
// another player's stage fields (the narrators' names aside).
TEST(PackedScripts, ABattlesSceneNamesTheUnitsThatPlayersStageFields) {
  const std::vector<Player> players = everyPlayer();
  Tsyori s;
  SetUpNewGame(s);
  s.gameDir = SORVANE_GAME_DIR;
  for (int stage = 0; stage <= flow::kLastExtraStage; ++stage) {
    const int scene = flow::openingScene(stage);
    if (scene < 0) continue;
    SCOPED_TRACE("scene " + std::to_string(scene));
    struct Seen {
      const Player* player;
      std::string entry, text;
      std::set<std::string> fielded;
    };
    std::vector<Seen> seen;
    std::set<std::string> anyFielded;
    for (const Player& p : players) {
      if (p.entry == 0) continue;
      const SceneScript loaded = LoadSceneScript(kDat, scene, p.who);
      Seen one{&p, loaded.entry.name, readText(loaded.script), fieldedNames(s, stage, p.entry)};
      anyFielded.insert(one.fielded.begin(), one.fielded.end());
      seen.push_back(std::move(one));
    }
    const auto namedBySome = [&](const std::string& name) {
      for (const Seen& other : seen)
        if (other.text.find(name) != std::string::npos) return true;
      return false;
    };
    for (const Seen& one : seen) {
      const std::string who = one.entry + " for entry " + std::to_string(one.player->entry) + ": ";
      for (const std::string& name : one.fielded) {
        if (!namedBySome(name)) continue;
        EXPECT_NE(one.text.find(name), std::string::npos) << who << name << " fights unnamed";
      }
      for (const std::string& name : anyFielded) {
        const bool narrator = FindStoryCharacter(name) == 0 || FindStoryCharacter(name) == 1;
        if (one.fielded.contains(name) || narrator) continue;
        EXPECT_EQ(one.text.find(name), std::string::npos) << who << name << " is named but not there";
      }
    }
  }
}

}  // namespace
}  // namespace sorvane::story
