// The art sources in assets/art/: which silhouette and colours every picture
// gets. Plain text tables a designer edits; this reads and checks them.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace sorvane::artgen {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
};

enum class Frame { Creature, Familiar, Master };

// One battle picture of a unit, by picture number G.
struct UnitArt {
  int g = 0;
  int elem = 0;  // 0..6, or 7 for the glitch creature
  Frame frame = Frame::Creature;
  std::string icon;
  std::string name;
};

struct JobArt {
  int job = 0;
  std::string icon;
  std::string name;
};

struct TerrainArt {
  int code = 0;
  std::string name;
  std::string texture;
  Rgb base, accent, mini;
};

struct CaptionArt {
  std::string entry;  // archive entry, e.g. "BFmi.bmp"
  std::string tone;   // ok, no, ask
  std::string caption;
  std::string hint;
};

// A bust for the story scenes.
struct StoryPortraitArt {
  std::string stem;  // "<stem>a.png", "<stem>0.png", ...
  std::string icon;
  Rgb robe;
  std::string name;
};

enum class StoryLight { Sun = 1, Moon = 2, Stars = 4, Embers = 8, Snow = 16 };

struct StoryFeature {
  std::string icon;
  int count = 1;
};

// A background for the story scenes.
struct StoryBackdropArt {
  std::string name;  // "<name>.png"
  Rgb sky, glow, ground;
  int horizon = 60;  // percent of the height
  int light = 0;     // StoryLight flags
  std::vector<StoryFeature> features;
  std::string place;
};

// A picture of the title or of the shell pages (assets/art/shell.txt).
enum class ShellKind { Title, Menu, Panel, Button, Well, Glyph, Board };

struct ShellArt {
  ShellKind kind = ShellKind::Title;
  std::string entry;  // the archive name; for a menu entry its caption, the stem of "<entry>0.bmp" …
  int width = 0, height = 0;
  std::string look;  // the kind's variant: a panel's or button's state, a board's mode, a menu's letter size
  std::string text;  // the title's "NAME | LINE"; a board's ground, a terrain code
};

inline constexpr int kElementCount = 8;  // 無 炎 氷 木 地 雷 水, and the glitch

struct Palette {
  std::array<Rgb, kElementCount> element{};  // the panels' colour of each element
  std::array<Rgb, kElementCount> deep{};     // the dark tone of its medallions
  std::array<std::string, kElementCount> elementName{};
  std::map<std::string, Rgb> named;  // team1, team2, cream, gold, ink

  Rgb colour(const std::string& name) const;  // throws for a colour the table lacks
};

struct ArtTables {
  std::vector<UnitArt> units;  // in table order
  std::vector<JobArt> jobs;    // jobs 0..6 in order
  std::map<std::string, std::string> markers;  // marker -> icon
  Palette palette;
  std::vector<TerrainArt> terrain;  // codes 0..13 in order
  std::vector<CaptionArt> captions;
  std::vector<StoryPortraitArt> storyPortraits;
  std::vector<StoryBackdropArt> storyBackdrops;
  std::vector<ShellArt> shell;  // in table order

  std::vector<std::string> iconNames() const;  // every icon the tables name, sorted, once each
};

// Reads units.txt, jobs.txt, markers.txt, palette.txt, terrain.txt,
// captions.txt, story_portraits.txt, story_backdrops.txt and shell.txt from `artDir`. Throws std::runtime_error naming
// the file and line of the first thing wrong.
ArtTables LoadArtTables(const std::filesystem::path& artDir);

}  // namespace sorvane::artgen
