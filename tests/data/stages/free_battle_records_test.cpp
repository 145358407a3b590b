// Every free-battle party sets up exactly the records it always has: a
// fingerprint of side 1's sixteen records after SetUpParty, at two base
// levels, for every party of every group. A change to how the parties are
// written down must leave every fingerprint as it is.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "data/stages/stage_definition.h"
#include "stage_fixture.h"

namespace sorvane::testing_stages {
namespace {

struct PartyPrint {
  int group;
  int party;
  std::uint64_t hash;
};

// FNV-1a over the values of a record, field by field.
class Fingerprint {
 public:
  void add(std::int64_t v) {
    for (int b = 0; b < 8; ++b) mix(static_cast<std::uint8_t>(static_cast<std::uint64_t>(v) >> (8 * b)));
  }
  void add(const std::string& text) {
    add(static_cast<std::int64_t>(text.size()));
    for (char c : text) mix(static_cast<std::uint8_t>(c));
  }
  std::uint64_t value() const { return h_; }

 private:
  void mix(std::uint8_t b) { h_ = (h_ ^ b) * 0x100000001b3ull; }
  std::uint64_t h_ = 0xcbf29ce484222325ull;
};

void addRecord(Fingerprint& f, const Tkst& u) {
  f.add(u.N.str());
  for (i32 v :
       {u.G,     u.Type, u.Team,  u.Kind, u.Master, u.Elem,  u.Lv,    u.Exp,    u.HPMax,   u.HP,       u.SPMax, u.SP,
        u.Atk,   u.AtkB, u.AtkP,  u.Def,  u.DefB,   u.DefP,  u.Mag,   u.MagB,   u.MagP,    u.Mov,      u.MovB,  u.MovP,
        u.SH,    u.SumT, u.SumTC, u.SumC, u.SumK,   u.ZOC,   u.MoveN, u.SkillN, u.SummonN, u.SpecialN, u.State, u.CritB,
        u.CritP, u.HitB, u.HitP,  u.EvaB, u.EvaP,   u.ProcB, u.ProcP, u.TU,     u.TUN,     u.HealRes})
    f.add(v);
  for (int i = 0; i < kStatusCount; ++i) f.add(u.status(i));
  f.add(static_cast<std::int64_t>(u.W.size()));
  for (i32 w : u.W) f.add(w);
  for (i32 t : u.TN) f.add(t);
  f.add(u.TNS.str());
  const TAI& a = u.AI;
  for (i32 v : {i32{a.Auto},      a.WTurn,        a.Ip,
                a.Axis,           i32{a.Retreat}, i32{a.Margin},
                a.ElemW,          a.GuardW,       a.ReachSkill,
                a.LossW,          a.HpW,          a.SpW,
                a.BadW,           a.GoodW,        a.AtkW,
                a.DefW,           a.MagW,         a.MovW,
                a.RateW,          a.SummonW,      a.WeatherW,
                a.MasterW,        a.CreatureW,    a.FamiliarW,
                a.AllyW,          a.EnemyW,       i32{a.SummonLate},
                i32{a.SummonFar}, a.SummonTurn,   i32{a.SpecialLate},
                a.ReturnW})
    f.add(v);
}

class FreeBattleRecords : public StageFixture {
 protected:
  // Side 1 after party `party` of `group` is set up on fresh records, at two
  // base levels: stats grow with the level, and some parties stand one above.
  std::uint64_t fingerprint(int group, int party) {
    Fingerprint f;
    for (i32 baseLevel : {1, 39}) {
      s->D->k = fresh_;
      EXPECT_TRUE(stages::SetUpParty(*s, group, party, baseLevel));
      f.add(s->stageNo);
      for (int i = kSideSize; i < 2 * kSideSize; ++i) addRecord(f, k(i));
    }
    return f.value();
  }

