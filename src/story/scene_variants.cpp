#include "story/scene_variants.h"

#include "story/scene_numbers.h"

namespace sorvane::story {
namespace {

// Read keys: the plain scene keeps its number (the pages read file predates
// variants); a variant adds a thousand times its job + 1 or its portrait, so
// no two scripts share a key while scene numbers stay below a thousand.
constexpr int kKeyStride = 1000;

std::string variantName(int scene, char by, int value) {
  return "story" + std::to_string(scene) + "_" + by + std::to_string(value) + ".dat";
}

}  // namespace

ScenePlayer ScenePlayerOf(const Tkst& master) {
  ScenePlayer who;
  if (master.Type >= kFirstMaster) who.job = jobOf(master.Type);
  if (master.G > 0) who.portrait = master.G;
  return who;
}

std::vector<SceneEntry> SceneEntries(int scene, ScenePlayer who) {
  std::vector<SceneEntry> entries;
  if (who.portrait >= 0) entries.push_back({variantName(scene, 'p', who.portrait), who.portrait * kKeyStride + scene});
  if (who.job >= 0) entries.push_back({variantName(scene, 'j', who.job), (who.job + 1) * kKeyStride + scene});
  entries.push_back({scenes::entryName(scene), scene});
  return entries;
}

SceneScript LoadSceneScript(int scene, ScenePlayer who, const EntryReader& read) {
  const std::vector<SceneEntry> entries = SceneEntries(scene, who);
  for (std::size_t i = 0; i + 1 < entries.size(); ++i) {
    try {
      const qda::Bytes bytes = read(entries[i].name);
      return {entries[i], LoadScript(std::string(bytes.begin(), bytes.end()))};
    } catch (const std::exception&) {
      // Most scenes have no variant for most masters: the next one plays.
    }
  }
  const qda::Bytes bytes = read(entries.back().name);
  return {entries.back(), LoadScript(std::string(bytes.begin(), bytes.end()))};
}

SceneScript LoadSceneScript(const std::string& archivePath, int scene, ScenePlayer who) {
  return LoadSceneScript(scene, who, [&](const std::string& entry) { return qda::LoadEntry(archivePath, entry); });
}

}  // namespace sorvane::story
