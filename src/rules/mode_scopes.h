// Scoped modes of the engine. A presenter may throw BattleAborted from inside
// any wait or question, so no mode is ever set and cleared by hand: each one
// is set for the length of a scope and put back when the scope ends, also
// when an abort unwinds it.
#pragma once

#include "data/syori.h"

namespace sorvane {

// Sets `flag` to `value` and puts the previous value back on leaving.
template <class T>
class FlagScope {
 public:
  FlagScope(T& flag, T value) : flag_(flag), before_(flag) { flag_ = value; }
  ~FlagScope() { flag_ = before_; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  T& flag_;
  T before_;
};

// The AI tries actions: the rules draw no random numbers, show nothing and
// leave the live records alone.
class Simulation : FlagScope<byte> {
 public:
  explicit Simulation(Tsyori& s) : FlagScope(s.simulating, 1) {}
};

// Inside a simulation, the one action the AI has chosen is played for real.
class RealAction : FlagScope<byte> {
 public:
  explicit RealAction(Tsyori& s) : FlagScope(s.simulating, 0) {}
};

}  // namespace sorvane
