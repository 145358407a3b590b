// Sound effects made from recipes: each effect is a few layers of tones
// (sine, square, triangle, saw, with pitch glides and vibrato) and filtered
// noise, each with its own start, length and envelope.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace soundgen {

// The recipes of a file: effect file name -> mono samples at 44,100 Hz.
std::map<std::string, std::vector<float>> synthesiseEffects(const std::string& text);

// 16-bit mono PCM in a RIFF WAVE file.
std::vector<uint8_t> wavFile(const std::vector<float>& samples);

}  // namespace soundgen
