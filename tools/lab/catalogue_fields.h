// NAME=VALUE renderings of catalogue entries, in record order, for the lab's
// `print skill|ability|special|creature ID`.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "data/deta.h"

namespace sorvane::lab {

using Fields = std::vector<std::pair<std::string, std::string>>;

Fields describeSkill(const Twst& w);
Fields describeAbility(const Ttst& t);
Fields describeSpecial(const Thst& h);
Fields describeCreature(const Tcst& c);

}  // namespace sorvane::lab
