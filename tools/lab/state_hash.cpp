#include "state_hash.h"

#include <string>

#include "lab_parse.h"
#include "state_fields.h"
#include "unit_fields.h"

namespace sorvane::lab {

namespace {

class Fnv1a {
 public:
  void add(std::string_view text) {
    for (unsigned char c : text) {
      hash_ ^= c;
      hash_ *= 1099511628211ULL;
    }
    hash_ ^= 0xFF;  // separator, so "ab"+"c" differs from "a"+"bc"
    hash_ *= 1099511628211ULL;
  }
  void add(i32 value) { add(std::to_string(value)); }
  // Four bytes, low byte first, without a separator: for long runs of numbers.
  void addRaw(i32 value) {
    auto u = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
      hash_ ^= (u >> shift) & 0xFF;
      hash_ *= 1099511628211ULL;
    }
  }
  std::uint64_t value() const { return hash_; }

 private:
  std::uint64_t hash_ = 14695981039346656037ULL;
};

void addUnits(Fnv1a& h, const std::array<Tkst, kUnitCount>& units) {
  for (const Tkst& unit : units)
    for (const auto& [name, value] : describeUnit(unit)) h.add(value);
}

}  // namespace

std::uint64_t stateHash(const Tsyori& state) {
  Fnv1a h;
  const Tdeta& d = *state.D;
  addUnits(h, d.k);
  addUnits(h, d.kw);
  // The player's progress carried by the catalogue.
  for (const Tcst& c : d.creatures) {
    h.add(c.Lv);
    h.add(c.Exp);
    h.add(joinList(c.SkL.begin(), c.SkL.end()));
    h.add(joinList(c.AbL.begin(), c.AbL.end()));
  }
  for (const auto* flags : {&d.defeated, &d.acquired, &d.reservedFlags, &d.summoned})
    h.add(joinList(flags->begin(), flags->end()));
  const RecordCounters& r = d.records;
  for (i32 counter : {r.recBattles, r.recEventBattles, r.recFreeBattles, r.recWins, r.recLosses, r.recDraws,
                      r.recMoves, r.recSkills, r.recSummons, r.recReturns, r.recSteps, r.recDamageDealt,
                      r.recDamageTaken, r.recHealed, r.recOwnMasterDeaths, r.recOwnCreatureDeaths,
                      r.recOwnFamiliarDeaths, r.recEnemyMasterDeaths, r.recEnemyCreatureDeaths,
                      r.recEnemyFamiliarDeaths, r.recReserved, r.recMaxDamage, r.recMaxKills})
    h.add(counter);
  h.add(joinList(d.jobOpen.begin(), d.jobOpen.end()));
  h.add(joinList(d.charOpen.begin(), d.charOpen.end()));
  h.add(d.extraOpen);

  for (const char* grid : {"terrain", "unitAt", "unitAtW", "zoc1", "zoc2", "warpZone", "reachPath", "areaPath",
                           "reachLeft", "reachTurns", "posValue", "reachMark", "rangeMark", "threatMark"}) {
    std::string cell;
    for (int x = 0; x < kMapW; ++x)
      for (int y = 0; y < kMapH; ++y) {
        gridCell(state, grid, x, y, cell);
        h.add(cell);
      }
  }
  for (i32 v : state.actValue.all()) h.addRaw(v);

  for (const auto& [name, value] : describeState(state))
    h.add(value);
  h.add(std::to_string(state.rng.state()));
  return h.value();
}

}  // namespace sorvane::lab
