// The settings file config.ini: section [config] with the display, sound and
// window settings, read at start and written at shutdown, and section [save]
// with the story stage of each save slot for the slot menus. The file is
// Shift-JIS with CR LF; keys the game does not know, and other sections (the
// window keeps its own in [sorvane]), are written back unchanged.
#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "data/types.h"

namespace sorvane {

class IniFile;

struct Settings {
  bool musicPreloaded = true;  // OTO: decode the music up front instead of streaming it
  bool mapTeamColours = false; // BFc: battle map tells friend from foe
  bool mapMarkActed = false;   // BFs: battle map marks units that have acted
  bool mapShowHpSp = false;    // BFh: battle map shows HP and SP
  bool listMarkActed = false;  // KLs: character list marks units that have acted
  bool listShowHpSp = false;   // KLh: character list shows HP and SP
  bool fastDrawing = false;    // EFc: halves every wait
  i32 listTab = 0;             // KLts: tab of the battle character list, 0..2
  i32 musicVolume = 12;        // BGMvo: 0..25
  i32 effectVolume = 12;       // SEvo: 0..25
  std::string fontFace = "HGS創英角ｺﾞｼｯｸUB";  // Fname: face of the story and credits text
  i32 frameColour = 0;         // Framec: story message window 0..4 (赤, 黄, 緑, 青, 灰)
  i32 windowLeft = -1;         // Left, Top: both -1 centres the window
  i32 windowTop = -1;

  bool operator==(const Settings&) const = default;
};

// Section [config], missing or unreadable keys at their defaults, and values
// out of range corrected (volumes to 12, the list tab and frame colour to 0).
Settings settingsFromIni(const IniFile& ini);
void settingsToIni(const Settings& settings, IniFile& ini);

// The file's settings; a missing file gives the defaults. A file that is not
// valid Shift-JIS gives the defaults too, and `warning` says so.
struct SettingsLoad {
  Settings settings;
  std::string warning;
};
SettingsLoad loadSettings(const std::filesystem::path& configFile);
// Writes section [config] and keeps everything else in the file. A file that
// cannot be decoded is moved aside to config.ini.damaged first. Throws UserFileError.
void saveSettings(const std::filesystem::path& configFile, const Settings& settings);

// Section [save]: "save<N>" = the story stage when slot N was saved; 99 when missing.
inline constexpr i32 kNoSlotStage = 99;
std::array<i32, 10> readSlotStages(const std::filesystem::path& configFile);
void writeSlotStage(const std::filesystem::path& configFile, int slot, i32 storyStage);

}  // namespace sorvane
