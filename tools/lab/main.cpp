// sorvane-lab [SCRIPT]: runs lab commands from SCRIPT, or from standard input.
#include <fstream>
#include <iostream>

#include "data/game_dir.h"
#include "lab.h"

int main(int argc, char** argv) {
  sorvane::lab::Lab lab(std::cout, sorvane::findGameDir());
  if (argc > 2) {
    std::cerr << "usage: sorvane-lab [SCRIPT]\n";
    return 2;
  }
  if (argc == 2) {
    std::ifstream script(argv[1]);
    if (!script) {
      std::cerr << "sorvane-lab: cannot read " << argv[1] << "\n";
      return 1;
    }
    lab.run(script);
  } else {
    lab.run(std::cin);
  }
  return 0;
}
