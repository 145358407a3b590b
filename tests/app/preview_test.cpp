// The forecast of the confirmation step is what the engine then deals, when
// no roll can change it.
#include "app/damage_preview.h"
#include "data/ability_ids.h"
#include "app_fixture.h"

namespace sorvane::testing {
namespace {

// A single-target attack of the catalogue without criticals, added effects or extra hits.
int plainAttack(const Tdeta& d) {
  for (int id = 1; id < static_cast<int>(d.skills.size()); ++id) {
    const Twst& w = d.skills[id];
    const bool effects = std::any_of(w.AilV.begin(), w.AilV.end(), [](i32 v) { return v != 0; }) ||
                         std::any_of(w.ChgC.begin(), w.ChgC.end(), [](i32 v) { return v != 0; }) || w.TgtAtkV ||
                         w.TgtDefV || w.TgtMagV || w.TgtMovV || w.SelfAtkV || w.SelfDefV || w.SelfMagV || w.SelfMovV ||
                         w.SelfHPV;
    if (w.Cat == 1 && w.Power > 0 && w.Crit == 0 && w.Area == 1 && w.Range >= 1 && w.Hits <= 1 && w.Effect == 0 &&
        w.Line == 0 && !effects && w.Cost <= 5)
      return id;
  }
  return 0;
}

class PreviewTest : public AppFixture {
 protected:
  // The player's master learns a plain attack, never misses, faces the enemy
  // master on the next cell and picks it; returns the enemy's cell.
  std::pair<int, int> pickEnemyNextToMaster() {
    Battle& battle = b();
    Tdeta& d = battle.d;
    const int id = plainAttack(d);
    EXPECT_GT(id, 0);
    Tkst& me = d.k[kPlayerMaster];
    me.W[0] = id;
    me.HitB = 1000;
    me.SP = me.SPMax;
    const int enemy = kSideSize;
    const auto [mx, my] = cellOf(kPlayerMaster);
    const auto [ex, ey] = cellOf(enemy);
    EXPECT_GE(ex, 0);
    const int tx = mx + (mx + 1 < kMapW ? 1 : -1), ty = my;
    battle.s.unitAt[ex][ey] = -1;
    battle.s.unitAt[tx][ty] = enemy;
    d.k[enemy].EvaB = 0;
    d.k[enemy].EvaP = 0;
    battle.setHosei();

    flow().openUnitMenu(kPlayerMaster);
    flow().chooseSkill(0);
    EXPECT_EQ(battle.pickCommand, 3);
    EXPECT_FALSE(battle.s.reachPath[tx][ty].empty());
    flow().leftPress(tx, ty);
    EXPECT_EQ(battle.pickMode, 2);
    return {tx, ty};
  }
};

TEST_F(PreviewTest, ForecastEqualsTheDamageDealtWhenNoRollIsInvolved) {
  Tdeta& d = b().d;
  const int enemy = kSideSize;
  const auto [tx, ty] = pickEnemyNextToMaster();

  const std::vector<TargetPreview> forecast = previewSkill(b());
  const std::uint64_t untouched = positionHash(b(), 0);
  EXPECT_EQ(positionHash(b(), 0), untouched);
  ASSERT_EQ(forecast.size(), 1u);
  EXPECT_EQ(forecast[0].unit, enemy);
  EXPECT_LT(forecast[0].hpAfter, forecast[0].hpBefore);
  EXPECT_EQ(forecast[0].hitChance, 100);

  flow().leftPress(tx, ty);  // confirm
  EXPECT_EQ(std::max<i32>(0, d.k[enemy].HP), forecast[0].hpAfter);
}

TEST_F(PreviewTest, ACertainDodgeIsForecastAsNoChanceToHit) {
  Tdeta& d = b().d;
  const int enemy = kSideSize;
  d.k[enemy].TN[0] = ability::ShortRangeDodge;  // dodges whatever strikes from the next cell
  d.k[enemy].TNS = d.buildTNS(d.k[enemy].TN);
  pickEnemyNextToMaster();

  const std::vector<TargetPreview> forecast = previewSkill(b());
  ASSERT_EQ(forecast.size(), 1u);
  EXPECT_EQ(forecast[0].unit, enemy);
  EXPECT_EQ(forecast[0].hitChance, 0);
  EXPECT_EQ(forecast[0].hpAfter, forecast[0].hpBefore);
}

}  // namespace
}  // namespace sorvane::testing
