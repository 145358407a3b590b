#include "render.h"

#include <fluidsynth.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>

#include "sound/loop_header.h"

namespace soundgen {

namespace {
constexpr int kRate = 44100;
// The loop's first pass plays this long before the point it jumps back to, so
// the notes ringing over the seam are the loop's own end, not the intro's.
constexpr double kSeamLead = 4.0;
// The reverb's delay lines are modulated, so the two passes differ a little
// in their echoes: the last moments before the jump fade into the moments
// before the jump target.
constexpr int kSeamBlend = kRate * 3 / 10;
// Music goes on this long past the jump, out of reach of the encoder's end effects.
constexpr int kPastJump = kRate / 2;

struct Synth {
  fluid_settings_t* settings = new_fluid_settings();
  fluid_synth_t* synth = nullptr;
  ~Synth() {
    if (synth) delete_fluid_synth(synth);
    delete_fluid_settings(settings);
  }
};
}  // namespace

Rendered renderSong(const Song& song, const std::string& soundfont) {
  Synth s;
  fluid_settings_setnum(s.settings, "synth.sample-rate", kRate);
  fluid_settings_setint(s.settings, "synth.cpu-cores", 1);
  fluid_settings_setnum(s.settings, "synth.gain", 0.5);
  fluid_settings_setint(s.settings, "synth.reverb.active", 1);
  fluid_settings_setint(s.settings, "synth.chorus.active", 0);
  fluid_settings_setint(s.settings, "synth.polyphony", 256);
  s.synth = new_fluid_synth(s.settings);
  if (!s.synth || fluid_synth_sfload(s.synth, soundfont.c_str(), 1) == FLUID_FAILED)
    throw std::runtime_error("cannot load the soundfont " + soundfont);
  fluid_synth_set_reverb_group_roomsize(s.synth, -1, 0.6);
  fluid_synth_set_reverb_group_level(s.synth, -1, 0.7);
  for (const Instrument& i : song.instruments) {
    if (i.channel != 9) fluid_synth_program_change(s.synth, i.channel, i.program);
    fluid_synth_cc(s.synth, i.channel, 7, i.volume);
    fluid_synth_cc(s.synth, i.channel, 10, i.pan);
    fluid_synth_cc(s.synth, i.channel, 91, i.reverb);
    fluid_synth_cc(s.synth, i.channel, 93, i.chorus);
  }

  // The synthesiser starts notes on 64-frame boundaries, so every event is put
  // on one, and the looping part lasts a whole number of them: then its second
  // pass is the first one again, frame for frame.
  auto frameOf = [&](int64_t tick) { return static_cast<int64_t>(std::llround(song.seconds(tick) * kRate)); };
  auto onBlock = [](int64_t frame) { return (frame + 32) / 64 * 64; };
  const int64_t loopTicks = song.loopEnd - song.loopStart;
  const int64_t loopFrames = onBlock(frameOf(song.loopEnd) - frameOf(song.loopStart));
  auto eventFrame = [&](int64_t tick) {
    int64_t pass = tick > song.loopStart && loopTicks > 0 ? (tick - song.loopStart) / loopTicks : 0;
    return onBlock(frameOf(tick - pass * loopTicks)) + pass * loopFrames;
  };
  Rendered out;
  out.loopTo = frameOf(song.loopStart) + static_cast<int64_t>(kSeamLead * kRate);
  out.loopFrom = out.loopTo + loopFrames;
  const int64_t total = out.loopFrom + kPastJump;

  // Note-ons and note-offs in time order; offs first at the same frame.
  struct Event {
    int64_t frame;
    bool on;
    int channel, key, velocity;
  };
  std::vector<Event> events;
  for (const NoteEvent& n : song.notes) {
    events.push_back({eventFrame(n.tick), true, n.channel, n.key, n.velocity});
    events.push_back({eventFrame(n.tick + n.length), false, n.channel, n.key, 0});
  }
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return a.frame != b.frame ? a.frame < b.frame : (!a.on && b.on);
  });

  out.audio.samples.resize(static_cast<size_t>(total) * 2);
  std::vector<float> left(1024), right(1024);
  int64_t frame = 0;
  size_t next = 0;
  while (frame < total) {
    while (next < events.size() && events[next].frame <= frame) {
      const Event& e = events[next++];
      if (e.on) fluid_synth_noteon(s.synth, e.channel, e.key, e.velocity);
      else fluid_synth_noteoff(s.synth, e.channel, e.key);
    }
    int64_t until = std::min<int64_t>(total, frame + 1024);
    if (next < events.size()) until = std::min(until, std::max(events[next].frame, frame + 1));
    int n = static_cast<int>(until - frame);
    fluid_synth_write_float(s.synth, n, left.data(), 0, 1, right.data(), 0, 1);
    for (int i = 0; i < n; ++i) {
      out.audio.samples[static_cast<size_t>(frame + i) * 2] = left[i];
      out.audio.samples[static_cast<size_t>(frame + i) * 2 + 1] = right[i];
    }
    frame = until;
  }
  std::vector<float>& a = out.audio.samples;
  for (int k = 0; k < kSeamBlend; ++k) {
    float w = static_cast<float>(k + 1) / kSeamBlend;
    for (int c = 0; c < 2; ++c) {
      float& end = a[static_cast<size_t>(out.loopFrom - kSeamBlend + k) * 2 + c];
      end = (1 - w) * end + w * a[static_cast<size_t>(out.loopTo - kSeamBlend + k) * 2 + c];
    }
  }
  return out;
}

