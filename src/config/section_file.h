// Files of "[name]" sections holding key=value lines ended by CR LF, as the
// statistics and series files are kept. Bytes are taken as they are (no text
// encoding). A section is located by byte offset and only it is read, so large
// files cost little; a header counts only where a line starts, because values
// (player names) may hold brackets.
//
// Writers never leave a half-written file: every write rebuilds the file and
// swaps it in through fnReplaceFile.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "config/file_system.h"
#include "config/messages.h"

namespace tablerun {

class TFileOpenError : public std::runtime_error {
 public:
  explicit TFileOpenError(const std::string& path) : std::runtime_error("Cannot open file " + path) {}
};

struct TKeyValue {
  std::string key;
  std::string value;
  bool operator==(const TKeyValue&) const = default;
};

struct TFoundValue {
  bool found = false;
  std::string value;
};

class TSectionFile {
 public:
  TSectionFile(TFileSystem& fs, TMessages& messages, std::string path);

  const std::string& Path() const { return path_; }

  // Readers treat a missing file as one without sections; a file that exists
  // but cannot be opened throws TFileOpenError.

  // Byte offset of the "[section]" that starts a line.
  std::optional<std::int64_t> FindSection(std::string_view section);
  static std::optional<std::int64_t> FindSection(TFile& file, std::string_view section);

  // The first line "key=value" of the section (failing that, "key =value"),
  // trailing blanks removed; the fallback when there is none.
  TFoundValue ReadValue(std::string_view section, std::string_view key, std::string_view fallback);
  static TFoundValue ReadValue(TFile& file, std::string_view section, std::string_view key, std::string_view fallback);

  // entries carry the defaults in and the values out; a value is the text
  // after the line's first "=". True when every key was found.
  bool ReadValues(std::string_view section, std::vector<TKeyValue>& entries);

  std::vector<std::string> ListSections();
  // The section's non-empty lines, whole.
  std::vector<std::string> ReadSectionLines(std::string_view section);

  // Writers need the file to exist (CreateIfMissing) and throw TFileOpenError
  // otherwise. They return false after telling the player what went wrong; the
  // file then holds its old bytes. A missing section is appended.

  // The key keeps its line; a key the section lacks goes at its end.
  bool WriteValue(std::string_view section, std::string_view key, std::string_view value);
  // Makes the section's body these lines followed by one empty line.
  bool RewriteSection(std::string_view section, const std::vector<TKeyValue>& entries);
  bool AppendSection(std::string_view section, const std::vector<TKeyValue>& entries);
  bool CreateIfMissing();
  // Replaces oldText by newText in every line where it stands at the 1-based
  // position; progress hears the number of lines done every 10 lines.
  bool ReplaceInEveryLine(int position, std::string_view oldText, std::string_view newText,
                          const std::function<void(int linesDone)>& progress);

 private:
  std::unique_ptr<TFile> OpenForRead();
  std::string ReadExisting();
  bool ReplaceBody(std::string_view section, const std::vector<std::string>& lines);

  TFileSystem& fs_;
  TMessages& messages_;
  std::string path_;
};

}  // namespace tablerun
