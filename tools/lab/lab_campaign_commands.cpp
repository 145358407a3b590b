// The lab's commands over the player's files: save slots, the progress file,
// formations and the records view. The files go to the folders the XDG
// variables name, so a script run can point them at a scratch folder.
#include <ostream>

#include "campaign/formations.h"
#include "campaign/progress_file.h"
#include "campaign/records_view.h"
#include "campaign/save_slot.h"
#include "lab.h"
#include "lab_parse.h"

namespace sorvane::lab {

namespace {

// A message box's lines on one line of the lab's output.
std::string oneLine(std::string text) {
  for (std::size_t at; (at = text.find('\n')) != std::string::npos;) text.replace(at, 1, " ");
  return text;
}

bool parseBelow(const std::string& text, int limit, i32& value) { return parseInt(text, value) && value >= 0 && value < limit; }

// Replaces line `line` of `file` with `text` (adding empty lines up to it when the file is shorter).
std::string replaceLine(const std::filesystem::path& file, const std::string& lineText, const std::string& text) {
  i32 line = 0;
  if (!parseInt(lineText, line) || line < 0 || line > 100000) return "line numbers are 0..100000: " + lineText;
  std::optional<std::string> bytes = readUserFile(file);
  if (!bytes) return "no file " + file.string();
  std::vector<std::string> lines = fileLines(*bytes);
  if (std::size_t(line) >= lines.size()) lines.resize(std::size_t(line) + 1);
  lines[std::size_t(line)] = text;
  writeUserFileAtomically(file, joinFileLines(lines));
  return {};
}

// The text after the first `words` words of the command's arguments.
std::string textAfter(const std::string& rest, std::size_t words) {
  std::size_t at = 0;
  for (std::size_t w = 0; w < words; ++w) {
    at = rest.find_first_not_of(" \t", at);
    at = rest.find_first_of(" \t", at);
    if (at == std::string::npos) return {};
  }
  std::size_t start = rest.find_first_not_of(" \t", at);
  return start == std::string::npos ? std::string() : rest.substr(start);
}

const char* outcomeName(ProgressLoad::Outcome o) {
  switch (o) {
    case ProgressLoad::Outcome::Loaded: return "loaded";
    case ProgressLoad::Outcome::Missing: return "missing, cleared";
    case ProgressLoad::Outcome::RestoredFromBackup: return "restored from save.dat.bak";
    case ProgressLoad::Outcome::Cleared: return "cleared";
  }
  return "";
}

}  // namespace

std::string Lab::cmdSave(const Args& a) {
  i32 n = 0;
  if (a.size() != 1 || !parseBelow(a[0], kSlotCount, n)) return "usage: save N (slot 0..9)";
  saveSlot(n, *state_, campaign_, UserFolders::fromEnvironment());
  out_ << "saved slot " << n << "\n";
  return {};
}

std::string Lab::cmdLoad(const Args& a) {
  i32 n = 0;
  if (a.size() != 1 || !parseBelow(a[0], kSlotCount, n)) return "usage: load N (slot 0..9)";
  SlotLoad load = loadSlot(n, *state_, campaign_, UserFolders::fromEnvironment());
  if (load.error != 0) return oneLine(load.message);
  battle_.reset();  // the party changed under it
  out_ << "loaded slot " << n << "\n";
  if (!load.progressMessage.empty()) out_ << "progress: " << oneLine(load.progressMessage) << "\n";
  return {};
}

std::string Lab::cmdSlotLine(const Args& a) {
  i32 n = 0;
  if (a.size() < 2 || !parseBelow(a[0], kSlotCount, n)) return "usage: slotline N LINE TEXT";
  return replaceLine(UserFolders::fromEnvironment().slotFile(n), a[1], textAfter(restOfLine_, 2));
}

std::string Lab::cmdProgress(const Args& a) {
  if (a.size() != 1 || (a[0] != "save" && a[0] != "load")) return "usage: progress save|load";
  const UserFolders folders = UserFolders::fromEnvironment();
  if (a[0] == "save") {
    rcsave(*state_, campaign_, folders);
    out_ << "progress saved\n";
    return {};
  }
  ProgressLoad load = rcload(*state_, campaign_, folders);
  if (!load.message.empty()) out_ << "error: " << oneLine(load.message) << "\n";
  out_ << "progress " << outcomeName(load.outcome) << "\n";
  return {};
}

std::string Lab::cmdProgressLine(const Args& a) {
  if (a.empty()) return "usage: progressline LINE TEXT";
  return replaceLine(UserFolders::fromEnvironment().progressFile(), a[0], textAfter(restOfLine_, 1));
}

std::string Lab::cmdFormation(const Args& a) {
  i32 r = 0;
  if (a.size() != 2 || (a[0] != "save" && a[0] != "load") || !parseBelow(a[1], kFormationCount, r))
    return "usage: formation save|load N (0..19)";
  const UserFolders folders = UserFolders::fromEnvironment();
  if (a[0] == "save") {
    saveFormation(r, *state_, folders);
    out_ << "formation " << r << " saved\n";
  } else {
    loadFormation(r, *state_, folders);
    out_ << "formation " << r << " loaded\n";
  }
  return {};
}

std::string Lab::printRecords(const Args& a) {
  if (a.size() != 1) return "usage: print records";
  const RecordsView view = recordsView(*state_->D);
  for (const CounterRow& c : view.counters) out_ << c.label << c.value << "\n";
  out_ << "全ｸﾘ職業";
  for (const JobRow& j : view.jobs) out_ << " " << j.text;
  out_ << "\n";
  for (const CollectionRow& c : view.creatures) {
    if (!c.defeated && !c.acquired && !c.summoned) continue;
    out_ << c.type << " " << c.name << (c.defeated ? " 倒した" : "") << (c.acquired ? " 取得した" : "")
         << (c.summoned ? " 召喚した" : "") << "\n";
  }
  out_ << "倒したX" << view.defeatedCount << " 取得したX" << view.acquiredCount << " 召喚したX" << view.summonedCount
       << "\n";
  for (const CharacterRow& c : view.characters)
    out_ << c.character << " " << (c.unlocked ? c.name : "?") << " " << c.condition << "\n";
  return {};
}

}  // namespace sorvane::lab
