// Feeds arbitrary bytes to the settings reader: values come out inside their
// ranges, and settings written into the same file read back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "campaign/ini_file.h"
#include "campaign/settings.h"
#include "text/cp932.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace sorvane;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string text;
  try {
    text = text::fromCp932(bytes);
  } catch (const text::EncodingError&) {
    return 0;  // the game falls back to the defaults
  }
  IniFile ini = IniFile::parse(text);
  Settings s = settingsFromIni(ini);
  if (s.musicVolume < 0 || s.musicVolume > 25 || s.effectVolume < 0 || s.effectVolume > 25) std::abort();
  if (s.frameColour < 0 || s.frameColour > 4 || s.listTab < 0 || s.listTab > 2) std::abort();

  settingsToIni(s, ini);
  IniFile reread = IniFile::parse(ini.text());
  if (!(settingsFromIni(reread) == s)) std::abort();
  reread.set("save", "save3", "12");
  if (IniFile::parse(reread.text()).get("save", "save3") != "12") std::abort();
  return 0;
}
