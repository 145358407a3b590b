// QDA archives: the containers of the game's pictures, maps and story scripts.
//
// Layout (little-endian): a 256-byte header (u32 compression flag, "QDA0",
// u32 entry count), then one 268-byte index record per entry (u32 data offset,
// u32 stored size, u32 expanded size, 256-byte zero-terminated CP932 name),
// then the data. With flag 1 every entry is byte-pair encoded.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace sorvane::qda {

using Bytes = std::vector<std::uint8_t>;

// Any archive that cannot be read: wrong signature, missing entry, or a
// truncated or inconsistent file. what() is the message shown to the player.
class EQDAError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The archive file itself could not be opened.
class EFOpenError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr char kBadSignatureMessage[] = "Quadruple D Archiveの扱えるデータではありません";

// Reads one entry (name compared without regard to ASCII letter case) and
// returns its bytes, expanded to the entry's expanded size. Only the header,
// the index and that entry's bytes are read from the file, never the rest.
// Throws EFOpenError when the file cannot be opened or read, EQDAError for
// everything wrong inside it. An entry over 64 MiB expanded is treated as damage.
Bytes LoadEntry(const std::string& archivePath, std::string_view entryName);

// The same on an archive already in memory (tests, fuzzing, tools).
Bytes LoadEntryFromMemory(const Bytes& archive, std::string_view entryName);

}  // namespace sorvane::qda
