// Which story scene plays where: scene N is the script "story<N>.dat" in dat.qda.
#pragma once

#include <string>
#include <vector>

#include "campaign/scenes.h"
#include "story/script.h"

namespace sorvane::story::scenes {

// Where the campaign plays them is in campaign/scenes.h.
inline constexpr int kCampaignStages = 15;  // scenes 0..14 come before campaign stages 0..14

inline std::string entryName(int scene) { return "story" + std::to_string(scene) + ".dat"; }

struct SceneUse {
  int scene;
  FollowUp followUp;  // what its header must lead to
};

// Every scene the game plays, with the follow-up its place needs.
inline std::vector<SceneUse> AllScenes() {
  std::vector<SceneUse> all{{scene::Prologue, FollowUp::Preparation}};
  for (int s = 0; s < kCampaignStages; ++s) all.push_back({scene::beforeStage(s), FollowUp::Battle});
  all.push_back({scene::CampaignEnding, FollowUp::Credits});
  all.push_back({scene::ExtraOpening, FollowUp::Battle});
  all.push_back({scene::ExtraEnding, FollowUp::Credits});
  return all;
}

}  // namespace sorvane::story::scenes
