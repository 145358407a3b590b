// The song text the music is written in: notes land where the text puts
// them, the looping part is laid out for cutting a seam, and mistakes name
// their line.
#include "song.h"

#include <gtest/gtest.h>

#include <string>

namespace soundgen {
namespace {

const char* kSong = R"(tempo 120
meter 4
instrument lead channel=0 program=73
instrument bass channel=3 program=32
instrument drums channel=9
groove beat k=X.......x....... s=....X.......X...

section intro
chords | C |
bass pattern=root4 octave=1

section A
chords | Am | F G |
lead | o5 l8 e4. d c#4 r4 | c2 ^4 <b4 |
drums | beat | - |
form intro | A
)";

TEST(SongText, NotesLandWhereTheTextPutsThem) {
  Song song = parseSong(kSong);
  EXPECT_EQ(song.loopStart, 4 * kTicksPerBeat);
  EXPECT_EQ(song.loopEnd, 12 * kTicksPerBeat);
  EXPECT_DOUBLE_EQ(song.seconds(song.loopEnd), 6.0);  // twelve beats at 120 a minute
  // The intro's bass: four quarter-note Cs from E1 up, so C2.
  int bass = 0, lead = 0, drums = 0;
  for (const NoteEvent& n : song.notes) {
    if (n.tick >= song.loopEnd) continue;  // the looping part's repeats
    if (n.channel == 3) {
      ++bass;
      EXPECT_EQ(n.key, 36);
    }
    if (n.channel == 9) ++drums;
    if (n.channel == 0 && lead++ == 0) {  // the first melody note
      EXPECT_EQ(n.tick, 4 * kTicksPerBeat);
      EXPECT_EQ(n.key, 76);  // E5
    }
  }
  EXPECT_EQ(bass, 4);
  EXPECT_EQ(lead, 5);   // e d c# c(tied) b
  EXPECT_EQ(drums, 4);  // one bar of the groove
  // The tie holds the C for a half and a quarter; only the quarter's end is cut by the gate.
  for (const NoteEvent& n : song.notes) {
    if (n.channel == 0 && n.key == 72 && n.tick < song.loopEnd) {
      EXPECT_EQ(n.length, 3 * kTicksPerBeat - kTicksPerBeat / 8);
    }
  }
}

TEST(SongText, TheLoopingPartIsRepeatedForTheSeam) {
  Song song = parseSong(kSong);
  int firstPass = 0, laterPasses = 0;
  for (const NoteEvent& n : song.notes) {
    if (n.channel != 0) continue;
    if (n.tick < song.loopEnd) ++firstPass;
    else ++laterPasses;
  }
  EXPECT_EQ(laterPasses, firstPass * (kLoopPasses - 1));
}

TEST(SongText, MistakesNameTheirLine) {
  struct Case {
    std::string replace, with, message;
  };
  const Case cases[] = {
      {"c2 ^4 <b4", "c2 <b4", "line 14: bar 2 of lead lasts 1440 ticks, not 1920"},
      {"| F G |", "| F Gx |", "line 13: unknown chord \"Gx\""},
      {"| beat | - |", "| beat | fill |", "line 15: unknown groove \"fill\""},
      {"pattern=root4", "pattern=jazz", "line 10: unknown pattern \"jazz\""},
      {"form intro | A", "form intro | B", "unknown section \"B\""},
  };
  for (const Case& c : cases) {
    std::string text = kSong;
    text.replace(text.find(c.replace), c.replace.size(), c.with);
    try {
      parseSong(text);
      ADD_FAILURE() << c.message;
    } catch (const SongError& e) {
      EXPECT_EQ(e.what(), c.message);
    }
  }
}

}  // namespace
}  // namespace soundgen
