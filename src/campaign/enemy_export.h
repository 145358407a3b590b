// A developer's tool of the preparation screen: the player's party (the
// master and the six circles) written as unit rows of a stage definition, so
// that a party built in the game can be pasted into the stage catalogue as
// side 1's party (slots 16..22). Every unit is written at level 50, with the
// skills its catalogue entry has learned, the master's held abilities, and
// the plain computer setting Ip(1).
#pragma once

#include <filesystem>
#include <string>

#include "data/syori.h"

namespace sorvane {

// The rows, one per line, each ending in a line feed.
std::string exportParty(const Tsyori& s);

// Writes exportParty to `file` (replacing it atomically).
void exportPartyTo(const std::filesystem::path& file, const Tsyori& s);

}  // namespace sorvane
