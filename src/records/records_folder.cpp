#include "records/records_folder.h"

#include "config/safe_replace.h"
#include "config/text.h"
#include "records/player_names.h"
#include "records/progression.h"

namespace tablerun {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

struct THeaderFile {
  std::string_view name;
  std::string_view versionKey;
};

constexpr THeaderFile kHeaderFiles[] = {{records_file::kStatistics, "Version"},
                                        {records_file::kHiScores, "Version"},
                                        {records_file::kSeriesScores, "Version"},
                                        {records_file::kOverall, "VOvS"}};

}  // namespace

TRecordsFolder::TRecordsFolder(TFileSystem& fileSystem, TMessages& messagesTo, std::string folder)
    : fs(fileSystem), messages(messagesTo), folder_(std::move(folder)) {
  if (!folder_.empty() && !folder_.ends_with('/')) folder_ += '/';
}

std::string TRecordsFolder::Path(std::string_view name) {
  std::string path = folder_ + std::string(name);
  if (fs.Exists(path)) return path;
  for (const std::string& present : fs.ListFolder(folder_.empty() ? "." : folder_)) {
    if (fnSameTextIgnoringCase(present, name)) return folder_ + present;
  }
  return path;
}

std::optional<std::string> TRecordsFolder::ProgressionPath(std::string_view player) {
  const std::string name = fnTrimRight(player);
  if (fnCheckPlayerName(name) != TNameProblem::None) return std::nullopt;
  // Taken as spelled: players whose names differ only in case keep their own files.
  return folder_ + "Stat_prg_" + name + ".dat";
}

void TRecordsFolder::EnsureFiles(std::string_view player) {
  for (const THeaderFile& file : kHeaderFiles) {
    const std::string path = Path(file.name);
    if (fs.Exists(path)) continue;
    fnReplaceFile(fs, messages, path, "[Version]\r\n" + std::string(file.versionKey) + "=0300\r\n");
  }
  if (const std::string path = Path(records_file::kInternet); !fs.Exists(path)) fnReplaceFile(fs, messages, path, "");

  const auto progression = ProgressionPath(player);
  if (!progression || fs.Exists(*progression)) return;
  const std::string name = fnTrimRight(player);
  if (!fnReplaceFile(fs, messages, *progression, fnProgressionFromLog(ReadLines(records_file::kLog), name)))
    messages.ShowMessage(TMessageKind::Information, "Open error: " + *progression);
}

std::vector<std::string> TRecordsFolder::ReadLines(std::string_view name) {
  std::vector<std::string> lines;
  const auto bytes = fnReadWholeFile(fs, Path(name));
  if (!bytes) return lines;
  for (const std::string_view line : fnSplitLines(*bytes)) lines.emplace_back(line);
  return lines;
}

bool TRecordsFolder::WriteLines(std::string_view name, const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes.append(line).append(kLineEnd);
  return fnReplaceFile(fs, messages, Path(name), bytes);
}

bool TRecordsFolder::AppendBytes(const std::string& path, std::string_view bytes) {
  if (!fs.Exists(path) && !fnReplaceFile(fs, messages, path, "")) return false;
  auto file = fs.Open(path, TOpenMode::ReadWrite);
  if (!file) return false;
  const std::int64_t size = file->Size();
  const bool appended = size >= 0 && file->Append(bytes);
  if (file->SyncAndClose() && appended) return true;
  // A part-written line would run into the next one: the file goes back to
  // what it held.
  if (auto whole = fnReadWholeFile(fs, path); whole && size >= 0 && whole->size() > static_cast<std::size_t>(size)) {
    whole->resize(static_cast<std::size_t>(size));
    fnReplaceFile(fs, messages, path, *whole);
  }
  return false;
}

bool TRecordsFolder::RemoveFile(std::string_view name) {
  const std::string path = Path(name);
  return !fs.Exists(path) || fs.Remove(path);
}

void TRecordsFolder::DropCorruptedFile(std::string_view name, const std::string& message) {
  RemoveFile(name);
  messages.ShowMessage(TMessageKind::Information, message);
}

std::optional<std::string> fnSectionName(std::string_view line) {
  if (!line.starts_with('[')) return std::nullopt;
  const std::size_t close = line.rfind(']');
  return std::string(line.substr(1, close == 0 || close == std::string_view::npos ? line.size() - 1 : close - 1));
}

std::vector<TKeyValue> fnSectionWithValues(const std::vector<std::string>& lines,
                                           const std::vector<TKeyValue>& entries) {
  std::vector<TKeyValue> merged;
  std::vector<bool> placed(entries.size(), false);
  for (const std::string& line : lines) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    TKeyValue kept{line.substr(0, equals), line.substr(equals + 1)};
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (!placed[i] && fnTrimRight(kept.key) == entries[i].key) {
        kept = entries[i];
        placed[i] = true;
      }
    }
    merged.push_back(std::move(kept));
  }
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (!placed[i]) merged.push_back(entries[i]);
  }
  return merged;
}

}  // namespace tablerun
