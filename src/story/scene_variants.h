// Scenes written for a particular player master. Some stages set up other
// opponents or allies for some masters (stage 5's creatures follow the job;
// リリィ cannot fight at her own side), and a master character the player
// picks may be one the story meets. Beside its plain script "story<N>.dat",
// scene N may then have variants in dat.qda:
//
//   "story<N>_p<G>.dat"  for the master whose portrait is G (170 + character)
//   "story<N>_j<J>.dat"  for a master of job J (0 戦 .. 6 精)
//
// The most particular one the archive holds plays: the portrait's, then the
// job's, then the plain scene. The master is the player's (unit record 0) at
// the moment the scene starts, read the way the stage set-up reads it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "data/archive/qda.h"
#include "data/unit.h"
#include "story/script.h"

namespace sorvane::story {

// What a variant may be chosen by; -1 for "not a master" (no job, no picture).
struct ScenePlayer {
  int job = -1;
  int portrait = -1;
};

ScenePlayer ScenePlayerOf(const Tkst& master);

struct SceneEntry {
  std::string name;  // entry in dat.qda
  // The number its pages read are kept under: the scene's own for the plain
  // script, one of its own for a variant, so Ctrl never hurries through a
  // variant's page because the plain scene has a page on the same line.
  int readKey = 0;
};

// The entries to try for scene N, the most particular first, the plain one last.
std::vector<SceneEntry> SceneEntries(int scene, ScenePlayer who);

struct SceneScript {
  SceneEntry entry;
  Script script;
};

// Reads an entry's bytes; throws when the archive cannot give it.
using EntryReader = std::function<qda::Bytes(const std::string& entry)>;

// The first of SceneEntries that `read` gives. A variant the archive lacks (or
// cannot read) gives way to the next; the plain scene's error is thrown.
SceneScript LoadSceneScript(int scene, ScenePlayer who, const EntryReader& read);
SceneScript LoadSceneScript(const std::string& archivePath, int scene, ScenePlayer who);

}  // namespace sorvane::story
