// Start-up housekeeping in the program folder: the marker that names the
// installed version, and the files earlier releases left there. A folder the
// player may not write to is no reason to stop, so failures pass silently.
#pragma once

#include <string>

#include "config/file_system.h"

namespace tablerun {

// "TBLRV" + the version's four digits + ".DAT", holding "Tablerun version: "
// and the version; written only when missing. `version` is "major.minor".
void fnMarkProgramVersion(TFileSystem& fs, const std::string& programFolder, const std::string& version);

// Pictures of the old per-file image folder and the old library, each group
// only when its telltale file is there.
void fnDeleteEarlierReleaseFiles(TFileSystem& fs, const std::string& programFolder);

}  // namespace tablerun
