// Every scene the game plays, as the build packed it: it parses without a
// problem, leads where its place needs, and every picture and sound it names exists.
#include <gtest/gtest.h>

#include <set>

#include "data/archive/qda.h"
#include "story/characters.h"
#include "story/cues.h"
#include "story/scene_numbers.h"
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

TEST(PackedScripts, EveryScenePlaysAndNamesOnlyWhatExists) {
  std::set<std::string> pictures;
  for (const scenes::SceneUse& use : scenes::AllScenes()) {
    SCOPED_TRACE(scenes::entryName(use.scene));
    const qda::Bytes bytes = qda::LoadEntry(kDat, scenes::entryName(use.scene));
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

}  // namespace
}  // namespace sorvane::story
