// Builds QDA archives. Used by the asset generator and by tests; the game
// itself never writes an archive.
#pragma once

#include <string>
#include <vector>

#include "data/archive/qda.h"

namespace sorvane::qda {

struct ArchiveEntry {
  std::string name;  // UTF-8; stored as CP932
  Bytes data;
};

// Raw entries (compression flag 0) or byte-pair encoded entries (flag 1).
// Throws std::invalid_argument for a name over 255 CP932 bytes or with a zero
// byte, text::EncodingError for a name with no CP932 form.
Bytes WriteArchive(const std::vector<ArchiveEntry>& entries, bool compressed);

// Writes the archive to `path` atomically (temporary file, then rename).
// Throws EFOpenError when the temporary file cannot be created, and
// std::system_error when writing or renaming fails (the old file is kept).
void WriteArchiveFile(const std::string& path, const std::vector<ArchiveEntry>& entries, bool compressed);

}  // namespace sorvane::qda
