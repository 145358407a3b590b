// Fills the two ability catalogues from their tables (data/tables/abilities.cpp
// and data/tables/specials.cpp). Runs once at start-up, after the skills and
// before the creatures, whose rows name abilities by id.
#include "data/deta.h"

namespace sorvane::tables {
void fillAbilities(std::array<Ttst, kAbilityCount>& catalogue);
void fillSpecials(std::array<Thst, kSpecialCount>& catalogue);
}  // namespace sorvane::tables

namespace sorvane {

void Tdeta::InitAbilities() {
  tables::fillAbilities(abilities);
  tables::fillSpecials(specials);
}

}  // namespace sorvane
