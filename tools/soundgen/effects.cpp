#include "effects.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>
#include <stdexcept>

namespace soundgen {

namespace {
constexpr int kRate = 44100;

struct Layer {
  std::string kind = "tone", wave = "sine", env = "exp";
  double f = 440, to = -1, at = 0, len = 0.1, vol = 0.5, atk = 0.003, vib = 0, vibRate = 6, duty = 0.5;
  double lp = 4000, lpTo = -1;
};

double waveAt(const std::string& wave, double phase, double duty) {
  double p = phase - std::floor(phase);
  if (wave == "sine") return std::sin(2 * std::numbers::pi * p);
  if (wave == "square") return p < duty ? 0.8 : -0.8;
  if (wave == "triangle") return p < 0.5 ? 4 * p - 1 : 3 - 4 * p;
  if (wave == "saw") return 2 * p - 1;
  throw std::runtime_error("unknown wave \"" + wave + "\"");
}

double envelope(const Layer& l, double t) {
  if (t < 0 || t >= l.len) return 0;
  double attack = t < l.atk ? t / l.atk : 1;
  double x = t / l.len;
  double body = l.env == "lin" ? 1 - x : l.env == "flat" ? std::min(1.0, (l.len - t) / 0.01) : std::pow(0.001, x);
  return attack * body;
}

void addLayer(std::vector<float>& out, const Layer& l) {
  int64_t start = std::llround(l.at * kRate), n = std::llround(l.len * kRate);
  if (static_cast<int64_t>(out.size()) < start + n) out.resize(static_cast<size_t>(start + n), 0.0f);
  double phase = 0, lowpass = 0;
  uint32_t seed = 0x2545F491u;
  for (int64_t i = 0; i < n; ++i) {
    double t = static_cast<double>(i) / kRate, x = static_cast<double>(i) / static_cast<double>(n);
    double v;
    if (l.kind == "noise") {
      seed = seed * 1664525u + 1013904223u;
      double white = static_cast<double>(seed >> 8) / double(1 << 24) * 2 - 1;
      double cutoff = l.lp * std::pow((l.lpTo > 0 ? l.lpTo : l.lp) / l.lp, x);
      double a = 1 - std::exp(-2 * std::numbers::pi * cutoff / kRate);
      lowpass += a * (white - lowpass);
      v = lowpass * 1.5;
    } else {
      double f = l.f * std::pow((l.to > 0 ? l.to : l.f) / l.f, x);  // glides are exponential, like pitch
      if (l.vib > 0) f *= std::pow(2.0, l.vib / 12 * std::sin(2 * std::numbers::pi * l.vibRate * t));
      phase += f / kRate;
      v = waveAt(l.wave, phase, l.duty);
    }
    out[static_cast<size_t>(start + i)] += static_cast<float>(v * l.vol * envelope(l, t));
  }
}
}  // namespace

std::map<std::string, std::vector<float>> synthesiseEffects(const std::string& text) {
  std::map<std::string, std::vector<float>> out;
  std::istringstream in(text);
  std::string current;
  double peak = 0.6;
  int lineNo = 0;
  auto finish = [&] {
    if (current.empty()) return;
    std::vector<float>& s = out[current];
    float top = 0;
    for (float v : s) top = std::max(top, std::fabs(v));
    if (top > 0)
      for (float& v : s) v = static_cast<float>(v * peak / top);
    s.resize(s.size() + kRate / 50, 0.0f);  // a little silence so nothing ends on a step
  };
  for (std::string line; std::getline(in, line);) {
    ++lineNo;
    if (size_t hash = line.find('#'); hash != std::string::npos) line.resize(hash);
    std::istringstream ws(line);
    std::string kind;
    if (!(ws >> kind)) continue;
    try {
      if (kind == "effect") {
        finish();
        ws >> current;
        peak = 0.6;
        out[current];
        for (std::string w; ws >> w;)
          if (w.rfind("peak=", 0) == 0) peak = std::stod(w.substr(5));
        continue;
      }
      if (current.empty()) throw std::runtime_error("a layer before the first effect");
      Layer l;
      l.kind = kind;
      if (kind != "tone" && kind != "noise") throw std::runtime_error("unknown layer \"" + kind + "\"");
      for (std::string w; ws >> w;) {
        size_t eq = w.find('=');
        if (eq == std::string::npos) throw std::runtime_error("expected name=value, found \"" + w + "\"");
        std::string k = w.substr(0, eq), v = w.substr(eq + 1);
        if (k == "wave") l.wave = v;
        else if (k == "env") l.env = v;
        else if (k == "f") l.f = std::stod(v);
        else if (k == "to") l.to = std::stod(v);
        else if (k == "at") l.at = std::stod(v);
        else if (k == "len") l.len = std::stod(v);
        else if (k == "vol") l.vol = std::stod(v);
        else if (k == "atk") l.atk = std::stod(v);
        else if (k == "vib") l.vib = std::stod(v);
        else if (k == "rate") l.vibRate = std::stod(v);
        else if (k == "duty") l.duty = std::stod(v);
        else if (k == "lp") l.lp = std::stod(v);
        else if (k == "lpto") l.lpTo = std::stod(v);
        else throw std::runtime_error("unknown setting \"" + k + "\"");
      }
      if (l.len <= 0 || l.len > 5 || l.at < 0 || l.at > 5 || l.f <= 0 || l.lp <= 0 || l.atk <= 0)
        throw std::runtime_error("a setting out of range");
      addLayer(out[current], l);
    } catch (const std::exception& e) {
      throw std::runtime_error("line " + std::to_string(lineNo) + ": " + e.what());
    }
  }
  finish();
  return out;
}

std::vector<uint8_t> wavFile(const std::vector<float>& samples) {
  std::vector<uint8_t> out;
  auto u32 = [&](uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
  };
  auto u16 = [&](uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
  };
  uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
  out.insert(out.end(), {'R', 'I', 'F', 'F'});
  u32(36 + dataBytes);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(kRate);
  u32(kRate * 2);
  u16(2);
  u16(16);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  u32(dataBytes);
  for (float v : samples) {
    auto s = static_cast<int16_t>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767));
    u16(static_cast<uint16_t>(s));
  }
  return out;
}

}  // namespace soundgen
