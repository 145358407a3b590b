// Running lab scripts in tests: a fresh lab over the built game files.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "lab.h"

namespace sorvane::lab {

// Runs `script` in a fresh lab and returns what it printed.
inline std::string runScript(const std::string& script) {
  std::ostringstream out;
  Lab lab(out, SORVANE_GAME_DIR);
  std::istringstream in(script);
  lab.run(in);
  return out.str();
}

inline std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) out.push_back(l);
  return out;
}

}  // namespace sorvane::lab
