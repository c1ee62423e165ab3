#include "config/safe_replace.h"

#include <cerrno>

namespace tablerun {
namespace {

constexpr const char* kTempPrefix = "rpl";
// A rewrite takes seconds; a temporary file this old belongs to no running copy.
constexpr std::int64_t kStaleAfterSeconds = 10 * 60;

}  // namespace

TReplaceResult fnWriteFileSafely(TFileSystem& fs, const std::string& path, std::string_view content) {
  TReplaceResult result;
  // A link stays a link: the file it names is the one rewritten.
  const auto target = fnFollowLinks(fs, path);
  if (!target) {
    result.error = ELOOP;
    result.failure = TReplaceFailure::CreateTemp;
    return result;
  }
  auto temp = fs.CreateTemp(fnFolderOf(*target), kTempPrefix, result.tempPath);
  if (!temp) {
    result.error = errno;
    result.failure = TReplaceFailure::CreateTemp;
    return result;
  }
  // Before any byte is written, so a private file's content is never open to others.
  const auto original = fs.Status(*target);
  const bool written =
      (!original || fs.SetPermissions(result.tempPath, original->permissions)) && temp->WriteAt(0, content);
  const int writeError = errno;
  const bool synced = temp->SyncAndClose();
  const int syncError = errno;
  temp.reset();
  if (!written || !synced) {
    result.error = written ? syncError : writeError;
    result.failure = TReplaceFailure::Write;
  } else if (!fs.Rename(result.tempPath, *target)) {
    result.error = errno;
    result.failure = TReplaceFailure::Rename;
  }
  if (!result) fs.Remove(result.tempPath);
  return result;
}

int fnRemoveStaleTemporaryFiles(TFileSystem& fs, const std::string& folder, std::int64_t now) {
  int removed = 0;
  for (const std::string& name : fs.ListFolder(folder)) {
    if (!fnIsTempName(name, kTempPrefix)) continue;
    const std::string path = folder + name;
    const auto status = fs.Status(path);
    // Only plain files: a link or folder of that name is not one we made.
    if (!status || fs.LinkTarget(path) || fs.IsFolder(path) || now - status->modifiedTime < kStaleAfterSeconds)
      continue;
    if (fs.Remove(path)) ++removed;
  }
  return removed;
}

bool fnReplaceFile(TFileSystem& fs, TMessages& messages, const std::string& path, std::string_view content) {
  const TReplaceResult result = fnWriteFileSafely(fs, path, content);
  switch (result.failure) {
    case TReplaceFailure::None: return true;
    case TReplaceFailure::CreateTemp:
      messages.ShowMessage(TMessageKind::Information,
                           "Error creating temp file. " + path + ": " + fnCauseOf(result.error));
      break;
    case TReplaceFailure::Write:
      messages.ShowMessage(TMessageKind::Information, "Write error on file " + path + ": " + fnCauseOf(result.error));
      break;
    case TReplaceFailure::Rename:
      messages.ShowMessage(TMessageKind::Information, "Error in renaming the file: " + result.tempPath + "\r" +
                                                          "to:" + " " + path + "\r" + fnCauseOf(result.error));
      break;
  }
  return false;
}

}  // namespace tablerun
