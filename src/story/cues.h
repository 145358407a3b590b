// What a script's sound commands and backgrounds name. Music is named by the
// track number the game plays it under ("#BGM@13"), effects by their effect
// number ("#SE1@45"): the game's music files have long names that the 10-byte
// argument could not hold, and the sound system plays both by number.
#pragma once

#include <optional>
#include <string_view>

#include "rules/presentation.h"

namespace sorvane::story {

// The track of a music cue, when it names one that has a file.
std::optional<Music> MusicCue(std::string_view argument);

// The effect of an effect cue: effect numbers 5..49.
std::optional<Sound> EffectCue(std::string_view argument);

// Backgrounds are "<name>.png" in png.qda; "haikei0" is the empty (black) one.
inline constexpr char kEmptyBackdrop[] = "haikei0";

}  // namespace sorvane::story
