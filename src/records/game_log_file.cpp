#include "records/game_log_file.h"

namespace tablerun {

std::vector<std::string> fnReadLogLines(TRecordsFolder& folder) {
  std::vector<std::string> lines = folder.ReadLines(records_file::kLog);
  std::erase_if(lines, [](const std::string& line) { return line.empty(); });
  return lines;
}

bool fnAppendLogLine(TRecordsFolder& folder, const TGameLogEntry& entry) {
  return folder.AppendBytes(folder.Path(records_file::kLog), fnGameLogLine(entry) + "\r\n");
}

int fnEstimateLogLength(TRecordsFolder& folder) {
  const std::string path = folder.Path(records_file::kLog);
  auto file = folder.fs.Open(path, TOpenMode::Read);
  if (!file) return 0;
  const std::int64_t size = file->Size();
  std::string start(512, '\0');
  start.resize(file->ReadAt(0, start.data(), start.size()));
  const std::size_t end = start.find('\n');
  const std::size_t firstLine = end == std::string::npos ? start.size() : end - (end > 0 && start[end - 1] == '\r');
  return size <= 0 ? 0 : static_cast<int>(size / static_cast<std::int64_t>(firstLine + 2));
}

bool fnKeepLastLogLines(TRecordsFolder& folder, int keep, std::string_view player) {
  std::vector<std::string> lines = fnReadLogLines(folder);
  if (keep < 0) keep = 0;
  if (lines.size() > static_cast<std::size_t>(keep)) lines.erase(lines.begin(), lines.end() - keep);
  if (!folder.WriteLines(records_file::kLog, lines)) return false;
  if (const auto progression = folder.ProgressionPath(player); progression && folder.fs.Exists(*progression))
    folder.fs.Remove(*progression);
  return true;
}

bool fnRemoveLogLines(TRecordsFolder& folder, std::optional<int> gameCode, const std::optional<std::string>& player) {
  if (!folder.fs.Exists(folder.Path(records_file::kLog))) return true;
  std::vector<std::string> kept;
  for (std::string& line : fnReadLogLines(folder)) {
    const bool gameMatches = !gameCode || fnLogGameCode(line).value_or(-1) == *gameCode;
    const bool playerMatches = !player || fnLogPlayer(line).value_or("") == *player;
    if (!(gameMatches && playerMatches)) kept.push_back(std::move(line));
  }
  return folder.WriteLines(records_file::kLog, kept);
}

}  // namespace tablerun
