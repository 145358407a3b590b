// Replays: `orders save FILE` writes how the game was set up since `newgame`
// and every order given since, one line each; `orders replay FILE` plays such
// a file in a fresh lab from the start and prints the fingerprint of the
// game it reaches. The same file always gives the same `hash=`.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "lab.h"
#include "lab_parse.h"
#include "state_hash.h"

namespace sorvane::lab {

namespace {

constexpr const char* kReplayHeader = "# sorvane replay: set-up and orders, one per line";

std::string hex(std::uint64_t v) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(v));
  return text;
}

}  // namespace

std::string Lab::cmdOrder(const Args&) {
  std::string why;
  const std::optional<Order> order = Order::parse(restOfLine_, why);
  if (!order) return why;
  return give(*order);
}

std::string Lab::cmdRngState(const Args& a) {
  if (a.size() != 1) return "usage: rngstate HEX";
  std::uint64_t value = 0;
  std::istringstream text(a[0]);
  if (!(text >> std::hex >> value) || !text.eof()) return "not a hexadecimal state: " + a[0];
  state_->rng.setState(value);
  return {};
}

std::string Lab::cmdOrders(const Args& a) {
  if (a.size() != 2 || (a[0] != "save" && a[0] != "replay")) return "usage: orders save FILE | orders replay FILE";
  const std::string& file = a[1];
  if (a[0] == "save") {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << kReplayHeader << "\n";
    for (const std::string& line : journal_) out << line << "\n";
    out.flush();
    if (!out) return "cannot write " + file;
    out_ << "orders=" << std::count_if(journal_.begin(), journal_.end(), [](const std::string& l) {
      return l.rfind("order ", 0) == 0;
    }) << "\n";
    return {};
  }

  std::ifstream in(file, std::ios::binary);
  if (!in) return "cannot read " + file;
  std::ostringstream replayOutput;
  Lab replay(replayOutput, gameDir_);
  replay.run(in);
  // The first refusal or error of the replay tells why it went another way.
  const std::string printed = replayOutput.str();
  if (const std::size_t at = printed.find("error: "); at != std::string::npos)
    return "replay: " + printed.substr(at + 7, printed.find('\n', at) - at - 7);
  out_ << "hash=" << hex(stateHash(replay.state())) << "\n";
  return {};
}

}  // namespace sorvane::lab
