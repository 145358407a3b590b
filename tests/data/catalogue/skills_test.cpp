// The skill catalogue: the entries given in full, the category and effect
// tables, the value ranges, and above all that every description says what
// the skill's columns do (a player reads the text, the rules read the numbers).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "data/deta.h"

namespace sorvane {
namespace {

const Tdeta& catalogues() {
  static const std::unique_ptr<Tdeta> deta = [] {
    auto d = std::make_unique<Tdeta>();
    d->InitSkills();
    return d;
  }();
  return *deta;
}

const Twst& skill(int id) { return catalogues().skills[id]; }

bool isEmptyId(int id) { return (id >= 194 && id <= 200) || id == 269; }

// Every id that holds a real skill (1..318 without the empty ones).
std::vector<int> skillIds() {
  std::vector<int> ids;
  for (int id = 1; id < kSkillCount; ++id)
    if (!isEmptyId(id)) ids.push_back(id);
  return ids;
}

std::string label(const Twst& w) { return std::to_string(w.Id) + " " + w.Name + " 「" + w.Desc + "」"; }

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// ---------------------------------------------------------------------------
// Facts of the game that the texts name.

const std::array<std::string, 14> kAilmentNames = {"毒", "凍傷", "重力", "暗闇", "麻痺", "怯み", "移動不能",
                                                   "技不能", "睡眠", "石化", "呪い", "封魔", "ロックオン", "寄生"};
const std::array<std::string, 7> kChangeNames = {"霊体", "飛行", "HPヒール", "SPヒール",
                                                 "物理シールド", "特殊シールド", "状態シールド"};
const std::map<int, std::string> kFamiliarNames = {
    {201, "ブラッドゴーレム"}, {202, "クレイゴーレム"}, {203, "アイアンゴーレム"}, {204, "スケルトン"}, {205, "ワイト"},
    {206, "ゴースト"},         {207, "デコイ"},         {208, "岩"},               {209, "インプ"}};
const std::array<std::string, 14> kTerrainNames = {"移動不能", "平地", "焼野原", "マグマ", "氷", "雪原", "草原",
                                                   "森", "砂地", "岩山", "鉱床", "クリスタル", "川", "海"};
const std::array<std::string, 8> kWeatherNames = {"曇り", "熱波", "吹雪", "快晴", "砂塵嵐", "雷雨", "雨", "晴れ"};

// Every skill's id and name as the catalogue lists them.
const char* const kSkillList = R"(
1 打撃, 2 体当たり, 3 強打, 4 連撃, 5 突進, 6 強打撃, 7 真空波, 8 斬空波, 9 念力, 10 念動力
11 毒霧, 12 痺れガス, 13 催眠術, 14 黒霧, 15 邪視, 16 脱魂, 17 封印術, 18 浮力, 19 呪術, 20 重力変化
21 攻撃強化, 22 防御強化, 23 魔力強化, 24 脚力強化, 25 攻撃弱体, 26 防御弱体, 27 魔力弱体, 28 毒治し, 29 凍傷治し, 30 重力治し
31 暗闇治し, 32 麻痺治し, 33 怯み治し, 34 行動不能治し, 35 睡眠治し, 36 石化治し, 37 封魔治し, 38 状態異常治し, 39 屍兵召喚, 40 屍魔兵召喚
41 霊兵召喚, 42 屍兵強化, 43 スキルトレード, 44 闇の鎖, 45 光の鎖, 46 断空, 47 粉砕, 48 託す, 49 浄化の光, 50 ファイアパンチ
51 ファイアチャージ, 52 烈火連撃, 53 火撃, 54 鬼火, 55 爆破, 56 炎撃, 57 大爆破, 58 ファイアブレス, 59 火炎撃, 60 炎上
61 マナバーン, 62 漆黒の炎, 63 インフェルノ, 64 自爆, 65 メテオ, 66 熱波, 67 炎の渦, 68 炎の壁, 69 暖気, 70 熱気
71 氷の刃, 72 氷の矢, 73 氷の槍, 74 氷柱連弾, 75 氷走り, 76 フローズンインパクト, 77 ブリザード, 78 冷気, 79 急速冷凍, 80 コールドブレス
81 腕封じ, 82 絶対零度, 83 オーロラ, 84 冷却液, 85 ダイヤモンドダスト, 86 フローズンアーマー, 87 雪降らし, 88 氷点, 89 氷道, 90 アイスシールド
91 針葉, 92 つる打撃, 93 大木打撃, 94 つるしばり, 95 木呪, 96 消化液, 97 精気吸収, 98 催眠毒花粉, 99 花吹雪, 100 範囲毒花粉
101 劇毒花粉, 102 毒花粉, 103 麻痺花粉, 104 昏睡花粉, 105 封魔花粉, 106 寄生種子, 107 解毒草, 108 解痺草, 109 万能漢方, 110 楽園の実
111 花守, 112 花衣, 113 自己治癒, 114 癒しの実, 115 養分補給, 116 マナの実, 117 投石, 118 岩石投げ, 119 地盤崩壊, 120 岩突起
121 岩雪崩, 122 サンドブレス, 123 ストーンニードル, 124 ストーンアーマー, 125 地割れ, 126 地震, 127 天変地異, 128 重力砲, 129 重力波, 130 石化
131 石の壁, 132 岩石の壁, 133 石の牢, 134 砂起こし, 135 石畳, 136 硬化, 137 鋼鉄練成, 138 サンドシールド, 139 泥人形, 140 血人形
141 鋼鉄人形, 142 サンダーパンチ, 143 サンダーチャージ, 144 電光石火, 145 電撃, 146 雷撃, 147 電波, 148 電磁砲, 149 サンダーブレス, 150 サンダービーム
151 稲妻, 152 磁場, 153 ケラウノス, 154 磁気嵐, 155 閃光, 156 瞬間移動, 157 X位置交換, 158 加速, 159 超加速, 160 激流連撃
161 水の刃, 162 水の矢, 163 水波, 164 水撃, 165 水の槍, 166 泥沼, 167 水爆, 168 アクアブレス, 169 放水, 170 粘着液
171 熔解液, 172 錬水撃, 173 濁流, 174 大津波, 175 吸水, 176 癒しの水, 177 湧き水, 178 雨乞い, 179 上昇気流, 180 ｳｫｰﾀｰｳﾞｪｰﾙ
181 状態変化解除, 182 ステータス解除, 183 リーフブレス, 184 覚醒, 185 精神攻撃, 186 闇の渦, 187 光の渦, 188 透視, 189 晴れ乞い, 190 砂嵐
191 アイスパンチ, 192 アイスチャージ, 193 領域侵食, 201 スラッシュ, 202 スピンスラッシュ, 203 エアスラッシュ, 204 ダブルスラッシュ, 205 ハードスラッシュ, 206 ファイアブレイド, 207 アイスブレイド
208 ウッドブレイド, 209 アースブレイド, 210 サンダーブレイド, 211 アクアブレイド, 212 ポイズンスラッシュ, 213 パラスラッシュ, 214 ダークスラッシュ, 215 シャドウスラッシュ, 216 シャインスラッシュ, 217 カタストロフィ
218 オンスロート, 219 ソードダンス, 220 デススラッシュ, 221 ショット, 222 ガイデットショット, 223 ダブルショット, 224 マルチショット, 225 ハードショット, 226 マジックショット, 227 ファイアショット
228 アイスショット, 229 ウッドショット, 230 アースショット, 231 サンダーショット, 232 アクアショット, 233 サイドワインダー, 234 ポイズンショット, 235 ストレイフ, 236 ライトブラスト, 237 ソイルブラスト
238 エアブラスト, 239 ファイアブラスト, 240 アイスブラスト, 241 リーフブラスト, 242 サンドブラスト, 243 サンダーブラスト, 244 アクアブラスト, 245 ファイアストーム, 246 アイスストーム, 247 リーフストーム
248 サンドストーム, 249 サンダーストーム, 250 アクアストーム, 251 ホロコースト, 252 オフェンス, 253 ディフェンス, 254 エナジー, 255 アクセレレイション, 256 ロックオン, 257 フライ
258 HPヒール, 259 SPヒール, 260 エナジーシールド, 261 エナジーアーマー, 262 エナジーヴェール, 263 アストラルシールド, 264 キュアポイズン, 265 キュアムーブ, 266 キュアアクト, 267 キュアカース
268 キュアオール, 270 アタックエンチャント, 271 ガードエンチャント, 272 マジックエンチャント, 273 キャンセルエンチャント, 274 ステータスリセット, 275 応急処置, 276 手当て, 277 瞑想, 278 ヒーリング
279 ヒーリングウィンド, 280 コンバート, 281 囮召喚, 282 ワープ, 283 Xテレキネシス, 284 天候操作炎, 285 天候操作氷, 286 天候操作地, 287 天候操作雷, 288 天候操作水
289 地形操作炎, 290 地形操作氷, 291 地形操作木, 292 地形操作地, 293 地形操作雷, 294 地形操作水, 295 コンセントレーション, 296 アボイド, 297 フォーキャスト, 298 天候操作木
299 スピリットテイカー, 300 使い魔召喚, 301 ランページ, 302 ファストスラッシュ, 303 アサルトスラッシュ, 304 リージョングロウ, 305 ニュートラルブラスト, 306 アースフューリー, 307 テンペスト, 308 エレメントシンパシー
309 エレメントフュージョン, 310 リージョンイレース, 311 オフェンスオーラ, 312 ディフェンスオーラ, 313 マジックオーラ, 314 ナチュライズオーラ, 315 サンクチュアリ, 316 ヴィガーオーラ, 317 インベージョン, 318 オーラバースト
)";

std::map<int, std::string> listedNames() {
  std::map<int, std::string> names;
  std::string list = kSkillList;
  std::replace(list.begin(), list.end(), '\n', ',');
  std::stringstream in(list);
  std::string item;
  while (std::getline(in, item, ',')) {
    auto first = item.find_first_not_of(' ');
    if (first == std::string::npos) continue;
    item = item.substr(first);
    auto space = item.find(' ');
    names[std::stoi(item.substr(0, space))] = item.substr(space + 1);
  }
  return names;
}

// All numbers of a record, named, in catalogue order.
std::vector<std::pair<std::string, i32>> numbers(const Twst& w) {
  std::vector<std::pair<std::string, i32>> n = {
      {"Id", w.Id},         {"Elem", w.Elem},     {"Special", w.Special},   {"Power", w.Power},
      {"Hit", w.Hit},       {"Crit", w.Crit},     {"Range", w.Range},      {"SelfOK", w.SelfOK},
      {"Area", w.Area},     {"ZocArea", w.ZocArea}, {"Cost", w.Cost},      {"Cat", w.Cat},
      {"Line", w.Line},     {"Target", w.Target}, {"Effect", w.Effect},    {"Hits", w.Hits}};
  for (int a = 0; a < 14; ++a) n.push_back({"AilV[" + kAilmentNames[a] + "]", w.AilV[a]});
  for (int a = 0; a < 14; ++a) n.push_back({"AilC[" + kAilmentNames[a] + "]", w.AilC[a]});
  for (int c = 0; c < 7; ++c) n.push_back({"ChgV[" + kChangeNames[c] + "]", w.ChgV[c]});
  for (int c = 0; c < 7; ++c) n.push_back({"ChgC[" + kChangeNames[c] + "]", w.ChgC[c]});
  std::vector<std::pair<std::string, i32>> tail = {
      {"SelfAtkV", w.SelfAtkV}, {"SelfAtkC", w.SelfAtkC}, {"SelfDefV", w.SelfDefV}, {"SelfDefC", w.SelfDefC},
      {"SelfMagV", w.SelfMagV}, {"SelfMagC", w.SelfMagC}, {"SelfMovV", w.SelfMovV}, {"SelfMovC", w.SelfMovC},
      {"SelfHPV", w.SelfHPV},   {"SelfHPC", w.SelfHPC},   {"TgtAtkV", w.TgtAtkV},   {"TgtAtkC", w.TgtAtkC},
      {"TgtDefV", w.TgtDefV},   {"TgtDefC", w.TgtDefC},   {"TgtMagV", w.TgtMagV},   {"TgtMagC", w.TgtMagC},
      {"TgtMovV", w.TgtMovV},   {"TgtMovC", w.TgtMovC},   {"Param", w.Param}};
  n.insert(n.end(), tail.begin(), tail.end());
  return n;
}

// Reports every column in which two records differ.
void expectSameRecord(const Twst& expected, const Twst& actual) {
  EXPECT_EQ(actual.Name, expected.Name) << "id " << expected.Id;
  EXPECT_EQ(actual.Desc, expected.Desc) << "id " << expected.Id;
  auto want = numbers(expected), got = numbers(actual);
  for (std::size_t i = 0; i < want.size(); ++i)
    EXPECT_EQ(got[i].second, want[i].second) << "id " << expected.Id << " " << expected.Name << ": " << want[i].first;
}

bool anyAilment(const Twst& w) {
  return std::any_of(w.AilC.begin(), w.AilC.end(), [](i32 c) { return c != 0; }) ||
         std::any_of(w.AilV.begin(), w.AilV.end(), [](i32 v) { return v != 0; });
}
bool anyChange(const Twst& w) {
  return std::any_of(w.ChgC.begin(), w.ChgC.end(), [](i32 c) { return c != 0; }) ||
         std::any_of(w.ChgV.begin(), w.ChgV.end(), [](i32 v) { return v != 0; });
}
bool anyTargetStat(const Twst& w) { return w.TgtAtkC || w.TgtDefC || w.TgtMagC || w.TgtMovC || w.TgtAtkV || w.TgtDefV || w.TgtMagV || w.TgtMovV; }
bool anySelfStat(const Twst& w) {
  return w.SelfAtkC || w.SelfDefC || w.SelfMagC || w.SelfMovC || w.SelfHPC || w.SelfAtkV || w.SelfDefV || w.SelfMagV ||
         w.SelfMovV || w.SelfHPV;
}

// A skill whose only possible target is the user: range 0 on its own cell, no spread.
bool selfOnly(const Twst& w) { return w.Cat == 1 && w.Range == 0 && w.SelfOK == 1 && w.Area == 1 && w.ZocArea == 0; }

// ---------------------------------------------------------------------------
// Reading the description.

std::vector<std::string> sentences(const std::string& desc) {
  std::vector<std::string> out;
  std::string cur;
  for (std::size_t i = 0; i < desc.size();) {
    if (desc[i] == '\r') {
      if (!cur.empty()) out.push_back(cur);
      cur.clear();
      ++i;
    } else if (desc.compare(i, 3, "。") == 0) {
      out.push_back(cur + "。");
      cur.clear();
      i += 3;
    } else {
      cur += desc[i++];
    }
  }
  if (!cur.empty()) out.push_back(cur);
  return out;
}

std::vector<std::string> bracketed(const std::string& desc) {
  std::vector<std::string> out;
  for (std::size_t open = desc.find('['); open != std::string::npos; open = desc.find('[', open + 1)) {
    std::size_t close = desc.find(']', open);
    if (close == std::string::npos) break;
    out.push_back(desc.substr(open + 1, close - open - 1));
  }
  return out;
}

// The chance a sentence states ("40%の確率で"), 100 when it states none.
i32 statedChance(const std::string& sentence) {
  std::size_t at = sentence.find("%の確率で");
  if (at == std::string::npos) return 100;
  std::size_t start = at;
  while (start > 0 && std::isdigit(static_cast<unsigned char>(sentence[start - 1]))) --start;
  return std::atoi(sentence.substr(start, at - start).c_str());
}

// One stated change of a value: "相手の攻撃力、防御力5%ダウン" gives two.
struct StatClause {
  std::string who;  // "相手" (the targets, or 自マスター) or "自分" (the user)
  std::string stat;  // 攻撃力 防御力 魔力 移動 HP SP
  i32 value;
  i32 chance;
  bool percent;
  auto key() const { return std::tie(who, stat, value, chance, percent); }
  bool operator<(const StatClause& o) const { return key() < o.key(); }
  bool operator==(const StatClause& o) const { return key() == o.key(); }
};

std::ostream& operator<<(std::ostream& out, const StatClause& c) {
  return out << c.who << "の" << c.stat << (c.value > 0 ? "+" : "") << c.value << (c.percent ? "%" : "") << " ("
             << c.chance << "%)";
}

bool startsAt(const std::string& s, std::size_t pos, const std::string& word) { return s.compare(pos, word.size(), word) == 0; }

std::vector<StatClause> statClauses(const std::string& desc) {
  static const std::vector<std::string> kStats = {"攻撃力", "防御力", "魔力", "移動", "HP", "SP"};
  static const std::vector<std::pair<std::string, std::string>> kSubjects = {
      {"相手の", "相手"}, {"自マスターの", "相手"}, {"自分の", "自分"}};
  static const std::vector<std::pair<std::string, int>> kDirections = {
      {"アップ", 1}, {"ダウン", -1}, {"回復", 1}, {"減少", -1}};
  std::vector<StatClause> out;
  for (const std::string& s : sentences(desc)) {
    i32 chance = statedChance(s);
    for (const auto& [marker, who] : kSubjects) {
      for (std::size_t at = s.find(marker); at != std::string::npos; at = s.find(marker, at + 1)) {
        std::size_t pos = at + marker.size();
        std::vector<std::string> pending;
        while (true) {
          auto stat = std::find_if(kStats.begin(), kStats.end(), [&](const std::string& w) { return startsAt(s, pos, w); });
          if (stat == kStats.end()) break;
          pending.push_back(*stat);
          pos += stat->size();
          if (startsAt(s, pos, "、")) {
            pos += std::string("、").size();
            continue;
          }
          std::size_t digits = pos;
          while (digits < s.size() && std::isdigit(static_cast<unsigned char>(s[digits]))) ++digits;
          if (digits == pos) break;  // "相手の攻撃力の基本値…": no amount, no clause
          i32 amount = std::atoi(s.substr(pos, digits - pos).c_str());
          pos = digits;
          bool percent = startsAt(s, pos, "%");
          if (percent) ++pos;
          auto dir = std::find_if(kDirections.begin(), kDirections.end(),
                                  [&](const auto& d) { return startsAt(s, pos, d.first); });
          if (dir == kDirections.end()) break;
          pos += dir->first.size();
          for (const std::string& p : pending) out.push_back({who, p, amount * dir->second, chance, percent});
          pending.clear();
          if (!startsAt(s, pos, "、")) break;
          pos += std::string("、").size();
        }
      }
    }
  }
  std::sort(out.begin(), out.end());
  return out;
}

// What the columns say the description must state as value changes.
std::vector<StatClause> columnClauses(const Twst& w) {
  std::vector<StatClause> out;
  auto add = [&](const char* who, const char* stat, i32 v, i32 c, bool percent) {
    if (v != 0 || c != 0) out.push_back({who, stat, v, c, percent});
  };
  add("相手", "攻撃力", w.TgtAtkV, w.TgtAtkC, true);
  add("相手", "防御力", w.TgtDefV, w.TgtDefC, true);
  add("相手", "魔力", w.TgtMagV, w.TgtMagC, true);
  add("相手", "移動", w.TgtMovV, w.TgtMovC, false);
  add("自分", "攻撃力", w.SelfAtkV, w.SelfAtkC, true);
  add("自分", "防御力", w.SelfDefV, w.SelfDefC, true);
  add("自分", "魔力", w.SelfMagV, w.SelfMagC, true);
  add("自分", "移動", w.SelfMovV, w.SelfMovC, false);
  if (w.SelfHPV != -100) add("自分", "HP", w.SelfHPV, w.SelfHPC, true);  // -100 reads "自分が[死亡]"
  if (w.Effect == 12 && w.Param > 0) add("相手", "HP", w.Param, 100, true);
  if (w.Effect == 11) add("相手", "SP", w.Param, 100, false);
  std::sort(out.begin(), out.end());
  return out;
}

template <class T>
std::string join(const std::vector<T>& items) {
  std::ostringstream out;
  for (const T& i : items) out << "[" << i << "] ";
  return out.str();
}

// ---------------------------------------------------------------------------
// Names, ids and the empty entries.

TEST(SkillCatalogue, NamesAndIdsAsListed) {
  const auto names = listedNames();
  ASSERT_EQ(names.size(), 310u);
  for (int id = 0; id < kSkillCount; ++id) {
    EXPECT_EQ(skill(id).Id, id);
    auto listed = names.find(id);
    if (listed != names.end()) {
      EXPECT_EQ(skill(id).Name, listed->second) << "id " << id;
    }
  }
  EXPECT_EQ(skill(180).Name, "\xEF\xBD\xB3\xEF\xBD\xAB\xEF\xBD\xB0\xEF\xBE\x80\xEF\xBD\xB0\xEF\xBD\xB3\xEF\xBE\x9E"
                             "\xEF\xBD\xAA\xEF\xBD\xB0\xEF\xBE\x99")
      << "half-width katakana ｳｫｰﾀｰｳﾞｪｰﾙ";
}

TEST(SkillCatalogue, EntryZeroIsNoSkillAndUnusedIdsAreEmpty) {
  Twst none;
  none.Name = "無し";
  expectSameRecord(none, skill(0));
  for (int id : {194, 195, 196, 197, 198, 199, 200, 269}) {
    Twst empty;
    empty.Id = id;
    expectSameRecord(empty, skill(id));
  }
  for (int id : skillIds()) EXPECT_FALSE(skill(id).Name.empty()) << "id " << id;
}

// ---------------------------------------------------------------------------
// The entries given in full (columns not named are 0).

struct TellingEntry {
  int id;
  const char* name;
  void (*set)(Twst&);
  const char* desc;
};

const TellingEntry kTellingEntries[] = {
    {1, "打撃", [](Twst& w) { w.Power = 45, w.Hit = 100, w.Crit = 10, w.Range = 1, w.Area = 1, w.Cost = 1, w.Cat = 1; }, ""},
    {2, "体当たり",
     [](Twst& w) { w.Power = 50, w.Hit = 100, w.Crit = 15, w.Range = 1, w.Area = 1, w.Cost = 2, w.Cat = 1, w.Effect = 7; },
     "相手を1マス後退させる。"},
    {7, "真空波",
     [](Twst& w) { w.Special = 1, w.Power = 45, w.Hit = 100, w.Range = 1, w.Area = 3, w.Cost = 2, w.Cat = 1, w.Line = 1; },
     "直線攻撃。"},
    {11, "毒霧",
     [](Twst& w) {
       w.Special = 1, w.Hit = 100, w.Range = 1, w.Area = 1, w.Cost = 5, w.Cat = 1;
       w.AilV[0] = 1, w.AilC[0] = 100;
     },
     "相手を[毒]にする。"},
    {39, "屍兵召喚",
     [](Twst& w) { w.Special = 1, w.Hit = 100, w.Range = 1, w.Area = 1, w.Cost = 5, w.Cat = 2, w.Param = 204; },
     "自分と同レベルのﾌｧﾐﾘｱ[スケルトン]を召喚する。"},
    {48, "託す",
     [](Twst& w) {
       w.Special = 1, w.Hit = 100, w.Range = 1, w.Area = 1, w.Cost = 20, w.Cat = 1, w.Target = 8, w.Effect = 12;
       w.SelfHPV = -100, w.SelfHPC = 100, w.Param = 35;
     },
     "自分が[死亡]になり、自マスターのHP35%回復。"},
    {63, "インフェルノ",
     [](Twst& w) {
       w.Elem = 1, w.Special = 1, w.Power = 115, w.Hit = 100, w.Range = 3, w.SelfOK = 1, w.Area = 2, w.Cost = 8;
       w.Cat = 1, w.Effect = 3, w.Param = -65;
     },
     "与えたダメージの65%を自分も受ける。"},
    {66, "熱波", [](Twst& w) { w.Elem = 1, w.Special = 1, w.Hit = 100, w.SelfOK = 1, w.Cost = 4, w.Cat = 4, w.Param = 1; },
     "天気を[熱波]にする。"},
    {67, "炎の渦",
     [](Twst& w) { w.Elem = 1, w.Special = 1, w.Hit = 100, w.SelfOK = 1, w.Area = 2, w.Cost = 2, w.Cat = 3, w.Param = 2; },
     "選択した地形を[焼野原]にする。既に[焼野原]なら[マグマ]にする。"},
    {72, "氷の矢",
     [](Twst& w) {
       w.Elem = 2, w.Special = 1, w.Power = 60, w.Hit = 100, w.Crit = 5, w.Range = 2, w.Area = 1, w.Cost = 2, w.Cat = 1;
       w.AilV[1] = 3, w.AilC[1] = 25;
       w.TgtAtkV = -5, w.TgtAtkC = 40, w.TgtDefV = -5, w.TgtDefC = 40;
     },
     "相手を25%の確率で[凍傷]にする。それぞれ40%の確率で相手の攻撃力、防御力5%ダウン。"},
    {84, "冷却液",
     [](Twst& w) {
       w.Elem = 2, w.Special = 1, w.Power = 20, w.Hit = 100, w.Range = 1, w.Area = 1, w.Cost = 9, w.Cat = 1;
       w.TgtAtkV = w.TgtDefV = w.TgtMagV = -10, w.TgtMovV = -1;
       w.TgtAtkC = w.TgtDefC = w.TgtMagC = w.TgtMovC = 100;
     },
     "相手の攻撃力、防御力、魔力10%ダウン、移動1ダウン。"},
    {181, "状態変化解除",
     [](Twst& w) {
       w.Special = 1, w.Hit = 100, w.Range = 2, w.SelfOK = 1, w.Area = 1, w.Cost = 5, w.Cat = 1;
       w.ChgC.fill(100);
     },
     "相手の状態変化を全て解除する。"},
    {282, "ワープ", [](Twst& w) { w.Special = 1, w.Hit = 100, w.Range = 5, w.Area = 1, w.Cost = 7, w.Cat = 6; },
     "選択したマスと自分のマスを入れ替える。"},
    {300, "使い魔召喚",
     [](Twst& w) { w.Special = 1, w.Hit = 100, w.Range = 2, w.Area = 1, w.Cost = 8, w.Cat = 2, w.Param = 209; },
     "自分と同レベルのﾌｧﾐﾘｱ[インプ]を召喚する。"},
};

TEST(SkillCatalogue, EntriesGivenInFull) {
  for (const TellingEntry& t : kTellingEntries) {
    Twst expected;
    expected.Name = t.name;
    expected.Id = t.id;
    expected.Desc = t.desc;
    t.set(expected);
    expectSameRecord(expected, skill(t.id));
  }
}

// ---------------------------------------------------------------------------
// Categories and special effects.

// Skills of a category other than 1, with their parameter.
const std::map<int, std::pair<i32, i32>> kCategories = {
    {39, {2, 204}}, {40, {2, 205}}, {41, {2, 206}}, {131, {2, 208}}, {132, {2, 208}}, {133, {2, 208}},
    {139, {2, 202}}, {140, {2, 201}}, {141, {2, 203}}, {281, {2, 207}}, {300, {2, 209}},
    {67, {3, 2}},   {68, {3, 2}},   {88, {3, 4}},   {89, {3, 4}},   {135, {3, 8}},  {177, {3, 12}},
    {289, {3, 3}},  {290, {3, 5}},  {291, {3, 7}},  {292, {3, 9}},  {293, {3, 11}}, {294, {3, 13}},
    {66, {4, 1}},   {87, {4, 2}},   {134, {4, 4}},  {178, {4, 6}},  {179, {4, 5}},  {189, {4, 3}},
    {284, {4, 1}},  {285, {4, 2}},  {286, {4, 4}},  {287, {4, 5}},  {288, {4, 6}},  {298, {4, 3}},
    {156, {6, 0}},  {282, {6, 0}},  {157, {99, 0}}, {283, {99, 0}}};

// Skills with a special effect, with its parameter.
const std::map<int, std::pair<i32, i32>> kEffects = {
    {86, {1, 3}},    {295, {1, 1}},    {296, {1, 2}},   {46, {2, -25}},  {63, {3, -65}},  {97, {3, 100}},
    {77, {4, 0}},    {238, {5, 0}},    {307, {5, 0}},   {237, {6, 0}},   {2, {7, 0}},     {5, {7, 0}},
    {235, {8, 0}},   {110, {9, 0}},    {182, {9, 0}},   {274, {9, 0}},   {184, {10, 0}},  {116, {11, 6}},
    {185, {11, -5}}, {280, {11, 1}},   {316, {11, 2}},  {47, {12, -100}}, {48, {12, 35}}, {49, {12, -100}},
    {114, {12, 15}}, {176, {12, 10}},  {276, {12, 5}},  {278, {12, 15}}, {279, {12, 10}}, {315, {12, -100}},
    {144, {13, 0}},  {303, {13, 0}},   {44, {14, 1}},   {45, {14, 2}},   {186, {14, -1}}, {187, {14, -2}},
    {188, {15, 0}},  {297, {15, 0}},   {299, {16, 0}},  {43, {17, 0}},   {301, {18, 0}},  {302, {19, 0}},
    {270, {20, 1}},  {271, {20, 2}},   {272, {20, 3}},  {304, {21, 0}},  {305, {22, 0}},  {306, {23, 0}},
    {308, {24, 0}},  {309, {25, 0}},   {310, {26, 0}},  {193, {27, -1}}, {317, {27, -1}}, {314, {28, 0}}};

TEST(SkillCatalogue, CategoriesAsTabled) {
  for (int id : skillIds()) {
    const Twst& w = skill(id);
    auto listed = kCategories.find(id);
    if (listed == kCategories.end()) {
      EXPECT_EQ(w.Cat, 1) << label(w);
      continue;
    }
    EXPECT_EQ(w.Cat, listed->second.first) << label(w);
    EXPECT_EQ(w.Param, listed->second.second) << label(w);
  }
}

TEST(SkillCatalogue, SpecialEffectsAsTabled) {
  for (int id : skillIds()) {
    const Twst& w = skill(id);
    auto listed = kEffects.find(id);
    if (listed == kEffects.end()) {
      EXPECT_EQ(w.Effect, 0) << label(w);
      // The parameter belongs to the category or the effect; a plain skill has none.
      if (w.Cat == 1) {
        EXPECT_EQ(w.Param, 0) << label(w);
      }
      continue;
    }
    EXPECT_EQ(w.Effect, listed->second.first) << label(w);
    EXPECT_EQ(w.Param, listed->second.second) << label(w);
  }
}

TEST(SkillCatalogue, SkillsOfOtherCategoriesOnlyDoTheirOneThing) {
  for (int id : skillIds()) {
    const Twst& w = skill(id);
    if (w.Cat == 1) continue;
    // The resolution of these categories never reads damage, hits or side-effect columns.
    EXPECT_EQ(w.Power, 0) << label(w);
    EXPECT_EQ(w.Hits, 0) << label(w);
    EXPECT_EQ(w.Effect, 0) << label(w);
    EXPECT_FALSE(anyAilment(w) || anyChange(w) || anyTargetStat(w) || anySelfStat(w)) << label(w);
  }
  // Teleports exchange with the chosen cell, so they need a range.
  for (int id : {156, 282}) EXPECT_GE(skill(id).Range, 1) << label(skill(id));
}

TEST(SkillCatalogue, TheTwoUnlistedSwapSkillsAreCategory99) {
  std::vector<int> found;
  for (int id : skillIds())
    if (skill(id).Cat == 99) found.push_back(id);
  EXPECT_EQ(found, (std::vector<int>{157, 283}));
  for (int id : {157, 283}) EXPECT_EQ(skill(id).Desc, "選択した2マスを入れ替える。");
}

TEST(SkillCatalogue, FourSkillsCoverTheWholeMap) {
  std::vector<int> found;
  for (int id : skillIds())
    if (skill(id).Area == 99) found.push_back(id);
  ASSERT_EQ(found.size(), 4u);
  for (int id : found) {
    const Twst& w = skill(id);
    // The area ignores the target cell, so it is aimed at the user's own cell.
    EXPECT_EQ(w.Range, 0) << label(w);
    EXPECT_EQ(w.SelfOK, 1) << label(w);
    EXPECT_EQ(w.Line, 0) << label(w);
    EXPECT_EQ(w.ZocArea, 0) << label(w);
  }
}

// ---------------------------------------------------------------------------
// Value ranges of every column.

TEST(SkillCatalogue, EveryColumnWithinItsRange) {
  const std::set<i32> kCats = {1, 2, 3, 4, 6, 99};
  for (int id : skillIds()) {
    const Twst& w = skill(id);
    SCOPED_TRACE(label(w));
    EXPECT_TRUE(w.Elem >= 0 && w.Elem <= 6);
    EXPECT_TRUE(w.Special == 0 || w.Special == 1);
    EXPECT_TRUE(w.Power >= 0 && w.Power <= 160);
    EXPECT_TRUE(w.Hit >= 1 && w.Hit <= 100);  // every skill is meant to land
    EXPECT_TRUE(w.Crit >= 0 && w.Crit <= 25);
    EXPECT_TRUE(w.Range >= 0 && w.Range <= 12);
    EXPECT_TRUE(w.SelfOK == 0 || w.SelfOK == 1);
    EXPECT_TRUE((w.Area >= 0 && w.Area <= 10) || w.Area == 99);
    EXPECT_TRUE(w.ZocArea == 0 || w.ZocArea == 1);
    EXPECT_TRUE(w.Cost >= 0 && w.Cost <= 20);
    EXPECT_TRUE(kCats.contains(w.Cat));
    EXPECT_TRUE(w.Line >= 0 && w.Line <= 2);
    EXPECT_TRUE(w.Target >= 0 && w.Target <= 11);
    EXPECT_TRUE(w.Effect >= 0 && w.Effect <= 28);
    EXPECT_TRUE(w.Hits == 0 || (w.Hits >= 2 && w.Hits <= 6));
    EXPECT_TRUE(w.Param >= -100 && w.Param <= 209);
    for (i32 v : {w.SelfAtkV, w.SelfDefV, w.SelfMagV, w.SelfMovV}) EXPECT_TRUE(v >= -35 && v <= 35);
    EXPECT_TRUE(w.SelfHPV >= -100 && w.SelfHPV <= 35);
    for (i32 v : {w.TgtAtkV, w.TgtDefV, w.TgtMagV, w.TgtMovV}) EXPECT_TRUE(v >= -35 && v <= 35);
    for (i32 c : {w.SelfAtkC, w.SelfDefC, w.SelfMagC, w.SelfMovC, w.SelfHPC, w.TgtAtkC, w.TgtDefC, w.TgtMagC, w.TgtMovC})
      EXPECT_TRUE(c >= 0 && c <= 100);
    for (int a = 0; a < 14; ++a) EXPECT_TRUE(w.AilC[a] >= 0 && w.AilC[a] <= 100);
    for (int c = 0; c < 7; ++c) EXPECT_TRUE(w.ChgC[c] >= 0 && w.ChgC[c] <= 100);
  }
}

TEST(SkillCatalogue, ValuesOnlyWithAChance) {
  // A value without a chance never happens: it would be a dead column.
  for (int id : skillIds()) {
    const Twst& w = skill(id);
    for (int a = 0; a < 14; ++a) EXPECT_FALSE(w.AilV[a] != 0 && w.AilC[a] == 0) << label(w) << " " << kAilmentNames[a];
    for (int c = 0; c < 7; ++c) EXPECT_FALSE(w.ChgV[c] != 0 && w.ChgC[c] == 0) << label(w) << " " << kChangeNames[c];
    for (auto [v, c] : {std::pair{w.SelfAtkV, w.SelfAtkC}, {w.SelfDefV, w.SelfDefC}, {w.SelfMagV, w.SelfMagC},
                        {w.SelfMovV, w.SelfMovC}, {w.SelfHPV, w.SelfHPC}, {w.TgtAtkV, w.TgtAtkC},
                        {w.TgtDefV, w.TgtDefC}, {w.TgtMagV, w.TgtMagC}, {w.TgtMovV, w.TgtMovC}})
      EXPECT_EQ(v == 0, c == 0) << label(w);
  }
}

TEST(SkillCatalogue, StatusValuesFitTheirStatus) {
  // Poison, gravity, curse and lock-on are flags; the others count turns
  // (sleep counts down by 4 per phase and wakes by chance, so it starts high).
  const std::set<int> kFlags = {0, 2, 10, 12};
  for (int id : skillIds()) {
    const Twst& w = skill(id);
    for (int a = 0; a < 14; ++a) {
      if (w.AilV[a] == 0) continue;
      if (kFlags.contains(a)) {
        EXPECT_EQ(w.AilV[a], 1) << label(w) << " " << kAilmentNames[a];
      } else if (a == 8) {
        EXPECT_TRUE(w.AilV[a] >= 8 && w.AilV[a] <= 16) << label(w);
      } else {
        EXPECT_TRUE(w.AilV[a] >= 1 && w.AilV[a] <= 5) << label(w) << " " << kAilmentNames[a];
      }
    }
    for (int c = 0; c < 7; ++c) {
      if (w.ChgV[c] == 0) continue;
      if (c <= 1) {  // spirit and flight stay
        EXPECT_EQ(w.ChgV[c], 1) << label(w) << " " << kChangeNames[c];
      } else {
        EXPECT_TRUE(w.ChgV[c] >= 1 && w.ChgV[c] <= 5) << label(w) << " " << kChangeNames[c];
      }
    }
  }
}

TEST(SkillCatalogue, ShapesTheRulesCanUse) {
  for (int id : skillIds()) {
    const Twst& w = skill(id);
    SCOPED_TRACE(label(w));
    if (w.Line == 1) {
      // A line runs on only from the cell next to the user.
      EXPECT_EQ(w.Range, 1);
      EXPECT_EQ(w.SelfOK, 0);
      EXPECT_GE(w.Area, 2);
    }
    if (w.ZocArea == 1) {  // the area is replaced by ZOC + 1 and set back to 1
      EXPECT_EQ(w.Area, 1);
    }
    if (w.Range == 0) {   // otherwise nothing could be chosen
      EXPECT_EQ(w.SelfOK, 1);
    }
    if (w.Hits > 0) {
      EXPECT_GT(w.Power, 0);
    }
    if (w.Cat == 1) {
      // Every unit skill does something to someone.
      EXPECT_TRUE(w.Power > 0 || w.Effect != 0 || anyAilment(w) || anyChange(w) || anyTargetStat(w) || anySelfStat(w));
    }
    if (w.Power == 0) {
      EXPECT_EQ(w.Crit, 0);
    }
    // The hit roll decides only damage, inflicted ailments and lowered stats;
    // everything else happens whatever the roll, so a lower rate would mislead.
    bool rolled = w.Power > 0 || w.TgtAtkV < 0 || w.TgtDefV < 0 || w.TgtMagV < 0 || w.TgtMovV < 0 ||
                  std::any_of(w.AilV.begin(), w.AilV.end(), [](i32 v) { return v > 0; });
    if (!rolled) {
      EXPECT_EQ(w.Hit, 100);
    }
  }
}

TEST(SkillCatalogue, ElementsFollowTheNames) {
  // Markers in a name and the element they stand for. Effects 5, 6 and 23
  // take their element from the weather or terrain, so their column is 0.
  const std::vector<std::pair<std::string, i32>> kMarkers = {
      {"ファイア", 1}, {"炎", 1},       {"火撃", 1},      {"鬼火", 1},        {"アイス", 2},   {"氷", 2},       {"フローズン", 2},
      {"コールド", 2}, {"リーフ", 3},   {"ウッド", 3},    {"アース", 4},   {"サンド", 4},   {"ストーン", 4},
      {"サンダー", 5}, {"雷", 5},       {"アクア", 6},    {"水", 6}};
  for (int id : skillIds()) {
    const Twst& w = skill(id);
    if (w.Effect == 5 || w.Effect == 6 || w.Effect == 23) {
      EXPECT_EQ(w.Elem, 0) << label(w);
      continue;
    }
    for (const auto& [marker, elem] : kMarkers)
      if (has(w.Name, marker)) {
        EXPECT_EQ(w.Elem, elem) << label(w) << " (" << marker << ")";
      }
  }
  // The spirit-user's terrain and weather skills end in their element's letter.
  const std::vector<std::pair<std::string, i32>> kLetters = {{"炎", 1}, {"氷", 2}, {"木", 3}, {"地", 4}, {"雷", 5}, {"水", 6}};
  for (int id : {284, 285, 286, 287, 288, 289, 290, 291, 292, 293, 294, 298}) {
    const Twst& w = skill(id);
    for (const auto& [letter, elem] : kLetters)
      if (w.Name.ends_with(letter)) {
        EXPECT_EQ(w.Elem, elem) << label(w);
      }
  }
}

TEST(SkillCatalogue, PowerAndCostClimbAlongEachFamily) {
  // Each family from its weakest to its strongest member.
  const std::vector<std::vector<int>> kLadders = {
      {1, 3, 6},          // 打撃 強打 強打撃
      {2, 5},             // 体当たり 突進
      {9, 10},            // 念力 念動力
      {7, 8},             // 真空波 斬空波
      {53, 56, 59},       // 火撃 炎撃 火炎撃
      {55, 57},           // 爆破 大爆破
      {145, 146},         // 電撃 雷撃
      {117, 118},         // 投石 岩石投げ
      {164, 172},         // 水撃 錬水撃
      {201, 205},         // スラッシュ ハードスラッシュ
      {221, 225},         // ショット ハードショット
      {239, 245}, {240, 246}, {241, 247}, {242, 248}, {243, 249}, {244, 250},  // ブラスト ストーム
      {150, 148},         // サンダービーム 電磁砲
  };
  for (const auto& ladder : kLadders) {
    for (std::size_t i = 1; i < ladder.size(); ++i) {
      const Twst& weaker = skill(ladder[i - 1]);
      const Twst& stronger = skill(ladder[i]);
      EXPECT_LT(weaker.Power, stronger.Power) << weaker.Name << " < " << stronger.Name;
      EXPECT_LT(weaker.Cost, stronger.Cost) << weaker.Name << " < " << stronger.Name;
    }
  }
}

// ---------------------------------------------------------------------------
// Descriptions against columns.

TEST(SkillDescriptions, EverySkillHasOneExceptThePlainBlow) {
  for (int id : skillIds()) {
    const Twst& w = skill(id);
    if (id == 1) {
      EXPECT_EQ(w.Desc, "");
      continue;
    }
    ASSERT_FALSE(w.Desc.empty()) << label(w);
    EXPECT_TRUE(w.Desc.ends_with("。")) << label(w);
    EXPECT_FALSE(has(w.Desc, "\n")) << label(w) << ": lines are separated by carriage returns";
    for (const std::string& s : sentences(w.Desc)) EXPECT_TRUE(s.ends_with("。")) << label(w);
  }
}

TEST(SkillDescriptions, BracketsNameOnlyThingsOfTheGame) {
  std::set<std::string> known = {"死亡", "無属性"};
  for (const auto& n : kAilmentNames) known.insert(n);
  for (const auto& n : kChangeNames) known.insert(n);
  for (const auto& [id, n] : kFamiliarNames) known.insert(n);
  for (int id : skillIds()) {
    const Twst& w = skill(id);
    for (const std::string& b : bracketed(w.Desc)) {
      bool terrain = w.Cat == 3 && std::find(kTerrainNames.begin(), kTerrainNames.end(), b) != kTerrainNames.end();
      bool weather = w.Cat == 4 && std::find(kWeatherNames.begin(), kWeatherNames.end(), b) != kWeatherNames.end();
      EXPECT_TRUE(known.contains(b) || terrain || weather) << label(w) << ": [" << b << "]";
    }
  }
}

TEST(SkillDescriptions, NamedStatusesAreExactlyTheStatusColumns) {
  for (int id : skillIds()) {
    const Twst& w = skill(id);
    std::set<std::string> named;
    for (const std::string& b : bracketed(w.Desc)) {
      bool status = std::find(kAilmentNames.begin(), kAilmentNames.end(), b) != kAilmentNames.end() ||
                    std::find(kChangeNames.begin(), kChangeNames.end(), b) != kChangeNames.end();
      if (status) named.insert(b);
    }
    std::set<std::string> columns;
    bool curesAll = true, removesAll = true;
    for (int a = 0; a < 14; ++a) {
      if (w.AilC[a] > 0) columns.insert(kAilmentNames[a]);
      curesAll = curesAll && w.AilC[a] == 100 && w.AilV[a] == 0;
    }
    for (int c = 0; c < 7; ++c) {
      if (w.ChgC[c] > 0) columns.insert(kChangeNames[c]);
      removesAll = removesAll && w.ChgC[c] == 100 && w.ChgV[c] == 0;
    }
    // "全て" names a whole group at once.
    EXPECT_EQ(has(w.Desc, "状態異常を全て治"), curesAll) << label(w);
    EXPECT_EQ(has(w.Desc, "状態変化を全て解除"), removesAll) << label(w);
    if (curesAll)
      for (const auto& n : kAilmentNames) columns.erase(n);
    if (removesAll)
      for (const auto& n : kChangeNames) columns.erase(n);
    EXPECT_EQ(named, columns) << label(w);
  }
}

TEST(SkillDescriptions, InflictingCuringAndChancesAsWorded) {
  for (int id : skillIds()) {
    const Twst& w = skill(id);
    auto sentenceNaming = [&](const std::string& name) {
      for (const std::string& s : sentences(w.Desc))
        if (has(s, "[" + name + "]")) return s;
      return std::string();
    };
    for (int a = 0; a < 14; ++a) {
      if (w.AilC[a] == 0) continue;
      std::string s = sentenceNaming(kAilmentNames[a]);
      if (s.empty()) continue;  // a group cure, checked above
      if (w.AilV[a] > 0) {
        EXPECT_TRUE(has(s, "にする") || has(s, "にし")) << label(w) << " " << kAilmentNames[a];
        EXPECT_EQ(statedChance(s), w.AilC[a]) << label(w) << " " << kAilmentNames[a];
      } else {
        EXPECT_TRUE(has(s, "を治")) << label(w) << " " << kAilmentNames[a];
      }
    }
    for (int c = 0; c < 7; ++c) {
      if (w.ChgC[c] == 0) continue;
      std::string s = sentenceNaming(kChangeNames[c]);
      if (s.empty()) continue;
      if (w.ChgV[c] > 0) {
        EXPECT_TRUE(has(s, "にする") || has(s, "にし")) << label(w) << " " << kChangeNames[c];
        EXPECT_EQ(w.ChgC[c], 100) << label(w) << ": status changes are given without a roll";
      } else {
        EXPECT_TRUE(has(s, "解除")) << label(w) << " " << kChangeNames[c];
      }
    }
  }
}

TEST(SkillDescriptions, StatedValueChangesAreExactlyTheColumns) {
  for (int id : skillIds()) {
    const Twst& w = skill(id);
    auto stated = statClauses(w.Desc);
    auto columns = columnClauses(w);
    EXPECT_EQ(stated, columns) << label(w) << "\n stated:  " << join(stated) << "\n columns: " << join(columns);
    for (const StatClause& c : stated)
      EXPECT_EQ(c.percent, c.stat != "移動" && c.stat != "SP") << label(w) << ": " << c;
  }
}

TEST(SkillDescriptions, TheUserAndTheTargetAreTold) {
  for (int id : skillIds()) {
    const Twst& w = skill(id);
    if (selfOnly(w)) {
      // Only the user can be affected: no "相手", and the user's columns or effect carry it.
      EXPECT_FALSE(has(w.Desc, "相手")) << label(w);
      EXPECT_FALSE(anyTargetStat(w)) << label(w);
      EXPECT_TRUE(has(w.Desc, "自分")) << label(w);
    }
    if (anyTargetStat(w)) {
      EXPECT_TRUE(has(w.Desc, "相手の")) << label(w);
    }
    if (anySelfStat(w)) {
      EXPECT_TRUE(has(w.Desc, "自分の") || has(w.Desc, "自分が") || has(w.Desc, "自分は")) << label(w);
    }
    // Losing all HP is dying.
    EXPECT_EQ(w.SelfHPV == -100, has(w.Desc, "自分が[死亡]") || has(w.Desc, "自分は[死亡]")) << label(w);
    // Rate boosts act on the targets but are worded "自分の…", so they must reach nobody else.
    if (w.Effect == 1) {
      EXPECT_TRUE(selfOnly(w)) << label(w);
    }
    // Killing effects name the death.
    if (w.Effect == 12 && w.Param == -100) {
      EXPECT_TRUE(has(w.Desc, "[死亡]にする")) << label(w);
    }
  }
}

TEST(SkillDescriptions, ShapesAndTargetRulesAsWorded) {
  for (int id : skillIds()) {
    const Twst& w = skill(id);
    const std::string& d = w.Desc;
    SCOPED_TRACE(label(w));
    EXPECT_EQ(has(d, "直線"), w.Line == 1);
    EXPECT_EQ(has(d, "間にキャラがいると狙えない"), w.Line == 2);
    EXPECT_EQ(has(d, "マップ全体"), w.Area == 99);
    EXPECT_EQ(has(d, "効果範囲はZOC+1"), w.ZocArea == 1);
    for (int n = 2; n <= 6; ++n) EXPECT_EQ(has(d, std::to_string(n) + "回攻撃"), w.Hits == n) << n;
    EXPECT_EQ(has(d, "クリティカル率が高い"), w.Crit >= 20);
    if (has(d, "範囲攻撃")) {
      EXPECT_TRUE(w.Power > 0 && (w.Area >= 2 || w.ZocArea == 1) && w.Area != 99 && w.Line != 1);
    }
    if (has(d, "遠距離")) {
      EXPECT_GE(w.Range, 2);
    }
    if (has(d, "近接攻撃")) {
      EXPECT_EQ(w.Range, 1);
    }
    // Target rules.
    EXPECT_EQ(has(d, "飛行中のキャラには効果がない"), w.Target == 2 || w.Target == 3);
    EXPECT_EQ(has(d, "ロックオン中の相手にのみ"), w.Target == 4);
    EXPECT_EQ(w.Target == 5, has(d, "[岩]") && w.Cat == 1);
    EXPECT_EQ(w.Target == 6, has(d, "[スケルトン][ワイト][ゴースト]"));
    EXPECT_EQ(w.Target == 8, has(d, "自マスター"));
    EXPECT_EQ(w.Target == 9, has(d, "召喚中のキャラにも効果がある"));
    EXPECT_EQ(w.Target == 10, has(d, "マスターには効果がない"));
    EXPECT_EQ(w.Target == 11, has(d, "敵チームのキャラにのみ"));
    EXPECT_NE(w.Target, 7);  // no skill needs it
    // Sparing the user is worth saying wherever the user could stand in the area.
    bool userInReach = w.Line != 1 && (w.SelfOK == 1 || w.Area >= 2 || w.ZocArea == 1);
    bool spares = has(d, "自分には当たらない") || has(d, "自分には効果がない") || has(d, "自分以外");
    EXPECT_EQ(spares, (w.Target == 1 || w.Target == 3) && userInReach);
  }
}

TEST(SkillDescriptions, FamiliarsTerrainsAndWeathersNamedByTheParameter) {
  for (int id : skillIds()) {
    const Twst& w = skill(id);
    SCOPED_TRACE(label(w));
    if (w.Cat == 2) {
      const std::string& name = kFamiliarNames.at(w.Param);
      EXPECT_TRUE(has(w.Desc, "自分と同レベルのﾌｧﾐﾘｱ[" + name + "]を召喚する。"));
      for (const auto& [type, other] : kFamiliarNames)
        if (type != w.Param) {
          EXPECT_FALSE(has(w.Desc, "[" + other + "]"));
        }
    } else if (w.Cat == 3) {
      const std::string& terrain = kTerrainNames.at(w.Param);
      EXPECT_TRUE(has(w.Desc, "地形を[" + terrain + "]にする。"));
      // An element's first terrain turns into its second where it already lies.
      bool grows = w.Param % 2 == 0;
      EXPECT_EQ(has(w.Desc, "既に"), grows);
      if (grows) {
        EXPECT_TRUE(has(w.Desc, "既に[" + terrain + "]なら[" + kTerrainNames.at(w.Param + 1) + "]にする。"));
      }
    } else if (w.Cat == 4) {
      EXPECT_EQ(w.Desc, "天気を[" + kWeatherNames.at(w.Param) + "]にする。");
      // Weather is changed where the user stands.
      EXPECT_EQ(w.Range, 0);
      EXPECT_EQ(w.SelfOK, 1);
    } else if (w.Cat == 6) {
      EXPECT_EQ(w.Desc, "選択したマスと自分のマスを入れ替える。");
    }
  }
}

// The words each special effect is described with, from its parameter.
std::vector<std::string> effectWording(const Twst& w) {
  const i32 p = w.Param;
  const std::string amount = std::to_string(std::abs(p));
  switch (w.Effect) {
    case 1: {
      const std::map<i32, std::string> rate = {{1, "命中率10%アップ"}, {2, "回避率5%アップ"},
                                                {3, "追加効果発動率15%アップ"}, {4, "ｸﾘﾃｨｶﾙ率15%アップ"}};
      return {"自分の", rate.at(p)};
    }
    case 2: return {"現在HPの" + amount + "%"};
    case 3: return p > 0 ? std::vector<std::string>{"与えたダメージの" + amount + "%", "回復"}
                         : std::vector<std::string>{"与えたダメージの" + amount + "%を自分も受ける"};
    case 4: return {"防御力を無視"};
    case 5: return {"天気と同じ属性"};
    case 6: return {"自分のいる地形と同じ属性"};
    case 7: return {"相手を1マス後退させる"};
    case 8: return {"[デコイ]", "攻撃回数1アップ"};
    case 9: return {"ステータス変化を全て元に戻す"};
    case 10: return {"行動可能回数1アップ"};
    case 11: return {"SP" + amount + (p > 0 ? "回復" : "減少")};
    case 12: return {p == -100 ? "[死亡]" : "HP" + amount + "%回復"};
    case 13: return {"隣まで移動して攻撃"};
    case 14: return {"召喚時間" + amount + (p > 0 ? "アップ" : "ダウン")};
    case 15: return {"正体を見破る"};
    case 16: return {"HPが少ないほど", "射程", "命中率"};
    case 17: return {"特殊能力を交換"};
    case 18: return {"移動も技もできなくなる"};
    case 19: return {"移動可能回数、技可能回数1アップ"};
    case 20: {
      const std::map<i32, std::string> stat = {{1, "攻撃力"}, {2, "防御力"}, {3, "魔力"}};
      return {"相手の" + stat.at(p) + "の基本値を自分のLvの半分"};
    }
    case 21: return {"自分のZOC1アップ", "ZOC×2のSP"};
    case 22: return {"[無属性]の相手には必ずクリティカル"};
    case 23: return {"相手のいる地形と同じ属性"};
    case 24: return {"相手の属性を自分と同じにする"};
    case 25: return {"自分の属性を相手と同じにする"};
    case 26: return {"相手のZOCを0にする", "相手のZOC×2のSP"};
    case 27: return {"相手のZOC" + amount + "ダウン"};
    case 28: return {"状態異常、状態変化、ステータス変化を全て元に戻す"};
    default: return {};
  }
}

TEST(SkillDescriptions, SpecialEffectsAsWorded) {
  for (int id : skillIds()) {
    const Twst& w = skill(id);
    for (const std::string& words : effectWording(w)) EXPECT_TRUE(has(w.Desc, words)) << label(w) << ": " << words;
  }
  // Wording that only one effect may use.
  const std::vector<std::pair<std::string, std::set<i32>>> kOwnWords = {
      {"後退", {7}},           {"防御力を無視", {4}},   {"天気と同じ属性", {5}},   {"地形と同じ属性", {6, 23}},
      {"攻撃回数", {8}},       {"元に戻す", {9, 28}},   {"行動可能回数", {10}},    {"隣まで移動", {13}},
      {"召喚時間", {14}},      {"正体", {15}},          {"少ないほど", {16}},      {"特殊能力", {17}},
      {"移動も技も", {18}},    {"移動可能回数", {19}},  {"基本値", {20}},          {"ZOC1アップ", {21}},
      {"ZOCを0", {26}},        {"ZOC1ダウン", {27}},    {"必ずクリティカル", {22}}, {"属性を自分と同じ", {24}},
      {"属性を相手と同じ", {25}}, {"与えたダメージ", {3}}, {"現在HP", {2}},          {"命中率10%", {1}},
      {"回避率", {1}},         {"追加効果発動率", {1}}};
  for (int id : skillIds()) {
    const Twst& w = skill(id);
    for (const auto& [words, kinds] : kOwnWords)
      if (has(w.Desc, words)) {
        EXPECT_TRUE(kinds.contains(w.Effect)) << label(w) << ": " << words;
      }
  }
}

}  // namespace
}  // namespace sorvane
