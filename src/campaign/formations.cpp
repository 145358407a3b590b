#include "campaign/formations.h"

#include "campaign/padded_fields.h"

namespace sorvane {

namespace {

constexpr int kFieldWidth = 10;
constexpr int kMethodColumn = 70;  // the 71st character
constexpr int kLastCreature = 103;
constexpr int kLastMaster = kCreatureCount - 1;
constexpr i32 kNeverFielded = 57;  // this creature never comes from a formation
constexpr i32 kFirstExtraStage = 50;

bool fieldableCreature(i32 type, const Tdeta& d) {
  return type >= 1 && type <= kLastCreature && d.acquired[type] != 0 && type != kNeverFielded;
}

bool unlockedMaster(i32 entry, const Tdeta& d) {
  if (entry < kFirstMaster || entry > kLastMaster) return false;
  const i32 character = d.creatures[entry].G - 170;
  return character >= 0 && character < i32(d.charOpen.size()) && d.charOpen[character] != 0;
}

std::string emptyFormationsFile() {
  std::vector<std::string> lines(kFormationCount, formationLine(Formation{}));
  return joinFileLines(lines);
}

}  // namespace

std::string formationLine(const Formation& f) {
  std::string line;
  for (int i = 0; i < 7; ++i) {
    line += std::to_string(f.units[i]);
    padTo(line, std::size_t(kFieldWidth * (i + 1)));
  }
  return line + (f.method == 0 ? "0" : "1");
}

Formation parseFormationLine(std::string_view line) {
  Formation f;
  for (int i = 0; i < 7; ++i) f.units[i] = fieldNumber(line, std::size_t(kFieldWidth * i), kFieldWidth).value_or(0);
  f.method = kMethodColumn < int(line.size()) ? parseNumber(line.substr(kMethodColumn, 1)).value_or(0) : 0;
  return f;
}

std::array<Formation, kFormationCount> parseFormations(std::string_view bytes) {
  std::array<Formation, kFormationCount> all{};
  std::vector<std::string> lines = fileLines(bytes);
  for (std::size_t r = 0; r < lines.size() && r < all.size(); ++r) all[r] = parseFormationLine(lines[r]);
  return all;
}

Formation currentFormation(const Tsyori& state) {
  const Tdeta& d = *state.D;
  Formation f;
  for (int i = 0; i < 7; ++i) f.units[i] = d.k[i].Type;
  f.method = d.k[0].SH == MagicCircle ? 1 : 0;
  return f;
}

Formation shownFormation(const Formation& f, const Tdeta& d) {
  Formation shown = f;
  if (!unlockedMaster(f.units[0], d)) shown.units[0] = 0;
  for (int i = 1; i < 7; ++i)
    if (!fieldableCreature(f.units[i], d)) shown.units[i] = 0;
  return shown;
}

void placeFormation(const Formation& f, Tsyori& state) {
  Tdeta& d = *state.D;
  const bool extraStages = state.storyStage >= kFirstExtraStage;
  const i32 master = extraStages && unlockedMaster(f.units[0], d) ? f.units[0] : d.k[0].Type;
  state.SetK(0, master, 0);
  for (int i = 1; i < 7; ++i) {
    i32 type = f.units[i];
    if (!fieldableCreature(type, d)) type = 0;
    for (int earlier = 1; earlier < i; ++earlier)
      if (d.k[earlier].Type == type) type = 0;
    state.SetK(i, type, 0);
  }
  const i32 method = f.method == 0 ? MagicStone : MagicCircle;
  for (int i = 0; i < 7; ++i) d.k[i].SH = method;
}

void saveFormation(int r, const Tsyori& state, const UserFolders& folders) {
  if (r < 0 || r >= kFormationCount) throw UserFileError("formations are 0..19");
  ensureSaveFolder(folders);
  std::optional<std::string> bytes = readUserFile(folders.formationsFile());
  std::vector<std::string> lines = fileLines(bytes ? *bytes : emptyFormationsFile());
  // A short file is completed with empty formations; lines past the twentieth are kept as they are.
  while (lines.size() < kFormationCount) lines.push_back(formationLine(Formation{}));
  lines[std::size_t(r)] = formationLine(currentFormation(state));
  writeUserFileAtomically(folders.formationsFile(), joinFileLines(lines));
}

void loadFormation(int r, Tsyori& state, const UserFolders& folders) {
  if (r < 0 || r >= kFormationCount) throw UserFileError("formations are 0..19");
  std::optional<std::string> bytes = readUserFile(folders.formationsFile());
  if (!bytes) throw UserFileError("no formations file " + folders.formationsFile().string());
  placeFormation(parseFormations(*bytes)[std::size_t(r)], state);
}

void createFormationsFileIfMissing(const UserFolders& folders) {
  if (readUserFile(folders.formationsFile())) return;
  ensureSaveFolder(folders);
  writeUserFileAtomically(folders.formationsFile(), emptyFormationsFile());
}

}  // namespace sorvane
