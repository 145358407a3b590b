#include "lab.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <sstream>

namespace sorvane::lab {

namespace {

std::string_view trim(std::string_view s) {
  const char* space = " \t\r\n";
  std::size_t b = s.find_first_not_of(space);
  if (b == std::string_view::npos) return {};
  return s.substr(b, s.find_last_not_of(space) - b + 1);
}

}  // namespace

Lab::Lab(std::ostream& out, std::string gameDir) : out_(out), gameDir_(std::move(gameDir)) {
  state_ = std::make_unique<Tsyori>();
  cmdNewGame({});
}

void Lab::run(std::istream& script) {
  std::string line;
  while (std::getline(script, line)) execute(line);
}

void Lab::execute(std::string_view line) {
  line = trim(line.substr(0, line.find('#')));
  if (line.empty()) return;

  std::size_t wordEnd = line.find_first_of(" \t");
  std::string command(line.substr(0, wordEnd));
  restOfLine_ = wordEnd == std::string_view::npos ? "" : std::string(trim(line.substr(wordEnd)));
  Args args;
  std::istringstream words(restOfLine_);
  for (std::string w; words >> w;) args.push_back(w);

  using Handler = std::string (Lab::*)(const Args&);
  static const std::pair<std::string_view, Handler> kCommands[] = {
      {"seed", &Lab::cmdSeed},       {"newgame", &Lab::cmdNewGame}, {"map", &Lab::cmdMap},
      {"mapline", &Lab::cmdMapLine}, {"terrain", &Lab::cmdTerrain}, {"set", &Lab::cmdSet},
      {"place", &Lab::cmdPlace},     {"global", &Lab::cmdGlobal},   {"print", &Lab::cmdPrint},
      {"hash", &Lab::cmdHash},       {"setk", &Lab::cmdSetK},       {"stage", &Lab::cmdStage},
      {"select", &Lab::cmdSelect},   {"hosei", &Lab::cmdHosei},     {"moveReach", &Lab::cmdMoveReach},
      {"summonReach", &Lab::cmdSummonReach}, {"skillReach", &Lab::cmdSkillReach},
      {"skillArea", &Lab::cmdSkillArea},     {"specialReach", &Lab::cmdSpecialReach},
      {"specialArea", &Lab::cmdSpecialArea}, {"move", &Lab::cmdMove},
      {"skill", &Lab::cmdSkill},     {"summon", &Lab::cmdSummon},   {"return", &Lab::cmdReturn},
      {"use", &Lab::cmdUse},         {"start", &Lab::cmdStart},     {"tchange", &Lab::cmdTchange},
      {"surrender", &Lab::cmdSurrender}, {"answer", &Lab::cmdAnswer}, {"feedback", &Lab::cmdFeedback},
      {"ai", &Lab::cmdAiCheck},      {"autoplay", &Lab::cmdAutoplay}, {"battle", &Lab::cmdBattle},
      {"undo", &Lab::cmdUndo},       {"order", &Lab::cmdOrder},     {"orders", &Lab::cmdOrders},
      {"rngstate", &Lab::cmdRngState},
      {"save", &Lab::cmdSave},       {"load", &Lab::cmdLoad},       {"slotline", &Lab::cmdSlotLine},
      {"progress", &Lab::cmdProgress}, {"progressline", &Lab::cmdProgressLine},
      {"formation", &Lab::cmdFormation}, {"prep", &Lab::cmdPrep},     {"export", &Lab::cmdExport},
      {"campaign", &Lab::cmdCampaign}, {"flag", &Lab::cmdFlag},      {"story", &Lab::cmdStory},
  };
  // Lines that only look, and the orders (journalled by the command
  // interface in their own form), are not part of a replay's set-up.
  static constexpr std::string_view kNotJournalled[] = {
      "print", "hash", "feedback", "orders", "order", "move", "skill", "summon", "return", "use",
      "tchange", "surrender", "undo", "newgame", "battle", "save", "slotline", "progressline",
      "export", "campaign", "story",
  };
  for (const auto& [name, handler] : kCommands) {
    if (name != command) continue;
    std::string error;
    try {
      error = (this->*handler)(args);
    } catch (const std::exception& e) {
      error = e.what();
    }
    if (!error.empty()) {
      out_ << "error: " << error << "\n";
      return;
    }
    if (std::find(std::begin(kNotJournalled), std::end(kNotJournalled), command) == std::end(kNotJournalled))
      journal_.emplace_back(line);
    return;
  }
  out_ << "error: unknown command " << command << "\n";
}

}  // namespace sorvane::lab
