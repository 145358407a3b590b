// CPU time of this process's threads by name, read from /proc: what the
// timing output uses to tell how much the sound's threads take while the
// game runs.
#pragma once

#include <initializer_list>
#include <string_view>

namespace sorvane {

// Seconds of CPU (user and system) spent so far by the threads whose name
// starts with one of `prefixes`; 0 where /proc cannot be read.
double threadCpuSeconds(std::initializer_list<std::string_view> prefixes);

// The threads that make the game's sound: the music refill and SDL's device threads.
inline double soundThreadCpuSeconds() { return threadCpuSeconds({"sorvane-music", "SDLAudio"}); }

}  // namespace sorvane
