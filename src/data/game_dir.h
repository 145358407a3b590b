// Where the game's read-only data (the archives, music and effects) lives.
#pragma once

#include <string>

namespace sorvane {

// The folder holding dat.qda, with a trailing slash: $SORVANE_DATA_DIR when
// set; else the program's own folder (a build tree, an unpacked game); else
// ../share/sorvane beside it (an installed game). Falls back to the program's
// folder, where the loaders then report the missing archive.
std::string findGameDir();

}  // namespace sorvane
