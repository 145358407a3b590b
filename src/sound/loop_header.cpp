#include "sound/loop_header.h"

#include <cmath>
#include <cstring>

#include "sound/levels.h"

namespace sorvane::sound {

namespace {
constexpr char kMagic[8] = {'A', 'L', 'P', 'H', 'A', 'O', 'G', 'G'};

template <typename T>
T readLittle(const uint8_t* p) {
  uint32_t v = uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
  T out;
  std::memcpy(&out, &v, 4);
  return out;
}

template <typename T>
void writeLittle(uint8_t* p, T value) {
  uint32_t v;
  std::memcpy(&v, &value, 4);
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

bool active(const LoopPoint& p, int32_t uses) {
  return std::isfinite(p.jump) && std::isfinite(p.trigger) && (p.count == -1 || (p.count > 0 && uses < p.count));
}
}  // namespace

std::optional<LoopHeader> readLoopHeader(std::span<const uint8_t> file) {
  if (file.size() < kLoopHeaderSize || std::memcmp(file.data(), kMagic, 8) != 0) return std::nullopt;
  LoopHeader header;
  const uint8_t* p = file.data() + 8;
  for (LoopPoint& point : header.points) {
    point.jump = readLittle<float>(p);
    point.trigger = readLittle<float>(p + 4);
    point.count = readLittle<int32_t>(p + 8);
    p += 12;
  }
  return header;
}

std::vector<uint8_t> writeLoopHeader(const LoopHeader& header) {
  std::vector<uint8_t> out(kLoopHeaderSize);
  std::memcpy(out.data(), kMagic, 8);
  uint8_t* p = out.data() + 8;
  for (const LoopPoint& point : header.points) {
    writeLittle(p, point.jump);
    writeLittle(p + 4, point.trigger);
    writeLittle(p + 8, point.count);
    p += 12;
  }
  return out;
}

int64_t frameAt(double seconds) {
  if (!(seconds > 0)) return 0;  // negative and NaN start from the beginning
  if (seconds > 1e9) seconds = 1e9;
  return std::llround(seconds * kRate);
}

std::optional<LoopJump> findLoopJump(const LoopHeader& header, const LoopUses& uses, int64_t pos, int64_t frames) {
  std::optional<LoopJump> first;
  for (int i = 0; i < kLoopPoints; ++i) {
    const LoopPoint& p = header.points[i];
    if (!active(p, uses[i])) continue;
    int64_t trigger = frameAt(p.trigger);
    if (trigger <= pos || trigger > pos + frames) continue;
    if (!first || trigger - pos < first->before) first = LoopJump{i, trigger - pos, frameAt(p.jump)};
  }
  return first;
}

void resetPassedLoops(const LoopHeader& header, LoopUses& uses, int64_t pos) {
  for (int i = 0; i < kLoopPoints; ++i)
    if (pos > frameAt(header.points[i].trigger)) uses[i] = 0;
}

void countLoopJump(const LoopHeader& header, LoopUses& uses, int point) {
  if (header.points[point].count != -1) ++uses[point];
}

}  // namespace sorvane::sound
