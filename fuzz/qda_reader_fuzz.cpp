// Feeds arbitrary bytes to the archive reader as a whole archive, and to the
// byte-pair expander as packed blocks. Errors are fine; crashes, reads out of
// bounds and runaway allocations are not. Also checks that whatever the
// compressor makes expands back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "data/archive/byte_pair.h"
#include "data/archive/qda.h"

using sorvane::qda::Bytes;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Bytes archive(data, data + size);
  for (const char* name : {"map1.dat", "A", "はじめ1.bmp"}) {
    try {
      const Bytes entry = sorvane::qda::LoadEntryFromMemory(archive, name);
      (void)entry;
    } catch (const sorvane::qda::EQDAError&) {
    }
  }

  // The first two bytes choose the expanded size, the rest are packed blocks.
  if (size >= 2) {
    const std::size_t expandedSize = std::size_t{data[0]} | std::size_t{data[1]} << 8;
    try {
      const Bytes out = sorvane::qda::ExpandBytePairs(data + 2, size - 2, expandedSize);
      if (out.size() != expandedSize) std::abort();
    } catch (const sorvane::qda::EQDAError&) {
    }
  }

  const Bytes packed = sorvane::qda::CompressBytePairs(archive);
  if (sorvane::qda::ExpandBytePairs(packed.data(), packed.size(), archive.size()) != archive) std::abort();
  return 0;
}
