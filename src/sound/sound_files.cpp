#include "sound/sound_files.h"

#include <utility>

namespace sorvane::sound {

namespace {
// clang-format off
struct MusicUse { const char* file; std::initializer_list<int> tracks; };
// The battle themes rise in tension from battle1 to battle5; the last battle of
// the campaign and of the extra stages have their own.
const MusicUse kMusic[] = {
  {"title.ogg",        {1}},
  {"preparation.ogg",  {2}},
  {"credits.ogg",      {3}},
  {"battle1.ogg",      {5, 7, 10, 11, 12, 16, 30, 60, 61, 75}},
  {"battle2.ogg",      {6, 17, 19, 20, 31, 72, 76}},
  {"battle3.ogg",      {13, 14, 32, 62, 63}},
  {"battle4.ogg",      {21, 22, 23, 33, 64, 66, 67, 68, 73, 78}},
  {"battle5.ogg",      {15, 18, 34, 65, 70, 71, 74, 77}},
  {"final_battle.ogg", {24, 69}},
  {"extra_final.ogg",  {79}},
};

const std::array<const char*, 7> kStandard = {
  "title.ogg", "preparation.ogg", "battle1.ogg", "battle2.ogg", "battle3.ogg", "battle4.ogg", "battle5.ogg"};

// Effect channels and their files. Channels without a sound of their own play the dialog sound.
const std::pair<int, const char*> kEffects[] = {
  {6, "06open.wav"},       {7, "07confirm.wav"},    {8, "08cancel.wav"},     {9, "09filter.wav"},
  {10, "10select.wav"},    {11, "11place.wav"},     {12, "12remove.wav"},    {13, "13success.wav"},
  {15, "15scroll.wav"},    {16, "16step.wav"},      {20, "20death.wav"},     {21, "21arrival.wav"},
  {22, "22wind.wav"},      {23, "23summon.wav"},    {24, "24chime.wav"},     {25, "25warp.wav"},
  {30, "30miss.wav"},      {31, "31damage.wav"},    {32, "32recover.wav"},   {33, "33critical.wav"},
  {34, "34weakness.wav"},  {35, "35resisted.wav"},  {36, "36stat_up.wav"},   {37, "37stat_down.wav"},
  {38, "38inflicted.wav"}, {39, "39cured.wav"},     {40, "40gained.wav"},    {41, "41lost.wav"},
  {45, "45fanfare.wav"},   {46, "46defeat.wav"},
};
// clang-format on
}  // namespace

std::string musicFile(int track) {
  for (const MusicUse& use : kMusic)
    for (int t : use.tracks)
      if (t == track) return use.file;
  return "";
}

const std::array<const char*, 7>& standardMusicFiles() { return kStandard; }

std::string effectFile(int channel) {
  if (channel < kFirstEffectChannel || channel >= kChannels) return "";
  for (const auto& [c, file] : kEffects)
    if (c == channel) return file;
  return "06open.wav";
}

}  // namespace sorvane::sound
