// Rewrites a file so that it is always either wholly old or wholly new: the new
// bytes go to an "rpl" file in the same folder, which is synced and then renamed
// over the original in one step.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "config/file_system.h"
#include "config/messages.h"

namespace tablerun {

enum class TReplaceFailure { None, CreateTemp, Write, Rename };

struct TReplaceResult {
  TReplaceFailure failure = TReplaceFailure::None;
  std::string tempPath;
  int error = 0;  // errno of the failed step
  explicit operator bool() const { return failure == TReplaceFailure::None; }
};

// On failure the original stays untouched and the temporary file is removed.
// The new file keeps the old one's permissions; a symbolic link is written
// through to the file it names and stays a link.
TReplaceResult fnWriteFileSafely(TFileSystem& fs, const std::string& path, std::string_view content);

// A rewrite killed before its rename leaves its temporary file behind: those
// in `folder` older than any rewrite lasts are removed. Only names the rewrite
// makes are touched. How many went.
int fnRemoveStaleTemporaryFiles(TFileSystem& fs, const std::string& folder, std::int64_t now);

// The same, and on failure the player is told why; the result is false.
bool fnReplaceFile(TFileSystem& fs, TMessages& messages, const std::string& path, std::string_view content);

}  // namespace tablerun
