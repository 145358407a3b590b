#include "campaign/settings.h"

#include <cstdint>
#include <system_error>

#include "campaign/ini_file.h"
#include "campaign/padded_fields.h"
#include "campaign/user_files.h"
#include "text/cp932.h"

namespace sorvane {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kConfig = "config";
constexpr std::string_view kSave = "save";

// The settings as a designer reads them: key, field, default comes from Settings{}.
struct FlagKey {
  const char* key;
  bool Settings::*field;
};
constexpr FlagKey kFlagKeys[] = {
    {"OTO", &Settings::musicPreloaded}, {"BFc", &Settings::mapTeamColours}, {"BFs", &Settings::mapMarkActed},
    {"BFh", &Settings::mapShowHpSp},    {"KLs", &Settings::listMarkActed},  {"KLh", &Settings::listShowHpSp},
    {"EFc", &Settings::fastDrawing},
};

// An integer key; values outside min..max read as `corrected`.
struct NumberKey {
  const char* key;
  i32 Settings::*field;
  i32 min, max, corrected;
};
constexpr NumberKey kNumberKeys[] = {
    {"KLts", &Settings::listTab, 0, 2, 0},
    {"BGMvo", &Settings::musicVolume, 0, 25, 12},
    {"SEvo", &Settings::effectVolume, 0, 25, 12},
    {"Framec", &Settings::frameColour, 0, 4, 0},
    {"Left", &Settings::windowLeft, INT32_MIN, INT32_MAX, -1},
    {"Top", &Settings::windowTop, INT32_MIN, INT32_MAX, -1},
};
constexpr const char* kFontKey = "Fname";

struct ReadIni {
  IniFile ini;
  std::string warning;
};

ReadIni readIni(const fs::path& configFile) {
  ReadIni r;
  std::optional<std::string> bytes;
  try {
    bytes = readUserFile(configFile);
    if (bytes) r.ini = IniFile::parse(text::fromCp932(*bytes));
  } catch (const std::exception& e) {
    r.warning = configFile.string() + " cannot be read (" + e.what() + "); the default settings are used";
  }
  return r;
}

void writeIni(const fs::path& configFile, const IniFile& ini) {
  std::error_code ec;
  fs::create_directories(configFile.parent_path(), ec);
  if (ec) throw UserFileError("cannot create " + configFile.parent_path().string() + ": " + ec.message());
  writeUserFileAtomically(configFile, text::toCp932(ini.text()));
}

// The file as an IniFile to change; an undecodable file is moved aside, so
// that writing the settings never silently destroys it.
IniFile iniToChange(const fs::path& configFile) {
  ReadIni r = readIni(configFile);
  if (!r.warning.empty()) {
    fs::path aside = configFile;
    aside += ".damaged";
    std::error_code ec;
    fs::rename(configFile, aside, ec);
  }
  return r.ini;
}

}  // namespace

Settings settingsFromIni(const IniFile& ini) {
  Settings s;
  for (const FlagKey& k : kFlagKeys) {
    std::optional<std::string> text = ini.get(kConfig, k.key);
    std::optional<i32> value = text ? parseNumber(*text) : std::nullopt;
    if (value) s.*k.field = *value != 0;
  }
  for (const NumberKey& k : kNumberKeys) {
    std::optional<std::string> text = ini.get(kConfig, k.key);
    std::optional<i32> value = text ? parseNumber(*text) : std::nullopt;
    if (value) s.*k.field = *value;
    if (s.*k.field < k.min || s.*k.field > k.max) s.*k.field = k.corrected;
  }
  if (std::optional<std::string> face = ini.get(kConfig, kFontKey)) s.fontFace = *face;
  return s;
}

void settingsToIni(const Settings& s, IniFile& ini) {
  for (const FlagKey& k : kFlagKeys) ini.set(kConfig, k.key, s.*k.field ? "1" : "0");
  for (const NumberKey& k : kNumberKeys) ini.set(kConfig, k.key, std::to_string(s.*k.field));
  ini.set(kConfig, kFontKey, s.fontFace);
}

SettingsLoad loadSettings(const fs::path& configFile) {
  ReadIni r = readIni(configFile);
  return {settingsFromIni(r.ini), r.warning};
}

void saveSettings(const fs::path& configFile, const Settings& settings) {
  IniFile ini = iniToChange(configFile);
  settingsToIni(settings, ini);
  writeIni(configFile, ini);
}

std::array<i32, 10> readSlotStages(const fs::path& configFile) {
  std::array<i32, 10> stages{};
  IniFile ini = readIni(configFile).ini;
  for (int n = 0; n < 10; ++n) {
    std::optional<std::string> text = ini.get(kSave, "save" + std::to_string(n));
    stages[n] = (text ? parseNumber(*text) : std::nullopt).value_or(kNoSlotStage);
  }
  return stages;
}

void writeSlotStage(const fs::path& configFile, int slot, i32 storyStage) {
  IniFile ini = iniToChange(configFile);
  ini.set(kSave, "save" + std::to_string(slot), std::to_string(storyStage));
  writeIni(configFile, ini);
}

}  // namespace sorvane
