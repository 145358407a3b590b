#include "story/story_player.h"

#include <algorithm>

#include "story/characters.h"
#include "story/cues.h"
#include "text/cp932.h"

namespace sorvane::story {
namespace {

// A page's text with every byte that is not Shift-JIS replaced by "?", so that
// the frames typing it out convert it without a failure each time.
std::string readable(std::string_view cp932) {
  try {
    text::fromCp932(cp932);
    return std::string(cp932);
  } catch (const text::EncodingError&) {
  }
  std::string out;
  for (std::size_t i = 0; i < cp932.size();) {
    const std::size_t n = text::isCp932LeadByte(static_cast<unsigned char>(cp932[i])) && i + 1 < cp932.size() ? 2 : 1;
    try {
      text::fromCp932(cp932.substr(i, n));
      out.append(cp932.substr(i, n));
    } catch (const text::EncodingError&) {
      out += '?';
    }
    i += n;
  }
  return out;
}

// Shift-JIS to UTF-8 for the screen.
std::string display(std::string_view cp932) {
  try {
    return text::fromCp932(cp932);
  } catch (const text::EncodingError&) {
    return text::fromCp932(readable(cp932));
  }
}

constexpr int kBackdropStep = 10, kPortraitStep = 20, kFadeEnd = 254;
constexpr int kWindowAlpha = 220, kBacklogWindowAlpha = 160;

int pageBytes(const StoryPage& page) {
  return static_cast<int>(page.lines[0].size() + page.lines[1].size() + page.lines[2].size());
}

const char* const kSkipLines[] = {"#coall", "#hai@haikei0", "#wait@300", "#end"};

}  // namespace

StoryPlayer::StoryPlayer(int scene, Script script, StorySound& sound, StorySettings settings, ReadPages* read)
    : scene_(scene), script_(std::move(script)), sound_(sound), settings_(settings), read_(read) {
  if (script_.lines.empty()) script_.lines.emplace_back();
}

int StoryPlayer::characterOfSet(int set) const {
  const auto& sets = script_.header.characters;
  return set >= 0 && set < static_cast<int>(sets.size()) ? sets[set] : -1;
}

void StoryPlayer::start() {
  sound_.stopMusic(true);
  pages_.assign(1, StoryPage{});
  state_ = StoryState::PageShown;
  storyTick_ = lineIndex_ = pageIndex_ = 0;
  backdrop_ = kEmptyBackdrop;
  oldBackdrop_.clear();
  waitLeftMs_ = 0;
  resumeCommand_ = false;
  autoMs_ = 0;
  timerOn_ = true;
  if (settings_.skipStory) endScene();
}

// --- Input --------------------------------------------------------------------

bool StoryPlayer::currentPageUnread() const {
  if (!read_ || pages_.empty()) return false;
  const StoryPage& page = pages_[pageIndex_];
  return page.textLine >= 0 && !read_->contains({scene_, page.textLine});
}

void StoryPlayer::advanceFromInput() {
  if (state_ == StoryState::PageShown && read_ && !pages_.empty() && pages_[pageIndex_].textLine >= 0)
    read_->insert({scene_, pages_[pageIndex_].textLine});
  state_ = StoryState::PageShown;
  storyCheck();
}

void StoryPlayer::click() {
  if (inputLocked()) return;
  switch (state_) {
    case StoryState::Typing:
      state_ = StoryState::PageShown;
      timerOn_ = true;
      break;
    case StoryState::Backlog:
      state_ = StoryState::PageShown;
      timerOn_ = true;
      break;
    case StoryState::SceneEnded: break;
    default: advanceFromInput();
  }
}

void StoryPlayer::wheelDown() {
  if (inputLocked()) return;
  if (state_ == StoryState::Backlog) {
    ++storyTick_;
    timerOn_ = true;
  } else if (state_ != StoryState::SceneEnded) {
    click();
  }
}

void StoryPlayer::wheelUp() {
  // The pages are gone once the scene has ended: no backlog then.
  if (inputLocked() || state_ == StoryState::SceneEnded) return;
  if (state_ == StoryState::Backlog) {
    --storyTick_;
  } else {
    state_ = StoryState::Backlog;
    storyTick_ = pageIndex_ - 1;
  }
  timerOn_ = true;
}

void StoryPlayer::ctrl() {
  if (inputLocked() || state_ == StoryState::SceneEnded) return;
  if (!settings_.ctrlSkipsUnread && currentPageUnread()) return;
  click();
}

bool StoryPlayer::skip() {
  if (inputLocked() || state_ == StoryState::SceneEnded) return false;
  auto& lines = script_.lines;
  const std::size_t from = static_cast<std::size_t>(lineIndex_) + 1;
  if (lines.size() < from + 4) lines.resize(from + 4);
  for (std::size_t k = 0; k < 4; ++k) lines[from + k] = kSkipLines[k];
  resumeCommand_ = false;
  state_ = StoryState::PageShown;
  storyCheck();
  return true;
}

void StoryPlayer::settingsOpening() {
  if (state_ == StoryState::BackdropFade) state_ = StoryState::Typing;
}

// --- The interpreter ------------------------------------------------------------

void StoryPlayer::storyCheck() {
  autoMs_ = 0;
  const int count = static_cast<int>(script_.lines.size());
  for (;;) {
    ScriptLine line;
    if (resumeCommand_) {
      resumeCommand_ = false;
      line = ParseLine(script_.lines[lineIndex_]);
    } else {
      lineIndex_ = std::min(lineIndex_ + 1, count);
      if (lineIndex_ >= count) return;  // past the last line: the page stays
      line = ParseLine(script_.lines[lineIndex_]);
      if (!runSounds(line)) {
        resumeCommand_ = true;
        return;
      }
    }
    if (!runCommand(line)) return;
  }
}

bool StoryPlayer::runSounds(const ScriptLine& line) {
  bool hold = false;
  for (const SoundCue& cue : line.sounds) {
    switch (cue.command) {
      case SoundCommand::PlayMusic:
        if (const auto music = MusicCue(cue.argument)) sound_.playMusic(*music);
        break;
      case SoundCommand::PlayEffect1:
        if (const auto effect = EffectCue(cue.argument)) {
          sound_.playEffect(1, *effect, false);
          if (!ctrlHeld_) {
            const int ms = sound_.effectHoldMs(*effect);
            if (ms > 0) {
              waitLeftMs_ = ms;
              hold = true;
            }
          }
        }
        break;
      case SoundCommand::PlayEffect2:
        if (const auto effect = EffectCue(cue.argument)) sound_.playEffect(2, *effect, true);
        break;
      case SoundCommand::StopMusic: sound_.stopMusic(true); break;
      case SoundCommand::StopEffect1: sound_.stopEffect(1, true); break;
      case SoundCommand::StopEffect2: sound_.stopEffect(2, true); break;
    }
  }
  return !hold;
}

bool StoryPlayer::runCommand(const ScriptLine& line) {
  const auto setOf = [&](int character) {
    const auto& sets = script_.header.characters;
    const auto it = std::find(sets.begin(), sets.end(), character);
    return it == sets.end() ? -1 : static_cast<int>(it - sets.begin());
  };
  const auto fade = [&](StoryState state) {
    state_ = state;
    storyTick_ = 0;
    timerOn_ = true;
    return false;
  };
  switch (line.command) {
    case Command::Backdrop:
      oldBackdrop_ = backdrop_;
      backdrop_ = display(line.argument);
      return fade(StoryState::BackdropFade);
    case Command::CharacterIn: {
      appendPage(true);
      StoryPage& page = pages_[pageIndex_];
      for (const Placement& p : line.placements) {
        const int set = setOf(p.character);
        // An undeclared character or a face it does not have would show nothing sensible.
        if (set < 0 || p.expression >= StoryCharacters()[p.character].expressions) continue;
        page.portrait[p.slot] = set;
        page.expression[p.slot] = p.expression;
      }
      return fade(StoryState::PortraitIn);
    }
    case Command::AllOut:
      appendPage(true);
      pages_[pageIndex_].portrait.fill(-1);
      return fade(StoryState::PortraitOut);
    case Command::CharacterOut: {
      appendPage(true);
      StoryPage& page = pages_[pageIndex_];
      for (int character : line.leaving) {
        const int set = setOf(character);
        for (int& slot : page.portrait)
          if (set >= 0 && slot == set) slot = -1;
      }
      return fade(StoryState::PortraitOut);
    }
    case Command::Page: {
      appendPage(false);
      StoryPage& page = pages_[pageIndex_];
      page.textLine = lineIndex_;
      page.speaker = readable(line.argument);
      const int count = static_cast<int>(script_.lines.size());
      for (int k = 0; k < 3 && lineIndex_ + 1 < count && script_.lines[lineIndex_ + 1].find('#') == std::string::npos;
           ++k)
        page.lines[k] = readable(script_.lines[++lineIndex_]);
      if (state_ == StoryState::PageShown) state_ = StoryState::Typing;
      storyTick_ = 0;
      timerOn_ = true;
      return false;
    }
    case Command::End: endScene(); return false;
    case Command::Wait:
      if (line.waitMs <= 0) return true;
      waitLeftMs_ = line.waitMs;
      return false;
    case Command::None: return true;
  }
  return true;
}

void StoryPlayer::appendPage(bool keepText) {
  StoryPage page = pages_[pageIndex_];
  if (!keepText) {
    page.speaker.clear();
    page.lines = {};
    page.textLine = -1;
  }
  pages_.resize(++pageIndex_);
  pages_.push_back(std::move(page));
}

void StoryPlayer::endScene() {
  timerOn_ = false;
  waitLeftMs_ = 0;
  resumeCommand_ = false;
  sound_.stopMusic(false);
  sound_.stopEffect(2, false);
  pages_.clear();
  pageIndex_ = 0;
  oldBackdrop_.clear();
  state_ = StoryState::SceneEnded;
}

// --- Frames -------------------------------------------------------------------------

bool StoryPlayer::ticking() const {
  if (state_ == StoryState::SceneEnded) return false;
  return timerOn_ || waitLeftMs_ > 0 || (settings_.autoAdvance && state_ == StoryState::PageShown);
}

void StoryPlayer::composeLayer(StoryFrame& f, const StoryPage& page, const StoryPage* other, int alpha, int slideSign,
                               int slideBy) const {
  for (int i = 0; i < 5; ++i) {
    if (page.portrait[i] < 0) continue;
    const int character = characterOfSet(page.portrait[i]);
    if (character < 0) continue;
    // Only a portrait that is not in the other page's slot slides; one that
    // stays, or only changes its face, fades in place.
    const bool moves = other && other->portrait[i] != page.portrait[i];
    f.portraits.push_back({character, page.expression[i], i, layout::portraitCentre(i), std::clamp(alpha, 0, 255),
                           moves ? slideSign * slideBy : 0});
  }
}

void StoryPlayer::composeMessage(StoryFrame& f, const StoryPage& page, int visibleBytes) const {
  f.speaker = display(page.speaker);
  int left = visibleBytes;
  for (int k = 0; k < 3; ++k) {
    if (left > 0) f.lines[k] = display(Prefix(page.lines[k], static_cast<std::size_t>(left)));
    left -= static_cast<int>(page.lines[k].size());
  }
}

StoryFrame StoryPlayer::frame() const {
  StoryFrame f;
  if (state_ == StoryState::SceneEnded || pages_.empty()) {
    f.blank = true;
    return f;
  }
  f.backdrop = backdrop_;
  const StoryPage& page = pages_[pageIndex_];
  const StoryPage* previous = pageIndex_ > 0 ? &pages_[pageIndex_ - 1] : nullptr;
  const int all = pageBytes(page);
  switch (state_) {
    case StoryState::PageShown:
      composeLayer(f, page, nullptr, 255, 0, 0);
      composeMessage(f, page, all);
      f.more = waitLeftMs_ == 0;
      break;
    case StoryState::Typing:
      composeLayer(f, page, nullptr, 255, 0, 0);
      composeMessage(f, page, settings_.bytesPerTick <= 0 ? all : storyTick_);
      break;
    case StoryState::BackdropFade:
      f.fadingFrom = oldBackdrop_;
      f.backdropAlpha = std::min(255, kBackdropStep * storyTick_);
      composeLayer(f, page, nullptr, 255, 0, 0);
      composeMessage(f, page, all);
      break;
    case StoryState::PortraitIn: {
      const int alpha = std::min(255, kPortraitStep * storyTick_);
      if (previous) composeLayer(f, *previous, nullptr, 255, 0, 0);
      composeLayer(f, page, previous, alpha, 1, kSlidePx * (255 - alpha) / 255);
      composeMessage(f, page, all);
      break;
    }
    case StoryState::PortraitOut: {
      const int alpha = std::max(0, 255 - kPortraitStep * storyTick_);
      composeLayer(f, page, nullptr, 255, 0, 0);
      if (previous) composeLayer(f, *previous, &page, alpha, -1, kSlidePx * (255 - alpha) / 255);
      composeMessage(f, page, all);
      break;
    }
    case StoryState::Backlog: {
      const StoryPage& shown = pages_[std::clamp(storyTick_, 0, pageIndex_)];
      composeLayer(f, shown, nullptr, 255, 0, 0);
      composeMessage(f, shown, pageBytes(shown));
      f.windowAlpha = kBacklogWindowAlpha;
      f.log = true;
      return f;
    }
    case StoryState::SceneEnded: break;
  }
  f.windowAlpha = kWindowAlpha;
  return f;
}

StoryFrame StoryPlayer::tick() {
  if (state_ == StoryState::SceneEnded) {
    timerOn_ = false;
    return frame();
  }
  if (waitLeftMs_ > 0) {
    waitLeftMs_ = std::max(0, waitLeftMs_ - kTickMs);
    if (waitLeftMs_ == 0) storyCheck();
    return frame();
  }
  if (state_ == StoryState::Backlog) {
    storyTick_ = std::max(storyTick_, 0);
    if (storyTick_ >= pageIndex_) {
      state_ = StoryState::PageShown;
      storyTick_ = pageIndex_;
    }
  }
  StoryFrame f = frame();
  bool fadeEnded = false;
  switch (state_) {
    case StoryState::PageShown:
      timerOn_ = false;
      if (settings_.autoAdvance) {
        autoMs_ += kTickMs;
        const StoryPage& page = pages_[pageIndex_];
        if (autoMs_ >= settings_.autoHoldMs + settings_.autoHoldMsPerByte * pageBytes(page)) advanceFromInput();
      }
      break;
    case StoryState::Typing:
      storyTick_ += settings_.bytesPerTick <= 0 ? pageBytes(pages_[pageIndex_]) + 1 : settings_.bytesPerTick;
      if (pageBytes(pages_[pageIndex_]) < storyTick_) {
        state_ = StoryState::PageShown;
        autoMs_ = 0;
      }
      break;
    case StoryState::BackdropFade:
      if (kBackdropStep * ++storyTick_ > kFadeEnd) state_ = StoryState::PageShown, fadeEnded = true;
      break;
    case StoryState::PortraitIn:
    case StoryState::PortraitOut:
      if (kPortraitStep * ++storyTick_ > kFadeEnd) state_ = StoryState::PageShown, fadeEnded = true;
      break;
    case StoryState::Backlog: timerOn_ = false; break;
    case StoryState::SceneEnded: break;
  }
  // A finished fade carries the script on by itself; finished typing waits.
  if (fadeEnded) storyCheck();
  return f;
}

}  // namespace sorvane::story
