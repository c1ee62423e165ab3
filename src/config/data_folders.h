// Where the player's files live: the data folder named by the pointer file
// beside the program, by default a folder of the user's own.
#pragma once

#include <functional>
#include <string>

#include "config/file_system.h"
#include "config/messages.h"

namespace tablerun {

inline constexpr const char* kPointerFileName = "tblr_fold.dat";
inline constexpr const char* kDefaultFolderMarker = "[Default Data Folder]";

// The user's folders as the desktop reports them; empty when it has none.
struct TUserFolders {
  std::string applicationData;
  std::string documents;
};

using TEnvironment = std::function<std::string(const std::string& name)>;

// $XDG_DATA_HOME, else $HOME/.local/share; XDG_DOCUMENTS_DIR from
// user-dirs.dirs, else $HOME/Documents.
TUserFolders fnUserFolders(TFileSystem& fs, const TEnvironment& environment);

// A folder path ending in exactly one "/", or empty.
std::string fnWithTrailingSlash(const std::string& folder);

std::string fnDefaultDataFolder(const std::string& programFolder, const std::string& applicationData);

// Reads the pointer file (creating it on the first start) and gives the data
// folder, always ending in "/".
std::string fnFindDataFolder(TFileSystem& fs, TMessages& messages, const std::string& programFolder,
                             const std::string& applicationData);

// Points the next start at `line` (a folder, or the default marker).
bool fnWritePointerFile(TFileSystem& fs, TMessages& messages, const std::string& programFolder,
                        const std::string& line);

}  // namespace tablerun