void normalise(Audio& audio, double targetRms, double peakLimit) {
  double sum = 0, peak = 0;
  for (float v : audio.samples) {
    sum += double{v} * v;
    peak = std::max(peak, double{std::fabs(v)});
  }
  if (audio.samples.empty() || peak == 0) return;
  double rms = std::sqrt(sum / static_cast<double>(audio.samples.size()));
  double gain = std::min(targetRms / rms, peakLimit / peak);
  for (float& v : audio.samples) v = static_cast<float>(v * gain);
}

std::vector<uint8_t> encodeMusic(const Rendered& music, float quality) {
  sorvane::sound::LoopHeader header;
  header.points[0] = {static_cast<float>(static_cast<double>(music.loopTo) / kRate),
                      static_cast<float>(static_cast<double>(music.loopFrom) / kRate), -1};
  // The float seconds must land on the very frames the cut was made at.
  if (sorvane::sound::frameAt(header.points[0].jump) != music.loopTo ||
      sorvane::sound::frameAt(header.points[0].trigger) != music.loopFrom)
    throw std::runtime_error("the loop point does not fit a float exactly enough");
  std::vector<uint8_t> out = sorvane::sound::writeLoopHeader(header);

  vorbis_info vi;
  vorbis_info_init(&vi);
  if (vorbis_encode_init_vbr(&vi, 2, kRate, quality) != 0) throw std::runtime_error("vorbis_encode_init_vbr failed");
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_comment_add_tag(&vc, "ENCODER", "sorvane-soundgen");
  vorbis_dsp_state vd;
  vorbis_block vb;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, 0x50524f56);  // a fixed serial number keeps the build reproducible
  ogg_packet h1, h2, h3;
  vorbis_analysis_headerout(&vd, &vc, &h1, &h2, &h3);
  ogg_stream_packetin(&os, &h1);
  ogg_stream_packetin(&os, &h2);
  ogg_stream_packetin(&os, &h3);
  ogg_page og;
  auto put = [&](const ogg_page& page) {
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
  };
  while (ogg_stream_flush(&os, &og)) put(og);

  const int64_t frames = music.audio.frames();
  int64_t pos = 0;
  bool eos = false;
  while (!eos) {
    int n = static_cast<int>(std::min<int64_t>(4096, frames - pos));
    if (n > 0) {
      float** buf = vorbis_analysis_buffer(&vd, n);
      for (int i = 0; i < n; ++i) {
        buf[0][i] = music.audio.samples[static_cast<size_t>(pos + i) * 2];
        buf[1][i] = music.audio.samples[static_cast<size_t>(pos + i) * 2 + 1];
      }
      vorbis_analysis_wrote(&vd, n);
      pos += n;
    } else {
      vorbis_analysis_wrote(&vd, 0);
    }
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      ogg_packet op;
      while (vorbis_bitrate_flushpacket(&vd, &op)) {
        ogg_stream_packetin(&os, &op);
        while (ogg_stream_pageout(&os, &og)) {
          put(og);
          if (ogg_page_eos(&og)) eos = true;
        }
      }
    }
  }
  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  return out;
}

}  // namespace soundgen
