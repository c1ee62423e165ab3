// Rewrites a file so that it is always either wholly old or wholly new: the new
// bytes go to an "rpl" file in the same folder, which is synced and then renamed
// over the original in one step.
#pragma once

#include <string>
#include <string_view>

#include "config/file_system.h"
#include "engine/screen.h"

namespace tablerun {

// On any failure the original stays untouched, the temporary file is removed,
// the player is told why and the result is false.
bool fnReplaceFile(TFileSystem& fs, TScreen& screen, const std::string& path, std::string_view content);

}  // namespace tablerun
