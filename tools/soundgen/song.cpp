#include "song.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>

namespace soundgen {

namespace {

// --- Text helpers -------------------------------------------------------------
std::vector<std::string> words(const std::string& s) {
  std::istringstream in(s);
  std::vector<std::string> out;
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

std::string trim(const std::string& s) {
  size_t a = s.find_first_not_of(" \t\r");
  if (a == std::string::npos) return "";
  size_t b = s.find_last_not_of(" \t\r");
  return s.substr(a, b - a + 1);
}

// "| a | b |" as {"a", "b"}.
std::vector<std::string> bars(const std::string& s) {
  std::vector<std::string> out;
  std::string cur;
  bool started = false;
  for (char c : s) {
    if (c == '|') {
      if (started || !trim(cur).empty()) out.push_back(trim(cur));
      started = true;
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!trim(cur).empty()) out.push_back(trim(cur));
  return out;
}

std::map<std::string, std::string> options(const std::vector<std::string>& ws, size_t from) {
  std::map<std::string, std::string> out;
  for (size_t i = from; i < ws.size(); ++i) {
    size_t eq = ws[i].find('=');
    if (eq == std::string::npos) throw SongError("expected name=value, found \"" + ws[i] + "\"");
    out[ws[i].substr(0, eq)] = ws[i].substr(eq + 1);
  }
  return out;
}

int number(const std::map<std::string, std::string>& opts, const std::string& key, int fallback) {
  auto it = opts.find(key);
  return it == opts.end() ? fallback : std::stoi(it->second);
}

// --- Chords -----------------------------------------------------------------
struct Chord {
  int root = 0;  // pitch class
  int bass = 0;  // pitch class of the bass note
  std::vector<int> intervals;
};

int pitchClass(const std::string& s, size_t& i) {
  static const std::map<char, int> kNames = {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5}, {'G', 7}, {'A', 9}, {'B', 11}};
  auto it = kNames.find(s.at(i));
  if (it == kNames.end()) throw SongError("unknown chord \"" + s + "\"");
  int pc = it->second;
  ++i;
  while (i < s.size() && (s[i] == '#' || s[i] == 'b')) pc += s[i++] == '#' ? 1 : -1;
  return (pc + 12) % 12;
}

Chord parseChord(const std::string& s) {
  // clang-format off
  static const std::map<std::string, std::vector<int>> kQualities = {
    {"", {0, 4, 7}}, {"m", {0, 3, 7}}, {"7", {0, 4, 7, 10}}, {"m7", {0, 3, 7, 10}}, {"maj7", {0, 4, 7, 11}},
    {"dim", {0, 3, 6}}, {"dim7", {0, 3, 6, 9}}, {"aug", {0, 4, 8}}, {"sus4", {0, 5, 7}}, {"sus2", {0, 2, 7}},
    {"add9", {0, 4, 7, 14}}, {"madd9", {0, 3, 7, 14}}, {"6", {0, 4, 7, 9}}, {"m6", {0, 3, 7, 9}},
    {"9", {0, 4, 7, 10, 14}}, {"m9", {0, 3, 7, 10, 14}}, {"5", {0, 7}}, {"7sus4", {0, 5, 7, 10}},
  };
  // clang-format on
  size_t i = 0;
  Chord c;
  c.root = pitchClass(s, i);
  size_t slash = s.find('/', i);
  std::string quality = s.substr(i, slash == std::string::npos ? std::string::npos : slash - i);
  auto q = kQualities.find(quality);
  if (q == kQualities.end()) throw SongError("unknown chord \"" + s + "\"");
  c.intervals = q->second;
  c.bass = c.root;
  if (slash != std::string::npos) {
    size_t j = slash + 1;
    c.bass = pitchClass(s, j);
  }
  return c;
}

struct ChordSpan {
  int64_t start = 0, length = 0;
  Chord chord;
};

// Chord tones folded into one octave starting at `low`, ascending.
std::vector<int> voicing(const Chord& c, int low) {
  std::vector<int> keys;
  for (int iv : c.intervals) {
    int pc = (c.root + iv) % 12;
    int key = low + ((pc - low) % 12 + 12) % 12;
    if (std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(key);
  }
  std::sort(keys.begin(), keys.end());
  return keys;
}

int bassKey(const Chord& c, int octave) {
  int low = (octave + 1) * 12 + 4;  // from E up
  return low + ((c.bass - low) % 12 + 12) % 12;
}

// --- Accompaniment patterns -----------------------------------------------------
void emit(std::vector<NoteEvent>& out, int64_t tick, int64_t len, int channel, int key, int vel) {
  out.push_back({tick, len, channel, std::clamp(key, 0, 127), std::clamp(vel, 1, 127)});
}

int accent(int64_t tick, int64_t barTicks) {
  if (tick % barTicks == 0) return 12;
  if (tick % kTicksPerBeat == 0) return 4;
  return -6;
}

void pattern(std::vector<NoteEvent>& out, const std::string& name, const ChordSpan& span, int channel, int octave,
             int vel, int64_t bar, int64_t barStart) {
  const int64_t q = kTicksPerBeat, e = q / 2, s = q / 4;
  auto repeat = [&](int64_t step, auto keyAt, int64_t gate) {
    int i = 0;
    for (int64_t t = span.start; t < span.start + span.length; t += step, ++i)
      emit(out, t, std::min(step, span.start + span.length - t) * gate / 8, channel, keyAt(i),
           vel + accent(t - barStart, bar));
  };
  int low = (octave + 1) * 12 + 7;  // pads and arpeggios from G up
  std::vector<int> v = voicing(span.chord, low);
  int root = bassKey(span.chord, octave);
  if (name == "hold") {
    for (int k : v) emit(out, span.start, span.length, channel, k, vel);
  } else if (name == "hold_bass") {
    emit(out, span.start, span.length, channel, root, vel);
  } else if (name == "root4") {
    repeat(
        q, [&](int) { return root; }, 7);
  } else if (name == "root8") {
    repeat(
        e, [&](int) { return root; }, 6);
  } else if (name == "drive16") {
    repeat(
        s, [&](int) { return root; }, 6);
  } else if (name == "octave8") {
    repeat(
        e, [&](int i) { return root + (i % 2) * 12; }, 6);
  } else if (name == "walk") {
    const int steps[] = {0, 7, 12, 7};
    repeat(
        q, [&](int i) { return root + steps[i % 4]; }, 7);
  } else if (name == "dotted") {  // a dotted-quarter, dotted-quarter, quarter push
    int64_t t = span.start;
    const int64_t lens[] = {e * 3, e * 3, q};
    for (int i = 0; t < span.start + span.length; ++i) {
      int64_t l = std::min(lens[i % 3], span.start + span.length - t);
      emit(out, t, l * 7 / 8, channel, root + (i % 3 == 2 ? 12 : 0), vel + accent(t - barStart, bar));
      t += lens[i % 3];
    }
  } else if (name == "up8" || name == "up16" || name == "updown8" || name == "updown16") {
    std::vector<int> seq = v;
    seq.push_back(v.front() + 12);
    if (name.rfind("updown", 0) == 0)
      for (size_t i = seq.size() - 2; i >= 1; --i) seq.push_back(seq[i]);
    int64_t step = name.back() == '6' ? s : e;
    repeat(
        step, [&](int i) { return seq[i % seq.size()]; }, 7);
  } else if (name == "offbeat8") {
    for (int64_t t = span.start + e; t < span.start + span.length; t += q)
      for (int k : v) emit(out, t, e * 5 / 8, channel, k, vel);
  } else if (name == "pulse8") {
    for (int64_t t = span.start; t < span.start + span.length; t += e)
      for (int k : v) emit(out, t, e * 5 / 8, channel, k, vel + accent(t - barStart, bar));
  } else if (name == "stab") {  // the chord on beats two and four
    for (int64_t t = span.start; t < span.start + span.length; t += q)
      if ((t - barStart) / q % 2 == 1)
        for (int k : v) emit(out, t, q * 3 / 8, channel, k, vel);
  } else {
    throw SongError("unknown pattern \"" + name + "\"");
  }
}

// --- Melodies in MML ------------------------------------------------------------
struct MmlState {
  int octave = 4;
  int64_t length = kTicksPerBeat;
  int velocity = 100;
  int gate = 7;  // of 8
};

int64_t readLength(const std::string& s, size_t& i, int64_t fallback) {
  int64_t len = fallback;
  if (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
    int n = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) n = n * 10 + (s[i++] - '0');
    if (n <= 0 || 4 * kTicksPerBeat % n != 0) throw SongError("bad note length " + std::to_string(n));
    len = 4 * kTicksPerBeat / n;
  }
  int64_t add = len / 2;
  while (i < s.size() && s[i] == '.') {
    len += add;
    add /= 2;
    ++i;
  }
  return len;
}

int readInt(const std::string& s, size_t& i) {
  size_t start = i;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
  if (start == i) throw SongError("expected a number in \"" + s + "\"");
  return std::stoi(s.substr(start, i - start));
}

// One bar of MML from `tick`; returns its length in ticks.
int64_t playBar(std::vector<NoteEvent>& out, const std::string& s, MmlState& st, int64_t tick, int channel,
                int64_t barTicks) {
  static const std::map<char, int> kSteps = {{'c', 0}, {'d', 2}, {'e', 4}, {'f', 5}, {'g', 7}, {'a', 9}, {'b', 11}};
  int64_t t = tick;
  bool tieable = false;  // a note was the last thing played
  size_t lastIndex = 0;
  int64_t lastGap = 0;  // the silent end the gate cut off the last note
  auto gated = [&](int64_t len) { return st.gate >= 8 ? len : len * st.gate / 8; };
  for (size_t i = 0; i < s.size();) {
    char c = static_cast<char>(std::tolower(static_cast<unsigned char>(s[i])));
    if (std::isspace(static_cast<unsigned char>(c))) {
      ++i;
    } else if (c == 'o') {
      ++i;
      st.octave = readInt(s, i);
    } else if (c == 'l') {
      ++i;
      st.length = readLength(s, i, st.length);
    } else if (c == 'v') {
      ++i;
      st.velocity = readInt(s, i);
    } else if (c == 'q') {
      ++i;
      st.gate = std::clamp(readInt(s, i), 1, 8);
    } else if (c == '<') {
      --st.octave, ++i;
    } else if (c == '>') {
      ++st.octave, ++i;
    } else if (c == 'r') {
      ++i;
      t += readLength(s, i, st.length);
      tieable = false;
    } else if (c == '^') {  // tie: the last note sounds on, and only its end is cut by the gate
      ++i;
      int64_t len = readLength(s, i, st.length);
      if (!tieable) throw SongError("a tie without a note");
      out[lastIndex].length += lastGap + gated(len);
      lastGap = len - gated(len);
      t += len;
    } else if (kSteps.count(c)) {
      ++i;
      int key = (st.octave + 1) * 12 + kSteps.at(c);
      while (i < s.size() && (s[i] == '+' || s[i] == '#' || s[i] == '-')) key += s[i++] == '-' ? -1 : 1;
      int64_t len = readLength(s, i, st.length);
      emit(out, t, gated(len), channel, key, st.velocity + accent(t - tick, barTicks) / 2);
      lastIndex = out.size() - 1;
      lastGap = len - gated(len);
      tieable = true;
      t += len;
    } else {
      throw SongError(std::string("unknown MML letter '") + s[i] + "'");
    }
  }
  return t - tick;
}

// --- Drums ---------------------------------------------------------------------
// clang-format off
const std::map<char, int> kDrumKeys = {
  {'k', 36}, {'s', 38}, {'h', 42}, {'o', 46}, {'c', 49}, {'r', 51}, {'l', 45}, {'m', 47}, {'t', 50},
  {'p', 39}, {'x', 37}, {'b', 54}, {'y', 57}, {'f', 41}, {'i', 53},
};
// clang-format on

struct Groove {
  std::vector<std::pair<int, std::string>> rows;  // drum key, steps
};

struct Section {
  int barsCount = 0;
  std::vector<std::vector<ChordSpan>> chords;              // per bar, relative to the bar
  std::vector<std::pair<std::string, std::string>> parts;  // instrument, rest of the line
  std::vector<int> lines;
};

}  // namespace

Song parseSong(const std::string& text) {
  Song song;
  std::map<std::string, Groove> grooves;
  std::map<std::string, Section> sections;
  std::vector<std::string> form;
  size_t loopAt = 0;
  Section* current = nullptr;
  int lineNo = 0;
  std::istringstream in(text);
  try {
    for (std::string line; std::getline(in, line);) {
      ++lineNo;
      // A comment starts with '#' at the start of a line or after a space; C# is a note.
      for (size_t i = 0; i < line.size(); ++i)
        if (line[i] == '#' && (i == 0 || std::isspace(static_cast<unsigned char>(line[i - 1])))) {
          line.resize(i);
          break;
        }
      std::vector<std::string> ws = words(line);
      if (ws.empty()) continue;
      const std::string& key = ws[0];
      if (key == "tempo") {
        song.tempo = std::stod(ws.at(1));
      } else if (key == "meter") {
        song.beatsPerBar = std::stoi(ws.at(1));
      } else if (key == "instrument") {
        auto opts = options(ws, 2);
        Instrument ins;
        ins.name = ws.at(1);
        ins.channel = number(opts, "channel", static_cast<int>(song.instruments.size()));
        ins.program = number(opts, "program", 0);
        ins.volume = number(opts, "volume", 100);
        ins.pan = number(opts, "pan", 64);
        ins.reverb = number(opts, "reverb", 40);
        ins.chorus = number(opts, "chorus", 0);
        song.instruments.push_back(ins);
      } else if (key == "groove") {
        Groove g;
        for (size_t i = 2; i < ws.size(); ++i) {
          size_t eq = ws[i].find('=');
          if (eq != 1 || !kDrumKeys.count(ws[i][0])) throw SongError("bad groove row \"" + ws[i] + "\"");
          if (static_cast<int>(ws[i].size() - 2) != song.beatsPerBar * 4)
            throw SongError("groove row \"" + ws[i] + "\" is not one bar of sixteenths");
          g.rows.push_back({kDrumKeys.at(ws[i][0]), ws[i].substr(2)});
        }
        grooves[ws.at(1)] = g;
      } else if (key == "section") {
        current = &sections[ws.at(1)];
      } else if (key == "form") {
        for (size_t i = 1; i < ws.size(); ++i) {
          if (ws[i] == "|") loopAt = form.size();
          else form.push_back(ws[i]);
        }
      } else if (!current) {
        throw SongError("\"" + key + "\" outside a section");
      } else if (key == "chords") {
        size_t bar = line.find('|');
        const int64_t barTicks = int64_t{song.beatsPerBar} * kTicksPerBeat;
        for (const std::string& b : bars(line.substr(bar == std::string::npos ? line.size() : bar))) {
          std::vector<std::string> slots = words(b);
          if (slots.empty()) throw SongError("an empty chord bar");
          std::vector<ChordSpan> spans;
          const int64_t slot = barTicks / static_cast<int64_t>(slots.size());
          for (size_t i = 0; i < slots.size(); ++i) {
            if (slots[i] == ".") {
              if (spans.empty()) throw SongError("a bar's chords start with '.'");
              spans.back().length += slot;
            } else {
              spans.push_back({static_cast<int64_t>(i) * slot, slot, parseChord(slots[i])});
            }
          }
          current->chords.push_back(spans);
        }
        current->barsCount = static_cast<int>(current->chords.size());
      } else {
        current->parts.push_back({key, trim(line.substr(line.find(key) + key.size()))});
        current->lines.push_back(lineNo);
      }
    }
  } catch (const std::exception& e) {
    throw SongError("line " + std::to_string(lineNo) + ": " + e.what());
  }
  if (form.empty()) throw SongError("the song has no form");
  if (loopAt >= form.size()) throw SongError("nothing after the \"|\" of the form loops");

  auto instrument = [&](const std::string& name) -> const Instrument& {
    for (const Instrument& i : song.instruments)
      if (i.name == name) return i;
    throw SongError("unknown instrument \"" + name + "\"");
  };

  // The intro once and the looping part several times, so the loop's seam can
  // be cut from music that really played on.
  std::vector<std::string> order(form.begin(), form.end());
  for (int pass = 0; pass < kLoopPasses - 1; ++pass)
    order.insert(order.end(), form.begin() + static_cast<long>(loopAt), form.end());
  const int64_t barTicks = int64_t{song.beatsPerBar} * kTicksPerBeat;
  int64_t tick = 0;
  for (size_t n = 0; n < order.size(); ++n) {
    if (n == loopAt) song.loopStart = tick;
    if (n == form.size()) song.loopEnd = tick;
    auto found = sections.find(order[n]);
    if (found == sections.end()) throw SongError("unknown section \"" + order[n] + "\"");
    const Section& sec = found->second;
    int barsCount = sec.barsCount;
    for (size_t p = 0; p < sec.parts.size(); ++p) {
      const auto& [name, rest] = sec.parts[p];
      try {
        const Instrument& ins = instrument(name);
        if (rest.rfind("pattern=", 0) == 0) {
          auto opts = options(words(rest), 0);
          if (sec.chords.empty()) throw SongError("a pattern in a section without chords");
          for (int b = 0; b < barsCount; ++b)
            for (const ChordSpan& span : sec.chords[b]) {
              ChordSpan at = span;
              at.start += tick + b * barTicks;
              pattern(song.notes, opts.at("pattern"), at, ins.channel, number(opts, "octave", 3),
                      number(opts, "vel", 90), barTicks, tick + b * barTicks);
            }
          continue;
        }
        std::vector<std::string> bs = bars(rest);
        if (barsCount == 0) barsCount = static_cast<int>(bs.size());
        if (static_cast<int>(bs.size()) != barsCount)
          throw SongError(name + " has " + std::to_string(bs.size()) + " bars, the section " +
                          std::to_string(barsCount));
        MmlState st;
        for (int b = 0; b < barsCount; ++b) {
          int64_t start = tick + b * barTicks;
          if (ins.channel == 9) {
            for (const std::string& g : words(bs[b])) {
              if (g == "-") continue;
              auto groove = grooves.find(g);
              if (groove == grooves.end()) throw SongError("unknown groove \"" + g + "\"");
              for (const auto& [drum, steps] : groove->second.rows)
                for (size_t i = 0; i < steps.size(); ++i) {
                  int vel = steps[i] == 'X' ? 120 : steps[i] == 'x' ? 95 : steps[i] == 'o' ? 60 : 0;
                  if (vel)
                    emit(song.notes, start + static_cast<int64_t>(i) * kTicksPerBeat / 4, kTicksPerBeat / 4, 9, drum,
                         vel);
                }
            }
          } else {
            int64_t len = playBar(song.notes, bs[b], st, start, ins.channel, barTicks);
            if (len != barTicks)
              throw SongError("bar " + std::to_string(b + 1) + " of " + name + " lasts " + std::to_string(len) +
                              " ticks, not " + std::to_string(barTicks));
          }
        }
      } catch (const std::exception& e) {
        throw SongError("line " + std::to_string(sec.lines[p]) + ": " + e.what());
      }
    }
    tick += int64_t{barsCount} * barTicks;
  }
  if (song.loopEnd == 0) song.loopEnd = tick;
  std::stable_sort(song.notes.begin(), song.notes.end(),
                   [](const NoteEvent& a, const NoteEvent& b) { return a.tick < b.tick; });
  return song;
}

}  // namespace soundgen
