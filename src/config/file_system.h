// Files as the core sees them: a narrow seam so that every step of a rewrite
// can be made to fail in tests.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace tablerun {

class TFile {
 public:
  virtual ~TFile() = default;
  virtual std::int64_t Size() = 0;
  // Reads up to size bytes at offset; returns how many were read (0 at the end).
  virtual std::size_t ReadAt(std::int64_t offset, char* buffer, std::size_t size) = 0;
  // All or nothing: false when fewer bytes than asked reached the file.
  virtual bool WriteAt(std::int64_t offset, std::string_view bytes) = 0;
  virtual bool Append(std::string_view bytes) = 0;
  // Flushes to the disk and closes; false when either failed.
  virtual bool SyncAndClose() = 0;
};

enum class TOpenMode { Read, ReadWrite };

struct TFileStatus {
  unsigned permissions = 0;       // the nine rwx bits and the three above them
  std::int64_t modifiedTime = 0;  // seconds since the epoch
};

class TFileSystem {
 public:
  virtual ~TFileSystem() = default;
  virtual std::unique_ptr<TFile> Open(const std::string& path, TOpenMode mode) = 0;
  // Creates a new, empty file with a unique name that starts with prefix in folder.
  virtual std::unique_ptr<TFile> CreateTemp(const std::string& folder, const std::string& prefix,
                                            std::string& createdPath) = 0;
  // Of the file a path names, links followed; nothing when there is none.
  virtual std::optional<TFileStatus> Status(const std::string& path) = 0;
  virtual bool SetPermissions(const std::string& path, unsigned permissions) = 0;
  // What a symbolic link holds, as written; nothing when the path is no link.
  virtual std::optional<std::string> LinkTarget(const std::string& path) = 0;
  // Replaces `to` in one step when it exists.
  virtual bool Rename(const std::string& from, const std::string& to) = 0;
  virtual bool Remove(const std::string& path) = 0;
  virtual bool Exists(const std::string& path) = 0;
  virtual bool IsFolder(const std::string& path) = 0;
  virtual bool CreateFolders(const std::string& path) = 0;
  virtual std::vector<std::string> ListFolder(const std::string& path) = 0;
};

// The real file system of the machine.
class TPosixFileSystem final : public TFileSystem {
 public:
  TPosixFileSystem();
  std::unique_ptr<TFile> Open(const std::string& path, TOpenMode mode) override;
  std::unique_ptr<TFile> CreateTemp(const std::string& folder, const std::string& prefix,
                                    std::string& createdPath) override;
  std::optional<TFileStatus> Status(const std::string& path) override;
  bool SetPermissions(const std::string& path, unsigned permissions) override;
  std::optional<std::string> LinkTarget(const std::string& path) override;
  bool Rename(const std::string& from, const std::string& to) override;
  bool Remove(const std::string& path) override;
  bool Exists(const std::string& path) override;
  bool IsFolder(const std::string& path) override;
  bool CreateFolders(const std::string& path) override;
  std::vector<std::string> ListFolder(const std::string& path) override;

 private:
  std::minstd_rand generator_;  // names of temporary files
};

// Whether a file name is one that CreateTemp makes with the prefix.
bool fnIsTempName(std::string_view name, std::string_view prefix);

// The file a path finally names: symbolic links followed, relative ones from
// their own folder; the path itself when it is no link. Nothing for a loop.
std::optional<std::string> fnFollowLinks(TFileSystem& fs, const std::string& path);

std::optional<std::string> fnReadWholeFile(TFileSystem& fs, const std::string& path);

// Why a call failed, in words, from the errno it left.
std::string fnCauseOf(int error);

// "dir/name" → "dir/"; a bare name → "".
std::string fnFolderOf(const std::string& path);

}  // namespace tablerun