  const std::array<Tkst, kUnitCount> fresh_ = s->D->k;
};

const PartyPrint kPrints[] = {
    {1, 0, 0x62c599f69bf44b1cull},  {1, 1, 0x03819ceb16e45b1eull},  {1, 2, 0x27be4515d460676full},
    {1, 3, 0x1433e94f7837578aull},  {1, 4, 0xcd611f793ac37177ull},  {1, 5, 0x9ae58f9497a86a5cull},
    {1, 6, 0x255b8fd3a7b115e4ull},  {1, 7, 0x33571820b5c8f4d4ull},  {1, 8, 0x3806d72af9b1e640ull},
    {1, 9, 0xbd45028c24740125ull},  {1, 10, 0x1d928a6e0d21b47eull}, {1, 11, 0x88e6b8347653b440ull},
    {1, 12, 0xd5f4f0a09e19b862ull}, {1, 13, 0xd59c14c28a8af20full}, {1, 14, 0x7ec258858aa605b4ull},
    {2, 0, 0xeb30f705dfd4b4deull},  {2, 1, 0xe1a66471675889cdull},  {2, 2, 0xd909729b950c1384ull},
    {2, 3, 0x097e7c1b60410328ull},  {2, 4, 0x5723797534acf960ull},  {2, 5, 0xfbef652216bdeac6ull},
    {2, 6, 0xe6b5eb40b64d03b4ull},  {2, 7, 0x2e9480d1d4e0b4c9ull},  {2, 8, 0xb21efef77aaa1a84ull},
    {2, 9, 0x0e5b9ff4d1c583f3ull},  {2, 10, 0x2f14b0c02fb5c295ull}, {2, 11, 0x0f04c31aaffb1b3dull},
    {2, 12, 0x71ce17618095a021ull}, {2, 13, 0xc9ba43ae958f6f16ull}, {2, 14, 0x63bbc802fa54673cull},
    {2, 15, 0x1a48c2d73aa72cd1ull}, {2, 16, 0xa54bc52b0a93074dull}, {2, 17, 0x8b4c111512a37e1eull},
    {3, 0, 0x209b44e7f0613d39ull},  {3, 1, 0xfc95a1d1fe67b132ull},  {3, 2, 0xd49d4060bc8e54c5ull},
    {3, 3, 0x77edb0415d17b424ull},  {3, 4, 0x9a31fe37c16c3728ull},  {3, 5, 0x2935499d8f1dc6c8ull},
    {3, 6, 0xa92a7e97eae23103ull},  {3, 7, 0x3da9d0c5b7690ea2ull},  {3, 8, 0xf6f84c3a64010ff6ull},
    {3, 9, 0x5add5f11c9f151abull},  {3, 10, 0xf84844f84ea79b42ull}, {3, 11, 0x101046d3f361e051ull},
    {3, 12, 0xe8fb27956ac8f017ull}, {3, 13, 0x53f8264df4c8acaeull}, {3, 14, 0x784dbf6668ac6d39ull},
    {3, 15, 0xca3d877aba4bcd36ull}, {3, 16, 0x7bf1d8ca72065792ull}, {4, 0, 0x986cdf0e131dec0aull},
    {4, 1, 0x988a9c34c5078a69ull},  {4, 2, 0x960a6798eb2644ddull},  {4, 3, 0x17976f79c36d94baull},
    {4, 4, 0xd538d25322aa524eull},  {4, 5, 0xbc2b9b8b9fe98abbull},  {4, 6, 0xe701f8fb0dc0655dull},
    {4, 7, 0x1d507af6b56fde7aull},  {4, 8, 0x62341b6bb6b0af33ull},  {4, 9, 0x5f8e2b8a342a30c0ull},
    {4, 10, 0x64343dd4c9da9b01ull}, {4, 11, 0x8e4523dee89397fcull}, {4, 12, 0x7047bd6eea8ad851ull},
    {4, 13, 0x264020b55b83d526ull}, {4, 14, 0xad2eaddd00f4923bull}, {4, 15, 0x74bc77e8990f00b0ull},
    {4, 16, 0xdf6a79c0ce647ec0ull}, {5, 0, 0xf125f9d7b34658a7ull},  {5, 1, 0x9d221bae70850df1ull},
    {5, 2, 0xd41cb12d3b21499full},  {5, 3, 0xdfa54c49c795cf29ull},  {5, 4, 0xc01d2fcff3c2197bull},
    {5, 5, 0x3194660665121598ull},  {5, 6, 0x742ee1dd68863eabull},  {5, 7, 0xf78f2dbf9c13be97ull},
    {5, 8, 0xb4b4e75634f19a15ull},  {5, 9, 0xcc9de84e32652cd3ull},  {5, 10, 0x93afa4b6ac3968adull},
    {5, 11, 0x9966a895096947a4ull}, {5, 12, 0xd8634d58e89bbacaull}, {5, 13, 0xbb5ed8484777c64full},
    {5, 14, 0x021c87a07ab2ad7aull}, {5, 15, 0x8d0a2c61ee46e882ull}, {5, 16, 0xd675201592d2cbcbull},
    {6, 0, 0x57275639f6e1667eull},  {6, 1, 0xd8565c3681a5a092ull},  {6, 2, 0xce5bac29c6ef7319ull},
    {6, 3, 0xe919e2f38307cacbull},  {6, 4, 0x49f5bd33922f140dull},  {6, 5, 0x7eccd0ac9793a400ull},
    {6, 6, 0x47e4e1a78deffc56ull},  {6, 7, 0x5e755c179146f29aull},  {6, 8, 0x0ebee56081534ac4ull},
    {6, 9, 0x796d878f966c0f55ull},  {6, 10, 0x7eefec4a1d9e93b8ull}, {6, 11, 0xba34de2c8ce1e37aull},
    {6, 12, 0x7a41d3d00c61acb7ull}, {6, 13, 0x7121a8a12f555807ull}, {6, 14, 0xb12a3f5292111cf8ull},
    {6, 15, 0x3facbddae95c5a2cull}, {6, 16, 0xa006aec756bd9c6eull}, {7, 0, 0xc623aed6682a576cull},
    {7, 1, 0xb9e3bcc716a37135ull},  {7, 2, 0x02f9c46434c2f993ull},  {7, 3, 0xe607532b6d514c24ull},
    {7, 4, 0x9f1fe226d555f18cull},  {7, 5, 0x4e7beb2cf4b4d7f7ull},  {7, 6, 0x4905c86202368877ull},
    {7, 7, 0x31088538ca2dcca1ull},  {7, 8, 0xcf950d7c9f010ca0ull},  {7, 9, 0xdc92cd658527e952ull},
    {7, 10, 0x8ca5919d22e4bcf4ull}, {7, 11, 0xee7064151807b951ull}, {7, 12, 0xf417d1bba00557e4ull},
    {7, 13, 0xa8d6399ed11f4504ull}, {7, 14, 0x5692dc5c4a9ef190ull}, {7, 15, 0x1f42769720f0fe3dull},
    {8, 0, 0xc23ae5ea4f8fac68ull},  {8, 1, 0xe3c8ad4e06164c34ull},  {8, 2, 0x1c4714f5c225128eull},
    {8, 3, 0x573fc173c6a6ce2dull},  {8, 4, 0xa15847ef4e3b1c9bull},  {8, 5, 0x7fbb68bb96da4c20ull},
    {8, 6, 0x33bd9afefb2b3bc9ull},  {8, 7, 0x57d0ce0c8d1b1d1full},  {8, 8, 0x0d5e7c22e1bdd9d3ull},
    {8, 9, 0xaf76ca1c9745cd32ull},  {8, 10, 0xa23156fc14aed5fdull}, {8, 11, 0x4935b30ce681a487ull},
    {8, 12, 0x27b94473849c5733ull}, {8, 13, 0xd6c733c657f86236ull}, {8, 14, 0x6d19e56134b87adbull},
    {8, 15, 0xffc5b3aa7cf66fdaull}, {8, 16, 0xf6380dd59bf1acafull}, {8, 17, 0xbdb1b94e4fff1d9eull},
    {8, 18, 0x5ca4ed2eabba2309ull}, {8, 19, 0x678970e23797c927ull}, {8, 20, 0x899aadd1c9c34b3full},
    {8, 21, 0x743b0afe954601feull}, {8, 22, 0x650f0304eb126816ull}, {8, 23, 0x26a1eb678cbab76aull},
    {8, 24, 0xe3e53d515aed90a4ull}, {8, 25, 0x54297125853a0974ull}, {8, 26, 0xfa2753f89d9ea82dull},
    {8, 27, 0x3e62675155645a97ull}, {8, 28, 0xc84046a0e9f76707ull}, {8, 29, 0x39249d16fff1962aull},
    {8, 30, 0x7a6c1a8e227db949ull}, {8, 31, 0x5e510e03f58217d6ull}, {8, 32, 0x747750d536452f9full},
    {8, 33, 0x2f84c48634be098cull}, {8, 34, 0x1afd72c4891184ecull}, {8, 35, 0x4884a45c0b3c9ddcull},
    {8, 36, 0xb662b4d91fa2a258ull}, {8, 37, 0x3c09838c2ad5938eull}, {8, 38, 0xef5a3982178593c5ull},
    {8, 39, 0xcf5fb89254b7a90cull}, {8, 40, 0x1fee376283f0c480ull}, {8, 41, 0xcf7c99ea2bfd755bull},
    {8, 42, 0xa1d3f0de5f4b01fdull}, {8, 43, 0xedbd6fbb8ab422faull}, {8, 44, 0x704e87fb9eede5f1ull},
    {8, 45, 0x4c56cea2b0a7927cull}, {8, 46, 0xeee3032ed737c178ull}, {8, 47, 0x7e61c8054797378cull},
    {8, 48, 0xb9cf6e488fb0184full}, {8, 49, 0x5cb9ab8dafe0ffa6ull}, {8, 50, 0xc2bae65f7769f70eull},
    {8, 51, 0xbf7294b2de8c0a4aull}, {8, 52, 0xf0b9308a7b26021aull}, {8, 53, 0x3816ecb0fd33dae4ull},
    {8, 54, 0x3ded1f657af1abadull}, {8, 55, 0x6554d2b94798a099ull}, {8, 56, 0x0799b19ee20bea08ull},
    {8, 57, 0x763460e539dfe9c2ull}, {8, 58, 0xf57948e0a8736822ull}, {8, 59, 0x75c7c2ebab0e7d8full},
};

TEST_F(FreeBattleRecords, EveryPartySetsUpTheSameRecords) {
  int parties = 0;
  for (int group = 1; group <= 8; ++group) parties += stages::PartyCount(group);
  EXPECT_EQ(parties, static_cast<int>(std::size(kPrints)));
  for (const PartyPrint& p : kPrints) {
    EXPECT_EQ(fingerprint(p.group, p.party), p.hash) << "group " << p.group << " party " << p.party;
  }
}

TEST_F(FreeBattleRecords, NoPartyPastTheLastOfItsGroup) {
  for (int group = 1; group <= 8; ++group) {
    s->D->k = fresh_;
    EXPECT_FALSE(stages::SetUpParty(*s, group, stages::PartyCount(group), 30)) << "group " << group;
    EXPECT_EQ(k(16).Type, fresh_[16].Type) << "nothing set up for a party that does not exist";
  }
  EXPECT_EQ(stages::PartyCount(0), 0);
  EXPECT_EQ(stages::PartyCount(9), 0);
}

}  // namespace
}  // namespace sorvane::testing_stages
