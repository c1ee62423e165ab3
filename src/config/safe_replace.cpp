#include "config/safe_replace.h"

#include <cerrno>

namespace tablerun {

TReplaceResult fnWriteFileSafely(TFileSystem& fs, const std::string& path, std::string_view content) {
  TReplaceResult result;
  auto temp = fs.CreateTemp(fnFolderOf(path), "rpl", result.tempPath);
  if (!temp) {
    result.error = errno;
    result.failure = TReplaceFailure::CreateTemp;
    return result;
  }
  const bool written = temp->WriteAt(0, content);
  const int writeError = errno;
  const bool synced = temp->SyncAndClose();
  const int syncError = errno;
  temp.reset();
  if (!written || !synced) {
    result.error = written ? syncError : writeError;
    result.failure = TReplaceFailure::Write;
  } else if (!fs.Rename(result.tempPath, path)) {
    result.error = errno;
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
      messages.ShowMessage(TMessageKind::Information,
                           "Error creating temp file. " + path + ": " + fnCauseOf(result.error));
      break;
    case TReplaceFailure::Write:
      messages.ShowMessage(TMessageKind::Information, "Write error on file " + path + ": " + fnCauseOf(result.error));
      break;
    case TReplaceFailure::Rename:
      messages.ShowMessage(TMessageKind::Information,
                           "Error in renaming the file: " + result.tempPath + "\r" + "to:" + " " + path + "\r" +
                               fnCauseOf(result.error));
      break;
  }
  return false;
}

}  // namespace tablerun
