// Byte-pair encoding in the block format the QDA archives use: a pair table in
// run form, a 4-byte little-endian count of packed bytes, the packed bytes.
#pragma once

#include "data/archive/qda.h"

namespace sorvane::qda {

// Expands packed blocks into exactly `expandedSize` bytes. Throws EQDAError
// when the blocks are truncated, nest deeper than the 256-entry stack, or
// expand past `expandedSize`. Blocks that expand to fewer bytes leave zeros
// after their data.
Bytes ExpandBytePairs(const std::uint8_t* data, std::size_t size, std::size_t expandedSize);

// Packs bytes into blocks that ExpandBytePairs reads back.
Bytes CompressBytePairs(const Bytes& data);

}  // namespace sorvane::qda
