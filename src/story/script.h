// Story scripts: the text files "story<N>.dat" in dat.qda, Shift-JIS with CR LF.
//
// Line 0 is the header: "#sentou" (a battle follows), "#settei" (the
// preparation screen follows) or "#roll" (the credits roll follows), and the
// characters the scene shows, each as "@" + name. Every later line holding
// "#" is a command; the other lines are text, used only as the body of the
// "#txt@" before them. All positions count Shift-JIS bytes, 1-based, as the
// script's author counts them in an editor that shows bytes.
//
// Nothing here trusts the script: a damaged line yields a problem message and
// a harmless reading (no slot, zero wait), never a crash.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sorvane::story {

enum class FollowUp { None, Battle, Preparation, Credits };

struct Header {
  FollowUp followUp = FollowUp::None;
  std::vector<int> characters;  // StoryCharacters() indexes, in set order
};

// Reads the header line (Shift-JIS bytes).
Header ParseHeader(std::string_view line);

enum class Command {
  None,          // a text line, or a line holding none of the commands below
  Backdrop,      // "#hai"   new background, cross-fade
  CharacterIn,   // "#ci@"   portraits appear
  AllOut,        // "#coall" every portrait leaves
  CharacterOut,  // "#co@"   the named characters leave
  Page,          // "#txt@"  a text page: speaker, then up to three text lines
  End,           // "#end"
  Wait,          // "#wait@" milliseconds
};

enum class SoundCommand { PlayMusic, PlayEffect1, PlayEffect2, StopMusic, StopEffect1, StopEffect2 };

struct SoundCue {
  SoundCommand command;
  std::string argument;  // Shift-JIS, up to 10 bytes; empty for the stops
};

struct Placement {
  int character = -1;  // StoryCharacters() index
  int slot = 0;        // 0..4
  int expression = 0;
};

struct ScriptLine {
  bool hasHash = false;          // holds "#": ends the text of a page before it
  std::vector<SoundCue> sounds;  // in the order they play
  Command command = Command::None;
  std::string argument;               // Backdrop and Page: bytes 6..15 (Shift-JIS)
  std::vector<Placement> placements;  // CharacterIn
  std::vector<int> leaving;           // CharacterOut: characters named
  int waitMs = 0;                     // Wait
  std::vector<std::string> problems;  // what is wrong with the line (UTF-8)
};

ScriptLine ParseLine(std::string_view line);

// The bytes at 1-based positions [from, from + count) of a Shift-JIS line,
// whole characters only: a double-byte character cut by either edge is left out.
std::string Field(std::string_view line, std::size_t from, std::size_t count);

// 1-based position of the first occurrence of `needle` that starts on a
// character boundary, or 0. Both are Shift-JIS.
std::size_t FindAligned(std::string_view line, std::string_view needle);

// The first `count` bytes of a Shift-JIS line, dropping a half character at the end.
std::string Prefix(std::string_view line, std::size_t count);

struct Script {
  Header header;
  std::vector<std::string> lines;  // Shift-JIS; lines[0] is the header
};

// Splits a script file into lines (CR LF, CR or LF) and reads its header.
Script LoadScript(std::string_view bytes);

struct Problem {
  int line = 0;  // 0-based line index
  std::string message;
};

// Walks the script as the player would and lists everything wrong: bad
// arguments, unknown commands, characters not declared or out of range, text
// lines no page takes, a missing "#end".
std::vector<Problem> CheckScript(const Script& script);

}  // namespace sorvane::story
