#include "data/deta.h"

namespace sorvane {

const std::string& Tdeta::abilityName(int id) const {
  static const std::string none;
  return id >= 0 && id < kAbilityCount ? abilities[id].Name : none;
}

bool Tdeta::hasAbility(const Tkst& unit, int id) const {
  const std::string& name = abilityName(id);
  return !name.empty() && unit.TNS.contains(name);
}

Name Tdeta::buildTNS(const std::array<i32, 4>& tn) const {
  std::string joined;
  for (i32 id : tn) joined += abilityName(id);
  return Name(joined);
}

}  // namespace sorvane
