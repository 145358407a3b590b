#include "rules/recording_presenter.h"

namespace sorvane {

void RecordingPresenter::LAnime(int u, i32 value, const std::string& text, int, int) {
  calls.push_back("LAnime " + std::to_string(u) + " " + std::to_string(value) + (text.empty() ? "" : " " + text));
}

void RecordingPresenter::KAnime(int u, int kind, int, int) {
  calls.push_back("KAnime " + std::to_string(u) + " " + std::to_string(kind));
}

void RecordingPresenter::DLAnime(const std::string& key, int ms) {
  calls.push_back("DLAnime " + key + " " + std::to_string(ms));
}

bool RecordingPresenter::question(const std::string& text) {
  calls.push_back("QUESTION " + text);
  if (answers.empty()) return false;
  bool answer = answers.front();
  answers.pop_front();
  return answer;
}

std::vector<std::string> RecordingPresenter::matching(const std::string& prefix) const {
  std::vector<std::string> out;
  for (const std::string& c : calls)
    if (c.rfind(prefix, 0) == 0) out.push_back(c);
  return out;
}

std::vector<std::string> RecordingPresenter::take() {
  std::vector<std::string> out;
  out.swap(calls);
  return out;
}

}  // namespace sorvane
