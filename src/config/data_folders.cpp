#include "config/data_folders.h"

#include "config/safe_replace.h"
#include "config/text.h"

namespace tablerun {
namespace {

// user-dirs.dirs holds lines such as XDG_DOCUMENTS_DIR="$HOME/Documents".
std::string fnDocumentsFromUserDirs(const std::string& contents, const std::string& home) {
  const std::string key = "XDG_DOCUMENTS_DIR=";
  for (const std::string_view raw : fnSplitLines(contents)) {
    const std::string line = fnTrim(raw);
    if (line.rfind(key, 0) != 0) continue;
    std::string value = line.substr(key.size());
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    if (value.rfind("$HOME", 0) == 0) value = home + value.substr(5);
    return value;
  }
  return {};
}

// Names of files are matched without regard to case, as the store's own name may be spelt either way.
bool fnHasStoreFile(TFileSystem& fs, const std::string& folder) {
  for (const auto& name : fs.ListFolder(folder)) {
    if (fnSameTextIgnoringCase(name, "cfg.dat")) return true;
  }
  return false;
}

}  // namespace

TUserFolders fnUserFolders(TFileSystem& fs, const TEnvironment& environment) {
  const std::string home = environment("HOME");
  TUserFolders folders;
  folders.applicationData = environment("XDG_DATA_HOME");
  if (folders.applicationData.empty() && !home.empty()) folders.applicationData = home + "/.local/share";

  std::string configHome = environment("XDG_CONFIG_HOME");
  if (configHome.empty() && !home.empty()) configHome = home + "/.config";
  if (!configHome.empty()) {
    if (const auto dirs = fnReadWholeFile(fs, fnWithTrailingSlash(configHome) + "user-dirs.dirs"))
      folders.documents = fnDocumentsFromUserDirs(*dirs, home);
  }
  if (folders.documents.empty() && !home.empty()) folders.documents = home + "/Documents";
  return folders;
}

std::string fnWithTrailingSlash(const std::string& folder) {
  if (folder.empty() || folder.back() == '/') return folder;
  return folder + "/";
}

std::string fnDefaultDataFolder(const std::string& programFolder, const std::string& applicationData) {
  if (fnTrimRight(applicationData).empty()) return fnWithTrailingSlash(programFolder) + "Data/";
  return fnWithTrailingSlash(applicationData) + "Tablerun/";
}

bool fnWritePointerFile(TFileSystem& fs, TMessages& messages, const std::string& programFolder,
                        const std::string& line) {
  const std::string path = fnWithTrailingSlash(programFolder) + kPointerFileName;
  if (fnWriteFileSafely(fs, path, line + "\r\n")) return true;
  messages.ShowMessage(TMessageKind::Information,
                       "Error saving the file: " + path + "\r" +
                           "Note: the program folder must be writable by this user to save this file.");
  return false;
}

std::string fnFindDataFolder(TFileSystem& fs, TMessages& messages, const std::string& programFolder,
                             const std::string& applicationData) {
  const std::string program = fnWithTrailingSlash(programFolder);
  const std::string pointer = program + kPointerFileName;
  if (!fs.Exists(pointer)) {
    // A copy that carries its own data beside the program keeps using it.
    const std::string local = program + "data/";
    fnWritePointerFile(fs, messages, program, fnHasStoreFile(fs, local) ? local : kDefaultFolderMarker);
  }
  std::string folder;
  if (const auto contents = fnReadWholeFile(fs, pointer)) {
    const std::string firstLine = contents->substr(0, contents->find_first_of("\r\n"));
    folder = fnWithTrailingSlash(fnTrimRight(firstLine));
  }
  if (folder.empty() || folder.rfind(kDefaultFolderMarker, 0) == 0)
    return fnDefaultDataFolder(program, applicationData);
  return folder;
}

}  // namespace tablerun
