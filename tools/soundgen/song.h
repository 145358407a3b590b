// A song written as text: instruments, chord charts, melodies in a small MML,
// accompaniment and drum patterns, and the order of its sections. The parts
// before the "|" in the form play once; the rest loops.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace soundgen {

constexpr int kTicksPerBeat = 480;
// How many times the notes hold the looping part: enough for a short loop to
// play on past its seam.
constexpr int kLoopPasses = 8;

struct SongError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct NoteEvent {
  int64_t tick = 0;
  int64_t length = 0;  // ticks
  int channel = 0;     // MIDI channel; 9 is the drum kit
  int key = 60;
  int velocity = 100;
};

struct Instrument {
  std::string name;
  int channel = 0;
  int program = 0;
  int volume = 100;  // controller 7
  int pan = 64;
  int reverb = 40;
  int chorus = 0;
};

struct Song {
  double tempo = 120;  // beats per minute
  int beatsPerBar = 4;
  std::vector<Instrument> instruments;
  std::vector<NoteEvent> notes;  // in time order of their start; the looping part kLoopPasses times
  int64_t loopStart = 0;         // ticks: where the looping part begins
  int64_t loopEnd = 0;           // ticks: the end of the looping part

  double seconds(int64_t tick) const { return tick * 60.0 / (tempo * kTicksPerBeat); }
};

// Reads a song; SongError names the line of any mistake (a bar of the wrong
// length, an unknown chord, pattern or instrument).
Song parseSong(const std::string& text);

}  // namespace soundgen
