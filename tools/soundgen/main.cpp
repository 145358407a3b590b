// sorvane-soundgen: builds the game's music and effects from their text
// sources in assets/sound.
//   sorvane-soundgen music SONG.txt SOUNDFONT.sf2 OUT.ogg
//   sorvane-soundgen effects EFFECTS.txt OUTDIR
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "effects.h"
#include "render.h"
#include "song.h"

namespace {
std::string readText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Written beside the target and renamed, so a failed run leaves no half file.
void writeFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::filesystem::path tmp = path;
  tmp += ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + tmp.string());
  }
  std::filesystem::rename(tmp, path);
}
}  // namespace

int main(int argc, char** argv) {
  try {
    std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "music" && argc == 5) {
      soundgen::Song song = soundgen::parseSong(readText(argv[2]));
      soundgen::Rendered music = soundgen::renderSong(song, argv[3]);
      soundgen::normalise(music.audio, 0.16, 0.89);
      writeFile(argv[4], soundgen::encodeMusic(music, 0.3f));
      std::cout << std::filesystem::path(argv[4]).filename().string() << ": "
                << static_cast<double>(music.audio.frames()) / 44100 << " s, loops from "
                << static_cast<double>(music.loopFrom) / 44100 << " s to " << static_cast<double>(music.loopTo) / 44100
                << " s\n";
      return 0;
    }
    if (mode == "effects" && argc == 4) {
      std::filesystem::create_directories(argv[3]);
      for (const auto& [name, samples] : soundgen::synthesiseEffects(readText(argv[2])))
        writeFile(std::filesystem::path(argv[3]) / name, soundgen::wavFile(samples));
      return 0;
    }
    std::cerr << "usage: sorvane-soundgen music SONG.txt SOUNDFONT OUT.ogg\n"
                 "       sorvane-soundgen effects EFFECTS.txt OUTDIR\n";
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "sorvane-soundgen: " << e.what() << '\n';
    return 1;
  }
}
