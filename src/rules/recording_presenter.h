// A presenter that writes down what the player would have seen, one line per
// call ("LAnime 3 -37 HP", "KAnime 3 0", "SE 16", ...), for tests and the lab.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "rules/presenter.h"

namespace sorvane {

class RecordingPresenter : public Presenter {
 public:
  std::vector<std::string> calls;
  // Answers for the next questions, in order; without one a question is answered no.
  std::deque<bool> answers;
  // Record paints, panel refreshes and waits too (off by default: they are noise).
  bool recordRedraws = false;

  void LAnime(int u, const FloatingText& text, int x, int y) override;
  void KAnime(int u, CellAnim kind, int x, int y) override;
  void DLAnime(const Banner& banner, int ms) override;
  void MapPaint() override { redraw("MapPaint"); }
  void miniMapPaint() override { redraw("miniMapPaint"); }
  void scrollTo(int x, int y) override { redraw("scrollTo " + std::to_string(x) + " " + std::to_string(y)); }
  void unitPanel(int u) override { redraw("unitPanel " + std::to_string(u)); }
  void skillPanel(int skill) override { redraw("skillPanel " + std::to_string(skill)); }
  void sidePanels() override { redraw("sidePanels"); }
  void weatherLabel() override { redraw("weatherLabel"); }
  void elementFieldLabels() override { redraw("elementFieldLabels"); }
  void phaseLabel() override { redraw("phaseLabel"); }
  void SE(Sound n) override { calls.push_back("SE " + std::to_string(static_cast<int>(n))); }
  void BGM(Music m) override { calls.push_back("BGM " + std::to_string(m.track)); }
  void wait(int ms) override { redraw("wait " + std::to_string(ms)); }
  void EnabledCheck(bool on) override { redraw(std::string("EnabledCheck ") + (on ? "1" : "0")); }
  bool question(const std::string& text) override;
  void message(const std::string& text) override { calls.push_back("MESSAGE " + text); }
  void showPage(Page page) override { calls.push_back("PAGE " + std::to_string(static_cast<int>(page))); }

  // The recorded calls that start with `prefix`.
  std::vector<std::string> matching(const std::string& prefix) const;
  std::vector<std::string> take();  // returns and clears the calls

 private:
  void redraw(std::string call) {
    if (recordRedraws) calls.push_back(std::move(call));
  }
};

}  // namespace sorvane
