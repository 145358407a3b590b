#include "campaign/enemy_export.h"

#include <vector>

#include "campaign/user_files.h"

namespace sorvane {

namespace {

constexpr int kSideOneMaster = 16;
constexpr int kLastCircle = 6;
constexpr i32 kExportLevel = 50;
constexpr const char* kMasterName = "もきゅ";

const char* methodName(i32 sh) {
  switch (sh) {
    case MagicStone: return "MagicStone";
    case MagicCircle: return "MagicCircle";
    case Sacrifice: return "Sacrifice";
    default: return "Chant";
  }
}

const Tcst& entryOf(const Tdeta& d, const Tkst& u) {
  return d.creatures[u.Type >= 0 && u.Type < kCreatureCount ? u.Type : 0];
}

// The skills an entry has learned, in list order, as many as the unit holds.
std::vector<i32> learnedSkills(const Tcst& entry, std::size_t length) {
  std::vector<i32> w;
  for (std::size_t i = 0; i < entry.Sk.size() && w.size() < length; ++i)
    if (entry.SkL.at(i) != 0) w.push_back(entry.Sk[i]);
  return w;
}

// Innate and learned abilities of an entry, as many as a unit holds.
std::vector<i32> heldAbilities(const Tcst& entry) {
  std::vector<i32> tn;
  for (std::size_t i = 0; i < entry.Ab.size() && tn.size() < 4; ++i)
    if (entry.AbL.at(i) == 0 || entry.AbL.at(i) == 1) tn.push_back(entry.Ab[i]);
  return tn;
}

std::string list(const std::vector<i32>& ids) {
  std::string out = "{";
  for (std::size_t i = 0; i < ids.size(); ++i) out += (i ? ", " : "") + std::to_string(ids[i]);
  return out + "}";
}

std::string quoted(std::string_view text) {
  std::string out = "\"";
  for (char ch : text) {
    if (ch == '"' || ch == '\\') out += '\\';
    out += ch;
  }
  return out + "\"";
}

// "雪ん子: 体当たり, 氷の息" — what a designer reads beside the numbers.
std::string comment(std::string_view name, const Tdeta& d, const std::vector<i32>& skills) {
  std::string out = "  // " + std::string(name);
  for (std::size_t i = 0; i < skills.size(); ++i) out += (i ? ", " : ": ") + d.skills[skills[i]].Name;
  return out;
}

}  // namespace

std::string exportParty(const Tsyori& s) {
  const Tdeta& d = *s.D;
  const Tkst& master = d.k[kPlayerMaster];
  const Tcst& masterEntry = entryOf(d, master);
  std::string out =
      "// The party of " + std::string(master.N.str()) + " (entry " + std::to_string(master.Type) + "), at level 50.\n";

  const std::vector<i32> masterSkills = learnedSkills(masterEntry, 8);
  const std::vector<i32> abilities = heldAbilities(masterEntry);
  out += "{.slot = " + std::to_string(kSideOneMaster) + ", .entry = " + std::to_string(master.Type) +
         ", .lv = " + std::to_string(kExportLevel) + ", .N = " + quoted(kMasterName) +
         ", .G = " + std::to_string(master.G) + ", .SH = " + methodName(master.SH);
  if (!masterSkills.empty()) out += ", .W = " + list(masterSkills);
  if (!abilities.empty()) out += ", .TN = " + list(abilities);
  out += ", .ai = {Ip(1)}}," + comment(master.N.str(), d, masterSkills) + "\n";

  for (int i = 1; i <= kLastCircle; ++i) {
    const Tkst& u = d.k[i];
    const std::vector<i32> skills = learnedSkills(entryOf(d, u), 5);
    out += "{.slot = " + std::to_string(kSideOneMaster + i) + ", .entry = " + std::to_string(u.Type) +
           ", .lv = " + std::to_string(kExportLevel);
    if (!skills.empty()) out += ", .W = " + list(skills);
    out += ", .ai = {Ip(1)}}," + comment(u.N.str(), d, skills) + "\n";
  }
  return out;
}

void exportPartyTo(const std::filesystem::path& file, const Tsyori& s) {
  writeUserFileAtomically(file, exportParty(s));
}

}  // namespace sorvane
