#include "story/script.h"

#include <charconv>
#include <cstdint>

#include "story/characters.h"
#include "text/cp932.h"

namespace sorvane::story {
namespace {

using text::isCp932LeadByte;

// Length in bytes of the character starting at `i`: a lead byte with its trail is
// two, anything else (or a lead byte cut off by the end of the line) is one.
std::size_t charLength(std::string_view s, std::size_t i) {
  return isCp932LeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
}

// The character names in Shift-JIS, in table order.
const std::vector<std::string>& cp932Names() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> out;
    for (const StoryCharacter& c : StoryCharacters()) out.push_back(text::toCp932(c.name));
    return out;
  }();
  return names;
}

// A decimal number of 1..10 ASCII digits that fits in 31 bits.
bool parseDecimal(std::string_view s, int& value) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  std::int64_t v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size() || v > INT32_MAX) return false;
  value = static_cast<int>(v);
  return true;
}

std::string shown(std::string_view cp932) {
  try {
    return text::fromCp932(cp932);
  } catch (const text::EncodingError&) {
    return "(bytes that are not Shift-JIS)";
  }
}

struct SoundName {
  std::string_view token;
  SoundCommand command;
  bool takesArgument;
};
constexpr SoundName kSoundCommands[] = {
    {"#BGM@", SoundCommand::PlayMusic, true},    {"#SE1@", SoundCommand::PlayEffect1, true},
    {"#SE2@", SoundCommand::PlayEffect2, true},  {"#BGMs", SoundCommand::StopMusic, false},
    {"#SE1s", SoundCommand::StopEffect1, false}, {"#SE2s", SoundCommand::StopEffect2, false},
};

constexpr std::size_t kArgumentAt = 6, kArgumentBytes = 10;  // "#txt@" + up to 10 bytes
constexpr std::size_t kWaitAt = 7;                           // "#wait@" + digits

void readPlacements(std::string_view line, ScriptLine& out) {
  const auto& names = cp932Names();
  for (std::size_t c = 0; c < names.size(); ++c) {
    const std::size_t at = FindAligned(line, names[c]);
    if (at == 0) continue;
    // "#ci@" slot, one separator, two expression digits, then the name.
    int slot = 0, expression = 0;
    const std::string who(StoryCharacters()[c].name);
    if (at < 5 || !parseDecimal(line.substr(at - 5, 1), slot) || slot > 4) {
      out.problems.push_back("#ci@: no slot digit 0..4 four bytes before " + who);
      continue;
    }
    if (!parseDecimal(line.substr(at - 3, 2), expression)) {
      out.problems.push_back("#ci@: no two-digit expression number before " + who);
      continue;
    }
    out.placements.push_back({static_cast<int>(c), slot, expression});
  }
  if (out.placements.empty() && out.problems.empty()) out.problems.push_back("#ci@ names no character");
}

void readLeaving(std::string_view line, ScriptLine& out) {
  const auto& names = cp932Names();
  for (std::size_t c = 0; c < names.size(); ++c)
    if (FindAligned(line, names[c]) != 0) out.leaving.push_back(static_cast<int>(c));
  if (out.leaving.empty()) out.problems.push_back("#co@ names no character");
}

}  // namespace

std::string Field(std::string_view line, std::size_t from, std::size_t count) {
  if (from == 0) return {};
  const std::size_t begin = from - 1, end = begin + count;
  std::string out;
  for (std::size_t i = 0; i < line.size();) {
    const std::size_t n = charLength(line, i);
    if (i >= begin && i + n <= end) out.append(line.substr(i, n));
    if (i >= end) break;
    i += n;
  }
  return out;
}

std::size_t FindAligned(std::string_view line, std::string_view needle) {
  if (needle.empty()) return 0;
  for (std::size_t i = 0; i < line.size(); i += charLength(line, i))
    if (line.substr(i, needle.size()) == needle) return i + 1;
  return 0;
}

std::string Prefix(std::string_view line, std::size_t count) { return Field(line, 1, count); }

