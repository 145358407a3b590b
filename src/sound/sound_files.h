// Which file each music number and each effect channel plays. Music files lie
// in the folder "ogg" beside the game, effects in "wav".
#pragma once

#include <array>
#include <string>

namespace sorvane::sound {

// The music file of a track number, or "" for a number with no music
// (0 stops the music; the others keep whatever was playing).
std::string musicFile(int track);
// The tracks decoded into memory once per run in the preloaded mode.
const std::array<const char*, 7>& standardMusicFiles();

constexpr int kChannels = 50;
constexpr int kFirstEffectChannel = 5;
// The effect file of a channel 5..49 ("" for channels below 5).
std::string effectFile(int channel);

}  // namespace sorvane::sound
