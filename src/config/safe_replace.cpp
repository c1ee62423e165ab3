#include "config/safe_replace.h"

namespace tablerun {

TReplaceResult fnWriteFileSafely(TFileSystem& fs, const std::string& path, std::string_view content) {
  TReplaceResult result;
  auto temp = fs.CreateTemp(fnFolderOf(path), "rpl", result.tempPath);
  if (!temp) {
    result.failure = TReplaceFailure::CreateTemp;
    return result;
  }
  const bool written = temp->WriteAt(0, content);
  const bool synced = temp->SyncAndClose();
  temp.reset();
  if (!written || !synced) {
    result.failure = TReplaceFailure::Write;
  } else if (!fs.Rename(result.tempPath, path)) {
    result.failure = TReplaceFailure::Rename;
  }
  if (!result) fs.Remove(result.tempPath);
  return result;
}

bool fnReplaceFile(TFileSystem& fs, TMessages& messages, const std::string& path, std::string_view content) {
  const TReplaceResult result = fnWriteFileSafely(fs, path, content);
  switch (result.failure) {
    case TReplaceFailure::None:
      return true;
    case TReplaceFailure::CreateTemp:
      messages.ShowMessage(TMessageKind::Information, "Error creating temp file.");
      break;
    case TReplaceFailure::Write:
      messages.ShowMessage(TMessageKind::Information, "Write error on file");
      break;
    case TReplaceFailure::Rename:
      messages.ShowMessage(TMessageKind::Information,
                         "Error in renaming the file: " + result.tempPath + "\r" + "to:" + " " + path);
      break;
  }
  return false;
}

}  // namespace tablerun