Header ParseHeader(std::string_view line) {
  Header header;
  if (FindAligned(line, "#sentou")) header.followUp = FollowUp::Battle;
  else if (FindAligned(line, "#settei")) header.followUp = FollowUp::Preparation;
  else if (FindAligned(line, "#roll")) header.followUp = FollowUp::Credits;

  // One declaration per pass, first in table order, each removed once taken,
  // so a name declared twice gets one set.
  std::string rest(line);
  const auto& names = cp932Names();
  while (FindAligned(rest, "@")) {
    bool found = false;
    for (std::size_t c = 0; c < names.size() && !found; ++c) {
      const std::string declaration = "@" + names[c];
      const std::size_t at = FindAligned(rest, declaration);
      if (at == 0) continue;
      rest.erase(at - 1, declaration.size());
      bool known = false;
      for (int d : header.characters) known = known || d == static_cast<int>(c);
      if (!known) header.characters.push_back(static_cast<int>(c));
      found = true;
    }
    if (!found) break;
  }
  return header;
}

ScriptLine ParseLine(std::string_view line) {
  ScriptLine out;
  out.hasHash = line.find('#') != std::string_view::npos;
  if (!out.hasHash) return out;

  for (const SoundName& s : kSoundCommands) {
    if (!FindAligned(line, s.token)) continue;
    SoundCue cue{s.command, s.takesArgument ? Field(line, kArgumentAt, kArgumentBytes) : std::string()};
    if (s.takesArgument && cue.argument.empty()) out.problems.push_back(std::string(s.token) + " without a sound name");
    out.sounds.push_back(std::move(cue));
  }

  if (FindAligned(line, "#hai")) {
    out.command = Command::Backdrop;
    out.argument = Field(line, kArgumentAt, kArgumentBytes);
    if (out.argument.empty()) out.problems.push_back("#hai without a background name");
  } else if (FindAligned(line, "#ci@")) {
    out.command = Command::CharacterIn;
    readPlacements(line, out);
  } else if (FindAligned(line, "#coall")) {
    out.command = Command::AllOut;
  } else if (FindAligned(line, "#co@")) {
    out.command = Command::CharacterOut;
    readLeaving(line, out);
  } else if (FindAligned(line, "#txt@")) {
    out.command = Command::Page;
    out.argument = Field(line, kArgumentAt, kArgumentBytes);
  } else if (FindAligned(line, "#end")) {
    out.command = Command::End;
  } else if (FindAligned(line, "#wait")) {
    out.command = Command::Wait;
    const std::string digits = Field(line, kWaitAt, kArgumentBytes);
    if (!parseDecimal(digits, out.waitMs)) {
      out.waitMs = 0;
      out.problems.push_back("#wait@ needs a number of milliseconds, not \"" + shown(digits) + "\"");
    }
  } else if (out.sounds.empty()) {
    out.problems.push_back("unknown command: " + shown(line));
  }
  return out;
}

Script LoadScript(std::string_view bytes) {
  Script script;
  script.lines = text::splitLines(bytes);
  if (script.lines.empty()) script.lines.emplace_back();
  script.header = ParseHeader(script.lines[0]);
  return script;
}

std::vector<Problem> CheckScript(const Script& script) {
  std::vector<Problem> problems;
  const auto add = [&](std::size_t line, std::string message) {
    problems.push_back({static_cast<int>(line), std::move(message)});
  };
  const auto declared = [&](int c) {
    for (int d : script.header.characters)
      if (d == c) return true;
    return false;
  };
  const auto& lines = script.lines;
  bool ended = false;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const ScriptLine parsed = ParseLine(lines[i]);
    for (const std::string& p : parsed.problems) add(i, p);
    if (!parsed.hasHash) {
      add(i, "text line outside a page: " + shown(lines[i]));
      continue;
    }
    const std::size_t argumentEnd = kArgumentAt - 1 + kArgumentBytes;
    if ((parsed.command == Command::Page || parsed.command == Command::Backdrop || !parsed.sounds.empty()) &&
        lines[i].size() > argumentEnd)
      add(i, "name longer than 10 bytes is cut: " + shown(lines[i]));
    for (const Placement& p : parsed.placements) {
      const StoryCharacter& who = StoryCharacters()[p.character];
      if (!declared(p.character)) add(i, std::string(who.name) + " is not declared in the header");
      if (p.expression >= who.expressions)
        add(i, std::string(who.name) + " has no expression " + std::to_string(p.expression));
    }
    for (int c : parsed.leaving)
      if (!declared(c)) add(i, std::string(StoryCharacters()[c].name) + " is not declared in the header");
    if (parsed.command == Command::Page) {
      for (int taken = 0; taken < 3 && i + 1 < lines.size() && lines[i + 1].find('#') == std::string::npos; ++taken)
        ++i;
    }
    if (parsed.command == Command::End) ended = true;
  }
  if (!ended) add(lines.size(), "no #end");
  return problems;
}

}  // namespace sorvane::story
