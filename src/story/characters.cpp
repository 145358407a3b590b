#include "story/characters.h"

namespace sorvane::story {

const std::vector<StoryCharacter>& StoryCharacters() {
  // Expressions: 0 calm, 1 glad, 2 stern or troubled.
  // clang-format off
  static const std::vector<StoryCharacter> table = {
      {"くらたん",     "kura",   3},
      {"ナイアス",     "nai",    3},
      {"ルエリア",     "ruel",   3},
      {"チコリ",       "chico",  3},
      {"リリィ",       "lily",   3},
      {"カエデ",       "kaede",  3},
      {"アヤメ",       "ayame",  3},
      {"アルカネット", "arca",   3},
      {"ゼロット",     "zelot",  3},
      {"エネルゲイア", "energ",  3},
      {"シレネ",       "sirene", 3},
      {"カシア",       "kasia",  3},
      {"ミレット",     "millet", 3},
      {"エンジュ",     "enju",   3},
      {"チーゼル",     "teasel", 3},
      {"アリス",       "alice",  3},
      {"エンテレケイア", "entel", 3},
  };
  // clang-format on
  return table;
}

int FindStoryCharacter(std::string_view name) {
  const auto& table = StoryCharacters();
  for (std::size_t i = 0; i < table.size(); ++i)
    if (table[i].name == name) return static_cast<int>(i);
  return -1;
}

}  // namespace sorvane::story
