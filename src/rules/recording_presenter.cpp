#include "rules/recording_presenter.h"

namespace sorvane {

void RecordingPresenter::LAnime(int u, const FloatingText& f, int, int) {
  calls.push_back("LAnime " + std::to_string(u) + " " + std::to_string(f.code) + (f.text.empty() ? "" : " " + f.text));
}

void RecordingPresenter::KAnime(int u, CellAnim kind, int, int) {
  calls.push_back("KAnime " + std::to_string(u) + " " + std::to_string(static_cast<int>(kind)));
}

void RecordingPresenter::DLAnime(const Banner& banner, int ms) {
  calls.push_back("DLAnime " + banner.text + " " + std::to_string(ms));
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
