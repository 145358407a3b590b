#include "campaign/save_slot.h"

#include <system_error>

#include "campaign/padded_fields.h"
#include "campaign/progress_file.h"
#include "campaign/settings.h"

namespace sorvane {

namespace {

constexpr int kLastCreature = 103;
constexpr int kLastEntry = kCreatureCount - 1;
constexpr int kFieldWidth = 20;
constexpr int kPartyLine = 328;
constexpr int kMethodLine = 329;
constexpr int kStageLine = 330;
constexpr int kSkillBits = 25;    // bits 24..0 of a skill mask
constexpr int kAbilityBits = 6;   // bits 5..0 of an ability mask
constexpr i32 kSkillOffset = 1603193;

enum AbilityState : i32 { Innate = 0, Learned = 1, NotLearned = 2 };

// Load error codes.
enum : int {
  ErrParse = 1,
  ErrLevelFactor = 20, ErrLevelRange = 21,
  ErrExpFactor = 30, ErrExpRange = 31,
  ErrSkillFactor = 40, ErrCreatureSkills = 42, ErrMasterSkills = 43,
  ErrAbilityFactor = 50, ErrAbilityCount = 51,
  ErrPartyFactor = 60, ErrMasterType = 62, ErrCreatureType = 63,
  ErrMethodFactor = 80, ErrMethodRange = 81,
  ErrStageFactor = 90, ErrStageNegative = 91,
  ErrChecksum = 100,
};

i32 skillMask(const Tcst& entry) {
  i32 mask = 0;
  for (std::size_t j = 0; j < entry.SkL.size() && j < 31; ++j)
    if (entry.SkL[j] == 1) mask = add32(mask, i32{1} << j);
  return mask;
}

i32 abilityMask(const Tcst& entry) {
  i32 mask = 0;
  for (std::size_t j = 0; j < entry.AbL.size() && j < 31; ++j)
    if (entry.AbL[j] == Learned) mask = add32(mask, i32{1} << j);
  return mask;
}

// A value stored as (value + offset) * factor: the value, or the error code
// for a field that is not a multiple of its factor.
struct Unscaled {
  int error = 0;
  i32 value = 0;
};
Unscaled unscale(i32 field, i32 factor, i32 offset, int factorError) {
  std::optional<bool> whole = divisible(field, factor);
  if (!whole) return {ErrParse, 0};  // a zero factor fails like any other parse failure
  if (!*whole) return {factorError, 0};
  return {0, sub32(*div32(field, factor), offset)};
}

}  // namespace

bool isSlotEntry(int t) { return (t >= 1 && t <= kLastCreature) || (t >= kFirstMaster && t <= kLastEntry); }

i32 slotChecksum(const Tsyori& state) {
  const Tdeta& d = *state.D;
  i32 s = 0;
  for (int t = 1; t <= kLastEntry; ++t)
    if (isSlotEntry(t)) s = add32(s, add32(d.creatures[t].Exp, d.creatures[t].Lv));
  return add32(add32(s, state.storyStage), d.k[0].Type);
}

i32 slotChecksum(const SlotData& data) {
  i32 s = 0;
  for (int t = 1; t <= kLastEntry; ++t)
    if (isSlotEntry(t)) s = add32(s, add32(data.entries[t].Exp, data.entries[t].Lv));
  return add32(add32(s, data.storyStage), data.party[0]);
}

std::vector<std::string> slotLines(const Tsyori& state, i32 noise) {
  const Tdeta& d = *state.D;
  const i32 s = slotChecksum(state);
  const i32 k = add32(mul32(6, s), 2862);
  const i32 master = d.k[0].Type;
  std::vector<std::string> lines;
  lines.reserve(kSlotLines);

  std::string kText = std::to_string(k);
  lines.push_back("11" + std::to_string(kText.size()) + kText + std::to_string(noise));

  for (int t = 1; t <= kLastEntry; ++t) {
    const Tcst& e = d.creatures[t];
    std::string line = std::to_string(mul32(e.Lv + 2, sub32(s, 2 * t)));
    padTo(line, 20);
    line += std::to_string(mul32(e.Exp + 4, sub32(s, 3 * t)));
    padTo(line, 40);
    line += std::to_string(add32(mul32(s / 4283 + 2, sub32(skillMask(e), kSkillOffset)), 22 * t));
    padTo(line, 60);
    if (t >= kFirstMaster) line += std::to_string(sub32(mul32(add32(abilityMask(e), 14), mul32(s, 61)), 46 * t));
    padTo(line, 80);
    lines.push_back(std::move(line));
  }

  std::string party;
  for (int i = 0; i <= 6; ++i) {
    party += std::to_string(mul32(add32(d.k[i].Type, 34), add32(24 * i, s)));
    padTo(party, kFieldWidth * (i + 1));
  }
  lines.push_back(std::move(party));
  lines.push_back(std::to_string(mul32(add32(d.k[0].SH, 41), add32(add32(master, s), 20))));
  lines.push_back(std::to_string(mul32(add32(state.storyStage, 47), sub32(add32(master, s), 44))));
  return lines;
}

SlotParse parseSlotLines(const std::vector<std::string>& lines, const Tdeta& catalogue) {
  SlotParse result;
  SlotData& data = result.data;
  auto fail = [&](int code) {
    result.error = code;
    return result;
  };
  if (lines.size() < kSlotLines) return fail(ErrParse);

  const std::string& head = lines[0];
  if (head.size() < 3 || head[2] < '0' || head[2] > '9') return fail(ErrParse);
  std::optional<i32> k = parseNumber(std::string_view(head).substr(3, static_cast<std::size_t>(head[2] - '0')));
  if (!k) return fail(ErrParse);
  const i32 s = *div32(sub32(*div32(*k, 2), 1431), 3);

  auto field = [&](int line, int index) { return fieldNumber(lines[line], std::size_t(index) * kFieldWidth, kFieldWidth); };

  for (int t = 1; t <= kLastEntry; ++t) {
    if (!isSlotEntry(t)) continue;
    const Tcst& entry = catalogue.creatures[t];
    SlotEntry& out = data.entries[t];

    std::optional<i32> a = field(t, 0);
    if (!a) return fail(ErrParse);
    Unscaled lv = unscale(*a, sub32(s, 2 * t), 2, ErrLevelFactor);
    if (lv.error) return fail(lv.error);
    if (lv.value < 10 || lv.value > 50) return fail(ErrLevelRange);
    out.Lv = lv.value;

    std::optional<i32> b = field(t, 1);
    if (!b) return fail(ErrParse);
    Unscaled exp = unscale(*b, sub32(s, 3 * t), 4, ErrExpFactor);
    if (exp.error) return fail(exp.error);
    if (exp.value < 0 || exp.value > 100) return fail(ErrExpRange);
    out.Exp = exp.value;

    std::optional<i32> c = field(t, 2);
    if (!c) return fail(ErrParse);
    Unscaled skills = unscale(sub32(*c, 22 * t), s / 4283 + 2, -kSkillOffset, ErrSkillFactor);
    if (skills.error) return fail(skills.error);
    const auto mask = static_cast<std::uint32_t>(skills.value);
    out.SkL.assign(entry.SkL.size(), 0);
    int learned = 0;
    for (std::size_t j = 0; j < out.SkL.size() && j < kSkillBits; ++j) {
      out.SkL[j] = (mask >> j) & 1U;
      learned += out.SkL[j];
    }
    if (t <= kLastCreature && learned > 5) return fail(ErrCreatureSkills);
    if (t >= kFirstMaster && learned > 8) return fail(ErrMasterSkills);

    if (t >= kFirstMaster) {
      std::optional<i32> dField = field(t, 3);
      if (!dField) return fail(ErrParse);
      Unscaled abilities = unscale(add32(*dField, 46 * t), mul32(s, 61), 14, ErrAbilityFactor);
      if (abilities.error) return fail(abilities.error);
      const auto bits = static_cast<std::uint32_t>(abilities.value);
      out.AbL = entry.AbL.toVector();
      int count = 0;
      for (std::size_t j = 0; j < out.AbL.size(); ++j) {
        if (out.AbL[j] == Learned) out.AbL[j] = NotLearned;
        if (j < kAbilityBits && ((bits >> j) & 1U)) out.AbL[j] = Learned;
        if (out.AbL[j] == Learned) ++count;
      }
      if (!out.AbL.empty() && out.AbL[0] == Innate) ++count;
      if (count > 2) return fail(ErrAbilityCount);
    }
  }

  for (int i = 0; i <= 6; ++i) {
    std::optional<i32> value = field(kPartyLine, i);
    if (!value) return fail(ErrParse);
    Unscaled type = unscale(*value, add32(24 * i, s), 34, ErrPartyFactor);
    if (type.error) return fail(type.error);
    if (i == 0 && (type.value < kFirstMaster || type.value > kLastEntry)) return fail(ErrMasterType);
    if (i > 0 && (type.value < 0 || type.value > kLastCreature)) return fail(ErrCreatureType);
    data.party[i] = type.value;
  }
  const i32 master = data.party[0];

  std::optional<i32> methodLine = fieldNumber(lines[kMethodLine], 0, lines[kMethodLine].size());
  if (!methodLine) return fail(ErrParse);
  Unscaled method = unscale(*methodLine, add32(add32(master, s), 20), 41, ErrMethodFactor);
  if (method.error) return fail(method.error);
  if (method.value < 0 || method.value > 3) return fail(ErrMethodRange);
  // The method's menu offers only the magic stone and the magic circle; any
  // other stored method leaves it without a choice, which means method 0.
  data.SH = method.value == MagicStone || method.value == MagicCircle ? method.value : Chant;

  std::optional<i32> stageLine = fieldNumber(lines[kStageLine], 0, lines[kStageLine].size());
  if (!stageLine) return fail(ErrParse);
  Unscaled stage = unscale(*stageLine, sub32(add32(master, s), 44), 47, ErrStageFactor);
  if (stage.error) return fail(stage.error);
  if (stage.value < 0) return fail(ErrStageNegative);
  data.storyStage = stage.value;

  if (slotChecksum(data) != s) return fail(ErrChecksum);
  return result;
}

void applySlot(const SlotData& data, Tsyori& state) {
  Tdeta& d = *state.D;
  for (int t = 1; t <= kLastEntry; ++t) {
    if (!isSlotEntry(t)) continue;
    const SlotEntry& in = data.entries[t];
    Tcst& entry = d.creatures[t];
    entry.Lv = in.Lv;
    entry.Exp = in.Exp;
    // New arrays: a catalogue copy somewhere else keeps what it had.
    entry.SkL = SharedArray<byte>(in.SkL);
    if (t >= kFirstMaster) entry.AbL = SharedArray<i32>(in.AbL);
  }
  for (int i = 0; i <= 6; ++i) state.SetK(i, data.party[i], 0);
  for (int i = 0; i <= 6; ++i) d.k[i].SH = data.SH;
  state.storyStage = data.storyStage;
}

std::string slotErrorMessage(int code) {
  return "セーブデータに問題がありました。\n読み込みに失敗しました。\nエラー番号[" + std::to_string(code) + "]";
}

void saveSlot(int n, Tsyori& state, Campaign& campaign, const UserFolders& folders) {
  if (n < 0 || n >= kSlotCount) throw UserFileError("save slots are 0..9");
  ensureSaveFolder(folders);
  std::vector<std::string> lines = slotLines(state, state.Random(150000000));
  writeUserFileAtomically(folders.slotFile(n), joinFileLines(lines));
  campaign.currentSlot = n;
  rcsave(state, campaign, folders);
  writeSlotStage(folders.configFile, n, state.storyStage);
}

SlotLoad takeOverSlot(const std::vector<std::string>& lines, Tsyori& state, Campaign& campaign,
                      const UserFolders& folders) {
  SlotParse parsed = parseSlotLines(lines, *state.D);
  SlotLoad result;
  if (parsed.error != 0) {
    result.error = parsed.error;
    result.message = slotErrorMessage(parsed.error);
    return result;
  }
  applySlot(parsed.data, state);
  result.progressMessage = rcload(state, campaign, folders).message;
  return result;
}

SlotLoad loadSlot(int n, Tsyori& state, Campaign& campaign, const UserFolders& folders) {
  if (n < 0 || n >= kSlotCount) throw UserFileError("save slots are 0..9");
  const auto path = folders.slotFile(n);
  std::optional<std::string> bytes = readUserFile(path);
  if (!bytes) throw UserFileError("[" + std::to_string(n) + "] データがありません");
  std::vector<std::string> lines = fileLines(*bytes);
  if (lines.size() < kSlotLines)
    throw UserFileError(path.string() + " has " + std::to_string(lines.size()) + " lines; a save has " +
                        std::to_string(kSlotLines));

  SlotLoad result = takeOverSlot(lines, state, campaign, folders);
  if (result.error == 0) campaign.currentSlot = n;
  return result;
}

std::array<bool, kSlotCount> slotsPresent(const UserFolders& folders) {
  std::array<bool, kSlotCount> present{};
  for (int n = 0; n < kSlotCount; ++n) {
    std::error_code ec;
    present[n] = std::filesystem::is_regular_file(folders.slotFile(n), ec);
  }
  return present;
}

std::string slotStageLabel(i32 storedStage) {
  auto twoDigits = [](i32 v) { return (v < 10 ? "0" : "") + std::to_string(v); };
  if (storedStage >= 0 && storedStage <= 14) return "   " + twoDigits(storedStage + 1) + "面  ";
  if (storedStage >= 50 && storedStage <= 69) return "裏" + twoDigits(storedStage - 49) + "面  ";
  return std::string(11, ' ');
}

}  // namespace sorvane
