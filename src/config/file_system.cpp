#include "config/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace tablerun {
namespace {

constexpr char kTempLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kTempLetterCount = 6;

class TPosixFile final : public TFile {
 public:
  explicit TPosixFile(int fd) : fd_(fd) {}
  ~TPosixFile() override {
    if (fd_ >= 0) ::close(fd_);
  }
  TPosixFile(const TPosixFile&) = delete;
  TPosixFile& operator=(const TPosixFile&) = delete;

  std::int64_t Size() override {
    struct stat st {};
    return ::fstat(fd_, &st) == 0 ? static_cast<std::int64_t>(st.st_size) : -1;
  }

  std::size_t ReadAt(std::int64_t offset, char* buffer, std::size_t size) override {
    std::size_t done = 0;
    while (done < size) {
      const ssize_t n = ::pread(fd_, buffer + done, size - done, offset + static_cast<std::int64_t>(done));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    return done;
  }

  bool WriteAt(std::int64_t offset, std::string_view bytes) override {
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n =
          ::pwrite(fd_, bytes.data() + done, bytes.size() - done, offset + static_cast<std::int64_t>(done));
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return false;
      if (n == 0) {
        errno = EIO;  // a write that makes no progress sets no cause of its own
        return false;
      }
      done += static_cast<std::size_t>(n);
    }
    return true;
  }

  bool Append(std::string_view bytes) override {
    const std::int64_t end = Size();
    return end >= 0 && WriteAt(end, bytes);
  }

  bool SyncAndClose() override {
    const bool synced = ::fsync(fd_) == 0;
    const int syncError = errno;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (!synced) errno = syncError;  // the first cause is the one to report
    return synced && closed;
  }

 private:
  int fd_;
};

}  // namespace

TPosixFileSystem::TPosixFileSystem() : generator_(std::random_device{}()) {}

std::unique_ptr<TFile> TPosixFileSystem::Open(const std::string& path, TOpenMode mode) {
  const int fd = ::open(path.c_str(), (mode == TOpenMode::Read ? O_RDONLY : O_RDWR) | O_CLOEXEC);
  if (fd < 0) return nullptr;
  return std::make_unique<TPosixFile>(fd);
}

std::unique_ptr<TFile> TPosixFileSystem::CreateTemp(const std::string& folder, const std::string& prefix,
                                                    std::string& createdPath) {
  // Not mkstemp: its 0600 would pass to a new file the temporary one becomes.
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string path = folder + prefix;
    for (std::size_t i = 0; i < kTempLetterCount; ++i) path += kTempLetters[generator_() % (sizeof kTempLetters - 1)];
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      createdPath = path;
      return std::make_unique<TPosixFile>(fd);
    }
    if (errno != EEXIST) break;
  }
  return nullptr;
}

std::optional<TFileStatus> TPosixFileSystem::Status(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return TFileStatus{.permissions = st.st_mode & 07777u, .modifiedTime = static_cast<std::int64_t>(st.st_mtime)};
}

bool TPosixFileSystem::SetPermissions(const std::string& path, unsigned permissions) {
  return ::chmod(path.c_str(), static_cast<mode_t>(permissions)) == 0;
}

std::optional<std::string> TPosixFileSystem::LinkTarget(const std::string& path) {
  std::string target(PATH_MAX, '\0');
  const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
  if (length < 0) return std::nullopt;
  target.resize(static_cast<std::size_t>(length));
  return target;
}

bool TPosixFileSystem::Rename(const std::string& from, const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) return false;
  // Make the new name itself durable, not only the bytes behind it.
  const std::string folder = fnFolderOf(to);
  const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

bool TPosixFileSystem::Remove(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool TPosixFileSystem::Exists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

bool TPosixFileSystem::IsFolder(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool TPosixFileSystem::CreateFolders(const std::string& path) {
  std::string partial;
  for (std::size_t i = 0; i <= path.size(); ++i) {
    if (i == path.size() || path[i] == '/') {
      if (!partial.empty() && !IsFolder(partial) && ::mkdir(partial.c_str(), 0777) != 0 && errno != EEXIST)
        return false;
    }
    if (i < path.size()) partial += path[i];
  }
  return IsFolder(path);
}

std::vector<std::string> TPosixFileSystem::ListFolder(const std::string& path) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(path.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = ::readdir(dir)) {
    if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
      names.emplace_back(entry->d_name);
  }
  ::closedir(dir);
  return names;
}

bool fnIsTempName(std::string_view name, std::string_view prefix) {
  if (!name.starts_with(prefix) || name.size() != prefix.size() + kTempLetterCount) return false;
  return name.substr(prefix.size()).find_first_not_of(kTempLetters) == std::string_view::npos;
}

std::optional<std::string> fnFollowLinks(TFileSystem& fs, const std::string& path) {
  constexpr int kMostLinks = 40;  // as many as the system itself follows
  std::string current = path;
  for (int hop = 0; hop <= kMostLinks; ++hop) {
    const auto target = fs.LinkTarget(current);
    if (!target) return current;
    current = target->starts_with('/') ? *target : fnFolderOf(current) + *target;
  }
  return std::nullopt;
}

std::optional<std::string> fnReadWholeFile(TFileSystem& fs, const std::string& path) {
  auto file = fs.Open(path, TOpenMode::Read);
  if (!file) return std::nullopt;
  std::string bytes;
  char chunk[8192];
  for (std::int64_t offset = 0;;) {
    const std::size_t n = file->ReadAt(offset, chunk, sizeof chunk);
    if (n == 0) break;
    bytes.append(chunk, n);
    offset += static_cast<std::int64_t>(n);
  }
  return bytes;
}

std::string fnCauseOf(int error) { return error != 0 ? std::generic_category().message(error) : "cause unknown"; }

std::string fnFolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace tablerun
