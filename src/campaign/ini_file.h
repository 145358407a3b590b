// A settings file in the INI layout: "[section]" lines and "key=value" lines.
// Section and key names match without regard to case, the first occurrence of
// a key wins, and every line the game does not know (other sections, other
// keys, comments) is written back as it was read.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvane {

class IniFile {
 public:
  IniFile() = default;
  // From the file's text (UTF-8, any line ends).
  static IniFile parse(std::string_view text);
  // The text with CR LF line ends.
  std::string text() const;

  std::optional<std::string> get(std::string_view section, std::string_view key) const;
  // Replaces the key's value in place, or adds the key at the end of its
  // section (the section at the end of the file when it is new).
  void set(std::string_view section, std::string_view key, std::string_view value);

 private:
  struct Line {
    std::string text;     // the line as read or written
    std::string section;  // the section it belongs to
    std::string key;      // empty for section headers, comments and other lines
    std::string value;
  };
  std::vector<Line> lines_;
};

}  // namespace sorvane
