#include "story/cues.h"

#include <charconv>

namespace sorvane::story {
namespace {

std::optional<int> number(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  int v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return v;
}

// Tracks with a music file: title, preparation, credits, the free battles'
// 5..7 and 30..34, and the story battles' 10..24 and 60..79.
bool hasFile(int track) {
  return (track >= Music::kTitle && track <= Music::kCredits) || (track >= 5 && track <= 7) ||
         (track >= 10 && track <= 24) || (track >= 30 && track <= 34) || (track >= 60 && track <= 79);
}

}  // namespace

std::optional<Music> MusicCue(std::string_view argument) {
  const auto n = number(argument);
  if (!n || !hasFile(*n)) return std::nullopt;
  return Music{*n};
}

std::optional<Sound> EffectCue(std::string_view argument) {
  const auto n = number(argument);
  if (!n || *n < kFirstSoundChannel || *n > kLastSoundChannel) return std::nullopt;
  return static_cast<Sound>(*n);
}

}  // namespace sorvane::story
