// The characters a story scene can show: the two narrators and the masters
// the campaign meets. A script declares the ones it uses in its first line
// ("@くらたん@リリィ"); each has a picture stem and a number of expressions
// ("<stem>a.png" is the mask, "<stem>0.png", "<stem>1.png", ... the faces).
#pragma once

#include <string_view>
#include <vector>

namespace sorvane::story {

struct StoryCharacter {
  std::string_view name;  // as the script writes it, UTF-8
  std::string_view stem;  // picture name stem in png.qda
  int expressions;        // pictures 0 .. expressions-1
};

// Every character, the narrators first. Declarations are taken in this order.
const std::vector<StoryCharacter>& StoryCharacters();

// Index into StoryCharacters(), or -1.
int FindStoryCharacter(std::string_view name);

}  // namespace sorvane::story
