// How long the music stream takes to refill one half of its buffer (8,192
// frames, 185.8 ms of sound), the work the refill thread does twice per
// buffer pass. Reported as counters: the median and maximum refill time in
// milliseconds and the median's share of the half's playing time, which is
// the refill thread's CPU share while that music plays.
//
//   streamed:  a battle theme decoded from its Ogg file while it plays (the default method);
//   preloaded: the same theme decoded into memory first (the second method);
//   story:     the theme plus both story effects at once, the most the game mixes.
//
// BM_BattleSoundCpu plays a battle as the game does for five seconds (battle
// music streamed, an effect every 150 ms) on whatever device SDL opens (the
// dummy driver without a sound card) and reports the process's CPU time over
// the wall time: the share the sound's threads take during a battle.
//
// The music is read from the game folder beside the build's programs (../game/ogg).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <thread>
#include <vector>

#include "sound/game_sound.h"
#include "sound/music_mixer.h"
#include "sound/music_stream.h"
#include "sound/ogg_data.h"

namespace {

using namespace sorvane::sound;

std::filesystem::path musicFolder() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return (ec ? std::filesystem::path(".") : exe.parent_path().parent_path() / "game") / "ogg";
}

constexpr double kHalfMs = 1000.0 * MusicStream::kHalfFrames / 44100;

void reportRefills(benchmark::State& state, std::vector<double>& ms) {
  if (ms.empty()) return;
  std::sort(ms.begin(), ms.end());
  double median = ms[ms.size() / 2];
  state.counters["median_ms"] = median;
  state.counters["max_ms"] = ms.back();
  state.counters["half_ms"] = kHalfMs;
  state.counters["cpu_share_%"] = 100.0 * median / kHalfMs;
}

void refill(benchmark::State& state, MusicMixer& mixer) {
  std::vector<int16_t> half(MusicStream::kHalfFrames * 2);
  std::vector<double> ms;
  for (auto _ : state) {
    auto start = std::chrono::steady_clock::now();
    mixer.mix(half.data(), MusicStream::kHalfFrames);
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    benchmark::DoNotOptimize(half.data());
  }
  reportRefills(state, ms);
}

void BM_RefillStreamed(benchmark::State& state) {
  OggData music;
  {
    std::lock_guard guard(music.lock);
    if (!music.load(musicFolder() / "battle5.ogg")) {
      state.SkipWithError("battle5.ogg not found; build the game_sound target");
      return;
    }
  }
  MusicMixer mixer;
  mixer.assign(0, &music);
  mixer.play(0, true);
  refill(state, mixer);
}
// 400 halves: 74 seconds of music, through the loop point more than once.
BENCHMARK(BM_RefillStreamed)->Iterations(400)->Unit(benchmark::kMillisecond);

void BM_RefillPreloaded(benchmark::State& state) {
  auto music = PcmBuffer::decode(musicFolder() / "battle5.ogg");
  if (music->length() == 0) {
    state.SkipWithError("battle5.ogg not found; build the game_sound target");
    return;
  }
  MusicMixer mixer;
  mixer.assign(0, music.get());
  mixer.play(0, true);
  refill(state, mixer);
}
BENCHMARK(BM_RefillPreloaded)->Iterations(400)->Unit(benchmark::kMillisecond);

void BM_RefillStoryScene(benchmark::State& state) {
  OggData music, effect1, effect2;
  for (auto [data, file] : {std::pair{&music, "battle5.ogg"}, {&effect1, "title.ogg"}, {&effect2, "credits.ogg"}}) {
    std::lock_guard guard(data->lock);
    if (!data->load(musicFolder() / file)) {
      state.SkipWithError("music not found; build the game_sound target");
      return;
    }
  }
  MusicMixer mixer;
  mixer.assign(0, &music);
  mixer.assign(1, &effect1);
  mixer.assign(2, &effect2);
  for (int t = 0; t < 3; ++t) mixer.play(t, true);
  refill(state, mixer);
}
BENCHMARK(BM_RefillStoryScene)->Iterations(400)->Unit(benchmark::kMillisecond);

void BM_BattleSoundCpu(benchmark::State& state) {
  auto gameDir = musicFolder().parent_path();
  for (auto _ : state) {
    sorvane::GameSound sound(gameDir);
    sound.music(sorvane::Music::storyBattle(5));
    timespec cpu0, cpu1;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu0);
    auto wall0 = std::chrono::steady_clock::now();
    const int effects[] = {7, 16, 31, 33, 21, 6, 36, 8};
    for (int i = 0; i < 33; ++i) {
      sound.effect(effects[i % 8]);
      std::this_thread::sleep_for(std::chrono::milliseconds(150));
    }
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu1);
    double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
    double cpu = (cpu1.tv_sec - cpu0.tv_sec) + (cpu1.tv_nsec - cpu0.tv_nsec) / 1e9;
    state.counters["cpu_share_%"] = 100.0 * cpu / wall;
    state.counters["driver_dummy"] = sound.driver() == "dummy";
  }
}
BENCHMARK(BM_BattleSoundCpu)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
