#include "data/shared_values.h"

#include <mutex>
#include <unordered_set>

namespace sorvane {

namespace {

// Every distinct name the game has ever built. Nodes never move or die, so a
// Name may keep a plain pointer to its text.
// Looked up by string_view, so finding a name that exists allocates nothing.
struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

struct InternPool {
  std::mutex lock;
  std::unordered_set<std::string, TextHash, std::equal_to<>> texts;
};

InternPool& pool() {
  static auto* p = new InternPool;  // never destroyed: names outlive static teardown
  return *p;
}

}  // namespace

const std::string& Name::emptyText() {
  static const std::string* e = [] {
    InternPool& p = pool();
    std::lock_guard guard(p.lock);
    return &*p.texts.emplace().first;
  }();
  return *e;
}

Name::Name(std::string_view text) {
  if (text.empty()) {
    text_ = &emptyText();
    return;
  }
  InternPool& p = pool();
  std::lock_guard guard(p.lock);
  auto found = p.texts.find(text);
  text_ = found != p.texts.end() ? &*found : &*p.texts.emplace(text).first;
}

}  // namespace sorvane
