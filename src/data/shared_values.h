// Value types that make unit records cheap to copy.
//
// The AI copies all 64 unit records thousands of times per decision, so a
// record copy must never allocate. Names are interned: a Name is one pointer
// to an immutable string that lives for the whole run. Skill lists are shared
// arrays: copying a record shares the array, and writing an element through
// one record is seen by every record that shares it (the rules rely on this
// and replace whole lists when they mean to change only one record).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace sorvane {

class Name {
 public:
  Name() : text_(&emptyText()) {}
  Name(std::string_view text);  // NOLINT: implicit on purpose, names are assigned from literals
  Name(const char* text) : Name(std::string_view(text)) {}
  Name(const std::string& text) : Name(std::string_view(text)) {}

  const std::string& str() const { return *text_; }
  const char* c_str() const { return text_->c_str(); }
  bool empty() const { return text_->empty(); }
  operator std::string_view() const { return *text_; }  // NOLINT
  bool contains(std::string_view part) const { return text_->find(part) != std::string::npos; }

  friend bool operator==(const Name& a, const Name& b) { return a.text_ == b.text_; }
  friend bool operator==(const Name& a, std::string_view b) { return *a.text_ == b; }
  friend bool operator==(const Name& a, const char* b) { return *a.text_ == b; }
  friend bool operator==(const Name& a, const std::string& b) { return *a.text_ == b; }

 private:
  static const std::string& emptyText();
  const std::string* text_;
};

// A reference-counted array whose copies share one storage.
template <class T>
class SharedArray {
 public:
  SharedArray() = default;
  SharedArray(std::initializer_list<T> values) : items_(std::make_shared<std::vector<T>>(values)) {}
  explicit SharedArray(std::vector<T> values) : items_(std::make_shared<std::vector<T>>(std::move(values))) {}
  static SharedArray sized(std::size_t n) { return SharedArray(std::vector<T>(n)); }

  std::size_t size() const { return items_ ? items_->size() : 0; }
  bool empty() const { return size() == 0; }
  T& operator[](std::size_t i) const { return (*items_)[i]; }
  // Reads element i, or a default value past the end (for lists of uneven length).
  T at(std::size_t i) const { return i < size() ? (*items_)[i] : T{}; }
  const T* begin() const { return items_ ? items_->data() : nullptr; }
  const T* end() const { return items_ ? items_->data() + items_->size() : nullptr; }
  bool sharesWith(const SharedArray& other) const { return items_ && items_ == other.items_; }
  std::vector<T> toVector() const { return items_ ? *items_ : std::vector<T>{}; }

 private:
  std::shared_ptr<std::vector<T>> items_;
};

}  // namespace sorvane
