// The party export: the rows it writes, pasted into a stage definition, set
// up the same party on side 1.
#include "campaign/enemy_export.h"

#include <string>
#include <vector>

#include "campaign_fixture.h"
#include "data/stages/stage_definition.h"

namespace sorvane {
namespace {

using namespace stages::ai;

// Rows the export wrote for the party below, pasted as they came out.
const std::vector<stages::UnitDef> kPasted = {
#include "campaign/exported_party.inc"
};

// A hunter with one more skill learned and the magic-circle method, コウ in
// circle 1, マカラ in circle 3, the other circles empty.
std::unique_ptr<Tsyori> exportedParty() {
  auto s = newGame();
  Tdeta& d = *s->D;
  const i32 hunter = masterEntry(0, 2);
  s->SetK(0, hunter, 0);
  s->D->k[0].SH = MagicCircle;
  std::vector<byte> flags = d.creatures[hunter].SkL.toVector();
  for (std::size_t i = 0; i < flags.size(); ++i)
    if (!flags[i]) {
      flags[i] = 1;
      break;
    }
  d.creatures[hunter].SkL = SharedArray<byte>(flags);
  s->SetK(1, 25, 0);
  s->SetK(3, 92, 0);
  return s;
}

std::vector<i32> learned(const Tcst& e, std::size_t length) {
  std::vector<i32> w(length, 0);
  std::size_t n = 0;
  for (std::size_t i = 0; i < e.Sk.size() && n < length; ++i)
    if (e.SkL.at(i)) w[n++] = e.Sk[i];
  return w;
}

TEST(EnemyExport, WritesTheRowsThatWerePasted) {
  auto party = exportedParty();
  const std::string text = exportParty(*party);
  EXPECT_EQ(text, readUserFile(std::string(SORVANE_SOURCE_DIR) + "tests/campaign/exported_party.inc").value_or(""))
      << text;
  ScratchFolder scratch;
  exportPartyTo(scratch.path() / "teki.txt", *party);
  EXPECT_EQ(readUserFile(scratch.path() / "teki.txt"), text);
}

TEST(EnemyExport, PastedRowsSetUpTheSamePartyOnSideOne) {
  auto party = exportedParty();
  const Tdeta& from = *party->D;
  auto stage = newGame();
  stages::ApplyUnitRows(*stage, kPasted);
  const Tdeta& to = *stage->D;

  const Tkst& master = to.k[16];
  EXPECT_EQ(master.Type, from.k[0].Type);
  EXPECT_EQ(master.N, "もきゅ");
  EXPECT_EQ(master.G, from.k[0].G);
  EXPECT_EQ(master.SH, MagicCircle);
  EXPECT_EQ(master.Lv, 50);
  EXPECT_EQ(master.AI.Ip, 1);
  EXPECT_EQ(master.W.toVector(), learned(from.creatures[from.k[0].Type], 8));
  std::vector<i32> held;
  const Tcst& entry = from.creatures[from.k[0].Type];
  for (std::size_t i = 0; i < entry.Ab.size(); ++i)
    if (entry.AbL[i] == 0 || entry.AbL[i] == 1) held.push_back(entry.Ab[i]);
  held.resize(4, 0);
  EXPECT_EQ(std::vector<i32>(master.TN.begin(), master.TN.end()), held);

  for (int i = 1; i <= 6; ++i) {
    SCOPED_TRACE(i);
    const Tkst& u = to.k[16 + i];
    EXPECT_EQ(u.Type, from.k[i].Type);
    EXPECT_EQ(u.Lv, 50);
    std::vector<i32> w = u.W.toVector();
    w.resize(5, 0);  // a row without skills keeps the empty list stage set-up gives
    EXPECT_EQ(w, learned(from.creatures[from.k[i].Type], 5));
    EXPECT_EQ(u.AI.Ip, 1);
  }
}

}  // namespace
}  // namespace sorvane
