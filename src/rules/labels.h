// Texts, hints and colours of the battle page's weather label and the two
// element-field labels. The rules announce the label texts as banners; the
// window shows them with their hints. Hint lines are separated by carriage
// returns, like every other description of the game.
#pragma once

#include <string>
#include <string_view>

#include "data/types.h"

namespace sorvane {

// "天気:曇り" … "天気:晴れ" for weather codes 0..7; "" for any other code.
std::string_view weatherLabelText(i32 weather);
std::string_view weatherHint(i32 weather);
Rgb weatherColour(i32 weather);

// The label of a team's element field: "自属性:" (team 1) or "敵属性:" (team 2)
// followed by the element letter and the creature count, "自属性:炎3" …
// "敵属性:水5"; "自属性:無" / "敵属性:無" when the team has no field.
std::string elementFieldLabelText(i32 team, i32 field);
// Hint and colour of an element-field value (0 or 3..20); both labels use the same.
std::string_view elementFieldHint(i32 field);
Rgb elementFieldColour(i32 field);

}  // namespace sorvane
