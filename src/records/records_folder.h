// The statistics files of the data folder and what every operation on them
// shares: their names, the header lines a new file starts with, the player's
// progression file rebuilt from the game log, and the handling of a protected
// file that a hand edit has broken.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/file_system.h"
#include "config/messages.h"
#include "config/section_file.h"

namespace tablerun {

namespace records_file {
inline constexpr std::string_view kStatistics = "STAT.DAT";
inline constexpr std::string_view kOverall = "Stat_glo.dat";
inline constexpr std::string_view kHiScores = "Stat_scr.dat";
inline constexpr std::string_view kSeriesScores = "Series_scr.dat";
inline constexpr std::string_view kLog = "Stat_log.dat";
inline constexpr std::string_view kInternet = "Stat_uni.dat";
}  // namespace records_file

class TRecordsFolder {
 public:
  TRecordsFolder(TFileSystem& fileSystem, TMessages& messagesTo, std::string folder);

  // A file of the folder; an existing file whose name differs only in case
  // (a folder copied from another system) is taken for it.
  std::string Path(std::string_view name);
  TSectionFile Sections(std::string_view name) { return TSectionFile(fs, messages, Path(name)); }

  // Nothing when the name may not become part of a file name.
  std::optional<std::string> ProgressionPath(std::string_view player);

  // Creates the missing header files, and the player's progression file from
  // the game log when it is missing.
  void EnsureFiles(std::string_view player);

  // The file's lines, without their ends; none when it is missing.
  std::vector<std::string> ReadLines(std::string_view name);
  // Whole lines, each ended by CR LF, through the safe replace.
  bool WriteLines(std::string_view name, const std::vector<std::string>& lines);
  bool AppendBytes(const std::string& path, std::string_view bytes);
  bool RemoveFile(std::string_view name);

  // A protected file failed its checks: it goes, and the player is told.
  void DropCorruptedFile(std::string_view name, const std::string& message);

  TFileSystem& fs;
  TMessages& messages;

 private:
  std::string folder_;  // ends in "/" unless empty
};

// The name a "[name]" line opens; nothing for any other line.
std::optional<std::string> fnSectionName(std::string_view line);

// A section's lines with the entries' keys set to their values (keys it lacks
// added at its end) and its other lines kept.
std::vector<TKeyValue> fnSectionWithValues(const std::vector<std::string>& lines,
                                           const std::vector<TKeyValue>& entries);

}  // namespace tablerun
