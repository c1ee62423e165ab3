#include "config/safe_replace.h"

namespace tablerun {

bool fnReplaceFile(TFileSystem& fs, TScreen& screen, const std::string& path, std::string_view content) {
  std::string tempPath;
  auto temp = fs.CreateTemp(fnFolderOf(path), "rpl", tempPath);
  if (!temp) {
    screen.ShowMessage(TMessageKind::Information, "Error creating temp file.");
    return false;
  }
  const bool written = temp->WriteAt(0, content);
  const bool synced = temp->SyncAndClose();
  temp.reset();
  if (!written || !synced) {
    fs.Remove(tempPath);
    screen.ShowMessage(TMessageKind::Information, "Write error on file");
    return false;
  }
  if (!fs.Rename(tempPath, path)) {
    fs.Remove(tempPath);
    screen.ShowMessage(TMessageKind::Information,
                       "Error in renaming the file: " + tempPath + "\r" + "to:" + " " + path);
    return false;
  }
  return true;
}

}  // namespace tablerun
