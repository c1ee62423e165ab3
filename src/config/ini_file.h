// The preference store's file format: [Section] headers and key=value lines,
// CR LF line ends, section and key names compared without regard to case.
// Lines the program does not understand are kept as they are.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "config/file_system.h"
#include "config/messages.h"

namespace tablerun {

class TIniFile {
 public:
  enum class TAccess { ReadWrite, InspectOnly };

  // Reads the file once; a missing file is an empty store. With InspectOnly,
  // changes stay in memory and the file is never written.
  TIniFile(TFileSystem& fs, TMessages& messages, std::string path, TAccess access = TAccess::ReadWrite);

  const std::string& Path() const { return path_; }

  std::string ReadString(const std::string& section, const std::string& key, const std::string& fallback) const;
  // Wide, so that colours stored unsigned still read; a value that is not a
  // whole number gives the fallback.
  std::int64_t ReadInteger(const std::string& section, const std::string& key, std::int64_t fallback) const;
  bool KeyExists(const std::string& section, const std::string& key) const;
  bool SectionExists(const std::string& section) const;
  // The section's keys in file order.
  std::vector<std::string> ReadKeys(const std::string& section) const;

  // Each change is written to the disk at once, unless writes are deferred.
  bool WriteString(const std::string& section, const std::string& key, const std::string& value);
  bool WriteInteger(const std::string& section, const std::string& key, std::int64_t value);
  bool EraseSection(const std::string& section);

  // The file's bytes as they would be written now.
  std::string Serialize() const;

  // Many writes in a row (saving every preference at exit) touch the disk once.
  class TDeferredWrites {
   public:
    explicit TDeferredWrites(TIniFile& ini) : ini_(ini) { ++ini_.deferDepth_; }
    ~TDeferredWrites() {
      if (--ini_.deferDepth_ == 0 && ini_.dirty_) ini_.Save();
    }
    TDeferredWrites(const TDeferredWrites&) = delete;
    TDeferredWrites& operator=(const TDeferredWrites&) = delete;

   private:
    TIniFile& ini_;
  };

 private:
  // Index of the header line of the section.
  std::optional<std::size_t> FindSection(const std::string& section) const;
  // End (exclusive) of the section starting at header.
  std::size_t SectionEnd(std::size_t header) const;
  std::optional<std::size_t> FindKey(std::size_t header, const std::string& key) const;
  bool Changed();
  bool Save();

  TFileSystem& fs_;
  TMessages& messages_;
  std::string path_;
  std::vector<std::string> lines_;
  TAccess access_;
  int deferDepth_ = 0;
  bool dirty_ = false;
};

}  // namespace tablerun
