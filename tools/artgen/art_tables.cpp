#include "art_tables.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

namespace sorvane::artgen {
namespace {

// One meaningful line of a table: its number in the file and its words; `rest`
// is what follows the first `fixedWords` words (a name may hold spaces).
struct Row {
  int line = 0;
  std::vector<std::string> words;
  std::string rest;
};

std::string trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::vector<Row> readRows(const std::filesystem::path& file, std::size_t fixedWords) {
  std::ifstream in(file);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  std::vector<Row> rows;
  std::string text;
  for (int line = 1; std::getline(in, text); ++line) {
    text = trim(text);
    if (text.empty() || text[0] == '#') continue;
    Row row{line, {}, {}};
    std::istringstream words(text);
    std::string word;
    while (row.words.size() < fixedWords && words >> word) row.words.push_back(word);
    std::getline(words, row.rest);
    row.rest = trim(row.rest);
    rows.push_back(std::move(row));
  }
  return rows;
}

[[noreturn]] void fail(const std::filesystem::path& file, int line, const std::string& what) {
  throw std::runtime_error(file.filename().string() + ":" + std::to_string(line) + ": " + what);
}

int toInt(const std::filesystem::path& file, const Row& row, const std::string& word, int lo, int hi) {
  std::size_t used = 0;
  int value = 0;
  try {
    value = std::stoi(word, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used != word.size() || value < lo || value > hi) {
    fail(file, row.line, "'" + word + "' is not a number from " + std::to_string(lo) + " to " + std::to_string(hi));
  }
  return value;
}

Rgb toRgb(const std::filesystem::path& file, const Row& row, const std::string& word) {
  if (word.size() != 6 || word.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
    fail(file, row.line, "'" + word + "' is not a colour RRGGBB");
  }
  const unsigned long v = std::stoul(word, nullptr, 16);
  return {static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
}

void needWords(const std::filesystem::path& file, const Row& row, std::size_t count, bool needRest) {
  if (row.words.size() < count || (needRest && row.rest.empty())) fail(file, row.line, "too few columns");
}

std::vector<UnitArt> readUnits(const std::filesystem::path& file) {
  std::vector<UnitArt> units;
  std::set<int> seen;
  for (const Row& row : readRows(file, 4)) {
    needWords(file, row, 4, true);
    UnitArt u;
    u.g = toInt(file, row, row.words[0], 0, 186);
    u.elem = toInt(file, row, row.words[1], 0, kElementCount - 1);
    const std::string& frame = row.words[2];
    if (frame == "creature") u.frame = Frame::Creature;
    else if (frame == "familiar") u.frame = Frame::Familiar;
    else if (frame == "master") u.frame = Frame::Master;
    else fail(file, row.line, "frame '" + frame + "' is not creature, familiar or master");
    u.icon = row.words[3];
    u.name = row.rest;
    if (!seen.insert(u.g).second) fail(file, row.line, "picture " + row.words[0] + " is listed twice");
    units.push_back(u);
  }
  return units;
}

std::vector<JobArt> readJobs(const std::filesystem::path& file) {
  std::vector<JobArt> jobs;
  for (const Row& row : readRows(file, 2)) {
    needWords(file, row, 2, true);
    const int job = toInt(file, row, row.words[0], 0, 6);
    if (job != static_cast<int>(jobs.size())) fail(file, row.line, "jobs must be listed 0..6 in order");
    jobs.push_back({job, row.words[1], row.rest});
  }
  if (jobs.size() != 7) throw std::runtime_error(file.filename().string() + ": all seven jobs are needed");
  return jobs;
}

std::map<std::string, std::string> readMarkers(const std::filesystem::path& file) {
  std::map<std::string, std::string> markers;
  for (const Row& row : readRows(file, 2)) {
    needWords(file, row, 2, false);
    markers[row.words[0]] = row.words[1];
  }
  for (const char* needed : {"move", "skill", "summon", "special", "stone", "circle"}) {
    if (!markers.count(needed)) throw std::runtime_error(file.filename().string() + ": marker '" + needed + "' is missing");
  }
  return markers;
}

Palette readPalette(const std::filesystem::path& file) {
  Palette palette;
  std::set<int> elements;
  for (const Row& row : readRows(file, 4)) {
    needWords(file, row, 2, false);
    if (std::isdigit(static_cast<unsigned char>(row.words[0][0]))) {
      needWords(file, row, 4, false);
      const int e = toInt(file, row, row.words[0], 0, kElementCount - 1);
      palette.elementName[e] = row.words[1];
      palette.element[e] = toRgb(file, row, row.words[2]);
      palette.deep[e] = toRgb(file, row, row.words[3]);
      elements.insert(e);
    } else {
      palette.named[row.words[0]] = toRgb(file, row, row.words[1]);
    }
  }
  if (elements.size() != kElementCount) throw std::runtime_error(file.filename().string() + ": elements 0..7 are needed");
  for (const char* needed : {"team1", "team2", "cream", "gold", "ink"}) palette.colour(needed);
  return palette;
}

std::vector<TerrainArt> readTerrain(const std::filesystem::path& file) {
  static const std::set<std::string> kTextures = {"void", "plain", "ash",  "magma", "ice", "snow",  "grass",
                                                  "forest", "sand", "rocks", "ore", "crystal", "river", "sea"};
  std::vector<TerrainArt> terrain;
  for (const Row& row : readRows(file, 6)) {
    needWords(file, row, 6, false);
    TerrainArt t;
    t.code = toInt(file, row, row.words[0], 0, 13);
    if (t.code != static_cast<int>(terrain.size())) fail(file, row.line, "terrain codes must be listed 0..13 in order");
    t.name = row.words[1];
    t.texture = row.words[2];
    if (!kTextures.count(t.texture)) fail(file, row.line, "no texture named '" + t.texture + "'");
    t.base = toRgb(file, row, row.words[3]);
    t.accent = toRgb(file, row, row.words[4]);
    t.mini = toRgb(file, row, row.words[5]);
    terrain.push_back(t);
  }
  if (terrain.size() != 14) throw std::runtime_error(file.filename().string() + ": terrain codes 0..13 are needed");
  return terrain;
}

std::vector<CaptionArt> readCaptions(const std::filesystem::path& file) {
  std::vector<CaptionArt> captions;
  for (const Row& row : readRows(file, 2)) {
    needWords(file, row, 2, true);
    CaptionArt c;
    c.entry = row.words[0];
    c.tone = row.words[1];
    if (c.tone != "ok" && c.tone != "no" && c.tone != "ask") fail(file, row.line, "tone must be ok, no or ask");
    const auto bar = row.rest.find(" | ");
    c.caption = trim(row.rest.substr(0, bar));
    if (bar != std::string::npos) c.hint = trim(row.rest.substr(bar + 3));
    captions.push_back(c);
  }
  return captions;
}

std::vector<StoryPortraitArt> readStoryPortraits(const std::filesystem::path& file) {
  std::vector<StoryPortraitArt> portraits;
  std::set<std::string> seen;
  for (const Row& row : readRows(file, 3)) {
    needWords(file, row, 3, true);
    if (!seen.insert(row.words[0]).second) fail(file, row.line, "stem " + row.words[0] + " is listed twice");
    portraits.push_back({row.words[0], row.words[1], toRgb(file, row, row.words[2]), row.rest});
  }
  return portraits;
}

std::vector<StoryBackdropArt> readStoryBackdrops(const std::filesystem::path& file) {
  static const std::map<std::string, StoryLight> kLights = {{"sun", StoryLight::Sun},       {"moon", StoryLight::Moon},
                                                            {"stars", StoryLight::Stars},   {"embers", StoryLight::Embers},
                                                            {"snow", StoryLight::Snow}};
  std::vector<StoryBackdropArt> backdrops;
  for (const Row& row : readRows(file, 7)) {
    needWords(file, row, 7, true);
    StoryBackdropArt b;
    b.name = row.words[0];
    b.sky = toRgb(file, row, row.words[1]);
    b.glow = toRgb(file, row, row.words[2]);
    b.ground = toRgb(file, row, row.words[3]);
    b.horizon = toInt(file, row, row.words[4], 10, 95);
    std::istringstream lights(row.words[5]);
    for (std::string light; std::getline(lights, light, '+');) {
      if (light == "none") continue;
      const auto it = kLights.find(light);
      if (it == kLights.end()) fail(file, row.line, "no light named '" + light + "'");
      b.light |= static_cast<int>(it->second);
    }
    if (row.words[6] != "-") {
      std::istringstream features(row.words[6]);
      for (std::string feature; std::getline(features, feature, ',');) {
        const auto star = feature.find('*');
        StoryFeature f{feature.substr(0, star), 1};
        if (star != std::string::npos) f.count = toInt(file, row, feature.substr(star + 1), 1, 12);
        b.features.push_back(f);
      }
    }
    b.place = row.rest;
    backdrops.push_back(std::move(b));
  }
  return backdrops;
}

std::vector<ShellArt> readShell(const std::filesystem::path& file) {
  // The looks each kind knows; an empty list takes any number (a menu's letter size) or "-".
  static const std::map<std::string, std::pair<ShellKind, std::set<std::string>>> kKinds = {
      {"title", {ShellKind::Title, {"-"}}},
      {"menu", {ShellKind::Menu, {}}},
      {"panel", {ShellKind::Panel, {"rest", "lit", "frame"}}},
      {"button", {ShellKind::Button, {"rest", "hover", "pressed", "disabled", "checked", "focus"}}},
      {"well", {ShellKind::Well, {"rest", "focus"}}},
      {"glyph", {ShellKind::Glyph, {"down"}}},
      {"board", {ShellKind::Board, {"campaign", "extra"}}}};
  std::vector<ShellArt> pictures;
  std::set<std::string> seen;
  for (const Row& row : readRows(file, 4)) {
    needWords(file, row, 4, false);
    const auto kind = kKinds.find(row.words[0]);
    if (kind == kKinds.end()) fail(file, row.line, "no kind of picture named '" + row.words[0] + "'");
    ShellArt art;
    art.kind = kind->second.first;
    art.entry = row.words[1];
    if (!seen.insert(art.entry).second) fail(file, row.line, art.entry + " is listed twice");
    const std::string& size = row.words[2];
    const auto x = size.find('x');
    if (x == std::string::npos) fail(file, row.line, "'" + size + "' is not a size WIDTHxHEIGHT");
    art.width = toInt(file, row, size.substr(0, x), 3, 800);
    art.height = toInt(file, row, size.substr(x + 1), 3, 600);
    art.look = row.words[3];
    const std::set<std::string>& looks = kind->second.second;
    if (looks.empty()) toInt(file, row, art.look, 8, 80);
    else if (!looks.count(art.look)) fail(file, row.line, "a " + row.words[0] + " has no look '" + art.look + "'");
    const bool nineSlice = art.kind == ShellKind::Panel || art.kind == ShellKind::Button || art.kind == ShellKind::Well;
    if (nineSlice && (art.width % 3 != 0 || art.height % 3 != 0)) {
      fail(file, row.line, "a nine-slice picture's sides must be multiples of 3");
    }
    art.text = row.rest;
    if (art.kind == ShellKind::Title && art.text.find(" | ") == std::string::npos) {
      fail(file, row.line, "the title needs its name and the line under it, 'NAME | LINE'");
    }
    if (art.kind == ShellKind::Board) toInt(file, row, art.text, 0, 13);  // the terrain it lies on
    pictures.push_back(std::move(art));
  }
  return pictures;
}

}  // namespace

Rgb Palette::colour(const std::string& name) const {
  const auto it = named.find(name);
  if (it == named.end()) throw std::runtime_error("palette.txt: colour '" + name + "' is missing");
  return it->second;
}

std::vector<std::string> ArtTables::iconNames() const {
  std::set<std::string> names;
  for (const UnitArt& u : units) names.insert(u.icon);
  for (const JobArt& j : jobs) names.insert(j.icon);
  for (const auto& [marker, icon] : markers) names.insert(icon);
  for (const StoryPortraitArt& p : storyPortraits) names.insert(p.icon);
  for (const StoryBackdropArt& b : storyBackdrops)
    for (const StoryFeature& f : b.features) names.insert(f.icon);
  return {names.begin(), names.end()};
}

ArtTables LoadArtTables(const std::filesystem::path& artDir) {
  ArtTables t;
  t.units = readUnits(artDir / "units.txt");
  t.jobs = readJobs(artDir / "jobs.txt");
  t.markers = readMarkers(artDir / "markers.txt");
  t.palette = readPalette(artDir / "palette.txt");
  t.terrain = readTerrain(artDir / "terrain.txt");
  t.captions = readCaptions(artDir / "captions.txt");
  t.storyPortraits = readStoryPortraits(artDir / "story_portraits.txt");
  t.storyBackdrops = readStoryBackdrops(artDir / "story_backdrops.txt");
  t.shell = readShell(artDir / "shell.txt");
  return t;
}

}  // namespace sorvane::artgen
