// sorvane-lab [SCRIPT]: runs lab commands from SCRIPT, or from standard input.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "lab.h"

int main(int argc, char** argv) {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  std::string gameDir = ec ? std::string("./") : exe.parent_path().string() + "/";

  sorvane::lab::Lab lab(std::cout, gameDir);
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
