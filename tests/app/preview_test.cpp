// The forecast of the confirmation step is what the engine then deals, when
// no roll can change it.
#include "app/damage_preview.h"
#include "app_fixture.h"

namespace sorvane::testing {
namespace {

using PreviewTest = AppFixture;

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

TEST_F(PreviewTest, ForecastEqualsTheDamageDealtWhenNoRollIsInvolved) {
  Tdeta& d = b().d;
  const int id = plainAttack(d);
  ASSERT_GT(id, 0);
  // The player's master learns the attack, never misses, and faces the enemy master next to it.
  Tkst& me = d.k[kPlayerMaster];
  me.W[0] = id;
  me.HitB = 1000;
  me.SP = me.SPMax;
  const int enemy = kSideSize;
  const auto [mx, my] = cellOf(kPlayerMaster);
  const auto [ex, ey] = cellOf(enemy);
  ASSERT_GE(ex, 0);
  const int tx = mx + (mx + 1 < kMapW ? 1 : -1), ty = my;
  b().s.unitAt[ex][ey] = -1;
  b().s.unitAt[tx][ty] = enemy;
  d.k[enemy].EvaB = 0;
  d.k[enemy].EvaP = 0;
  b().setHosei();

  flow().openUnitMenu(kPlayerMaster);
  flow().chooseSkill(0);
  ASSERT_EQ(b().pickCommand, 3);
  ASSERT_FALSE(b().s.reachPath[tx][ty].empty());
  flow().leftPress(tx, ty);
  ASSERT_EQ(b().pickMode, 2);

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

}  // namespace
}  // namespace sorvane::testing
