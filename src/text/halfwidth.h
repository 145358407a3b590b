// Half-width mapping: full-width letters, digits, symbols and katakana become
// their half-width forms (ガ becomes ｶﾞ); everything else is left as it is.
// Menus and the records view use it to fit long names.
#pragma once

#include <string>
#include <string_view>

namespace sorvane::text {

std::string toHalfWidth(std::string_view utf8);

}  // namespace sorvane::text
