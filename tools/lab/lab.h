// sorvane-lab: a text console over the engine. Each line is one command;
// `#` starts a comment; a bad command prints "error: <reason>" and the script
// goes on.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/syori.h"

namespace sorvane::lab {

class Lab {
 public:
  // `gameDir` is where the archives are (ends in a path separator).
  Lab(std::ostream& out, std::string gameDir);

  void run(std::istream& script);
  void execute(std::string_view line);

  Tsyori& state() { return *state_; }

 private:
  using Args = std::vector<std::string>;
  // Each command returns an error text, empty on success.
  std::string cmdSeed(const Args& a);
  std::string cmdNewGame(const Args& a);
  std::string cmdMap(const Args& a);
  std::string cmdMapLine(const Args& a);
  std::string cmdTerrain(const Args& a);
  std::string cmdSet(const Args& a);
  std::string cmdPlace(const Args& a);
  std::string cmdGlobal(const Args& a);
  std::string cmdPrint(const Args& a);
  std::string cmdHash(const Args& a);
  std::string cmdSetK(const Args& a);   // lab_stage_commands.cpp
  std::string cmdStage(const Args& a);
  std::string printUnits(const Args& a);

  std::string printUnit(const Args& a);
  std::string printGrid(const Args& a);
  std::string printState();
  std::string printCatalogue(const Args& a);  // skill, ability, special, creature

  std::ostream& out_;
  std::string gameDir_;
  std::unique_ptr<Tsyori> state_;
  std::string restOfLine_;  // the text after the command word, for commands that take free text
};

}  // namespace sorvane::lab
