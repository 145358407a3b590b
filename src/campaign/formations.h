// Formations, hensei.dat: twenty remembered parties (master, the creatures of
// the six circles, the summoning method). Loading one places only what the
// player may field now.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "campaign/user_files.h"
#include "data/syori.h"

namespace sorvane {

inline constexpr int kFormationCount = 20;

struct Formation {
  std::array<i32, 7> units{};  // master entry, then circles 1..6 (0 empty)
  i32 method = 0;              // 0 魔石召喚, anything else 魔法円召喚
};

// One line of the file: seven fields of 10 characters padded with ".", then the method digit.
std::string formationLine(const Formation& f);
// Fields that are not numbers read as 0.
Formation parseFormationLine(std::string_view line);

// All twenty formations of the file text; missing lines are empty formations.
std::array<Formation, kFormationCount> parseFormations(std::string_view bytes);

// The formation of the current party.
Formation currentFormation(const Tsyori& state);

// What a formation shows in the list: a master the player has not unlocked,
// and creatures the player may not field, show as entry 0.
Formation shownFormation(const Formation& f, const Tdeta& d);

// Places formation `f`: in the campaign the master stays; in the extra stages
// an unlocked master is taken. Creatures are placed only when acquired, not
// 57, and not already in an earlier circle; the method goes to all seven records.
void placeFormation(const Formation& f, Tsyori& state);

// Stores the current party as formation r (the file is created when missing).
void saveFormation(int r, const Tsyori& state, const UserFolders& folders);
// Places formation r from the file. Throws UserFileError when there is no file.
void loadFormation(int r, Tsyori& state, const UserFolders& folders);

void createFormationsFileIfMissing(const UserFolders& folders);

}  // namespace sorvane
