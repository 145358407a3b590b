#include "rules/presentation.h"

namespace sorvane {

FloatingText FloatingText::decode(i32 value, std::string text) {
  struct Code {
    i32 value;
    FloatKind kind;
  };
  static constexpr Code kCodes[] = {
      {shown::Death, FloatKind::Death},       {shown::Summoned, FloatKind::Summoned},
      {shown::Vanished, FloatKind::Vanished}, {shown::Inflicted, FloatKind::Inflicted},
      {shown::Cured, FloatKind::Cured},       {shown::Gained, FloatKind::Gained},
      {shown::Lost, FloatKind::Lost},         {shown::Critical, FloatKind::Critical},
      {shown::Miss, FloatKind::Miss},         {shown::ElementNote, FloatKind::ElementNote},
      {shown::NameReveal, FloatKind::NameReveal}, {shown::Ability, FloatKind::Ability},
      {shown::Usable, FloatKind::Usable},
  };
  FloatingText f;
  f.code = value;
  f.text = std::move(text);
  if (value >= shown::ElementName && value <= shown::ElementName + Water) {
    f.kind = FloatKind::ElementName;
    f.element = value - shown::ElementName;
    return f;
  }
  for (const Code& c : kCodes)
    if (c.value == value) {
      f.kind = c.kind;
      return f;
    }
  f.kind = FloatKind::Amount;
  f.amount = value;
  return f;
}

Banner Banner::result(i32 battleResult) {
  switch (battleResult) {
    case Won: return {BannerKind::Win, "win"};
    case Lost: return {BannerKind::Lose, "lose"};
    case Draw: return {BannerKind::Draw, "draw"};
    default: return {BannerKind::Give, "give"};
  }
}

}  // namespace sorvane
