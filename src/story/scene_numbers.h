// Which story scene plays where: scene N is the script "story<N>.dat" in dat.qda.
#pragma once

#include <string>
#include <vector>

#include "story/script.h"

namespace sorvane::story::scenes {

inline constexpr int kPrologue = 100;       // after a new game, before the preparation screen
inline constexpr int kCampaignEnding = 15;  // after the last campaign stage, before the credits
inline constexpr int kExtraOpening = 50;    // before the first extra stage
inline constexpr int kExtraEnding = 70;     // after the last extra stage, before the credits
inline constexpr int kCampaignStages = 15;  // scenes 0..14 come before campaign stages 0..14
constexpr int beforeStage(int stage) { return stage; }

inline std::string entryName(int scene) { return "story" + std::to_string(scene) + ".dat"; }

struct SceneUse {
  int scene;
  FollowUp followUp;  // what its header must lead to
};

// Every scene the game plays, with the follow-up its place needs.
inline std::vector<SceneUse> AllScenes() {
  std::vector<SceneUse> all{{kPrologue, FollowUp::Preparation}};
  for (int s = 0; s < kCampaignStages; ++s) all.push_back({beforeStage(s), FollowUp::Battle});
  all.push_back({kCampaignEnding, FollowUp::Credits});
  all.push_back({kExtraOpening, FollowUp::Battle});
  all.push_back({kExtraEnding, FollowUp::Credits});
  return all;
}

}  // namespace sorvane::story::scenes
