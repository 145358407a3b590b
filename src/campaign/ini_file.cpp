#include "campaign/ini_file.h"

#include "campaign/user_files.h"

namespace sorvane {

namespace {

std::string_view trim(std::string_view s) {
  const char* space = " \t";
  std::size_t b = s.find_first_not_of(space);
  if (b == std::string_view::npos) return {};
  return s.substr(b, s.find_last_not_of(space) - b + 1);
}

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : char(c); };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

IniFile IniFile::parse(std::string_view text) {
  IniFile ini;
  std::string section;
  for (std::string& raw : fileLines(text)) {
    Line line{raw, section, {}, {}};
    std::string_view t = trim(raw);
    if (t.starts_with('[') && t.find(']') != std::string_view::npos) {
      section = std::string(trim(t.substr(1, t.find(']') - 1)));
      line.section = section;
    } else if (!t.starts_with(';') && t.find('=') != std::string_view::npos && t.find('=') > 0) {
      line.key = std::string(trim(t.substr(0, t.find('='))));
      std::string_view value = trim(t.substr(t.find('=') + 1));
      // A value in quotes is read without them.
      if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
      line.value = std::string(value);
    }
    ini.lines_.push_back(std::move(line));
  }
  return ini;
}

std::string IniFile::text() const {
  std::vector<std::string> out;
  out.reserve(lines_.size());
  for (const Line& l : lines_) out.push_back(l.text);
  return joinFileLines(out);
}

std::optional<std::string> IniFile::get(std::string_view section, std::string_view key) const {
  for (const Line& l : lines_)
    if (!l.key.empty() && sameName(l.section, section) && sameName(l.key, key)) return l.value;
  return std::nullopt;
}

void IniFile::set(std::string_view section, std::string_view key, std::string_view value) {
  // Reading trims spaces and strips one pair of quotes; a value that either
  // would change is written in quotes, so it reads back as it was.
  const bool quoted = (!value.empty() && (value.front() == ' ' || value.front() == '\t' || value.back() == ' ' ||
                                          value.back() == '\t')) ||
                      (value.size() >= 2 && value.front() == '"' && value.back() == '"');
  std::string text = std::string(key) + "=" + (quoted ? "\"" + std::string(value) + "\"" : std::string(value));
  std::size_t lastOfSection = lines_.size();
  bool sectionFound = false;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    Line& l = lines_[i];
    if (!sameName(l.section, section)) continue;
    if (!l.key.empty() && sameName(l.key, key)) {
      l.text = text;
      l.value = std::string(value);
      return;
    }
    sectionFound = true;
    // Blank lines at the end of a section stay after the new key.
    if (!trim(l.text).empty()) lastOfSection = i;
  }
  Line added{text, std::string(section), std::string(key), std::string(value)};
  if (!sectionFound) {
    lines_.push_back({"[" + std::string(section) + "]", std::string(section), {}, {}});
    lines_.push_back(std::move(added));
    return;
  }
  lines_.insert(lines_.begin() + std::ptrdiff_t(lastOfSection) + 1, std::move(added));
}

}  // namespace sorvane
