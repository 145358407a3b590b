#include "campaign/progress.h"

#include <algorithm>

namespace sorvane {

ProgressSnapshot ProgressSnapshot::take(const Tsyori& s, const Campaign& c) {
  const Tdeta& d = *s.D;
  ProgressSnapshot p;
  std::copy(d.k.begin(), d.k.begin() + p.party.size(), p.party.begin());
  p.levels.reserve(d.creatures.size());
  for (const Tcst& e : d.creatures) p.levels.emplace_back(e.Lv, e.Exp);
  p.defeated = d.defeated;
  p.acquired = d.acquired;
  p.reservedFlags = d.reservedFlags;
  p.summoned = d.summoned;
  p.records = d.records;
  p.jobOpen = d.jobOpen;
  p.extraOpen = d.extraOpen;
  p.charOpen = d.charOpen;
  p.storyStage = s.storyStage;
  p.stageNo = s.stageNo;
  p.mapNo = s.mapNo;
  p.storyBattle = s.storyBattle;
  p.BP = c.BP;
  p.currentSlot = c.currentSlot;
  return p;
}

void ProgressSnapshot::restore(Tsyori& s, Campaign& c) const {
  Tdeta& d = *s.D;
  std::copy(party.begin(), party.end(), d.k.begin());
  for (std::size_t i = 0; i < levels.size(); ++i) {
    d.creatures[i].Lv = levels[i].first;
    d.creatures[i].Exp = levels[i].second;
  }
  d.defeated = defeated;
  d.acquired = acquired;
  d.reservedFlags = reservedFlags;
  d.summoned = summoned;
  d.records = records;
  d.jobOpen = jobOpen;
  d.extraOpen = extraOpen;
  d.charOpen = charOpen;
  s.storyStage = storyStage;
  s.stageNo = stageNo;
  s.mapNo = mapNo;
  s.storyBattle = storyBattle;
  c.BP = BP;
  c.currentSlot = currentSlot;
}

}  // namespace sorvane
