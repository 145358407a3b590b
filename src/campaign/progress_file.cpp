#include "campaign/progress_file.h"

#include <algorithm>
#include <system_error>

#include "campaign/formations.h"
#include "campaign/padded_fields.h"

namespace sorvane {

namespace {

namespace fs = std::filesystem;

constexpr int kLastCreature = 103;
constexpr int kFirstCounterLine = 104;
constexpr int kJobLine = 128;
constexpr int kCharacterLine = 129;
constexpr int kExtraLine = 130;
constexpr int kRequiredLines = 130;  // a missing line 130 reads as "10"
constexpr i32 kNoise = 150000000;
constexpr i32 kRand = 500;  // unset flags draw 0..499; a set flag stands where the draw would be 500

using R = RecordCounters;

// A creature flag's field: value = weight * (i + draw) + step * (i + P), the
// draw being 500 for a set flag.
struct FlagField {
  std::array<byte, kCollectable> ProgressValues::*flags;
  i32 weight;
  i32 step;
  const char* error;
};
constexpr std::array<FlagField, 4> kFlagFields = {{
    {&ProgressValues::defeated, 345, 4, "er11"},
    {&ProgressValues::acquired, 26, 7, "er12:"},
    {&ProgressValues::reservedFlags, 41, 2, "er13:"},
    {&ProgressValues::summoned, 59, 6, "er14:"},
}};

// The weight of a creature's set flags in P: i, 2i, 3i, 4i.
i32 flagWeight(const ProgressValues& v, int i) {
  return i * (v.defeated[i] + 2 * v.acquired[i] + 3 * v.reservedFlags[i] + 4 * v.summoned[i]);
}

i32& counterRef(ProgressValues& v, const ProgressCounter& c) { return c.field ? v.records.*c.field : v.BP; }
i32 counterValue(const ProgressValues& v, const ProgressCounter& c) { return c.field ? v.records.*c.field : v.BP; }

// A flag's field: weight * (index + draw) + step * (index + P), where the draw
// is 0..499 for an unset flag and 500 for a set one.
i32 flagFieldValue(bool set, i32 weight, i32 step, int index, i32 p, RandomGenerator& rng) {
  i32 draw = set ? kRand : rng.Random(kRand);
  return add32(mul32(weight, draw + index), mul32(step, add32(index, p)));
}

}  // namespace

const std::array<ProgressCounter, 24>& progressCounters() {
  static const std::array<ProgressCounter, 24> table = {{
      {&R::recBattles, 34, 2380, 10000},
      {&R::recEventBattles, 16, 15152, 10000},
      {&R::recFreeBattles, 63, 29799, 10000},
      {&R::recWins, 47, 23171, 10000},
      {&R::recLosses, 33, 4092, 10000},
      {&R::recDraws, 61, 22387, 10000},
      {&R::recMoves, 24, 8664, 100000},
      {&R::recSkills, 16, 4864, 100000},
      {&R::recSummons, 27, 6777, 100000},
      {&R::recReturns, 36, 14256, 100000},
      {&R::recSteps, 14, 13160, 1000000},
      {&R::recMaxDamage, 31, 1922, 999},
      {&R::recDamageDealt, 6, 48, 10000000},
      {&R::recDamageTaken, 7, 63, 10000000},
      {&R::recHealed, 13, 819, 1000000},
      {&R::recMaxKills, 87, 7830, 99},
      {&R::recOwnMasterDeaths, 36, 24912, 100000},
      {&R::recOwnCreatureDeaths, 34, 16354, 100000},
      {&R::recOwnFamiliarDeaths, 47, 15181, 100000},
      {&R::recEnemyMasterDeaths, 63, 26208, 100000},
      {&R::recEnemyCreatureDeaths, 47, 11374, 100000},
      {&R::recEnemyFamiliarDeaths, 67, 44957, 100000},
      {&R::recReserved, 29, 986, 30},
      {nullptr, 87, 6351, 999},  // BP
  }};
  return table;
}

ProgressValues captureProgress(const Tsyori& state, const Campaign& campaign) {
  const Tdeta& d = *state.D;
  ProgressValues v;
  v.defeated = d.defeated;
  v.acquired = d.acquired;
  v.reservedFlags = d.reservedFlags;
  v.summoned = d.summoned;
  v.records = d.records;
  v.BP = campaign.BP;
  v.jobOpen = d.jobOpen;
  v.charOpen = d.charOpen;
  v.extraOpen = d.extraOpen;
  return v;
}

void applyProgress(const ProgressValues& v, Tsyori& state, Campaign& campaign) {
  Tdeta& d = *state.D;
  // The file holds creatures 1..103; flag 0, the empty circle, belongs to the new game.
  for (int i = 1; i <= kLastCreature; ++i) {
    d.defeated[i] = v.defeated[i];
    d.acquired[i] = v.acquired[i];
    d.reservedFlags[i] = v.reservedFlags[i];
    d.summoned[i] = v.summoned[i];
  }
  d.records = v.records;
  campaign.BP = v.BP;
  d.jobOpen = v.jobOpen;
  d.charOpen = v.charOpen;
  d.extraOpen = v.extraOpen;
}

void clampProgress(ProgressValues& v) {
  for (const ProgressCounter& c : progressCounters()) {
    i32& value = counterRef(v, c);
    value = std::clamp(value, 0, c.top);
  }
  // Flags are 0 or 1 in the file's arithmetic.
  for (auto* flags : {&v.defeated, &v.acquired, &v.reservedFlags, &v.summoned})
    for (byte& f : *flags) f = f ? 1 : 0;
  for (byte& f : v.jobOpen) f = f ? 1 : 0;
  for (byte& f : v.charOpen) f = f ? 1 : 0;
  v.extraOpen = v.extraOpen ? 1 : 0;
}

i32 progressChecksum(const ProgressValues& v) {
  i32 p = 0;
  for (int i = 1; i <= kLastCreature; ++i) p = add32(p, flagWeight(v, i));
  for (const ProgressCounter& c : progressCounters()) {
    if (c.field == &R::recDamageDealt || c.field == &R::recDamageTaken) continue;
    p = add32(p, counterValue(v, c));
  }
  for (int j = 0; j < 7; ++j)
    if (v.jobOpen[j]) p = add32(p, 10 * j + 10);
  for (int c = 0; c < 11; ++c)
    if (v.charOpen[c]) p = add32(p, 20 * c + 20);
  return p;
}

std::vector<std::string> progressLines(const ProgressValues& v, RandomGenerator& rng) {
  const i32 p = progressChecksum(v);
  const i32 k = add32(mul32(2, p), 1566);
  std::vector<std::string> lines;
  lines.reserve(kProgressLines);
  std::string kText = std::to_string(k);
  lines.push_back("22" + std::to_string(kText.size()) + kText + std::to_string(rng.Random(kNoise)));

  for (int i = 1; i <= kLastCreature; ++i) {
    std::string line;
    int width = 20;
    for (const FlagField& f : kFlagFields) {
      line += std::to_string(flagFieldValue((v.*f.flags)[i] != 0, f.weight, f.step, i, p, rng));
      padTo(line, std::size_t(width));
      width += 20;
    }
    lines.push_back(std::move(line));
  }
  for (const ProgressCounter& c : progressCounters())
    lines.push_back(std::to_string(add32(add32(mul32(counterValue(v, c), c.factor), p), c.offset)));

  std::string jobs;
  for (int j = 0; j < 7; ++j) {
    jobs += std::to_string(flagFieldValue(v.jobOpen[j] != 0, 378, 9, j, p, rng));
    padTo(jobs, std::size_t(20 * (j + 1)));
  }
  lines.push_back(std::move(jobs));
  std::string characters;
  for (int c = 0; c < 11; ++c) {
    characters += std::to_string(flagFieldValue(v.charOpen[c] != 0, 298, 4, c, p, rng));
    padTo(characters, std::size_t(20 * (c + 1)));
  }
  lines.push_back(std::move(characters));
  lines.push_back(std::to_string(v.extraOpen ? add32(mul32(9, p), 191709)
                                             : add32(add32(mul32(378, rng.Random(kRand)), mul32(9, p)), 2709)));
  return lines;
}

ProgressParse parseProgressLines(std::vector<std::string> lines) {
  ProgressParse result;
  if (lines.size() < kRequiredLines) {
    result.errors = "save.dat has " + std::to_string(lines.size()) + " lines; at least 130 are needed";
    return result;
  }
  lines.push_back("10");
  ProgressValues& v = result.values;
  std::string& errors = result.errors;

  auto notANumber = [&](int line) {
    result = ProgressParse{};
    result.errors = "save.dat line " + std::to_string(line) + " is not a number";
    return result;
  };

  const std::string& head = lines[0];
  if (head.size() < 3 || head[2] < '0' || head[2] > '9') return notANumber(0);
  std::optional<i32> k = parseNumber(std::string_view(head).substr(3, std::size_t(head[2] - '0')));
  if (!k) return notANumber(0);
  const i32 p = sub32(*k / 2, 783);

  // A flag field: whether it is a multiple of its weight, and whether the flag is set.
  auto readFlag = [&](i32 field, i32 weight, i32 step, int index, byte& flag) {
    i32 rest = sub32(field, mul32(step, add32(index, p)));
    if (rest % weight != 0) return false;
    flag = (rest / weight - index == kRand) ? 1 : 0;
    return true;
  };

  for (int i = 1; i <= kLastCreature; ++i) {
    bool lineFailed = false;
    for (std::size_t f = 0; f < kFlagFields.size(); ++f) {
      std::optional<i32> field = fieldNumber(lines[i], f * 20, 20);
      if (!field) return notANumber(i);
      const FlagField& ff = kFlagFields[f];
      if (!readFlag(*field, ff.weight, ff.step, i, (v.*ff.flags)[i])) {
        errors += ff.error;
        lineFailed = true;
      }
    }
    if (lineFailed) break;
  }

  for (std::size_t n = 0; n < progressCounters().size(); ++n) {
    const ProgressCounter& c = progressCounters()[n];
    const int line = kFirstCounterLine + int(n);
    std::optional<i32> field = fieldNumber(lines[line], 0, lines[line].size());
    if (!field) return notANumber(line);
    const std::string code = "er" + std::to_string(10 * (n + 2));
    i32 rest = sub32(*field, p);
    if (rest % c.factor != 0) {
      errors += code;
      continue;
    }
    i32 value = sub32(rest / c.factor, c.offset / c.factor);
    if (value < 0 || value > c.top) errors += "er" + std::to_string(10 * (n + 2) + 1);
    counterRef(v, c) = value;
  }

  for (int j = 0; j < 7; ++j) {
    std::optional<i32> field = fieldNumber(lines[kJobLine], std::size_t(20 * j), 20);
    if (!field) return notANumber(kJobLine);
    if (!readFlag(*field, 378, 9, j, v.jobOpen[j])) errors += "er260";
  }
  for (int c = 0; c < 11; ++c) {
    std::optional<i32> field = fieldNumber(lines[kCharacterLine], std::size_t(20 * c), 20);
    if (!field) return notANumber(kCharacterLine);
    if (!readFlag(*field, 298, 4, c, v.charOpen[c])) errors += "er270";
  }
  std::optional<i32> extra = fieldNumber(lines[kExtraLine], 0, lines[kExtraLine].size());
  if (!extra) return notANumber(kExtraLine);
  v.extraOpen = add32(sub32(*extra, mul32(9, add32(p, 783))), 6984) / 378 == 507 ? 1 : 0;

  const i32 computed = progressChecksum(v);
  if (computed != p) errors += std::to_string(computed) + ":er300:" + std::to_string(p);

  result.readable = true;
  if (!errors.empty()) result.values = ProgressValues{};
  return result;
}

void rcsave(Tsyori& state, Campaign& campaign, const UserFolders& folders) {
  ensureSaveFolder(folders);
  ProgressValues values = captureProgress(state, campaign);
  clampProgress(values);
  applyProgress(values, state, campaign);
  const std::string bytes = joinFileLines(progressLines(values, state.rng));
  // The copy first: whatever happens to the main file later, a good one stays.
  fs::path backup = folders.progressFile();
  backup += ".bak";
  writeUserFileAtomically(backup, bytes);
  writeUserFileAtomically(folders.progressFile(), bytes);
}

ProgressLoad rcload(Tsyori& state, Campaign& campaign, const UserFolders& folders) {
  ProgressLoad result;
  ensureSaveFolder(folders);
  const fs::path main = folders.progressFile();
  fs::path backup = main, damaged = main;
  backup += ".bak";
  damaged += ".damaged";

  std::optional<std::string> bytes = readUserFile(main);
  ProgressValues values;
  if (!bytes) {
    result.outcome = ProgressLoad::Outcome::Missing;
  } else if (ProgressParse parsed = parseProgressLines(fileLines(*bytes)); parsed.ok()) {
    result.outcome = ProgressLoad::Outcome::Loaded;
    values = parsed.values;
  } else {
    result.message = parsed.errors;
    std::error_code ec;
    fs::rename(main, damaged, ec);  // kept for inspection; if that fails, the restore below replaces it anyway
    std::optional<std::string> copy = readUserFile(backup);
    ProgressParse fromCopy = copy ? parseProgressLines(fileLines(*copy)) : ProgressParse{};
    if (fromCopy.ok()) {
      values = fromCopy.values;
      writeUserFileAtomically(main, *copy);
      result.outcome = ProgressLoad::Outcome::RestoredFromBackup;
      result.message += "\n進行データが壊れていたため、控えから復元しました。";
    } else {
      result.outcome = ProgressLoad::Outcome::Cleared;
      result.message += "\n進行データが壊れていて、控えもありませんでした。";
    }
  }
  applyProgress(values, state, campaign);
  createFormationsFileIfMissing(folders);
  return result;
}

}  // namespace sorvane
