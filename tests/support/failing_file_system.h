// The machine's file system with one step of writing a temporary file made
// to fail, for the tests of whole rewrites.
#pragma once

#include <cerrno>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/file_system.h"

namespace tablerun::testing {

enum class TStep { None, CreateTemp, Write, SyncAndClose, Rename };

// The machine's file system, except that one step of writing a temporary file fails.
class TFailingFileSystem final : public TFileSystem {
 public:
  explicit TFailingFileSystem(TStep failing) : failing_(failing) {}
  void Fail(TStep failing) { failing_ = failing; }

  std::string lastTemp;

  std::unique_ptr<TFile> Open(const std::string& path, TOpenMode mode) override { return real_.Open(path, mode); }
  std::unique_ptr<TFile> CreateTemp(const std::string& folder, const std::string& prefix,
                                    std::string& createdPath) override {
    if (failing_ == TStep::CreateTemp) {
      errno = EACCES;
      return nullptr;
    }
    auto file = real_.CreateTemp(folder, prefix, createdPath);
    if (!file) return nullptr;
    lastTemp = createdPath;
    return std::make_unique<TFailingFile>(std::move(file), failing_);
  }
  std::optional<TFileStatus> Status(const std::string& path) override { return real_.Status(path); }
  bool SetPermissions(const std::string& path, unsigned permissions) override {
    return real_.SetPermissions(path, permissions);
  }
  std::optional<std::string> LinkTarget(const std::string& path) override { return real_.LinkTarget(path); }
  bool Rename(const std::string& from, const std::string& to) override {
    if (failing_ != TStep::Rename) return real_.Rename(from, to);
    errno = EXDEV;
    return false;
  }
  bool Remove(const std::string& path) override { return real_.Remove(path); }
  bool Exists(const std::string& path) override { return real_.Exists(path); }
  bool IsFolder(const std::string& path) override { return real_.IsFolder(path); }
  bool CreateFolders(const std::string& path) override { return real_.CreateFolders(path); }
  std::vector<std::string> ListFolder(const std::string& path) override { return real_.ListFolder(path); }

 private:
  class TFailingFile final : public TFile {
   public:
    TFailingFile(std::unique_ptr<TFile> real, TStep failing) : real_(std::move(real)), failing_(failing) {}
    std::int64_t Size() override { return real_->Size(); }
    std::size_t ReadAt(std::int64_t offset, char* buffer, std::size_t size) override {
      return real_->ReadAt(offset, buffer, size);
    }
    // A short write: half of the bytes land.
    bool WriteAt(std::int64_t offset, std::string_view bytes) override {
      if (failing_ != TStep::Write) return real_->WriteAt(offset, bytes);
      real_->WriteAt(offset, bytes.substr(0, bytes.size() / 2));
      errno = ENOSPC;
      return false;
    }
    bool Append(std::string_view bytes) override { return real_->Append(bytes); }
    bool SyncAndClose() override {
      if (!real_->SyncAndClose()) return false;
      if (failing_ != TStep::SyncAndClose) return true;
      errno = EIO;
      return false;
    }

   private:
    std::unique_ptr<TFile> real_;
    TStep failing_;
  };

  TPosixFileSystem real_;
  TStep failing_;
};

}  // namespace tablerun::testing
