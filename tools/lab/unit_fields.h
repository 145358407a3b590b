// Names for the fields of a unit record, in record order, so the lab can set
// and print any field by the name the game uses for it.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "data/deta.h"

namespace sorvane::lab {

// NAME=VALUE pairs of every field of a record, in record order.
std::vector<std::pair<std::string, std::string>> describeUnit(const Tkst& unit);

// Sets field `name` of `unit` from `value`; W and TN take comma lists, and
// setting TN rebuilds TNS. Returns an error text, empty on success.
std::string setUnitField(Tkst& unit, const std::string& name, const std::string& value, const Tdeta& store);

}  // namespace sorvane::lab
