#include "rules/labels.h"

#include <array>

namespace sorvane {

namespace {

constexpr Rgb kGrey{128, 128, 128};

struct LabelRow {
  std::string_view text;
  std::string_view hint;
  Rgb colour;
};

// clang-format off
constexpr std::array<LabelRow, 8> kWeatherRows = {{
    {"天気:曇り",   "補正なし。",                                                            {128, 128, 128}},
    {"天気:熱波",   "[炎属性]の攻撃力、魔力10%アップ。\r防御力20%アップ。",                  {255, 128, 128}},
    {"天気:吹雪",   "[氷属性]の攻撃力、防御力、魔力10%アップ。\r[氷属性]技の射程2アップ。", {128, 220, 220}},
    {"天気:快晴",   "[木属性]の攻撃力、防御力、魔力10%アップ。\r移動1アップ。",             {115, 220, 115}},
    {"天気:砂塵嵐", "[地属性]の攻撃力、防御力10%アップ。\r魔力20%アップ。",                  {245, 182, 118}},
    {"天気:雷雨",   "[雷属性]の攻撃力、防御力、魔力10%アップ。\r命中率20%アップ。",          {196, 128, 255}},
    {"天気:雨",     "[水属性]の攻撃力、防御力、魔力10%アップ。\rクリティカル率20%アップ。",  {128, 128, 255}},
    {"天気:晴れ",   "補正なし。",                                                            {128, 128, 128}},
}};

// Element-field hints by value; 1 and 2 never occur (a field needs three creatures).
constexpr std::array<std::string_view, 21> kFieldHints = {
    /*  0 */ "補正なし。",
    /*  1 */ "",
    /*  2 */ "",
    /*  3 */ "マスターが[炎属性]になる。\r[炎属性]の攻撃力10%アップ。",
    /*  4 */ "マスターが[炎属性]になる。\r[炎属性]が移動したマスが[焼野原]になる。",
    /*  5 */ "マスターが[炎属性]になる。\r[炎属性]が移動したマスが[マグマ]になる。",
    /*  6 */ "マスターが[氷属性]になる。\r[氷属性]の技の追加効果発動率30%アップ。",
    /*  7 */ "マスターが[氷属性]になる。\r[氷属性]の技の追加効果発動率30%アップ。\r相手の攻撃力、防御力、魔力10%ダウン。",
    /*  8 */ "マスターが[氷属性]になる。\r[氷属性]の技の追加効果発動率30%アップ。\r相手の攻撃力、防御力、魔力15%ダウン、移動1ダウン。",
    /*  9 */ "マスターが[木属性]になる。\rフェイズ開始時に[木属性]のHP5%回復",
    /* 10 */ "マスターが[木属性]になる。\rフェイズ開始時に[木属性]のHP5%回復\rフェイズ開始時に[木属性]のSP2回復",
    /* 11 */ "マスターが[木属性]になる。\rフェイズ開始時に[木属性]のHP5%回復\rフェイズ開始時に[木属性]のSP3回復",
    /* 12 */ "マスターが[地属性]になる。\r[地属性]の防御力10%アップ。",
    /* 13 */ "マスターが[地属性]になる。\r[地属性]の攻撃力、防御力20%アップ。",
    /* 14 */ "マスターが[地属性]になる。\r[地属性]の攻撃力、防御力35%アップ。\r相手を[重力]にする。",
    /* 15 */ "マスターが[雷属性]になる。\r[雷属性]の移動1アップ。",
    /* 16 */ "マスターが[雷属性]になる。\r[雷属性]の移動1ダウン。\r[雷属性]の移動可能回数1アップ。",
    /* 17 */ "マスターが[雷属性]になる。\r[雷属性]の攻撃力、防御力、魔力10%ダウン。移動1ダウン。\r[雷属性]の移動可能回数、技可能回数1アップ。",
    /* 18 */ "マスターが[水属性]になる。\r[水属性]の魔力10%アップ。",
    /* 19 */ "マスターが[水属性]になる。\r[水属性]の魔力20%アップ。\r[水属性]の2以上の技の射程1アップ。",
    /* 20 */ "マスターが[水属性]になる。\r[水属性]の魔力35%アップ。\r[水属性]の2以上の技の射程2アップ。\r[水属性]の2以上の技の効果1アップ。",
};
// clang-format on

bool validWeather(i32 weather) { return weather >= 0 && weather < static_cast<i32>(kWeatherRows.size()); }

// The element of a field value: 3..5 fire … 18..20 water; 0 for none or an unknown value.
i32 fieldElement(i32 field) { return field >= 3 && field <= 20 ? field / 3 : 0; }

}  // namespace

std::string_view weatherLabelText(i32 weather) { return validWeather(weather) ? kWeatherRows[weather].text : ""; }

std::string_view weatherHint(i32 weather) { return validWeather(weather) ? kWeatherRows[weather].hint : ""; }

Rgb weatherColour(i32 weather) { return validWeather(weather) ? kWeatherRows[weather].colour : kGrey; }

std::string elementFieldLabelText(i32 team, i32 field) {
  std::string text = team == 1 ? "自属性:" : "敵属性:";
  const i32 element = fieldElement(field);
  text += kElementNames[element];
  if (element > 0) text += std::to_string(field % 3 + 3);
  return text;
}

std::string_view elementFieldHint(i32 field) {
  return fieldElement(field) > 0 ? kFieldHints[field] : kFieldHints[0];
}

Rgb elementFieldColour(i32 field) { return kElementColours[fieldElement(field)]; }

}  // namespace sorvane
